#include "testkit.h"

#include "app.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

namespace TestSupport {

namespace {
int argcStore = 1;
char arg0[] = "clipwise-test";
char *argvStore[] = {arg0, nullptr};

class IndependentTestApp final : public QMWidgets::App
{
public:
    explicit IndependentTestApp(const QString &resources)
        : App(argcStore, argvStore, "Velmora", "Clipwise")
    {
        independentEdition = true;
        if (!resources.isEmpty()) {
            resourceDir = resources + '/';
            composeQtNotice();
        }
    }
};
} // namespace

std::unique_ptr<QMWidgets::App> makeApp(const QString &resources)
{
    auto app = std::make_unique<IndependentTestApp>(resources);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.8"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velmora.com"));
    app->setAppPageName(QString());
    return app;
}

QImage noise(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(size.width() * 7919 + size.height());
    for (int i = 0; i < size.width() * size.height(); ++i)
        image.setPixel(i % size.width(), i / size.width(), random.generate());
    return image;
}

bool runTool(const QString &program, const QStringList &args, QByteArray *output, int timeoutMs,
             bool mergeChannels)
{
    QProcess p;
    if (mergeChannels)
        p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    if (output)
        *output = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool xdotool(const QStringList &args, QByteArray *output, int timeoutMs)
{
    return runTool(QStringLiteral("xdotool"), args, output, timeoutMs);
}

QByteArray waitForWindow(const QString &option, const QString &pattern, int timeoutMs)
{
    for (QDeadlineTimer deadline(timeoutMs); !deadline.hasExpired(); QThread::msleep(50)) {
        QByteArray out;
        if (xdotool({"search", "--onlyvisible", option, pattern}, &out, 2000) &&
            !out.trimmed().isEmpty())
            return out.trimmed().split('\n').first();
    }
    return QByteArray();
}

} // namespace TestSupport
