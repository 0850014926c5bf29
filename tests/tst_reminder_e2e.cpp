// The built program twice with the same fresh settings on a real X server: the first quit
// shows nothing, the second shows the rate prompt once the capture is saved.
#include "desktopdriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using TestSupport::waitForWindow;
using TestSupport::xdotool;

class TestReminderEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void secondRunPromptsAfterTheCapture();

private:
    struct Run
    {
        bool finished = false;
        int exitCode = -1;
        bool prompted = false;
        bool captureWindowGoneBeforePrompt = false;
        int captures = 0;
    };
    Run runOnce();

    QTemporaryDir root;
    QProcess picture;
    QString home;
};

void TestReminderEndToEnd::initTestCase()
{
    QVERIFY(root.isValid());
    QVERIFY2(!qgetenv("DISPLAY").isEmpty(), "needs an X server (run through run-test.sh x11)");
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    const QString path = root.filePath(QStringLiteral("picture.png"));
    QVERIFY(image.save(path));
    picture.start(QStringLiteral(SHOW_PICTURE), {path});
    QVERIFY(picture.waitForStarted());
    QVERIFY(picture.waitForReadyRead(10000));
    home = root.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home + QStringLiteral("/Desktop")));
}

void TestReminderEndToEnd::cleanupTestCase()
{
    picture.kill();
    picture.waitForFinished();
}

TestReminderEndToEnd::Run TestReminderEndToEnd::runOnce()
{
    Run run;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // Nothing of the run may reach the maker's real service.
    env.insert(QStringLiteral("CLIPWISE_TEST_SERVICES"), QStringLiteral("loopback-only"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(CLIPWISE_BINARY), QStringList());
    if (!program.waitForStarted())
        return run;
    if (!waitForWindow(QStringLiteral("--classname"), QStringLiteral("clipwise"), 10000).isEmpty())
        xdotool({QStringLiteral("mousemove"), QStringLiteral("50"), QStringLiteral("50"),
                 QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                 QStringLiteral("70"), QStringLiteral("60"), QStringLiteral("mousemove"),
                 QStringLiteral("90"), QStringLiteral("80"), QStringLiteral("mouseup"),
                 QStringLiteral("1")});
    const QByteArray prompt =
        waitForWindow(QStringLiteral("--name"), QStringLiteral("^Rate \"Clipwise\"$"), 4000);
    if (!prompt.isEmpty()) {
        run.prompted = true;
        // The capture is on disk and its window is gone while the prompt waits.
        run.captures = QDir(home + QStringLiteral("/Desktop"))
                           .entryList({QStringLiteral("*.png")}, QDir::Files)
                           .size();
        QByteArray shownWindows;
        xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), QStringLiteral("^Clipwise$")},
                &shownWindows);
        run.captureWindowGoneBeforePrompt = shownWindows.trimmed().isEmpty();
        xdotool({QStringLiteral("windowfocus"), QString::fromLatin1(prompt)});
        xdotool({QStringLiteral("key"), QStringLiteral("--window"), QString::fromLatin1(prompt),
                 QStringLiteral("Escape")});
        xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    }
    run.finished = program.waitForFinished(15000);
    if (!run.finished) {
        program.kill();
        program.waitForFinished();
    } else if (program.exitStatus() == QProcess::NormalExit) {
        run.exitCode = program.exitCode();
    }
    if (!run.prompted)
        run.captures = QDir(home + QStringLiteral("/Desktop"))
                           .entryList({QStringLiteral("*.png")}, QDir::Files)
                           .size();
    return run;
}

void TestReminderEndToEnd::secondRunPromptsAfterTheCapture()
{
    const Run first = runOnce();
    QVERIFY(first.finished);
    QCOMPARE(first.exitCode, 0);
    QVERIFY(!first.prompted);
    QCOMPARE(first.captures, 1);

    QThread::msleep(1100); // the file name carries the second; keep the two captures apart
    const Run second = runOnce();
    QVERIFY(second.prompted);
    QCOMPARE(second.captures, 2);
    QVERIFY(second.captureWindowGoneBeforePrompt);
    QVERIFY(second.finished);
    QCOMPARE(second.exitCode, 0);

    QSettings settings(home + QStringLiteral("/.config/Velmora/Clipwise.conf"),
                       QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Clipwise/AutoReminderCount")).toInt(), 3);
    QVERIFY(settings.value(QStringLiteral("Clipwise/AutoReminder"), true).toBool());
}

QTEST_GUILESS_MAIN(TestReminderEndToEnd)
#include "tst_reminder_e2e.moc"
