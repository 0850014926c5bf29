// The compositor's screen copy alone, inside a Wayland session: medians over repeated stills of
// every output.
//   bench_screencopy [runs]
// screencopy_ms: the screencopy source from connecting to the stills of all outputs (the time
// the program's window waits for them), its memory prepared beforehand as the program does;
// outputs_ms: reading the outputs on a connection of its own (what desktopOutputs() does when
// no recent reading is kept; the portal's picture is cut by them).
#include "screensourcescreencopy.h"
#include "waylandoutputs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QVector>

#include <algorithm>
#include <cstdio>

using namespace QMWidgets;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QVector<double> copies, outputs;
    for (int i = 0; i < runs; ++i) {
        // As the program does while it waits for its timer.
        ScreenSourceScreencopy::prepare();
        ScreenSourceScreencopy source;
        QElapsedTimer t;
        t.start();
        source.start();
        copies << t.nsecsElapsed() / 1e6;
        if (source.still().isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(source.errorString()));
            return 1;
        }
        if (i == 0) {
            for (const ScreenStill &s : source.still())
                std::fprintf(stderr, "%s %d,%d %dx%d: %dx%d pixels\n", qPrintable(s.name),
                             s.logical.x(), s.logical.y(), s.logical.width(), s.logical.height(),
                             s.pixmap.width(), s.pixmap.height());
        }
        t.restart();
        // A connection of its own, not the reading prepare() kept.
        const QList<OutputGeometry> geometries = WaylandOutputs(QDeadlineTimer(1000)).geometries();
        outputs << t.nsecsElapsed() / 1e6;
        if (geometries.isEmpty() || geometries.first().pixels.isEmpty()) {
            std::fprintf(stderr, "the compositor did not describe its outputs\n");
            return 1;
        }
    }
    std::sort(copies.begin(), copies.end());
    std::sort(outputs.begin(), outputs.end());
    std::printf("screencopy_ms=%.2f outputs_ms=%.2f\n", copies[runs / 2], outputs[runs / 2]);
    return 0;
}
