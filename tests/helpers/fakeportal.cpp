// A stand-in screenshot portal for tests: owns org.freedesktop.portal.Desktop on the session bus.
//   fakeportal RESPONSE URI [PICTURE]
// Every Screenshot call is answered on the caller's request path with RESPONSE and URI, sent
// before the call's own reply as a fast desktop may; "silent" never answers, and a call without a
// handle_token or asking for the interactive dialog gets response 2. PICTURE is copied to URI's
// file at each call, so that file is newer than the request.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QUrl>

#include <cstdio>

class Portal final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    QStringList answer;

public slots:
    QDBusObjectPath Screenshot(const QString &, const QVariantMap &options)
    {
        const QString token = options.value(QStringLiteral("handle_token")).toString();
        const QString path =
            QStringLiteral("/org/freedesktop/portal/desktop/request/") +
            message().service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')) +
            QLatin1Char('/') + token;
        if (answer[0] == QLatin1String("silent"))
            return QDBusObjectPath(path);
        if (answer.size() > 2) {
            QFile source(answer[2]);
            QFile target(QUrl(answer[1]).toLocalFile());
            if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
                return QDBusObjectPath(path);
            target.write(source.readAll());
        }
        const QVariant interactive = options.value(QStringLiteral("interactive"));
        const bool wellFormed = !token.isEmpty() && interactive.isValid() && !interactive.toBool();
        QDBusMessage response = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << (wellFormed ? answer[0].toUInt() : 2u)
                 << QVariantMap{{QStringLiteral("uri"), answer[1]}};
        connection().send(response);
        return QDBusObjectPath(path);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Portal portal;
    portal.answer = app.arguments().mid(1);
    if (portal.answer.size() < 2)
        return 2;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "fakeportal: cannot register on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "fakeportal.moc"
