// The shared-memory grab against the toolkit's grab, on real X servers: one with MIT-SHM and one
// started without it. Each comparison runs in a child process, because the scale factor and the
// display are fixed when the application object is made.
#include "screengrab.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>

using namespace QMWidgets;

namespace {

int fail(const char *why)
{
    std::fprintf(stderr, "child: %s\n", why);
    return 1;
}

// Child side: grabs both ways and checks they agree; the grab is written to CLIPWISE_GRAB_OUT so
// the parent can check it against the picture on the screen.
int compareChild()
{
    const bool expectShm = qgetenv("CLIPWISE_GRAB_EXPECT") == "shm";
    if (qgetenv("CLIPWISE_GRAB_PREPARE") == "1")
        prepareScreenGrab();
    if (sharedMemoryGrabAvailable() != expectShm)
        return fail("shared memory availability differs from what the server offers");

    const QPixmap toolkit = grabPrimaryScreen(GrabMethod::Toolkit);
    const QPixmap shared = grabPrimaryScreen(GrabMethod::SharedMemory);
    const QPixmap automatic = grabPrimaryScreen(GrabMethod::Automatic);
    if (toolkit.isNull() || automatic.isNull())
        return fail("the toolkit grab failed");
    if (expectShm == shared.isNull())
        return fail("the shared-memory grab did not behave as expected");
    const QPixmap fast = expectShm ? shared : automatic;
    if (fast.size() != toolkit.size() || fast.devicePixelRatio() != toolkit.devicePixelRatio())
        return fail("size or device-pixel ratio differ");
    const QImage a = fast.toImage();
    const QImage b = toolkit.toImage();
    if (a.format() != b.format())
        return fail("formats differ");
    if (a != b)
        return fail("pixels differ");
    // Byte for byte as well, padding byte included.
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) != 0)
            return fail("bytes differ");
    if (automatic.toImage() != b)
        return fail("the automatic choice differs");
    if (!a.save(QString::fromLocal8Bit(qgetenv("CLIPWISE_GRAB_OUT"))))
        return fail("could not write the grab");
    return 0;
}

// Text, a photograph-like noise field, flat areas and a gradient: every kind of screen content.
QImage screenContent(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(236, 236, 236));
    QPainter p(&image);
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0, QColor(20, 60, 200));
    gradient.setColorAt(1, QColor(250, 120, 10));
    p.fillRect(QRect(0, 0, size.width(), size.height() / 4), gradient);
    QRandomGenerator random(7);
    for (int y = size.height() / 4; y < size.height() / 2; ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
    p.setPen(Qt::black);
    QFont font;
    font.setPixelSize(14);
    p.setFont(font);
    for (int line = 0; line < 20; ++line)
        p.drawText(
            size.width() / 2 + 10, size.height() / 4 + 20 + line * 18,
            QStringLiteral("Line %1: the quick brown fox jumps over the lazy dog").arg(line));
    p.fillRect(QRect(0, size.height() / 2, size.width(), size.height() / 2), QColor(30, 30, 30));
    return image;
}

bool startXvfbWithoutShm(QProcess *server, QTemporaryDir *dir, QString *display)
{
    const QString fdFile = dir->filePath(QStringLiteral("display"));
    server->start(QStringLiteral("sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("exec Xvfb -displayfd 3 -screen 0 640x480x24 -noreset "
                                  "-nolisten tcp -extension MIT-SHM 3>'%1' 2>/dev/null")
                       .arg(fdFile)});
    if (!server->waitForStarted())
        return false;
    for (int i = 0; i < 200; ++i) {
        QFile f(fdFile);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray number = f.readAll().trimmed();
            if (!number.isEmpty()) {
                *display = QLatin1Char(':') + QString::fromLatin1(number);
                return true;
            }
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace

class TestScreenGrab final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sharedMemoryGivesTheToolkitsPixels_data();
    void sharedMemoryGivesTheToolkitsPixels();
    void noSharedMemoryFallsBackToTheToolkit();

private:
    bool showOn(QProcess *viewer, const QString &display, const QImage &image);
    int runChild(const QString &display, const QByteArray &scale, bool prepare, bool expectShm,
                 QImage *grab);

    QTemporaryDir dir;
    QProcess viewer;
    QImage picture;
};

bool TestScreenGrab::showOn(QProcess *process, const QString &display, const QImage &image)
{
    const QString path = dir.filePath(QStringLiteral("picture-%1.png").arg(display.mid(1)));
    if (!image.save(path))
        return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(SHOW_PICTURE), {path});
    return process->waitForStarted() && process->waitForReadyRead(10000) &&
           process->readLine().trimmed() == "ready";
}

void TestScreenGrab::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY2(!qgetenv("DISPLAY").isEmpty(), "needs an X server (run through run-test.sh x11)");
    picture = screenContent(QGuiApplication::primaryScreen()->geometry().size());
    QVERIFY(showOn(&viewer, QString::fromLocal8Bit(qgetenv("DISPLAY")), picture));
}

void TestScreenGrab::cleanupTestCase()
{
    viewer.kill();
    viewer.waitForFinished();
}

int TestScreenGrab::runChild(const QString &display, const QByteArray &scale, bool prepare,
                             bool expectShm, QImage *grab)
{
    const QString out = dir.filePath(QStringLiteral("grab.png"));
    QFile::remove(out);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
    env.insert(QStringLiteral("CLIPWISE_GRAB_PREPARE"), prepare ? "1" : "0");
    env.insert(QStringLiteral("CLIPWISE_GRAB_EXPECT"), expectShm ? "shm" : "toolkit");
    env.insert(QStringLiteral("CLIPWISE_GRAB_OUT"), out);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--compare")});
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    *grab = QImage(out);
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

void TestScreenGrab::sharedMemoryGivesTheToolkitsPixels_data()
{
    QTest::addColumn<QByteArray>("scale");
    QTest::addColumn<bool>("prepare");
    QTest::newRow("segment made at the grab") << QByteArray("1") << false;
    QTest::newRow("segment prepared in advance") << QByteArray("1") << true;
    QTest::newRow("scale 1.25") << QByteArray("1.25") << true;
    QTest::newRow("scale 2") << QByteArray("2") << false;
}

void TestScreenGrab::sharedMemoryGivesTheToolkitsPixels()
{
    QFETCH(QByteArray, scale);
    QFETCH(bool, prepare);
    QImage grab;
    QCOMPARE(runChild(QString::fromLocal8Bit(qgetenv("DISPLAY")), scale, prepare, true, &grab), 0);
    // The screen holds the picture one to one in device pixels at any scale factor.
    QCOMPARE(grab.convertToFormat(QImage::Format_RGB32), picture);
}

void TestScreenGrab::noSharedMemoryFallsBackToTheToolkit()
{
    QProcess server;
    QString display;
    QVERIFY2(startXvfbWithoutShm(&server, &dir, &display), "could not start Xvfb");
    QProcess other;
    const QImage small = screenContent(QSize(640, 480));
    const bool shown = showOn(&other, display, small);
    QImage grab;
    const int code = shown ? runChild(display, "1", true, false, &grab) : -1;
    other.kill();
    other.waitForFinished();
    server.kill();
    server.waitForFinished();
    QVERIFY(shown);
    QCOMPARE(code, 0);
    QCOMPARE(grab.convertToFormat(QImage::Format_RGB32), small);
}

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--compare") == 0) {
        QApplication app(argc, argv);
        return compareChild();
    }
    QApplication app(argc, argv);
    TestScreenGrab test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screengrab.moc"
