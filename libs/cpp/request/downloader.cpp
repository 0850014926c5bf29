#include "downloader.h"

#include "downloadmanager.h"

#include <QMutexLocker>

#include <limits>

namespace QMRequest {

QString withHttpPrefix(const QString &address)
{
    static const QString prefix = QStringLiteral("http://");
    return address.startsWith(prefix, Qt::CaseSensitive) ? address : prefix + address;
}

int percentReceived(qint64 received, qint64 total)
{
    if (total == 0)
        return 100;
    if (total < 0 || received <= 0)
        return 0;
    const double percent = static_cast<double>(received) * 100.0 / static_cast<double>(total);
    // Bounded before the conversion: a ratio far above 100 does not fit an int.
    return static_cast<int>(qBound<double>(0, percent, 100));
}

Downloader::Downloader(QObject *parent) : QObject(parent)
{
    downloadManager = new DownloadManager(this);
    connect(downloadManager, &DownloadManager::done, this, &Downloader::slotFinished);
    connect(downloadManager, &DownloadManager::downloadProgress, this, &Downloader::slotProgress);
    connect(downloadManager, &DownloadManager::error, this, &Downloader::slotError);
}

Downloader::~Downloader() = default;

void Downloader::setMaximumSize(qint64 bytes)
{
    downloadManager->setMaximumSize(bytes);
}

QByteArray Downloader::get(const QString &url, QEventLoop::ProcessEventsFlags flags)
{
    // Checked before the mutex: a call from inside our own nested loop must not lock twice.
    if (busy)
        return QByteArray();
    data.clear();
    busy = true;
    interrupted = false;
    QMutexLocker locker(&mutex);

    answered = false;
    downloadManager->download(QUrl(withHttpPrefix(url), QUrl::TolerantMode));
    finished = false;
    if (!answered)
        loop.exec(flags);
    if (!answered) {
        // The loop was ended by QCoreApplication::exit(), which ends every running loop (and
        // makes new ones return at once). Drop the reply so it cannot answer a later fetch.
        interrupted = true;
        downloadManager->slotAbort();
        data.clear();
    }
    finished = true;
    busy = false;
    const QByteArray result = data;
    return result;
}

void Downloader::slotAbort()
{
    downloadManager->slotAbort();
}

void Downloader::slotFinished(const QUrl &, const QByteArray &bytes)
{
    data = bytes;
    answered = true;
    loop.exit(0);
}

void Downloader::slotProgress(qint64 received, qint64 total)
{
    emit progress(static_cast<int>(qBound<qint64>(0, received, std::numeric_limits<int>::max())));
    emit progressPercent(percentReceived(received, total));
}

void Downloader::slotError()
{
    answered = true;
    loop.exit(0);
}

} // namespace QMRequest
