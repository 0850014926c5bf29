#pragma once

#include <QNetworkReply>
#include <QPointer>
#include <QUrl>
#include <QWidget>

class QNetworkAccessManager;

namespace QMWebView {

// The page loader behind the web view on this platform: navigate() fetches the address in the
// background the way a browser would (redirects followed, the page read and thrown away) and
// works whether or not the widget is ever shown. Nothing is rendered.
class CustomWebView final : public QWidget
{
    Q_OBJECT

public:
    explicit CustomWebView(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~CustomWebView() override;

    // Starts loading the address and returns at once; a load still running is abandoned, as a
    // browser abandons the old page when a new address is entered.
    void navigate(const QString &url);

    bool isLoading() const { return current != nullptr; }

    // Redirect hops followed before a load is given up; browsers stop at about twenty.
    static constexpr int maximumRedirects = 20;
    // A page that sends nothing for this long is given up.
    static constexpr int transferTimeoutMs = 30000;

signals:
    // The final address (after redirects) and whether the page arrived without error. Emitted
    // once per load that is not abandoned.
    void navigationFinished(const QUrl &url, bool ok);

private:
    void finishReply(QNetworkReply *reply);

    QNetworkAccessManager *accessManager = nullptr;
    QPointer<QNetworkReply> current;
};

} // namespace QMWebView
