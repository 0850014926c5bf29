#include "independentapp.h"

#include "appupdatedialog.h"
#include "builddate.h"
#include "dialogrunner.h"
#include "downloader.h"
#include "engagementlinks.h"
#include "nativewebview.h"
#include "serviceaddresses.h"
#include "textscrambler.h"
#include "updatecheck.h"
#include "usagereport.h"

#include <QPixmap>
#include <QTimer>
#include <QUrl>

namespace QMWidgets {

IndependentApp::IndependentApp(int &argc, char **argv, const QString &organizationName,
                               const QString &applicationName)
    : App(argc, argv, organizationName, applicationName)
{
    independentEdition = true;
    disableMessageOutput();
    // Hidden for the whole run; it only carries the usage report.
    webView = new QMWebView::NativeWebView(nullptr);
    QTimer::singleShot(4000, this, &IndependentApp::slotDoWebMetrics);
    if (AppUpdateDialog::isCheckOnStart())
        QTimer::singleShot(2000, this, &IndependentApp::nop_cuos);
}

IndependentApp::~IndependentApp()
{
    webView->deleteLater();
}

QString IndependentApp::storeUrl(const QString &url)
{
    return url;
}

void IndependentApp::slotCheckUpdate()
{
    const bool available = isUpdateAvailable();
    if (!networkStopped)
        showUpdateDialog(available);
}

void IndependentApp::slotShowMoreApps()
{
    // The web site is kept scrambled with the other service addresses.
    openLink(moreAppsLink(serviceAddresses().webSite));
}

void IndependentApp::slotDoWebMetrics()
{
    const QString address = usageReportAddress(serviceAddresses().metricsHost, isFirstStart(),
                                               QCoreApplication::applicationName());
    webView->load(QUrl(address, QUrl::TolerantMode));
}

void IndependentApp::nop_cuos()
{
    // While the main widget is not on screen yet (the capture screen waits for its still), a
    // dialog would be in the desktop's picture, or end up under the window shown after it.
    QWidget *main = mainWidgetPointer();
    if (main && !main->isVisible()) {
        if (!checkWaiting) {
            checkWaiting = true;
            main->installEventFilter(this);
        }
        return;
    }
    runStartupCheck(QDate::currentDate());
}

bool IndependentApp::eventFilter(QObject *watched, QEvent *e)
{
    if (checkWaiting && e->type() == QEvent::Show && watched == mainWidgetPointer()) {
        checkWaiting = false;
        watched->removeEventFilter(this);
        // Once the window has finished showing.
        QTimer::singleShot(0, this, &IndependentApp::nop_cuos);
    }
    return App::eventFilter(watched, e);
}

void IndependentApp::runStartupCheck(const QDate &today)
{
    const QString stampKey = QStringLiteral("Stamp5");
    switch (judgeStamp(stampDate(setting(stampKey).toString()), today)) {
    case StampVerdict::Missing:
        setSetting(stampKey, scrambleText(plainStamp(today)));
        return;
    case StampVerdict::Resting:
        return;
    case StampVerdict::Due:
        break;
    }
    // The stamp moves only once a newer build has really been offered, so a run that ends
    // during the fetch or finds nothing asks again next time.
    if (!isUpdateAvailable() || networkStopped)
        return;
    showUpdateDialog(true);
    setSetting(stampKey, scrambleText(plainStamp(today)));
}

void IndependentApp::slotStopNetwork()
{
    networkStopped = true;
    if (activeDownloader)
        activeDownloader->slotAbort();
}

QString IndependentApp::windowsVersionCode() const
{
    return QMWidgets::windowsVersionCode(runningWindowsVersionValue());
}

QString IndependentApp::fetchBuildInfo(const QString &base)
{
    if (networkStopped)
        return QString();
    QMRequest::Downloader downloader;
    downloader.setMaximumSize(buildInfoMaximumSize);
    activeDownloader = &downloader;
    const QString path = buildInfoPath(QCoreApplication::applicationName());
    QTimer::singleShot(buildInfoTimeoutMs, &downloader, &QMRequest::Downloader::slotAbort);
    const QByteArray bytes = downloader.get(base + path, {});
    activeDownloader = nullptr;
    // Ended by the application quitting: the run is over, ask nobody else.
    if (downloader.wasInterrupted())
        networkStopped = true;
    return buildInfoText(bytes);
}

QString IndependentApp::buildInfo()
{
    const ServiceAddresses addresses = serviceAddresses();
    const QString primary = fetchBuildInfo(addresses.primaryServiceBase);
    if (!primary.isEmpty() || networkStopped)
        return primary;
    return fetchBuildInfo(addresses.fallbackServiceBase);
}

bool IndependentApp::isUpdateAvailable()
{
    const BuildInfo info = parseBuildInfo(buildInfo(), windowsVersionCode());
    if (info.hasBuild)
        setLatestAdvertisedBuild(info.build);
    return offersNewerBuild(info, buildDate());
}

QString IndependentApp::updateDialogText(bool available, const QString &build)
{
    if (available)
        return tr("<CENTER><H2>The newer version ") + build.toHtmlEscaped() + tr(" of ") +
               QCoreApplication::applicationName().toHtmlEscaped() +
               tr(" is available.<br>Get the newest version?</H2></CENTER>");
    return tr("<CENTER><H2>You are using the latest version available.<br>Go to the app web "
              "page anyway?</H2></CENTER>");
}

void IndependentApp::showUpdateDialog(bool available)
{
    ensureUpdatePictures();
    // The start-up check may find a newer build while the capture screen is up.
    AppUpdateDialog dialog(dialogParent());
    dialog.setText(updateDialogText(available, latestAdvertisedBuild()));
    dialog.setPixmap(QPixmap(available ? QStringLiteral(":/update_available.png")
                                       : QStringLiteral(":/update_not_available.png")));
    runDialog(&dialog);
}

} // namespace QMWidgets
