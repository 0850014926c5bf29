// The update check offline: the answer and the decision, build date, stored stamp, test addresses.
#include "builddate.h"
#include "serviceaddresses.h"
#include "textscrambler.h"
#include "updatecheck.h"

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
        QTest::newRow("no _ in code") << "build:1;date:2020-01-31;windows:0" << false;
        QTest::newRow("match stays") << "build:1;windows:00_9;windows:00_D;date:2020-01-31" << true;
        QTest::newRow("blank before :") << "build :1;date:2020-01-31;windows:all" << false;
        QTest::newRow("blanks go") << "build:1\r\n;\tdate : 2020-01-31 ;windows:all" << true;
        QTest::newRow("last field") << "build:1;date:x:2020-01-31;windows:all" << true;
        QTest::newRow("case counts") << "build:1;DATE:2020-01-31;windows:all" << false;
        QTest::newRow("last date")
            << "build:1;date:2020-01-31;date:2019-01-01;windows:all" << false;
        QTest::newRow("build day") << "build:1;date:2019-10-02;windows:all" << false;
        QTest::newRow("day after") << "build:1;date:2019-10-03;windows:all" << true;
        QTest::newRow("NUL ends it") << "build:1;windows:all%00;date:2020-01-31" << false;
    }
    void decision()
    {
        QFETCH(QString, answer);
        const QString text = buildInfoText(QByteArray::fromPercentEncoding(answer.toLatin1()));
        QTEST(offersNewerBuild(parseBuildInfo(text, "00_C0"), QDate(2019, 10, 2)), "newer");
    }
    void stamp_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("verdict");
        const int missing = int(StampVerdict::Missing), resting = int(StampVerdict::Resting);
        // Altered past its date, so that the value taken wrongly would still give a date.
        const QString good = scrambleText("2031-05-20;abcdefg");
        QTest::newRow("not scrambled") << plainStamp(QDate(2031, 5, 1)) << missing;
        QTest::newRow("no date") << scrambleText("day;abcdefg") << missing;
        QTest::newRow("today") << good << resting;
        QTest::newRow("changed") << QString(good).replace(20, 1, good[20] == 'A' ? "B" : "A")
                                 << missing;
        QTest::newRow("cut short") << good.left(good.size() - 3) << missing;
        QTest::newRow("unknown mark") << "x" + good.mid(1) << missing;
        QTest::newRow("padding") << good + "=" << missing;
        QTest::newRow("outside the alphabet") << QString(good).insert(20, '+') << missing;
        QTest::newRow("future") << scrambleText(plainStamp(QDate(2031, 5, 23))) << resting;
    }
    void stamp()
    {
        QFETCH(QString, stored);
        QTEST(int(judgeStamp(stampDate(stored), QDate(2031, 5, 20))), "verdict");
    }
    void buildDate_data()
    {
        QTest::addColumn<QString>("text"); // as the compiler writes the date
        QTest::addColumn<QDate>("date");
        QTest::newRow("two blanks before one digit") << "Oct  2 2019" << QDate(2019, 10, 2);
        QTest::newRow("first month") << "Jan 31 2020" << QDate(2020, 1, 31);
        QTest::newRow("last month") << "Dec 1 2026" << QDate(2026, 12, 1);
        QTest::newRow("no such month") << "Okt 2 2019" << QDate();
        QTest::newRow("no such day") << "Feb 30 2020" << QDate();
    }
    void buildDate()
    {
        QFETCH(QString, text);
        QTEST(buildDateFromCompilerText(text), "date");
    }
    void override_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("taken"); // else the shipped address, or none when switched on
        const QString on = "loopback-only";
        QTest::newRow("no switch") << QString() << "http://127.0.0.1:5" << false;
        QTest::newRow("other switch") << QString("1") << "http://127.0.0.1:5" << false;
        QTest::newRow("no scheme") << on << "127.0.0.1:5" << true;
        QTest::newRow("localhost") << on << "https://LOCALHOST:1/" << true;
        QTest::newRow("IPv6") << on << "http://[::1]:99/" << true;
        QTest::newRow("another host") << on << "http://example.org" << false;
        QTest::newRow("user name") << on << "http://127.0.0.1@example.org" << false;
        QTest::newRow("host name") << on << "http://127.0.0.1.example.org" << false;
        QTest::newRow("private network") << on << "http://10.0.0.1/" << false;
        QTest::newRow("missing") << on << "" << false;
    }
    void override()
    {
        QFETCH(QString, mode);
        QFETCH(QString, address);
        QFETCH(bool, taken);
        QProcessEnvironment environment;
        environment.insert("CLIPWISE_TEST_SERVICES", mode);
        environment.insert("CLIPWISE_TEST_METRICS_HOST", address);
        const QString got = serviceAddressesFromEnvironment(environment).metricsHost;
        const QString none = mode.isEmpty() || mode == "1" ? builtInServiceAddresses().metricsHost
                                                           : unreachableTestAddress;
        QCOMPARE(got, taken ? address : none);
        // The shipped bases unscramble, and the downloader takes them as they are.
        QVERIFY(builtInServiceAddresses().fallbackServiceBase.startsWith("http://"));
    }
};

QTEST_APPLESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
