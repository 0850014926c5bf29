#pragma once

#include <QApplication>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

class QSettings;
class QTimer;

namespace QMWidgets {

class ReminderStateDialog;

class HelpDialog;

// The application object every tool of the maker is built on: settings, paths, links and
// services exposed as slots. Reached anywhere through App::instance().
class App : public QApplication
{
    Q_OBJECT

public:
    using StartupHook = void (*)();

    App(int &argc, char **argv, const QString &organizationName, const QString &applicationName);
    ~App() override;

    static App *instance();

    // Settings; every key is stored inside a group named after the current application name.
    QVariant setting(const QString &key, const QVariant &defaultValue = QVariant()) const;
    void setSetting(const QString &key, const QVariant &value);
    QSettings *settingsStore() const { return settings; }

    QString supportDirectory(bool create = false) const;
    QString dataDirectory(bool create = false) const;
    QString cachesDirectory(bool create = false) const;
    QString documentsDirectory(bool create = false) const;
    QString workDirectory(bool create = false) const;
    QString picturesDirectory(bool create = false) const;
    QString musicDirectory(bool create = false) const;
    QString moviesDirectory(bool create = false) const;
    QString downloadsDirectory(bool create = false) const;
    bool isFirstStart() const { return firstStart; }

    QString language();
    void setLanguageCode(const QString &code) { languageCode = code; }

    QString resourceDirectory() const { return resourceDir; }
    QString qtNotice() const { return qtNoticeText; }
    // Builds the Qt notice from its translated pieces; run again once the language is settled,
    // since the constructor runs before any catalogue is installed.
    void composeQtNotice();
    bool isIndependentEdition() const { return independentEdition; }
    bool isApplicationInactive() const { return applicationInactive; }
    QString workingDirectory() const { return workDir; }

    void setMainWidget(QWidget *widget);
    QWidget *mainWidgetPointer() const { return mainWidget; }
    // The parent of every dialog: the main widget while it is on screen, else none. A dialog
    // with a parent is transient for it, so the window manager keeps it above that window, a
    // full-screen one included, and gives it the keyboard; a parentless dialog may open below
    // a full-screen window or never show, while its modal loop holds the program. After the
    // main widget has gone (the rate prompt at quit) a dialog stands as a window of its own.
    // Dialogs with a parent run through runDialog().
    QWidget *dialogParent() const;
    QWidget *blendWidgetPointer() const { return blendWidget; }

    static void registerStartupHook(StartupHook hook);
    static void disableMessageOutput();

    void setReminder(int interval, int kinds);
    int reminderIntervalValue() const { return reminderInterval; }
    int reminderKindValue() const { return reminderKind; }
    void setAppPageName(const QString &name);
    QString appPageName() const { return pageName; }

    virtual QString storeUrl(const QString &url);

    // Engagement: share targets, product page, the edition and the quit-time reminder.
    QString facebookShareLinkValue() const { return facebookShareLink; }
    QString twitterShareLinkValue() const { return twitterShareLink; }
    QString supportUrlValue() const { return supportUrl; }
    void setSiteLanguages(const QStringList &codes) { siteLanguages = codes; }
    void setPrivacyPolicyUrl(const QString &url) { privacyPolicyUrl = url; }
    bool isStoreEdition() const;
    int reminderDelayValue() const { return reminderDelay; }
    QTimer *reminderTimerPointer() const { return reminderTimer; }
    QMap<QString, QString> storeProductTable() const { return storeProducts; }
    // Opens an address with the system's handler (tolerant parsing); an empty one opens
    // nothing. The outcome is not reported to the user.
    static bool openLink(const QString &link);

    // Introduction dialog: the slides and the video link it is built with on first showing.
    void setHelpSlides(const QStringList &slides) { helpSlides = slides; }
    void setHelpVideoLink(const QString &link) { helpVideoLink = link; }
    HelpDialog *helpDialogPointer() const;

signals:
    void mouseButtonPress();
    void applicationActivated();
    void applicationDeactivated();
    void applicationExposed();
    void dockClicked();
    void fileOpenRequest(QString strFile);

private slots:
    void slotCallRateReminderInternal();
    void slotCallRateReminder();
    void slotCallTellReminder();
    void slotCallJoinReminder();
    void slotImmediatelyRate();
    void slotStartCount();

public slots:
    virtual void slotCheckUpdate();
    virtual void slotShowMoreApps();
    void slotRateApp();
    void slotTellFriend();
    void slotShareApp();
    void slotJoin();
    void slotContactUs();
    void slotSupportPage();
    void slotShowPrivacyPolicy();
    void slotAbout();
    void slotHelp();
    void slotShowCssEditor();
    void slotSetBlendMainWidget(bool on);

protected:
    bool event(QEvent *e) override;
    bool notify(QObject *receiver, QEvent *e) override;

    QSettings *settings = nullptr;
    QString languageCode;
    bool applicationInactive = false;
    QString workDir;
    QString workDirCopy;
    int reminderInterval = 10;
    int reminderDelay = 4000;
    int reminderKind = 0;
    QPointer<QWidget> mainWidget;
    QPointer<QWidget> blendWidget;
    QString resourceDir;
    QString qtNoticeText;
    bool firstStart = false;
    QMap<QString, QString> storeProducts;
    bool independentEdition = false;
    QString pageName;
    QString facebookShareLink;
    QString twitterShareLink;
    QString supportUrl;
    QString privacyPolicyUrl;
    QStringList siteLanguages;
    QTimer *reminderTimer = nullptr;
    QMetaObject::Connection reminderConnection;
    QPointer<HelpDialog> helpDialog;
    QStringList helpSlides;
    QString helpVideoLink;

private:
    static QList<StartupHook> &startupHooks();
    // Runs the reminder check for that kind once, reminderDelay ms from now.
    void scheduleReminderCheck(int kind);
    // Runs the prompt modally, deletes it and carries out the answer.
    void askWithReminderDialog(ReminderStateDialog *dialog);
};

} // namespace QMWidgets
