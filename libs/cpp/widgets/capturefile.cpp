#include "capturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace QMWidgets {

namespace {

// Enough for any burst of captures in one second; beyond it something else is wrong.
constexpr int MaxCollisions = 10000;

QString tr(const char *text)
{
    return QCoreApplication::translate("QMWidgets::ScreenCropper", text);
}

void applyDefaultPermissions(QFile &file)
{
#ifdef Q_OS_UNIX
    // Temporary files are private (0600); a capture should get what any new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(file.handle(), 0666 & ~mask);
#else
    Q_UNUSED(file)
#endif
}

bool syncToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fdatasync(file.handle()) == 0;
#else
    return true;
#endif
}

} // namespace

QString captureFileName(const QString &directory, const QDateTime &when, int collision)
{
    QString name = directory + QStringLiteral("/ScreenShot_") +
                   when.toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
    if (collision > 0)
        name += QLatin1Char('_') + QString::number(collision);
    return name + QStringLiteral(".png");
}

CaptureSaveResult saveCapture(const QImage &image, const QString &directory, const QDateTime &when)
{
    CaptureSaveResult result;
    result.path = captureFileName(directory, when);

    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        result.error = tr("The captured image is empty.");
        return result;
    }

    QTemporaryFile temp(directory + QStringLiteral("/.ScreenShot_XXXXXX.part"));
    if (!temp.open()) {
        result.error = temp.errorString();
        return result;
    }
    applyDefaultPermissions(temp);

    QImageWriter writer(&temp, "PNG");
    if (!writer.write(image)) {
        result.error = writer.errorString();
        return result;
    }
    if (!syncToDisk(temp)) {
        result.error = temp.errorString();
        return result;
    }

    for (int n = 0; n <= MaxCollisions; ++n) {
        const QString candidate = captureFileName(directory, when, n);
        // The rename refuses an existing target atomically, so two processes finishing in the
        // same second cannot overwrite each other.
        if (temp.rename(candidate)) {
            temp.setAutoRemove(false);
            result.ok = true;
            result.path = candidate;
            return result;
        }
        if (!QFileInfo::exists(candidate)) {
            result.path = candidate;
            result.error = temp.errorString();
            return result;
        }
    }
    result.error = tr("Too many captures with the same name.");
    return result;
}

} // namespace QMWidgets
