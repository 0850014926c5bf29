#include "screencropper.h"

#include "capturefile.h"
#include "capturegeometry.h"
#include "screengrab.h"
#include "screenportal.h"
#include "selectionrepaint.h"
#include "sharedfunctions.h"

#include <QAction>
#include <QBackingStore>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>

namespace QMWidgets {

ScreenCropper::ScreenCropper(QWidget *parent) : QFrame(parent)
{
    // paintEvent covers every pixel with opaque paint, so erasing first is wasted work.
    setAttribute(Qt::WA_OpaquePaintEvent);
    closeAction = new QAction(QStringLiteral("Close"), this);
    closeAction->setShortcut(QKeySequence(Qt::Key_Escape));
    closeAction->setShortcutContext(Qt::WindowShortcut);
    addAction(closeAction);
    connect(closeAction, &QAction::triggered, this, &ScreenCropper::slotClose);
    connect(closeAction, &QAction::triggered, this, &ScreenCropper::escaped);
}

ScreenCropper::~ScreenCropper() = default;

void ScreenCropper::setScreenPixmap(const QPixmap &pixmap)
{
    screenPixmap = pixmap;
    backdropPixmap = screenPixmap;
}

void ScreenCropper::showCovering()
{
    // Without a window manager showFullScreen() keeps Qt's default size; give the window the
    // screen's geometry itself so it covers the screen either way.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
}

void ScreenCropper::prepareWindow()
{
    if (isVisible())
        return;
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    ensurePolished();
    winId();
    QBackingStore *store = backingStore();
    if (!store)
        return;
    const QRect all = rect();
    store->resize(size());
    // Between the steps that wait for the display and the painting, which does not: the server
    // prepares the grab's memory while this thread paints.
    if (!screenGrabber && !isWaylandSession())
        prepareScreenGrab();
    store->beginPaint(all);
    QPaintDevice *device = store->paintDevice();
    if (device && device->devType() == QInternal::Image) {
        const auto *image = static_cast<const QImage *>(device);
        // One call maps the whole buffer, where the paint below would fault page by page.
        const quintptr page = 4096;
        const quintptr first = quintptr(image->constBits()) & ~(page - 1);
        const quintptr end = quintptr(image->constBits()) + quintptr(image->sizeInBytes());
        prefaultForWriting(reinterpret_cast<void *>(first), size_t(end - first));
    }
    // Paints what the first frame draws around the still; the real paint covers it all again.
    if (device)
        render(device, QPoint(), QRegion(all), RenderFlags(DrawWindowBackground | DrawChildren));
    store->endPaint();
}

void ScreenCropper::grabScreen()
{
    selecting = false;
    // An X11 grab in a Wayland session sees black or nothing; the desktop has to hand the still
    // over, and the window is shown once it has.
    if (!screenGrabber && isWaylandSession()) {
        if (!portal) {
            portal = new ScreenPortal(this);
            connect(portal, &ScreenPortal::finished, this, &ScreenCropper::takePortalStill);
        }
        portal->request();
        return;
    }
    screenPixmap = screenGrabber ? screenGrabber() : grabPrimaryScreen();
    stillRatio = 0;
    showStill();
}

void ScreenCropper::takePortalStill()
{
    const QImage picture = portal->picture();
    if (picture.isNull()) {
        failure = portal->errorString();
        slotClose();
        return;
    }
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QScreen *primary = QGuiApplication::primaryScreen();
    const StillArea still = primaryStillArea(
        picture.size(), screens, primary ? primary->geometry() : QRect(QPoint(), picture.size()));
    screenPixmap = still.area.isEmpty()           ? QPixmap()
                   : still.area == picture.rect() ? QPixmap::fromImage(picture)
                                                  : QPixmap::fromImage(picture.copy(still.area));
    stillRatio = still.ratio;
    showStill();
}

void ScreenCropper::showStill()
{
    if (screenPixmap.isNull() || screenPixmap.width() < 1 || screenPixmap.height() < 1) {
        failure = tr("The screen could not be captured.");
        slotClose();
        return;
    }
    awaitingCover = stillRatio > 0;
    showCovering();
    raise();
    activateWindow();
    backdropPixmap = screenPixmap;
    repaint();
    setFocus(Qt::OtherFocusReason);
    setCursor(Qt::CrossCursor);
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
}

bool ScreenCropper::coversScreen() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return !screen ||
           (width() >= screen->geometry().width() && height() >= screen->geometry().height());
}

void ScreenCropper::slotClose()
{
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    selecting = false;
    showFullScreen();
    hide();
    emit closed();
}

void ScreenCropper::slotSave()
{
    const CaptureSaveResult result =
        saveCapture(croppedPixmap.toImage(), saveDirectory, QDateTime::currentDateTime());
    if (result.ok) {
        savedPath = result.path;
        if (revealAfterSave)
            revealInFileBrowser(savedPath);
    } else {
        failure = tr("The capture could not be saved to %1:\n%2")
                      .arg(QDir::toNativeSeparators(result.path), result.error);
    }
    emit saved();
}

void ScreenCropper::retranslate()
{
    const QString desktop =
        QStandardPaths::standardLocations(QStandardPaths::DesktopLocation).value(0);
    // Many homes have no Desktop folder; promising it would lose the capture.
    if (QDir(saveDirectory).isReadable() && !desktop.isEmpty() && QDir(desktop).exists()) {
        saveDirectory = desktop;
        locationPhrase = tr("on Desktop");
    } else {
        saveDirectory = QStandardPaths::standardLocations(QStandardPaths::HomeLocation).value(0);
        if (saveDirectory.isEmpty())
            saveDirectory = QDir::homePath();
        locationPhrase = tr("in Home Location");
    }
}

QString ScreenCropper::instructionText() const
{
    return tr("Select the area you want to crop.\n") + tr("The image file will be saved ") +
           locationPhrase + QStringLiteral("\n") +
           tr("Hold [ALT] to go, after screenshot is done, to its location\n") +
           tr("Press [A] to see about dialog\n") + tr("Press [ESC] to cancel this operation");
}

void ScreenCropper::mousePressEvent(QMouseEvent *e)
{
    if (awaitingCover && !coversScreen()) {
        // Its release must not crop from a corner the user never chose.
        pressDropped = true;
        QFrame::mousePressEvent(e);
        return;
    }
    awaitingCover = false;
    pressDropped = false;
    const QPoint p = e->pos();
    anchorPoint = p;
    cursorPoint = p;
    selecting = true;
    QFrame::mousePressEvent(e);
    repaint();
}

void ScreenCropper::mouseMoveEvent(QMouseEvent *e)
{
    QFrame::mouseMoveEvent(e);
    const QPoint previous = cursorPoint;
    cursorPoint = e->pos();
    // Still painted at once, but only where the selection's outline or fill changes.
    if (selecting)
        repaint(selectionChangeRegion(anchorPoint, previous, cursorPoint));
    else
        repaint();
}

void ScreenCropper::mouseReleaseEvent(QMouseEvent *e)
{
    if (pressDropped) {
        pressDropped = false;
        QFrame::mouseReleaseEvent(e);
        return;
    }
    if (e->modifiers() & Qt::AltModifier)
        revealAfterSave = true;
    QFrame::mouseReleaseEvent(e);
    const qreal scale = stillRatio > 0 ? stillRatio : screenScaleFactor();
    const QRect rect = cropRectangle(anchorPoint, cursorPoint, scale, screenPixmap.size());
    // QPixmap::copy() of an empty rectangle would return the whole screen. The region shares
    // the still's pixels: a full-size copy would only double the memory at the moment of saving.
    croppedPixmap = rect.isEmpty() ? QPixmap() : sharedRegion(screenPixmap, rect);
    slotClose();
    emit done(croppedPixmap);
    emit done();
}

void ScreenCropper::keyPressEvent(QKeyEvent *e)
{
    QFrame::keyPressEvent(e);
    if (e->key() == Qt::Key_Return) {
        revealAfterSave = true;
    } else if (e->key() == Qt::Key_A) {
        // By name, so the application object's slot is reached through its meta-object.
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, "slotAbout");
    }
}

void ScreenCropper::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();

    QPen framePen(QColor(255, 255, 255, 128), 7, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.setPen(framePen);
    painter.setBrush(QColor(0, 0, 0, 255));
    painter.drawRect(QRect(QPoint(0, 0), QPoint(w, h)));
    painter.drawPixmap(QRect(0, 0, w, h), backdropPixmap);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), QPoint(w - 1, h - 1)));

    if (selecting) {
        painter.setPen(
            QPen(QColor(210, 210, 210, 255), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(QColor(10, 10, 80, 100));
        painter.drawRect(QRect(anchorPoint, cursorPoint));
        return;
    }

    QFont f = font();
    f.setPixelSize(20);
    painter.setFont(f);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(
        QPen(QColor(200, 200, 200, 255), 4, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(QColor(0, 0, 0, 180));
    const QRect box = instructionBoxRect(size());
    painter.drawRoundedRect(box, 5, 20, Qt::RelativeSize);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap,
                     instructionText());
}

void ScreenCropper::resizeEvent(QResizeEvent *)
{
    backdropPixmap = screenPixmap;
}

void ScreenCropper::closeEvent(QCloseEvent *e)
{
    e->ignore();
    // An outside close request (window manager, Alt+F4) cancels like Escape, so the process
    // never lingers with no window.
    if (isVisible())
        closeAction->trigger();
    else
        hide();
}

void ScreenCropper::showEvent(QShowEvent *e)
{
    QFrame::showEvent(e);
}

void ScreenCropper::changeEvent(QEvent *e)
{
    QFrame::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        retranslate();
}

} // namespace QMWidgets
