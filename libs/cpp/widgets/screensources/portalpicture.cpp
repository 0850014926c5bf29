#include "portalpicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace QMWidgets {

namespace {

// A picture of every output side by side at the largest output's scale: three 4K screens beside
// one at scale 2 are 19200 x 2160 pixels. More than a quarter of a billion pixels (a gigabyte)
// would only exhaust memory.
constexpr qint64 maxPixels = qint64(16384) * 16384;

// The portal shows these texts, so they live in its translation context; each call site marks
// its text with QT_TRANSLATE_NOOP so that lupdate files it there too.
QString tr(const char *text)
{
    return QCoreApplication::translate("QMWidgets::ScreenSourcePortal", text);
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    const int fd;
};

} // namespace

PortalPicture readPortalPicture(const QString &path)
{
    PortalPicture result;
    const QString shown = QDir::toNativeSeparators(path);
    // Opening a FIFO for reading waits for a writer, and a device may do anything; both would
    // hold the GUI thread, where no deadline can end the wait. O_NONBLOCK returns at once, and
    // the file's type is checked on what was opened, not on what the path names a moment later.
    const Descriptor file(::open(QFile::encodeName(path).constData(),
                                 O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0) {
        const int error = errno;
        result.error =
            error == ELOOP
                ? tr(QT_TRANSLATE_NOOP("QMWidgets::ScreenSourcePortal",
                                       "The desktop's screenshot %1 is a link, not a picture "
                                       "file."))
                      .arg(shown)
                : tr(QT_TRANSLATE_NOOP("QMWidgets::ScreenSourcePortal",
                                       "The desktop's screenshot %1 could not be opened: %2"))
                      .arg(shown, qt_error_string(error));
        return result;
    }
    struct stat status = {};
    if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        result.error = tr(QT_TRANSLATE_NOOP("QMWidgets::ScreenSourcePortal",
                                            "The desktop's screenshot %1 is not a regular file."))
                           .arg(shown);
        return result;
    }
    if (status.st_uid != ::geteuid()) {
        result.error = tr(QT_TRANSLATE_NOOP("QMWidgets::ScreenSourcePortal",
                                            "The desktop's screenshot %1 belongs to another user."))
                           .arg(shown);
        return result;
    }
    QFile device;
    device.open(file.fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
    // A reader on a device has no name to go by: the content decides the format.
    QImageReader reader(&device);
    const QSize size = reader.size();
    if (qint64(size.width()) * size.height() > maxPixels) {
        result.error = tr(QT_TRANSLATE_NOOP("QMWidgets::ScreenSourcePortal",
                                            "The desktop's screenshot %1 is too large: %2 x %3 "
                                            "pixels."))
                           .arg(shown)
                           .arg(size.width())
                           .arg(size.height());
        return result;
    }
    // Without a size in its header a picture could claim any amount of memory while decoding.
    if (size.isValid())
        result.image = reader.read();
    if (result.image.isNull()) {
        result.error = tr(QT_TRANSLATE_NOOP("QMWidgets::ScreenSourcePortal",
                                            "The desktop's screenshot %1 could not be read as a "
                                            "picture."))
                           .arg(shown);
        return result;
    }
    result.device = status.st_dev;
    result.inode = status.st_ino;
    return result;
}

void removePortalPicture(const QString &path, const PortalPicture &read,
                         const QDateTime &requestStarted)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat now = {};
    // The path may name another file by now: only the one that was read goes.
    if (read.image.isNull() || !requestStarted.isValid() || ::lstat(name.constData(), &now) != 0 ||
        now.st_dev != read.device || now.st_ino != read.inode)
        return;
    // File times are kept to the second on some file systems and lag the clock by a tick on
    // others, so the comparison is made in whole seconds.
    if (qint64(now.st_mtime) >= requestStarted.toSecsSinceEpoch())
        ::unlink(name.constData());
}

} // namespace QMWidgets
