#include "screengrab.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <qpa/qplatformscreen.h>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#ifdef CLIPWISE_XCB_SHM
#include <QX11Info>

#include <cstdlib>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <thread>
#include <xcb/shm.h>
#include <xcb/xcb.h>
#endif

namespace QMWidgets {

namespace {

QScreen *defaultScreen()
{
    return QGuiApplication::primaryScreen();
}

QPixmap toolkitGrab()
{
    QScreen *screen = defaultScreen();
    if (!screen || !screen->handle())
        return QPixmap();
    // The platform screen takes the display's own pixels. Window 0 stands for the screen itself,
    // and the platform screen counts x and y from the screen's own top-left corner: the screen's
    // position on the desktop must not be given again.
    const QSize size = primaryScreenNativeRect().size();
    QPixmap pixmap = screen->handle()->grabWindow(0, 0, 0, size.width(), size.height());
    pixmap.setDevicePixelRatio(screen->devicePixelRatio());
    return pixmap;
}

#ifdef CLIPWISE_XCB_SHM

// A segment the X server has attached; marked for removal at once, so the kernel frees it when
// the last of the two sides lets go, even if this process dies.
struct Segment
{
    xcb_shm_seg_t id = 0;
    void *address = nullptr;
    QSize size;
    int stride = 0;
};

// Fresh memory is slow to touch the first time, on both sides of the segment: each new page
// costs a fault in the server as it writes and in this process as it reads. The prepared
// segment is touched ahead of time, by a warm-up copy in the server and a thread here, while
// the program waits for its grab timer.
struct Prepared
{
    Segment segment;
    std::thread toucher;
    xcb_shm_get_image_cookie_t warmUp{0};
    bool warming = false;

    ~Prepared() { finishTouching(); }
    void finishTouching()
    {
        if (toucher.joinable())
            toucher.join();
    }
};

Prepared preparedState;
Segment &prepared = preparedState.segment;

xcb_connection_t *connection()
{
    if (!QX11Info::isPlatformX11())
        return nullptr;
    xcb_connection_t *c = QX11Info::connection();
    return (c && !xcb_connection_has_error(c)) ? c : nullptr;
}

xcb_screen_t *rootScreen(xcb_connection_t *c)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int n = QX11Info::appScreen(); it.rem && n > 0; --n)
        xcb_screen_next(&it);
    return it.rem ? it.data : nullptr;
}

// The layout the toolkit turns into QImage::Format_RGB32; anything else is left to it.
bool rootIsRgb32(xcb_connection_t *c, const xcb_screen_t *root)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    if (root->root_depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST ||
        Q_BYTE_ORDER != Q_LITTLE_ENDIAN)
        return false;
    bool bpp32 = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == 24)
            bpp32 = f.data->bits_per_pixel == 32;
    if (!bpp32)
        return false;
    for (auto d = xcb_screen_allowed_depths_iterator(root); d.rem; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == root->root_visual)
                return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                       v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 &&
                       v.data->blue_mask == 0xff;
        }
    }
    return false;
}

bool extensionPresent(xcb_connection_t *c)
{
    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_shm_id);
    return ext && ext->present;
}

void release(Segment &segment)
{
    if (segment.address)
        ::shmdt(segment.address);
    segment = Segment();
}

// A remote display cannot attach our memory: the checked attach then fails and we say so.
bool createSegment(xcb_connection_t *c, const QSize &size, Segment *out)
{
    const int stride = size.width() * 4;
    const size_t bytes = size_t(stride) * size_t(size.height());
    const int shmid = ::shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (shmid < 0)
        return false;
    void *address = ::shmat(shmid, nullptr, 0);
    if (address == reinterpret_cast<void *>(-1)) {
        ::shmctl(shmid, IPC_RMID, nullptr);
        return false;
    }
    const xcb_shm_seg_t id = xcb_generate_id(c);
    xcb_generic_error_t *error = xcb_request_check(c, xcb_shm_attach_checked(c, id, shmid, 0));
    ::shmctl(shmid, IPC_RMID, nullptr);
    if (error) {
        std::free(error);
        ::shmdt(address);
        return false;
    }
    out->id = id;
    out->address = address;
    out->size = size;
    out->stride = stride;
    return true;
}

void detachImage(void *address)
{
    ::shmdt(address);
}

QPixmap sharedMemoryGrab()
{
    xcb_connection_t *c = connection();
    QScreen *screen = defaultScreen();
    if (!c || !screen || !extensionPresent(c))
        return QPixmap();
    const xcb_screen_t *root = rootScreen(c);
    if (!root || !rootIsRgb32(c, root))
        return QPixmap();
    const QRect area = primaryScreenNativeRect().intersected(
        QRect(0, 0, root->width_in_pixels, root->height_in_pixels));
    if (area.isEmpty())
        return QPixmap();

    Segment segment;
    preparedState.finishTouching();
    if (preparedState.warming) {
        std::free(xcb_shm_get_image_reply(c, preparedState.warmUp, nullptr));
        preparedState.warming = false;
    }
    if (prepared.address && prepared.size == area.size()) {
        segment = prepared;
        prepared = Segment();
    } else {
        if (prepared.address) {
            xcb_shm_detach(c, prepared.id);
            release(prepared);
        }
        if (!createSegment(c, area.size(), &segment))
            return QPixmap();
    }

    xcb_generic_error_t *error = nullptr;
    xcb_shm_get_image_reply_t *reply = xcb_shm_get_image_reply(
        c,
        xcb_shm_get_image(c, root->root, area.x(), area.y(), area.width(), area.height(), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, segment.id, 0),
        &error);
    // The reply means the server has written everything; it needs the segment no longer.
    xcb_shm_detach(c, segment.id);
    xcb_flush(c);
    if (!reply) {
        std::free(error);
        release(segment);
        return QPixmap();
    }
    std::free(reply);

    // The image keeps the shared pages as its own buffer: no copy of the screen is made.
    QImage image(static_cast<uchar *>(segment.address), area.width(), area.height(), segment.stride,
                 QImage::Format_RGB32, detachImage, segment.address);
    // The padding byte of a 24-bit pixel is undefined; Format_RGB32 wants it opaque, as the
    // toolkit's own grab leaves it.
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0, w = image.width(); x < w; ++x)
            line[x] |= 0xff000000u;
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    const qreal ratio = screen->devicePixelRatio();
    if (ratio != 1.0)
        pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

#endif // CLIPWISE_XCB_SHM

void releaseHeldImage(void *held)
{
    delete static_cast<QImage *>(held);
}

} // namespace

QPixmap sharedRegion(const QPixmap &source, const QRect &rect)
{
    const QImage whole = source.toImage();
    const QRect part = rect.intersected(whole.rect());
    if (part.isEmpty())
        return QPixmap();
    const int depth = whole.depth();
    if (depth < 8 || whole.format() == QImage::Format_Indexed8) {
        QPixmap copy = source.copy(part);
        copy.setDevicePixelRatio(1.0);
        return copy;
    }
    // The view holds a reference to the whole image, so its pixels outlive source.
    auto *held = new QImage(whole);
    const uchar *first = held->constScanLine(part.y()) + size_t(part.x()) * size_t(depth / 8);
    const QImage view(first, part.width(), part.height(), held->bytesPerLine(), held->format(),
                      releaseHeldImage, held);
    return QPixmap::fromImage(view);
}

void prefaultForWriting(void *address, size_t bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    ::madvise(address, bytes, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(address);
    Q_UNUSED(bytes);
#endif
}

QRect primaryScreenNativeRect()
{
    QScreen *screen = defaultScreen();
    // With a scale factor the toolkit keeps a screen's origin in the display's pixels and
    // divides only its size; the platform screen has both as the display does.
    return screen && screen->handle() ? screen->handle()->geometry() : QRect();
}

bool sharedMemoryGrabAvailable()
{
#ifdef CLIPWISE_XCB_SHM
    xcb_connection_t *c = connection();
    if (!c || !extensionPresent(c))
        return false;
    const xcb_screen_t *root = rootScreen(c);
    if (!root || !rootIsRgb32(c, root))
        return false;
    if (prepared.address)
        return true;
    Segment probe;
    if (!createSegment(c, QSize(1, 1), &probe))
        return false;
    xcb_shm_detach(c, probe.id);
    xcb_flush(c);
    release(probe);
    return true;
#else
    return false;
#endif
}

void prepareScreenGrab()
{
#ifdef CLIPWISE_XCB_SHM
    xcb_connection_t *c = connection();
    if (!c || !extensionPresent(c))
        return;
    const xcb_screen_t *root = rootScreen(c);
    if (!root || !rootIsRgb32(c, root))
        return;
    const QSize size = primaryScreenNativeRect()
                           .intersected(QRect(0, 0, root->width_in_pixels, root->height_in_pixels))
                           .size();
    if (size.isEmpty() || (prepared.address && prepared.size == size))
        return;
    preparedState.finishTouching();
    if (preparedState.warming) {
        std::free(xcb_shm_get_image_reply(c, preparedState.warmUp, nullptr));
        preparedState.warming = false;
    }
    if (prepared.address) {
        xcb_shm_detach(c, prepared.id);
        release(prepared);
    }
    if (!createSegment(c, size, &prepared))
        return;
    // Not waited for here; the grab collects the reply. Its pixels are overwritten by the grab.
    preparedState.warmUp = xcb_shm_get_image(c, root->root, 0, 0, size.width(), size.height(), ~0u,
                                             XCB_IMAGE_FORMAT_Z_PIXMAP, prepared.id, 0);
    preparedState.warming = true;
    xcb_flush(c);
    auto *first = static_cast<volatile char *>(prepared.address);
    const size_t bytes = size_t(prepared.stride) * size_t(size.height());
    preparedState.toucher = std::thread([first, bytes] {
        // One call maps every page, where a fault per page costs far more. The write of a byte
        // per page then pays what the first store to fresh memory still costs. The server may
        // be writing meanwhile; the grab overwrites every byte.
        prefaultForWriting(const_cast<char *>(first), bytes);
        for (size_t i = 0; i < bytes; i += 4096)
            first[i] = 0;
    });
#endif
}

QPixmap grabPrimaryScreen(GrabMethod method)
{
    switch (method) {
    case GrabMethod::Toolkit:
        return toolkitGrab();
    case GrabMethod::SharedMemory:
#ifdef CLIPWISE_XCB_SHM
        return sharedMemoryGrab();
#else
        return QPixmap();
#endif
    case GrabMethod::Automatic:
        break;
    }
#ifdef CLIPWISE_XCB_SHM
    QPixmap pixmap = sharedMemoryGrab();
    if (!pixmap.isNull())
        return pixmap;
#endif
    return toolkitGrab();
}

} // namespace QMWidgets
