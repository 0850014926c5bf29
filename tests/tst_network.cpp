// The blocking downloader and the hidden web view against an HTTP server on 127.0.0.1.
#include "customwebview.h"
#include "downloader.h"
#include "downloadmanager.h"
#include "helpers/testhttpserver.h"
#include "nativewebview.h"
#include "nativewebviewinternal.h"
#include "webviewinqt.h"

#include <QNetworkProxy>
#include <QtTest>

using namespace QMRequest;
Q_DECLARE_METATYPE(TestHttpReply)

class TestNetwork final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(server.listen()); }
    void init() { server.targets.clear(), QNetworkProxy::setApplicationProxy({}); }
    void fetch_data();
    void fetch();
    void percent_data();
    void percent();
    void abortEndsAStalledFetch();
    void abortAfterTheReplyFinishedEndsTheFetch();
    void getDuringAFetchAsksNothing();
    void quitEndsTheFetchAndItsReplyStaysSilent();
    void webView_data();
    void webView();

private:
    TestHttpServer server;
};

void TestNetwork::fetch_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("target"); // as the proxy (the test server) sees it
    QTest::addColumn<TestHttpReply>("reply");
    QTest::addColumn<QByteArray>("result");
    const QString a = "example.invalid/a";
    const QByteArray t = "http://" + a.toLatin1();
    const QByteArray limit(64 * 1024, 'x');
    QTest::newRow("no scheme gets http") << a << t << TestHttpReply{200, "ok"} << QByteArray("ok");
    QTest::newRow("http is kept") << "http://" + a << t << TestHttpReply{200, "ok"}
                                  << QByteArray("ok");
    QTest::newRow("HTTP is not the prefix")
        << "HTTP://" + a << QByteArray("http://http/example.invalid/a") << TestHttpReply{200, "ok"}
        << QByteArray("ok");
    QTest::newRow("https is not the prefix")
        << "https://" + a << QByteArray("http://https/example.invalid/a")
        << TestHttpReply{200, "ok"} << QByteArray("ok");
    QTest::newRow("404 with a body") << a << t << TestHttpReply{404, "gone"} << QByteArray();
    QTest::newRow("redirect is not followed")
        << a << t << TestHttpReply{301, "moved", 0, "body", true, "Location: /b\r\n"}
        << QByteArray("moved");
    QTest::newRow("body at the limit") << a << t << TestHttpReply{200, limit, 0, ""} << limit;
    // The rest never comes: only the limit ends these fetches.
    QTest::newRow("announced length over the limit")
        << a << t << TestHttpReply{200, "x", 0, "65537", false} << QByteArray();
    QTest::newRow("unannounced body over the limit")
        << a << t << TestHttpReply{200, limit + "x", 0, "", false} << QByteArray();
}

void TestNetwork::fetch()
{
    QFETCH(QString, address);
    QFETCH(QByteArray, target);
    QFETCH(TestHttpReply, reply);
    QFETCH(QByteArray, result);
    QNetworkProxy::setApplicationProxy({QNetworkProxy::HttpProxy, "127.0.0.1", server.port()});
    server.routes.insert(target, reply);
    Downloader downloader;
    downloader.setMaximumSize(64 * 1024);
    bool aborted = false;
    QTimer::singleShot(20000, &downloader, [&] { aborted = true, downloader.slotAbort(); });
    QCOMPARE(downloader.get(address), result);
    QVERIFY(!aborted);
    QCOMPARE(server.targets, QList<QByteArray>{target});
}

void TestNetwork::percent_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("truncated") << qint64(2) << qint64(3) << 66;
    QTest::newRow("large sizes") << qint64(3000000000) << qint64(6000000000) << 50;
    QTest::newRow("unknown size") << qint64(500) << qint64(-1) << 0;
    QTest::newRow("empty body is complete") << qint64(0) << qint64(0) << 100;
    QTest::newRow("more than announced") << qint64(12) << qint64(10) << 100;
    QTest::newRow("far more than announced") << qint64(30000000) << qint64(1) << 100;
}

void TestNetwork::percent()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    QCOMPARE(percentReceived(received, total), percent);
}

void TestNetwork::abortEndsAStalledFetch()
{
    server.routes.insert("/late", {200, "late", 1000});
    Downloader downloader;
    QTimer::singleShot(2, &downloader, &Downloader::slotAbort);
    QCOMPARE(downloader.get(server.base() + "/late"), QByteArray());
    downloader.slotAbort(); // idle: nothing to do, and the next fetch is not spoilt
    QCOMPARE(downloader.get(server.base() + "/late"), QByteArray("late"));
    // A failure after a success gives nothing, not the earlier body.
    QCOMPARE(downloader.get(server.base() + "/none"), QByteArray());
}

void TestNetwork::abortAfterTheReplyFinishedEndsTheFetch()
{
    // A data: reply is finished at once but reports it later, from the event loop.
    DownloadManager manager;
    QSignalSpy done(&manager, &DownloadManager::done);
    QSignalSpy error(&manager, &DownloadManager::error);
    manager.download(QUrl("data:,late"));
    manager.slotAbort();
    QCOMPARE(error.count(), 1);
    QVERIFY(!manager.isBusy());
    QTest::qWait(50);
    QCOMPARE(done.count() + error.count(), 1);
}

void TestNetwork::getDuringAFetchAsksNothing()
{
    server.routes.insert("/held", {200, "first", 300});
    Downloader downloader;
    QByteArray inner = "not called";
    QTimer::singleShot(50, &downloader, [&] { inner = downloader.get(server.base() + "/other"); });
    QCOMPARE(downloader.get(server.base() + "/held"), QByteArray("first"));
    QCOMPARE(inner, QByteArray());
    QCOMPARE(server.targets, QList<QByteArray>{"/held"});
}

void TestNetwork::quitEndsTheFetchAndItsReplyStaysSilent()
{
    server.routes.insert("/stall", {200, "too late", 1000});
    server.routes.insert("/after", {200, "after", 1500});
    Downloader downloader;
    QTimer::singleShot(100, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    QCOMPARE(downloader.get(server.base() + "/stall"), QByteArray());
    QVERIFY(downloader.wasInterrupted());
    // Let the application finish quitting, which clears its quitting state.
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    QCOMPARE(downloader.get(server.base() + "/after"), QByteArray("after"));
}

void TestNetwork::webView_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("arrived");
    QTest::addColumn<bool>("ok");
    QTest::newRow("page") << QByteArray("/?f=clipwise") << QByteArray("/") << true;
    QTest::newRow("redirects are followed") << QByteArray("/r") << QByteArray("/") << true;
    QTest::newRow("error page") << QByteArray("/none") << QByteArray("/none") << false;
}

void TestNetwork::webView()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, arrived);
    QFETCH(bool, ok);
    server.routes.insert("/", {200, "<html>thanks</html>"});
    server.routes.insert("/r", {302, "", 0, "body", true, "Location: /\r\n"});
    QMWebView::NativeWebView view; // never shown
    QSignalSpy started(&view, &QMWebView::NativeWebView::loadStarted);
    QSignalSpy finished(view.internal()->frame()->browserControl(),
                        &QMWebView::CustomWebView::navigationFinished);
    view.load(QUrl(server.base() + path));
    QCOMPARE(started.count(), 1);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().at(0).toUrl().path().toLatin1(), arrived);
    QCOMPARE(finished.first().at(1).toBool(), ok);
    QCOMPARE(server.targets.first(), path);
}

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
