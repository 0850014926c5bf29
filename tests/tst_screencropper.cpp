#include "app.h"
#include "screencropper.h"

#include <QAction>
#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

using namespace QMWidgets;

// Records what the capture screen asks of the application object.
class ProbeApp final : public App
{
    Q_OBJECT

public:
    ProbeApp(int &argc, char **argv)
        : App(argc, argv, QStringLiteral("Velmora"), QStringLiteral("Clipwise"))
    {
    }
    int aboutCalls = 0;

public slots:
    void slotAbout() { ++aboutCalls; }
};

namespace {

QPixmap pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 5) % 256, (y * 3) % 256, (x + y) % 256));
    return QPixmap::fromImage(image);
}

QString desktopPath()
{
    return QStandardPaths::standardLocations(QStandardPaths::DesktopLocation).value(0);
}

// A cropper wired as the program wires it, with a still already taken.
struct Wired
{
    ScreenCropper cropper;
    Wired()
    {
        QObject::connect(&cropper, qOverload<>(&ScreenCropper::done), &cropper,
                         [this] { QMetaObject::invokeMethod(&cropper, "slotSave"); });
        QObject::connect(&cropper, &ScreenCropper::saved, &cropper,
                         [this] { QMetaObject::invokeMethod(&cropper, "slotClose"); });
        cropper.setScreenPixmap(pattern(320, 200));
        cropper.retranslate();
        cropper.setGeometry(0, 0, 320, 200);
        cropper.show();
    }
};

// A move with the button held, as the window system delivers it during a drag.
void drag(QWidget *widget, const QPoint &pos)
{
    QMouseEvent e(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
}

QStringList capturesOnDesktop()
{
    return QDir(desktopPath()).entryList({QStringLiteral("*.png")}, QDir::Files);
}

void clearDesktop()
{
    QDir dir(desktopPath());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        dir.remove(name);
}

} // namespace

class TestScreenCropper final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dragCropsInclusiveCornersAndSaves();
    void clickSavesOnePixel();
    void doneSignalsComeInOrder();
    void revealMarking_data();
    void revealMarking();
    void escapeDuringDragSavesNothing();
    void outsideCloseActsLikeEscape();
    void aKeyOpensAbout_data();
    void aKeyOpensAbout();
    void saveDirectoryChoice_data();
    void saveDirectoryChoice();
    void failedSaveIsReportedAndLeavesNothing();
    void failedGrabIsReportedAndShowsNothing_data();
    void failedGrabIsReportedAndShowsNothing();
    void instructionTextHasItsSevenPieces();
    void paintsFrameSelectionAndBox();
};

void TestScreenCropper::init()
{
    QDir().mkpath(desktopPath());
    clearDesktop();
}

void TestScreenCropper::dragCropsInclusiveCornersAndSaves()
{
    Wired w;
    QSignalSpy saved(&w.cropper, &ScreenCropper::saved);
    QTest::mousePress(&w.cropper, Qt::LeftButton, {}, QPoint(19, 19));
    drag(&w.cropper, QPoint(15, 12));
    drag(&w.cropper, QPoint(10, 10));
    QTest::mouseRelease(&w.cropper, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(w.cropper.cropped().size(), QSize(10, 10));
    QCOMPARE(w.cropper.cropped().toImage(), pattern(320, 200).toImage().copy(10, 10, 10, 10));
    QCOMPARE(capturesOnDesktop().size(), 1);
    QCOMPARE(QDir(desktopPath()).filePath(capturesOnDesktop().first()), w.cropper.savedFilePath());
    QVERIFY(!w.cropper.isVisible());
    QVERIFY(w.cropper.failureMessage().isEmpty());
}

void TestScreenCropper::clickSavesOnePixel()
{
    Wired w;
    QTest::mouseClick(&w.cropper, Qt::RightButton, {}, QPoint(40, 50));
    QCOMPARE(w.cropper.cropped().size(), QSize(1, 1));
    QCOMPARE(QImage(w.cropper.savedFilePath()).pixel(0, 0),
             pattern(320, 200).toImage().pixel(40, 50));
}

void TestScreenCropper::doneSignalsComeInOrder()
{
    ScreenCropper cropper;
    cropper.setScreenPixmap(pattern(100, 100));
    cropper.setGeometry(0, 0, 100, 100);
    cropper.show();
    QStringList order;
    connect(&cropper, &ScreenCropper::closed, this, [&] { order << "closed"; });
    connect(&cropper, qOverload<QPixmap>(&ScreenCropper::done), this, [&](const QPixmap &p) {
        order << QStringLiteral("done(%1x%2)").arg(p.width()).arg(p.height());
    });
    connect(&cropper, qOverload<>(&ScreenCropper::done), this, [&] { order << "done"; });
    QTest::mousePress(&cropper, Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(cropper.isSelecting());
    drag(&cropper, QPoint(3, 2));
    QTest::mouseRelease(&cropper, Qt::LeftButton, {}, QPoint(3, 2));
    QCOMPARE(order, QStringList({"closed", "done(3x2)", "done"}));
    QVERIFY(!cropper.isSelecting());
}

void TestScreenCropper::revealMarking_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<bool>("reveal");
    QTest::newRow("plain release") << "press release" << false;
    QTest::newRow("ALT held at release") << "press alt-release" << true;
    QTest::newRow("Return before the press") << "return press release" << true;
    QTest::newRow("Return during the drag") << "press return release" << true;
    QTest::newRow("ALT pressed and let go before release") << "press alt release" << false;
    QTest::newRow("keypad Enter does not mark") << "press enter release" << false;
}

void TestScreenCropper::revealMarking()
{
    QFETCH(QString, sequence);
    QFETCH(bool, reveal);
    ScreenCropper cropper;
    cropper.setScreenPixmap(pattern(50, 50));
    cropper.setGeometry(0, 0, 50, 50);
    cropper.show();
    for (const QString &step : sequence.split(QLatin1Char(' '))) {
        if (step == QLatin1String("press"))
            QTest::mousePress(&cropper, Qt::LeftButton, {}, QPoint(5, 5));
        else if (step == QLatin1String("release"))
            QTest::mouseRelease(&cropper, Qt::LeftButton, {}, QPoint(9, 9));
        else if (step == QLatin1String("alt-release"))
            QTest::mouseRelease(&cropper, Qt::LeftButton, Qt::AltModifier, QPoint(9, 9));
        else if (step == QLatin1String("return"))
            QTest::keyClick(&cropper, Qt::Key_Return);
        else if (step == QLatin1String("enter"))
            QTest::keyClick(&cropper, Qt::Key_Enter, Qt::KeypadModifier);
        else if (step == QLatin1String("alt"))
            QTest::keyClick(&cropper, Qt::Key_Alt, Qt::AltModifier);
    }
    QCOMPARE(cropper.willReveal(), reveal);
}

void TestScreenCropper::escapeDuringDragSavesNothing()
{
    Wired w;
    QSignalSpy escaped(&w.cropper, &ScreenCropper::escaped);
    QSignalSpy closed(&w.cropper, &ScreenCropper::closed);
    QSignalSpy saved(&w.cropper, &ScreenCropper::saved);
    QTest::mousePress(&w.cropper, Qt::LeftButton, {}, QPoint(5, 5));
    drag(&w.cropper, QPoint(50, 60));
    // The Escape action is the window's shortcut; trigger it as the shortcut map would.
    const QList<QAction *> actions = w.cropper.actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.first()->shortcut(), QKeySequence(Qt::Key_Escape));
    QCOMPARE(actions.first()->text(), QStringLiteral("Close"));
    actions.first()->trigger();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(escaped.count(), 1);
    QVERIFY(!w.cropper.isSelecting());
    QVERIFY(!w.cropper.isVisible());
    QCOMPARE(saved.count(), 0);
    QVERIFY(capturesOnDesktop().isEmpty());
}

void TestScreenCropper::outsideCloseActsLikeEscape()
{
    Wired w;
    QSignalSpy escaped(&w.cropper, &ScreenCropper::escaped);
    QSignalSpy closed(&w.cropper, &ScreenCropper::closed);
    QTest::mousePress(&w.cropper, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!w.cropper.close()); // the request is declined; the capture is cancelled instead
    QCOMPARE(closed.count(), 1);
    QCOMPARE(escaped.count(), 1);
    QVERIFY(!w.cropper.isVisible());
    QVERIFY(capturesOnDesktop().isEmpty());
}

void TestScreenCropper::aKeyOpensAbout_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("calls");
    QTest::newRow("A") << Qt::Key_A << Qt::KeyboardModifiers() << 1;
    QTest::newRow("Shift+A") << Qt::Key_A << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
    QTest::newRow("Ctrl+A") << Qt::Key_A << Qt::KeyboardModifiers(Qt::ControlModifier) << 1;
    QTest::newRow("B does nothing") << Qt::Key_B << Qt::KeyboardModifiers() << 0;
}

void TestScreenCropper::aKeyOpensAbout()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, calls);
    auto *app = static_cast<ProbeApp *>(QCoreApplication::instance());
    app->aboutCalls = 0;
    ScreenCropper cropper;
    cropper.setScreenPixmap(pattern(50, 50));
    cropper.setGeometry(0, 0, 50, 50);
    cropper.show();
    QTest::keyClick(&cropper, key, modifiers);
    QCOMPARE(app->aboutCalls, calls);
    QVERIFY(cropper.isVisible());
}

void TestScreenCropper::saveDirectoryChoice_data()
{
    QTest::addColumn<bool>("desktopExists");
    QTest::addColumn<bool>("workingDirReadable");
    QTest::addColumn<bool>("onDesktop");
    QTest::newRow("Desktop present") << true << true << true;
    QTest::newRow("Desktop missing falls back to home") << false << true << false;
    QTest::newRow("unreadable working folder falls back to home") << true << false << false;
}

void TestScreenCropper::saveDirectoryChoice()
{
    QFETCH(bool, desktopExists);
    QFETCH(bool, workingDirReadable);
    QFETCH(bool, onDesktop);
    if (!workingDirReadable && ::geteuid() == 0)
        QSKIP("permissions do not bind root");
    if (!desktopExists)
        QDir(desktopPath()).removeRecursively();
    QTemporaryDir locked;
    const QString previous = QDir::currentPath();
    if (!workingDirReadable) {
        QVERIFY(QDir::setCurrent(locked.path()));
        QFile::setPermissions(locked.path(), QFileDevice::ExeOwner);
    }
    ScreenCropper cropper;
    cropper.retranslate();
    QDir::setCurrent(previous);
    QFile::setPermissions(locked.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    if (onDesktop) {
        QCOMPARE(cropper.saveDirectoryPath(), desktopPath());
        QCOMPARE(cropper.locationText(), QStringLiteral("on Desktop"));
    } else {
        QCOMPARE(cropper.saveDirectoryPath(), QDir::homePath());
        QCOMPARE(cropper.locationText(), QStringLiteral("in Home Location"));
    }
    QVERIFY(cropper.instructionText().contains(cropper.locationText()));
    QDir().mkpath(desktopPath());
}

void TestScreenCropper::failedSaveIsReportedAndLeavesNothing()
{
    Wired w;
    // The Desktop vanishes between start and release.
    QDir(desktopPath()).removeRecursively();
    QSignalSpy saved(&w.cropper, &ScreenCropper::saved);
    QTest::mouseClick(&w.cropper, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(saved.count(), 1);
    QVERIFY(w.cropper.savedFilePath().isEmpty());
    QVERIFY(w.cropper.failureMessage().contains(QDir::toNativeSeparators(desktopPath())));
    QVERIFY(!QFileInfo::exists(desktopPath()));
}

void TestScreenCropper::failedGrabIsReportedAndShowsNothing_data()
{
    QTest::addColumn<QPixmap>("grabbed");
    QTest::newRow("null image") << QPixmap();
    QTest::newRow("empty image") << QPixmap(0, 0);
}

void TestScreenCropper::failedGrabIsReportedAndShowsNothing()
{
    QFETCH(QPixmap, grabbed);
    ScreenCropper cropper;
    cropper.retranslate();
    cropper.setScreenGrabber([grabbed] { return grabbed; });
    QSignalSpy closed(&cropper, &ScreenCropper::closed);
    QSignalSpy done(&cropper, qOverload<>(&ScreenCropper::done));
    cropper.grabScreen();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(done.count(), 0);
    QVERIFY(!cropper.isVisible());
    QVERIFY(!cropper.failureMessage().isEmpty());
    QVERIFY(capturesOnDesktop().isEmpty());
}

void TestScreenCropper::instructionTextHasItsSevenPieces()
{
    ScreenCropper cropper;
    cropper.retranslate();
    QCOMPARE(cropper.instructionText(),
             QStringLiteral(
                 "Select the area you want to crop.\nThe image file will be saved on Desktop\n"
                 "Hold [ALT] to go, after screenshot is done, to its location\n"
                 "Press [A] to see about dialog\nPress [ESC] to cancel this operation"));
}

void TestScreenCropper::paintsFrameSelectionAndBox()
{
    QImage plain(400, 300, QImage::Format_RGB32);
    plain.fill(qRgb(100, 100, 100));
    ScreenCropper cropper;
    cropper.setScreenPixmap(QPixmap::fromImage(plain));
    cropper.resize(400, 300);

    const QImage idle = cropper.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The translucent white frame lightens the edge; the middle of the box is dark.
    QCOMPARE(idle.pixel(1, 150), qRgb(178, 178, 178));
    QCOMPARE(idle.pixel(200, 100), qRgb(100, 100, 100));
    const QRect box(QPoint(108, 120), QPoint(291, 179));
    QVERIFY(qRed(idle.pixel(box.left() + 40, box.center().y() + 25)) < 40);

    QTest::mousePress(&cropper, Qt::LeftButton, {}, QPoint(20, 30));
    drag(&cropper, QPoint(60, 70));
    const QImage selecting = cropper.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Inside: the bluish fill over the picture; the box is gone while selecting.
    const QRgb inside = selecting.pixel(40, 50);
    QVERIFY(qAbs(qRed(inside) - (10 * 100 + 100 * 155) / 255) <= 1);
    QVERIFY(qAbs(qBlue(inside) - (80 * 100 + 100 * 155) / 255) <= 1);
    QCOMPARE(selecting.pixel(20, 30), qRgb(210, 210, 210));
    QCOMPARE(selecting.pixel(box.left() + 40, box.center().y() + 25), qRgb(100, 100, 100));
}

int main(int argc, char *argv[])
{
    ProbeApp app(argc, argv);
    TestScreenCropper test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screencropper.moc"
