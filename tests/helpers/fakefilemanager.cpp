// A stand-in file manager for tests: owns org.freedesktop.FileManager1 on the session bus and
// appends every ShowItems call to the file given as the first argument, one line per call:
// the URIs joined by a space, a tab, then the startup id.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QTextStream>

#include <cstdio>

class FileManager final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    explicit FileManager(const QString &logPath) : log(logPath) {}

public slots:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        QFile file(log);
        if (file.open(QIODevice::Append | QIODevice::Text)) {
            QTextStream(&file) << uris.join(QLatin1Char(' ')) << '\t' << startupId << '\n';
        }
    }

private:
    QString log;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    FileManager manager(QString::fromLocal8Bit(argv[1]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.FileManager1"))) {
        std::fprintf(stderr, "fakefilemanager: cannot register on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "fakefilemanager.moc"
