// The still from the desktop's screenshot portal: the request path, which file may be removed,
// where the primary screen lies in a picture of all outputs, and each answer of a stand-in portal
// on a private session bus, to the portal request and to the capture screen.
#include "screencropper.h"
#include "screenportal.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace QMWidgets;

using Rects = QList<QRect>;

class TestScreenPortal final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { stopPortal(), bus.kill(), bus.waitForFinished(); }
    void requestPath() { QCOMPARE(portalRequestPath(":1.42", "t1"), portalPath + "/1_42/t1"); }
    void primaryArea_data();
    void primaryArea();
    void removableFile_data();
    void removableFile();
    void answers_data();
    void answers();
    void cropperTakesTheStillAtItsRatio();
    void cropperFailsWithoutPortal();

private:
    void startPortal(const QStringList &args);
    void stopPortal() { portal.kill(), portal.waitForFinished(); }
    const QString portalPath = "/org/freedesktop/portal/desktop/request";
    QTemporaryDir dir;
    QProcess bus, portal;
    QImage picture;
    QString served, source, text;
};

void TestScreenPortal::initTestCase()
{
    // No service folder: a call to a missing portal must not start the one installed here.
    QFile conf(dir.filePath("bus.conf"));
    QVERIFY(conf.open(QIODevice::WriteOnly) &&
            conf.write(R"(<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>
        <auth>EXTERNAL</auth><policy context="default"><allow send_destination="*" eavesdrop="true"/>
        <allow eavesdrop="true"/><allow own="*"/></policy></busconfig>)") > 0);
    conf.close();
    bus.start("dbus-daemon", {"--config-file=" + conf.fileName(), "--nofork", "--print-address=1"});
    QVERIFY2(bus.waitForStarted() && bus.waitForReadyRead(10000), "dbus-daemon is needed");
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    qputenv("WAYLAND_DISPLAY", "wayland-test"); // the capture screen asks the portal
    // Twice the offscreen screen, every pixel distinct from its neighbours.
    picture = QImage(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + 7 * (y / 256)) * 5));
    served = dir.filePath("served.png"), source = dir.filePath("source.png");
    text = dir.filePath("text.png");
    QVERIFY(picture.save(source));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
}

void TestScreenPortal::startPortal(const QStringList &args)
{
    stopPortal();
    portal.start(FAKE_PORTAL, args);
    QVERIFY(portal.waitForStarted() && portal.waitForReadyRead(10000));
    QCOMPARE(portal.readLine().trimmed(), QByteArray("ready"));
}

void TestScreenPortal::primaryArea_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Rects>("screens");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<qreal>("ratio");
    const QRect left(0, 0, 1280, 720), right(1280, 0, 1920, 1080), above(1280, -720, 1280, 720);
    QTest::newRow("primary right of another at ratio 1")
        << QSize(3200, 1080) << Rects{left, right} << QRect(1280, 0, 1920, 1080) << 1.0;
    QTest::newRow("primary right of another at ratio 2")
        << QSize(6400, 2160) << Rects{left, right} << QRect(2560, 0, 3840, 2160) << 2.0;
    QTest::newRow("primary below another at ratio 1.5")
        << QSize(2880, 2700) << Rects{above, right} << QRect(0, 1080, 2880, 1620) << 1.5;
}

void TestScreenPortal::primaryArea()
{
    QFETCH(QSize, size);
    QFETCH(Rects, screens);
    const StillArea still = primaryStillArea(size, screens, screens.last());
    QTEST(still.area, "area");
    QTEST(still.ratio, "ratio");
}

void TestScreenPortal::removableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removable");
    QTest::newRow("file written since the request") << "new.png" << true;
    QTest::newRow("file the user already had") << "old.png" << false;
    QTest::newRow("link to a file written since") << "link.png" << false;
    QTest::newRow("folder made since") << "folder" << false;
}

void TestScreenPortal::removableFile()
{
    const QDateTime started = QDateTime::currentDateTime();
    QVERIFY(QFile::copy(text, dir.filePath("new.png")) &&
            QFile::copy(text, dir.filePath("old.png")));
    QVERIFY(QFile::link(dir.filePath("new.png"), dir.filePath("link.png")) &&
            QDir(dir.path()).mkdir("folder"));
    QFile old(dir.filePath("old.png"));
    QVERIFY(old.open(QIODevice::ReadWrite) &&
            old.setFileTime(started.addSecs(-1), QFileDevice::FileModificationTime));
    QFETCH(QString, name);
    QTEST(mayRemovePortalFile(QFileInfo(dir.filePath(name)), started), "removable");
    for (const char *n : {"new.png", "old.png", "link.png", "folder"})
        QFile::remove(dir.filePath(n)), QDir(dir.path()).rmdir(n);
}

void TestScreenPortal::answers_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("userFile");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("kept");
    const QString uri = QUrl::fromLocalFile(served).toString();
    QTest::newRow("served picture is the still and its file is removed")
        << QStringList{"0", uri, source} << false << "" << false;
    QTest::newRow("a file the user had is read and kept")
        << QStringList{"0", uri} << true << "" << true;
    QTest::newRow("user refused") << QStringList{"1", uri, source} << false << "refused" << true;
    QTest::newRow("desktop failed")
        << QStringList{"2", uri, source} << false << "could not take" << true;
    QTest::newRow("no answer within the bound")
        << QStringList{"silent", uri} << false << "did not answer" << false;
    QTest::newRow("no portal on the bus")
        << QStringList() << false << "no screenshot service" << false;
    QTest::newRow("file that is no picture is kept")
        << QStringList{"0", uri, text} << false << "read" << true;
    QTest::newRow("uri that is no local file")
        << QStringList{"0", "https://127.0.0.1/a.png"} << false << "read" << false;
}

void TestScreenPortal::answers()
{
    QFETCH(QStringList, args);
    QFETCH(bool, userFile);
    QFETCH(QString, failure);
    QFile::remove(served);
    QFile file(served);
    if (userFile) {
        QVERIFY(QFile::copy(source, served) && file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
    }
    args.isEmpty() ? stopPortal() : startPortal(args);
    ScreenPortal request;
    request.setTimeout(args.value(0) == "silent" ? 300 : 30000);
    QSignalSpy finished(&request, &ScreenPortal::finished);
    request.request();
    QVERIFY(finished.isEmpty());
    QVERIFY(finished.wait(40000));
    QCOMPARE(request.picture().convertToFormat(QImage::Format_RGB32),
             failure.isEmpty() ? picture : QImage());
    QCOMPARE(request.errorString().isEmpty(), failure.isEmpty());
    QVERIFY2(request.errorString().contains(failure), qPrintable(request.errorString()));
    QTEST(QFile::exists(served), "kept");
}

void TestScreenPortal::cropperTakesTheStillAtItsRatio()
{
    startPortal({"0", QUrl::fromLocalFile(served).toString(), source});
    ScreenCropper cropper;
    cropper.grabScreen();
    QTRY_VERIFY(cropper.isVisible());
    QTest::mousePress(&cropper, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent drag(QEvent::MouseMove, QPoint(19, 19), QPoint(19, 19), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&cropper, &drag);
    QTest::mouseRelease(&cropper, Qt::LeftButton, {}, QPoint(19, 19));
    QCOMPARE(cropper.cropped().toImage().convertToFormat(QImage::Format_RGB32),
             picture.copy(20, 20, 20, 20));
}

void TestScreenPortal::cropperFailsWithoutPortal()
{
    stopPortal();
    ScreenCropper cropper;
    QSignalSpy closed(&cropper, &ScreenCropper::closed);
    cropper.grabScreen();
    QVERIFY(closed.wait(30000));
    QVERIFY(cropper.failureMessage().contains("no screenshot service") && !cropper.isVisible());
}

QTEST_MAIN(TestScreenPortal)
#include "tst_screenportal.moc"
