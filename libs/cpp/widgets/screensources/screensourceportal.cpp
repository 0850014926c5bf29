#include "screensourceportal.h"

#include "portalpicture.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMap>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>
#include <QtMath>

#include <limits>

namespace QMWidgets {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString permissionStore = QStringLiteral("org.freedesktop.impl.portal.PermissionStore");
const QString permissionStorePath = QStringLiteral("/org/freedesktop/impl/portal/PermissionStore");
// How the user gives the permission back: the desktop's settings offer no switch for programs
// outside a sandbox, and the permission store has no command of its own.
const QString allowAgainCommand =
    QStringLiteral("gdbus call --session -d org.freedesktop.impl.portal.PermissionStore "
                   "-o /org/freedesktop/impl/portal/PermissionStore "
                   "-m org.freedesktop.impl.portal.PermissionStore.SetPermission "
                   "screenshot true screenshot '' \"['yes']\"");

// Whether the permission store's entries for screenshots (application id: answers) hold "no"
// for the programs outside a sandbox, application id "": the answer "Deny" to the desktop's
// question is kept there, and the desktop then refuses at once without asking.
bool screenshotsDenied(const QMap<QString, QStringList> &permissions)
{
    return permissions.value(QString()).value(0) == QLatin1String("no");
}

} // namespace

QString portalRequestPath(const QString &uniqueName, const QString &handleToken)
{
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return portalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + handleToken;
}

const QString ScreenSourcePortal::sourceName = QStringLiteral("portal");

ScreenSourcePortal::ScreenSourcePortal(QObject *parent)
    : ScreenSource(parent), deadline(new QTimer(this))
{
    connect(deadline, &QTimer::timeout, this, [this] {
        closeRequests();
        deliver(QImage(),
                tr("The desktop did not answer the screenshot request within %1 seconds.")
                        .arg(qCeil(timeoutMs / 1000.0)) +
                    QLatin1Char('\n') +
                    tr("If the desktop still asks whether applications may take screenshots, "
                       "that question no longer counts: close it and start Clipwise again."));
    });
}

ScreenSourcePortal::~ScreenSourcePortal()
{
    if (pending)
        closeRequests();
}

void ScreenSourcePortal::closeRequests()
{
    // Tell the desktop we no longer wait, so it does not take the picture after all.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    for (const QString &path : qAsConst(requestPaths))
        bus.send(QDBusMessage::createMethodCall(portalService, path, requestInterface,
                                                QStringLiteral("Close")));
}

void ScreenSourcePortal::start()
{
    if (pending)
        return;
    pending = true;
    delivered = QImage();
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
    // No timeout of the call's own: a portal that never replies is told apart from one that is
    // missing by the deadline alone.
    currentCall =
        new QDBusPendingCallWatcher(bus.asyncCall(call, std::numeric_limits<int>::max()), this);
    connect(currentCall, &QDBusPendingCallWatcher::finished, this,
            &ScreenSourcePortal::onCallFinished);
    deadline->start(timeoutMs);
}

void ScreenSourcePortal::listenOn(const QString &path)
{
    if (requestPaths.contains(path))
        return;
    requestPaths << path;
    QDBusConnection::sessionBus().connect(portalService, path, requestInterface,
                                          QStringLiteral("Response"), this,
                                          SLOT(onResponse(uint, QVariantMap)));
}

void ScreenSourcePortal::onCallFinished(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    // The reply to a request given up on (past its deadline) must not end the one asked now.
    if (call != currentCall)
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        deliver(QImage(), tr("The desktop offers no screenshot service; it needs "
                             "xdg-desktop-portal with a back end for the desktop.\n%1")
                              .arg(reply.error().message()));
        return;
    }
    // Portals before version 0.9 chose the path themselves.
    if (pending)
        listenOn(reply.value().path());
}

void ScreenSourcePortal::onResponse(uint response, const QVariantMap &results)
{
    if (!pending)
        return;
    if (response == 0)
        readPicture(results);
    else
        explainRefusal(response);
}

void ScreenSourcePortal::explainRefusal(uint response)
{
    // The desktop's answer does not say why; a stored "no" does, and how to undo it matters.
    deadline->stop();
    QDBusMessage lookup = QDBusMessage::createMethodCall(permissionStore, permissionStorePath,
                                                         permissionStore, QStringLiteral("Lookup"));
    lookup << QStringLiteral("screenshot") << QStringLiteral("screenshot");
    auto *call =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(lookup, 2000), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, response, call] {
        call->deleteLater();
        QMap<QString, QStringList> permissions;
        const QDBusMessage reply = call->reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            qvariant_cast<QDBusArgument>(reply.arguments().constFirst()) >> permissions;
        if (screenshotsDenied(permissions))
            deliver(QImage(), tr("The desktop does not allow programs outside a sandbox, Clipwise "
                                 "among them, to take screenshots: it keeps that answer to its "
                                 "question. To allow it again, run this command in a terminal, "
                                 "then start Clipwise again:\n%1")
                                  .arg(allowAgainCommand));
        else if (response == 1)
            deliver(QImage(), tr("The desktop refused to take the screenshot."));
        else
            deliver(QImage(), tr("The desktop could not take the screenshot."));
    });
}

void ScreenSourcePortal::readPicture(const QVariantMap &results)
{
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile()) {
        deliver(
            QImage(),
            tr("The desktop's screenshot %1 could not be read as a picture.").arg(uri.toString()));
        return;
    }
    const PortalPicture picture = readPortalPicture(uri.toLocalFile());
    if (picture.image.isNull()) {
        deliver(QImage(), picture.error);
        return;
    }
    // Some desktops leave one such file per request in the user's pictures.
    removePortalPicture(uri.toLocalFile(), picture, started);
    deliver(picture.image, QString());
}

void ScreenSourcePortal::deliver(const QImage &image, const QString &reason)
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
    delivered = image;
    if (image.isNull()) {
        finish({}, reason);
        return;
    }
    const DesktopStill still = cutDesktopPicture(image, desktopOutputs());
    finish(still, still.isEmpty() ? tr("The desktop's screenshot does not match its screens.")
                                  : QString());
}

} // namespace QMWidgets
