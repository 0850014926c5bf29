#include "capturefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace QMWidgets {

namespace {

// Enough for any burst of captures in one second; beyond it something else is wrong.
constexpr int MaxCollisions = 10000;

// The texts are shown by the capture screen, so they live in its translation context; each
// call site marks its text with QT_TRANSLATE_NOOP so that lupdate files it there too.
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

bool syncToDisk(QFile &file, QString *error)
{
    if (!file.flush()) {
        *error = file.errorString();
        return false;
    }
#ifdef Q_OS_UNIX
    // QFile never sees this call, so its errorString() would not know why it failed.
    if (::fdatasync(file.handle()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
#endif
    return true;
}

enum class MoveResult { Moved, Taken, Failed };

#ifdef Q_OS_UNIX
// For file systems that can neither rename exclusively nor link (some FUSE mounts, network
// shares): the final name is created exclusively and the complete PNG copied into it. A copy
// that fails part-way is removed, so a name holds a whole capture or nothing.
MoveResult copyIntoPlace(const QString &from, const QByteArray &to, QString *error)
{
    const int fd = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return MoveResult::Taken;
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return MoveResult::Failed;
    }
    QFile in(from), out;
    out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    bool copied = in.open(QIODevice::ReadOnly);
    while (copied && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        copied = !chunk.isEmpty() && out.write(chunk) == chunk.size();
    }
    if (!copied)
        *error = in.error() != QFileDevice::NoError ? in.errorString() : out.errorString();
    if (copied && syncToDisk(out, error)) {
        out.close();
        ::unlink(QFile::encodeName(from).constData());
        return MoveResult::Moved;
    }
    out.close();
    ::unlink(to.constData());
    return MoveResult::Failed;
}
#endif

// Moves from to to unless to exists; the test and the move are one step, so a file another
// process creates meanwhile is never replaced.
MoveResult moveIntoPlace(const QString &from, const QString &to, QString *error)
{
#ifdef Q_OS_UNIX
    const QByteArray src = QFile::encodeName(from);
    const QByteArray dst = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
        return MoveResult::Moved;
    if (errno == EEXIST)
        return MoveResult::Taken;
    if (errno != EINVAL && errno != ENOSYS) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return MoveResult::Failed;
    }
#endif
    // File systems without an exclusive rename: a hard link fails on an existing name too.
    if (::link(src.constData(), dst.constData()) == 0) {
        ::unlink(src.constData());
        return MoveResult::Moved;
    }
    // Refused otherwise (EPERM, EOPNOTSUPP, ENOSYS where a file system has no hard links): the
    // copy either works or reports why the name cannot be written.
    return errno == EEXIST ? MoveResult::Taken : copyIntoPlace(from, dst, error);
#else
    // MoveFileEx without the replace flag refuses an existing target.
    QFile file(from);
    if (file.rename(to))
        return MoveResult::Moved;
    if (QFileInfo::exists(to))
        return MoveResult::Taken;
    *error = file.errorString();
    return MoveResult::Failed;
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
        result.error =
            tr(QT_TRANSLATE_NOOP("QMWidgets::ScreenCropper", "The captured image is empty."));
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
    if (!syncToDisk(temp, &result.error))
        return result;

    temp.close();
    for (int n = 0; n <= MaxCollisions; ++n) {
        const QString candidate = captureFileName(directory, when, n);
        QString error;
        switch (moveIntoPlace(temp.fileName(), candidate, &error)) {
        case MoveResult::Moved:
            temp.setAutoRemove(false);
            result.ok = true;
            result.path = candidate;
            return result;
        case MoveResult::Taken:
            continue;
        case MoveResult::Failed:
            result.path = candidate;
            result.error = error;
            return result;
        }
    }
    result.error =
        tr(QT_TRANSLATE_NOOP("QMWidgets::ScreenCropper", "Too many captures with the same name."));
    return result;
}

} // namespace QMWidgets
