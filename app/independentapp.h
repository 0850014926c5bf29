#pragma once

#include "app.h"

#include <QDate>
#include <QPointer>

namespace QMWebView {
class NativeWebView;
} // namespace QMWebView

namespace QMRequest {
class Downloader;
} // namespace QMRequest

namespace QMWidgets {

// The direct-distribution edition of the application object: web forms of the links, the
// start-up update check and the usage report.
class IndependentApp final : public App
{
    Q_OBJECT

public:
    IndependentApp(int &argc, char **argv, const QString &organizationName,
                   const QString &applicationName);
    ~IndependentApp() override;

    QString storeUrl(const QString &url) override;

    // Update check: asks the service (primary base, then fallback) and decides.
    bool isUpdateAvailable();
    QString buildInfo();
    QString fetchBuildInfo(const QString &base);
    void showUpdateDialog(bool available);
    QString windowsVersionCode() const;
    // The start-up check for a given day; nop_cuos() runs it for today.
    void runStartupCheck(const QDate &today);
    // The dialog's message; the advertised build is shown as text, never read as markup.
    static QString updateDialogText(bool available, const QString &build);

    QMWebView::NativeWebView *hiddenWebView() const { return webView; }
    // True once the run is ending: no further fetch is started and no dialog shown.
    bool isNetworkStopped() const { return networkStopped; }

public slots:
    void slotCheckUpdate() override;
    void slotShowMoreApps() override;
    // The start-up check; waits for the main widget to show when it is not on screen yet.
    void nop_cuos();
    // The capture window has closed and the run is ending: abandon the fetch in progress so
    // the program can quit at once.
    void slotStopNetwork();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private slots:
    void slotDoWebMetrics();

private:
    // The start-up check fell due before the main widget was on screen.
    bool checkWaiting = false;
    QMWebView::NativeWebView *webView = nullptr;
    QPointer<QMRequest::Downloader> activeDownloader;
    bool networkStopped = false;
};

} // namespace QMWidgets
