#pragma once

#include <QPixmap>
#include <QRect>

#include <cstddef>

namespace QMWidgets {

// How the default screen is photographed.
enum class GrabMethod {
    Automatic,    // shared memory where the display offers it, otherwise the toolkit
    SharedMemory, // the X server copies the pixels into memory we share with it (MIT-SHM)
    Toolkit       // QScreen::grabWindow: the pixels travel through the display connection
};

// True when the display connection can hand over the screen through shared memory: an X11
// display with the MIT-SHM extension on this machine, and a 24-bit true-colour root window whose
// pixels are laid out as QImage::Format_RGB32.
bool sharedMemoryGrabAvailable();

// Creates the shared segment for the default screen in advance, so the grab itself is only the
// server's copy. Harmless where shared memory is unavailable; a later grab of another size
// makes its own segment.
void prepareScreenGrab();

// The default screen in device pixels, its device-pixel ratio set. SharedMemory returns a null
// pixmap where shared memory cannot be used; Automatic then falls back to the toolkit.
QPixmap grabPrimaryScreen(GrabMethod method);

// The part rect of source (device pixels, inside it) as a pixmap that shares source's pixels
// instead of copying them; writing to the result detaches it as any implicitly shared pixmap
// does. Its device-pixel ratio is 1.
QPixmap sharedRegion(const QPixmap &source, const QRect &rect);

// Maps the pages of [address, address + bytes) for writing in one go where the system offers it
// (a fault per page is slow); address is page-aligned. Does nothing elsewhere.
void prefaultForWriting(void *address, size_t bytes);

// The area of the default screen in the display's own pixels.
QRect primaryScreenNativeRect();

} // namespace QMWidgets
