// remotekeys [monitor...]: a keyboard and a pointer for a headless GNOME Shell, through mutter's
// remote-desktop API. Types the keys named on each line of its input (XKB keysym names such as
// Escape, Tab, Return), each pressed and released, until the input ends; MONITOR:x,y moves the
// pointer to pixel (x, y) of a monitor named as an argument (a screen cast of it, which needs
// PipeWire, gives the pointer a place there), down and up press and release its left button.
// The keyboard exists only while its session does, and a window focused while the seat had no
// keyboard never gets the keyboard's focus: keep one running for the whole desktop session, as
// a real keyboard stays plugged in.
#include <QCoreApplication>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QMap>
#include <QThread>

#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <iostream>
#include <sstream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    QDBusInterface desktop(service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), service);
    const QDBusReply<QDBusObjectPath> path = desktop.call(QStringLiteral("CreateSession"));
    if (!path.isValid()) {
        std::fprintf(stderr, "remotekeys: %s\n", qPrintable(path.error().message()));
        return 1;
    }
    QDBusInterface session(service, path.value().path(), service + QStringLiteral(".Session"));
    QMap<QString, QString> streams; // monitor: its screen cast, which places the pointer there
    QDBusMessage reply;
    if (argc > 1) {
        const QString cast = QStringLiteral("org.gnome.Mutter.ScreenCast");
        QDBusInterface casts(cast, QStringLiteral("/org/gnome/Mutter/ScreenCast"), cast);
        const QDBusReply<QDBusObjectPath> castPath =
            casts.call(QStringLiteral("CreateSession"),
                       QVariantMap{{QStringLiteral("remote-desktop-session-id"),
                                    session.property("SessionId")}});
        QDBusInterface castSession(cast, castPath.value().path(),
                                   cast + QStringLiteral(".Session"));
        for (int i = 1; i < argc; ++i) {
            reply = castSession.call(QStringLiteral("RecordMonitor"), QString::fromUtf8(argv[i]),
                                     QVariantMap());
            if (reply.type() == QDBusMessage::ErrorMessage)
                break;
            streams[QString::fromUtf8(argv[i])] =
                reply.arguments().value(0).value<QDBusObjectPath>().path();
        }
    }
    if (reply.type() != QDBusMessage::ErrorMessage)
        reply = session.call(QStringLiteral("Start"));
    std::string line, name;
    while (reply.type() != QDBusMessage::ErrorMessage && std::getline(std::cin, line)) {
        for (std::istringstream names(line); names >> name;) {
            const QString word = QString::fromStdString(name);
            const QStringList at = word.section(QLatin1Char(':'), 1).split(QLatin1Char(','));
            if (word == QLatin1String("down") || word == QLatin1String("up")) {
                reply = session.call(QStringLiteral("NotifyPointerButton"), 0x110, // BTN_LEFT
                                     word == QLatin1String("down"));
                QThread::msleep(80);
            } else if (at.size() == 2) {
                reply = session.call(QStringLiteral("NotifyPointerMotionAbsolute"),
                                     streams.value(word.section(QLatin1Char(':'), 0, 0)),
                                     at[0].toDouble(), at[1].toDouble());
                QThread::msleep(80);
            } else {
                const xkb_keysym_t key = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_NO_FLAGS);
                if (key == XKB_KEY_NoSymbol)
                    std::fprintf(stderr, "remotekeys: no key %s\n", name.c_str());
                for (const bool down : {true, false}) {
                    if (key != XKB_KEY_NoSymbol)
                        reply =
                            session.call(QStringLiteral("NotifyKeyboardKeysym"), uint(key), down);
                    QThread::msleep(50);
                }
            }
        }
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        std::fprintf(stderr, "remotekeys: %s\n", qPrintable(reply.errorMessage()));
        return 1;
    }
    session.call(QStringLiteral("Stop"));
    return 0;
}
