// The built program on a real X server: a known picture on the screen, the mouse and keyboard
// driven by xdotool, the result checked on disk.
#include "desktopdriver.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

#include <unistd.h>

using TestSupport::waitForWindow;
using TestSupport::xdotool;

namespace {

struct RunResult
{
    bool finished = false;
    int exitCode = -1;
    QString home;
    QStringList captures; // file names in the save folder
    bool sawFailureBox = false;
};

int logicalOf(int native, qreal scale)
{
    // Qt hands widgets the native position divided by the scale, rounded.
    return qRound(native / scale);
}

int deviceOf(int logical, qreal scale)
{
    return qFloor(logical * scale + 0.5);
}

} // namespace

class TestCaptureEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void dragSavesExactlyThePixelsUnderTheSelection_data();
    void dragSavesExactlyThePixelsUnderTheSelection();
    void escapeSavesNothing();
    void missingDesktopSavesInHome();
    void readOnlyDesktopFailsVisibly();

private:
    enum class Desktop { Present, Missing, ReadOnly };
    RunResult run(const QByteArray &scale, Desktop desktop, const std::function<void()> &drive,
                  bool expectFailureBox = false);

    QTemporaryDir root;
    QProcess picture;
    QImage image;
    int runs = 0;
};

void TestCaptureEndToEnd::initTestCase()
{
    QVERIFY(root.isValid());
    QVERIFY2(!qgetenv("DISPLAY").isEmpty(), "needs an X server (run through run-test.sh x11)");

    // Every pixel differs from its neighbours, so an off-by-one crop cannot pass.
    image = QImage(1280, 800, QImage::Format_RGB32);
    QRandomGenerator random(20191002);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = 0xff000000u | (random.generate() & 0xffffffu);
    }
    const QString path = root.filePath(QStringLiteral("picture.png"));
    QVERIFY(image.save(path));

    picture.start(QStringLiteral(SHOW_PICTURE), {path});
    QVERIFY(picture.waitForStarted());
    QVERIFY(picture.waitForReadyRead(10000));
    QCOMPARE(picture.readLine().trimmed(), QByteArray("ready"));
}

void TestCaptureEndToEnd::cleanupTestCase()
{
    picture.kill();
    picture.waitForFinished();
}

RunResult TestCaptureEndToEnd::run(const QByteArray &scale, Desktop desktop,
                                   const std::function<void()> &drive, bool expectFailureBox)
{
    RunResult result;
    result.home = root.filePath(QStringLiteral("home-%1").arg(++runs));
    QDir().mkpath(result.home);
    const QString desktopPath = result.home + QStringLiteral("/Desktop");
    if (desktop != Desktop::Missing)
        QDir().mkpath(desktopPath);

    QStringList command{QStringLiteral(CLIPWISE_BINARY)};
    if (desktop == Desktop::ReadOnly) {
        if (::geteuid() == 0) {
            // Permissions do not bind root: run the program as an unprivileged user whose
            // home is writable and whose Desktop is not.
            QProcess::execute(
                QStringLiteral("chown"),
                {QStringLiteral("-R"), QStringLiteral("nobody:nogroup"), result.home});
            QFile::setPermissions(root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                   QFileDevice::ExeOther);
            command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                                  QStringLiteral("--regid=nogroup"),
                                  QStringLiteral("--clear-groups"), QStringLiteral("--")} +
                      command;
        }
        QFile::setPermissions(desktopPath, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                               QFileDevice::ReadOther | QFileDevice::ExeOther);
    }

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), result.home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), result.home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), result.home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), result.home + QStringLiteral("/.cache"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(command.first(), command.mid(1));
    if (!program.waitForStarted())
        return result;

    if (!waitForWindow(QStringLiteral("--classname"), QStringLiteral("clipwise")).isEmpty()) {
        drive();
        if (expectFailureBox &&
            !waitForWindow(QStringLiteral("--name"), QStringLiteral("^Clipwise$")).isEmpty()) {
            // The program is waiting for the person to read the message.
            result.sawFailureBox = true;
            xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        }
    }
    result.finished = program.waitForFinished(15000);
    if (!result.finished) {
        program.kill();
        program.waitForFinished();
    } else if (program.exitStatus() == QProcess::NormalExit) {
        result.exitCode = program.exitCode();
    }
    const QDir saveDir(desktop == Desktop::Missing ? result.home : desktopPath);
    result.captures = saveDir.entryList({QStringLiteral("*.png")}, QDir::Files);
    return result;
}

void TestCaptureEndToEnd::dragSavesExactlyThePixelsUnderTheSelection_data()
{
    QTest::addColumn<QByteArray>("scale");
    QTest::newRow("ratio 1") << QByteArray("1");
    QTest::newRow("ratio 1.25") << QByteArray("1.25");
    QTest::newRow("ratio 1.5") << QByteArray("1.5");
    QTest::newRow("ratio 2") << QByteArray("2");
}

void TestCaptureEndToEnd::dragSavesExactlyThePixelsUnderTheSelection()
{
    QFETCH(QByteArray, scale);
    const RunResult result = run(scale, Desktop::Present, [] {
        xdotool({QStringLiteral("mousemove"), QStringLiteral("10"), QStringLiteral("10"),
                 QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                 QStringLiteral("15"), QStringLiteral("15"), QStringLiteral("mousemove"),
                 QStringLiteral("19"), QStringLiteral("19"), QStringLiteral("mouseup"),
                 QStringLiteral("1")});
    });
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.captures.size(), 1);
    QVERIFY(QFileInfo(result.home + QStringLiteral("/Clipwise")).isDir());

    const QImage saved(result.home + QStringLiteral("/Desktop/") + result.captures.first());
    QVERIFY(!saved.isNull());

    const qreal s = scale.toDouble();
    const int first = deviceOf(logicalOf(10, s), s);
    const int end = deviceOf(logicalOf(19, s) + 1, s);
    const QRect expected(first, first, end - first, end - first);
    if (s == 1.0)
        QCOMPARE(expected, QRect(10, 10, 10, 10));
    QCOMPARE(saved.size(), expected.size());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), image.copy(expected));
}

void TestCaptureEndToEnd::escapeSavesNothing()
{
    const RunResult result = run("1", Desktop::Present, [] {
        xdotool({QStringLiteral("mousemove"), QStringLiteral("40"), QStringLiteral("40"),
                 QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                 QStringLiteral("80"), QStringLiteral("90"), QStringLiteral("key"),
                 QStringLiteral("Escape")});
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    });
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.captures.isEmpty(), qPrintable(result.captures.join(QLatin1Char(' '))));
    QVERIFY(QFileInfo(result.home + QStringLiteral("/Clipwise")).isDir());
}

void TestCaptureEndToEnd::missingDesktopSavesInHome()
{
    const RunResult result = run("1", Desktop::Missing, [] {
        xdotool({QStringLiteral("mousemove"), QStringLiteral("100"), QStringLiteral("100"),
                 QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                 QStringLiteral("120"), QStringLiteral("110"), QStringLiteral("mouseup"),
                 QStringLiteral("1")});
    });
    QVERIFY(result.finished);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.captures.size(), 1);
    const QImage saved(result.home + QLatin1Char('/') + result.captures.first());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), image.copy(100, 100, 21, 11));
}

void TestCaptureEndToEnd::readOnlyDesktopFailsVisibly()
{
    const RunResult result = run(
        "1", Desktop::ReadOnly,
        [] {
            xdotool({QStringLiteral("mousemove"), QStringLiteral("10"), QStringLiteral("10"),
                     QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                     QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("mouseup"),
                     QStringLiteral("1")});
        },
        true);
    QVERIFY(result.sawFailureBox);
    QVERIFY(result.finished);
    QVERIFY(result.exitCode != 0);
    QVERIFY2(result.captures.isEmpty(), qPrintable(result.captures.join(QLatin1Char(' '))));
    const QStringList leftovers = QDir(result.home + QStringLiteral("/Desktop"))
                                      .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestCaptureEndToEnd)
#include "tst_capture_e2e.moc"
