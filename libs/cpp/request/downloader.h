#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QUrl>

namespace QMRequest {

class DownloadManager;

// The address as it is requested: "http://" is put in front of every text that does not
// begin with exactly "http://" (case-sensitive, so "HTTP://x" and "https://x" get it too).
QString withHttpPrefix(const QString &address);

// Per cent of the body received, truncated toward zero and kept within 0..100. An empty body
// (total 0) counts as complete; an unannounced size (total -1) as 0 until Qt reports the
// final size, which it does when the transfer ends.
int percentReceived(qint64 received, qint64 total);

// A blocking fetch: get() waits in a nested event loop until the answer is complete and
// returns its body, or an empty array on any failure. The caller bounds the wait with a
// single-shot timer on slotAbort().
class Downloader final : public QObject
{
    Q_OBJECT

public:
    explicit Downloader(QObject *parent = nullptr);
    ~Downloader() override;

    QByteArray get(const QString &url, QEventLoop::ProcessEventsFlags flags = {});

    // Answers longer than this many bytes count as no answer; zero or less: no limit.
    void setMaximumSize(qint64 bytes);

    bool isBusy() const { return busy; }
    bool isFinished() const { return finished; }
    // True when the last get() was ended from outside, by the application quitting all of its
    // event loops, instead of by an answer, an error or slotAbort().
    bool wasInterrupted() const { return interrupted; }

signals:
    void progress(int);
    void progressPercent(int);

public slots:
    void slotAbort();

protected slots:
    void slotFinished(const QUrl &url, const QByteArray &bytes);
    void slotProgress(qint64 received, qint64 total);
    void slotError();

private:
    QMutex mutex;
    DownloadManager *downloadManager = nullptr;
    bool finished = false;
    bool busy = false;
    QEventLoop loop;
    QByteArray data;
    bool answered = false;
    bool interrupted = false;
};

} // namespace QMRequest
