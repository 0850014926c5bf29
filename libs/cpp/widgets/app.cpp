#include "app.h"

#include "aboutdialog.h"
#include "blenderwidget.h"
#include "csseditor.h"
#include "translationsmanager.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QSettings>
#include <QStandardPaths>
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
    firstStart = std::none_of(paths.cbegin(), paths.cend(),
                              [](const QString &p) { return QFileInfo::exists(p); });

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

App::~App() = default;

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
    return url;
}

void App::setReminder(int interval, int kinds)
{
    reminderInterval = qMax(1, interval);
    reminderKind = kinds;
}

void App::setAppPageName(const QString &name)
{
    language();
    pageName = name.isEmpty() ? QCoreApplication::applicationName().toLower() : name;
}

void App::slotCheckUpdate()
{
    qDebug() << "Not implemented";
}

void App::slotShowMoreApps()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("ms-windows-store://publisher/?name=Velmora")));
}

// Engagement, dialogs and the editor are filled in by their own classes.
void App::slotCallRateReminderInternal() {}
void App::slotCallRateReminder() {}
void App::slotCallTellReminder() {}
void App::slotCallJoinReminder() {}
void App::slotImmediatelyRate() {}
void App::slotStartCount() {}
void App::slotRateApp() {}
void App::slotTellFriend() {}
void App::slotShareApp() {}
void App::slotJoin() {}
void App::slotContactUs() {}
void App::slotSupportPage() {}
void App::slotShowPrivacyPolicy() {}
void App::slotAbout()
{
    // A local dialog per opening, so every opening starts on the info page.
    auto *dialog = new AboutDialog(mainWidget);
    dialog->exec();
    delete dialog;
}
void App::slotHelp() {}
void App::slotShowCssEditor()
{
    // Every call makes a window of its own; it is hidden, not deleted, when closed.
    auto *editor = new CssEditor(nullptr);
    editor->show();
}

} // namespace QMWidgets
