// The built program on an X server with its services on a server on 127.0.0.1: a stalled update
// service does not hold up the capture, and the usage report reaches the server.
#include "desktopdriver.h"
#include "helpers/testhttpserver.h"
#include "textscrambler.h"
#include "updatecheck.h"

#include <QtTest>

using TestSupport::xdotool;

class TestNetworkEndToEnd final : public QObject
{
    Q_OBJECT
    TestHttpServer server;
    const QByteArray info = "/apps/buildsinfo/clipwise_win";

    // Runs the program until it ends by itself, doing action once the server has seen path.
    void run(const QByteArray &path, const QStringList &action)
    {
        QProcess program;
        program.start(CLIPWISE_BINARY, QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(server.count(path) > 0, 10000);
        QVERIFY(xdotool(action));
        QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 20000);
        QCOMPARE(program.exitCode(), 0);
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
        run("/", {"key", "Escape"});
        QCOMPARE(server.targets, QList<QByteArray>{"/?f=clipwise"}); // first start: no check
        server.clear();
        run("/", {"key", "Escape"});
        QCOMPARE(server.targets, QList<QByteArray>{"/?a=clipwise"});
    }
    void stalledUpdateServiceDoesNotHoldUpTheCapture()
    {
        // The primary never answers in time; the fallback would offer a newer build at once.
        server.routes.insert("/p" + info, {200, "build:9;date:2099-01-01;windows:all", 60000});
        server.routes.insert("/f" + info, {200, "build:9;date:2099-01-01;windows:all"});
        const QString stamp = QMWidgets::plainStamp(QDate::currentDate().addDays(-10));
        QSettings("Velmora", "Clipwise")
            .setValue("Clipwise/Stamp5", QMWidgets::scrambleText(stamp));
        run("/p" + info, {"mousemove", "100", "100", "mousedown", "1", "mousemove", "300", "250",
                          "mouseup", "1"});
        // Ended while the check waited: no fallback, no dialog, and the capture saved.
        QCOMPARE(server.count("/f" + info), 0);
        QCOMPARE(QDir(QDir::homePath() + "/Desktop").entryList({"*.png"}).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestNetworkEndToEnd)
#include "tst_network_e2e.moc"
