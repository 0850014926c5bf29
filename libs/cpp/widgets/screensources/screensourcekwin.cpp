#include "screensourcekwin.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace QMWidgets {

namespace {

const QString kwinService = QStringLiteral("org.kde.KWin.ScreenShot2");
const QString kwinPath = QStringLiteral("/org/kde/KWin/ScreenShot2");

// No screen has more pixels a side; a larger description is not a screen's and is not believed.
constexpr quint32 largestSide = 16384;

} // namespace

QImage kwinRawImage(const QVariantMap &description, const QByteArray &bytes)
{
    if (description.value(QStringLiteral("type")).toString() != QLatin1String("raw"))
        return QImage();
    const quint32 width = description.value(QStringLiteral("width")).toUInt();
    const quint32 height = description.value(QStringLiteral("height")).toUInt();
    const quint32 stride = description.value(QStringLiteral("stride")).toUInt();
    QImage::Format format = QImage::Format_Invalid;
    switch (description.value(QStringLiteral("format")).toInt()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        format = QImage::Format_RGB32;
        break;
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        format = QImage::Format_RGBX8888;
        break;
    default:
        return QImage();
    }
    if (width == 0 || height == 0 || width > largestSide || height > largestSide ||
        stride < width * 4 || stride > width * 4 + 4096 || stride % 4 ||
        quint64(stride) * height != quint64(bytes.size()))
        return QImage();
    QImage image(int(width), int(height), format);
    if (image.isNull())
        return QImage();
    for (int y = 0; y < int(height); ++y) {
        uchar *line = image.scanLine(y);
        std::memcpy(line, bytes.constData() + quint64(stride) * quint64(y), size_t(width) * 4);
        // The alpha of a screen's pixels is meaningless; the opaque formats want it full.
        if (format == QImage::Format_RGB32) {
            auto *pixels = reinterpret_cast<quint32 *>(line);
            for (int x = 0; x < int(width); ++x)
                pixels[x] |= 0xff000000u;
        } else {
            for (int x = 0; x < int(width); ++x)
                line[x * 4 + 3] = 0xff;
        }
    }
    return image;
}

struct ScreenSourceKWin::Capture
{
    OutputGeometry output;
    int readEnd = -1;
    QSocketNotifier *notifier = nullptr;
    QDBusPendingCallWatcher *watcher = nullptr;
    QByteArray bytes;
    QVariantMap description;
    qint64 expected = -1; // bytes, once the reply has told
    bool replied = false;
    bool ended = false;

    bool complete() const { return replied && (ended || bytes.size() >= expected); }

    // Either may be the sender whose handler ends the capture, so neither is deleted at once.
    ~Capture()
    {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->disconnect();
            notifier->deleteLater();
        }
        if (watcher) {
            watcher->disconnect();
            watcher->deleteLater();
        }
        if (readEnd >= 0)
            ::close(readEnd);
    }
};

const QString ScreenSourceKWin::sourceName = QStringLiteral("kwin");

ScreenSourceKWin::ScreenSourceKWin(QObject *parent)
    : ScreenSource(parent), deadline(new QTimer(this))
{
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this] {
        fail(tr("KWin did not hand over the screen within %1 seconds.").arg(timeoutMs / 1000));
    });
}

ScreenSourceKWin::~ScreenSourceKWin() = default;

void ScreenSourceKWin::start()
{
    if (pending)
        return;
    captures.clear();
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Asked first, so that a desktop without KWin costs no call that waits for a reply.
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(kwinService)) {
        finish({}, tr("The desktop has no KWin screenshot interface."));
        return;
    }
    pending = true;
    for (const OutputGeometry &output : desktopOutputs()) {
        if (output.name.isEmpty()) {
            fail(tr("KWin did not take the screenshot: %1")
                     .arg(QStringLiteral("a screen without a name")));
            return;
        }
        auto capture = std::make_unique<Capture>();
        capture->output = output;
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
            fail(tr("KWin did not take the screenshot: %1").arg(qt_error_string(errno)));
            return;
        }
        capture->readEnd = ends[0];
        QDBusMessage call = QDBusMessage::createMethodCall(kwinService, kwinPath, kwinService,
                                                           QStringLiteral("CaptureScreen"));
        call << output.name
             << QVariantMap{{QStringLiteral("include-cursor"), false},
                            {QStringLiteral("native-resolution"), true}}
             << QVariant::fromValue(QDBusUnixFileDescriptor(ends[1]));
        // The message holds a duplicate; KWin's end closing is what tells us the picture ended.
        ::close(ends[1]);
        Capture *raw = capture.get();
        capture->notifier = new QSocketNotifier(raw->readEnd, QSocketNotifier::Read);
        connect(raw->notifier, &QSocketNotifier::activated, this, [this, raw] { readable(raw); });
        capture->watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs));
        connect(capture->watcher, &QDBusPendingCallWatcher::finished, this,
                [this, raw] { replied(raw); });
        captures.push_back(std::move(capture));
    }
    if (captures.empty()) {
        fail(tr("The desktop has no KWin screenshot interface."));
        return;
    }
    deadline->start(timeoutMs);
}

void ScreenSourceKWin::replied(Capture *capture)
{
    const QDBusPendingReply<QVariantMap> reply = *capture->watcher;
    if (reply.isError()) {
        // NoAuthorized for a program that no desktop file names: the usual case for a build.
        fail(tr("KWin did not take the screenshot: %1").arg(reply.error().message()));
        return;
    }
    capture->description = reply.value();
    capture->replied = true;
    // The call keeps a copy of its message, and with it a write end of the pipe: released now, so
    // that KWin closing its end ends a picture cut short at once. A whole one is told by its size.
    capture->watcher->deleteLater();
    capture->watcher = nullptr;
    const QVariantMap &d = capture->description;
    capture->expected = qint64(d.value(QStringLiteral("stride")).toUInt()) *
                        d.value(QStringLiteral("height")).toUInt();
    readable(capture);
}

void ScreenSourceKWin::readable(Capture *capture)
{
    if (!pending)
        return;
    char buffer[65536];
    while (!capture->complete()) {
        const ssize_t n = ::read(capture->readEnd, buffer, sizeof buffer);
        if (n > 0) {
            // More than any screen holds: not a picture, and not worth the memory.
            if (quint64(capture->bytes.size()) + quint64(n) >
                quint64(largestSide) * largestSide * 4) {
                fail(tr("KWin's screenshot is not a picture of the screen %1.")
                         .arg(capture->output.name));
                return;
            }
            capture->bytes.append(buffer, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return;
        if (n < 0) {
            fail(tr("KWin did not take the screenshot: %1").arg(qt_error_string(errno)));
            return;
        }
        capture->ended = true;
        break;
    }
    // All there, or the pipe closed: nothing more to wait for.
    capture->notifier->setEnabled(false);
    finishIfComplete();
}

void ScreenSourceKWin::finishIfComplete()
{
    for (const auto &capture : captures) {
        if (!capture->complete())
            return;
    }
    DesktopStill still;
    for (const auto &capture : captures) {
        const QImage image = kwinRawImage(capture->description, capture->bytes);
        const QSize pixels = capture->output.pixels;
        // A picture of another size is not this screen's own pixels; never shown.
        if (image.isNull() || (!pixels.isEmpty() && image.size() != pixels)) {
            fail(tr("KWin's screenshot is not a picture of the screen %1.")
                     .arg(capture->output.name));
            return;
        }
        still << ScreenStill{capture->output.name, capture->output.logical,
                             QPixmap::fromImage(image), 0};
    }
    pending = false;
    deadline->stop();
    captures.clear();
    finish(still, QString());
}

void ScreenSourceKWin::fail(const QString &reason)
{
    if (!pending)
        return;
    pending = false;
    deadline->stop();
    captures.clear();
    finish({}, reason);
}

} // namespace QMWidgets
