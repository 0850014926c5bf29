// The update check's rules without a network: the answer's reading and the decision, the stamp,
// the scrambler that stores it, and the loopback-only override of the service addresses.
#include "serviceaddresses.h"
#include "textscrambler.h"
#include "updatecheck.h"
#include "usagereport.h"

#include <QtTest>

using namespace QMWidgets;
Q_DECLARE_METATYPE(StampVerdict)

class TestUpdateCheck final : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void stamp_data();
    void stamp();
    void scramblerRoundTrip();
    void scramblerRejects_data();
    void scramblerRejects();
    void override_data();
    void override();
};

void TestUpdateCheck::decision_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("system");
    QTest::addColumn<bool>("newer");
    const QString win10 = "00_C0";
    QTest::newRow("older code matches")
        << QByteArray("build:57;date:2020-01-31;windows:00_A0") << win10 << true;
    QTest::newRow("equal code matches")
        << QByteArray("build:57;date:2020-01-31;windows:00_C0") << win10 << true;
    QTest::newRow("newer code does not")
        << QByteArray("build:57;date:2020-01-31;windows:00_90") << "00_80" << false;
    QTest::newRow("all matches anywhere")
        << QByteArray("build:57;date:2020-01-31;windows:all") << "00_0" << true;
    QTest::newRow("value without _ never matches")
        << QByteArray("build:57;date:2020-01-31;windows:0") << win10 << false;
    QTest::newRow("a match stays")
        << QByteArray("build:1;windows:00_90;windows:00_D0;date:2020-01-31") << win10 << true;
    QTest::newRow("space before the colon")
        << QByteArray("build :57;date:2020-01-31;windows:all") << win10 << false;
    QTest::newRow("blanks are removed")
        << QByteArray("build:5 8\r\n;\tdate : 2020-01-31 ;windows:all") << win10 << true;
    QTest::newRow("the last field is the value")
        << QByteArray("build:57;date:x:2020-01-31;windows:all") << win10 << true;
    QTest::newRow("date:2019:10:02 reads 02")
        << QByteArray("build:57;date:2019:10:02;windows:all") << win10 << false;
    QTest::newRow("entry without a colon is skipped")
        << QByteArray("build:57;windows;date:2020-01-31;windows:all") << win10 << true;
    QTest::newRow("keys are case-sensitive")
        << QByteArray("build:57;DATE:2020-01-31;windows:all") << win10 << false;
    QTest::newRow("a later date overrides")
        << QByteArray("build:7;date:2020-01-31;date:2019-01-01;windows:all") << win10 << false;
    QTest::newRow("same day as the build")
        << QByteArray("build:57;date:2019-10-02;windows:all") << win10 << false;
    QTest::newRow("the day after the build")
        << QByteArray("build:57;date:2019-10-03;windows:all") << win10 << true;
    QTest::newRow("nothing after a NUL is read")
        << QByteArray("build:57;windows:all\0;date:2020-01-31", 37) << win10 << false;
}

void TestUpdateCheck::decision()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, system);
    QFETCH(bool, newer);
    const BuildInfo info = parseBuildInfo(buildInfoText(answer), system);
    QCOMPARE(offersNewerBuild(info, QDate(2019, 10, 2)), newer);
    QCOMPARE(parseBuildInfo("build:56;build:x:57", "").build, QString("57"));
}

void TestUpdateCheck::stamp_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<StampVerdict>("verdict");
    const QDate today(2031, 5, 20);
    QTest::newRow("none") << QString() << StampVerdict::Missing;
    QTest::newRow("corrupt") << "v!!garbage" << StampVerdict::Missing;
    QTest::newRow("not scrambled") << plainStamp(today.addDays(-10)) << StampVerdict::Missing;
    QTest::newRow("no date") << scrambleText("someday;abcdefg") << StampVerdict::Missing;
    QTest::newRow("5 days") << scrambleText(plainStamp(today.addDays(-5))) << StampVerdict::Resting;
    QTest::newRow("6 days") << scrambleText(plainStamp(today.addDays(-6))) << StampVerdict::Due;
    QTest::newRow("future") << scrambleText(plainStamp(today.addDays(3))) << StampVerdict::Resting;
}

void TestUpdateCheck::stamp()
{
    QFETCH(QString, stored);
    QFETCH(StampVerdict, verdict);
    QCOMPARE(judgeStamp(stampDate(stored), QDate(2031, 5, 20)), verdict);
    const QString plain = plainStamp(QDate(2031, 5, 20));
    QVERIFY2(QRegularExpression("^2031-05-20;[^;\\s]{7}$").match(plain).hasMatch(),
             qPrintable(plain));
}

void TestUpdateCheck::scramblerRoundTrip()
{
    QSet<QChar> used;
    for (int i = 0; i < 300; ++i) {
        const QString plain =
            QString(i % 40, QChar(0x20 + i)) + QStringLiteral("\u4f60") + QChar(0);
        const QString scrambled = scrambleText(plain);
        QCOMPARE(unscrambleText(scrambled), plain);
        QVERIFY(!scrambled.contains(plain.left(3)));
        used.unite(QSet<QChar>(scrambled.begin() + 1, scrambled.end()));
    }
    // Every character of the scrambled form's alphabet occurred above, and only those.
    QCOMPARE(used.size(), 64);
}

void TestUpdateCheck::scramblerRejects_data()
{
    QTest::addColumn<QString>("value");
    const QString good = scrambleText("2031-05-20;abcdefg");
    QTest::newRow("a character changed") << QString(good).replace(5, 1, good[5] == 'A' ? "B" : "A");
    QTest::newRow("cut short") << good.left(good.size() - 3);
    QTest::newRow("unknown format mark") << "x" + good.mid(1);
    QTest::newRow("padding added") << good + "=";
    QTest::newRow("outside the alphabet") << QString(good).insert(4, '+');
    QTest::newRow("plain text") << "2031-05-20;abcdefg";
}

void TestUpdateCheck::scramblerRejects()
{
    QFETCH(QString, value);
    QVERIFY(unscrambleText(value).isNull());
}

void TestUpdateCheck::override_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("taken"); // "" for the shipped address
    const QString on = "loopback-only", none = unreachableTestAddress;
    QTest::newRow("no switch") << ""
                               << "http://127.0.0.1:5000"
                               << "";
    QTest::newRow("other switch value") << "1"
                                        << "http://127.0.0.1:5000"
                                        << "";
    QTest::newRow("loopback without scheme") << on << "127.0.0.1:5000"
                                             << "127.0.0.1:5000";
    QTest::newRow("127/8") << on << "http://127.5.6.7"
                           << "http://127.5.6.7";
    QTest::newRow("localhost") << on << "https://LOCALHOST:1/"
                               << "https://LOCALHOST:1/";
    QTest::newRow("IPv6 loopback") << on << "http://[::1]:99/"
                                   << "http://[::1]:99/";
    QTest::newRow("another host") << on << "http://example.org" << none;
    QTest::newRow("loopback as user name") << on << "http://127.0.0.1@example.org" << none;
    QTest::newRow("loopback-like host name") << on << "http://127.0.0.1.example.org" << none;
    QTest::newRow("private network") << on << "http://10.0.0.1/" << none;
    QTest::newRow("missing") << on << "" << none;
}

void TestUpdateCheck::override()
{
    QFETCH(QString, mode);
    QFETCH(QString, address);
    QFETCH(QString, taken);
    QProcessEnvironment environment;
    environment.insert("CLIPWISE_TEST_SERVICES", mode);
    environment.insert("CLIPWISE_TEST_PRIMARY_BASE", address);
    environment.insert("CLIPWISE_TEST_METRICS_HOST", address);
    const ServiceAddresses got = serviceAddressesFromEnvironment(environment);
    const ServiceAddresses shipped = builtInServiceAddresses();
    QCOMPARE(got.primaryServiceBase, taken.isEmpty() ? shipped.primaryServiceBase : taken);
    QCOMPARE(got.metricsHost, taken.isEmpty() ? shipped.metricsHost : taken);
    if (!taken.isEmpty())
        QCOMPARE(got.webSite, QString(unreachableTestAddress));
    // The shipped bases unscramble, and the downloader takes them as they are.
    QVERIFY(shipped.fallbackServiceBase.startsWith("http://"));
    QCOMPARE(usageReportAddress("https://m", false, "Clip Wise"), QString("https://m/?a=clipwise"));
}

QTEST_APPLESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
