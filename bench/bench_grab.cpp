// The grab alone, on the current X display: medians over repeated grabs of the default screen.
//   bench_grab [runs]
// shm_ms: the program's grab (shared segment made and touched while it waits for its timer);
// shm_cold_ms: shared memory with the segment made at the grab; toolkit_ms: QScreen::grabWindow,
// which is how other Qt screenshot tools photograph an X11 screen.
#include "screengrab.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QVector>

#include <algorithm>
#include <cstdio>

using namespace QMWidgets;

namespace {

template <typename F> double medianMs(int runs, F grab)
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const QPixmap p = grab(i);
        times << t.nsecsElapsed() / 1e6;
        if (p.isNull())
            return -1;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    if (!sharedMemoryGrabAvailable()) {
        std::fprintf(stderr, "shared memory is unavailable on this display\n");
        return 1;
    }
    // Each run of the program grabs once with a fresh segment, its pages untouched; so does
    // every run here. The program makes the segment while it waits for its timer.
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepareScreenGrab();
        QThread::msleep(300); // the program's timer
        QElapsedTimer t;
        t.start();
        const QPixmap p = grabPrimaryScreen(GrabMethod::SharedMemory);
        times << t.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    const double prepared = times[times.size() / 2];
    const double cold =
        medianMs(runs, [](int) { return grabPrimaryScreen(GrabMethod::SharedMemory); });
    const double toolkit =
        medianMs(runs, [](int) { return grabPrimaryScreen(GrabMethod::Toolkit); });
    std::printf("shm_ms=%.2f shm_cold_ms=%.2f toolkit_ms=%.2f\n", prepared, cold, toolkit);
    return 0;
}
