#pragma once

#include "screensource.h"

#include <QImage>

namespace QMWidgets {

// One output's pixels as a wlroots compositor copied them into shared memory.
struct ScreencopyBuffer
{
    uchar *data = nullptr; // made opaque in place: the picture shares it where it can
    int width = 0;
    int height = 0;
    int stride = 0;
    quint32 format = 0;     // a wl_shm format
    bool yInverted = false; // the frame's y_invert flag: rows from the bottom up
    int transform = 0;      // the output's wl_output_transform
    // Called with releaseInfo once nothing needs data any more (at once when it is refused);
    // null when the caller keeps data for as long as the picture lives.
    QImageCleanupFunction release = nullptr;
    void *releaseInfo = nullptr;
};

// Whether a picture in that wl_shm format can be read: 32 bits a pixel, 8 to a colour,
// little-endian XRGB8888, ARGB8888, XBGR8888 or ABGR8888.
bool isReadableScreencopyFormat(quint32 format);

// The picture the user sees on the output: the buffer's rows in their true order, turned and
// mirrored back from the output's transform, opaque whatever the alpha bytes say. Null when the
// format cannot be read, the buffer's numbers do not fit together, or the picture is not of
// pixels, the output's own size: such a still would show something else than the screen.
QImage screencopyPicture(const ScreencopyBuffer &buffer, const QSize &pixels);

// One output's copy as its frame's events drive it, apart from the memory and the requests: the
// compositor may send them in any order, or leave some out. Only a readable offer complete before
// the copy is asked for is copied into; buffer() and bufferDone() say when to ask for it.
struct ScreencopyFrame
{
    enum State { Offering, Copying, Ready, Failed, Unreadable };
    State state = Offering;
    bool offered = false; // a wl_shm buffer in a format read here; the first one counts
    quint32 format = 0;
    int width = 0, height = 0, stride = 0;
    bool yInverted = false;

    bool buffer(quint32 f, quint32 w, quint32 h, quint32 s, quint32 version);
    bool bufferDone();
    void flags(quint32 bits) { yInverted = bits & 1; } // y_invert
    void ready()
    {
        if (state == Copying)
            state = Ready;
    }
    void failed() { state = Failed; }
    bool finished() const { return state != Offering && state != Copying; }
};

// Every output copied straight from the compositor (wlroots' zwlr_screencopy_manager_v1),
// without the mouse pointer: each still holds the output's own pixels at any scale. Runs within
// start(), blocking for at most the bound below; finished() is emitted before start() returns.
class ScreenSourceScreencopy final : public ScreenSource
{
    Q_OBJECT

public:
    static const QString sourceName;

    // A compositor copies an output with the next frame it draws, within a refresh or two even
    // with every output at once. One that has not answered within a second and a half is stuck
    // or drops the request; past that the portal is asked, and the user, who has already
    // waited for the still, should not wait much longer for that.
    static constexpr int timeoutMs = 1500;

    using ScreenSource::ScreenSource;
    QString name() const override { return sourceName; }
    void start() override;
    int boundMs() const override { return timeoutMs; }

    // Does ahead of start(), while the program waits for its timer, what need not wait for the
    // still: the shared memory each output's copy will land in, every page of it touched, so
    // the copy is only the compositor's work. Does nothing where the compositor offers no
    // screen copy, and then start() hands over at once; memory of another size than a copy needs
    // is left unused. The outputs read on the way are kept for desktopOutputs().
    static void prepare();

private:
    // The stills of every output, or why there are none.
    QString capture(DesktopStill &still);
};

} // namespace QMWidgets
