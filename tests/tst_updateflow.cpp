// The update check of the application object against real HTTP servers on 127.0.0.1: which
// base decides, the stamp, the dialog, and ending the run while the check waits.
#include "appupdatedialog.h"
#include "helpers/testhttpserver.h"
#include "independentapp.h"
#include "serviceaddresses.h"
#include "textscrambler.h"
#include "updatecheck.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace QMWidgets;

namespace {

const QByteArray infoPath = "/apps/buildsinfo/clipwise_win";
const QByteArray offer = "build:77;date:2099-01-01;windows:all";
const QByteArray noOffer = "build:76;date:2000-01-01;windows:all";

struct SeenDialog
{
    bool shown = false;
    QString text;
    QString title;
    QImage picture;
};

// Answers the first update dialog that comes up with No and remembers what it showed.
class DialogWatcher
{
public:
    DialogWatcher()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            auto *dialog = qobject_cast<AppUpdateDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen.shown = true;
            seen.text = dialog->messageLabel()->text();
            seen.title = dialog->windowTitle();
            seen.picture = dialog->pictureLabelWidget()->pixmap(Qt::ReturnByValue).toImage();
            dialog->noButton()->click();
        });
        timer.start();
    }
    SeenDialog seen;

private:
    QTimer timer;
};

} // namespace

class TestUpdateFlow final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void whichBaseDecides_data();
    void whichBaseDecides();
    void startupCheckFollowsTheStamp_data();
    void startupCheckFollowsTheStamp();
    void dialogShowsTheBuildAsText();
    void immediateCheckWithoutOfferSaysLatest();
    void dialogLayoutAndPictures();
    void untickingWritesTheSettingAtOnce();
    // These two end the run for the application object; keep them last.
    void quittingDuringTheFetchEndsTheCheck();
    void stoppingDuringTheFetchAsksNoFallbackAndShowsNothing();

private:
    IndependentApp *app() const { return static_cast<IndependentApp *>(App::instance()); }
    void useBases(const QByteArray &primaryPrefix, const QByteArray &fallbackPrefix);
    TestHttpServer server;
};

void TestUpdateFlow::initTestCase()
{
    QVERIFY(server.listen());
    QVERIFY(app());
    QVERIFY(!AppUpdateDialog::isCheckOnStart());
}

void TestUpdateFlow::cleanupTestCase()
{
    clearServiceAddressesForTesting();
}

void TestUpdateFlow::init()
{
    server.clearRequests();
    server.clearRoutes();
    useBases("/p", "/f");
}

void TestUpdateFlow::useBases(const QByteArray &primaryPrefix, const QByteArray &fallbackPrefix)
{
    ServiceAddresses addresses;
    addresses.primaryServiceBase = server.base() + QString::fromLatin1(primaryPrefix);
    addresses.fallbackServiceBase =
        server.baseWithoutScheme() + QString::fromLatin1(fallbackPrefix);
    addresses.applicationWebServer = QString::fromLatin1(unreachableTestAddress) + QLatin1Char('/');
    addresses.webSite = QString::fromLatin1(unreachableTestAddress);
    addresses.metricsHost = QString::fromLatin1(unreachableTestAddress);
    setServiceAddressesForTesting(addresses);
}

void TestUpdateFlow::whichBaseDecides_data()
{
    QTest::addColumn<int>("primaryStatus");
    QTest::addColumn<QByteArray>("primaryBody");
    QTest::addColumn<int>("fallbackStatus");
    QTest::addColumn<QByteArray>("fallbackBody");
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("fallbackRequests");
    QTest::newRow("primary error, fallback offers")
        << 500 << QByteArray("oops") << 200 << offer << true << 1;
    QTest::newRow("primary empty, fallback offers")
        << 200 << QByteArray() << 200 << offer << true << 1;
    QTest::newRow("primary offers, fallback not asked")
        << 200 << offer << 200 << noOffer << true << 0;
    QTest::newRow("primary says no, fallback not asked")
        << 200 << noOffer << 200 << offer << false << 0;
    QTest::newRow("both fail") << 404 << QByteArray("x") << 503 << QByteArray("y") << false << 1;
    QTest::newRow("oversized primary counts as none")
        << 200 << QByteArray(offer + ";pad:" + QByteArray(70 * 1024, 'x')) << 200 << noOffer
        << false << 1;
}

void TestUpdateFlow::whichBaseDecides()
{
    QFETCH(int, primaryStatus);
    QFETCH(QByteArray, primaryBody);
    QFETCH(int, fallbackStatus);
    QFETCH(QByteArray, fallbackBody);
    QFETCH(bool, available);
    QFETCH(int, fallbackRequests);
    server.route("/p" + infoPath, {primaryStatus, primaryBody, {}, 0, true});
    server.route("/f" + infoPath, {fallbackStatus, fallbackBody, {}, 0, true});
    QCOMPARE(app()->isUpdateAvailable(), available);
    QCOMPARE(server.count("/p" + infoPath), 1);
    QCOMPARE(server.count("/f" + infoPath), fallbackRequests);
}

void TestUpdateFlow::startupCheckFollowsTheStamp_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("requests");
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QString>("stampAfter"); // "today", "unchanged"
    const QDate today(2031, 5, 20);
    const auto stamp = [](const QDate &d) { return scrambleText(plainStamp(d)); };
    QTest::newRow("none: stamp today, no request")
        << QString() << offer << 0 << false << QStringLiteral("today");
    QTest::newRow("corrupt: stamp today, no request")
        << QStringLiteral("v#broken") << offer << 0 << false << QStringLiteral("today");
    QTest::newRow("5 days: no request")
        << stamp(today.addDays(-5)) << offer << 0 << false << QStringLiteral("unchanged");
    QTest::newRow("future: no request")
        << stamp(today.addDays(3)) << offer << 0 << false << QStringLiteral("unchanged");
    QTest::newRow("6 days, nothing newer: asked, stamp kept")
        << stamp(today.addDays(-6)) << noOffer << 1 << false << QStringLiteral("unchanged");
    QTest::newRow("6 days, newer build: offered, stamp today")
        << stamp(today.addDays(-6)) << offer << 1 << true << QStringLiteral("today");
}

void TestUpdateFlow::startupCheckFollowsTheStamp()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, answer);
    QFETCH(int, requests);
    QFETCH(bool, dialog);
    QFETCH(QString, stampAfter);
    const QDate today(2031, 5, 20);
    server.route("/p" + infoPath, {200, answer, {}, 0, true});
    app()->setSetting(QStringLiteral("Stamp5"), stored);

    DialogWatcher watcher;
    app()->runStartupCheck(today);

    QCOMPARE(server.count("/p" + infoPath), requests);
    QCOMPARE(watcher.seen.shown, dialog);
    const QString after = app()->setting(QStringLiteral("Stamp5")).toString();
    if (stampAfter == QLatin1String("today")) {
        QCOMPARE(stampDate(after), today);
        QVERIFY(unscrambleText(after).startsWith(QLatin1String("2031-05-20;")));
    } else {
        QCOMPARE(after, stored);
    }
}

void TestUpdateFlow::dialogShowsTheBuildAsText()
{
    server.route("/p" + infoPath,
                 {200, "build:<img src=x>&<b>9</b>;date:2099-01-01;windows:all", {}, 0, true});
    DialogWatcher watcher;
    app()->slotCheckUpdate();
    QVERIFY(watcher.seen.shown);
    QCOMPARE(latestAdvertisedBuild(), QStringLiteral("<imgsrc=x>&<b>9</b>"));
    QVERIFY2(watcher.seen.text.contains(QLatin1String("&lt;imgsrc=x&gt;&amp;&lt;b&gt;9&lt;/b&gt;")),
             qPrintable(watcher.seen.text));
    QVERIFY(!watcher.seen.text.contains(QLatin1String("<b>9")));
    QVERIFY(watcher.seen.text.startsWith(QLatin1String("<CENTER><H2>The newer version ")));
    QVERIFY(watcher.seen.text.contains(QLatin1String(" of Clipwise is available.")));
    QCOMPARE(watcher.seen.title, QStringLiteral("Clipwise Updates Notification"));
    QVERIFY(!watcher.seen.picture.isNull());
}

void TestUpdateFlow::immediateCheckWithoutOfferSaysLatest()
{
    server.route("/p" + infoPath, {404, "", {}, 0, true});
    server.route("/f" + infoPath, {200, "nothing to see", {}, 0, true});
    DialogWatcher watcher;
    app()->slotCheckUpdate();
    QVERIFY(watcher.seen.shown);
    QVERIFY(
        watcher.seen.text.contains(QLatin1String("You are using the latest version available.")));
    QVERIFY(!watcher.seen.picture.isNull());
}

void TestUpdateFlow::dialogLayoutAndPictures()
{
    AppUpdateDialog dialog(nullptr);
    QCOMPARE(dialog.objectName(), QStringLiteral("UpdateDialog"));
    for (QPushButton *button : {dialog.yesButton(), dialog.noButton()}) {
        QCOMPARE(button->objectName(), QStringLiteral("PushButton"));
        QVERIFY(button->isFlat());
        QCOMPARE(button->minimumHeight(), 32);
    }
    QCOMPARE(dialog.yesButton()->text(), QStringLiteral("Yes"));
    QCOMPARE(dialog.checkBox()->text(), QStringLiteral("Check for updates on start"));
    QVERIFY(dialog.messageLabel()->textFormat() == Qt::RichText);

    // Real pictures: present, square, and not a single flat colour.
    for (const char *name : {":/update_available.png", ":/update_not_available.png"}) {
        const QImage image(QString::fromLatin1(name));
        QVERIFY2(!image.isNull(), name);
        QCOMPARE(image.width(), image.height());
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 16, name);
    }
    QVERIFY(QImage(QStringLiteral(":/update_available.png")) !=
            QImage(QStringLiteral(":/update_not_available.png")));
}

void TestUpdateFlow::untickingWritesTheSettingAtOnce()
{
    AppUpdateDialog::setCheckOnStart(true);
    {
        AppUpdateDialog dialog(nullptr);
        QVERIFY(dialog.checkBox()->isChecked());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.checkBox(), Qt::LeftButton, {},
                          QPoint(6, dialog.checkBox()->height() / 2));
        QVERIFY(!dialog.checkBox()->isChecked());
        // Written before the dialog is closed, and it stays so when the user then says No.
        QCOMPARE(app()->setting(QStringLiteral("checkupdates"), true).toBool(), false);
        dialog.noButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QVERIFY(!AppUpdateDialog::isCheckOnStart());
    app()->settingsStore()->sync();
    QSettings onDisk(QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
    QCOMPARE(onDisk.value(QStringLiteral("Clipwise/checkupdates")).toBool(), false);
}

void TestUpdateFlow::quittingDuringTheFetchEndsTheCheck()
{
    server.route("/p" + infoPath, {200, offer, {}, 3000, true});
    server.route("/f" + infoPath, {200, offer, {}, 0, true});
    app()->setSetting(QStringLiteral("Stamp5"), scrambleText(plainStamp(QDate(2031, 5, 1))));
    DialogWatcher watcher;
    QTimer::singleShot(300, app(), [] { QCoreApplication::exit(0); });
    QElapsedTimer clock;
    clock.start();
    app()->runStartupCheck(QDate(2031, 5, 20));
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(app()->isNetworkStopped());
    QTest::qWait(200);
    QCOMPARE(server.count("/f" + infoPath), 0);
    QVERIFY(!watcher.seen.shown);
    // Clear the quitting state for the tests that follow.
    QTimer::singleShot(0, app(), &QCoreApplication::quit);
    QCoreApplication::exec();
}

void TestUpdateFlow::stoppingDuringTheFetchAsksNoFallbackAndShowsNothing()
{
    server.route("/p" + infoPath, {200, offer, {}, 3000, true});
    server.route("/f" + infoPath, {200, offer, {}, 0, true});
    DialogWatcher watcher;
    QTimer::singleShot(300, app(), [this] { app()->slotStopNetwork(); });
    QElapsedTimer clock;
    clock.start();
    app()->slotCheckUpdate();
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(200);
    QCOMPARE(server.count("/f" + infoPath), 0);
    QVERIFY(!watcher.seen.shown);
}

int main(int argc, char *argv[])
{
    // The start-up check's own timer must not run during the tests; they drive it themselves.
    {
        QSettings store(QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
        store.setValue(QStringLiteral("Clipwise/checkupdates"), false);
    }
    IndependentApp app(argc, argv, QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
    TestUpdateFlow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_updateflow.moc"
