// remotekeys [monitor...]: a keyboard and a pointer for a headless GNOME Shell, through mutter's
// remote-desktop API. Types the keys named on each line of its input (XKB keysym names such as
// Escape, Tab, Return), each pressed and released, until the input ends; MONITOR:x,y moves the
// pointer to pixel (x, y) of a monitor named as an argument (needs PipeWire), down and up press
// and release its left button.
// The keyboard exists only while its session does, and a window focused while the seat had no
// keyboard never gets the keyboard's focus: keep one running for the whole desktop session, as
// a real keyboard stays plugged in.
#include <QCoreApplication>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QMap>
#include <QRegularExpression>
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
    // A screen cast of each monitor named places the pointer there; a failed one, its first move.
    QMap<QString, QString> streams;
    const QString cast = QStringLiteral("org.gnome.Mutter.ScreenCast");
    QDBusReply<QDBusObjectPath> casting, stream;
    for (int i = 1; i < argc; ++i) {
        if (i == 1)
            casting = QDBusInterface(cast, "/org/gnome/Mutter/ScreenCast", cast)
                          .call("CreateSession", QVariantMap{{"remote-desktop-session-id",
                                                              session.property("SessionId")}});
        stream = QDBusInterface(cast, casting.value().path(), cast + ".Session")
                     .call("RecordMonitor", argv[i], QVariantMap());
        streams[argv[i]] = stream.value().path();
    }
    QDBusMessage reply = session.call(QStringLiteral("Start"));
    std::string line, name;
    while (reply.type() != QDBusMessage::ErrorMessage && std::getline(std::cin, line)) {
        for (std::istringstream names(line); names >> name;) {
            const QString word = QString::fromStdString(name);
            const QStringList at = word.split(QRegularExpression("[:,]"));
            if (word == "down" || word == "up") {
                reply = session.call("NotifyPointerButton", 0x110 /* BTN_LEFT */, word == "down");
            } else if (at.size() == 3) {
                reply = session.call("NotifyPointerMotionAbsolute", streams.value(at[0]),
                                     at[1].toDouble(), at[2].toDouble());
            } else {
                const xkb_keysym_t key = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_NO_FLAGS);
                if (key == XKB_KEY_NoSymbol)
                    std::fprintf(stderr, "remotekeys: no key %s\n", name.c_str());
                for (const bool down : {true, false}) {
                    if (key != XKB_KEY_NoSymbol)
                        reply = session.call("NotifyKeyboardKeysym", uint(key), down);
                    QThread::msleep(50);
                }
            }
            QThread::msleep(30);
        }
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        std::fprintf(stderr, "remotekeys: %s\n", qPrintable(reply.errorMessage()));
        return 1;
    }
    session.call(QStringLiteral("Stop"));
    return 0;
}
