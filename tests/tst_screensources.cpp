// Stills from the screen sources: a desktop's picture cut per screen, sway's, the screen copy's,
// the portal's and KWin's answers and the chain over them, the capture screen and its waiting
// window; a file shown in the file manager.
#include "desktopwaitwindow.h"
#include "portalpicture.h"
#include "screencropper.h"
#include "screensourcechain.h"
#include "screensourcekwin.h"
#include "screensourceportal.h"
#include "screensourcescreencopy.h"
#include "sharedfunctions.h"
#include "standinportal.h"
#include "swayoutputs.h"
#include "testkit.h"

#include <QLocalServer>
#include <QPainter>
#include <QtDBus>
#include <QtTest>

#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace QMWidgets;
using TestSupport::noise;

Q_DECLARE_METATYPE(QList<OutputGeometry>)

class TestScreenSources final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1") // the file manager stands in

    QTemporaryDir dir;
    QProcess bus;
    TestSupport::StandInPortal portal;
    TestSupport::StandInPermissionStore permissions;
    TestSupport::StandInKWin kwin;
    QStringList shownItems; // by the file manager
    QImage picture;
    QList<bool> shown; // a window of the program at each answer: then another screen in it
    QString file(const QString &name) const { return dir.filePath(name); }
    QString uri(const QString &name) const { return QUrl::fromLocalFile(file(name)).toString(); }
public slots:
    void ShowItems(const QStringList &uris, const QString &) { shownItems += uris; }
private slots:
    void initTestCase()
    {
        QVERIFY2(startStandInBus(bus, dir.path(), &portal, &permissions, &kwin) &&
                     QDBusConnection("stand-in")
                         .registerObject("/org/freedesktop/FileManager1", this,
                                         QDBusConnection::ExportAllSlots),
                 "dbus-daemon is needed");
        std::signal(SIGPIPE, SIG_IGN); // KWin's stand-in writing to a pipe the source gave up
        qputenv("XDG_SESSION_TYPE", "wayland"); // the capture screen asks the portal
        picture = noise({1600, 1200});          // twice the offscreen screen
        // The user's own, never removed: a picture from before the request, a link to a new file.
        QFile saved(file("picture"));
        QVERIFY(picture.save(&saved, "PNG") && saved.flush() &&
                saved.setFileTime(QDateTime::currentDateTime().addSecs(-1),
                                  QFileDevice::FileModificationTime));
        QVERIFY(QFile::link(file("served"), file("link")) &&
                !::mkfifo(qPrintable(file("fifo")), 0600));
        // Another user's, when root can make one; a PNG header declaring 100000 x 100000 pixels.
        QVERIFY(QFile::copy(file("picture"), file("others")) &&
                (::geteuid() || !::chown(qPrintable(file("others")), 65534, 65534)));
        QFile huge(file("huge"));
        QVERIFY(huge.open(QIODevice::WriteOnly) &&
                huge.write(QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgABhqAAAYagCAAAAACNOVQUAAAA"
                                                  "CklEQVR4nGNgAAAAAgABSK+kcQAAAABJRU5ErkJggg==")));
    }
    void cleanupTestCase() { bus.kill(), bus.waitForFinished(); }
    void desktopPictureCut_data()
    {
        QTest::addColumn<QList<OutputGeometry>>("outputs");
        QTest::addColumn<int>("scale"); // of the desktop's picture
        const QRect left(0, 0, 1280, 720), right(1280, 0, 1920, 1080), top(1280, -720, 1280, 720);
        const auto row = [](const char *name, const QList<OutputGeometry> &o, int s) {
            QTest::newRow(name) << o << s;
        };
        row("right of another, ratio 1", {{"L", left, {}}, {"R", right, {}}}, 1);
        row("right of another, ratio 2", {{"L", left, {}}, {"R", right, {3840, 2160}}}, 2);
        row("below another, ratio 2", {{"T", top, {}}, {"R", right, {}}}, 2);
        row("scale 1 enlarged in a picture at 2", {{"R", right, {}}, {"L", left, {1280, 720}}}, 2);
    }
    void desktopPictureCut()
    {
        QFETCH(QList<OutputGeometry>, outputs);
        QFETCH(int, scale);
        QRect all;
        for (const OutputGeometry &o : outputs)
            all |= o.logical;
        // The last output's own pixels, enlarged to the picture's scale where grim draws them
        // (each pixel a square): the cut must give them back exactly.
        const QRect logical = outputs.last().logical.translated(-all.topLeft());
        const QRect area(logical.topLeft() * scale, logical.size() * scale);
        QImage desktop(all.size() * scale, QImage::Format_RGB32);
        desktop.fill(Qt::black);
        const QSize pixels = outputs.last().pixels.isEmpty() ? area.size() : outputs.last().pixels;
        const QImage ownPixels = noise(pixels);
        QPainter(&desktop).drawImage(area, ownPixels.scaled(area.size()));
        const DesktopStill still = cutDesktopPicture(desktop, outputs);
        QCOMPARE(still.size(), outputs.size());
        QCOMPARE(still.last().logical, outputs.last().logical);
        QCOMPARE(still.last().pixmap.toImage().convertToFormat(QImage::Format_RGB32), ownPixels);
        const QImage half = desktop.copy(0, 0, desktop.width(), desktop.height() / 2);
        QVERIFY(cutDesktopPicture(half, outputs).isEmpty()); // another shape: other screens'
    }
    void swayAnswers_data()
    {
        QTest::addColumn<QByteArray>("reply");    // "silent": none comes
        QTest::addColumn<quint32>("type");        // of the message it answers; 3: GET_OUTPUTS
        QTest::addColumn<QStringList>("outputs"); // name, logical rectangle, own pixels
        // Each: name, x, y, width, height, the mode's width and height, transform, active.
        const auto outputs = [](const QStringList &all) {
            QStringList json;
            for (const QString &output : all) {
                const QStringList f = output.split(' ');
                json << QString(R"({"name":"%1","rect":{"x":%2,"y":%3,"width":%4,"height":%5},)"
                                R"("current_mode":{"width":%6,"height":%7},"transform":"%8",)"
                                R"("active":%9})")
                            .arg(f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]);
            }
            return ('[' + json.join(',') + ']').toUtf8();
        };
        const QStringList a{"A 0 0 640 512 1280 1024 normal true"};
        QTest::newRow("scale 1.5 below 2, turned, flipped, off")
            << outputs(a + QStringList{"B 0 512 1280 720 1920 1080 normal true",
                                       "C 640 0 512 640 1280 1024 90 true",
                                       "D 0 0 640 512 1280 1024 flipped-270 true",
                                       "E 0 0 640 512 1280 1024 normal false"})
            << 3u
            << QStringList{"A 0,0 640x512 1280x1024", "B 0,512 1280x720 1920x1080",
                           "C 640,0 512x640 1024x1280", "D 0,0 640x512 1024x1280"};
        QTest::newRow("answer to another message") << outputs(a) << 4u << QStringList();
        QTest::newRow("no answer in time") << QByteArray("silent") << 3u << QStringList();
    }
    void swayAnswers()
    {
        QFETCH(QByteArray, reply);
        QFETCH(quint32, type);
        int ends[2]; // the program's, sway's
        QVERIFY(socketpair(AF_UNIX, SOCK_STREAM, 0, ends) == 0);
        const quint32 header[2] = {quint32(reply.size()), type};
        const QByteArray answer =
            "i3-ipc" + QByteArray(reinterpret_cast<const char *>(header), 8) + reply;
        if (reply != "silent")
            QCOMPARE(write(ends[1], answer.constData(), size_t(answer.size())), answer.size());
        QStringList read;
        for (const OutputGeometry &o : askSwayOutputs(ends[0], QDeadlineTimer(300)))
            read << QString::asprintf("%s %d,%d %dx%d %dx%d", qPrintable(o.name), o.logical.x(),
                                      o.logical.y(), o.logical.width(), o.logical.height(),
                                      o.pixels.width(), o.pixels.height());
        QByteArray request(15, '\0');
        QCOMPARE(recv(ends[1], request.data(), 15, MSG_DONTWAIT), 14);
        close(ends[0]), close(ends[1]);
        QCOMPARE(request.left(14), QByteArray("i3-ipc\0\0\0\0\3\0\0\0", 14)); // GET_OUTPUTS
        QTEST(read, "outputs");
    }
    void screencopyPictures_data()
    {
        // The buffer holds "abc/def" (rows split by '/'), every alpha byte 0; seen: what the
        // user sees on the output, of the output's size; empty: refused, the output 3 x 2.
        QTest::addColumn<quint32>("format");
        QTest::addColumn<bool>("yInverted");
        QTest::addColumn<int>("transform");
        QTest::addColumn<QString>("seen");
        const quint32 xrgb = 1, argb = 0, xbgr = 0x34324258, abgr = 0x34324241, rgb565 = 0x36314752;
        const auto row = [](const char *name, quint32 f, bool y, int t, QString seen) {
            QTest::newRow(name) << f << y << t << seen;
        };
        row("XRGB8888, opaque", xrgb, false, 0, "abc/def");
        row("ARGB8888, opaque", argb, false, 0, "abc/def");
        row("XBGR8888, opaque", xbgr, false, 0, "abc/def");
        row("ABGR8888, opaque", abgr, false, 0, "abc/def");
        row("rows from the bottom up", xrgb, true, 0, "def/abc");
        row("output turned 90", xrgb, false, 1, "da/eb/fc");
        row("output turned 180", xbgr, false, 2, "fed/cba");
        row("output turned 270", xrgb, false, 3, "cf/be/ad");
        row("output mirrored", xrgb, false, 4, "cba/fed");
        row("output mirrored, turned 90", xrgb, false, 5, "ad/be/cf");
        row("bottom up on a turned output", xrgb, true, 1, "ad/be/cf");
        row("unknown format refused", rgb565, false, 0, "");
        row("not the output's size refused", xrgb, false, 1, "");
    }
    void screencopyPictures()
    {
        QFETCH(quint32, format);
        QFETCH(bool, yInverted);
        QFETCH(int, transform);
        QFETCH(QString, seen);
        const QStringList rows = seen.split('/', Qt::SkipEmptyParts);
        const QSize pixels = rows.isEmpty() ? QSize(3, 2) : QSize(rows[0].size(), rows.size());
        const auto colour = [](int i) { return 0x102030u * quint32(i + 1); }; // of 'a' + i
        // Rows of four pixels, the last unused, and a row past the end: left alone. XBGR8888 and
        // ABGR8888 keep red in the lowest byte.
        quint32 buffer[3][4] = {};
        for (int i = 0; i < 6; ++i)
            buffer[i / 3][i % 3] = format > 1 ? qbswap(colour(i)) >> 8 : colour(i);
        const QImage got = screencopyPicture(
            {reinterpret_cast<uchar *>(buffer), 3, 2, 16, format, yInverted, transform}, pixels);
        QVERIFY(buffer[0][3] == 0 && buffer[1][3] == 0 && buffer[2][0] == 0 && buffer[2][3] == 0);
        QCOMPARE(got.size(), rows.isEmpty() ? QSize(0, 0) : pixels);
        for (int y = 0; y < rows.size(); ++y)
            for (int x = 0; x < rows[y].size(); ++x)
                QCOMPARE(reinterpret_cast<const quint32 *>(got.constScanLine(y))[x],
                         0xff000000u | colour(rows[y][x].unicode() - 'a'));
    }
    void flows_data()
    {
        QTest::addColumn<QString>("sources");
        QTest::addColumn<QStringList>("script"); // KWin's steps; empty: no KWin
        // The portal's, empty: none; then the stored answers of unsandboxed programs and another's.
        QTest::addColumn<QStringList>("answer");
        QTest::addColumn<QString>("outcome"); // the source of the still, else part of the failure
        QTest::addColumn<bool>("kept");       // the file the portal named, afterwards
        QTest::addColumn<QStringList>("before"); // its answer to a request given up on just before
        const QString s = uri("served"), p = file("picture"), all = "screencopy,kwin,portal";
        const QStringList whole{"rest", "reply"}, served{"0", s, p};
        const auto row = [](const char *name, const QString &sources, const QStringList &script,
                            const QStringList &answer, const QString &outcome, bool kept = false,
                            const QStringList &before = {}) {
            QTest::newRow(name) << sources << script << answer << outcome << kept << before;
        };
        row("served picture, file removed", "portal", {}, served, "portal");
        row("user's picture kept", "portal", {}, {"0", uri("picture")}, "portal", true);
        row("link refused, kept", "portal", {}, {"0", uri("link"), p}, "a link", true);
        row("FIFO refused at once", "portal", {}, {"0", uri("fifo")}, "not a regular", true);
        row("folder refused", "portal", {}, {"0", uri("")}, "not a regular", true);
        row("others' file refused", "portal", {}, {"0", uri("others"), p}, "another user", true);
        row("huge declared size refused", "portal", {}, {"0", uri("huge")}, "too large", true);
        row("user refused", "portal", {}, {"1", s, p}, "refused", true);
        row("desktop failed", "portal", {}, {"2", s, p}, "could not take", true);
        row("denial kept, how to undo it", "portal", {}, {"2", s, p, "no"},
            "SetPermission screenshot true screenshot ''", true);
        row("another program denied", "portal", {}, {"2", s, p, "yes", "no"}, "could not", true);
        row("no portal", "portal", {}, {}, "no screenshot service");
        row("no picture", "portal", {}, {"0", s, file("bus.conf")}, "read", true);
        row("late answer given up on", "portal", {}, {"silent", s}, "did not answer", true, served);
        row("late error given up on", "portal", {}, served, "portal", false, {"error", s});
        row("KWin: the picture, then the reply", "kwin", whole, {}, "kwin");
        row("KWin: reply first, picture in pieces", "kwin", {"reply", "5", "16", "rest"}, {},
            "kwin");
        row("KWin: RGB32, lines padded", "kwin", {"stride=16", "rest", "reply"}, {}, "kwin");
        row("KWin: ARGB32", "kwin", {"format=5", "rest", "reply"}, {}, "kwin");
        row("KWin: RGBA8888", "kwin", {"format=17", "rest", "reply"}, {}, "kwin");
        row("KWin: a 16-bit format", "kwin", {"format=7", "rest", "reply"}, {}, "not a");
        row("KWin: lines too short", "kwin", {"stride=8", "rest", "reply"}, {}, "not a");
        row("KWin: not raw", "kwin", {"type=png", "rest", "reply"}, {}, "not a");
        row("KWin: no width", "kwin", {"width=", "rest", "reply"}, {}, "not a");
        row("KWin: the pipe short", "kwin", {"reply", "40", "close"}, {}, "not a picture");
        row("KWin: the pipe closed before the reply", "kwin", {"close", "reply"}, {}, "not a");
        row("KWin: no reply", "kwin", {"rest"}, {}, "KWin did not");
        row("KWin refuses", "kwin", {"refuse"}, {}, "not authorized");
        row("the first still ends the chain", all, whole, served, "kwin");
        row("KWin refuses: the portal", all, {"refuse"}, served, "portal");
        row("KWin stuck, no reply: the portal", all, {"rest"}, served, "portal");
        row("every one fails: the last one's reason", all, {"refuse"}, {"1", s}, "refused to");
        // Last, so that later tests meet no KWin.
        row("screen copy and KWin missing: the portal", all, {}, served, "portal");
        row("the portal silent: its own bound", all, {}, {"silent", s}, "did not answer");
    }
    void flows()
    {
        QFETCH(QString, sources);
        QFETCH(QStringList, answer);
        QFETCH(QString, outcome);
        QFETCH(QStringList, before);
        QFETCH(QStringList, script);
        if (answer.value(1) == uri("others") && ::geteuid())
            QSKIP("Only root can give a file to another user.");
        QDBusConnection standIn("stand-in");
        for (const QString name : {"org.kde.KWin.ScreenShot2", "org.freedesktop.portal.Desktop"})
            if (!(name.contains("KWin") ? script : answer).isEmpty())
                QVERIFY(standIn.registerService(name));
            else
                standIn.unregisterService(name);
        QFile::remove(file("served"));
        kwin.script = script;
        const QImage screen = kwin.screen = noise({4, 3});
        permissions.screenshot.clear();
        for (const QString &app : {QString(), QString("org.example.Other")})
            if (answer.size() > 3)
                permissions.screenshot.insert(app, {answer.takeAt(3)});
        QList<ScreenSource *> list;
        for (const QString &name : sources.split(','))
            list << makeScreenSource(name, nullptr);
        ScreenSourceChain chain(list, nullptr);
        QSignalSpy finished(&chain, &ScreenSourceChain::finished);
        qint64 left = 0; // at the start of the last source that did not answer at once
        connect(&chain, &ScreenSourceChain::deadlineChanged, this,
                [&] { left = chain.deadline().remainingTime(); });
        auto *request = qobject_cast<ScreenSourcePortal *>(list.last());
        // Its answers come when the next request waits.
        portal.delayMs = portal.replyDelayMs = before.isEmpty() ? 0 : 400;
        portal.answer = before;
        if (!before.isEmpty()) {
            request->setTimeout(200);
            chain.start();
            QVERIFY(finished.wait(5000) && chain.still().isEmpty());
            portal.replyDelayMs = 0;
        }
        if (request)
            request->setTimeout(answer.value(0) == "silent" ? 500 : 30000);
        portal.answer = answer;
        const int calls = portal.calls;
        rememberDesktopOutputs({{"K", QRect(0, 0, 800, 600), QSize(4, 3)}});
        chain.start();
        QVERIFY(finished.wait(40000));
        const QString winner = outcome == "kwin" || outcome == "portal" ? outcome : "";
        const QString why = chain.errorString();
        QCOMPARE(chain.sourceName(), winner);
        QVERIFY2(winner.isEmpty() ? why.contains(outcome) : why.isEmpty(), qPrintable(why));
        const QImage still = chain.still().value(0).pixmap.toImage(); // opaque in its bytes
        if (winner == "kwin")
            QVERIFY(portal.calls == calls && still.constBits()[3] == 0xff &&
                    still.convertToFormat(screen.format()) == screen);
        if (request)
            QCOMPARE(request->picture().convertToFormat(picture.format()),
                     winner == "portal" ? picture : QImage());
        QTEST(QFile::exists(QUrl(answer.value(1)).toLocalFile()), "kept");
        if (!winner.isEmpty()) { // asked again, from the source that gave the still
            chain.askAgain();
            QVERIFY(finished.wait(10000) && chain.sourceName() == winner);
        }
        rememberDesktopOutputs({});
        // The chain gives up no earlier than that source's bound and the bounds after it.
        qint64 bounds = 0;
        for (int i = winner.isEmpty() ? list.size() - 1 : sources.split(',').indexOf(winner);
             i < list.size(); ++i)
            bounds += list[i]->boundMs();
        QVERIFY2(!left || (left > bounds - 150 && left <= bounds),
                 qPrintable(QString::number(left)));
    }
    void screencopyEvents_data()
    {
        // b: a readable offer, B: one of version 2, o: one in another format, s: rows shorter
        // than the picture, m: rows not of whole pixels, d: buffer_done, r: ready, f: failed.
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("copies"); // requests to copy
        QTest::addColumn<int>("state");
        using F = ScreencopyFrame;
        QTest::newRow("offer, done, ready") << "bdr" << 1 << int(F::Ready);
        QTest::newRow("version 2: the offer alone") << "Br" << 1 << int(F::Ready);
        QTest::newRow("the first readable offer counts") << "obsdr" << 1 << int(F::Ready);
        QTest::newRow("done twice: one copy") << "bddr" << 1 << int(F::Ready);
        QTest::newRow("failed before an offer") << "f" << 0 << int(F::Failed);
        QTest::newRow("failed after the copy") << "bdf" << 1 << int(F::Failed);
        QTest::newRow("buffer_done before buffer") << "dbdr" << 0 << int(F::Unreadable);
        QTest::newRow("another format only") << "od" << 0 << int(F::Unreadable);
        QTest::newRow("rows shorter than the picture") << "sd" << 0 << int(F::Unreadable);
        QTest::newRow("rows not of whole pixels") << "md" << 0 << int(F::Unreadable);
        QTest::newRow("ready before the copy: waits") << "rb" << 0 << int(F::Offering);
        QTest::newRow("no answer: waits") << "bd" << 1 << int(F::Copying);
    }
    void screencopyEvents()
    {
        QFETCH(QString, events);
        ScreencopyFrame frame;
        int copies = 0;
        for (const QChar e : events) {
            if (e == 'r' || e == 'f')
                e == 'r' ? frame.ready() : frame.failed();
            else
                copies += e == 'd'
                              ? frame.bufferDone()
                              : frame.buffer(e == 'o' ? 0x36314752 : 1, 4, 3,
                                             e == 's' ? 12 : 16 + 2 * (e == 'm'), e == 'B' ? 2 : 3);
        }
        QTEST(copies, "copies");
        QTEST(int(frame.state), "state");
        QVERIFY(frame.state != ScreencopyFrame::Ready || (frame.stride == 16 && frame.format == 1));
    }
    void revealFile() // by the file manager alone, not by opening its folder as well
    {
        const QString path = file("a b#.png");
        QVERIFY(QDBusConnection("stand-in").registerService("org.freedesktop.FileManager1"));
        TestSupport::LinkRecorder opened({"file"});
        bool revealed = false; // waiting for the reply, apart from the file manager's thread
        const std::unique_ptr<QThread> caller(
            QThread::create([&] { revealed = revealInFileBrowser(path); }));
        caller->start();
        QTRY_VERIFY(caller->isFinished());
        QCoreApplication::processEvents(); // a link it opened, handed over
        QVERIFY(revealed && opened.links.isEmpty());
        QCOMPARE(shownItems, QStringList{QUrl::fromLocalFile(path).toEncoded()});
    }
    void portalFileReplacedAfterReadingKept()
    {
        QVERIFY(QFile::copy(file("picture"), file("shot")));
        const PortalPicture read = readPortalPicture(file("shot"));
        QVERIFY(QFile::rename(file("shot"), file("was")) && QFile::copy(file("was"), file("shot")));
        removePortalPicture(file("shot"), read, QDateTime::currentDateTime().addSecs(-5));
        QVERIFY(!read.image.isNull() && QFile::exists(file("shot")));
    }
    void sessionChoosesSources_data()
    {
        QTest::addColumn<QString>("platform");   // Qt's
        QTest::addColumn<bool>("xwayland");      // the X server is XWayland
        QTest::addColumn<QByteArray>("type");    // XDG_SESSION_TYPE
        QTest::addColumn<QByteArray>("display"); // WAYLAND_DISPLAY, wayland-7 answering
        QTest::addColumn<QString>("source");     // the first one asked
        const auto row = [](const char *name, const char *platform, bool xwayland, const char *type,
                            const QByteArray &display, const char *source) {
            QTest::newRow(name) << QString(platform) << xwayland << QByteArray(type) << display
                                << QString(source);
        };
        row("Qt on Wayland, variables of X11", "wayland", false, "x11", "", "screencopy");
        row("Qt on Wayland through EGL", "wayland-egl", false, "", "", "screencopy");
        row("XWayland, variables of X11", "xcb", true, "x11", "", "screencopy");
        row("X server, variables left over", "xcb", false, "wayland", "wayland-7", "x11");
        row("elsewhere, session type Wayland", "offscreen", false, "wayland", "", "screencopy");
        row("elsewhere, session type X11", "offscreen", false, " X11\n", "wayland-7", "x11");
        row("elsewhere, a socket that answers", "offscreen", false, "tty", "wayland-7",
            "screencopy");
        row("elsewhere, one named by path", "offscreen", false, "tty",
            qgetenv("XDG_RUNTIME_DIR") + "/wayland-7", "screencopy");
        row("elsewhere, a silent socket", "offscreen", true, "", "wayland-8", "x11");
    }
    void sessionChoosesSources()
    {
        QFETCH(QString, platform);
        QFETCH(bool, xwayland);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, display);
        QLocalServer compositor; // in the runtime folder
        QVERIFY(compositor.listen(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/wayland-7"));
        const bool wayland = isWaylandSession(platform, xwayland, type, !display.isEmpty(),
                                              waylandSocketAnswers(display));
        QTEST(sessionSourceNames(wayland, {}).value(0), "source");
    }
    void cropperTakesTheStillAtItsRatio_data()
    {
        QTest::addColumn<int>("delay"); // of every answer
        QTest::newRow("answered at once") << 0;
        QTest::newRow("answered after the waiting window came up") << 2000;
        QTest::newRow("Escape while waiting: closed, without a message") << -1;
    }
    void cropperTakesTheStillAtItsRatio()
    {
        QFETCH(int, delay);
        portal.answer = QStringList{delay < 0 ? "silent" : "0", uri("served")};
        portal.delayMs = delay, portal.calls = 0;
        shown.clear();
        portal.photograph = [this] {
            const QWidgetList all = QApplication::topLevelWidgets();
            shown << std::any_of(all.begin(), all.end(), [](QWidget *w) { return w->isVisible(); });
            return shown.last() ? noise({1600, 1201}).copy(picture.rect()) : picture;
        };
        ScreenCropper cropper;
        QSignalSpy closed(&cropper, &ScreenCropper::closed),
            escaped(&cropper, &ScreenCropper::escaped);
        cropper.grabScreen();
        if (delay < 0) {
            const auto waiting = []() -> QWidget * {
                for (QWidget *widget : QApplication::topLevelWidgets())
                    if (qobject_cast<DesktopWaitWindow *>(widget) && widget->isVisible())
                        return widget;
                return nullptr;
            };
            QTRY_VERIFY_WITH_TIMEOUT(waiting(), 3000);
            QTest::keyClick(waiting(), Qt::Key_Escape);
            QVERIFY(closed.count() == 1 && escaped.count() == 1);
            QVERIFY(cropper.failureMessage().isEmpty() && !cropper.isVisible());
            QTRY_VERIFY(!waiting());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(cropper.isVisible(), 10000);
        QCOMPARE(portal.calls, shown.value(0) ? 2 : 1); // asked again once, without the window
        cropper.resize(800, 480); // a compositor's first frame: the click is ignored
        QTest::mouseClick(&cropper, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(cropper.isVisible() && !cropper.isSelecting());
        cropper.resize(800, 600);
        QTest::mousePress(&cropper, Qt::LeftButton, {}, QPoint(10, 10));
        QMouseEvent drag(QEvent::MouseMove, QPoint(19, 19), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&cropper, &drag);
        QTest::mouseRelease(&cropper, Qt::LeftButton, {}, QPoint(19, 19));
        QCOMPARE(cropper.cropped().toImage().convertToFormat(QImage::Format_RGB32),
                 picture.copy(20, 20, 20, 20));
    }
    void waitingWindow_data()
    {
        QTest::addColumn<int>("elapsed");     // of a wait of 30 s
        QTest::addColumn<int>("secondsLeft"); // 0: no window
        QTest::newRow("an answer at once shows nothing") << 999 << 0;
        QTest::newRow("after a second") << 1000 << 29;
        QTest::newRow("a part of a second left counts") << 29001 << 1;
        QTest::newRow("the wait is over") << 30000 << 0;
    }
    void waitingWindow()
    {
        QFETCH(int, elapsed);
        const DesktopWaitState state = desktopWaitState(elapsed, 30000 - elapsed);
        QCOMPARE(state.visible, state.secondsLeft > 0);
        QTEST(state.secondsLeft, "secondsLeft");
    }
};

QTEST_MAIN(TestScreenSources)
#include "tst_screensources.moc"
