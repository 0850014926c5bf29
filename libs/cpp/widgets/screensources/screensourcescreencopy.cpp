#include "screensourcescreencopy.h"

#include "waylandoutputs.h"

#include <QPixmap>
#include <QTransform>
#include <QtMath>

#include <wayland-client.h>

#include <algorithm>
#include <climits>
#include <sys/mman.h>
#include <unistd.h>

namespace QMWidgets {

namespace {

// wlr-screencopy-unstable-v1, written out as wayland-scanner would generate it: no Debian
// package ships the wlroots protocols' descriptions.
// clang-format off
extern const wl_interface frameInterface;
const wl_interface *noTypes[4] = {};
const wl_interface *captureTypes[] = {&frameInterface, nullptr, &wl_output_interface};
const wl_interface *regionTypes[] = {&frameInterface, nullptr, &wl_output_interface, nullptr, nullptr, nullptr, nullptr};
const wl_message managerRequests[] = {{"capture_output", "nio", captureTypes},
                                      {"capture_output_region", "nioiiii", regionTypes},
                                      {"destroy", "", noTypes}};
const wl_interface managerInterface = {"zwlr_screencopy_manager_v1", 3, 3, managerRequests, 0, nullptr};
const wl_interface *bufferTypes[] = {&wl_buffer_interface};
const wl_message frameRequests[] = {{"copy", "o", bufferTypes}, {"destroy", "", noTypes},
                                    {"copy_with_damage", "2o", bufferTypes}};
const wl_message frameEvents[] = {{"buffer", "uuuu", noTypes}, {"flags", "u", noTypes},
                                  {"ready", "uuu", noTypes}, {"failed", "", noTypes},
                                  {"damage", "2uuuu", noTypes}, {"linux_dmabuf", "3uuu", noTypes},
                                  {"buffer_done", "3", noTypes}};
const wl_interface frameInterface = {"zwlr_screencopy_frame_v1", 3, 3, frameRequests, 7, frameEvents};
// clang-format on
enum { CaptureOutput = 0, ManagerDestroy = 2, FrameCopy = 0, FrameDestroy = 1 };

// Memory the compositor can write into (a memfd) and its mapping here.
struct SharedMemory
{
    int fd = -1;
    void *address = MAP_FAILED;
    size_t bytes = 0;
};

SharedMemory makeSharedMemory(size_t bytes)
{
    SharedMemory memory;
    memory.fd = memfd_create("clipwise-screencopy", MFD_CLOEXEC);
    if (memory.fd >= 0 && ftruncate(memory.fd, off_t(bytes)) == 0)
        memory.address = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, memory.fd, 0);
    if (memory.address == MAP_FAILED && memory.fd >= 0) {
        close(memory.fd);
        memory.fd = -1;
    }
    memory.bytes = bytes;
    return memory;
}

// Made by ScreenSourceScreencopy::prepare(), taken by the copies that fit.
std::vector<SharedMemory> &preparedMemory()
{
    static std::vector<SharedMemory> prepared;
    return prepared;
}

// Whether prepare() found the compositor without a screen copy.
bool &knownWithoutCopy()
{
    static bool without = false;
    return without;
}

SharedMemory sharedMemoryFor(size_t bytes)
{
    std::vector<SharedMemory> &prepared = preparedMemory();
    for (auto it = prepared.begin(); it != prepared.end(); ++it) {
        if (it->bytes == bytes) {
            const SharedMemory memory = *it;
            prepared.erase(it);
            return memory;
        }
    }
    return makeSharedMemory(bytes);
}

// One output's copy: its frame's events, the memory they are copied into and the requests.
struct Capture
{
    const WaylandOutput *output = nullptr;
    wl_proxy *shm = nullptr;
    wl_proxy *frame = nullptr;
    wl_proxy *buffer = nullptr;
    ScreencopyFrame events;
    void *pixels = MAP_FAILED;
    size_t bytes = 0;

    ~Capture()
    {
        if (buffer)
            wl_buffer_destroy(reinterpret_cast<wl_buffer *>(buffer));
        if (frame) {
            wl_proxy_marshal(frame, FrameDestroy);
            wl_proxy_destroy(frame);
        }
        if (pixels != MAP_FAILED)
            munmap(pixels, bytes);
    }

    // The copy as the user sees it; it keeps the shared memory for as long as it lives.
    QImage picture()
    {
        if (events.state != ScreencopyFrame::Ready)
            return QImage();
        struct Mapping
        {
            void *address;
            size_t bytes;
        };
        ScreencopyBuffer copied{static_cast<uchar *>(pixels),
                                events.width,
                                events.height,
                                events.stride,
                                events.format,
                                events.yInverted,
                                output->transform};
        copied.release = [](void *info) {
            auto *mapping = static_cast<Mapping *>(info);
            munmap(mapping->address, mapping->bytes);
            delete mapping;
        };
        copied.releaseInfo = new Mapping{pixels, bytes};
        pixels = MAP_FAILED;
        return screencopyPicture(copied, output->pixels());
    }

    // Shared memory for the offered buffer, then the request to copy into it.
    void copy()
    {
        const SharedMemory memory = sharedMemoryFor(size_t(events.stride) * size_t(events.height));
        if (memory.address == MAP_FAILED) {
            events.state = ScreencopyFrame::Failed;
            return;
        }
        pixels = memory.address;
        bytes = memory.bytes;
        wl_shm_pool *pool =
            wl_shm_create_pool(reinterpret_cast<wl_shm *>(shm), memory.fd, int32_t(bytes));
        buffer = reinterpret_cast<wl_proxy *>(wl_shm_pool_create_buffer(
            pool, 0, events.width, events.height, events.stride, events.format));
        wl_shm_pool_destroy(pool);
        close(memory.fd);
        wl_proxy_marshal(frame, FrameCopy, buffer);
    }
};

Capture *captureOf(void *data)
{
    return static_cast<Capture *>(data);
}

struct FrameListener
{
    void (*buffer)(void *, wl_proxy *, uint32_t, uint32_t, uint32_t, uint32_t);
    void (*flags)(void *, wl_proxy *, uint32_t);
    void (*ready)(void *, wl_proxy *, uint32_t, uint32_t, uint32_t);
    void (*failed)(void *, wl_proxy *);
    void (*damage)(void *, wl_proxy *, uint32_t, uint32_t, uint32_t, uint32_t);
    void (*linuxDmabuf)(void *, wl_proxy *, uint32_t, uint32_t, uint32_t);
    void (*bufferDone)(void *, wl_proxy *);
};

const FrameListener frameListener = {
    [](void *data, wl_proxy *frame, uint32_t format, uint32_t width, uint32_t height,
       uint32_t stride) {
        if (captureOf(data)->events.buffer(format, width, height, stride,
                                           wl_proxy_get_version(frame)))
            captureOf(data)->copy();
    },
    [](void *data, wl_proxy *, uint32_t flags) { captureOf(data)->events.flags(flags); },
    [](void *data, wl_proxy *, uint32_t, uint32_t, uint32_t) { captureOf(data)->events.ready(); },
    [](void *data, wl_proxy *) { captureOf(data)->events.failed(); },
    [](void *, wl_proxy *, uint32_t, uint32_t, uint32_t, uint32_t) {},
    [](void *, wl_proxy *, uint32_t, uint32_t, uint32_t) {},
    [](void *data, wl_proxy *) {
        if (captureOf(data)->events.bufferDone())
            captureOf(data)->copy();
    },
};

} // namespace

bool ScreencopyFrame::buffer(quint32 f, quint32 w, quint32 h, quint32 s, quint32 version)
{
    if (!offered && isReadableScreencopyFormat(f)) {
        offered = true;
        format = f;
        width = int(qMin<quint32>(w, INT_MAX));
        height = int(qMin<quint32>(h, INT_MAX));
        stride = int(qMin<quint32>(s, INT_MAX));
    }
    // Before version 3 the offer is complete with this event.
    return version < 3 && bufferDone();
}

bool ScreencopyFrame::bufferDone()
{
    if (state != Offering)
        return false;
    // The numbers come from another process: a picture of at most 32767 pixels a side and
    // a gigabyte, rows of whole pixels no shorter than the picture is wide.
    if (!offered || width <= 0 || height <= 0 || width > 32767 || height > 32767 ||
        stride < width * 4 || stride % 4 || qint64(stride) * height > (qint64(1) << 30)) {
        state = Unreadable;
        return false;
    }
    state = Copying;
    return true;
}

bool isReadableScreencopyFormat(quint32 format)
{
    return Q_BYTE_ORDER == Q_LITTLE_ENDIAN &&
           (format == WL_SHM_FORMAT_XRGB8888 || format == WL_SHM_FORMAT_ARGB8888 ||
            format == WL_SHM_FORMAT_XBGR8888 || format == WL_SHM_FORMAT_ABGR8888);
}

QImage screencopyPicture(const ScreencopyBuffer &buffer, const QSize &pixels)
{
    if (!buffer.data || !isReadableScreencopyFormat(buffer.format) || buffer.width <= 0 ||
        buffer.height <= 0 || buffer.stride < buffer.width * 4 || buffer.stride % 4 ||
        transformedSize(QSize(buffer.width, buffer.height), buffer.transform) != pixels) {
        if (buffer.release)
            buffer.release(buffer.releaseInfo);
        return QImage();
    }
    // A screen has no transparency, whatever the alpha bytes hold; in all four formats they are
    // the high byte of each little-endian pixel. Made opaque where they lie, so the picture is
    // the compositor's copy itself and not one more copy of it.
    for (int y = 0; y < buffer.height; ++y) {
        auto *pixel = reinterpret_cast<quint32 *>(buffer.data + qsizetype(y) * buffer.stride);
        for (int x = 0; x < buffer.width; ++x)
            pixel[x] |= 0xff000000u;
    }
    const bool blueFirst =
        buffer.format == WL_SHM_FORMAT_XRGB8888 || buffer.format == WL_SHM_FORMAT_ARGB8888;
    QImage picture(buffer.data, buffer.width, buffer.height, buffer.stride,
                   blueFirst ? QImage::Format_RGB32 : QImage::Format_RGBX8888, buffer.release,
                   buffer.releaseInfo);
    if (!blueFirst)
        picture = std::move(picture).convertToFormat(QImage::Format_RGB32);
    if (buffer.yInverted)
        picture = picture.mirrored(false, true);
    // The buffer is in the device's orientation: what the user sees turned a quarter anticlockwise
    // per step of the transform (and mirrored first for the flipped ones). Turn it back, as
    // grim -o does.
    const int quarterTurns = buffer.transform & 3;
    if (quarterTurns)
        picture = picture.transformed(QTransform().rotate(90.0 * quarterTurns));
    if (buffer.transform & 4)
        picture = picture.mirrored(true, false);
    return picture;
}

const QString ScreenSourceScreencopy::sourceName = QStringLiteral("screencopy");

void ScreenSourceScreencopy::prepare()
{
    if (!preparedMemory().empty())
        return;
    const WaylandOutputs compositor(QDeadlineTimer(500));
    if (!compositor.isValid())
        return;
    rememberDesktopOutputs(compositor.geometries());
    knownWithoutCopy() = !compositor.offers(&managerInterface);
    if (knownWithoutCopy())
        return;
    for (const auto &output : compositor.outputs()) {
        // The size a compositor asks for: rows of whole pixels, four bytes each; not more than
        // a copy may take.
        const QSize mode = output->mode;
        if (mode.isEmpty() || qint64(mode.width()) * 4 * mode.height() > (qint64(1) << 30))
            continue;
        const SharedMemory memory =
            makeSharedMemory(size_t(mode.width()) * 4 * size_t(mode.height()));
        if (memory.address == MAP_FAILED)
            continue;
        // Where the first touch of a page costs a fault, it is paid now and not when the copy is
        // made opaque and painted.
        const long page = sysconf(_SC_PAGESIZE);
        for (size_t at = 0; at < memory.bytes; at += size_t(page > 0 ? page : 4096))
            static_cast<volatile uchar *>(memory.address)[at] = 0;
        preparedMemory().push_back(memory);
    }
}

void ScreenSourceScreencopy::start()
{
    DesktopStill still;
    const QString reason = capture(still);
    finish(reason.isEmpty() ? still : DesktopStill(), reason);
}

QString ScreenSourceScreencopy::capture(DesktopStill &still)
{
    const QString notOffered =
        tr("The compositor offers no way to copy its screens (wlr-screencopy).");
    if (knownWithoutCopy())
        return notOffered;
    const QDeadlineTimer deadline(timeoutMs);
    WaylandOutputs compositor(deadline);
    wl_proxy *manager = compositor.isValid() ? compositor.bind(&managerInterface, 3) : nullptr;
    wl_proxy *shm = manager ? compositor.bind(&wl_shm_interface, 1) : nullptr;
    // Every output: which one the window lands on is known only once it is shown.
    std::vector<std::unique_ptr<Capture>> captures;
    for (const auto &output : compositor.outputs()) {
        if (!shm)
            break;
        auto capture = std::make_unique<Capture>();
        capture->output = output.get();
        capture->shm = shm;
        capture->frame =
            wl_proxy_marshal_constructor(manager, CaptureOutput, &frameInterface, nullptr,
                                         0 /* without the pointer */, output->output);
        wl_proxy_add_listener(
            capture->frame,
            reinterpret_cast<void (**)(void)>(const_cast<FrameListener *>(&frameListener)),
            capture.get());
        captures.push_back(std::move(capture));
    }
    const bool answered = compositor.dispatchUntil(
        [&captures] {
            return std::all_of(captures.begin(), captures.end(),
                               [](const auto &capture) { return capture->events.finished(); });
        },
        deadline);
    QString reason;
    if (!shm)
        reason = notOffered;
    else if (captures.empty())
        reason = tr("The compositor reports no screens.");
    for (const auto &capture : captures) {
        const QString output = capture->output->name;
        if (!answered && !capture->events.finished()) {
            reason = tr("The compositor did not copy the screens within %1 seconds.")
                         .arg(qCeil(timeoutMs / 1000.0));
        } else if (capture->events.state == ScreencopyFrame::Failed) {
            reason = tr("The compositor refused to copy the screen %1.").arg(output);
        } else {
            const QImage picture = capture->picture();
            if (picture.isNull())
                reason = tr("The compositor's copy of the screen %1 is in a form Clipwise "
                            "cannot read.")
                             .arg(output);
            else
                still << ScreenStill{output, capture->output->logical(),
                                     QPixmap::fromImage(picture), 0};
        }
        if (!reason.isEmpty())
            break;
    }
    captures.clear();
    if (shm)
        wl_shm_destroy(reinterpret_cast<wl_shm *>(shm));
    if (manager) {
        wl_proxy_marshal(manager, ManagerDestroy);
        wl_proxy_destroy(manager);
    }
    return reason;
}

} // namespace QMWidgets
