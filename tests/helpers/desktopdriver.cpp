#include "desktopdriver.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace TestSupport {

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
