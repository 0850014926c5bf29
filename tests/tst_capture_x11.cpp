// The capture on an X server that shows a known picture: the shared-memory grab against the
// toolkit's, the window prepared while the program waits, and the built program driven by xdotool
// with a stand-in file manager on a private session bus.
#include "desktopdriver.h"
#include "screencropper.h"
#include "screengrab.h"

#include <QApplication>
#include <QDBusConnection>
#include <QScreen>
#include <QtTest>

#include <cstring>

using namespace QMWidgets;

static QImage screenNow()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// In a child on the display and at the scale under test: the grabs agree byte for byte.
static int compareGrabs(bool expectShm, bool prepare, const QString &out)
{
    if (prepare)
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
    return same && fast.save(out, "PNG") ? 0 : 1;
}

class FileManager final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shown;

public slots:
    void ShowItems(const QStringList &uris, const QString &) { shown += uris; }
};

class TestCaptureX11 final : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    QImage picture;
    QProcess viewer, bus;
    QString busAddress;
    FileManager fileManager;

    // Starts a helper and returns the first line it prints.
    static QByteArray start(QProcess &p, const QString &program, const QStringList &args)
    {
        p.start(program, args);
        return p.waitForReadyRead(10000) ? p.readLine().trimmed() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        // Every pixel differs from its neighbours, so an off-by-one cannot pass.
        picture = QImage(QGuiApplication::primaryScreen()->size(), QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, QRandomGenerator::global()->bounded(0x1000000u));
        QVERIFY(picture.save(root.filePath("picture.png")));
        QCOMPARE(start(viewer, SHOW_PICTURE, {root.filePath("picture.png")}), QByteArray("ready"));
        busAddress = start(bus, "dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QDBusConnection c = QDBusConnection::connectToBus(busAddress, "file manager");
        QVERIFY(c.registerObject("/org/freedesktop/FileManager1", &fileManager,
                                 QDBusConnection::ExportAllSlots));
        QVERIFY(c.registerService("org.freedesktop.FileManager1"));
    }
    void cleanupTestCase()
    {
        for (QProcess *p : {&viewer, &bus})
            p->kill(), p->waitForFinished();
    }

    void grabsAgree_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("prepare");
        QTest::addColumn<bool>("shm");
        QTest::newRow("segment made at the grab") << 1.0 << false << true;
        QTest::newRow("segment prepared ahead") << 1.0 << true << true;
        QTest::newRow("ratio 1.25") << 1.25 << true << true;
        QTest::newRow("ratio 2") << 2.0 << false << true;
        QTest::newRow("server without shared memory") << 1.0 << true << false;
    }
    void grabsAgree()
    {
        QFETCH(double, scale);
        QFETCH(bool, prepare);
        QFETCH(bool, shm);
        QProcess server, child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString noShm("-displayfd 1 -screen 0 640x480x24 -nolisten tcp -extension MIT-SHM");
        if (!shm)
            env.insert("DISPLAY", ":" + start(server, "Xvfb", noShm.split(' ')));
        env.insert("QT_SCALE_FACTOR", QString::number(scale));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(
            QCoreApplication::applicationFilePath(),
            {"--compare", shm ? "shm" : "", prepare ? "prepare" : "", root.filePath("grab")});
        QVERIFY(child.waitForFinished(60000));
        server.kill(), server.waitForFinished();
        QCOMPARE(child.exitCode(), 0);
        // The screen holds the picture one to one in device pixels at any scale.
        if (shm)
            QCOMPARE(QImage(root.filePath("grab"), "PNG").convertToFormat(QImage::Format_RGB32),
                     picture);
    }

    void preparedWindowStaysOutOfTheGrab()
    {
        ScreenCropper c;
        c.retranslate();
        c.prepareWindow();
        QVERIFY(!c.isVisible() && c.internalWinId());
        QCOMPARE(screenNow(), picture);
        c.grabScreen();
        QCOMPARE(c.screenImage().toImage(), picture);
        c.prepareWindow(); // once shown, changes nothing
        // What the server shows is what a full render of the window gives.
        QTRY_COMPARE(screenNow(), c.grab().toImage().convertToFormat(QImage::Format_RGB32));
        QTest::mousePress(&c, Qt::LeftButton, {}, {30, 40});
        QTest::mouseMove(&c, {200, 150});
        QTRY_COMPARE(screenNow(), c.grab().toImage().convertToFormat(QImage::Format_RGB32));
        QMetaObject::invokeMethod(&c, "slotClose");
        QTRY_COMPARE(screenNow(), picture);
    }

    void program_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("input"); // xdotool calls, split at ';'
        QTest::addColumn<QRect>("saved");   // device pixels, or none
        QTest::addColumn<bool>("revealed");
        const auto row = [](const char *name, const char *scale, const char *desktop,
                            const QString &input, const QRect &saved, bool revealed = false) {
            QTest::newRow(name) << QString(scale) << QString(desktop) << input << saved << revealed;
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
            "mousemove 40 40 mousedown 1 mousemove 80 90 key Escape;mouseup 1", {});
        row("Escape after About", "1", "present",
            "key a;search --sync --onlyvisible --name Clipwise.Info;key Escape;sleep 1;key Escape",
            {});
        row("unwritable Desktop: failure shown", "1", "unwritable",
            drag + ";search --sync --onlyvisible --name ^Clipwise$;key Return", {});
    }
    void program()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, input);
        QFETCH(QRect, saved);
        QFETCH(bool, revealed);
        // A space and a '#' in the path: the address of the revealed file must be encoded.
        static int runs = 0;
        const QString home = root.filePath(QString("home %1#").arg(++runs));
        const QDir folder(desktop == "missing" ? home : home + "/Desktop");
        QDir().mkpath(desktop == "unwritable" ? home : folder.path());
        // Even root cannot create files in /proc.
        if (desktop == "unwritable")
            QFile::link("/proc", folder.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        for (const QString var : {"CONFIG", "DATA", "CACHE"}) // settings of its own per run
            env.insert("XDG_" + var + "_HOME", home + "/." + var.toLower());
        env.remove("XDG_RUNTIME_DIR");
        QFETCH(QString, scale);
        env.insert("QT_SCALE_FACTOR", scale);
        env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        fileManager.shown.clear();
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(CLIPWISE_BINARY, QStringList());
        QVERIFY(!TestSupport::waitForWindow("--classname", "clipwise").isEmpty());
        for (const QString &call : input.split(';'))
            QVERIFY2(TestSupport::xdotool(call.split(' ')), qPrintable(call));
        // Events flow meanwhile: the stand-in file manager answers from this thread.
        QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 15000);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode() != 0, desktop == "unwritable");
        const QStringList files = folder.entryList({"*.png", ".*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(files.size(), int(!saved.isNull()));
        if (!saved.isNull())
            QCOMPARE(QImage(folder.filePath(files[0])).convertToFormat(QImage::Format_RGB32),
                     picture.copy(saved));
        const QString uri =
            "file://" + folder.filePath(files.value(0)).replace(' ', "%20").replace('#', "%23");
        QCOMPARE(fileManager.shown, revealed ? QStringList{uri} : QStringList());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && !std::strcmp(argv[1], "--compare"))
        return compareGrabs(*argv[2], *argv[3], QString::fromLocal8Bit(argv[4]));
    TestCaptureX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capture_x11.moc"
