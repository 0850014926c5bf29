// The update check's rules without a network: reading the answer and deciding, the stamp, the
// scrambler that stores it, and the loopback-only override of the service addresses.
#include "serviceaddresses.h"
#include "textscrambler.h"
#include "updatecheck.h"
#include "usagereport.h"

#include <QtTest>

using namespace QMWidgets;

class TestUpdateCheck final : public QObject
{
    Q_OBJECT

private slots:
    void decision_data()
    {
        QTest::addColumn<QString>("answer"); // percent-encoded, for the NUL byte
        QTest::addColumn<bool>("newer");     // than a build of 2 October 2019, on 00_C0
        QTest::newRow("older code") << "build:1;date:2020-01-31;windows:00_A0" << true;
        QTest::newRow("same code") << "build:1;date:2020-01-31;windows:00_C0" << true;
        QTest::newRow("newer code") << "build:1;date:2020-01-31;windows:00_D0" << false;
        QTest::newRow("all") << "build:1;date:2020-01-31;windows:all" << true;
        QTest::newRow("no _ in the code") << "build:1;date:2020-01-31;windows:0" << false;
        QTest::newRow("a match stays")
            << "build:1;windows:00_90;windows:00_D0;date:2020-01-31" << true;
        QTest::newRow("blank before :") << "build :1;date:2020-01-31;windows:all" << false;
        QTest::newRow("blanks go") << "build:1\r\n;\tdate : 2020-01-31 ;windows:all" << true;
        QTest::newRow("last field") << "build:1;date:x:2020-01-31;windows:all" << true;
        QTest::newRow("2019:10:02 is 02") << "build:1;date:2019:10:02;windows:all" << false;
        QTest::newRow("no colon") << "build:1;windows;date:2020-01-31;windows:all" << true;
        QTest::newRow("case counts") << "build:1;DATE:2020-01-31;windows:all" << false;
        QTest::newRow("later date wins")
            << "build:1;date:2020-01-31;date:2019-01-01;windows:all" << false;
        QTest::newRow("build day") << "build:1;date:2019-10-02;windows:all" << false;
        QTest::newRow("day after") << "build:1;date:2019-10-03;windows:all" << true;
        QTest::newRow("NUL ends it") << "build:1;windows:all%00;date:2020-01-31" << false;
    }
    void decision()
    {
        QFETCH(QString, answer);
        QFETCH(bool, newer);
        const QString text = buildInfoText(QByteArray::fromPercentEncoding(answer.toLatin1()));
        QCOMPARE(offersNewerBuild(parseBuildInfo(text, "00_C0"), QDate(2019, 10, 2)), newer);
        QCOMPARE(parseBuildInfo("build:6;build:x:7", "").build, QString("7"));
    }

    void stamp_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("verdict");
        const QDate day(2031, 5, 20);
        QTest::newRow("none") << QString() << int(StampVerdict::Missing);
        QTest::newRow("corrupt") << "v!!x" << int(StampVerdict::Missing);
        QTest::newRow("not scrambled") << plainStamp(day) << int(StampVerdict::Missing);
        QTest::newRow("no date") << scrambleText("day;abcdefg") << int(StampVerdict::Missing);
        QTest::newRow("5 days") << scrambleText(plainStamp(day.addDays(-5)))
                                << int(StampVerdict::Resting);
        QTest::newRow("6 days") << scrambleText(plainStamp(day.addDays(-6)))
                                << int(StampVerdict::Due);
        QTest::newRow("future") << scrambleText(plainStamp(day.addDays(3)))
                                << int(StampVerdict::Resting);
    }
    void stamp()
    {
        QFETCH(QString, stored);
        QFETCH(int, verdict);
        QCOMPARE(int(judgeStamp(stampDate(stored), QDate(2031, 5, 20))), verdict);
        const QString plain = plainStamp(QDate(2031, 5, 20));
        QVERIFY2(QRegularExpression("^2031-05-20;[^;\\s]{7}$").match(plain).hasMatch(),
                 qPrintable(plain));
    }

    void scramblerRoundTrip()
    {
        QSet<QChar> used;
        for (int i = 0; i < 300; ++i) {
            const QString plain = QString(i % 40, QChar(0x20 + i)) + "\u4f60" + QChar(0) + "tail";
            const QString scrambled = scrambleText(plain);
            QCOMPARE(unscrambleText(scrambled), plain);
            QVERIFY(!scrambled.contains(plain.left(3)));
            used.unite(QSet<QChar>(scrambled.begin() + 1, scrambled.end()));
        }
        QCOMPARE(used.size(), 64); // every character of the scrambled form occurred above
    }

    void scramblerRejects_data()
    {
        QTest::addColumn<QString>("value");
        const QString good = scrambleText("2031-05-20;abcdefg");
        QTest::newRow("changed") << QString(good).replace(5, 1, good[5] == 'A' ? "B" : "A");
        QTest::newRow("cut short") << good.left(good.size() - 3);
        QTest::newRow("unknown mark") << "x" + good.mid(1);
        QTest::newRow("padding") << good + "=";
        QTest::newRow("outside the alphabet") << QString(good).insert(4, '+');
        QTest::newRow("plain text") << "2031-05-20;abcdefg";
    }
    void scramblerRejects()
    {
        QFETCH(QString, value);
        QVERIFY(unscrambleText(value).isNull());
    }

    void override_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("taken"); // "" for the shipped address
        const QString on = "loopback-only", none = unreachableTestAddress;
        QTest::newRow("no switch") << ""
                                   << "http://127.0.0.1:5"
                                   << "";
        QTest::newRow("other switch") << "1"
                                      << "http://127.0.0.1:5"
                                      << "";
        QTest::newRow("no scheme") << on << "127.0.0.1:5"
                                   << "127.0.0.1:5";
        QTest::newRow("127/8") << on << "http://127.5.6.7"
                               << "http://127.5.6.7";
        QTest::newRow("localhost") << on << "https://LOCALHOST:1/"
                                   << "https://LOCALHOST:1/";
        QTest::newRow("IPv6") << on << "http://[::1]:99/"
                              << "http://[::1]:99/";
        QTest::newRow("another host") << on << "http://example.org" << none;
        QTest::newRow("user name") << on << "http://127.0.0.1@example.org" << none;
        QTest::newRow("host name") << on << "http://127.0.0.1.example.org" << none;
        QTest::newRow("private network") << on << "http://10.0.0.1/" << none;
        QTest::newRow("missing") << on << "" << none;
    }
    void override()
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
        QCOMPARE(got.webSite, taken.isEmpty() ? shipped.webSite : QString(unreachableTestAddress));
        // The shipped bases unscramble, and the downloader takes them as they are.
        QVERIFY(shipped.fallbackServiceBase.startsWith("http://"));
        QCOMPARE(usageReportAddress("https://m", false, "Clip Wise"),
                 QString("https://m/?a=clipwise"));
    }
};

QTEST_APPLESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
