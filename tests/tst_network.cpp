// The downloader, the hidden web view and the application's update check against 127.0.0.1.
#include "appupdatedialog.h"
#include "customwebview.h"
#include "downloader.h"
#include "downloadmanager.h"
#include "helpers/testhttpserver.h"
#include "independentapp.h"
#include "nativewebview.h"
#include "serviceaddresses.h"
#include "testkit.h"
#include "textscrambler.h"
#include "updatecheck.h"

#include <QLabel>
#include <QtTest>

using namespace QMRequest;
using namespace QMWidgets;
Q_DECLARE_METATYPE(TestHttpReply)

namespace {
const QByteArray info = "/apps/buildsinfo/clipwise_win";
const QByteArray offer = "build:<b>9</b>;date:2099-01-01;windows:all";
const QByteArray noOffer = "build:8;date:2000-01-01;windows:all";
} // namespace

class TestNetwork final : public QObject
{
    Q_OBJECT
    TestHttpServer server;
    static IndependentApp *app() { return qobject_cast<IndependentApp *>(qApp); }

private slots:
    void initTestCase()
    {
        QVERIFY(server.listen());
        ServiceAddresses a;
        a.primaryServiceBase = server.base() + "/p";
        a.fallbackServiceBase = server.base().mid(7) + "/f";
        a.metricsHost = a.webSite = a.applicationWebServer = unreachableTestAddress;
        setServiceAddressesForTesting(a);
    }
    void init() { server.clear(), server.routes.clear(); }

    void fetch_data()
    {
        QTest::addColumn<TestHttpReply>("reply");
        QTest::addColumn<QByteArray>("result");
        const QByteArray limit(64 * 1024, 'x');
        QTest::newRow("404 with a body") << TestHttpReply(404, "gone") << QByteArray();
        QTest::newRow("redirect is not followed")
            << TestHttpReply(301, "moved", 0, "Location: /b\r\n") << QByteArray("moved");
        QTest::newRow("unannounced body at the limit") << TestHttpReply(200, limit, 0, "") << limit;
        // The rest never comes: only the limit can end these.
        QTest::newRow("announced length over the limit")
            << TestHttpReply(200, "x", 0, "Content-Length: 65537\r\n", false) << QByteArray();
        QTest::newRow("unannounced body over the limit")
            << TestHttpReply(200, limit + "x", 0, "", false) << QByteArray();
    }
    void fetch()
    {
        QFETCH(TestHttpReply, reply);
        server.routes.insert("/a", reply);
        Downloader downloader;
        downloader.setMaximumSize(64 * 1024);
        bool aborted = false;
        QTimer::singleShot(20000, &downloader, [&] { aborted = true, downloader.slotAbort(); });
        QTEST(downloader.get(server.base().mid(7) + "/a"), "result"); // without a scheme
        QVERIFY(!aborted);
        // Qt may repeat a request on a new connection; what matters is what was asked for.
        QCOMPARE(QSet<QByteArray>(server.targets.begin(), server.targets.end()), {"/a"});
    }
    void percent_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("percent");
        QTest::newRow("truncated") << qint64(2) << qint64(3) << 66;
        QTest::newRow("under one per cent") << qint64(1) << qint64(1000) << 0;
        QTest::newRow("unknown size") << qint64(500) << qint64(-1) << 0;
        QTest::newRow("empty body is complete") << qint64(0) << qint64(0) << 100;
        QTest::newRow("far more than announced") << qint64(30000000) << qint64(1) << 100;
    }
    void percent()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QTEST(percentReceived(received, total), "percent");
    }
    void abortsAndNestedCalls()
    {
        server.routes.insert("/late", {200, "late", 1000});
        Downloader d;
        QTimer::singleShot(2, &d, &Downloader::slotAbort);
        QCOMPARE(d.get(server.base() + "/late"), QByteArray());
        d.slotAbort(); // idle: nothing to do, and the next fetch is not spoilt
        QByteArray inner = "not called";
        QTimer::singleShot(50, &d, [&] { inner = d.get(server.base() + "/other"); });
        QCOMPARE(d.get(server.base() + "/late"), QByteArray("late"));
        QCOMPARE(inner, QByteArray()); // a get() during a fetch asks nothing
        QVERIFY(d.isFinished() && !d.isBusy());
        QCOMPARE(server.count("/other"), 0);
        // A failure after a success gives nothing, not the earlier body.
        QCOMPARE(d.get(server.base() + "/none"), QByteArray());
        // A data: reply is finished at once but reports it later, from the event loop.
        DownloadManager manager;
        QSignalSpy done(&manager, &DownloadManager::done), error(&manager, &DownloadManager::error);
        manager.download(QUrl("data:,late"));
        manager.slotAbort();
        QCOMPARE(error.count(), 1);
        QTest::qWait(50);
        QCOMPARE(done.count() + error.count(), 1);
    }
    void webViewFetchesWhileHidden()
    {
        server.routes.insert("/", {200, "<html>thanks</html>"});
        server.routes.insert("/r", {302, "", 0, "Location: /?f=clipwise\r\n"});
        QMWebView::NativeWebView view;
        QSignalSpy started(&view, &QMWebView::NativeWebView::loadStarted);
        QSignalSpy finished(view.findChild<QMWebView::CustomWebView *>(),
                            &QMWebView::CustomWebView::navigationFinished);
        view.load(QUrl(server.base() + "/r"));
        QCOMPARE(started.count(), 1);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished[0], (QVariantList{QUrl(server.base() + "/?f=clipwise"), true}));
    }
    void startupCheck_data()
    {
        QTest::addColumn<int>("age"); // days since the stamp; -1: none
        QTest::addColumn<TestHttpReply>("primary");
        QTest::addColumn<int>("asked");    // requests, to the primary and then the fallback
        QTest::addColumn<bool>("offered"); // and the stamp moves to today
        QTest::newRow("no stamp") << -1 << TestHttpReply(200, offer) << 0 << false;
        QTest::newRow("5 days") << 5 << TestHttpReply(200, offer) << 0 << false;
        QTest::newRow("6 days, nothing newer") << 6 << TestHttpReply(200, noOffer) << 1 << false;
        QTest::newRow("6 days, newer build") << 6 << TestHttpReply(200, offer) << 1 << true;
        QTest::newRow("primary fails") << 6 << TestHttpReply(500, noOffer) << 2 << true;
        QTest::newRow("primary empty") << 6 << TestHttpReply(200) << 2 << true;
    }
    void startupCheck()
    {
        QFETCH(int, age);
        QFETCH(TestHttpReply, primary);
        QFETCH(bool, offered);
        const QDate today(2031, 5, 20);
        const QString stamp = age < 0 ? QString() : scrambleText(plainStamp(today.addDays(-age)));
        app()->setSetting("Stamp5", stamp);
        server.routes.insert("/p" + info, primary);
        server.routes.insert("/f" + info, {200, offer});
        QString shown;
        TestSupport::ModalAnswerer answerer([&](QDialog *d) {
            shown = static_cast<AppUpdateDialog *>(d)->messageLabel()->text(), d->reject();
        });
        app()->runStartupCheck(today);
        QTEST(server.count("/p" + info) + server.count("/f" + info), "asked");
        QCOMPARE(stampDate(app()->setting("Stamp5").toString()),
                 age < 0 || offered ? today : today.addDays(-age));
        // Offered, with the advertised build shown as text, never read as markup.
        QCOMPARE(shown.contains("&lt;b&gt;9&lt;/b&gt;"), offered);
    }
    // Ends the run for the application object: keep it last.
    void quittingDuringAStalledFetchAsksNoFallbackAndShowsNothing()
    {
        server.routes.insert("/p" + info, {200, offer, 60000});
        server.routes.insert("/f" + info, {200, offer});
        TestSupport::ModalAnswerer answerer([](QDialog *d) { d->reject(); });
        QTimer::singleShot(300, app(), [] { QCoreApplication::exit(0); });
        app()->slotCheckUpdate();
        QVERIFY(app()->isNetworkStopped());
        QTest::qWait(100);
        QCOMPARE(server.count("/f" + info), 0);
        QVERIFY(answerer.shown.isEmpty());
    }
};

int main(int argc, char *argv[])
{
    // The tests drive the start-up check themselves.
    QSettings("Velmora", "Clipwise").setValue("Clipwise/checkupdates", false);
    IndependentApp app(argc, argv, "Velmora", "Clipwise");
    TestNetwork test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_network.moc"
