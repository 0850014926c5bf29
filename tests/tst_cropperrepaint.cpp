// The capture screen repaints only what a drag changes; what reaches the screen must still be
// exactly what a full repaint draws. The offscreen platform keeps each window's backing store,
// and QScreen::grabWindow reads it back: that is the picture built from the partial repaints.
#include "screencropper.h"
#include "screengrab.h"
#include "selectionrepaint.h"

#include <QApplication>
#include <QPaintEvent>
#include <QRandomGenerator>
#include <QScreen>
#include <QtTest>

using namespace QMWidgets;

namespace {

QPixmap noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = 0xff000000u | (random.generate() & 0xffffffu);
    }
    return QPixmap::fromImage(image);
}

// Records every paint of the watched widget and the area it covered.
class PaintProbe final : public QObject
{
public:
    int paints = 0;
    QRegion lastRegion;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            lastRegion = static_cast<QPaintEvent *>(e)->region();
        }
        return false;
    }
};

void drag(QWidget *widget, const QPoint &pos)
{
    QMouseEvent e(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
}

// Sent by hand: QTest turns a press at (0, 0) into one at the widget's centre.
void press(QWidget *widget, const QPoint &pos)
{
    QMouseEvent e(QEvent::MouseButtonPress, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
}

QImage onScreen(QWidget *widget)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(widget->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage fullRepaint(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

using Path = QVector<QPoint>;

} // namespace

class TestCropperRepaint final : public QObject
{
    Q_OBJECT

private slots:
    void partialRepaintsAddUpToAFullOne_data();
    void partialRepaintsAddUpToAFullOne();
    void unmovedCornerChangesNothing();
    void croppedRegionSharesTheStill_data();
    void croppedRegionSharesTheStill();
};

void TestCropperRepaint::partialRepaintsAddUpToAFullOne_data()
{
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<Path>("path");
    QTest::newRow("growing down and right")
        << QPoint(50, 40) << Path{{60, 50}, {120, 90}, {200, 150}, {300, 220}};
    QTest::newRow("shrinking back")
        << QPoint(50, 40) << Path{{300, 220}, {200, 150}, {80, 60}, {52, 42}};
    QTest::newRow("crossing the anchor to up and left")
        << QPoint(150, 120) << Path{{200, 160}, {151, 121}, {150, 120}, {100, 80}, {10, 5}};
    QTest::newRow("crossing on one axis only")
        << QPoint(150, 120) << Path{{200, 160}, {100, 161}, {99, 50}, {220, 49}};
    QTest::newRow("along the translucent frame")
        << QPoint(0, 0) << Path{{3, 299}, {399, 299}, {399, 2}, {1, 1}};
    QTest::newRow("beyond the window edges")
        << QPoint(390, 290) << Path{{420, 330}, {-30, -40}, {500, -10}, {-5, 310}};
    QTest::newRow("single-pixel steps")
        << QPoint(100, 100)
        << Path{{101, 100}, {101, 101}, {100, 101}, {100, 100}, {99, 99}, {98, 100}};
    QTest::newRow("a small selection repaints little")
        << QPoint(200, 150) << Path{{230, 170}, {232, 171}};
    QTest::newRow("long jumps across the window")
        << QPoint(200, 150) << Path{{399, 299}, {0, 0}, {399, 0}, {0, 299}, {200, 150}};
}

void TestCropperRepaint::partialRepaintsAddUpToAFullOne()
{
    QFETCH(QPoint, anchor);
    QFETCH(Path, path);
    ScreenCropper cropper;
    cropper.setScreenPixmap(noise(400, 300));
    cropper.retranslate();
    cropper.setGeometry(0, 0, 400, 300);
    cropper.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cropper));
    QCOMPARE(onScreen(&cropper), fullRepaint(&cropper));

    PaintProbe probe;
    cropper.installEventFilter(&probe);
    press(&cropper, anchor);
    QCOMPARE(cropper.anchor(), anchor);
    QCOMPARE(onScreen(&cropper), fullRepaint(&cropper));

    QPoint previous = anchor;
    qint64 lastMoveArea = 0;
    for (const QPoint &p : path) {
        const int before = probe.paints;
        drag(&cropper, p);
        // Painted inside the move itself, not on a later pass of the event loop ...
        QCOMPARE(probe.paints, before + 1);
        // ... but only over what the move can change.
        QCOMPARE(probe.lastRegion,
                 selectionChangeRegion(anchor, previous, p).intersected(cropper.rect()));
        lastMoveArea = 0;
        for (const QRect &r : probe.lastRegion)
            lastMoveArea += qint64(r.width()) * r.height();
        QCOMPARE(onScreen(&cropper), fullRepaint(&cropper));
        previous = p;
    }
    if (QByteArray(QTest::currentDataTag()) == "a small selection repaints little") {
        // Growing a 30 x 20 selection by a pixel or two touches a few hundred pixels.
        QVERIFY2(lastMoveArea < 40 * 30, qPrintable(QString::number(lastMoveArea)));
    }
}

void TestCropperRepaint::unmovedCornerChangesNothing()
{
    QVERIFY(selectionChangeRegion(QPoint(5, 5), QPoint(40, 30), QPoint(40, 30)).isEmpty());
    // A large selection that grows by one pixel repaints a thin band, not its whole area.
    const QRegion band = selectionChangeRegion(QPoint(0, 0), QPoint(1000, 800), QPoint(1001, 800));
    qint64 area = 0;
    for (const QRect &r : band)
        area += qint64(r.width()) * r.height();
    QVERIFY(area > 0);
    QVERIFY(area < 1000 * 800 / 50);
}

void TestCropperRepaint::croppedRegionSharesTheStill_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("inside") << QRect(10, 20, 30, 40) << QRect(10, 20, 30, 40);
    QTest::newRow("one pixel") << QRect(399, 299, 1, 1) << QRect(399, 299, 1, 1);
    QTest::newRow("whole still") << QRect(0, 0, 400, 300) << QRect(0, 0, 400, 300);
    QTest::newRow("clipped at the edge") << QRect(390, 290, 30, 30) << QRect(390, 290, 10, 10);
    QTest::newRow("outside") << QRect(500, 500, 5, 5) << QRect();
}

void TestCropperRepaint::croppedRegionSharesTheStill()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, expected);
    QPixmap still = noise(400, 300);
    const QImage stillImage = still.toImage();
    const QPixmap region = sharedRegion(still, rect);
    if (expected.isNull()) {
        QVERIFY(region.isNull());
        return;
    }
    QCOMPARE(region.size(), expected.size());
    QCOMPARE(region.devicePixelRatio(), 1.0);
    const QImage image = region.toImage();
    QCOMPARE(image, stillImage.copy(expected));
    // No copy: the region's first pixel is the still's pixel.
    QCOMPARE(static_cast<const void *>(image.constBits()),
             static_cast<const void *>(stillImage.constScanLine(expected.y()) + expected.x() * 4));
    // The pixels stay valid after the still is gone, and a change to the region leaves it alone.
    still = QPixmap();
    QImage changed = region.toImage();
    changed.fill(Qt::red);
    QCOMPARE(region.toImage(), stillImage.copy(expected));
}

QTEST_MAIN(TestCropperRepaint)
#include "tst_cropperrepaint.moc"
