// The capture on an X server that shows a known picture: the shared-memory grab against the
// toolkit's, the window prepared while the program waits, and the built program driven by xdotool.
#include "desktopdriver.h"
#include "screencropper.h"
#include "screengrab.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

#include <cstring>
#include <unistd.h>

using namespace QMWidgets;

namespace {

QImage screenNow()
{
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    return screen.toImage().convertToFormat(QImage::Format_RGB32);
}

// In a child on the display and at the scale under test: the grabs must agree byte for byte.
int compareGrabs(bool expectShm)
{
    if (qEnvironmentVariableIsSet("CLIPWISE_PREPARE"))
        prepareScreenGrab();
    const bool available = sharedMemoryGrabAvailable();
    const QImage toolkit = grabPrimaryScreen(GrabMethod::Toolkit).toImage();
    const QImage shared = grabPrimaryScreen(GrabMethod::SharedMemory).toImage();
    const QImage automatic = grabPrimaryScreen(GrabMethod::Automatic).toImage();
    const QImage &fast = expectShm ? shared : automatic;
    bool same = available == expectShm && shared.isNull() != expectShm && automatic == toolkit &&
                fast.format() == toolkit.format() && fast.size() == toolkit.size() &&
                fast.devicePixelRatio() == toolkit.devicePixelRatio();
    for (int y = 0; same && y < toolkit.height(); ++y)
        same = !std::memcmp(fast.constScanLine(y), toolkit.constScanLine(y), toolkit.width() * 4);
    return same && fast.save(qEnvironmentVariable("CLIPWISE_GRAB_OUT")) ? 0 : 1;
}

} // namespace

class TestCaptureX11 final : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    QImage picture;
    QProcess viewer, bus, fileManager;
    QString busAddress;
    int runs = 0;

    // Starts a helper and returns the first line it prints.
    QByteArray start(QProcess &p, const QString &program, const QStringList &args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        p.setProcessEnvironment(env);
        p.start(program, args);
        return p.waitForReadyRead(10000) ? p.readLine().trimmed() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        // Every pixel differs from its neighbours, so an off-by-one cannot pass.
        picture = QImage(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
        QRandomGenerator random(20191002);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
        QVERIFY(picture.save(root.filePath("picture.png")));
        QCOMPARE(start(viewer, SHOW_PICTURE, {root.filePath("picture.png")}), QByteArray("ready"));
        busAddress = start(bus, "dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY2(!busAddress.isEmpty(), "dbus-daemon is needed");
        QCOMPARE(start(fileManager, FAKE_FILE_MANAGER, {root.filePath("shown")}),
                 QByteArray("ready"));
    }
    void cleanupTestCase()
    {
        for (QProcess *p : {&viewer, &fileManager, &bus})
            p->kill(), p->waitForFinished();
    }

    void grabsAgree_data()
    {
        QTest::addColumn<QByteArray>("scale");
        QTest::addColumn<bool>("prepare");
        QTest::addColumn<bool>("shm");
        QTest::newRow("segment made at the grab") << QByteArray("1") << false << true;
        QTest::newRow("segment prepared ahead") << QByteArray("1") << true << true;
        QTest::newRow("ratio 1.25") << QByteArray("1.25") << true << true;
        QTest::newRow("ratio 2") << QByteArray("2") << false << true;
        QTest::newRow("server without shared memory") << QByteArray("1") << true << false;
    }
    void grabsAgree()
    {
        QFETCH(QByteArray, scale);
        QFETCH(bool, prepare);
        QFETCH(bool, shm);
        QProcess server, child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!shm) {
            const QStringList args{"-displayfd", "1",   "-screen",    "0",      "640x480x24",
                                   "-nolisten",  "tcp", "-extension", "MIT-SHM"};
            env.insert("DISPLAY", ":" + start(server, "Xvfb", args));
        }
        env.insert("QT_SCALE_FACTOR", scale);
        if (prepare)
            env.insert("CLIPWISE_PREPARE", "1");
        env.insert("CLIPWISE_GRAB_OUT", root.filePath("grab.png"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--compare", shm ? "shm" : "toolkit"});
        QVERIFY(child.waitForFinished(60000));
        server.kill(), server.waitForFinished();
        QCOMPARE(child.exitCode(), 0);
        // The screen holds the picture one to one in device pixels at any scale.
        if (shm)
            QCOMPARE(QImage(root.filePath("grab.png")).convertToFormat(QImage::Format_RGB32),
                     picture);
    }

    void preparedWindowStaysOutOfTheGrab_data()
    {
        QTest::addColumn<bool>("prepare");
        QTest::addColumn<bool>("select");
        QTest::newRow("unprepared") << false << false;
        QTest::newRow("prepared") << true << false;
        QTest::newRow("prepared, then a selection") << true << true;
    }
    void preparedWindowStaysOutOfTheGrab()
    {
        QFETCH(bool, prepare);
        QFETCH(bool, select);
        ScreenCropper c;
        c.retranslate();
        if (prepare) {
            c.prepareWindow();
            QVERIFY(!c.isVisible() && c.internalWinId());
            QCOMPARE(screenNow(), picture);
        }
        c.grabScreen();
        QCOMPARE(c.screenImage().toImage(), picture);
        c.prepareWindow(); // once shown, changes nothing
        if (select) {
            QTest::mousePress(&c, Qt::LeftButton, {}, {30, 40});
            QTest::mouseMove(&c, {200, 150});
        }
        // What the server shows is what a full render of the window gives.
        QTRY_COMPARE(screenNow(), c.grab().toImage().convertToFormat(QImage::Format_RGB32));
        QMetaObject::invokeMethod(&c, "slotClose");
        QTRY_COMPARE(screenNow(), picture);
    }

    void program_data()
    {
        QTest::addColumn<QByteArray>("scale");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("input"); // xdotool calls, split at ';'
        QTest::addColumn<QRect>("saved");   // device pixels, or none
        QTest::addColumn<bool>("revealed");
        const auto row = [](const char *name, const char *scale, const char *desktop,
                            const QString &input, const QRect &saved, bool revealed = false) {
            QTest::newRow(name) << QByteArray(scale) << QString(desktop) << input << saved
                                << revealed;
        };
        const QString drag("mousemove 10 10 mousedown 1 mousemove 15 15 mousemove 19 19 mouseup 1");
        const QRect ten(10, 10, 10, 10);
        row("ratio 1", "1", "present", drag, ten);
        row("ratio 1.25", "1.25", "present", drag, ten);
        row("ratio 1.5", "1.5", "present", drag, QRect(11, 11, 10, 10));
        row("ratio 2", "2", "present", drag, QRect(10, 10, 12, 12));
        row("Return reveals", "1", "present", "key Return " + drag, ten, true);
        row("ALT at release reveals", "1", "present",
            "mousemove 10 10 mousedown 1 mousemove 19 19 keydown alt mouseup 1 keyup alt", ten,
            true);
        row("no Desktop: saved at home", "1", "missing", drag, ten);
        row("Escape in a drag", "1", "present",
            "mousemove 40 40 mousedown 1 mousemove 80 90 key Escape;mouseup 1", QRect());
        row("Escape after About", "1", "present",
            "key a;search --sync --onlyvisible --name Clipwise.Info;key Escape;sleep 1;key Escape",
            QRect());
        row("read-only Desktop: failure shown", "1", "read-only",
            drag + ";search --sync --onlyvisible --name ^Clipwise$;key Return", QRect());
    }
    void program()
    {
        QFETCH(QByteArray, scale);
        QFETCH(QString, desktop);
        QFETCH(QString, input);
        QFETCH(QRect, saved);
        QFETCH(bool, revealed);
        // A space and a '#' in the path: the revealed file's address must be encoded.
        const QString home = root.filePath(QString("home %1#").arg(++runs));
        const QDir folder(desktop == "missing" ? home : home + "/Desktop");
        QDir().mkpath(folder.path());
        QStringList command{CLIPWISE_BINARY};
        if (desktop == "read-only") {
            if (::geteuid() == 0) { // permissions do not bind root
                QProcess::execute("chown", {"-R", "nobody:nogroup", home});
                QFile(root.path()).setPermissions(QFileDevice::Permissions(0x7755)); // rwxr-xr-x
                command = QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup",
                                      "--clear-groups", "--"} +
                          command;
            }
            QFile(folder.path()).setPermissions(QFileDevice::Permissions(0x5555)); // r-xr-xr-x
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        for (const QString var : {"CONFIG", "DATA", "CACHE"}) // settings of its own per run
            env.insert("XDG_" + var + "_HOME", home + "/." + var.toLower());
        env.remove("XDG_RUNTIME_DIR");
        env.insert("QT_SCALE_FACTOR", scale);
        env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        QFile::remove(root.filePath("shown"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(command.takeFirst(), command);
        QVERIFY(!TestSupport::waitForWindow("--classname", "clipwise").isEmpty());
        for (const QString &call : input.split(';'))
            QVERIFY2(TestSupport::xdotool(call.split(' ')), qPrintable(call));
        QVERIFY(program.waitForFinished(15000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode() != 0, desktop == "read-only");
        const QStringList files = folder.entryList({"*.png", ".*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(files.size(), int(!saved.isNull()));
        if (!saved.isNull())
            QCOMPARE(QImage(folder.filePath(files[0])).convertToFormat(QImage::Format_RGB32),
                     picture.copy(saved));
        QFile shown(root.filePath("shown"));
        QCOMPARE(shown.open(QIODevice::ReadOnly) ? shown.readAll() : "",
                 revealed ? QUrl::fromLocalFile(folder.filePath(files[0])).toEncoded() + "\t\n"
                          : "");
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && !std::strcmp(argv[1], "--compare"))
        return compareGrabs(!std::strcmp(argv[2], "shm"));
    TestCaptureX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capture_x11.moc"
