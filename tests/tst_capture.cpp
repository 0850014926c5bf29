// The capture on an X server showing a known picture, from crop geometry to the program driven by
// xdotool; this test stands in for the file manager on a private session bus.
#include "capturefile.h"
#include "capturegeometry.h"
#include "screencropper.h"
#include "screengrab.h"
#include "screensource.h"
#include "selectionrepaint.h"
#include "sharedfunctions.h"
#include "testkit.h"

#include <QDBusConnection>
#include <QLocalServer>
#include <QtTest>
#include <QtWidgets>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace QMWidgets;
using TestSupport::noise;
using Points = QVector<QPoint>;
using Rects = QVector<QRect>; // the outputs DUMMY0 (primary) and DUMMY1 in root pixels

// The primary right of a lower screen: its origin is not the root's.
static const Rects primaryRight{{1280, 0, 1920, 1080}, {0, 0, 1280, 1024}};

// In the C library's place: a disk whose syncFailsAt-th sync fails, a file system refusing
// exclusive renames (some FUSE mounts) and hard links (network shares).
static int syncs = 0, syncFailsAt = 0;
static bool renameRefused = false, linkRefused = false;
extern "C" int fdatasync(int fd)
{
    return ++syncs == syncFailsAt ? (errno = EIO, -1) : ::fsync(fd);
}
extern "C" int renameat2(int a, const char *from, int b, const char *to, unsigned f) noexcept
{
    return renameRefused ? (errno = EINVAL, -1) : int(::syscall(SYS_renameat2, a, from, b, to, f));
}
extern "C" int link(const char *from, const char *to) noexcept
{
    return linkRefused ? (errno = EPERM, -1) : ::linkat(AT_FDCWD, from, AT_FDCWD, to, 0);
}

static const QDateTime when(QDate(2019, 10, 2), QTime(14, 5, 9));

// Sent by hand: QTest moves a press at (0, 0) to the centre and drops the buttons of a move.
static void mouse(QWidget *w, QEvent::Type type, const QPoint &pos)
{
    QMouseEvent e(type, pos, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &e);
}

// In a child at the scale under test: the grabs agree byte for byte, and with the screen's picture.
static int compareGrabs(bool expectShm, bool prepare, const QString &picture)
{
    if (prepare)
        prepareScreenGrab();
    bool same = sharedMemoryGrabAvailable() == expectShm;
    const QImage toolkit = grabPrimaryScreen(GrabMethod::Toolkit).toImage();
    const QImage shared = grabPrimaryScreen(GrabMethod::SharedMemory).toImage();
    const QImage automatic = grabPrimaryScreen(GrabMethod::Automatic).toImage();
    const QImage &fast = expectShm ? shared : automatic;
    same &= shared.isNull() != expectShm && automatic == toolkit && fast == toolkit &&
            fast.devicePixelRatio() == toolkit.devicePixelRatio();
    for (int y = 0; same && y < toolkit.height(); ++y)
        same = !std::memcmp(fast.constScanLine(y), toolkit.constScanLine(y), toolkit.width() * 4);
    same = same && (!expectShm || fast.convertToFormat(QImage::Format_RGB32) == QImage(picture));
    return same ? 0 : 1;
}

class TestCapture final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

    QTemporaryDir root;
    QImage picture, rootPicture; // on the test's display; across the root of the two-output server
    QProcess viewer, bus, xorg, desktopViewer;
    QLocalServer otherSession; // a Wayland socket that answers
    QString busAddress;
    QByteArray ownDisplay, xorgDisplay; // arrange() points DISPLAY at the latter for one row
    QStringList shown;                  // by the file manager

    static QByteArray start(QProcess &p, const QString &program, const QStringList &args)
    {
        p.start(program, args);
        return p.waitForReadyRead(30000) ? p.readLine().trimmed() : QByteArray();
    }
    // Lays out the outputs of an Xorg dummy server, started at the first call to show rootPicture.
    bool arrange(const Rects &layout)
    {
        const auto xrandr = [](const QString &args) {
            return TestSupport::runTool("xrandr", args.split(' ', Qt::SkipEmptyParts));
        };
        if (xorgDisplay.isEmpty()) {
            // None of this machine's devices or cards; -noreset keeps the modes when the last
            // client leaves, -keeptty lets SIGTERM end it, -sharevts leaves the console alone.
            QFile conf(root.filePath("xorg.conf"));
            if (!conf.open(QIODevice::WriteOnly) ||
                !conf.write("Section \"ServerFlags\"\nOption \"AutoAddDevices\" \"false\"\n"
                            "Option \"AutoAddGPU\" \"false\"\nEndSection\nSection \"Device\"\n"
                            "Identifier \"d\"\nDriver \"dummy\"\nVideoRam 32768\nEndSection\n"))
                return false;
            conf.close();
            xorgDisplay = ":" + start(xorg, "Xorg",
                                      {"-config", conf.fileName(), "-displayfd", "1", "-nolisten",
                                       "tcp", "-noreset", "-keeptty", "-sharevts", "-logfile",
                                       conf.fileName() + ".log"});
            rootPicture = noise({3200, 1080});
            if (xorgDisplay == ":" || !rootPicture.save(root.filePath("root.bmp")))
                return false;
        }
        qputenv("DISPLAY", xorgDisplay);
        QString args("--fb 3200x1080");
        for (int i = 0; i < layout.size(); ++i) {
            const QRect r = layout[i];
            const QString w = QString::number(r.width()), h = QString::number(r.height());
            const QString output = "DUMMY" + QString::number(i), mode = w + 'x' + h;
            // Any timing does for the dummy; a mode that exists already is refused.
            xrandr(QString("--newmode %1 60 %2 %2 %2 %2 %3 %3 %3 %3").arg(mode, w, h));
            if (!xrandr("--addmode " + output + ' ' + mode))
                return false;
            args += QString(" --output %1 --mode %2 --pos %3 %4")
                        .arg(output, mode, QString("%1x%2").arg(r.x()).arg(r.y()),
                             i ? "" : "--primary");
        }
        // DUMMY1 reports itself connected only once a plain query has made the server look.
        return xrandr(args) && xrandr({}) &&
               (desktopViewer.state() == QProcess::Running ||
                start(desktopViewer, SHOW_PICTURE, {root.filePath("root.bmp")}) == "ready");
    }

public slots: // the file manager's call; QtTest runs only the private slots
    void ShowItems(const QStringList &uris, const QString &) { shown += uris; }

private slots:
    void cropRectangle_data()
    {
        QTest::addColumn<Points>("corners");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QRect>("expected");
        const auto row = [](const char *name, const Points &p, qreal s, const QRect &r) {
            QTest::newRow(name) << p << s << r;
        };
        row("click is one pixel", {{7, 9}, {7, 9}}, 1, {7, 9, 1, 1});
        row("reversed, past left and top", {{5, 6}, {-40, -3}}, 1, {0, 0, 6, 7});
        row("ratio 1.5 by pixel centres", {{7, 7}, {13, 13}}, 1.5, {11, 11, 10, 10});
        row("ratio 1.5 at the edge", {{1270, 710}, {1279, 719}}, 1.5, {1905, 1065, 15, 15});
        row("ratio 0.5 halves", {{10, 10}, {19, 19}}, 0.5, {5, 5, 5, 5});
        row("infinite ratio is one", {{10, 10}, {19, 19}}, qInf(), {10, 10, 10, 10});
        row("int limits", {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}}, 1, {0, 0, 1920, 1080});
        row("huge ratio, outside", {{1, 1}, {5, 5}}, 1e12, {});
    }
    void cropRectangle()
    {
        QFETCH(Points, corners);
        QFETCH(qreal, scale);
        QTEST(QMWidgets::cropRectangle(corners[0], corners[1], scale, {1920, 1080}), "expected");
    }
    void selectionsTileAndBoxIsCentred()
    {
        // Adjacent widget pixels meet exactly in device pixels: none lost, none taken twice.
        for (const qreal s : {1.0, 1.25, 1.5, 1.75, 2.0})
            for (int x = 0; x < 200; ++x) {
                const QRect left = QMWidgets::cropRectangle({0, 0}, {x, 0}, s, {999, 9});
                const QRect right = QMWidgets::cropRectangle({x + 1, 0}, {x + 1, 0}, s, {999, 9});
                QVERIFY(!right.isEmpty() && right.left() == left.right() + 1);
            }
        QCOMPARE(instructionBoxRect({1920, 1080}).center(), QRect(0, 0, 1920, 1080).center());
    }
    void savesBesideOtherFiles_data()
    {
        QTest::addColumn<int>("refused"); // 1: exclusive renames, 2: hard links too
        QTest::newRow("exclusive rename") << 0;
        QTest::newRow("hard link where rename cannot refuse") << 1;
        QTest::newRow("exclusive create with neither") << 2;
    }
    void savesBesideOtherFiles()
    {
        QFETCH(int, refused);
        ::renameRefused = refused > 0, ::linkRefused = refused > 1;
        QTemporaryDir dir;
        QFile taken(captureFileName(dir.path(), when));
        QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("not a capture"));
        taken.close();
        const mode_t previous = ::umask(022);
        for (int n = 1; n <= 2; ++n) {
            const QImage image = noise({n, n});
            const CaptureSaveResult saved = saveCapture(image, dir.path(), when);
            QVERIFY2(saved.ok, qPrintable(saved.error));
            QCOMPARE(saved.path, captureFileName(dir.path(), when, n));
            QCOMPARE(QImage(saved.path).convertToFormat(QImage::Format_RGB32), image);
            // Readable by others like any new file, not private like a temporary one.
            QVERIFY(QFileInfo(saved.path).permissions() & QFileDevice::ReadOther);
        }
        ::umask(previous);
        ::renameRefused = ::linkRefused = false;
        QVERIFY(taken.open(QIODevice::ReadOnly) && taken.readAll() == "not a capture");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }
    void failedSaveLeavesNothing_data()
    {
        QTest::addColumn<QString>("situation");
        for (const char *row : {"folder missing", "null image", "disk full", "sync fails",
                                "copy's sync fails where neither rename nor link works"})
            QTest::newRow(row) << row;
    }
    void failedSaveLeavesNothing()
    {
        QFETCH(QString, situation);
        QTemporaryDir dir;
        const QString target = situation == "folder missing" ? dir.filePath("gone") : dir.path();
        rlimit saved{}, limit{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, SIG_IGN); // a file-size limit fails writes part-way, as a full disk
        limit = {situation == "disk full" ? 64 * 1024 : saved.rlim_cur, saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::renameRefused = ::linkRefused = situation.startsWith("copy");
        syncs = 0, syncFailsAt = situation == "sync fails" ? 1 : ::linkRefused ? 2 : 0;
        const auto result =
            saveCapture(situation == "null image" ? QImage() : noise({800, 800}), target, when);
        syncFailsAt = 0, ::renameRefused = ::linkRefused = false;
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!result.ok && !result.error.isEmpty());
        QVERIFY(!situation.contains("sync") || result.error == qt_error_string(EIO)); // the reason
        QVERIFY(result.path.endsWith("/ScreenShot_2019-10-02_14-05-09.png"));
        QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
    void partialRepaintsAddUpToAFullOne_data()
    {
        QTest::addColumn<Points>("drag"); // anchor, then the moves
        QTest::newRow("growing, shrinking") << Points{{50, 40}, {60, 50}, {300, 220}, {52, 42}};
        QTest::newRow("crossing the anchor") << Points{{150, 120}, {200, 160}, {150, 120}, {10, 5}};
        QTest::newRow("crossing one axis") << Points{{150, 120}, {200, 160}, {100, 161}, {99, 50}};
        QTest::newRow("along the frame") << Points{{0, 0}, {3, 299}, {399, 299}, {399, 2}, {1, 1}};
        QTest::newRow("beyond the window") << Points{{390, 290}, {420, 330}, {-30, -40}, {-5, 310}};
    }
    void partialRepaintsAddUpToAFullOne()
    {
        // The server holds what the partial repaints drew; grab() renders the widget anew.
        QFETCH(Points, drag);
        ScreenCropper c;
        c.setScreenPixmap(QPixmap::fromImage(noise({400, 300})));
        c.setGeometry(0, 0, 400, 300);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        mouse(&c, QEvent::MouseButtonPress, drag.takeFirst());
        for (const QPoint &p : drag) {
            mouse(&c, QEvent::MouseMove, p);
            QCOMPARE(c.screen()->grabWindow(c.winId()).toImage(), c.grab().toImage());
        }
    }
    void repaintAtTheIntLimits_data()
    {
        QTest::addColumn<Points>("points"); // anchor, from, to
        QTest::newRow("anchor lowest") << Points{{INT_MIN, INT_MIN}, {20, 30}, {40, 50}};
        QTest::newRow("corner to highest") << Points{{20, 30}, {40, 50}, {INT_MAX, INT_MAX}};
        QTest::newRow("limit to limit") << Points{{9, 9}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}};
    }
    void repaintAtTheIntLimits()
    {
        // Inside a window a corner at the int limits repaints what one far outside it does.
        QFETCH(Points, points);
        Points far = points;
        for (QPoint &p : far)
            p = QPoint(qBound(-(1 << 20), p.x(), 1 << 20), qBound(-(1 << 20), p.y(), 1 << 20));
        const QRegion w(0, 0, 400, 300);
        QCOMPARE(w & selectionChangeRegion(points[0], points[1], points[2]),
                 w & selectionChangeRegion(far[0], far[1], far[2]));
    }
    void nothingSaved_data()
    {
        QTest::addColumn<bool>("grabbed");
        QTest::newRow("outside close request") << true; // cancels like Escape
        QTest::newRow("screen grab fails") << false;    // reported
    }
    void nothingSaved()
    {
        QFETCH(bool, grabbed);
        ScreenCropper c;
        QSignalSpy closed(&c, &ScreenCropper::closed), escaped(&c, &ScreenCropper::escaped);
        c.setScreenGrabber([grabbed] { return grabbed ? QPixmap(1, 1) : QPixmap(); }); // a screen
        c.grabScreen();
        mouse(&c, QEvent::MouseButtonPress, {5, 5});
        QVERIFY(!c.close() && !c.isVisible() && c.cropped().isNull());
        QCOMPARE(closed.count() + escaped.count(), grabbed ? 2 : 1);
        QCOMPARE(c.failureMessage().isEmpty(), grabbed);
    }
    void revealFallsBackToTheFolder()
    {
        TestSupport::LinkRecorder recorder({"file"});
        QCOMPARE(revealTargetPath("/a//b///x.png"), QStringLiteral("/a/b//x.png"));
        QVERIFY(revealInFileBrowser("/tmp/a b//ScreenShot_1.png"));
        QCOMPARE(recorder.links, QStringList{"file:///tmp/a b"});
    }
    void initTestCase()
    {
        ownDisplay = qgetenv("DISPLAY");
        picture = noise(QGuiApplication::primaryScreen()->size());
        QVERIFY(picture.save(root.filePath("picture.png")));
        QCOMPARE(start(viewer, SHOW_PICTURE, {root.filePath("picture.png")}), QByteArray("ready"));
        busAddress = start(bus, "dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QDBusConnection c = QDBusConnection::connectToBus(busAddress, "file manager");
        QVERIFY(c.registerObject("/org/freedesktop/FileManager1", this,
                                 QDBusConnection::ExportAllSlots));
        QVERIFY(c.registerService("org.freedesktop.FileManager1"));
        // Left over from a Wayland session, its socket answering: this X server still decides.
        QVERIFY(otherSession.listen(root.filePath("wayland-0")));
        qputenv("WAYLAND_DISPLAY", QFile::encodeName(otherSession.fullServerName()));
        qputenv("XDG_SESSION_TYPE", "wayland");
        QVERIFY(!xServerIsXWayland() && !isWaylandSession());
    }
    void cleanup() { qputenv("DISPLAY", ownDisplay); }
    void cleanupTestCase()
    {
        for (QProcess *p : {&viewer, &bus, &desktopViewer, &xorg})
            p->terminate(), p->waitForFinished();
    }
    void grabsAgree_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("prepare");
        QTest::addColumn<bool>("shm");
        QTest::addColumn<Rects>("layout");
        QTest::newRow("ratio 1.25") << 1.25 << true << true << Rects();
        QTest::newRow("server without shared memory") << 1.0 << true << false << Rects();
        QTest::newRow("primary right, ratio 2, segment made at the grab")
            << 2.0 << false << true << primaryRight;
    }
    void grabsAgree()
    {
        QFETCH(double, scale);
        QFETCH(bool, prepare);
        QFETCH(bool, shm);
        QFETCH(Rects, layout);
        QString primary = root.filePath("picture.png");
        if (!layout.isEmpty()) {
            QVERIFY(arrange(layout));
            QVERIFY(rootPicture.copy(layout[0]).save(primary = root.filePath("primary.bmp")));
        }
        QProcess server, child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString noShm("-displayfd 1 -screen 0 640x480x24 -nolisten tcp -extension MIT-SHM");
        if (!shm)
            env.insert("DISPLAY", ":" + start(server, "Xvfb", noShm.split(' ')));
        env.insert("QT_SCALE_FACTOR", QString::number(scale));
        child.setProcessEnvironment(env);
        child.start(qApp->applicationFilePath(),
                    {"--compare", shm ? "shm" : "", prepare ? "p" : "", primary});
        QVERIFY(child.waitForFinished(60000));
        server.kill(), server.waitForFinished();
        QCOMPARE(child.exitCode(), 0);
    }
    void preparedWindowStaysOutOfTheGrab()
    {
        const auto now = [] { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); };
        ScreenCropper c;
        c.prepareWindow();
        QVERIFY(!c.isVisible() && c.internalWinId());
        QCOMPARE(now(), picture);
        c.grabScreen();
        QCOMPARE(c.screenImage().toImage(), picture);
        // What the server shows is what a full render of the window gives.
        QTRY_COMPARE(now(), c.grab().toImage());
        QMetaObject::invokeMethod(&c, "slotClose");
        QTRY_COMPARE(now(), picture);
    }
    void program_data()
    {
        QTest::addColumn<QString>("scale"); // one factor, or per screen: "name=f;..." or "f;..."
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("input"); // xdotool calls, split at ';'
        QTest::addColumn<QRect>("saved");   // pixels of the picture shown, or none
        QTest::addColumn<bool>("revealed");
        QTest::addColumn<Rects>("layout"); // none: the test's own display
        const auto row = [](const QString &name, const char *scale, const char *desktop,
                            const QString &input, const QRect &saved, bool revealed = false,
                            const Rects &layout = {}) {
            QTest::newRow(qPrintable(name))
                << QString(scale) << QString(desktop) << input << saved << revealed << layout;
        };
        const auto dragTo = [](const QPoint &a, const QPoint &b) {
            return QString::asprintf("mousemove %d %d mousedown 1 mousemove %d %d mouseup 1", a.x(),
                                     a.y(), b.x(), b.y());
        };
        const QString drag = dragTo({10, 10}, {19, 19});
        const QRect ten(10, 10, 10, 10);
        row("ratio 1.25", "1.25", "present", drag, ten);
        row("ratio 1.5", "1.5", "present", drag, QRect(11, 11, 10, 10));
        row("Return reveals", "1", "present", "key Return " + drag, ten, true);
        row("ALT at release reveals", "1", "present", "keydown alt " + drag + " keyup alt", ten,
            true);
        row("no Desktop: saved at home", "1", "missing", drag, ten);
        row("Escape in a drag", "1", "present",
            "mousemove 40 40 mousedown 1 mousemove 80 90 key Escape;mouseup 1", {});
        row("Escape after About", "1", "present",
            "key a;search --sync --onlyvisible --name Clipwise.Info;key Escape;sleep 1;key Escape",
            {});
        row("unwritable Desktop: failure shown", "1", "unwritable",
            drag + ";search --sync --onlyvisible --name ^Clipwise$;key Return", {});
        // Two screens, the primary DUMMY0 first: a logical 10 x 10 drag inside the primary and one
        // from 5 x 5 before its far corner to past it save the primary's own pixels there.
        const auto twoScreens = [&](const QString &name, const Rects &layout, const char *scale,
                                    int ratio) {
            const QRect p = layout[0];
            const QPoint in = p.topLeft() + QPoint(10, 10) * ratio,
                         corner = p.bottomRight() + QPoint(1, 1) - QPoint(5, 5) * ratio;
            row(name + ": inside", scale, "present", dragTo(in, in + QPoint(9, 9) * ratio),
                QRect(in, QSize(10, 10) * ratio), false, layout);
            row(name + ": past the far corner", scale, "present",
                dragTo(corner, p.bottomRight() + QPoint(40, 40)),
                QRect(corner, QSize(5, 5) * ratio), false, layout);
        };
        const Rects origin{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
        const Rects lower{{1920, 360, 1280, 720}, {0, 0, 1920, 1080}}; // and shorter
        twoScreens("primary at the origin, ratio 1", origin, "1", 1);
        twoScreens("primary at the origin, ratio 2", origin, "2", 2);
        twoScreens("primary right, ratio 1", primaryRight, "1", 1);
        twoScreens("primary right, ratio 2", primaryRight, "2", 2);
        twoScreens("primary lower, ratio 1", lower, "1", 1);
        twoScreens("primary lower, ratio 2", lower, "2", 2);
        twoScreens("primary lower at 2, the other at 1", lower, "DUMMY0=2;DUMMY1=1", 2);
        twoScreens("primary right at 1, the other at 2", primaryRight, "1;2", 1);
    }
    void program()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, input);
        QFETCH(QRect, saved);
        QFETCH(bool, revealed);
        QFETCH(Rects, layout);
        QVERIFY(layout.isEmpty() || arrange(layout));
        // A space and a '#' in the path: the address of the revealed file must be encoded.
        const QString home = root.filePath(QTest::currentDataTag() + QString(" #"));
        const QDir folder(desktop == "missing" ? home : home + "/Desktop");
        QDir().mkpath(desktop == "unwritable" ? home : folder.path());
        if (desktop == "unwritable") // even root cannot create files in /proc
            QFile::link("/proc", folder.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home + "/.config"); // settings of its own per run
        QFETCH(QString, scale);
        env.insert(scale.contains(';') ? "QT_SCREEN_SCALE_FACTORS" : "QT_SCALE_FACTOR", scale);
        env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        shown.clear();
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
                     (layout.isEmpty() ? picture : rootPicture).copy(saved));
        const QString uri =
            "file://" + folder.filePath(files.value(0)).replace(' ', "%20").replace('#', "%23");
        QCOMPARE(shown, revealed ? QStringList{uri} : QStringList());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && !std::strcmp(argv[1], "--compare"))
        return compareGrabs(*argv[2], *argv[3], QString::fromLocal8Bit(argv[4]));
    TestCapture test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capture.moc"
