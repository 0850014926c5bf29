// The capture without a display: crop geometry, writing the file, the repaint of a drag, the
// capture screen's failure and cancel paths, and revealing when no file manager answers.
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
using Points = QVector<QPoint>;

// Takes the C library's place, so a test can make the disk refuse to sync.
static int syncErrno = 0;
extern "C" int fdatasync(int fd)
{
    return syncErrno ? (errno = syncErrno, -1) : ::fsync(fd);
}

static const QDateTime when(QDate(2019, 10, 2), QTime(14, 5, 9));

static QImage noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int i = 0; i < w * h; ++i)
        image.setPixel(i % w, i / w, QRandomGenerator::global()->bounded(0x1000000u));
    return image;
}

// Sent by hand: QTest moves a press at (0, 0) to the centre and drops the buttons of a move.
static void mouse(QWidget *w, QEvent::Type type, const QPoint &pos)
{
    QMouseEvent e(type, pos, w->mapToGlobal(pos),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
    QApplication::sendEvent(w, &e);
}

class TestCapture final : public QObject
{
    Q_OBJECT

private slots:
    void cropRectangle_data()
    {
        QTest::addColumn<Points>("corners");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QRect>("expected");
        const auto row = [](const char *name, const Points &p, qreal s, const QRect &r) {
            QTest::newRow(name) << p << s << r;
        };
        row("corners inclusive", {{10, 10}, {19, 19}}, 1, {10, 10, 10, 10});
        row("reversed drag", {{19, 19}, {10, 10}}, 1, {10, 10, 10, 10});
        row("click is one pixel", {{7, 9}, {7, 9}}, 1, {7, 9, 1, 1});
        row("past right and bottom", {{1900, 1070}, {2500, 1500}}, 1, {1900, 1070, 20, 10});
        row("past left and top", {{5, 6}, {-40, -3}}, 1, {0, 0, 6, 7});
        row("wholly outside", {{-30, -30}, {-10, -10}}, 1, {});
        row("ratio 2 click", {{3, 4}, {3, 4}}, 2, {6, 8, 2, 2});
        row("ratio 1.5 by pixel centres", {{7, 7}, {13, 13}}, 1.5, {11, 11, 10, 10});
        row("ratio 1.25 by pixel centres", {{1, 2}, {4, 2}}, 1.25, {1, 3, 5, 1});
        row("ratio 1.5 at the edge", {{1270, 710}, {1279, 719}}, 1.5, {1905, 1065, 15, 15});
        row("NaN ratio is one", {{10, 10}, {19, 19}}, qQNaN(), {10, 10, 10, 10});
        row("infinite ratio is one", {{10, 10}, {19, 19}}, qInf(), {10, 10, 10, 10});
        row("int limits", {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}}, 1, {0, 0, 1920, 1080});
        row("huge ratio", {{0, 0}, {5, 5}}, 1e12, {0, 0, 1920, 1080});
        row("huge ratio, outside", {{1, 1}, {5, 5}}, 1e12, {});
    }
    void cropRectangle()
    {
        QFETCH(Points, corners);
        QFETCH(qreal, scale);
        QTEST(QMWidgets::cropRectangle(corners[0], corners[1], scale, {1920, 1080}), "expected");
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
        QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("not a capture"));
        taken.close();
        const mode_t previous = ::umask(022);
        const QImage images[] = {noise(37, 21), noise(5, 5)};
        for (int n = 1; n <= 2; ++n) {
            const CaptureSaveResult saved = saveCapture(images[n - 1], dir.path(), when);
            QVERIFY2(saved.ok, qPrintable(saved.error));
            QCOMPARE(saved.path,
                     dir.path() + "/ScreenShot_2019-10-02_14-05-09_" + QString::number(n) + ".png");
            QCOMPARE(QImage(saved.path).convertToFormat(QImage::Format_RGB32), images[n - 1]);
            // Readable by others like any new file, not private like a temporary one.
            QVERIFY(QFileInfo(saved.path).permissions() & QFileDevice::ReadOther);
        }
        ::umask(previous);
        QVERIFY(taken.open(QIODevice::ReadOnly) && taken.readAll() == "not a capture");
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
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        if (situation == "disk full") // writes fail part-way, as on a full disk
            ::signal(SIGXFSZ, SIG_IGN), limit.rlim_cur = 64 * 1024;
        ::setrlimit(RLIMIT_FSIZE, &limit);
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
        QTest::addColumn<Points>("drag"); // anchor, then the moves
        QTest::newRow("growing") << Points{{50, 40}, {60, 50}, {120, 90}, {300, 220}};
        QTest::newRow("shrinking") << Points{{50, 40}, {300, 220}, {80, 60}, {52, 42}};
        QTest::newRow("crossing the anchor")
            << Points{{150, 120}, {200, 160}, {151, 121}, {150, 120}, {10, 5}};
        QTest::newRow("crossing one axis") << Points{{150, 120}, {200, 160}, {100, 161}, {99, 50}};
        QTest::newRow("along the frame") << Points{{0, 0}, {3, 299}, {399, 299}, {399, 2}, {1, 1}};
        QTest::newRow("beyond the window") << Points{{390, 290}, {420, 330}, {-30, -40}, {-5, 310}};
        QTest::newRow("pixel steps")
            << Points{{100, 100}, {101, 100}, {101, 101}, {100, 100}, {99, 99}};
        QTest::newRow("long jumps") << Points{{200, 150}, {399, 299}, {0, 0}, {399, 0}, {0, 299}};
    }
    void partialRepaintsAddUpToAFullOne()
    {
        // The offscreen platform keeps the backing store that the partial repaints built;
        // grab() renders the whole widget anew.
        QFETCH(Points, drag);
        ScreenCropper c;
        c.setScreenPixmap(QPixmap::fromImage(noise(400, 300)));
        c.setGeometry(0, 0, 400, 300);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        mouse(&c, QEvent::MouseButtonPress, drag.takeFirst());
        for (const QPoint &p : drag) {
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
        QTest::addColumn<Points>("points"); // anchor, from, to
        QTest::newRow("anchor lowest") << Points{{INT_MIN, INT_MIN}, {20, 30}, {40, 50}};
        QTest::newRow("corner to highest") << Points{{20, 30}, {40, 50}, {INT_MAX, INT_MAX}};
        QTest::newRow("limit to limit")
            << Points{{100, 100}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}};
    }
    void repaintAtTheIntLimits()
    {
        // Inside a window a corner at the int limits repaints what one far outside it does.
        QFETCH(Points, points);
        Points far = points;
        for (QPoint &p : far)
            p = QPoint(qBound(-(1 << 20), p.x(), 1 << 20), qBound(-(1 << 20), p.y(), 1 << 20));
        const QRegion w(0, 0, 400, 300);
        QCOMPARE(w & selectionChangeRegion(points[0], points[1], points[2]),
                 w & selectionChangeRegion(far[0], far[1], far[2]));
        QCOMPARE(w & selectionPaintBounds(points[0], points[2]),
                 w & selectionPaintBounds(far[0], far[2]));
    }

    void nothingSaved_data()
    {
        QTest::addColumn<bool>("grabbed");
        QTest::newRow("outside close request") << true;
        QTest::newRow("screen grab fails") << false;
    }
    void nothingSaved()
    {
        QFETCH(bool, grabbed);
        ScreenCropper c;
        QSignalSpy closed(&c, &ScreenCropper::closed), escaped(&c, &ScreenCropper::escaped);
        QSignalSpy done(&c, qOverload<>(&ScreenCropper::done));
        c.setScreenGrabber([grabbed] { return grabbed ? QPixmap(9, 9) : QPixmap(); });
        c.grabScreen();
        if (grabbed) {
            mouse(&c, QEvent::MouseButtonPress, {5, 5});
            QVERIFY(!c.close());
        }
        QVERIFY(!c.isVisible() && !c.isSelecting() && done.isEmpty());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(escaped.count(), int(grabbed));
        QCOMPARE(c.failureMessage().isEmpty(), grabbed); // a failed grab is reported
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
