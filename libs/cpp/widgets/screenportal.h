#pragma once

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

class QDBusPendingCallWatcher;
class QFileInfo;
class QTimer;

namespace QMWidgets {

// True in a Wayland session, whichever Qt platform this process runs on: there an X11 program
// cannot see the screen, and the still has to come from the desktop's screenshot service.
bool isWaylandSession(const QByteArray &waylandDisplay, const QByteArray &sessionType);
// The same, read from this process's environment.
bool isWaylandSession();

// The object path on which the desktop answers a request that the bus connection uniqueName
// made with handleToken.
QString portalRequestPath(const QString &uniqueName, const QString &handleToken);

// Whether the picture file the desktop handed over may be deleted after reading: only a regular
// file (no link, no folder) written since the request started, that is one the desktop made for
// this request and not a file the user already had.
bool mayRemovePortalFile(const QFileInfo &file, const QDateTime &requestStarted);

// Where the primary screen lies in the desktop's picture of all outputs, and how many of the
// picture's pixels make one logical pixel of the screen.
struct StillArea
{
    QRect area;
    qreal ratio = 1.0;
};
// screens are the logical geometries of all outputs, primary the one to cut out.
StillArea primaryStillArea(const QSize &pictureSize, const QList<QRect> &screens,
                           const QRect &primary);

// One request for a still of the screen to the desktop's screenshot portal on the session bus.
// Everything happens from the event loop; finished() follows request() exactly once, with
// either a picture or the reason why there is none.
class ScreenPortal final : public QObject
{
    Q_OBJECT

public:
    // How long the desktop may take to answer, in milliseconds. A desktop may first ask the user
    // whether this program may take screenshots at all; reading and answering that question
    // takes a person a while, so two minutes. Beyond that the program would sit invisibly in the
    // background, which is worse than saying that the capture failed.
    static constexpr int defaultTimeoutMs = 120000;

    explicit ScreenPortal(QObject *parent = nullptr);
    ~ScreenPortal() override;

    void setTimeout(int milliseconds) { timeoutMs = milliseconds; }
    void request();

    // The picture of all outputs as the desktop delivered it; null on failure.
    QImage picture() const { return still; }
    QString errorString() const { return failure; }

signals:
    void finished();

private slots:
    void onResponse(uint response, const QVariantMap &results);

private:
    void onCallFinished(QDBusPendingCallWatcher *call);
    void listenOn(const QString &path);
    void finish(const QImage &image, const QString &reason);
    void readPicture(const QVariantMap &results);

    int timeoutMs = defaultTimeoutMs;
    QTimer *deadline = nullptr;
    QStringList requestPaths;
    QDateTime started;
    bool pending = false;
    QImage still;
    QString failure;
};

} // namespace QMWidgets
