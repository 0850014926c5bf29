// The quit-time reminder over simulated runs and the answers to its prompts, the message box,
// the About dialog's pages and licence, and the introduction's slide show.
#include "aboutdialog.h"
#include "app.h"
#include "editormessages.h"
#include "helpdialog.h"
#include "helpdisplay.h"
#include "helpviewarea.h"
#include "joinwidget.h"
#include "mmessagebox.h"
#include "reminderdialog.h"
#include "reminderschedule.h"
#include "smallscreen.h"
#include "testkit.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>
#include <QtTest>

#include <limits>

using namespace QMWidgets;
using namespace TestSupport;

namespace {

// One program run: a fresh application object arms the reminder as main() does and quits.
QStringList quitOnce(int interval, int kinds, const std::function<void(ReminderDialog *)> &answer)
{
    auto app = makeApp();
    ModalAnswerer answerer([&answer](QDialog *d) { answer(static_cast<ReminderDialog *>(d)); });
    app->setReminder(interval, kinds);
    QTimer::singleShot(0, app.get(), &QCoreApplication::quit);
    app->exec();
    return answerer.shown;
}

QVariant stored(const char *key, const QVariant &absent = QVariant())
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Clipwise")).value(key, absent);
}

void store(const char *key, const QVariant &value)
{
    QSettings(QStringLiteral("Velmora"), QStringLiteral("Clipwise")).setValue(key, value);
}

QList<QPushButton *> buttonsInOrder(QWidget *box)
{
    QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    return buttons;
}

class ResourceApp final : public App
{
public:
    ResourceApp(int &argc, char **argv, const QString &dir) : App(argc, argv, "Velmora", "Clipwise")
    {
        resourceDir = dir + QLatin1Char('/');
        composeQtNotice();
    }
};

} // namespace

class TestEngagement final : public QObject
{
    Q_OBJECT

private slots:
    // The loopback stand-in for the maker's server, with the slash its base addresses end in.
    void initTestCase() { qputenv("CLIPWISE_TEST_APP_WEB_SERVER", "http://127.0.0.1:9/"); }
    void init() { QSettings(QStringLiteral("Velmora"), QStringLiteral("Clipwise")).clear(); }
    void kindChoice_data();
    void kindChoice();
    void scheduleOverQuits_data();
    void scheduleOverQuits();
    void answerAtTheDueQuit_data();
    void answerAtTheDueQuit();
    void emptyLinksOpenNothing();
    void messageBoxButtons_data();
    void messageBoxButtons();
    void markupInTexts_data();
    void markupInTexts();
    void aboutPagesAndLicence_data();
    void aboutPagesAndLicence();
    void introductionSlideShow();
};

void TestEngagement::kindChoice_data()
{
    QTest::addColumn<int>("kinds");
    QTest::addColumn<bool>("store");
    QTest::addColumn<quint32>("draw");
    QTest::addColumn<int>("kind");
    QTest::newRow("8 rates in the store edition") << 8 << true << 0u << int(Rate);
    QTest::newRow("8 shares in this edition") << 8 << false << 0u << int(Tell);
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

void TestEngagement::kindChoice()
{
    QFETCH(int, kinds);
    QFETCH(bool, store);
    QFETCH(quint32, draw);
    QFETCH(int, kind);
    QCOMPARE(chooseReminderKind(kinds, store, [draw] { return draw; }), kind);
}

void TestEngagement::scheduleOverQuits_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("quits");
    QTest::addColumn<QList<int>>("prompted");
    QTest::addColumn<int>("after");
    QTest::newRow("fresh settings prompt at quits 2, 4, 6")
        << 2 << true << 1 << 6 << QList<int>{2, 4, 6} << 7;
    QTest::newRow("declined prompts freeze the counter")
        << 2 << false << 4 << 3 << QList<int>{} << 4;
    QTest::newRow("largest counter wraps to 1")
        << 2 << true << std::numeric_limits<int>::max() << 3 << QList<int>{3} << 3;
    QTest::newRow("interval below 1 prompts at every quit")
        << 0 << true << 1 << 3 << QList<int>{1, 2, 3} << 4;
}

void TestEngagement::scheduleOverQuits()
{
    QFETCH(int, interval);
    QFETCH(bool, wanted);
    QFETCH(int, counter);
    QFETCH(int, quits);
    QFETCH(QList<int>, prompted);
    QFETCH(int, after);
    if (!wanted)
        store("Clipwise/AutoReminder", false);
    if (counter != 1)
        store("Clipwise/AutoReminderCount", counter);
    QList<int> seen;
    for (int quit = 1; quit <= quits; ++quit)
        if (!quitOnce(interval, Rate, [](ReminderDialog *d) { d->later()->click(); }).isEmpty())
            seen << quit;
    QCOMPARE(seen, prompted);
    QCOMPARE(stored("Clipwise/AutoReminderCount").toInt(), after);
    QCOMPARE(stored("Clipwise/AutoReminder", true).toBool(), wanted);
}

void TestEngagement::answerAtTheDueQuit_data()
{
    QTest::addColumn<int>("kinds");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("link"); // part of the one link opened, if any
    QTest::addColumn<bool>("wanted");
    const QString rate = QStringLiteral("QMWidgets::RateAppStoreDialog");
    QTest::newRow("rate opens the rate page and stops the prompts")
        << 1 << "rate" << rate << "rate.php?appname=clipwise" << false;
    QTest::newRow("mail writes to the maker and stops the prompts")
        << 1 << "mail" << rate << "?subject=Contact (Clipwise 1.8) " << false;
    QTest::newRow("later asks again") << 1 << "later" << rate << "" << true;
    QTest::newRow("don't ask again stops the prompts") << 1 << "never" << rate << "" << false;
    QTest::newRow("Escape is no answer") << 1 << "escape" << rate << "" << true;
    QTest::newRow("closing the share prompt is no answer") << 8 << "rate"
                                                           << "QMWidgets::TellReminderDialog"
                                                           << "" << true;
    QTest::newRow("follow prompt: don't ask again") << 4 << "never"
                                                    << "QMWidgets::JoinReminderDialog"
                                                    << "" << false;
}

void TestEngagement::answerAtTheDueQuit()
{
    QFETCH(int, kinds);
    QFETCH(QString, answer);
    QFETCH(QString, prompt);
    QFETCH(QString, link);
    QFETCH(bool, wanted);
    store("Clipwise/AutoReminderCount", 2);
    LinkRecorder recorder;
    const QStringList shown = quitOnce(2, kinds, [answer](ReminderDialog *d) {
        QMap<QString, QPushButton *> buttons{
            {"rate", d->rate()}, {"later", d->later()}, {"never", d->never()}};
        if (answer == QLatin1String("mail")) // the rate prompt hides its mail button
            d->slotMail();
        else if (buttons.contains(answer))
            buttons[answer]->click();
        else
            QTest::keyClick(d, Qt::Key_Escape);
    });
    QCOMPARE(shown, QStringList{prompt});
    QCOMPARE(recorder.links.size(), link.isEmpty() ? 0 : 1);
    QVERIFY(recorder.links.join(QString()).contains(link));
    QCOMPARE(stored("Clipwise/AutoReminder", true).toBool(), wanted);
    // Quits 3 and 4: the next due one prompts again only while prompts are wanted.
    int later = 0;
    for (int quit = 3; quit <= 4; ++quit)
        later += quitOnce(2, kinds, [](ReminderDialog *d) { d->reject(); }).size();
    QCOMPARE(later, wanted ? 1 : 0);
    QCOMPARE(stored("Clipwise/AutoReminderCount").toInt(), wanted ? 5 : 3);
}

void TestEngagement::emptyLinksOpenNothing()
{
    auto app = makeApp();
    LinkRecorder recorder;
    app->slotShowPrivacyPolicy();
    QVERIFY(!App::openLink(QString()));
    QVERIFY(recorder.links.isEmpty());
}

void TestEngagement::messageBoxButtons_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("userText");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QList<int>>("results");
    QTest::newRow("No comes before Yes")
        << int(QMessageBox::Yes | QMessageBox::No) << QString() << QStringList{"No", "Yes"}
        << QList<int>{QMessageBox::No, QMessageBox::Yes};
    QTest::newRow("every bit in table order, the user's button last")
        << 0x5fc400 << QStringLiteral("Mine")
        << QStringList{"Ok",    "Cancel", "No",     "Yes",   "Abort",
                       "Retry", "Ignore", "YesAll", "NoAll", "Mine"}
        << QList<int>{QMessageBox::Ok,      QMessageBox::Cancel,
                      QMessageBox::No,      QMessageBox::Yes,
                      QMessageBox::Abort,   QMessageBox::Retry,
                      QMessageBox::Ignore,  QMessageBox::YesToAll,
                      QMessageBox::NoToAll, MMessageBox::UserDefinedResult};
    QTest::newRow("other bits show no button")
        << int(QMessageBox::Save | QMessageBox::Help) << QString() << QStringList{} << QList<int>{};
}

void TestEngagement::messageBoxButtons()
{
    QFETCH(int, bits);
    QFETCH(QString, userText);
    QFETCH(QStringList, order);
    QFETCH(QList<int>, results);
    auto app = makeApp();
    // Run a second time on a small X screen, where the buttons stack (see CMakeLists.txt).
    const bool small = qEnvironmentVariableIsSet("CLIPWISE_EXPECT_SMALL_SCREEN");
    QCOMPARE(isSmallScreen(), small);
    for (int i = 0; i <= order.size(); ++i) { // the last round answers with Escape
        MMessageBox box(MMessageBox::Question, "Title", "Text", bits, nullptr, userText);
        QStringList texts;
        ModalAnswerer answerer([&](QDialog *d) {
            const QList<QPushButton *> buttons = buttonsInOrder(d);
            for (QPushButton *b : buttons) { // one row, or one column on a small screen
                texts << b->text();
                QCOMPARE(small ? b->x() : b->y(), small ? buttons[0]->x() : buttons[0]->y());
            }
            if (i < order.size())
                buttonsInOrder(d).at(i)->click();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(box.exec(), i < order.size() ? results.at(i) : 0);
        QCOMPARE(texts, order);
    }
}

void TestEngagement::markupInTexts_data()
{
    QTest::addColumn<bool>("editorWarning");
    QTest::addColumn<bool>("rich");
    QTest::newRow("a path in the editor's save warning is plain text") << true << false;
    QTest::newRow("the follow box keeps its heading and opens the page after it") << false << true;
}

void TestEngagement::markupInTexts()
{
    QFETCH(bool, editorWarning);
    QFETCH(bool, rich);
    auto app = makeApp();
    LinkRecorder recorder;
    int linksWhileShown = -1;
    bool shownRich = !rich;
    ModalAnswerer answerer([&](QDialog *d) {
        for (const QLabel *text : d->findChildren<QLabel *>())
            if (!text->text().isEmpty())
                shownRich =
                    text->textFormat() == Qt::RichText ||
                    (text->textFormat() == Qt::AutoText && Qt::mightBeRichText(text->text()));
        linksWhileShown = recorder.links.size();
        d->reject();
    });
    if (editorWarning)
        showEditorWarning(nullptr, "Save Failed", "/tmp/<b>x</b>.css\nNo space left on device");
    else
        JoinWidget(nullptr, false).slotFaceBookClicked();
    QCOMPARE(shownRich, rich);
    QCOMPARE(linksWhileShown, 0);
    QCOMPARE(recorder.links.size(), editorWarning ? 0 : 1);
}

void TestEngagement::aboutPagesAndLicence_data()
{
    QTest::addColumn<QByteArray>("licence"); // null: no file
    QTest::addColumn<QString>("link");       // empty: the notice's own link to the licence
    QTest::addColumn<QString>("shown");
    QTest::newRow("the licence up to a zero byte")
        << QByteArray("LESSER <https://fsf.org/>\n  kept\n\0tail", 37) << QString()
        << "LESSER <https://fsf.org/>\n  kept";
    QTest::newRow("no licence file keeps the notices")
        << QByteArray() << QString() << "This Application Uses:";
    QTest::newRow("a web link goes to the browser") << QByteArray("tail") << "http://qt.example/"
                                                    << "This Application Uses:";
}

void TestEngagement::aboutPagesAndLicence()
{
    QFETCH(QByteArray, licence);
    QFETCH(QString, link);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    QFile file(dir.filePath("LICENSE.LGPL"));
    QVERIFY(licence.isNull() || (file.open(QIODevice::WriteOnly) && file.write(licence) > 0));
    file.close();
    int argc = 1;
    char arg0[] = "tst_engagement";
    char *argv[] = {arg0, nullptr};
    ResourceApp app(argc, argv, dir.path());
    LinkRecorder recorder;
    AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize size = dialog.size();
    auto *legal = dialog.findChild<QTextBrowser *>();
    auto *logo = dialog.findChild<QLabel *>("LogoLabel");
    QPushButton *toggle = buttonsInOrder(&dialog).first();
    for (int round = 0; round < 2; ++round) {
        toggle->click();
        QVERIFY(legal->isVisible() && logo->isHidden());
        QVERIFY(legal->toPlainText().contains("This Application Uses:"));
        QCOMPARE(dialog.size(), size);
        if (round == 0) {
            QTest::keyClicks(legal, "typed");
            const QString html = legal->toHtml();
            const int at = html.indexOf("file://");
            emit legal->anchorClicked(
                QUrl(link.isEmpty() ? html.mid(at, html.indexOf('"', at) - at) : link));
            QVERIFY2(legal->toPlainText().contains(shown), qPrintable(legal->toPlainText()));
            QVERIFY(!legal->toPlainText().contains("tail") &&
                    !legal->toPlainText().contains("typed"));
            QCOMPARE(recorder.links, link.isEmpty() ? QStringList() : QStringList{link});
        }
        toggle->click();
        QVERIFY(logo->isVisible() && legal->isHidden());
        QCOMPARE(dialog.size(), size);
    }
}

void TestEngagement::introductionSlideShow()
{
    auto app = makeApp();
    QTemporaryDir dir;
    QVERIFY(QFile(dir.filePath("b@2x.png")).open(QIODevice::WriteOnly));
    QCOMPARE(slideFileForRatio(dir.filePath("b.png"), 2), dir.filePath("b@2x.png"));
    QCOMPARE(slideFileForRatio(dir.filePath("b.png"), 1), dir.filePath("b.png"));
    {
        HelpDialog dialog(nullptr, false);
        for (const char *slide : {"a.png", "b.png", "c.png"})
            dialog.addSlide(slide);
        HelpViewArea *area = dialog.helpViewArea();
        dialog.show();
        QStringList shown{area->helpDisplay()->slide()};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(area->timer()->isActive());
            QMetaObject::invokeMethod(area->timer(), "timeout");
            shown << area->helpDisplay()->slide();
        }
        QCOMPARE(shown, (QStringList{"a.png", "b.png", "c.png", "a.png"}));
        QTest::mouseClick(area->buttons()->buttons().at(2), Qt::LeftButton);
        QCOMPARE(area->helpDisplay()->slide(), QStringLiteral("c.png"));
        QVERIFY(!area->timer()->isActive());
        QVERIFY(dialog.skip()->isVisible());
        dialog.skip()->click();
    }
    QVERIFY(!HelpDialog::shouldShowIntroduction());
    HelpDialog next(nullptr, false);
    next.show();
    QVERIFY(!next.skip()->isVisible());
}

QTEST_APPLESS_MAIN(TestEngagement)
#include "tst_engagement.moc"
