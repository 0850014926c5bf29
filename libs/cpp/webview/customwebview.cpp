#include "customwebview.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace QMWebView {

CustomWebView::CustomWebView(QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

CustomWebView::~CustomWebView()
{
    if (current)
        current->abort();
}

void CustomWebView::navigate(const QString &url)
{
    if (current) {
        QNetworkReply *old = current;
        current = nullptr;
        old->abort();
    }

    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    // Like a browser: follow redirects, but never from a secure address to a plain one.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    request.setTransferTimeout(transferTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QCoreApplication::applicationName() +
                                                            QLatin1Char('/') +
                                                            QCoreApplication::applicationVersion());

    // Made on first use: a network access manager loads the bearer plugins, which start threads
    // and talk to the network daemons, and the view is created at every start but seldom used.
    if (!accessManager)
        accessManager = new QNetworkAccessManager(this);
    QNetworkReply *reply = accessManager->get(request);
    current = reply;
    // The page is never looked at; reading it as it comes keeps nothing in memory.
    connect(reply, &QNetworkReply::readyRead, reply, [reply] {
        while (reply->bytesAvailable() > 0 && !reply->read(16384).isEmpty()) {
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finishReply(reply); });
}

void CustomWebView::finishReply(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != current)
        return;
    current = nullptr;
    emit navigationFinished(reply->url(), reply->error() == QNetworkReply::NoError);
}

} // namespace QMWebView
