// The built program on an X server with its services on a server on 127.0.0.1: a stalled update
// service does not hold up the capture, an update offered while a slow desktop portal takes the
// still neither gets into it nor under it, and the usage report reaches the server.
#include "helpers/testhttpserver.h"
#include "standinportal.h"
#include "testkit.h"
#include "textscrambler.h"
#include "updatecheck.h"

#include <QScreen>
#include <QtTest>

using TestSupport::xdotool;

class TestNetworkEndToEnd final : public QObject
{
    Q_OBJECT
    TestHttpServer server;
    const QByteArray info = "/apps/buildsinfo/clipwise_win";

    // Runs the program to its own end, doing the xdotool call once the server has seen path.
    void run(const QByteArray &path, const QString &action)
    {
        QProcess program;
        program.start(CLIPWISE_BINARY, QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(server.count(path) > 0, 10000);
        QVERIFY(xdotool(action.split(' ')));
        QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 20000);
        QCOMPARE(program.exitCode(), 0);
    }

    static void checkDue() // the update check's stamp 10 days old
    {
        const QString stamp = QMWidgets::plainStamp(QDate::currentDate().addDays(-10));
        QSettings("Velmora", "Clipwise")
            .setValue("Clipwise/Stamp5", QMWidgets::scrambleText(stamp));
    }
private slots:
    void initTestCase()
    {
        QVERIFY(server.listen());
        qputenv("CLIPWISE_TEST_PRIMARY_BASE", (server.base() + "/p").toUtf8()); // for the program
        qputenv("CLIPWISE_TEST_FALLBACK_BASE", (server.base() + "/f").toUtf8());
        qputenv("CLIPWISE_TEST_METRICS_HOST", server.base().toUtf8());
        QSettings("Velmora", "Clipwise").setValue("Clipwise/AutoReminder", false); // no prompt
        QDir().mkpath(QDir::homePath() + "/Desktop");
    }
    void usageReportReachesTheServer()
    {
        server.routes.insert("/", {200, "<html>thanks</html>"});
        for (const QByteArray target : {"/?f=clipwise", "/?a=clipwise"}) { // first start: no check
            server.clear();
            run("/", "key Escape");
            QCOMPARE(server.targets, QList<QByteArray>{target});
        }
    }
    void stalledUpdateServiceDoesNotHoldUpTheCapture()
    {
        // The primary never answers in time; the fallback would offer a newer build at once.
        server.routes.insert("/p" + info, {200, "build:9;date:2099-01-01;windows:all", 60000});
        server.routes.insert("/f" + info, {200, "build:9;date:2099-01-01;windows:all"});
        checkDue();
        run("/p" + info, "mousemove 100 100 mousedown 1 mousemove 300 250 mouseup 1");
        // Ended while the check waited: no fallback, no dialog, and the capture saved.
        QCOMPARE(server.count("/f" + info), 0);
        QCOMPARE(QDir(QDir::homePath() + "/Desktop").entryList({"*.png"}).size(), 1);
    }
    void updateOfferedWhileThePortalWaits()
    {
        // The portal photographs the screen 3 s after each request, with the waiting window up
        // and the update check due; the offer is answered once the still shows, then all selected.
        QTemporaryDir dir;
        QProcess bus, program;
        checkDue();
        TestSupport::StandInPortal portal;
        QVERIFY(TestSupport::startStandInBus(bus, dir.path(), &portal, nullptr));
        portal.answer = QStringList{"0", QUrl::fromLocalFile(dir.filePath("shot.png")).toString()};
        portal.delayMs = 3000;
        portal.photograph = [] {
            return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        };
        server.routes.insert("/p" + info, {200, "build:9;date:2099-01-01;windows:all"});
        qputenv("CLIPWISE_SCREEN_SOURCES", "portal");
        const QImage before = portal.photograph();
        program.start(CLIPWISE_BINARY, QStringList());
        QByteArray offer, focus; // answered once up and given the keyboard
        QTRY_VERIFY_WITH_TIMEOUT(
            xdotool({"search", "--onlyvisible", "--name", "Updates"}, &offer) &&
                xdotool({"getwindowfocus"}, &focus) && offer == focus,
            30000);
        QVERIFY(xdotool({"key", "Escape"}));
        QTRY_VERIFY(!xdotool({"search", "--onlyvisible", "--name", "Updates"}));
        QVERIFY(xdotool(
            {"mousemove", "0", "0", "mousedown", "1", "mousemove", "1279", "799", "mouseup", "1"}));
        QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 20000);
        const QDir desktop(QDir::homePath() + "/Desktop");
        const QStringList saved = desktop.entryList({"*.png"}, QDir::Files, QDir::Time);
        QCOMPARE(QImage(desktop.filePath(saved.value(0))).convertToFormat(before.format()), before);
        QCOMPARE(portal.calls, 2); // the first picture showed the waiting window
        bus.kill(), bus.waitForFinished();
    }
};

QTEST_MAIN(TestNetworkEndToEnd)
#include "tst_network_e2e.moc"
