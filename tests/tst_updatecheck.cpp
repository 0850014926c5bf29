// The update check's rules without a network: the answer parser and decision, the stamp, the
// scrambler, the service addresses and the usage report address.
#include "serviceaddresses.h"
#include "textscrambler.h"
#include "updatecheck.h"
#include "usagereport.h"

#include <QRegularExpression>
#include <QtTest>

using namespace QMWidgets;

class TestUpdateCheck final : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void lastBuildEntryIsAdvertised();
    void buildInfoText_data();
    void buildInfoText();
    void systemCode_data();
    void systemCode();
    void unknownSystemMatchesOnlyAll();
    void stampVerdict_data();
    void stampVerdict();
    void plainStampForm();
    void scramblerRoundTrip_data();
    void scramblerRoundTrip();
    void scramblerRejects_data();
    void scramblerRejects();
    void environmentOverride_data();
    void environmentOverride();
    void loopback_data();
    void loopback();
    void shippedAddresses();
    void usageReport_data();
    void usageReport();
    void addresses();
};

void TestUpdateCheck::decision_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("system");
    QTest::addColumn<bool>("newer");
    const QString win10 = QStringLiteral("00_C0");
    QTest::newRow("build for Windows 8 and later, on Windows 10")
        << QStringLiteral("build:57;date:2020-01-31;windows:00_A0") << win10 << true;
    QTest::newRow("00_90 matches Windows 10")
        << QStringLiteral("build:57;date:2020-01-31;windows:00_90") << win10 << true;
    QTest::newRow("00_90 does not match Vista")
        << QStringLiteral("build:57;date:2020-01-31;windows:00_90") << QStringLiteral("00_80")
        << false;
    QTest::newRow("all matches everywhere")
        << QStringLiteral("build:57;date:2020-01-31;windows:all") << QStringLiteral("00_0") << true;
    QTest::newRow("value without underscore never matches")
        << QStringLiteral("build:57;date:2020-01-31;windows:C0") << win10 << false;
    QTest::newRow("no windows entry")
        << QStringLiteral("build:57;date:2020-01-31") << win10 << false;
    QTest::newRow("space before the colon fails the raw test")
        << QStringLiteral("build :57;date:2020-01-31;windows:all") << win10 << false;
    QTest::newRow("date with more colons takes its last field")
        << QStringLiteral("build:57;date:2019:10:02;windows:all") << win10 << false;
    QTest::newRow("several windows entries, a later one matches")
        << QStringLiteral("build:57;windows:00_D0;date:2020-01-31;windows:00_90") << win10 << true;
    QTest::newRow("several windows entries, none matches")
        << QStringLiteral("build:57;windows:00_D0;windows:00_E0;date:2020-01-31") << win10 << false;
    QTest::newRow("no build keyword at all")
        << QStringLiteral("version:57;date:2020-01-31;windows:all") << win10 << false;
    QTest::newRow("keys are case-sensitive")
        << QStringLiteral("Build:57;DATE:2020-01-31;windows:all") << win10 << false;
    QTest::newRow("blanks, tabs and line breaks are removed after the raw test")
        << QStringLiteral("build:5 8\r\n;\tdate : 2020-01-31 ;windows:  all\n") << win10 << true;
    QTest::newRow("empty entries are ignored")
        << QStringLiteral(";;build:57;;date:2020-01-31;;windows:all;;") << win10 << true;
    QTest::newRow("a later date overrides an earlier one")
        << QStringLiteral("build:57;date:2020-01-31;date:2019-01-01;windows:all") << win10 << false;
    QTest::newRow("same day as the build is not newer")
        << QStringLiteral("build:57;date:2019-10-02;windows:all") << win10 << false;
    QTest::newRow("malformed date")
        << QStringLiteral("build:57;date:31.01.2020;windows:all") << win10 << false;
    QTest::newRow("codes compare as text, not as numbers")
        << QStringLiteral("build:57;date:2020-01-31;windows:00_100") << win10 << true;
    QTest::newRow("no build entry, but all and a later date")
        << QStringLiteral("xbuild:1;date:2020-01-31;windows:all") << win10 << true;
}

void TestUpdateCheck::decision()
{
    QFETCH(QString, answer);
    QFETCH(QString, system);
    QFETCH(bool, newer);
    const QDate built(2019, 10, 2);
    QCOMPARE(offersNewerBuild(parseBuildInfo(answer, system), built), newer);
}

void TestUpdateCheck::lastBuildEntryIsAdvertised()
{
    const BuildInfo info =
        parseBuildInfo(QStringLiteral("build:56;build:x:57;date:2020-01-31"), QString());
    QVERIFY(info.hasBuild);
    QCOMPARE(info.build, QStringLiteral("57"));
    QCOMPARE(info.date, QDate(2020, 1, 31));

    const BuildInfo none = parseBuildInfo(QStringLiteral("xbuild:1;windows:all"), QString());
    QVERIFY(none.hasMarker);
    QVERIFY(!none.hasBuild);
}

void TestUpdateCheck::buildInfoText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QByteArray("build:1") << QStringLiteral("build:1");
    QTest::newRow("stops at the first NUL")
        << QByteArray("build:1\0date:2030-01-01", 23) << QStringLiteral("build:1");
    QTest::newRow("bytes are Latin-1")
        << QByteArray("build:\xe9") << QStringLiteral("build:\u00e9");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestUpdateCheck::buildInfoText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(QMWidgets::buildInfoText(bytes), text);
}

void TestUpdateCheck::systemCode_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("code");
    QTest::newRow("Windows 2000") << 0x20 << QStringLiteral("00_20");
    QTest::newRow("Windows 7") << 0x90 << QStringLiteral("00_90");
    QTest::newRow("Windows 8 in upper case") << 0xa0 << QStringLiteral("00_A0");
    QTest::newRow("Windows 10") << 0xc0 << QStringLiteral("00_C0");
    QTest::newRow("unknown version") << 0 << QStringLiteral("00_0");
}

void TestUpdateCheck::systemCode()
{
    QFETCH(int, value);
    QFETCH(QString, code);
    QCOMPARE(windowsVersionCode(value), code);
}

void TestUpdateCheck::unknownSystemMatchesOnlyAll()
{
#ifdef Q_OS_WIN
    QSKIP("the running system is Windows");
#else
    const QString code = windowsVersionCode(runningWindowsVersionValue());
    QCOMPARE(code, QStringLiteral("00_0"));
    for (const char *value : {"00_20", "00_30", "00_80", "00_90", "00_A0", "00_C0"})
        QVERIFY2(!parseBuildInfo(QStringLiteral("build:1;windows:") + QLatin1String(value), code)
                      .systemMatches,
                 value);
    QVERIFY(parseBuildInfo(QStringLiteral("build:1;windows:all"), code).systemMatches);
#endif
}

void TestUpdateCheck::stampVerdict_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("verdict");
    const QDate today(2031, 5, 20);
    QTest::newRow("none") << QString() << int(StampVerdict::Missing);
    QTest::newRow("corrupt") << QStringLiteral("v!!garbage") << int(StampVerdict::Missing);
    QTest::newRow("plain text instead of scrambled")
        << plainStamp(today.addDays(-10)) << int(StampVerdict::Missing);
    QTest::newRow("scrambled but no date")
        << scrambleText(QStringLiteral("someday;abcdefg")) << int(StampVerdict::Missing);
    QTest::newRow("today") << scrambleText(plainStamp(today)) << int(StampVerdict::Resting);
    QTest::newRow("5 days") << scrambleText(plainStamp(today.addDays(-5)))
                            << int(StampVerdict::Resting);
    QTest::newRow("6 days") << scrambleText(plainStamp(today.addDays(-6)))
                            << int(StampVerdict::Due);
    QTest::newRow("a year") << scrambleText(plainStamp(today.addYears(-1)))
                            << int(StampVerdict::Due);
    QTest::newRow("future") << scrambleText(plainStamp(today.addDays(30)))
                            << int(StampVerdict::Resting);
}

void TestUpdateCheck::stampVerdict()
{
    QFETCH(QString, stored);
    QFETCH(int, verdict);
    QCOMPARE(int(judgeStamp(stampDate(stored), QDate(2031, 5, 20))), verdict);
}

void TestUpdateCheck::plainStampForm()
{
    const QRegularExpression form(QStringLiteral("^2031-05-20;[^;\\s\"'\\\\`/]{7}$"));
    QSet<QString> tails;
    for (int i = 0; i < 50; ++i) {
        const QString stamp = plainStamp(QDate(2031, 5, 20));
        QVERIFY2(form.match(stamp).hasMatch(), qPrintable(stamp));
        tails.insert(stamp.mid(11));
    }
    // The tail is random, not a constant.
    QVERIFY(tails.size() > 40);
}

void TestUpdateCheck::scramblerRoundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << QString(QLatin1String(""));
    QTest::newRow("one character") << QStringLiteral("x");
    QTest::newRow("stamp") << QStringLiteral("2031-05-20;a!b#c$d");
    QTest::newRow("address") << QStringLiteral("http://service.example.org/path?q=1");
    QTest::newRow("non-Latin text")
        << QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442 \u4f60\u597d");
    QTest::newRow("long") << QString(5000, QLatin1Char('z'));
}

void TestUpdateCheck::scramblerRoundTrip()
{
    QFETCH(QString, plain);
    const QString scrambled = scrambleText(plain);
    QCOMPARE(unscrambleText(scrambled), plain);
    if (plain.size() > 3)
        QVERIFY(!scrambled.contains(plain.mid(1, 3)));
    for (const QChar c : scrambled)
        QVERIFY(c.unicode() > 32 && c.unicode() < 127);
}

void TestUpdateCheck::scramblerRejects_data()
{
    QTest::addColumn<QString>("value");
    const QString good = scrambleText(QStringLiteral("2031-05-20;abcdefg"));
    QString flipped = good;
    flipped[5] = flipped.at(5) == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    QTest::newRow("one character changed") << flipped;
    QTest::newRow("cut short") << good.left(good.size() - 3);
    QTest::newRow("unknown format mark") << QStringLiteral("x") + good.mid(1);
    QTest::newRow("not base64") << QStringLiteral("v$$$$");
    QTest::newRow("plain text") << QStringLiteral("2031-05-20;abcdefg");
}

void TestUpdateCheck::scramblerRejects()
{
    QFETCH(QString, value);
    QVERIFY(unscrambleText(value).isNull());
}

void TestUpdateCheck::environmentOverride_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<bool>("overridden");
    QTest::addColumn<QString>("primary");
    QTest::addColumn<QString>("metrics");
    const QString shipped = builtInServiceAddresses().primaryServiceBase;
    const QString shippedMetrics = builtInServiceAddresses().metricsHost;
    const QString unreachable = QString::fromLatin1(unreachableTestAddress);
    QTest::newRow("nothing set: shipped addresses")
        << QStringList() << false << shipped << shippedMetrics;
    QTest::newRow("addresses without the switch are ignored")
        << QStringList{QStringLiteral("CLIPWISE_TEST_PRIMARY_BASE=http://127.0.0.1:5000")} << false
        << shipped << shippedMetrics;
    QTest::newRow("switch with another value is ignored")
        << QStringList{QStringLiteral("CLIPWISE_TEST_SERVICES=1"),
                       QStringLiteral("CLIPWISE_TEST_PRIMARY_BASE=http://127.0.0.1:5000")}
        << false << shipped << shippedMetrics;
    QTest::newRow("switch and loopback addresses")
        << QStringList{QStringLiteral("CLIPWISE_TEST_SERVICES=loopback-only"),
                       QStringLiteral("CLIPWISE_TEST_PRIMARY_BASE=127.0.0.1:5000"),
                       QStringLiteral("CLIPWISE_TEST_METRICS_HOST=http://localhost:5001")}
        << true << QStringLiteral("127.0.0.1:5000") << QStringLiteral("http://localhost:5001");
    QTest::newRow("another host is never taken, nor the shipped one")
        << QStringList{QStringLiteral("CLIPWISE_TEST_SERVICES=loopback-only"),
                       QStringLiteral("CLIPWISE_TEST_PRIMARY_BASE=http://example.org"),
                       QStringLiteral("CLIPWISE_TEST_METRICS_HOST=http://127.0.0.1@example.org/")}
        << true << unreachable << unreachable;
    QTest::newRow("switch alone points everything at nothing")
        << QStringList{QStringLiteral("CLIPWISE_TEST_SERVICES=loopback-only")} << true
        << unreachable << unreachable;
}

void TestUpdateCheck::environmentOverride()
{
    QFETCH(QStringList, variables);
    QFETCH(bool, overridden);
    QFETCH(QString, primary);
    QFETCH(QString, metrics);
    QProcessEnvironment environment;
    for (const QString &v : variables)
        environment.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
    bool taken = !overridden;
    const ServiceAddresses addresses = serviceAddressesFromEnvironment(environment, &taken);
    QCOMPARE(taken, overridden);
    QCOMPARE(addresses.primaryServiceBase, primary);
    QCOMPARE(addresses.metricsHost, metrics);
    if (overridden) {
        for (const QString &a :
             {addresses.fallbackServiceBase, addresses.applicationWebServer, addresses.webSite})
            QVERIFY2(isLoopbackAddress(a), qPrintable(a));
    }
}

void TestUpdateCheck::loopback_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("loopback");
    QTest::newRow("127.0.0.1 with scheme") << QStringLiteral("http://127.0.0.1:80/x") << true;
    QTest::newRow("127.0.0.1 without scheme") << QStringLiteral("127.0.0.1:8080") << true;
    QTest::newRow("other loopback address") << QStringLiteral("http://127.5.6.7") << true;
    QTest::newRow("localhost") << QStringLiteral("https://LOCALHOST:1/") << true;
    QTest::newRow("IPv6 loopback") << QStringLiteral("http://[::1]:99/") << true;
    QTest::newRow("private network") << QStringLiteral("http://10.0.0.1/") << false;
    QTest::newRow("public host") << QStringLiteral("http://example.org/") << false;
    QTest::newRow("loopback as user name only")
        << QStringLiteral("http://127.0.0.1@example.org") << false;
    QTest::newRow("loopback-looking host name")
        << QStringLiteral("http://127.0.0.1.example.org") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestUpdateCheck::loopback()
{
    QFETCH(QString, address);
    QFETCH(bool, loopback);
    QCOMPARE(isLoopbackAddress(address), loopback);
}

void TestUpdateCheck::shippedAddresses()
{
    const ServiceAddresses shipped = builtInServiceAddresses();
    // The downloader only leaves a text alone that begins with exactly "http://".
    QVERIFY(shipped.primaryServiceBase.startsWith(QLatin1String("http://")));
    QVERIFY(shipped.fallbackServiceBase.startsWith(QLatin1String("http://")));
    QVERIFY(shipped.primaryServiceBase != shipped.fallbackServiceBase);
    QVERIFY(shipped.metricsHost.startsWith(QLatin1String("https://")));
    QVERIFY(shipped.applicationWebServer.endsWith(QLatin1Char('/')));
    QVERIFY(shipped.webSite.startsWith(QLatin1String("http://")));
}

void TestUpdateCheck::usageReport_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("first");
    QTest::addColumn<QString>("address");
    QTest::newRow("first start") << QStringLiteral("Clipwise") << true
                                 << QStringLiteral("https://m.example/?f=clipwise");
    QTest::newRow("later start") << QStringLiteral("Clipwise") << false
                                 << QStringLiteral("https://m.example/?a=clipwise");
    QTest::newRow("spaces removed, lower case")
        << QStringLiteral("Clip Wise Tool") << false
        << QStringLiteral("https://m.example/?a=clipwisetool");
    QTest::newRow("only ordinary spaces removed")
        << QStringLiteral("Clip\tWise") << true
        << QStringLiteral("https://m.example/?f=clip\twise");
}

void TestUpdateCheck::usageReport()
{
    QFETCH(QString, name);
    QFETCH(bool, first);
    QFETCH(QString, address);
    QCOMPARE(usageReportAddress(QStringLiteral("https://m.example"), first, name), address);
}

void TestUpdateCheck::addresses()
{
    QCOMPARE(buildInfoPath(QStringLiteral("Clipwise")),
             QStringLiteral("/apps/buildsinfo/clipwise_win"));
    QCOMPARE(updatePageAddress(QStringLiteral("svc.example"), QStringLiteral("Clipwise")),
             QStringLiteral("http://svc.example/apps/updatepage.php?appname=clipwise"));
    QCOMPARE(updatePageAddress(QStringLiteral("http://svc.example"), QStringLiteral("Clipwise")),
             QStringLiteral("http://svc.example/apps/updatepage.php?appname=clipwise"));
}

QTEST_APPLESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
