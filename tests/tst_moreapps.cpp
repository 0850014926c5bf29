// The program's own application object opens the maker's catalogue on its web site, not in
// the store.
#include "independentapp.h"
#include "serviceaddresses.h"

#include <QDesktopServices>
#include <QSettings>
#include <QUrl>
#include <QtTest>

using namespace QMWidgets;

namespace {
int argcStore = 1;
char arg0[] = "tst_moreapps";
char *argvStore[] = {arg0, nullptr};
} // namespace

class Catcher final : public QObject
{
    Q_OBJECT

public:
    QStringList links;

public slots:
    void open(const QUrl &url) { links << url.toString(); }
};

class TestMoreApps final : public QObject
{
    Q_OBJECT

private slots:
    void catalogueOnTheMakersSite();
};

void TestMoreApps::catalogueOnTheMakersSite()
{
    QSettings(QStringLiteral("Velmora"), QStringLiteral("Clipwise"))
        .setValue(QStringLiteral("Clipwise/checkupdates"), false);
    ServiceAddresses addresses;
    addresses.primaryServiceBase = addresses.fallbackServiceBase =
        QStringLiteral("http://127.0.0.1:9");
    addresses.applicationWebServer = QStringLiteral("http://127.0.0.1:9/");
    addresses.webSite = QStringLiteral("http://www.example.test");
    addresses.metricsHost = QStringLiteral("https://127.0.0.1:9");
    setServiceAddressesForTesting(addresses);

    IndependentApp app(argcStore, argvStore, QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
    QVERIFY(app.isIndependentEdition());
    QVERIFY(!app.isStoreEdition());
    QCOMPARE(app.storeUrl(QStringLiteral("http://velmora.org/clipwise")),
             QStringLiteral("http://velmora.org/clipwise"));
    Catcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("ms-windows-store"), &catcher, "open");
    App *base = &app;
    base->slotShowMoreApps(); // virtual: the subclass's page
    // The two quote characters reach the browser percent-encoded, as QUrl writes them.
    QCOMPARE(catcher.links, QStringList{QStringLiteral(
                                "http://www.example.test/apps/crosspromo.php?appname=%22%22")});
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("ms-windows-store"));
    clearServiceAddressesForTesting();
}

QTEST_APPLESS_MAIN(TestMoreApps)
#include "tst_moreapps.moc"
