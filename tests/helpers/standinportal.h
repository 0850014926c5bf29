#pragma once

// Stand-ins on a private session bus: screenshot portal, permission store, KWin's screenshots.
#include <QImage>
#include <QProcess>
#include <QtDBus>

#include <functional>
#include <unistd.h>

namespace TestSupport {

// Answers on its own bus connection, as a desktop does: with delayMs 0 before the call's reply,
// as a fast one may; a call without a token or asking for the interactive dialog gets response 2.
// The call's own reply waits replyDelayMs; the response "error" makes it an error, with no answer.
class StandInPortal final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    QStringList answer; // response ("silent": none), uri, file written to the uri at each answer
    int delayMs = 0, replyDelayMs = 0, calls = 0;
    std::function<QImage()> photograph; // when set, written to the uri at each answer instead

public slots:
    QDBusObjectPath Screenshot(const QString &, const QVariantMap &options)
    {
        ++calls;
        const QString token = options.value("handle_token").toString();
        const QVariant interactive = options.value("interactive");
        const QString path = "/org/freedesktop/portal/desktop/request/" +
                             message().service().mid(1).replace('.', '_') + '/' + token;
        QDBusMessage response =
            QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        const bool wellFormed = !token.isEmpty() && interactive.type() == QVariant::Bool;
        response << (wellFormed && !interactive.toBool() ? answer[0].toUInt() : 2u)
                 << QVariantMap{{"uri", answer[1]}};
        const auto respond = [this, response, a = answer, bus = connection()] {
            QFile from(a.value(2)), to(QUrl(a[1]).toLocalFile());
            if (photograph)
                photograph().save(to.fileName(), "PNG");
            else if (from.open(QIODevice::ReadOnly) && to.open(QIODevice::WriteOnly))
                to.write(from.readAll());
            if (a[0] != "silent" && a[0] != "error")
                bus.send(response);
        };
        delayMs ? QTimer::singleShot(delayMs, this, respond) : respond();
        setDelayedReply(true);
        const QDBusMessage reply =
            answer[0] == "error"
                ? message().createErrorReply(QDBusError::Failed, "gone")
                : message().createReply(QVariant::fromValue(QDBusObjectPath(path)));
        QTimer::singleShot(replyDelayMs, this, [reply, bus = connection()] { bus.send(reply); });
        return {};
    }
};

// The desktop's store of the user's answers: Lookup of the table "screenshot".
class StandInPermissionStore final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.impl.portal.PermissionStore")

public:
    QMap<QString, QStringList> screenshot; // application id: its answers

public slots:
    QMap<QString, QStringList> Lookup(const QString &table, const QString &id, QDBusVariant &data)
    {
        data.setVariant(QByteArray());
        if (table != "screenshot" || id != "screenshot" || screenshot.isEmpty())
            sendErrorReply("org.freedesktop.portal.Error.NotFound", "No entry for " + id);
        return screenshot;
    }
};

// KWin's screenshot interface: CaptureScreen plays the script's steps 20 ms apart, "reply" (the
// picture's description), "close" (the pipe), a number (of the picture's next bytes), "rest" (of
// them); "refuse" replies an error at once, "key=value" changes the description ("key=" drops it).
// The picture is the screen in the format and with the stride described, its alpha bytes 0.
class StandInKWin final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.ScreenShot2")

public:
    QStringList script;
    QImage screen;

public slots:
    QVariantMap CaptureScreen(const QString &, const QVariantMap &,
                              const QDBusUnixFileDescriptor &pipe)
    {
        if (script.value(0) == "refuse") {
            sendErrorReply("org.kde.KWin.ScreenShot2.Error.NoAuthorized", "not authorized");
            return {};
        }
        QVariantMap d{{"type", "raw"}, {"format", 4u}, {"stride", uint(screen.width() * 4)}};
        d["width"] = uint(screen.width()), d["height"] = uint(screen.height());
        for (const QString &step : script.filter("="))
            step.endsWith('=') ? (void)d.remove(step.chopped(1))
                               : (void)(d[step.section('=', 0, 0)] = step.section('=', 1));
        const QImage image = screen.convertToFormat(QImage::Format(d["format"].toInt()));
        QByteArray bytes;
        for (int y = 0, n = d["stride"].toInt(); y < image.height(); ++y)
            bytes += QByteArray(reinterpret_cast<const char *>(image.constScanLine(y)),
                                qMin(n, image.bytesPerLine()))
                         .leftJustified(n, '\x55');
        for (int i = 3; i < bytes.size() && image.depth() == 32; i += 4)
            bytes[i] = 0;
        setDelayedReply(true);
        const QDBusMessage reply = message().createReply(d);
        // The write end and how much went through it, closed after the last step at the latest.
        const std::shared_ptr<int> end(new int[2]{::dup(pipe.fileDescriptor()), 0}, [](int *e) {
            ::close(e[0]);
            delete[] e;
        });
        int delay = 0;
        for (const QString &step : script)
            QTimer::singleShot(delay += 20, this, [=, bus = connection()] {
                if (step == "reply")
                    bus.send(reply);
                else if (step == "close")
                    ::close(end.get()[0]), end.get()[0] = -1;
                else if (!step.contains('='))
                    end.get()[1] +=
                        int(::write(end.get()[0], bytes.constData() + end.get()[1],
                                    step == "rest" ? bytes.size() - end.get()[1] : step.toInt()));
            });
        return {};
    }
};

// Starts a session bus in dir without services (a call to a missing portal must not start the
// one installed here), names it in DBUS_SESSION_BUS_ADDRESS and serves the stand-ins on it, on
// the connection "stand-in"; the portal owns its name.
inline bool startStandInBus(QProcess &bus, const QString &dir, QObject *portal, QObject *store,
                            QObject *kwin = nullptr)
{
    QFile conf(dir + "/bus.conf");
    if (!conf.open(QIODevice::WriteOnly) ||
        !conf.write(R"(<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>
            <auth>EXTERNAL</auth><policy context="default"><allow send_destination="*"
            eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>)"))
        return false;
    conf.close();
    bus.start("dbus-daemon", {"--config-file=" + conf.fileName(), "--nofork", "--print-address"});
    if (!bus.waitForStarted() || !bus.waitForReadyRead(10000))
        return false;
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    qDBusRegisterMetaType<QMap<QString, QStringList>>();
    QDBusConnection standIn =
        QDBusConnection::connectToBus(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "stand-in");
    const auto all = QDBusConnection::ExportAllSlots;
    return standIn.registerObject("/org/freedesktop/portal/desktop", portal, all) &&
           standIn.registerService("org.freedesktop.portal.Desktop") &&
           (!store ||
            (standIn.registerObject("/org/freedesktop/impl/portal/PermissionStore", store, all) &&
             standIn.registerService("org.freedesktop.impl.portal.PermissionStore"))) &&
           (!kwin || standIn.registerObject("/org/kde/KWin/ScreenShot2", kwin, all));
}

} // namespace TestSupport
