// The capture without a display: crop geometry, writing the file, the repaint of a drag, the
// capture screen's cancel paths, and revealing a file when no file manager answers.
#include "app.h"
#include "capturefile.h"
#include "capturegeometry.h"
#include "screencropper.h"
#include "selectionrepaint.h"
#include "sharedfunctions.h"
#include "testkit.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QtTest>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace QMWidgets;
using Path = QVector<QPoint>;

// Takes the C library's place, so a test can make the disk refuse to sync.
static int syncErrno = 0;
extern "C" int fdatasync(int fd)
{
    return syncErrno ? (errno = syncErrno, -1) : ::fsync(fd);
}

namespace {

const QDateTime when(QDate(2019, 10, 2), QTime(14, 5, 9));

QImage noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int i = 0; i < w * h; ++i)
        image.setPixel(i % w, i / w, 0xff000000u | (random.generate() & 0xffffffu));
    return image;
}

// Sent by hand: QTest moves a press at (0, 0) to the centre and drops the buttons of a move.
void mouse(QWidget *w, QEvent::Type type, const QPoint &pos)
{
    const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, pos, w->mapToGlobal(pos),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestCapture final : public QObject
{
    Q_OBJECT

private slots:
    void cropRectangle_data()
    {
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("corners inclusive")
            << QPoint(10, 10) << QPoint(19, 19) << 1. << QRect(10, 10, 10, 10);
        QTest::newRow("reversed drag")
            << QPoint(19, 19) << QPoint(10, 10) << 1. << QRect(10, 10, 10, 10);
        QTest::newRow("click is one pixel")
            << QPoint(7, 9) << QPoint(7, 9) << 1. << QRect(7, 9, 1, 1);
        QTest::newRow("past right, bottom")
            << QPoint(1900, 1070) << QPoint(2500, 1500) << 1. << QRect(1900, 1070, 20, 10);
        QTest::newRow("past left, top")
            << QPoint(5, 6) << QPoint(-40, -3) << 1. << QRect(0, 0, 6, 7);
        QTest::newRow("wholly outside") << QPoint(-30, -30) << QPoint(-10, -10) << 1. << QRect();
        QTest::newRow("ratio 2 click") << QPoint(3, 4) << QPoint(3, 4) << 2. << QRect(6, 8, 2, 2);
        QTest::newRow("ratio 1.5 by centres")
            << QPoint(7, 7) << QPoint(13, 13) << 1.5 << QRect(11, 11, 10, 10);
        QTest::newRow("ratio 1.25 by centres")
            << QPoint(1, 2) << QPoint(4, 2) << 1.25 << QRect(1, 3, 5, 1);
        QTest::newRow("ratio 1.5 at the edge")
            << QPoint(1270, 710) << QPoint(1279, 719) << 1.5 << QRect(1905, 1065, 15, 15);
        QTest::newRow("zero ratio is one")
            << QPoint(10, 10) << QPoint(19, 19) << 0. << QRect(10, 10, 10, 10);
        QTest::newRow("NaN ratio is one")
            << QPoint(10, 10) << QPoint(19, 19) << qQNaN() << QRect(10, 10, 10, 10);
        QTest::newRow("infinite ratio is one")
            << QPoint(10, 10) << QPoint(19, 19) << qInf() << QRect(10, 10, 10, 10);
        QTest::newRow("int limits") << QPoint(INT_MIN, INT_MIN) << QPoint(INT_MAX, INT_MAX) << 1.
                                    << QRect(0, 0, 1920, 1080);
        QTest::newRow("huge ratio")
            << QPoint(0, 0) << QPoint(5, 5) << 1e12 << QRect(0, 0, 1920, 1080);
        QTest::newRow("huge ratio, outside") << QPoint(1, 1) << QPoint(5, 5) << 1e12 << QRect();
    }
    void cropRectangle()
    {
        QFETCH(QPoint, anchor);
        QFETCH(QPoint, cursor);
        QFETCH(qreal, scale);
        QFETCH(QRect, expected);
        QCOMPARE(QMWidgets::cropRectangle(anchor, cursor, scale, {1920, 1080}), expected);
    }

    void selectionsTileAndBoxIsCentred()
    {
        // Adjacent widget pixels meet exactly in device pixels: none lost, none taken twice.
        for (const qreal s : {1.0, 1.25, 1.5, 1.75, 2.0}) {
            for (int x = 0; x < 200; ++x) {
                const QRect left = QMWidgets::cropRectangle({0, 0}, {x, 0}, s, {999, 9});
                const QRect right = QMWidgets::cropRectangle({x + 1, 0}, {x + 1, 0}, s, {999, 9});
                QVERIFY(!right.isEmpty() && right.left() == left.right() + 1);
            }
        }
        QCOMPARE(instructionBoxRect({1920, 1080}), QRect(QPoint(518, 432), QPoint(1401, 647)));
    }

    void savesBesideOtherFiles()
    {
        QTemporaryDir dir;
        QFile taken(captureFileName(dir.path(), when));
        QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("not a capture") > 0);
        taken.close();
        const mode_t previous = ::umask(022);
        const CaptureSaveResult first = saveCapture(noise(37, 21), dir.path(), when);
        const CaptureSaveResult second = saveCapture(noise(5, 5), dir.path(), when);
        ::umask(previous);
        QVERIFY2(first.ok && second.ok, qPrintable(first.error + second.error));
        QVERIFY(first.path.endsWith("/ScreenShot_2019-10-02_14-05-09_1.png"));
        QCOMPARE(second.path, captureFileName(dir.path(), when, 2));
        QCOMPARE(QImage(first.path).convertToFormat(QImage::Format_RGB32), noise(37, 21));
        QCOMPARE(QImage(second.path).convertToFormat(QImage::Format_RGB32), noise(5, 5));
        QVERIFY(taken.open(QIODevice::ReadOnly) && taken.readAll() == "not a capture");
        // Readable by others like any new file, not private like a temporary one.
        QVERIFY(QFileInfo(first.path).permissions() & QFileDevice::ReadOther);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void failedSaveLeavesNothing_data()
    {
        QTest::addColumn<QString>("situation");
        for (const char *row : {"folder missing", "null image", "disk full", "sync fails"})
            QTest::newRow(row) << row;
    }
    void failedSaveLeavesNothing()
    {
        QFETCH(QString, situation);
        QTemporaryDir dir;
        const QString target = situation == "folder missing" ? dir.filePath("gone") : dir.path();
        rlimit saved{}, small{};
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved);
        small = saved;
        small.rlim_cur = situation == "disk full" ? 64 * 1024 : saved.rlim_cur; // fails part-way
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        syncErrno = situation == "sync fails" ? EIO : 0;
        const auto result =
            saveCapture(situation == "null image" ? QImage() : noise(800, 800), target, when);
        syncErrno = 0;
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!result.ok && !result.error.isEmpty());
        if (situation == "sync fails")
            QCOMPARE(result.error, QString::fromLocal8Bit(std::strerror(EIO)));
        QVERIFY(result.path.endsWith("/ScreenShot_2019-10-02_14-05-09.png"));
        QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void partialRepaintsAddUpToAFullOne_data()
    {
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<Path>("path");
        QTest::newRow("growing") << QPoint(50, 40) << Path{{60, 50}, {120, 90}, {300, 220}};
        QTest::newRow("shrinking") << QPoint(50, 40) << Path{{300, 220}, {80, 60}, {52, 42}};
        QTest::newRow("crossing the anchor")
            << QPoint(150, 120) << Path{{200, 160}, {151, 121}, {150, 120}, {10, 5}};
        QTest::newRow("crossing one axis")
            << QPoint(150, 120) << Path{{200, 160}, {100, 161}, {99, 50}};
        QTest::newRow("along the frame")
            << QPoint(0, 0) << Path{{3, 299}, {399, 299}, {399, 2}, {1, 1}};
        QTest::newRow("beyond the window")
            << QPoint(390, 290) << Path{{420, 330}, {-30, -40}, {-5, 310}};
        QTest::newRow("pixel steps")
            << QPoint(100, 100) << Path{{101, 100}, {101, 101}, {100, 100}, {99, 99}};
        QTest::newRow("long jumps")
            << QPoint(200, 150) << Path{{399, 299}, {0, 0}, {399, 0}, {0, 299}};
    }
    void partialRepaintsAddUpToAFullOne()
    {
        // The offscreen platform keeps the backing store that the partial repaints built;
        // grab() renders the whole widget anew.
        QFETCH(QPoint, anchor);
        QFETCH(Path, path);
        ScreenCropper c;
        c.setScreenPixmap(QPixmap::fromImage(noise(400, 300)));
        c.setGeometry(0, 0, 400, 300);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        mouse(&c, QEvent::MouseButtonPress, anchor);
        for (const QPoint &p : path) {
            mouse(&c, QEvent::MouseMove, p);
            QCOMPARE(QGuiApplication::primaryScreen()->grabWindow(c.winId()).toImage(),
                     c.grab().toImage());
        }
        // Outside both fills nothing changes; only a band of a large selection is repainted.
        QVERIFY(selectionChangeRegion({5, 5}, {40, 30}, {40, 30}).isEmpty());
        const QRegion band = selectionChangeRegion({0, 0}, {1000, 800}, {1001, 800});
        QVERIFY(!band.isEmpty() && !band.contains(QRect(5, 5, 990, 790)));
    }

    void repaintAtTheIntLimits_data()
    {
        QTest::addColumn<Path>("points"); // anchor, from, to
        QTest::newRow("anchor lowest") << Path{{INT_MIN, INT_MIN}, {20, 30}, {40, 50}};
        QTest::newRow("corner to highest") << Path{{20, 30}, {40, 50}, {INT_MAX, INT_MAX}};
        QTest::newRow("limit to limit") << Path{{100, 100}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}};
    }
    void repaintAtTheIntLimits()
    {
        // Inside a window a corner at the int limits repaints what one far outside it does.
        QFETCH(Path, points);
        const QRegion w(0, 0, 400, 300);
        Path near = points;
        for (QPoint &p : near)
            p = QPoint(qBound(-(1 << 20), p.x(), 1 << 20), qBound(-(1 << 20), p.y(), 1 << 20));
        QCOMPARE(w & selectionChangeRegion(points[0], points[1], points[2]),
                 w & selectionChangeRegion(near[0], near[1], near[2]));
        QCOMPARE(w & selectionPaintBounds(points[0], points[2]),
                 w & selectionPaintBounds(near[0], near[2]));
    }

    void nothingSaved_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("outside close request") << true;
        QTest::newRow("screen grab fails") << false;
    }
    void nothingSaved()
    {
        QFETCH(bool, escape);
        ScreenCropper c;
        c.retranslate();
        QSignalSpy closed(&c, &ScreenCropper::closed), escaped(&c, &ScreenCropper::escaped);
        QSignalSpy done(&c, qOverload<>(&ScreenCropper::done));
        c.setScreenGrabber(
            [escape] { return escape ? QPixmap::fromImage(noise(9, 9)) : QPixmap(); });
        c.grabScreen();
        if (escape) {
            mouse(&c, QEvent::MouseButtonPress, {5, 5});
            QVERIFY(!c.close());
        }
        QVERIFY(!c.isVisible() && !c.isSelecting() && done.isEmpty());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(escaped.count(), int(escape));
        QCOMPARE(c.failureMessage().isEmpty(), escape);
    }

    void revealFallsBackToTheFolder()
    {
        // No session bus here, so no file manager answers.
        TestSupport::LinkRecorder recorder({"file"});
        QCOMPARE(revealTargetPath("/a//b///x.png"), QStringLiteral("/a/b//x.png"));
        QVERIFY(revealInFileBrowser("/tmp/a b//ScreenShot_1.png"));
        QCOMPARE(recorder.links, QStringList{"file:///tmp/a b"});
    }
};

int main(int argc, char *argv[])
{
    const auto app = TestSupport::makeApp();
    TestCapture test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_capture.moc"
