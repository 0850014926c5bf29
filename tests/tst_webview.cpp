// The hidden web view against a real HTTP server on 127.0.0.1.
#include "customwebview.h"
#include "helpers/testhttpserver.h"
#include "nativewebview.h"
#include "nativewebviewinternal.h"
#include "webviewinqt.h"

#include <QSignalSpy>
#include <QtTest>

using namespace QMWebView;

class TestWebView final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void loadAnnouncesStartOnceBeforeReturning();
    void hiddenViewFetchesThePage();
    void outcome_data();
    void outcome();
    void newLoadAbandonsTheOldOne();
    void resizingTheViewResizesTheFrame();

private:
    TestHttpServer server;
};

void TestWebView::initTestCase()
{
    QVERIFY(server.listen());
    server.route("/page", {200, "<html>hello</html>", {}, 0, true});
    server.route("/hop1", {302, "", {{"Location", "/hop2"}}, 0, true});
    server.route("/hop2", {301, "", {{"Location", "/final"}}, 0, true});
    server.route("/final", {200, "<html>arrived</html>", {}, 0, true});
    server.route("/loop", {302, "", {{"Location", "/loop"}}, 0, true});
    server.route("/missing", {404, "gone", {}, 0, true});
    server.route("/large", {200, QByteArray(6 * 1024 * 1024, 'x'), {}, 0, false});
    server.route("/slow", {200, "late", {}, 1500, true});
}

void TestWebView::init()
{
    server.clearRequests();
}

void TestWebView::loadAnnouncesStartOnceBeforeReturning()
{
    NativeWebView view;
    QSignalSpy started(&view, &NativeWebView::loadStarted);
    view.load(QUrl(server.base() + QStringLiteral("/page")));
    QCOMPARE(started.count(), 1);
    view.load(QUrl(server.base() + QStringLiteral("/page")));
    QCOMPARE(started.count(), 2);
}

void TestWebView::hiddenViewFetchesThePage()
{
    NativeWebView view;
    CustomWebView *browser = view.internal()->frame()->browserControl();
    QSignalSpy finished(browser, &CustomWebView::navigationFinished);
    QSignalSpy loadFinished(&view, &NativeWebView::loadFinished);
    view.load(QUrl(server.base() + QStringLiteral("/page?f=clipwise")));
    QVERIFY(finished.wait(5000));
    QVERIFY(!view.isVisible());
    QVERIFY(!view.testAttribute(Qt::WA_WState_Created) || !view.isVisible());
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().target, QByteArray("/page?f=clipwise"));
    QVERIFY(server.requests().first().headers.value("user-agent").size() > 0);
    QCOMPARE(finished.first().at(1).toBool(), true);
    // The browser control's events are not relayed; only load() itself announces anything.
    QCOMPARE(loadFinished.count(), 0);
}

void TestWebView::outcome_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("finalPath");
    QTest::addColumn<int>("requests");
    QTest::newRow("redirects are followed")
        << QStringLiteral("/hop1") << true << QByteArray("/final") << 3;
    QTest::newRow("error page") << QStringLiteral("/missing") << false << QByteArray("/missing")
                                << 1;
    QTest::newRow("large page is read through")
        << QStringLiteral("/large") << true << QByteArray("/large") << 1;
    QTest::newRow("redirect loop is given up")
        << QStringLiteral("/loop") << false << QByteArray("/loop") << -1;
}

void TestWebView::outcome()
{
    QFETCH(QString, path);
    QFETCH(bool, ok);
    QFETCH(QByteArray, finalPath);
    QFETCH(int, requests);
    CustomWebView browser;
    QSignalSpy finished(&browser, &CustomWebView::navigationFinished);
    browser.navigate(server.base() + path);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().at(1).toBool(), ok);
    QCOMPARE(finished.first().at(0).toUrl().path().toLatin1(), finalPath);
    // Pages asked for, each counted once: Qt may send a request again when the server closes
    // a kept-alive connection under it, and that repetition is not ours to count.
    int pages = 0;
    int total = 0;
    for (const QByteArray &p : {QByteArray("/hop1"), QByteArray("/hop2"), QByteArray("/final"),
                                QByteArray("/missing"), QByteArray("/large")}) {
        pages += server.count(p) > 0 ? 1 : 0;
        total += server.count(p);
    }
    if (requests > 0) {
        QCOMPARE(pages, requests);
        QVERIFY(total <= 2 * requests);
    } else {
        const int hops = CustomWebView::maximumRedirects + 1;
        QVERIFY2(server.count("/loop") >= hops && server.count("/loop") <= 2 * hops,
                 qPrintable(QString::number(server.count("/loop"))));
    }
    QVERIFY(!browser.isLoading());
}

void TestWebView::newLoadAbandonsTheOldOne()
{
    CustomWebView browser;
    QSignalSpy finished(&browser, &CustomWebView::navigationFinished);
    browser.navigate(server.base() + QStringLiteral("/slow"));
    QTRY_COMPARE(server.count("/slow"), 1);
    browser.navigate(server.base() + QStringLiteral("/page"));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().at(0).toUrl().path(), QStringLiteral("/page"));
    QTest::qWait(1800);
    QCOMPARE(finished.count(), 1);
}

void TestWebView::resizingTheViewResizesTheFrame()
{
    NativeWebView view;
    view.show();
    view.resize(640, 480);
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_COMPARE(view.internal()->frame()->size(), QSize(640, 480));
    QCOMPARE(view.internal()->frame()->pos(), QPoint(0, 0));
}

QTEST_MAIN(TestWebView)
#include "tst_webview.moc"
