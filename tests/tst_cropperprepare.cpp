// Preparing the capture window while the program waits for its grab: on a real X server the
// window exists but is not mapped, so the grab still shows only the desktop, nothing is signalled,
// and what appears after the grab is the same frame an unprepared window shows.
#include "screencropper.h"
#include "screengrab.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QX11Info>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>

using namespace QMWidgets;

namespace {

// Photograph-like noise beside flat areas and text, so a missing or shifted pixel shows.
QImage desktopPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(40, 90, 160));
    QPainter p(&image);
    for (int y = 0; y < size.height() / 2; y += 3)
        for (int x = 0; x < size.width() / 2; x += 3)
            p.fillRect(x, y, 3, 3,
                       QColor::fromRgb(0xff000000u | ((x * 7919u + y * 104729u) & 0xffffffu)));
    p.setPen(Qt::white);
    for (int line = 0; line < 12; ++line)
        p.drawText(size.width() / 2 + 20, 40 + line * 20,
                   QStringLiteral("row %1 of the desktop").arg(line));
    return image;
}

// The map state the X server holds for the window; -1 when it does not know the window.
int mapState(WId window)
{
    xcb_connection_t *c = QX11Info::connection();
    xcb_get_window_attributes_reply_t *reply = xcb_get_window_attributes_reply(
        c, xcb_get_window_attributes(c, xcb_window_t(window)), nullptr);
    if (!reply)
        return -1;
    const int state = reply->map_state;
    std::free(reply);
    return state;
}

QImage screenNow()
{
    const QRect g = QGuiApplication::primaryScreen()->geometry();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, g.x(), g.y(), g.width(), g.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestCropperPrepare final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void firstFrameIsTheSame_data();
    void firstFrameIsTheSame();
    void preparingAShownWindowChangesNothing();

private:
    QTemporaryDir dir;
    QProcess viewer;
    QImage picture;
};

void TestCropperPrepare::initTestCase()
{
    QVERIFY2(QX11Info::isPlatformX11(), "needs an X server (run through run-test.sh x11)");
    QVERIFY(dir.isValid());
    picture = desktopPicture(QGuiApplication::primaryScreen()->geometry().size());
    const QString path = dir.filePath(QStringLiteral("desktop.png"));
    QVERIFY(picture.save(path));
    viewer.start(QStringLiteral(SHOW_PICTURE), {path});
    QVERIFY(viewer.waitForStarted());
    QVERIFY(viewer.waitForReadyRead(10000));
    QCOMPARE(viewer.readLine().trimmed(), QByteArray("ready"));
    QTRY_COMPARE(screenNow(), picture);
}

void TestCropperPrepare::cleanupTestCase()
{
    viewer.kill();
    viewer.waitForFinished();
}

void TestCropperPrepare::firstFrameIsTheSame_data()
{
    QTest::addColumn<bool>("prepare");
    QTest::addColumn<bool>("selecting");
    QTest::newRow("unprepared, instruction box") << false << false;
    QTest::newRow("prepared, instruction box") << true << false;
    QTest::newRow("prepared, then a selection") << true << true;
}

void TestCropperPrepare::firstFrameIsTheSame()
{
    QFETCH(bool, prepare);
    QFETCH(bool, selecting);

    ScreenCropper cropper;
    cropper.retranslate();
    QSignalSpy done(&cropper, qOverload<>(&ScreenCropper::done));
    QSignalSpy closed(&cropper, &ScreenCropper::closed);
    if (prepare) {
        cropper.prepareWindow();
        QVERIFY(cropper.internalWinId() != 0);
        QVERIFY(!cropper.isVisible());
        QCOMPARE(cropper.geometry(), QGuiApplication::primaryScreen()->geometry());
        QCOMPARE(mapState(cropper.internalWinId()), int(XCB_MAP_STATE_UNMAPPED));
        // The prepared window is not in the picture the grab takes.
        QCOMPARE(grabPrimaryScreen(GrabMethod::Automatic).toImage(), picture);
        QCOMPARE(screenNow(), picture);
        QCOMPARE(done.count() + closed.count(), 0);
    }

    cropper.grabScreen();
    QVERIFY(cropper.failureMessage().isEmpty());
    QCOMPARE(cropper.screenImage().toImage(), picture);
    QVERIFY(QTest::qWaitForWindowExposed(&cropper));
    QCOMPARE(mapState(cropper.winId()), int(XCB_MAP_STATE_VIEWABLE));
    if (selecting) {
        QTest::mousePress(&cropper, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
        QTest::mouseMove(&cropper, QPoint(200, 150));
    }
    // What the server shows is what a full render of the window gives.
    const QImage expected = cropper.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QTRY_COMPARE(screenNow(), expected);
    QCOMPARE(done.count() + closed.count(), 0);

    QMetaObject::invokeMethod(&cropper, "slotClose");
    QCOMPARE(closed.count(), 1);
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    QTRY_COMPARE(screenNow(), picture);
}

void TestCropperPrepare::preparingAShownWindowChangesNothing()
{
    ScreenCropper cropper;
    cropper.retranslate();
    cropper.grabScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&cropper));
    const QImage before = screenNow();
    cropper.prepareWindow();
    QVERIFY(cropper.isVisible());
    QCOMPARE(mapState(cropper.winId()), int(XCB_MAP_STATE_VIEWABLE));
    QTest::qWait(50);
    QCOMPARE(screenNow(), before);
    QMetaObject::invokeMethod(&cropper, "slotClose");
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

QTEST_MAIN(TestCropperPrepare)
#include "tst_cropperprepare.moc"
