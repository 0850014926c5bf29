#pragma once

#include "screensource.h"

#include <QDateTime>
#include <QStringList>

class QDBusPendingCallWatcher;
class QTimer;

namespace QMWidgets {

// The object path on which the desktop answers a request that the bus connection uniqueName
// made with handleToken.
QString portalRequestPath(const QString &uniqueName, const QString &handleToken);

// One request for a still of the screens to the desktop's screenshot portal on the session bus,
// the way in on every Wayland desktop. Everything happens from the event loop.
class ScreenSourcePortal final : public ScreenSource
{
    Q_OBJECT

public:
    static const QString sourceName;

    // How long the desktop may take to answer, in milliseconds. A desktop may first ask the user
    // whether programs may take screenshots at all. The portal of Debian 12 waits 25 seconds for
    // that answer and then never answers the request, leaving the question on screen; waiting
    // longer than that, with a margin for taking the picture, would only keep the user waiting.
    static constexpr int defaultTimeoutMs = 30000;

    explicit ScreenSourcePortal(QObject *parent = nullptr);
    ~ScreenSourcePortal() override;

    QString name() const override { return sourceName; }
    void setTimeout(int milliseconds) { timeoutMs = milliseconds; }
    void start() override;
    int boundMs() const override { return timeoutMs; }

    // The picture of all outputs as the desktop delivered it; null on failure.
    QImage picture() const { return delivered; }

private slots:
    void onResponse(uint response, const QVariantMap &results);

private:
    void onCallFinished(QDBusPendingCallWatcher *call);
    void listenOn(const QString &path);
    void deliver(const QImage &image, const QString &reason);
    void readPicture(const QVariantMap &results);
    void explainRefusal(uint response);
    void closeRequests();

    int timeoutMs = defaultTimeoutMs;
    QTimer *deadline = nullptr;
    QDBusPendingCallWatcher *currentCall = nullptr; // alive until it finishes
    QStringList requestPaths;
    QDateTime started;
    bool pending = false;
    QImage delivered;
};

} // namespace QMWidgets
