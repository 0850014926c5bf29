#include "app.h"

#include <algorithm>

#include "aboutdialog.h"
#include "blenderwidget.h"
#include "csseditor.h"
#include "dialogrunner.h"
#include "engagementlinks.h"
#include "helpdialog.h"
#include "joindialog.h"
#include "joinreminderdialog.h"
#include "rateappstoredialog.h"
#include "reminderschedule.h"
#include "serviceaddresses.h"
#include "telldialog.h"
#include "tellreminderdialog.h"
#include "translationsmanager.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace QMWidgets {

namespace {

QString firstLocation(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::standardLocations(location).value(0);
}

QString ensured(const QString &path, bool create)
{
    if (create && !QDir(path).exists())
        QDir().mkpath(path);
    return path;
}

QString orgAppSuffix()
{
    return QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName() + QLatin1Char('/');
}

// Whether the path exists when letter case is not significant, as on the file systems the
// first-start test was made for: there the executable's lower-case name finds the "Clipwise"
// folder of a previous run; on a case-sensitive file system it would not, and every start would
// count as the first.
bool existsIgnoringCase(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path))
        return true;
    const QStringList parts = QDir::cleanPath(QDir::fromNativeSeparators(path))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = QDir::isAbsolutePath(path) ? QDir::rootPath() : QDir::currentPath();
    for (const QString &part : parts) {
        const QDir dir(current);
        const QString exact = dir.filePath(part);
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const auto match = std::find_if(entries.cbegin(), entries.cend(), [&](const QString &e) {
            return e.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.cend())
            return false;
        current = dir.filePath(*match);
    }
    return true;
}

void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

App::App(int &argc, char **argv, const QString &organizationName, const QString &applicationName)
    : QApplication(argc, argv), languageCode(QStringLiteral("en"))
{
    // Must run while Qt's own default names are in force: the first start is judged by the
    // folders a previous run of the same executable would have left.
    const QStringList paths = {supportDirectory(),   dataDirectory(),   cachesDirectory(),
                               documentsDirectory(), workDirectory(),   picturesDirectory(),
                               musicDirectory(),     moviesDirectory(), downloadsDirectory()};
    firstStart = std::none_of(paths.cbegin(), paths.cend(), existsIgnoringCase);

    setOrganizationName(organizationName);
    setApplicationName(applicationName);

    workDir = workDirectory(true);
    workDirCopy = workDir;

    settings = new QSettings(organizationName, applicationName, this);

    resourceDir = QCoreApplication::applicationDirPath() + QStringLiteral("/Resources/");

    composeQtNotice();

    for (StartupHook hook : startupHooks())
        hook();

    storeProducts.insert(QStringLiteral("clipwise"), QStringLiteral("9NCLIPWISE18"));
}

App::~App()
{
    // The introduction window has no parent; it must not outlive the application object.
    delete helpDialog;
}

void App::composeQtNotice()
{
    // The legal page of the About dialog; "(more)" leads to the licence file shipped in the
    // resource directory. The address is built by QUrl so that blanks and other characters of
    // the installation path survive the round trip through the HTML.
    const QString licenceLink =
        QUrl::fromLocalFile(resourceDir + QStringLiteral("LICENSE.LGPL")).toString();
    const QString qtSite = QStringLiteral("http://qt-project.org/");
    qtNoticeText = tr("<H3>This Application Uses:</H3>") + QStringLiteral("Qt ") +
                   QString::number(QT_VERSION_MAJOR) + QStringLiteral(" ") + tr("Toolkit") +
                   QStringLiteral("<BR>") + tr("under LGPLv3") + QStringLiteral(" <a href=\"") +
                   licenceLink.toHtmlEscaped() + QStringLiteral("\">") + tr("(more)") +
                   QStringLiteral("</a><BR>") + tr("the Qt source code is available on") +
                   QStringLiteral("<br><a href=\"") + qtSite + QStringLiteral("\">") + qtSite +
                   QStringLiteral("</a><BR>");
}

App *App::instance()
{
    return qobject_cast<App *>(QCoreApplication::instance());
}

QVariant App::setting(const QString &key, const QVariant &defaultValue) const
{
    return settings->value(QCoreApplication::applicationName() + QLatin1Char('/') + key,
                           defaultValue);
}

void App::setSetting(const QString &key, const QVariant &value)
{
    settings->setValue(QCoreApplication::applicationName() + QLatin1Char('/') + key, value);
}

QString App::supportDirectory(bool create) const
{
    QString path = firstLocation(QStandardPaths::AppDataLocation);
    if (path.isEmpty())
        path = QDir::homePath() + QLatin1Char('/') + QCoreApplication::applicationName() +
               QLatin1Char('/');
    return ensured(path, create);
}

QString App::dataDirectory(bool create) const
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return ensured(firstLocation(QStandardPaths::DataLocation) + QLatin1Char('/'), create);
    QT_WARNING_POP
}

QString App::cachesDirectory(bool create) const
{
    return ensured(firstLocation(QStandardPaths::CacheLocation), create);
}

QString App::documentsDirectory(bool create) const
{
    return ensured(firstLocation(QStandardPaths::DocumentsLocation) + orgAppSuffix(), create);
}

QString App::workDirectory(bool create) const
{
    return ensured(QDir::homePath() + QLatin1Char('/') + QCoreApplication::applicationName() +
                       QLatin1Char('/'),
                   create);
}

QString App::picturesDirectory(bool create) const
{
    return ensured(firstLocation(QStandardPaths::PicturesLocation) + orgAppSuffix(), create);
}

QString App::musicDirectory(bool create) const
{
    return ensured(firstLocation(QStandardPaths::MusicLocation) + orgAppSuffix(), create);
}

QString App::moviesDirectory(bool create) const
{
    return ensured(firstLocation(QStandardPaths::MoviesLocation) + orgAppSuffix(), create);
}

QString App::downloadsDirectory(bool create) const
{
    return workDirectory(create);
}

QString App::language()
{
    // The first call settles the language: the manager reads the setting and installs the
    // catalogues before the caller uses the code.
    TranslationsManager::instance();
    return languageCode;
}

void App::setMainWidget(QWidget *widget)
{
    mainWidget = widget;
    if (!widget)
        return;
    auto *blender = new BlenderWidget(widget);
    blender->setObjectName(QStringLiteral("MainWidgetBlender"));
    blender->setAutoFillBackground(true);
    blender->hide();
    blendWidget = blender;
}

QWidget *App::dialogParent() const
{
    return mainWidget && mainWidget->isVisible() ? mainWidget.data() : nullptr;
}

void App::slotSetBlendMainWidget(bool on)
{
    if (!mainWidget || !blendWidget)
        return;
    if (on) {
        blendWidget->setFixedSize(mainWidget->size());
        blendWidget->show();
        blendWidget->raise();
    } else {
        blendWidget->hide();
    }
}

QList<App::StartupHook> &App::startupHooks()
{
    static QList<StartupHook> hooks;
    return hooks;
}

void App::registerStartupHook(StartupHook hook)
{
    startupHooks().append(hook);
}

void App::disableMessageOutput()
{
    qInstallMessageHandler(discardMessage);
}

bool App::event(QEvent *e)
{
    if (e->type() == QEvent::FileOpen) {
        emit fileOpenRequest(static_cast<QFileOpenEvent *>(e)->file());
        return true;
    }
    return QApplication::event(e);
}

bool App::notify(QObject *receiver, QEvent *e)
{
    switch (e->type()) {
    case QEvent::ApplicationActivate:
        applicationInactive = false;
        emit applicationActivated();
        break;
    case QEvent::MouseButtonPress:
        emit mouseButtonPress();
        break;
    case QEvent::ApplicationDeactivate:
        applicationInactive = true;
        emit applicationDeactivated();
        break;
    case QEvent::Expose:
        emit applicationExposed();
        break;
    default:
        break;
    }
    return QApplication::notify(receiver, e);
}

QString App::storeUrl(const QString &url)
{
    return storeProductLink(storeProducts, url);
}

bool App::isStoreEdition() const
{
    return isStoreEditionFor(independentEdition, resourceDir);
}

bool App::openLink(const QString &link)
{
    if (link.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}

void App::setReminder(int interval, int kinds)
{
    reminderKind = chooseReminderKind(kinds, isStoreEdition());
    // Below 1 the due test would divide by zero; 1 prompts at every counted quit.
    reminderInterval = sanitizedReminderInterval(interval);
    // One check per quit, however often the reminder is armed.
    disconnect(reminderConnection);
    reminderConnection =
        connect(this, &QCoreApplication::aboutToQuit, this, &App::slotCallRateReminderInternal);
}

void App::setAppPageName(const QString &name)
{
    const QString code = language();
    pageName = name.isEmpty() ? QCoreApplication::applicationName().toLower() : name;
    const QString page = productPageAddress(domainLabel(QCoreApplication::organizationDomain()),
                                            sitePart(code, siteLanguages), pageName);
    facebookShareLink = facebookShareLinkFor(page);
    twitterShareLink = twitterShareLinkFor(page);
    supportUrl = page;
}

void App::slotCheckUpdate()
{
    qDebug() << "Not implemented";
}

void App::slotShowMoreApps()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("ms-windows-store://publisher/?name=Velmora")));
}

namespace {

const QString autoReminderKey = QStringLiteral("AutoReminder");
const QString autoReminderCountKey = QStringLiteral("AutoReminderCount");

} // namespace

void App::askWithReminderDialog(ReminderStateDialog *dialog)
{
    runDialog(dialog);
    const ReminderAnswer answer = reminderAnswer(dialog->state());
    delete dialog;
    if (answer.openRateLink)
        slotRateApp();
    if (answer.openContactMail)
        slotContactUs();
    if (answer.stopReminders)
        setSetting(autoReminderKey, false);
}

void App::slotCallRateReminderInternal()
{
    if (!setting(autoReminderKey, true).toBool())
        return;
    bool readable = false;
    int counter = setting(autoReminderCountKey, 1).toInt(&readable);
    if (!readable)
        counter = 1;
    if (isReminderDue(counter, reminderInterval)) {
        ReminderStateDialog *dialog = nullptr;
        if (reminderKind == Rate)
            dialog = new RateAppStoreDialog(dialogParent());
        else if (reminderKind == Tell)
            dialog = new TellReminderDialog(dialogParent());
        else
            dialog = new JoinReminderDialog(dialogParent());
        askWithReminderDialog(dialog);
    }
    setSetting(autoReminderCountKey, nextReminderCount(counter));
}

void App::scheduleReminderCheck(int kind)
{
    reminderKind = kind;
    if (!reminderTimer) {
        reminderTimer = new QTimer(this);
        reminderTimer->setSingleShot(true);
        connect(reminderTimer, &QTimer::timeout, this, &App::slotCallRateReminderInternal);
    }
    // A later request replaces a pending one, so two requests never stack two prompts.
    reminderTimer->start(reminderDelay);
}

void App::slotCallRateReminder()
{
    scheduleReminderCheck(Rate);
}

void App::slotCallTellReminder()
{
    scheduleReminderCheck(Tell);
}

void App::slotCallJoinReminder()
{
    scheduleReminderCheck(Join);
}

void App::slotImmediatelyRate()
{
    askWithReminderDialog(new RateAppStoreDialog(dialogParent()));
}

void App::slotStartCount() {}

void App::slotRateApp()
{
    const QString link = independentEdition
                             ? independentRateLink(serviceAddresses().applicationWebServer,
                                                   QCoreApplication::applicationName().toLower())
                             : storeReviewLink(storeUrl(supportUrl));
    qDebug() << QStringLiteral("!!!!") + link;
    openLink(link);
}

void App::slotTellFriend()
{
    const QString appId = QCoreApplication::applicationName().toLower();
    QString link = supportUrl;
    if (link.isEmpty()) {
        if (isStoreEdition())
            link = storeUrl(appId).replace(QStringLiteral("macappstore"), QStringLiteral("https"));
        else
            link = serviceAddresses().webSite + QLatin1Char('/') + appId;
    }
    openLink(tellFriendMail(QCoreApplication::applicationName(), link));
}

void App::slotShareApp()
{
    auto *dialog = new TellDialog(activeWindow());
    dialog->exec();
    delete dialog;
}

void App::slotJoin()
{
    auto *dialog = new JoinDialog(activeWindow());
    dialog->exec();
    delete dialog;
}

void App::slotContactUs()
{
    openLink(contactMail(makerPages().contactEmail, QCoreApplication::applicationName(),
                         QCoreApplication::applicationVersion(), osDescription(), language(),
                         isStoreEdition()));
}

void App::slotSupportPage()
{
    openLink(supportUrl.isEmpty() ? serviceAddresses().webSite : supportUrl);
}

void App::slotShowPrivacyPolicy()
{
    openLink(privacyPolicyUrl);
}
void App::slotAbout()
{
    // A local dialog per opening, so every opening starts on the info page.
    auto *dialog = new AboutDialog(dialogParent());
    runDialog(dialog);
    delete dialog;
}
HelpDialog *App::helpDialogPointer() const
{
    return helpDialog;
}

void App::slotHelp()
{
    if (!helpDialog) {
        helpDialog = new HelpDialog(dialogParent());
        for (const QString &slide : qAsConst(helpSlides))
            helpDialog->addSlide(slide);
        if (!helpVideoLink.isEmpty())
            helpDialog->setVideoLink(helpVideoLink);
    }
    // Modeless and reused: closing only hides it.
    helpDialog->raise();
    helpDialog->activateWindow();
    helpDialog->show();
}
void App::slotShowCssEditor()
{
    // Every call makes a window of its own; it is hidden, not deleted, when closed.
    auto *editor = new CssEditor(nullptr);
    editor->show();
}

} // namespace QMWidgets
