#include "screencropper.h"

#include "capturefile.h"
#include "capturegeometry.h"
#include "desktopwaitwindow.h"
#include "screengrab.h"
#include "screensourcechain.h"
#include "screensourcescreencopy.h"
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
#include <QTimer>
#include <QWindow>

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

ScreenCropper::~ScreenCropper()
{
    delete waitWindow;
}

void ScreenCropper::setScreenPixmap(const QPixmap &pixmap)
{
    desktopStill.clear();
    screenPixmap = pixmap;
    backdropPixmap = screenPixmap;
    stillRatio = 0;
    onStill = true;
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
    else if (!screenGrabber)
        ScreenSourceScreencopy::prepare();
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
    if (screenGrabber) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        takeStill({ScreenStill{QString(), screen ? screen->geometry() : QRect(), screenGrabber(),
                               screen ? screen->devicePixelRatio() : 1.0}},
                  tr("The screen could not be captured."));
        return;
    }
    // On X11 the display's grab answers at once; on Wayland the compositor or the desktop hands
    // the still over later, and the window shows once it has.
    if (!sources) {
        sources = new ScreenSourceChain(this);
        connect(sources, &ScreenSourceChain::finished, this, &ScreenCropper::sourcesFinished);
        connect(sources, &ScreenSourceChain::deadlineChanged, this, [this] {
            if (waitWindow)
                waitWindow->setDeadline(sources->deadline());
        });
    }
    askedAgain = false;
    sources->start();
    if (sources->isRunning() && !waitWindow) {
        // No parent: a window that belongs to the capture screen, not yet shown, would be
        // placed with it.
        waitWindow = new DesktopWaitWindow();
        connect(waitWindow, &DesktopWaitWindow::cancelled, this, &ScreenCropper::cancelWaiting);
        waitWindow->start(sources->deadline());
    }
}

void ScreenCropper::sourcesFinished()
{
    const bool photographed = waitWindow && waitWindow->wasShown();
    // Unmapped here; the compositor draws it away in its own time.
    delete waitWindow;
    waitWindow = nullptr;
    if (photographed && !askedAgain && !sources->still().isEmpty()) {
        // The desktop may have taken the picture with the waiting window on the screen: the
        // shell takes it once the user has answered its question, after the window came up.
        // Asked once more when the window is off the screen, the desktop answers at once, its
        // permission stored by then. Nothing of the program is on the screen during that second
        // request, however long it takes (a desktop that asks every time), so one is enough.
        askedAgain = true;
        QTimer::singleShot(windowGoneMs, sources, &ScreenSourceChain::askAgain);
        return;
    }
    takeStill(sources->still(), sources->errorString());
}

void ScreenCropper::cancelWaiting()
{
    // The window is still delivering its signal.
    waitWindow->deleteLater();
    waitWindow = nullptr;
    // Without the sources no still can come in after all; a request still open is withdrawn.
    delete sources;
    sources = nullptr;
    closeAction->trigger();
}

void ScreenCropper::takeStill(const DesktopStill &still, const QString &reason)
{
    desktopStill.clear();
    for (const ScreenStill &screen : still) {
        if (!screen.pixmap.isNull())
            desktopStill << screen;
    }
    if (desktopStill.isEmpty()) {
        failure = reason.isEmpty() ? tr("The screen could not be captured.") : reason;
        slotClose();
        return;
    }
    // The primary screen where the still has it; the compositor may still choose another. Qt on
    // Wayland takes the first output it was told of for the primary; the still puts the
    // desktop's own primary first where the compositor tells which (KWin).
    const bool wayland = QGuiApplication::platformName() == QLatin1String("wayland");
    QScreen *target = nullptr;
    const ScreenStill *shown = nullptr;
    for (QScreen *screen : QGuiApplication::screens()) {
        const ScreenStill *candidate = stillAt(desktopStill, screen->geometry().topLeft());
        if (candidate && (!shown || (wayland ? candidate == &desktopStill.first()
                                             : screen == QGuiApplication::primaryScreen()))) {
            target = screen;
            shown = candidate;
        }
    }
    screenPixmap = shown ? shown->pixmap : desktopStill.first().pixmap;
    showStill(target ? target : QGuiApplication::primaryScreen());
}

void ScreenCropper::showStill(QScreen *screen)
{
    // Without a window manager showFullScreen() keeps Qt's default size; give the window the
    // screen's geometry itself so it covers the screen either way.
    if (screen) {
        setGeometry(screen->geometry());
        if (QWindow *window = windowHandle())
            window->setScreen(screen);
    }
    showFullScreen();
    raise();
    activateWindow();
    backdropPixmap = screenPixmap;
    followPlacement();
    repaint();
    setFocus(Qt::OtherFocusReason);
    setCursor(Qt::CrossCursor);
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
}

void ScreenCropper::followPlacement()
{
    if (desktopStill.isEmpty())
        return;
    QWindow *window = windowHandle();
    if (window && !followingScreen) {
        followingScreen = true;
        connect(window, &QWindow::screenChanged, this, &ScreenCropper::followPlacement);
    }
    // The window must cover one screen whole. Wayland tells a client the output it is on, but
    // not its position there.
    const QScreen *screen = window ? window->screen() : nullptr;
    const ScreenStill *still =
        screen && isVisible() ? stillAt(desktopStill, screen->geometry().topLeft()) : nullptr;
    if (still && !windowCoversScreen(QRect(pos(), size()), screen->geometry(), still->pixmap.size(),
                                     screen->devicePixelRatio(),
                                     QGuiApplication::platformName() == QLatin1String("wayland")))
        still = nullptr;
    onStill = still != nullptr;
    if (!placementDeadline) {
        placementDeadline = new QTimer(this);
        placementDeadline->setSingleShot(true);
        connect(placementDeadline, &QTimer::timeout, this, &ScreenCropper::failPlacement);
    }
    if (!still) {
        // A compositor settles a new window within a frame or two. While a dialog holds the
        // capture screen (disabled) a window manager may take full screen away; it is asked
        // for again when the dialog has gone.
        if (isVisible() && isEnabled() && !placementDeadline->isActive())
            placementDeadline->start(5000);
        return;
    }
    placementDeadline->stop();
    if (still->pixmap.cacheKey() != screenPixmap.cacheKey()) {
        // Another screen than expected: what the user sees there is its own still.
        selecting = false;
        screenPixmap = still->pixmap;
        backdropPixmap = screenPixmap;
        update();
    }
    stillRatio = still->ratio > 0 ? still->ratio : screenPixmap.width() / qreal(width());
}

void ScreenCropper::failPlacement()
{
    if (onStill || !isVisible() || !isEnabled())
        return;
    failure = tr("The capture window is not on a screen that could be captured, so nothing can "
                 "be selected. Nothing was saved.");
    slotClose();
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
    if (!onStill) {
        // Its release must not crop from a corner the user never chose.
        pressDropped = true;
        QFrame::mousePressEvent(e);
        return;
    }
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
    followPlacement();
}

void ScreenCropper::moveEvent(QMoveEvent *e)
{
    QFrame::moveEvent(e);
    followPlacement();
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
    if (e->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (e->type() == QEvent::EnabledChange && isEnabled() && isVisible() &&
               !desktopStill.isEmpty()) {
        // A dialog over the capture screen has closed; i3 takes full screen from a window
        // whose dialog is activated.
        if (!isFullScreen())
            showFullScreen();
        followPlacement();
    }
}

} // namespace QMWidgets
