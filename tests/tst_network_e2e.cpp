// The built program on a real X server with its service addresses pointed at a test server on
// 127.0.0.1: a slow update service must not hold up the capture, and the usage report goes
// out through the hidden web view.
#include "desktopdriver.h"
#include "helpers/testhttpserver.h"
#include "textscrambler.h"
#include "updatecheck.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::xdotool;

namespace {

const QByteArray infoPath = "/apps/buildsinfo/clipwise_win";

bool visibleWindowNamed(const QString &name)
{
    QByteArray out;
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), name},
                   &out) &&
           !out.trimmed().isEmpty();
}

} // namespace

class TestNetworkEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void slowServiceDoesNotHoldUpTheCapture_data();
    void slowServiceDoesNotHoldUpTheCapture();
    void usageReportReachesTheServer();

private:
    QString newHome(bool dueForCheck);
    void start(QProcess &program, const QString &home);
    // Waits, serving the test server meanwhile, until the program has ended.
    bool waitForEnd(QProcess &program, int timeoutMs, bool *sawDialog = nullptr);

    QTemporaryDir root;
    TestHttpServer server;
    int homes = 0;
};

void TestNetworkEndToEnd::initTestCase()
{
    QVERIFY(root.isValid());
    QVERIFY2(!qgetenv("DISPLAY").isEmpty(), "needs an X server (run through run-test.sh x11)");
    QVERIFY(server.listen());
}

void TestNetworkEndToEnd::init()
{
    server.clearRequests();
    server.clearRoutes();
}

QString TestNetworkEndToEnd::newHome(bool dueForCheck)
{
    const QString home = root.filePath(QStringLiteral("home-%1").arg(++homes));
    QDir().mkpath(home + QStringLiteral("/Desktop"));
    QSettings store(home + QStringLiteral("/.config/Velmora/Clipwise.conf"), QSettings::IniFormat);
    // No rate prompt at quit: these runs are about the network.
    store.setValue(QStringLiteral("Clipwise/AutoReminder"), false);
    if (dueForCheck)
        store.setValue(
            QStringLiteral("Clipwise/Stamp5"),
            QMWidgets::scrambleText(QMWidgets::plainStamp(QDate::currentDate().addDays(-10))));
    store.sync();
    return home;
}

void TestNetworkEndToEnd::start(QProcess &program, const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("CLIPWISE_TEST_SERVICES"), QStringLiteral("loopback-only"));
    env.insert(QStringLiteral("CLIPWISE_TEST_PRIMARY_BASE"), server.base() + QStringLiteral("/p"));
    env.insert(QStringLiteral("CLIPWISE_TEST_FALLBACK_BASE"),
               server.baseWithoutScheme() + QStringLiteral("/f"));
    env.insert(QStringLiteral("CLIPWISE_TEST_METRICS_HOST"), server.base());
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(CLIPWISE_BINARY), QStringList());
}

bool TestNetworkEndToEnd::waitForEnd(QProcess &program, int timeoutMs, bool *sawDialog)
{
    QElapsedTimer clock;
    clock.start();
    while (program.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs) {
        if (sawDialog && visibleWindowNamed(QStringLiteral("Updates Notification")))
            *sawDialog = true;
        QTest::qWait(10);
    }
    return program.state() == QProcess::NotRunning;
}

void TestNetworkEndToEnd::slowServiceDoesNotHoldUpTheCapture_data()
{
    QTest::addColumn<bool>("finishCapture");
    QTest::newRow("capture finished while the check waits") << true;
    QTest::newRow("capture cancelled while the check waits") << false;
}

void TestNetworkEndToEnd::slowServiceDoesNotHoldUpTheCapture()
{
    QFETCH(bool, finishCapture);
    // Both bases would offer a newer build, the primary only after 5 s.
    server.route("/p" + infoPath, {200, "build:99;date:2099-01-01;windows:all", {}, 5000, true});
    server.route("/f" + infoPath, {200, "build:99;date:2099-01-01;windows:all", {}, 0, true});

    const QString home = newHome(true);
    QProcess program;
    QElapsedTimer sinceStart;
    sinceStart.start();
    start(program, home);
    QVERIFY(program.waitForStarted());

    // The start-up check asks the primary base 2 s after start and waits for it.
    QTRY_COMPARE_WITH_TIMEOUT(server.count("/p" + infoPath), 1, 8000);
    while (sinceStart.elapsed() < 2500)
        QTest::qWait(10);
    if (finishCapture) {
        QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("100"), QStringLiteral("100"),
                         QStringLiteral("mousedown"), QStringLiteral("1"),
                         QStringLiteral("mousemove"), QStringLiteral("200"), QStringLiteral("150"),
                         QStringLiteral("mousemove"), QStringLiteral("300"), QStringLiteral("250"),
                         QStringLiteral("mouseup"), QStringLiteral("1")}));
    } else {
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
    }
    QElapsedTimer sinceRelease;
    sinceRelease.start();
    bool sawDialog = false;
    const bool ended = waitForEnd(program, 6000, &sawDialog);
    const qint64 tookMs = sinceRelease.elapsed();
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    QVERIFY(ended);
    qInfo("program ended %lld ms after the input", tookMs);
    QVERIFY2(tookMs < 1000, qPrintable(QStringLiteral("ended %1 ms after the input").arg(tookMs)));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!sawDialog);

    const QStringList captures =
        QDir(home + QStringLiteral("/Desktop")).entryList({QStringLiteral("*.png")}, QDir::Files);
    QCOMPARE(captures.size(), finishCapture ? 1 : 0);
    if (finishCapture) {
        const QImage saved(home + QStringLiteral("/Desktop/") + captures.first());
        QCOMPARE(saved.size(), QSize(201, 151));
    }

    // Nothing more went out: no fallback fetch and, the run being shorter than 4 s, no report.
    QTest::qWait(300);
    QCOMPARE(server.count("/f" + infoPath), 0);
    QCOMPARE(server.count("/"), 0);
}

void TestNetworkEndToEnd::usageReportReachesTheServer()
{
    server.route("/", {200, "<html>thanks</html>", {}, 0, true});
    const QString home = newHome(false);
    // First start, then a later one with the same home.
    for (const QByteArray &expected : {QByteArray("f=clipwise"), QByteArray("a=clipwise")}) {
        server.clearRequests();
        QProcess program;
        start(program, home);
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(server.count("/") > 0, 10000);
        QCOMPARE(server.count("/"), 1);
        const TestHttpRequest report = server.requests().last();
        QCOMPARE(report.target, QByteArray("/?") + expected);
        // The update check found no stamp at the first start and asked nobody.
        QCOMPARE(server.count("/p" + infoPath), 0);

        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        const bool ended = waitForEnd(program, 5000);
        if (!ended) {
            program.kill();
            program.waitForFinished();
        }
        QVERIFY(ended);
        QCOMPARE(program.exitCode(), 0);
        // A previous run of an executable is judged by the folders it left under its own
        // name; make sure the one of this build is there, whatever the file system's case rules.
        QDir().mkpath(home + QLatin1Char('/') +
                      QFileInfo(QStringLiteral(CLIPWISE_BINARY)).fileName());
    }
}

QTEST_GUILESS_MAIN(TestNetworkEndToEnd)
#include "tst_network_e2e.moc"
