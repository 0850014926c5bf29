// The quit-time reminder over simulated runs, the prompts' answers and layouts, and every link
// the engagement services open, caught before it reaches the system's handlers.
#include "app.h"
#include "engagementlinks.h"
#include "joinreminderdialog.h"
#include "joinwidget.h"
#include "rateappstoredialog.h"
#include "reminderschedule.h"
#include "serviceaddresses.h"
#include "telldialog.h"
#include "tellreminderdialog.h"
#include "tellwidget.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <limits>
#include <memory>

using namespace QMWidgets;

namespace {

int argcStore = 1;
char arg0[] = "tst_engagement";
char *argvStore[] = {arg0, nullptr};

// The independent edition's link forms without the start-up network work of the program's
// own subclass.
class IndependentTestApp final : public App
{
public:
    IndependentTestApp() : App(argcStore, argvStore, "Velmora", "Clipwise")
    {
        independentEdition = true;
    }
};

std::unique_ptr<App> makeApp(bool independent = true)
{
    std::unique_ptr<App> app;
    if (independent)
        app = std::make_unique<IndependentTestApp>();
    else
        app = std::make_unique<App>(argcStore, argvStore, QStringLiteral("Velmora"),
                                    QStringLiteral("Clipwise"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.8"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velmora.com"));
    app->setAppPageName(QString());
    return app;
}

void wipeSettings()
{
    QSettings(QStringLiteral("Velmora"), QStringLiteral("Clipwise")).clear();
}

ServiceAddresses testAddresses()
{
    ServiceAddresses a;
    a.primaryServiceBase = QStringLiteral("http://127.0.0.1:9");
    a.fallbackServiceBase = QStringLiteral("http://127.0.0.1:9");
    a.applicationWebServer = QStringLiteral("http://apps.example.test/");
    a.webSite = QStringLiteral("http://www.example.test");
    a.metricsHost = QStringLiteral("https://127.0.0.1:9");
    return a;
}

} // namespace

// Takes the place of the system's URL handlers.
class LinkRecorder final : public QObject
{
    Q_OBJECT

public:
    LinkRecorder()
    {
        for (const QString &scheme : schemes())
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~LinkRecorder() override
    {
        for (const QString &scheme : schemes())
            QDesktopServices::unsetUrlHandler(scheme);
    }
    static QStringList schemes()
    {
        return {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto"),
                QStringLiteral("ms-windows-store")};
    }

    QStringList links;

public slots:
    void open(const QUrl &url) { links << url.toString(); }
};

// Polls for the topmost modal dialog and hands each new one to the action once, so a test can
// answer a dialog that runs its own event loop.
class ModalAnswerer final : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswerer(std::function<void(QDialog *)> action) : act(std::move(action))
    {
        connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        timer.start(5);
    }

    QStringList shown; // class names, in order of appearance

private:
    void poll()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == last)
            return;
        last = dialog;
        shown << QString::fromLatin1(dialog->metaObject()->className());
        act(dialog);
    }

    std::function<void(QDialog *)> act;
    QPointer<QDialog> last;
    QTimer timer;
};

namespace {

// One program run: arm the reminder as main() does and quit through the event loop.
void quitOnce(App *app, int kinds = Rate)
{
    app->setReminder(2, kinds);
    QTimer::singleShot(0, app, &QCoreApplication::quit);
    app->exec();
}

void clickLater(QDialog *d)
{
    static_cast<ReminderDialog *>(d)->later()->click();
}

int storedCount(App *app)
{
    return app->setting(QStringLiteral("AutoReminderCount"), 1).toInt();
}

bool storedAutoReminder(App *app)
{
    return app->setting(QStringLiteral("AutoReminder"), true).toBool();
}

QStringList visibleButtons(QWidget *panel, const QList<QPushButton *> &buttons)
{
    QStringList names;
    for (QPushButton *b : buttons)
        if (b->isVisibleTo(panel))
            names << b->objectName();
    return names;
}

QStringList layoutButtonOrder(QBoxLayout *layout)
{
    QStringList texts;
    for (int i = 0; i < layout->count(); ++i)
        if (auto *b = qobject_cast<QPushButton *>(layout->itemAt(i)->widget()))
            texts << b->text();
    return texts;
}

} // namespace

class TestEngagement final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void quitScheduleWithFreshSettings();
    void answerAtTheDueQuit_data();
    void answerAtTheDueQuit();
    void declinedRemindersFreezeTheCounter();
    void largestCounterWrapsToOne();
    void kindsEightAsksToShareInThisEdition();
    void shareAndFollowPromptsRecordDontAskAgain_data();
    void shareAndFollowPromptsRecordDontAskAgain();
    void delayedReminderRunsTheCheckOnce();
    void immediateRateIgnoresTheSchedule();

    void productPageFollowsTheLanguage_data();
    void productPageFollowsTheLanguage();
    void linksOpenedBySlots_data();
    void linksOpenedBySlots();
    void storeEditionRatesOnTheReviewPage_data();
    void storeEditionRatesOnTheReviewPage();
    void supportFallsBackToTheMakersSite();
    void emptyLinksOpenNothing();
    void facebookFollowInformsBeforeOpening();

    void promptLayouts_data();
    void promptLayouts();
    void followPanelButtonsPerLanguage_data();
    void followPanelButtonsPerLanguage();
    void sharePanelNeverShowsLinkedinOrVKontakte();
    void shareButtonsHavePictures();

private:
    std::unique_ptr<LinkRecorder> recorder;
};

void TestEngagement::init()
{
    wipeSettings();
    setServiceAddressesForTesting(testAddresses());
}

void TestEngagement::cleanup()
{
    recorder.reset();
    clearServiceAddressesForTesting();
}

void TestEngagement::quitScheduleWithFreshSettings()
{
    QList<int> prompted;
    for (int run = 1; run <= 6; ++run) {
        auto app = makeApp();
        ModalAnswerer answerer(clickLater);
        quitOnce(app.get());
        if (!answerer.shown.isEmpty()) {
            QCOMPARE(answerer.shown, QStringList{QStringLiteral("QMWidgets::RateAppStoreDialog")});
            prompted << run;
        }
        QCOMPARE(storedCount(app.get()), run + 1);
        QVERIFY(storedAutoReminder(app.get()));
    }
    QCOMPARE(prompted, (QList<int>{2, 4, 6}));
}

void TestEngagement::answerAtTheDueQuit_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("remindersAfter");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<bool>("promptsAgainAtNextDueQuit");
    QTest::newRow("rate opens the rate page and stops the prompts")
        << "rate" << false << QStringList{"http://apps.example.test/rate.php?appname=clipwise"}
        << false;
    QTest::newRow("later asks again") << "later" << true << QStringList() << true;
    QTest::newRow("don't ask stops the prompts") << "never" << false << QStringList() << false;
    QTest::newRow("escape is no answer") << "escape" << true << QStringList() << true;
    QTest::newRow("closing the window is no answer") << "close" << true << QStringList() << true;
}

void TestEngagement::answerAtTheDueQuit()
{
    QFETCH(QString, answer);
    QFETCH(bool, remindersAfter);
    QFETCH(QStringList, links);
    QFETCH(bool, promptsAgainAtNextDueQuit);

    auto app = makeApp();
    app->setSetting(QStringLiteral("AutoReminderCount"), 2);
    recorder = std::make_unique<LinkRecorder>();
    {
        ModalAnswerer answerer([answer](QDialog *d) {
            auto *prompt = static_cast<ReminderDialog *>(d);
            if (answer == QLatin1String("rate"))
                prompt->rate()->click();
            else if (answer == QLatin1String("later"))
                prompt->later()->click();
            else if (answer == QLatin1String("never"))
                prompt->never()->click();
            else if (answer == QLatin1String("escape"))
                QTest::keyClick(prompt, Qt::Key_Escape);
            else
                prompt->close();
        });
        quitOnce(app.get());
        QCOMPARE(answerer.shown.size(), 1);
    }
    QCOMPARE(storedAutoReminder(app.get()), remindersAfter);
    QCOMPARE(storedCount(app.get()), 3); // advanced on the answering quit either way
    QCOMPARE(recorder->links, links);

    // Quits 3 and 4 of the schedule.
    ModalAnswerer next(clickLater);
    quitOnce(app.get());
    quitOnce(app.get());
    QCOMPARE(next.shown.size(), promptsAgainAtNextDueQuit ? 1 : 0);
    QCOMPARE(storedCount(app.get()), remindersAfter ? 5 : 3);
}

void TestEngagement::declinedRemindersFreezeTheCounter()
{
    auto app = makeApp();
    app->setSetting(QStringLiteral("AutoReminder"), false);
    app->setSetting(QStringLiteral("AutoReminderCount"), 4);
    ModalAnswerer answerer(clickLater);
    for (int i = 0; i < 3; ++i)
        quitOnce(app.get());
    QVERIFY(answerer.shown.isEmpty());
    QCOMPARE(storedCount(app.get()), 4);
}

void TestEngagement::largestCounterWrapsToOne()
{
    auto app = makeApp();
    app->setSetting(QStringLiteral("AutoReminderCount"), std::numeric_limits<int>::max());
    ModalAnswerer answerer(clickLater);
    quitOnce(app.get());
    QVERIFY(answerer.shown.isEmpty()); // 2147483647 is odd
    QCOMPARE(storedCount(app.get()), 1);
    // The schedule starts again: 1 shows nothing, 2 prompts.
    quitOnce(app.get());
    QVERIFY(answerer.shown.isEmpty());
    QCOMPARE(storedCount(app.get()), 2);
    quitOnce(app.get());
    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(storedCount(app.get()), 3);
}

void TestEngagement::kindsEightAsksToShareInThisEdition()
{
    auto app = makeApp();
    app->setSetting(QStringLiteral("AutoReminderCount"), 2);
    ModalAnswerer answerer([](QDialog *d) { static_cast<ReminderDialog *>(d)->rate()->click(); });
    quitOnce(app.get(), 8);
    QCOMPARE(app->reminderKindValue(), int(Tell));
    QCOMPARE(answerer.shown, QStringList{QStringLiteral("QMWidgets::TellReminderDialog")});
    // "Close" on the share prompt is no answer: prompts stay wanted.
    QVERIFY(storedAutoReminder(app.get()));
}

void TestEngagement::shareAndFollowPromptsRecordDontAskAgain_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("dialogClass");
    QTest::newRow("share prompt") << int(Tell) << "QMWidgets::TellReminderDialog";
    QTest::newRow("follow prompt") << int(Join) << "QMWidgets::JoinReminderDialog";
}

void TestEngagement::shareAndFollowPromptsRecordDontAskAgain()
{
    QFETCH(int, kind);
    QFETCH(QString, dialogClass);
    auto app = makeApp();
    app->setSetting(QStringLiteral("AutoReminderCount"), 2);
    ModalAnswerer answerer([](QDialog *d) {
        auto *prompt = static_cast<ReminderDialog *>(d);
        QVERIFY(prompt->never()->isVisibleTo(prompt));
        QVERIFY(!prompt->later()->isVisibleTo(prompt));
        QCOMPARE(prompt->rate()->text(), QStringLiteral("&Close"));
        prompt->never()->click();
    });
    quitOnce(app.get(), kind);
    QCOMPARE(answerer.shown, QStringList{dialogClass});
    QVERIFY(!storedAutoReminder(app.get()));
}

void TestEngagement::delayedReminderRunsTheCheckOnce()
{
    auto app = makeApp();
    app->setSetting(QStringLiteral("AutoReminderCount"), 4);
    app->setReminder(2, Rate);
    QMetaObject::invokeMethod(app.get(), "slotCallRateReminder");
    QMetaObject::invokeMethod(app.get(), "slotCallJoinReminder");
    QTimer *timer = app->reminderTimerPointer();
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 4000);
    QCOMPARE(app->reminderKindValue(), int(Join));

    ModalAnswerer answerer([](QDialog *d) { d->reject(); });
    timer->start(0); // run the pending check now instead of waiting four seconds
    QTRY_COMPARE(storedCount(app.get()), 5);
    QCOMPARE(answerer.shown, QStringList{QStringLiteral("QMWidgets::JoinReminderDialog")});
    QVERIFY(!timer->isActive());
}

void TestEngagement::immediateRateIgnoresTheSchedule()
{
    auto app = makeApp();
    app->setSetting(QStringLiteral("AutoReminder"), false);
    app->setSetting(QStringLiteral("AutoReminderCount"), 7);
    recorder = std::make_unique<LinkRecorder>();
    bool neverShown = true;
    ModalAnswerer answerer([&neverShown](QDialog *d) {
        auto *prompt = static_cast<ReminderDialog *>(d);
        neverShown = prompt->never()->isVisibleTo(prompt);
        prompt->rate()->click();
    });
    QMetaObject::invokeMethod(app.get(), "slotImmediatelyRate");
    QCOMPARE(answerer.shown, QStringList{QStringLiteral("QMWidgets::RateAppStoreDialog")});
    QVERIFY(!neverShown);
    QCOMPARE(storedCount(app.get()), 7);
    QCOMPARE(recorder->links,
             QStringList{QStringLiteral("http://apps.example.test/rate.php?appname=clipwise")});
}

void TestEngagement::productPageFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("siteLanguages");
    QTest::addColumn<QString>("page");
    QTest::newRow("English on the org site")
        << "en" << QStringList() << "http://velmora.org/clipwise";
    QTest::newRow("German site") << "de" << QStringList() << "http://velmora.de/clipwise";
    QTest::newRow("Russian site") << "ru" << QStringList() << "http://velmora.ru/clipwise";
    QTest::newRow("French without a site of its own")
        << "fr" << QStringList() << "http://velmora.org/clipwise";
    QTest::newRow("French listed as a site language")
        << "fr" << QStringList{"fr"} << "http://velmora.fr/clipwise";
}

void TestEngagement::productPageFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, siteLanguages);
    QFETCH(QString, page);
    auto app = makeApp();
    app->setLanguageCode(language);
    app->setSiteLanguages(siteLanguages);
    app->setAppPageName(QString());
    QCOMPARE(app->supportUrlValue(), page);
    QCOMPARE(app->facebookShareLinkValue(), "https://www.facebook.com/sharer.php?u=" + page);
    QCOMPARE(app->twitterShareLinkValue(), "https://twitter.com/home?status=" + page);
    app->setAppPageName(QStringLiteral("other"));
    QVERIFY(app->supportUrlValue().endsWith(QLatin1String("/other")));
}

void TestEngagement::linksOpenedBySlots_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rate page") << "rate"
                               << "http://apps.example.test/rate.php?appname=clipwise";
    QTest::newRow("facebook share through the share redirector")
        << "facebookShare"
        << "http://apps.example.test/social/share.php?link=https://www.facebook.com/"
           "sharer.php?u=http://velmora.org/clipwise";
    QTest::newRow("twitter share through the share redirector")
        << "twitterShare"
        << "http://apps.example.test/social/share.php?link=https://twitter.com/"
           "home?status=http://velmora.org/clipwise";
    QTest::newRow("tell a friend by mail from the share panel")
        << "emailShare"
        << "mailto:?subject=Check out the cool Clipwise app!&body=Clipwise - "
           "http://velmora.org/clipwise";
    QTest::newRow("tell a friend by mail")
        << "tellFriend"
        << "mailto:?subject=Check out the cool Clipwise app!&body=Clipwise - "
           "http://velmora.org/clipwise";
    QTest::newRow("youtube through the join redirector")
        << "youTube"
        << "http://apps.example.test/social/join.php?link=https://www.youtube.com/@velmora?"
           "sub_confirmation=1";
    QTest::newRow("twitter through the join redirector")
        << "twitterJoin"
        << "http://apps.example.test/social/join.php?link=https://twitter.com/velmora";
    QTest::newRow("vkontakte never wrapped") << "vkontakte"
                                             << "https://vk.com/velmora";
    QTest::newRow("contact mail with its subject")
        << "contact"
        << "mailto:support@velmora.com?subject=Contact (Clipwise 1.8) " + osDescription() +
               " en I&body=";
    QTest::newRow("support page is the product page") << "support"
                                                      << "http://velmora.org/clipwise";
    QTest::newRow("store catalogue of the base object")
        << "moreApps"
        << "ms-windows-store://publisher/?name=Velmora";
}

void TestEngagement::linksOpenedBySlots()
{
    QFETCH(QString, action);
    QFETCH(QString, expected);
    auto app = makeApp();
    recorder = std::make_unique<LinkRecorder>();
    TellWidget tell;
    JoinWidget join(nullptr, false);
    if (action == QLatin1String("rate"))
        app->slotRateApp();
    else if (action == QLatin1String("facebookShare"))
        tell.faceBookButton()->click();
    else if (action == QLatin1String("twitterShare"))
        tell.twitterButton()->click();
    else if (action == QLatin1String("emailShare"))
        tell.emailButton()->click();
    else if (action == QLatin1String("tellFriend"))
        app->slotTellFriend();
    else if (action == QLatin1String("youTube"))
        join.youTubeButton()->click();
    else if (action == QLatin1String("twitterJoin"))
        join.twitterButton()->click();
    else if (action == QLatin1String("vkontakte"))
        join.slotVKontakteClicked();
    else if (action == QLatin1String("contact"))
        app->slotContactUs();
    else if (action == QLatin1String("support"))
        app->slotSupportPage();
    else if (action == QLatin1String("moreApps"))
        app->App::slotShowMoreApps();
    QCOMPARE(recorder->links, QStringList{expected});
    QVERIFY(!tell.faceBookButton()->isChecked());
}

void TestEngagement::storeEditionRatesOnTheReviewPage_data()
{
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QStringList>("links");
    const QStringList review{"ms-windows-store://review/?ProductId=9NCLIPWISE18"};
    QTest::newRow("own product page") << "clipwise" << review;
    QTest::newRow("trailing slash") << "clipwise/" << review;
    QTest::newRow("any letter case") << "ClipWise" << review;
    QTest::newRow("unknown product opens nothing") << "nothing" << QStringList();
}

void TestEngagement::storeEditionRatesOnTheReviewPage()
{
    QFETCH(QString, pageName);
    QFETCH(QStringList, links);
    auto app = makeApp(false);
    QVERIFY(app->isStoreEdition());
    app->setAppPageName(pageName);
    recorder = std::make_unique<LinkRecorder>();
    app->slotRateApp();
    QCOMPARE(recorder->links, links);
}

void TestEngagement::supportFallsBackToTheMakersSite()
{
    // No product page derived: the object as constructed, before setAppPageName.
    auto app = std::make_unique<App>(argcStore, argvStore, QStringLiteral("Velmora"),
                                     QStringLiteral("Clipwise"));
    QVERIFY(app->supportUrlValue().isEmpty());
    recorder = std::make_unique<LinkRecorder>();
    app->slotSupportPage();
    QCOMPARE(recorder->links, QStringList{QStringLiteral("http://www.example.test")});
}

void TestEngagement::emptyLinksOpenNothing()
{
    auto app = makeApp();
    recorder = std::make_unique<LinkRecorder>();
    app->slotShowPrivacyPolicy();
    QVERIFY(!App::openLink(QString()));
    QVERIFY(recorder->links.isEmpty());
    app->setPrivacyPolicyUrl(QStringLiteral("https://www.example.test/privacy"));
    app->slotShowPrivacyPolicy();
    QCOMPARE(recorder->links, QStringList{QStringLiteral("https://www.example.test/privacy")});
}

void TestEngagement::facebookFollowInformsBeforeOpening()
{
    auto app = makeApp();
    recorder = std::make_unique<LinkRecorder>();
    JoinWidget join(nullptr, false);
    int linksWhileBoxShown = -1;
    QString boxTitle;
    LinkRecorder *links = recorder.get();
    ModalAnswerer answerer([&](QDialog *d) {
        linksWhileBoxShown = links->links.size();
        boxTitle = d->windowTitle();
        QVERIFY(d->findChild<QLabel *>() != nullptr);
        QMetaObject::invokeMethod(d, "slotOk");
    });
    join.faceBookButton()->click();
    QCOMPARE(answerer.shown, QStringList{QStringLiteral("QMWidgets::MMessageBox")});
    QCOMPARE(boxTitle, QStringLiteral("Information"));
    QCOMPARE(linksWhileBoxShown, 0);
    QCOMPARE(
        recorder->links,
        QStringList{QStringLiteral(
            "http://apps.example.test/social/join.php?link=https://www.facebook.com/velmora")});
}

void TestEngagement::promptLayouts_data()
{
    QTest::addColumn<bool>("small");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("subheading");
    QTest::newRow("normal screen: row, large headings")
        << false << QStringList{"&Don't ask me again", "&Later", "&Rate It Now", "&Mail"} << "H2"
        << "H3";
    QTest::newRow("small screen: column, smaller headings")
        << true << QStringList{"&Mail", "&Rate It Now", "&Later", "&Don't ask me again"} << "H3"
        << "H4";
}

void TestEngagement::promptLayouts()
{
    QFETCH(bool, small);
    QFETCH(QStringList, order);
    QFETCH(QString, heading);
    QFETCH(QString, subheading);
    auto app = makeApp();
    RateAppStoreDialog dialog(nullptr, small);
    QCOMPARE(dialog.buttonRow()->direction(),
             small ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    QCOMPARE(dialog.headRow()->direction(),
             small ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    QCOMPARE(layoutButtonOrder(dialog.buttonRow()), order);
    QVERIFY(!dialog.mail()->isVisibleTo(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Rate \"Clipwise\""));
    const QString text = dialog.messageLabel()->text();
    QVERIFY2(text.startsWith("<CENTER><" + heading + ">Enjoying \"Clipwise\" ?</" + heading + "><" +
                             subheading + ">Please rate"),
             qPrintable(text));
    QVERIFY(text.endsWith("<br></" + subheading + "></CENTER>"));
    QCOMPARE(dialog.logo()->objectName(), QStringLiteral("LogoLabel"));
    QCOMPARE(dialog.logo()->size(), QSize(90, 90));

    // Return answers "Rate It Now", the button with the focus.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.rate());
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.state(), int(StateRate));

    JoinWidget join(nullptr, small);
    const QString label = join.invitationLabel()->text();
    QVERIFY(label.startsWith(small ? "<H5>Follow us" : "<H3>Follow us"));
    QVERIFY(label.contains(small ? "</H5><H4>   1. Important News<br>"
                                 : "</H3><H3>   1. Important News<br>"));
    TellDialog tell(nullptr, small);
    QVERIFY(tell.messageLabel()->text().startsWith(small ? "<CENTER><H4>If you like the app"
                                                         : "<CENTER><H2>If you like the app"));
}

void TestEngagement::followPanelButtonsPerLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("buttons");
    const QStringList three{"YouTubeJoinButton", "FaceBookJoinButton", "TwitterJoinButton"};
    QTest::newRow("Russian adds VKontakte") << "ru" << three + QStringList{"VKontakteJoinButton"};
    QTest::newRow("English") << "en" << three;
    QTest::newRow("German") << "de" << three;
}

void TestEngagement::followPanelButtonsPerLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, buttons);
    auto app = makeApp();
    app->setLanguageCode(language);
    JoinWidget join(nullptr, false);
    QCOMPARE(
        visibleButtons(&join, {join.youTubeButton(), join.faceBookButton(), join.twitterButton(),
                               join.vkontakteButton(), join.emailButton()}),
        buttons);
}

void TestEngagement::sharePanelNeverShowsLinkedinOrVKontakte()
{
    auto app = makeApp();
    TellWidget tell;
    QCOMPARE(
        visibleButtons(&tell, {tell.faceBookButton(), tell.twitterButton(), tell.linkedinButton(),
                               tell.vkontakteButton(), tell.emailButton()}),
        (QStringList{"FaceBookShareButton", "TwitterShareButton", "EmailShareButton"}));
    for (QPushButton *b : {tell.faceBookButton(), tell.emailButton()}) {
        QVERIFY(b->text().isEmpty());
        QVERIFY(b->isCheckable());
        QCOMPARE(b->size(), QSize(190, 35));
    }
}

void TestEngagement::shareButtonsHavePictures()
{
    auto app = makeApp();
    TellWidget registersThePictures;
    for (const char *name :
         {"facebookshare", "twittershare", "vkontakteshare", "emailshare", "join", "youtubejoin",
          "facebookjoin", "vkontaktejoin", "twitterjoin", "emailjoin"}) {
        for (const QString &suffix : {QString(), QStringLiteral("_hover")}) {
            const QString base = QStringLiteral(":/") + QLatin1String(name) + suffix;
            const QImage plain(base + QStringLiteral(".png"));
            const QImage sharp(base + QStringLiteral("@2x.png"));
            QVERIFY2(plain.size() == QSize(190, 35), qPrintable(base));
            QVERIFY2(sharp.size() == QSize(380, 70), qPrintable(base));
            // Not a blank rectangle: the picture carries a glyph and a label.
            QVERIFY(plain.pixelColor(20, 17) != plain.pixelColor(150, 5));
        }
    }
}

QTEST_APPLESS_MAIN(TestEngagement)
#include "tst_engagement.moc"
