#include "capturefile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace QMWidgets;

namespace {

QImage pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    return image;
}

const QDateTime when(QDate(2019, 10, 2), QTime(14, 5, 9));

} // namespace

class TestCaptureFile final : public QObject
{
    Q_OBJECT

private slots:
    void fileName_data();
    void fileName();
    void savesTheImageAsPng();
    void sameSecondCapturesAllSurvive();
    void takenNameIsNeverOverwritten();
    void failedWritesLeaveNothing_data();
    void failedWritesLeaveNothing();
    void captureGetsOrdinaryPermissions();
};

void TestCaptureFile::fileName_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<int>("collision");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain name") << "C:/Users/user/Desktop" << 0
                                << "C:/Users/user/Desktop/ScreenShot_2019-10-02_14-05-09.png";
    QTest::newRow("first collision")
        << "/home/u" << 1 << "/home/u/ScreenShot_2019-10-02_14-05-09_1.png";
    QTest::newRow("twelfth collision")
        << "/home/u" << 12 << "/home/u/ScreenShot_2019-10-02_14-05-09_12.png";
    QTest::newRow("drive root keeps its doubled separator")
        << "C:/" << 0 << "C://ScreenShot_2019-10-02_14-05-09.png";
}

void TestCaptureFile::fileName()
{
    QFETCH(QString, directory);
    QFETCH(int, collision);
    QFETCH(QString, expected);
    QCOMPARE(captureFileName(directory, when, collision), expected);
}

void TestCaptureFile::savesTheImageAsPng()
{
    QTemporaryDir dir;
    const QImage image = pattern(37, 21);
    const CaptureSaveResult result = saveCapture(image, dir.path(), when);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.path, captureFileName(dir.path(), when));
    QFile file(result.path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n"));
    QVERIFY(bytes.endsWith(QByteArray("IEND\xae\x42\x60\x82", 8)));
    QCOMPARE(QImage(result.path).convertToFormat(QImage::Format_RGB32), image);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestCaptureFile::sameSecondCapturesAllSurvive()
{
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 4; ++i) {
        const CaptureSaveResult result = saveCapture(pattern(5 + i, 5), dir.path(), when);
        QVERIFY2(result.ok, qPrintable(result.error));
        paths << result.path;
    }
    QCOMPARE(
        paths,
        QStringList({captureFileName(dir.path(), when, 0), captureFileName(dir.path(), when, 1),
                     captureFileName(dir.path(), when, 2), captureFileName(dir.path(), when, 3)}));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(QImage(paths.at(i)).width(), 5 + i);
}

void TestCaptureFile::takenNameIsNeverOverwritten()
{
    QTemporaryDir dir;
    const QString taken = captureFileName(dir.path(), when);
    {
        QFile f(taken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("somebody else's file");
    }
    const CaptureSaveResult result = saveCapture(pattern(4, 4), dir.path(), when);
    QVERIFY(result.ok);
    QCOMPARE(result.path, captureFileName(dir.path(), when, 1));
    QFile f(taken);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("somebody else's file"));
}

void TestCaptureFile::failedWritesLeaveNothing_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("folder missing") << "missing";
    QTest::newRow("folder read-only") << "readonly";
    QTest::newRow("null image") << "null";
    QTest::newRow("disk full") << "full";
}

void TestCaptureFile::failedWritesLeaveNothing()
{
    QFETCH(QString, situation);
    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("Desktop"));
    QDir().mkpath(target);
    QImage image = pattern(64, 64);

    if (situation == QLatin1String("missing")) {
        target = dir.filePath(QStringLiteral("gone"));
    } else if (situation == QLatin1String("readonly")) {
        if (::geteuid() == 0)
            QSKIP("permissions do not bind root; the end-to-end test covers this as another user");
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    } else if (situation == QLatin1String("null")) {
        image = QImage();
    } else if (situation == QLatin1String("full")) {
        // A file-size limit makes writes fail part-way, as a full disk does.
        image = QImage(800, 800, QImage::Format_RGB32);
        quint32 v = 1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, (v = v * 1664525u + 1013904223u) | 0xff000000u);
    }

    struct rlimit saved
    {
    };
    if (situation == QLatin1String("full")) {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved);
        struct rlimit small = saved;
        small.rlim_cur = 64 * 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    const CaptureSaveResult result = saveCapture(image, target, when);
    if (situation == QLatin1String("full"))
        ::setrlimit(RLIMIT_FSIZE, &saved);

    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(result.path.endsWith(QStringLiteral("ScreenShot_2019-10-02_14-05-09.png")));
    QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QFile::setPermissions(target,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestCaptureFile::captureGetsOrdinaryPermissions()
{
    QTemporaryDir dir;
    const mode_t old = ::umask(022);
    const CaptureSaveResult result = saveCapture(pattern(3, 3), dir.path(), when);
    ::umask(old);
    QVERIFY(result.ok);
    const QFileDevice::Permissions expected = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadUser | QFileDevice::WriteUser |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QCOMPARE(QFileInfo(result.path).permissions(), expected);
}

QTEST_APPLESS_MAIN(TestCaptureFile)
#include "tst_capturefile.moc"
