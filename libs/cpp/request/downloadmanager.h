#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace QMRequest {

// One access manager and at most one reply in flight; turns the reply's end into done() or
// error(). Redirects are not followed: a redirect answer is a success with its own body.
class DownloadManager final : public QObject
{
    Q_OBJECT

public:
    explicit DownloadManager(QObject *parent = nullptr);
    ~DownloadManager() override;

    void download(const QUrl &url);

    // Largest body accepted; a longer answer (announced or received) is aborted and reported
    // as error(). Zero or less means no limit, which is the default.
    void setMaximumSize(qint64 bytes) { maximumSize = bytes; }
    qint64 maximumBodySize() const { return maximumSize; }

    bool isBusy() const { return reply != nullptr; }

signals:
    void downloadProgress(qint64, qint64);
    void done(const QUrl &, const QByteArray &);
    void error();

public slots:
    void slotAbort();

private slots:
    void slotFinished(QNetworkReply *finishedReply);
    void slotDownloadProgress(qint64 received, qint64 total);

private:
    // Aborts the reply in flight when it is from and the answer is longer than the limit.
    void stopWhenTooLong(QNetworkReply *from, qint64 received, qint64 total);
    bool exceedsLimit(qint64 bytes) const { return maximumSize > 0 && bytes > maximumSize; }

    QNetworkAccessManager *accessManager = nullptr;
    QNetworkReply *reply = nullptr;
    qint64 maximumSize = 0;
};

} // namespace QMRequest
