// The decisions behind the reminder and the link texts, without any window.
#include "engagementlinks.h"
#include "helpdisplay.h"
#include "reminderschedule.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

using namespace QMWidgets;

class TestReminderSchedule final : public QObject
{
    Q_OBJECT

private slots:
    void kindChoice_data();
    void kindChoice();
    void allThreeKindsAreChosenAboutEquallyOften();
    void timeSeededChoiceStaysWithinTheOfferedKinds();
    void dueQuits_data();
    void dueQuits();
    void counterAdvance_data();
    void counterAdvance();
    void answers_data();
    void answers();
    void storeEditionNeedsNoMarkerAndNoIndependentBuild();
    void windowsNames_data();
    void windowsNames();
    void videoFallback_data();
    void videoFallback();
    void storeProductLookup_data();
    void storeProductLookup();
    void slideFitting_data();
    void slideFitting();
    void sharpSlideFileAtRatioTwo();
};

void TestReminderSchedule::kindChoice_data()
{
    QTest::addColumn<int>("kinds");
    QTest::addColumn<bool>("store");
    QTest::addColumn<quint32>("draw");
    QTest::addColumn<int>("kind");
    QTest::newRow("8 in the store edition rates") << 8 << true << 0u << int(Rate);
    QTest::newRow("8 elsewhere shares") << 8 << false << 0u << int(Tell);
    QTest::newRow("rate only") << 1 << false << 5u << int(Rate);
    QTest::newRow("share only") << 2 << false << 5u << int(Tell);
    QTest::newRow("follow only") << 4 << false << 5u << int(Join);
    QTest::newRow("rate or share, even") << 3 << false << 4u << int(Rate);
    QTest::newRow("rate or share, odd") << 3 << false << 7u << int(Tell);
    QTest::newRow("rate or follow, even") << 5 << false << 2u << int(Rate);
    QTest::newRow("rate or follow, odd") << 5 << false << 9u << int(Join);
    QTest::newRow("follow or share, even") << 6 << false << 0u << int(Join);
    QTest::newRow("follow or share, odd") << 6 << false << 1u << int(Tell);
    QTest::newRow("all three, remainder 0") << 7 << false << 9u << int(Rate);
    QTest::newRow("all three, remainder 1") << 7 << false << 10u << int(Tell);
    QTest::newRow("all three, remainder 2") << 7 << false << 11u << int(Join);
}

void TestReminderSchedule::kindChoice()
{
    QFETCH(int, kinds);
    QFETCH(bool, store);
    QFETCH(quint32, draw);
    QFETCH(int, kind);
    int draws = 0;
    QCOMPARE(chooseReminderKind(kinds, store,
                                [&] {
                                    ++draws;
                                    return draw;
                                }),
             kind);
    // Single kinds and 8 draw nothing; combinations draw exactly once.
    const bool combination = kinds == 3 || kinds == 5 || kinds == 6 || kinds == 7;
    QCOMPARE(draws, combination ? 1 : 0);
}

void TestReminderSchedule::allThreeKindsAreChosenAboutEquallyOften()
{
    QRandomGenerator generator(20191002);
    QMap<int, int> counts;
    const int runs = 3000;
    for (int i = 0; i < runs; ++i)
        ++counts[chooseReminderKind(7, false, [&] { return generator.generate() & 0x7fffffffu; })];
    QCOMPARE(counts.keys(), (QList<int>{Rate, Tell, Join}));
    for (int n : counts)
        QVERIFY2(n > runs / 3 - 150 && n < runs / 3 + 150, qPrintable(QString::number(n)));
}

void TestReminderSchedule::timeSeededChoiceStaysWithinTheOfferedKinds()
{
    for (int i = 0; i < 50; ++i) {
        const int kind = chooseReminderKind(5, false);
        QVERIFY(kind == Rate || kind == Join);
    }
}

void TestReminderSchedule::dueQuits_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("due");
    QTest::newRow("first quit of two") << 1 << 2 << false;
    QTest::newRow("second quit of two") << 2 << 2 << true;
    QTest::newRow("tenth of ten") << 10 << 10 << true;
    QTest::newRow("ninth of ten") << 9 << 10 << false;
    QTest::newRow("interval 0 is taken as 1") << 7 << 0 << true;
    QTest::newRow("negative interval is taken as 1") << 3 << -4 << true;
}

void TestReminderSchedule::dueQuits()
{
    QFETCH(int, counter);
    QFETCH(int, interval);
    QFETCH(bool, due);
    QCOMPARE(isReminderDue(counter, interval), due);
    QVERIFY(sanitizedReminderInterval(interval) >= 1);
}

void TestReminderSchedule::counterAdvance_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("next");
    QTest::newRow("fresh") << 1 << 2;
    QTest::newRow("ordinary") << 41 << 42;
    QTest::newRow("largest wraps to 1") << std::numeric_limits<int>::max() << 1;
}

void TestReminderSchedule::counterAdvance()
{
    QFETCH(int, counter);
    QFETCH(int, next);
    QCOMPARE(nextReminderCount(counter), next);
}

void TestReminderSchedule::answers_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("rate");
    QTest::addColumn<bool>("mail");
    QTest::addColumn<bool>("stop");
    QTest::newRow("rate") << int(StateRate) << true << false << true;
    QTest::newRow("mail") << int(StateMail) << false << true << true;
    QTest::newRow("later") << int(StateMaybeLater) << false << false << false;
    QTest::newRow("never") << int(StateNeverAskMeAgain) << false << false << true;
    QTest::newRow("closed") << int(StateNone) << false << false << false;
}

void TestReminderSchedule::answers()
{
    QFETCH(int, state);
    QFETCH(bool, rate);
    QFETCH(bool, mail);
    QFETCH(bool, stop);
    const ReminderAnswer answer = reminderAnswer(state);
    QCOMPARE(answer.openRateLink, rate);
    QCOMPARE(answer.openContactMail, mail);
    QCOMPARE(answer.stopReminders, stop);
}

void TestReminderSchedule::storeEditionNeedsNoMarkerAndNoIndependentBuild()
{
    QTemporaryDir dir;
    const QString resources = dir.path() + QStringLiteral("/");
    QVERIFY(isStoreEditionFor(false, resources));
    QVERIFY(!isStoreEditionFor(true, resources));
    QFile marker(resources + QStringLiteral("independent"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    QVERIFY(!isStoreEditionFor(false, resources));
}

void TestReminderSchedule::windowsNames_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("name");
    QTest::newRow("2000") << 0x20 << "2000";
    QTest::newRow("XP") << 0x30 << "XP";
    QTest::newRow("2003") << 0x40 << "2003";
    QTest::newRow("Vista") << 0x80 << "Vista";
    QTest::newRow("7") << 0x90 << "7";
    QTest::newRow("8") << 0xa0 << "8";
    QTest::newRow("8.1") << 0xb0 << "8.1";
    QTest::newRow("10") << 0xc0 << "10";
    QTest::newRow("unknown in decimal") << 0x100 << "(256)";
}

void TestReminderSchedule::windowsNames()
{
    QFETCH(int, value);
    QFETCH(QString, name);
    QCOMPARE(windowsVersionName(value), name);
    const QString subject =
        contactMail("a@b.test", "Clipwise", "1.8", "Win " + windowsVersionName(value), "en", false);
    QCOMPARE(subject, "mailto:a@b.test?subject=Contact (Clipwise 1.8) Win " + name + " en I&body=");
}

void TestReminderSchedule::videoFallback_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("fallback");
    QTest::newRow("short link, German page") << "de"
                                             << "https://youtu.be/abc123"
                                             << "http://velmora.de/video.php?view=abc123";
    QTest::newRow("watch link, Italian page") << "it"
                                              << "https://www.youtube.com/watch?v=xyz"
                                              << "http://velmora.it/video.php?view=xyz";
    QTest::newRow("other language uses org") << "pt"
                                             << "https://youtu.be/q"
                                             << "http://velmora.org/video.php?view=q";
    QTest::newRow("other link unchanged") << "en"
                                          << "https://vimeo.com/1"
                                          << "https://vimeo.com/1";
}

void TestReminderSchedule::videoFallback()
{
    QFETCH(QString, language);
    QFETCH(QString, link);
    QFETCH(QString, fallback);
    QCOMPARE(videoFallbackLink(link, videoPageAddress(domainLabel("velmora.com"), language)),
             fallback);
}

void TestReminderSchedule::storeProductLookup_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("link");
    const QString own = QStringLiteral("ms-windows-store://pdp/?productid=9NCLIPWISE18");
    QTest::newRow("last segment") << "http://velmora.org/clipwise" << own;
    QTest::newRow("one trailing slash dropped") << "http://velmora.org/CLIPWISE/" << own;
    QTest::newRow("bare identifier") << "clipwise" << own;
    QTest::newRow("two trailing slashes leave an empty segment")
        << "http://velmora.org/clipwise//" << QString();
    QTest::newRow("unknown") << "http://velmora.org/other" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestReminderSchedule::storeProductLookup()
{
    QFETCH(QString, address);
    QFETCH(QString, link);
    const QMap<QString, QString> table{
        {QStringLiteral("clipwise"), QStringLiteral("9NCLIPWISE18")}};
    QCOMPARE(storeProductLink(table, address), link);
    if (!link.isEmpty())
        QCOMPARE(storeReviewLink(link),
                 QStringLiteral("ms-windows-store://review/?ProductId=9NCLIPWISE18"));
}

void TestReminderSchedule::slideFitting_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("taller picture: area height, centred across")
        << QSize(100, 400) << QSize(400, 300) << 1 << QSize(75, 300) << QPoint(162, 0);
    QTest::newRow("wider picture: area width, centred down")
        << QSize(800, 200) << QSize(400, 300) << 1 << QSize(400, 100) << QPoint(0, 100);
    QTest::newRow("ratio 2 keeps full resolution")
        << QSize(800, 600) << QSize(400, 300) << 2 << QSize(800, 600) << QPoint(0, 0);
}

void TestReminderSchedule::slideFitting()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, area);
    QFETCH(int, ratio);
    QFETCH(QSize, pixels);
    QFETCH(QPoint, offset);
    QImage source(picture, QImage::Format_RGB32);
    source.fill(Qt::red);
    const QImage fitted = fittedSlide(source, area, ratio);
    QCOMPARE(fitted.size(), pixels);
    QCOMPARE(fitted.devicePixelRatio(), qreal(ratio));
    QCOMPARE(slideOffset(area, fitted.size() / ratio), offset);
}

void TestReminderSchedule::sharpSlideFileAtRatioTwo()
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("slide.png"));
    const QString sharp = dir.filePath(QStringLiteral("slide@2x.png"));
    QCOMPARE(slideFileForRatio(plain, 2), plain); // no sharp file yet
    QFile file(sharp);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(slideFileForRatio(plain, 1), plain);
    QCOMPARE(slideFileForRatio(plain, 2), sharp);
}

QTEST_APPLESS_MAIN(TestReminderSchedule)
#include "tst_reminderschedule.moc"
