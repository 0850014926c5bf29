// The blocking downloader against a real HTTP server on 127.0.0.1.
#include "downloader.h"
#include "downloadmanager.h"
#include "helpers/testhttpserver.h"

#include <QNetworkProxy>
#include <QSignalSpy>
#include <QtTest>

using QMRequest::Downloader;

class TestDownloader final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void prefixRule_data();
    void prefixRule();
    void answers_data();
    void answers();
    void redirectIsNotFollowed();
    void refusedConnectionGivesEmpty();
    void abortByShortTimerGivesEmpty();
    void abortWhenIdleDoesNothing();
    void getDuringFetchReturnsAtOnceWithoutSecondRequest();
    void reuseAfterSuccessAndFailure();
    void sizeLimit_data();
    void sizeLimit();
    void percentReceived_data();
    void percentReceived();
    void progressSignalsEndAtTheFullSize_data();
    void progressSignalsEndAtTheFullSize();
    // Leaves the application in its quitting state until it is reset; keep it last.
    void fetchEndedByQuitIsInterruptedAndCannotAnswerLater();

private:
    QByteArray fetch(const QString &address, int abortAfterMs = 5000);
    TestHttpServer server;
};

void TestDownloader::initTestCase()
{
    QVERIFY(server.listen());
    server.route("/ok", {200, "hello body", {}, 0, true});
    server.route("/missing", {404, "a body the client must not see", {}, 0, true});
    server.route("/broken", {500, "server trouble", {}, 0, true});
    server.route("/moved", {301, "moved body", {{"Location", "/ok"}}, 0, true});
    server.route("/slow", {200, "late", {}, 3000, true});
    server.route("/empty", {200, "", {}, 0, true});
}

void TestDownloader::init()
{
    server.clearRequests();
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

QByteArray TestDownloader::fetch(const QString &address, int abortAfterMs)
{
    Downloader downloader;
    QTimer::singleShot(abortAfterMs, &downloader, &Downloader::slotAbort);
    return downloader.get(address, {});
}

void TestDownloader::prefixRule_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("requested");
    // Seen through a proxy (the test server), so the exact address is visible and addresses
    // whose mangled host cannot exist never reach a name server.
    QTest::newRow("no scheme gets http in front")
        << QStringLiteral("example.invalid/build") << QByteArray("http://example.invalid/build");
    QTest::newRow("http prefix is used unchanged") << QStringLiteral("http://example.invalid/build")
                                                   << QByteArray("http://example.invalid/build");
    QTest::newRow("upper-case HTTP is not the prefix")
        << QStringLiteral("HTTP://example.invalid/build")
        << QByteArray("http://http/example.invalid/build");
    QTest::newRow("https is not the prefix") << QStringLiteral("https://example.invalid/build")
                                             << QByteArray("http://https/example.invalid/build");
}

void TestDownloader::prefixRule()
{
    QFETCH(QString, address);
    QFETCH(QByteArray, requested);
    QNetworkProxy::setApplicationProxy(
        QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), server.port()));
    server.route(requested, {200, "via proxy", {}, 0, true});
    QCOMPARE(fetch(address), QByteArray("via proxy"));
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().target, requested);
}

void TestDownloader::answers_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("200 gives its body") << QStringLiteral("/ok") << QByteArray("hello body");
    QTest::newRow("404 with a body gives empty") << QStringLiteral("/missing") << QByteArray();
    QTest::newRow("500 gives empty") << QStringLiteral("/broken") << QByteArray();
    QTest::newRow("200 with no body gives empty") << QStringLiteral("/empty") << QByteArray();
}

void TestDownloader::answers()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, expected);
    QCOMPARE(fetch(server.base() + path), expected);
    QCOMPARE(server.count(path.toLatin1()), 1);
}

void TestDownloader::redirectIsNotFollowed()
{
    QCOMPARE(fetch(server.baseWithoutScheme() + QStringLiteral("/moved")),
             QByteArray("moved body"));
    QCOMPARE(server.count("/moved"), 1);
    QCOMPARE(server.count("/ok"), 0);
}

void TestDownloader::refusedConnectionGivesEmpty()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    QCOMPARE(fetch(QStringLiteral("127.0.0.1:%1/ok").arg(port)), QByteArray());
}

void TestDownloader::abortByShortTimerGivesEmpty()
{
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(fetch(server.base() + QStringLiteral("/slow"), 2), QByteArray());
    // Returned on the abort, not on the server's late answer.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
}

void TestDownloader::abortWhenIdleDoesNothing()
{
    Downloader downloader;
    downloader.slotAbort();
    QVERIFY(!downloader.isBusy());
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/ok")), QByteArray("hello body"));
    downloader.slotAbort();
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/ok")), QByteArray("hello body"));
}

void TestDownloader::getDuringFetchReturnsAtOnceWithoutSecondRequest()
{
    server.route("/held", {200, "first", {}, 400, true});
    Downloader downloader;
    QByteArray inner = "not called";
    bool innerWasBusy = false;
    qint64 innerTookMs = -1;
    QTimer::singleShot(50, &downloader, [&] {
        innerWasBusy = downloader.isBusy();
        QElapsedTimer clock;
        clock.start();
        inner = downloader.get(server.base() + QStringLiteral("/ok"));
        innerTookMs = clock.elapsed();
    });
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/held")), QByteArray("first"));
    QVERIFY(innerWasBusy);
    QCOMPARE(inner, QByteArray());
    QVERIFY2(innerTookMs >= 0 && innerTookMs < 50, qPrintable(QString::number(innerTookMs)));
    QCOMPARE(server.count("/held"), 1);
    QCOMPARE(server.count("/ok"), 0);
    QVERIFY(!downloader.isBusy());
    QVERIFY(downloader.isFinished());
}

void TestDownloader::reuseAfterSuccessAndFailure()
{
    Downloader downloader;
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/ok")), QByteArray("hello body"));
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/ok")), QByteArray("hello body"));
    // A failure after a success gives empty, not the earlier body.
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/missing")), QByteArray());
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/moved")), QByteArray("moved body"));
    QCOMPARE(server.requests().size(), 4);
}

void TestDownloader::sizeLimit_data()
{
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<bool>("kept");
    const int limit = 64 * 1024;
    QTest::newRow("exactly at the limit is kept") << limit << true << true;
    QTest::newRow("announced length over the limit is dropped") << limit + 1 << true << false;
    QTest::newRow("unannounced length over the limit is dropped") << limit + 1 << false << false;
    QTest::newRow("huge unannounced answer is dropped") << 8 * 1024 * 1024 << false << false;
}

void TestDownloader::sizeLimit()
{
    QFETCH(int, bodySize);
    QFETCH(bool, announced);
    QFETCH(bool, kept);
    const QByteArray body(bodySize, 'x');
    server.route("/big", {200, body, {}, 0, announced});
    Downloader downloader;
    downloader.setMaximumSize(64 * 1024);
    QTimer::singleShot(10000, &downloader, &Downloader::slotAbort);
    const QByteArray result = downloader.get(server.base() + QStringLiteral("/big"));
    QCOMPARE(result.size(), kept ? bodySize : 0);
    if (kept)
        QCOMPARE(result, body);
}

void TestDownloader::percentReceived_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("half") << qint64(50) << qint64(100) << 50;
    QTest::newRow("truncated toward zero") << qint64(2) << qint64(3) << 66;
    QTest::newRow("complete") << qint64(7) << qint64(7) << 100;
    QTest::newRow("large sizes do not overflow")
        << qint64(3000000000LL) << qint64(6000000000LL) << 50;
    QTest::newRow("unknown size, nothing yet") << qint64(0) << qint64(-1) << 0;
    QTest::newRow("unknown size, some bytes") << qint64(500) << qint64(-1) << 0;
    QTest::newRow("empty body is complete") << qint64(0) << qint64(0) << 100;
    QTest::newRow("more than announced stays at 100") << qint64(12) << qint64(10) << 100;
}

void TestDownloader::percentReceived()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    QCOMPARE(QMRequest::percentReceived(received, total), percent);
}

void TestDownloader::progressSignalsEndAtTheFullSize_data()
{
    QTest::addColumn<bool>("announced");
    QTest::newRow("announced size") << true;
    QTest::newRow("unannounced size") << false;
}

void TestDownloader::progressSignalsEndAtTheFullSize()
{
    QFETCH(bool, announced);
    const QByteArray body(100000, 'p');
    server.route("/progress", {200, body, {}, 0, announced});
    Downloader downloader;
    QSignalSpy bytes(&downloader, &Downloader::progress);
    QSignalSpy percent(&downloader, &Downloader::progressPercent);
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/progress")).size(), body.size());
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(bytes.last().first().toInt(), body.size());
    QCOMPARE(percent.last().first().toInt(), 100);
    for (const QList<QVariant> &p : percent)
        QVERIFY(p.first().toInt() >= 0 && p.first().toInt() <= 100);
}

void TestDownloader::fetchEndedByQuitIsInterruptedAndCannotAnswerLater()
{
    server.route("/stall", {200, "too late", {}, 1500, true});
    Downloader downloader;
    QTimer::singleShot(100, qApp, [] { QCoreApplication::exit(0); });
    QTimer::singleShot(5000, &downloader, &Downloader::slotAbort);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/stall")), QByteArray());
    QVERIFY(downloader.wasInterrupted());
    QVERIFY2(clock.elapsed() < 1400, qPrintable(QString::number(clock.elapsed())));

    // Let the application finish quitting, which clears its quitting state.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();

    // The abandoned reply must not answer the next fetch of the same downloader.
    server.route("/after", {200, "after", {}, 1800, true});
    QCOMPARE(downloader.get(server.base() + QStringLiteral("/after")), QByteArray("after"));
    QVERIFY(!downloader.wasInterrupted());
}

QTEST_GUILESS_MAIN(TestDownloader)
#include "tst_downloader.moc"
