// The quit-time reminder and its answers, now and asked for later, the share and follow buttons,
// the message box, dialogs over the capture screen, the About dialog and the introduction.
#include "aboutdialog.h"
#include "app.h"
#include "dialogrunner.h"
#include "helpdialog.h"
#include "helpdisplay.h"
#include "helpviewarea.h"
#include "joinwidget.h"
#include "mmessagebox.h"
#include "reminderdialog.h"
#include "reminderschedule.h"
#include "tellwidget.h"
#include "testkit.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace QMWidgets;
using namespace TestSupport;

namespace {

// One program run: a fresh application object arms the reminder as main() does and quits.
QStringList quitOnce(int interval, int kinds, int answer)
{
    auto app = makeApp();
    ModalAnswerer answerer([answer](QDialog *dialog) {
        auto *d = static_cast<ReminderDialog *>(dialog);
        if (answer == StateMail) // the rate prompt hides its mail button
            d->slotMail();
        else if (answer == StateNone)
            QTest::keyClick(d, Qt::Key_Escape);
        else
            QList<QPushButton *>{d->rate(), nullptr, d->later(), d->never()}[answer]->click();
    });
    app->setReminder(interval, kinds);
    QTimer::singleShot(0, app.get(), &QCoreApplication::quit);
    app->exec();
    return answerer.shown;
}

QList<QPushButton *> buttonsInOrder(QWidget *box)
{
    QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    return buttons;
}

} // namespace

class TestEngagement final : public QObject
{
    Q_OBJECT

private slots:
    // The loopback stand-in for the maker's server, with the slash its base addresses end in.
    void initTestCase() { qputenv("CLIPWISE_TEST_APP_WEB_SERVER", "http://127.0.0.1:9/"); }
    void init() { QSettings("Velmora", "Clipwise").clear(); }

    void kindChoice_data()
    {
        QTest::addColumn<int>("kinds");
        QTest::addColumn<bool>("store");
        QTest::addColumn<quint32>("draw");
        QTest::addColumn<int>("kind");
        QTest::newRow("8 rates in the store edition") << 8 << true << 0u << int(Rate);
        QTest::newRow("rate or share, even draw") << 3 << false << 4u << int(Rate);
        QTest::newRow("rate or follow, odd draw") << 5 << false << 9u << int(Join);
        QTest::newRow("follow or share, even draw") << 6 << false << 0u << int(Join);
        QTest::newRow("all three, remainder 0") << 7 << false << 9u << int(Rate);
        QTest::newRow("all three, remainder 1") << 7 << false << 10u << int(Tell);
        QTest::newRow("all three, remainder 2") << 7 << false << 11u << int(Join);
    }
    void kindChoice()
    {
        QFETCH(int, kinds);
        QFETCH(bool, store);
        QFETCH(quint32, draw);
        QTEST(chooseReminderKind(kinds, store, [draw] { return draw; }), "kind");
    }
    void overSixQuits_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("kinds");
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("answer");          // at every prompt; StateNone: Escape
        QTest::addColumn<QList<int>>("prompted"); // the quits that showed the kinds' prompt
        QTest::addColumn<QString>("link");        // part of the one link opened, if any
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<int>("after");
        const int later = StateMaybeLater, never = StateNeverAskMeAgain;
        QTest::newRow("fresh settings, later: prompts at quits 2, 4, 6")
            << 2 << 1 << 1 << later << QList<int>{2, 4, 6} << "" << true << 7;
        QTest::newRow("largest counter wraps to 1") << 2 << 1 << std::numeric_limits<int>::max()
                                                    << later << QList<int>{3, 5} << "" << true << 6;
        QTest::newRow("interval below 1 prompts at every quit")
            << 0 << 1 << 1 << later << QList<int>{1, 2, 3, 4, 5, 6} << "" << true << 7;
        QTest::newRow("rate opens the rate page, no more prompts")
            << 2 << 1 << 2 << int(StateRate) << QList<int>{1} << "/rate.php?appname=clipwise"
            << false << 3;
        QTest::newRow("mail writes to the maker, no more prompts")
            << 2 << 1 << 2 << int(StateMail) << QList<int>{1} << "?subject=Contact (Clipwise 1.8) "
            << false << 3;
        QTest::newRow("don't ask again")
            << 2 << 1 << 2 << never << QList<int>{1} << "" << false << 3;
        QTest::newRow("Escape is no answer")
            << 2 << 1 << 2 << int(StateNone) << QList<int>{1, 3, 5} << "" << true << 8;
        QTest::newRow("kinds 8: Close on the share prompt is no answer")
            << 2 << 8 << 2 << int(StateRate) << QList<int>{1, 3, 5} << "" << true << 8;
        QTest::newRow("follow prompt: don't ask again")
            << 2 << 4 << 2 << never << QList<int>{1} << "" << false << 3;
    }
    void overSixQuits()
    {
        QFETCH(int, interval);
        QFETCH(int, kinds);
        QFETCH(int, counter);
        QFETCH(int, answer);
        QFETCH(QString, link);
        QSettings settings("Velmora", "Clipwise"); // sees the application's writes at once
        if (counter != 1) // otherwise the settings stay fresh: the defaults count
            settings.setValue("Clipwise/AutoReminderCount", counter);
        const QStringList prompt{kinds == Rate   ? "QMWidgets::RateAppStoreDialog"
                                 : kinds == Join ? "QMWidgets::JoinReminderDialog"
                                                 : "QMWidgets::TellReminderDialog"};
        LinkRecorder recorder;
        QList<int> seen;
        for (int quit = 1; quit <= 6; ++quit) {
            const QStringList shown = quitOnce(interval, kinds, answer);
            if (!shown.isEmpty())
                seen << quit;
            QVERIFY(shown.isEmpty() || shown == prompt);
        }
        QTEST(seen, "prompted");
        QCOMPARE(recorder.links.size(), link.isEmpty() ? 0 : 1);
        QVERIFY(recorder.links.join(QString()).contains(link));
        QTEST(settings.value("Clipwise/AutoReminder", true).toBool(), "wanted");
        QTEST(settings.value("Clipwise/AutoReminderCount").toInt(), "after");
    }
    void reminderAskedForLater() // after its delay, once, of the kind asked for last
    {
        auto app = makeApp();
        QSettings settings("Velmora", "Clipwise");
        settings.setValue("Clipwise/AutoReminderCount", 10); // due at the default interval
        ModalAnswerer answerer([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
        for (const char *request : {"slotCallTellReminder", "slotCallJoinReminder"})
            QMetaObject::invokeMethod(app.get(), request);
        QTest::qWait(app->reminderDelayValue() / 2);
        QVERIFY(answerer.shown.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(answerer.shown, QStringList{"QMWidgets::JoinReminderDialog"},
                                  9000);
        QCOMPARE(settings.value("Clipwise/AutoReminderCount").toInt(), 11);
    }
    void shareAndFollowButtons() // share where a link is known and by e-mail; follow
    {
        const auto app = makeApp();
        app->language(); // settled, then chosen
        for (const QString language : {"en", "ru"}) {
            app->setLanguageCode(language);
            TellWidget tell;
            JoinWidget join(nullptr, false);
            QStringList shown;
            for (const QPushButton *b :
                 tell.findChildren<QPushButton *>() + join.findChildren<QPushButton *>())
                if (!b->isHidden())
                    shown << b->objectName();
            QCOMPARE(shown.join(' '), "FaceBookShareButton TwitterShareButton EmailShareButton "
                                      "YouTubeJoinButton FaceBookJoinButton TwitterJoinButton" +
                                          QString(language == "ru" ? " VKontakteJoinButton" : ""));
        }
    }
    void messageBoxButtons()
    {
        auto app = makeApp();
        // Run a second time on a small X screen, where the buttons stack (see CMakeLists.txt).
        const bool small = qEnvironmentVariableIsSet("CLIPWISE_EXPECT_SMALL_SCREEN");
        QCOMPARE(isSmallScreen(), small);
        // A bit alone makes one button answering with it, or none; last, every bit and the user's.
        QStringList alone, all;
        for (int i = 0; i <= 30; ++i) {
            const bool last = i == 30;
            MMessageBox box(MMessageBox::Question, "Title", "Text", last ? 0x3fffffff : 1 << i,
                            nullptr, last ? "Mine" : "");
            const int before = alone.size();
            ModalAnswerer answerer([&](QDialog *d) {
                const QList<QPushButton *> buttons = buttonsInOrder(d);
                for (QPushButton *b : buttons) { // one row, or one column on a small screen
                    (last ? all : alone) << b->text();
                    QCOMPARE(small ? b->x() : b->y(), small ? buttons[0]->x() : buttons[0]->y());
                }
                buttons.isEmpty() ? QTest::keyClick(d, Qt::Key_Escape) : buttons.last()->click();
            });
            const int result = box.exec(); // before what the box showed is judged
            QCOMPARE(result, last                    ? int(MMessageBox::UserDefinedResult)
                             : alone.size() > before ? 1 << i
                                                     : 0);
        }
        QCOMPARE(alone, QString("Ok Yes YesAll No NoAll Abort Retry Ignore Cancel").split(' '));
        QCOMPARE(all, QString("Ok Cancel No Yes Abort Retry Ignore YesAll NoAll Mine").split(' '));
    }
    void dialogsOverTheCaptureScreenTakeItsInput() // until the last one over it has closed
    {
        auto app = makeApp();
        QWidget owner;
        owner.show();
        auto *about = new QDialog(&owner), *update = new QDialog(&owner);
        bool inner = false, outer = false;
        QTimer::singleShot(0, about, [&] {
            QTimer::singleShot(0, update, [&] {
                inner = !owner.isEnabled() && update->isEnabled() && about->isEnabled();
                update->done(7);
            });
            outer = runWithoutModality(update) == 7 && !owner.isEnabled() && about->isVisible();
            about->reject();
        });
        QCOMPARE(runWithoutModality(about), 0);
        QVERIFY(inner && outer && owner.isEnabled());
    }
    void aboutPagesLicenceAndLinks()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("LICENSE.LGPL"));
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write("LESSER <https://fsf.org/>\n  kept\n\0tail", 37) && file.flush());
        const auto app = makeApp(dir.path());
        LinkRecorder recorder;
        app->slotShowPrivacyPolicy(); // an empty link opens nothing
        AboutDialog dialog;
        dialog.show();
        const QSize size = dialog.size();
        auto *legal = dialog.findChild<QTextBrowser *>();
        auto *logo = dialog.findChild<QLabel *>("LogoLabel");
        QPushButton *toggle = buttonsInOrder(&dialog).first();
        for (int round = 0; round < 2; ++round) {
            toggle->click();
            QVERIFY(legal->isVisible() && logo->isHidden());
            QVERIFY(legal->toPlainText().contains("This Application Uses:"));
            QCOMPARE(dialog.size(), size);
            if (round == 0) { // the notice's own link to the licence
                const QString html = legal->toHtml();
                const int at = html.indexOf("file://");
                emit legal->anchorClicked(QUrl(html.mid(at, html.indexOf('"', at) - at)));
                QTest::keyClicks(legal, "typed");
                const QString text = legal->toPlainText();
                QVERIFY2(text.startsWith("LESSER <https://fsf.org/>\n  kept") &&
                             !text.contains("tail") && !text.contains("typed"),
                         qPrintable(text));
                QVERIFY(recorder.links.isEmpty());
            }
            toggle->click();
            QVERIFY(logo->isVisible() && legal->isHidden());
            QCOMPARE(dialog.size(), size);
        }
        JoinWidget join(nullptr, false); // a follow button opens its page and springs back
        join.youTubeButton()->click(), join.twitterButton()->click();
        QVERIFY(!join.youTubeButton()->isChecked() && !join.twitterButton()->isChecked());
        QCOMPARE(recorder.links.size(), 2);
    }
    void introductionSlideShow()
    {
        auto app = makeApp();
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("b@2x.png")).open(QIODevice::WriteOnly));
        QCOMPARE(slideFileForRatio(dir.filePath("b.png"), 2), dir.filePath("b@2x.png"));
        QCOMPARE(slideOffset({400, 300}, {200, 100}), QPoint(100, 100)); // centred
        auto dialog = std::make_unique<HelpDialog>(nullptr, false);
        for (const char *slide : {"a.png", "b.png", "c.png"})
            dialog->addSlide(slide);
        HelpViewArea *area = dialog->helpViewArea();
        dialog->show();
        QStringList shown{area->helpDisplay()->slide()};
        for (int i = 0; i < 3; ++i) {
            QMetaObject::invokeMethod(area->timer(), "timeout"); // five seconds later
            shown << area->helpDisplay()->slide();
        }
        QCOMPARE(shown, (QStringList{"a.png", "b.png", "c.png", "a.png"}));
        area->findChildren<QPushButton *>().at(1)->click(); // by hand: stops the show
        QVERIFY(area->helpDisplay()->slide() == "b.png" && !area->timer()->isActive());
        QVERIFY(dialog->skip()->isVisible());
        dialog->skip()->click();
        dialog = std::make_unique<HelpDialog>(nullptr, false);
        dialog->show();
        QVERIFY(!dialog->skip()->isVisible());
    }
};

QTEST_APPLESS_MAIN(TestEngagement)
#include "tst_engagement.moc"
