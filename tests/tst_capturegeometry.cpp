#include "capturegeometry.h"

#include <QtTest>

using namespace QMWidgets;

class TestCaptureGeometry final : public QObject
{
    Q_OBJECT

private slots:
    void cropRectangle_data();
    void cropRectangle();
    void neighbouringSelectionsTileWithoutGaps_data();
    void neighbouringSelectionsTileWithoutGaps();
    void instructionBox_data();
    void instructionBox();
};

void TestCaptureGeometry::cropRectangle_data()
{
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("expected");

    const QSize screen(1920, 1080);
    QTest::newRow("corners are inclusive")
        << QPoint(10, 10) << QPoint(19, 19) << 1.0 << screen << QRect(10, 10, 10, 10);
    QTest::newRow("reversed drag gives the same rectangle")
        << QPoint(19, 19) << QPoint(10, 10) << 1.0 << screen << QRect(10, 10, 10, 10);
    QTest::newRow("drag towards the lower left")
        << QPoint(30, 5) << QPoint(20, 25) << 1.0 << screen << QRect(20, 5, 11, 21);
    QTest::newRow("click without moving is one pixel")
        << QPoint(7, 9) << QPoint(7, 9) << 1.0 << screen << QRect(7, 9, 1, 1);
    QTest::newRow("drag beyond the right and bottom edge is clipped")
        << QPoint(1900, 1070) << QPoint(2500, 1500) << 1.0 << screen << QRect(1900, 1070, 20, 10);
    QTest::newRow("drag beyond the left and top edge is clipped")
        << QPoint(5, 6) << QPoint(-40, -3) << 1.0 << screen << QRect(0, 0, 6, 7);
    QTest::newRow("selection wholly outside the image is empty")
        << QPoint(-30, -30) << QPoint(-10, -10) << 1.0 << screen << QRect();
    QTest::newRow("ratio 2 doubles every edge")
        << QPoint(5, 5) << QPoint(9, 9) << 2.0 << QSize(3840, 2160) << QRect(10, 10, 10, 10);
    QTest::newRow("ratio 2 click covers its two by two device pixels")
        << QPoint(3, 4) << QPoint(3, 4) << 2.0 << QSize(3840, 2160) << QRect(6, 8, 2, 2);
    QTest::newRow("ratio 1.5 maps edges by pixel centres")
        << QPoint(7, 7) << QPoint(13, 13) << 1.5 << QSize(1920, 1080) << QRect(11, 11, 10, 10);
    QTest::newRow("ratio 1.25 maps edges by pixel centres")
        << QPoint(1, 2) << QPoint(4, 2) << 1.25 << QSize(1600, 1000) << QRect(1, 3, 5, 1);
    QTest::newRow("ratio 1.5 clipped at the device edge")
        << QPoint(1270, 710) << QPoint(1279, 719) << 1.5 << QSize(1920, 1080)
        << QRect(1905, 1065, 15, 15);
    QTest::newRow("invalid ratio falls back to one")
        << QPoint(10, 10) << QPoint(19, 19) << 0.0 << screen << QRect(10, 10, 10, 10);
}

void TestCaptureGeometry::cropRectangle()
{
    QFETCH(QPoint, anchor);
    QFETCH(QPoint, cursor);
    QFETCH(qreal, scale);
    QFETCH(QSize, image);
    QFETCH(QRect, expected);
    const QRect actual = QMWidgets::cropRectangle(anchor, cursor, scale, image);
    if (expected.isEmpty())
        QVERIFY(actual.isEmpty());
    else
        QCOMPARE(actual, expected);
}

void TestCaptureGeometry::neighbouringSelectionsTileWithoutGaps_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 1.25") << 1.25;
    QTest::newRow("ratio 1.5") << 1.5;
    QTest::newRow("ratio 1.75") << 1.75;
    QTest::newRow("ratio 2") << 2.0;
}

void TestCaptureGeometry::neighbouringSelectionsTileWithoutGaps()
{
    // Selections of adjacent widget pixels must meet exactly in device pixels: no pixel lost
    // between them, none taken twice.
    QFETCH(qreal, scale);
    const QSize image(4000, 4000);
    for (int x = 0; x < 200; ++x) {
        const QRect left = QMWidgets::cropRectangle(QPoint(0, 0), QPoint(x, 0), scale, image);
        const QRect right =
            QMWidgets::cropRectangle(QPoint(x + 1, 0), QPoint(x + 1, 0), scale, image);
        QCOMPARE(left.left(), 0);
        QCOMPARE(right.left(), left.right() + 1);
        QVERIFY(right.width() >= 1);
    }
}

void TestCaptureGeometry::instructionBox_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QRect(QPoint(518, 432), QPoint(1401, 647));
    QTest::newRow("3840 x 2160") << QSize(3840, 2160)
                                 << QRect(QPoint(1037, 864), QPoint(2802, 1295));
    QTest::newRow("1280 x 800") << QSize(1280, 800) << QRect(QPoint(345, 320), QPoint(934, 479));
    QTest::newRow("tiny window") << QSize(10, 10) << QRect(QPoint(2, 4), QPoint(7, 5));
}

void TestCaptureGeometry::instructionBox()
{
    QFETCH(QSize, window);
    QFETCH(QRect, expected);
    QCOMPARE(instructionBoxRect(window), expected);
}

QTEST_APPLESS_MAIN(TestCaptureGeometry)
#include "tst_capturegeometry.moc"
