#include "downloadmanager.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace QMRequest {

DownloadManager::DownloadManager(QObject *parent) : QObject(parent)
{
    accessManager = new QNetworkAccessManager(this);
    connect(accessManager, &QNetworkAccessManager::finished, this, &DownloadManager::slotFinished);
}

DownloadManager::~DownloadManager() = default;

void DownloadManager::download(const QUrl &url)
{
    // No headers or attributes of our own: in particular no redirect policy, so redirects are
    // reported as they come instead of being followed.
    QNetworkRequest request(url);
    reply = accessManager->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, &DownloadManager::slotDownloadProgress);
    // Qt reports progress at most every 100 ms and not at all while the server holds back the
    // rest, so the size is also checked as soon as the header or any data arrives.
    QNetworkReply *started = reply;
    const auto check = [this, started] {
        stopWhenTooLong(started, started->bytesAvailable(),
                        started->header(QNetworkRequest::ContentLengthHeader).toLongLong());
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, check);
    connect(reply, &QNetworkReply::readyRead, this, check);
}

void DownloadManager::slotAbort()
{
    QNetworkReply *current = reply;
    if (!current)
        return;
    // abort() reports the finish (operation cancelled) at once, so slotFinished has normally
    // run and emitted error() when it returns.
    current->abort();
    current->deleteLater();
    if (reply == current) {
        // The reply had already finished and its report is still on its way (abort() does
        // nothing then): end the fetch here; the late report is ignored as stale.
        reply = nullptr;
        emit error();
    }
}

void DownloadManager::slotFinished(QNetworkReply *finishedReply)
{
    finishedReply->deleteLater();
    // A reply left over from an earlier, abandoned fetch must not answer the current one.
    if (finishedReply != reply)
        return;
    reply = nullptr;
    if (finishedReply->error() == QNetworkReply::NoError) {
        const QByteArray body = finishedReply->readAll();
        if (exceedsLimit(body.size())) {
            emit error();
            return;
        }
        emit done(finishedReply->url(), body);
    } else {
        emit error();
    }
}

void DownloadManager::slotDownloadProgress(qint64 received, qint64 total)
{
    emit downloadProgress(received, total);
    stopWhenTooLong(qobject_cast<QNetworkReply *>(sender()), received, total);
}

void DownloadManager::stopWhenTooLong(QNetworkReply *from, qint64 received, qint64 total)
{
    // Stop reading as soon as the answer is known to be too long, so a broken or hostile
    // server cannot make us buffer without end or keep the caller waiting.
    if (reply && from == reply && (exceedsLimit(received) || exceedsLimit(total)))
        slotAbort();
}

} // namespace QMRequest
