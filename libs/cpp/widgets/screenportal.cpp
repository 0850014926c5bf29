#include "screenportal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>
#include <QtMath>

namespace QMWidgets {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

} // namespace

bool isWaylandSession(const QByteArray &waylandDisplay, const QByteArray &sessionType)
{
    return !waylandDisplay.isEmpty() || sessionType.trimmed().toLower() == "wayland";
}

bool isWaylandSession()
{
    return isWaylandSession(qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"));
}

QString portalRequestPath(const QString &uniqueName, const QString &handleToken)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + handleToken;
}

bool mayRemovePortalFile(const QFileInfo &file, const QDateTime &requestStarted)
{
    if (file.isSymLink() || !file.isFile())
        return false;
    // File times are kept to the second on some file systems and lag the clock by a tick on
    // others, so the comparison is made in whole seconds.
    const qint64 written = file.lastModified().toSecsSinceEpoch();
    return requestStarted.isValid() && written >= requestStarted.toSecsSinceEpoch();
}

StillArea primaryStillArea(const QSize &pictureSize, const QList<QRect> &screens,
                           const QRect &primary)
{
    QRect all = primary;
    for (const QRect &screen : screens)
        all |= screen;
    StillArea result;
    if (all.isEmpty())
        return result;
    result.ratio = pictureSize.width() / qreal(all.width());
    // Each edge on its own, so the area's size does not drift with the rounding of its origin.
    const auto edge = [&](int logical) { return qRound(logical * result.ratio); };
    const QPoint topLeft(edge(primary.left() - all.left()), edge(primary.top() - all.top()));
    const QPoint end(edge(primary.left() - all.left() + primary.width()),
                     edge(primary.top() - all.top() + primary.height()));
    result.area = QRect(topLeft, end - QPoint(1, 1)).intersected(QRect(QPoint(), pictureSize));
    return result;
}

ScreenPortal::ScreenPortal(QObject *parent) : QObject(parent), deadline(new QTimer(this))
{
    connect(deadline, &QTimer::timeout, this, [this] {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        // Tell the desktop we no longer wait, so it does not take the picture after all.
        for (const QString &path : qAsConst(requestPaths))
            bus.asyncCall(QDBusMessage::createMethodCall(portalService, path, requestInterface,
                                                         QStringLiteral("Close")));
        finish(QImage(), tr("The desktop did not answer the screenshot request within %1 seconds.")
                             .arg(qCeil(timeoutMs / 1000.0)));
    });
}

ScreenPortal::~ScreenPortal() = default;

void ScreenPortal::request()
{
    if (pending)
        return;
    pending = true;
    still = QImage();
    failure.clear();
    started = QDateTime::currentDateTime();
    QDBusConnection bus = QDBusConnection::sessionBus();
    static quint32 serial = 0;
    const QString token = QStringLiteral("clipwise%1_%2")
                              .arg(++serial)
                              .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    // Before the call: the answer may come before the call's own reply.
    listenOn(portalRequestPath(bus.baseService(), token));
    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    call << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &ScreenPortal::onCallFinished);
    deadline->start(timeoutMs);
}

void ScreenPortal::listenOn(const QString &path)
{
    if (requestPaths.contains(path))
        return;
    requestPaths << path;
    QDBusConnection::sessionBus().connect(portalService, path, requestInterface,
                                          QStringLiteral("Response"), this,
                                          SLOT(onResponse(uint, QVariantMap)));
}

void ScreenPortal::onCallFinished(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        finish(QImage(), tr("The desktop offers no screenshot service; it needs "
                            "xdg-desktop-portal with a back end for the desktop.\n%1")
                             .arg(reply.error().message()));
        return;
    }
    // Portals before version 0.9 chose the path themselves.
    if (pending)
        listenOn(reply.value().path());
}

void ScreenPortal::onResponse(uint response, const QVariantMap &results)
{
    if (!pending)
        return;
    if (response == 0)
        readPicture(results);
    else if (response == 1)
        finish(QImage(), tr("The desktop refused to take the screenshot."));
    else
        finish(QImage(), tr("The desktop could not take the screenshot."));
}

void ScreenPortal::readPicture(const QVariantMap &results)
{
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    const QString path = uri.isLocalFile() ? uri.toLocalFile() : QString();
    QImage image;
    if (!path.isEmpty()) {
        QImageReader reader(path);
        image = reader.read();
    }
    if (image.isNull()) {
        finish(QImage(),
               tr("The desktop's screenshot %1 could not be read as a picture.")
                   .arg(path.isEmpty() ? uri.toString() : QDir::toNativeSeparators(path)));
        return;
    }
    // Some desktops leave one such file per request in the user's pictures.
    if (mayRemovePortalFile(QFileInfo(path), started))
        QFile::remove(path);
    finish(image, QString());
}

void ScreenPortal::finish(const QImage &image, const QString &reason)
{
    if (!pending)
        return;
    pending = false;
    deadline->stop();
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const QString &path : qAsConst(requestPaths))
        bus.disconnect(portalService, path, requestInterface, QStringLiteral("Response"), this,
                       SLOT(onResponse(uint, QVariantMap)));
    requestPaths.clear();
    still = image;
    failure = reason;
    emit finished();
}

} // namespace QMWidgets
