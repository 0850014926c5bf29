// The built program twice with fresh settings on a real X server: the first run quits without a
// prompt; the second shows the rate prompt once its capture is saved and its window gone, and
// still exits with 0.
#include "desktopdriver.h"

#include <QDir>
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
    void secondRunPromptsAfterTheCapture();
};

void TestReminderEndToEnd::secondRunPromptsAfterTheCapture()
{
    // run-test.sh gives the test, and so the program, a private home and settings folder.
    const QDir desktop(QDir::homePath() + QStringLiteral("/Desktop"));
    QVERIFY(desktop.mkpath(QStringLiteral(".")));
    QTemporaryDir dir;
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    QVERIFY(image.save(dir.filePath(QStringLiteral("picture.png"))));
    QProcess picture;
    picture.start(QStringLiteral(SHOW_PICTURE), {dir.filePath(QStringLiteral("picture.png"))});
    QVERIFY(picture.waitForReadyRead(10000));

    for (int run = 1; run <= 2; ++run) {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(CLIPWISE_BINARY), QStringList());
        QVERIFY(
            !waitForWindow(QStringLiteral("--classname"), QStringLiteral("clipwise")).isEmpty());
        QVERIFY(xdotool(QStringLiteral("mousemove 50 50 mousedown 1 mousemove 70 60 mousemove 90 "
                                       "80 mouseup 1")
                            .split(QLatin1Char(' '))));
        if (run == 2) {
            const QByteArray prompt =
                waitForWindow(QStringLiteral("--name"), QStringLiteral("^Rate \"Clipwise\"$"));
            QVERIFY(!prompt.isEmpty());
            QCOMPARE(desktop.entryList({QStringLiteral("*.png")}, QDir::Files).size(), 2);
            QByteArray captureWindows;
            xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                     QStringLiteral("--name"), QStringLiteral("^Clipwise$")},
                    &captureWindows);
            QVERIFY(captureWindows.trimmed().isEmpty());
            xdotool({QStringLiteral("windowfocus"), QString::fromLatin1(prompt)});
            xdotool({QStringLiteral("key"), QStringLiteral("--window"), QString::fromLatin1(prompt),
                     QStringLiteral("Escape")});
            xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
        }
        // A prompt in the first run would keep the program waiting here.
        QVERIFY(program.waitForFinished(15000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(desktop.entryList({QStringLiteral("*.png")}, QDir::Files).size(), run);
        QThread::msleep(1100); // the file name carries the second; keep the captures apart
    }
    QSettings settings(qEnvironmentVariable("XDG_CONFIG_HOME") +
                           QStringLiteral("/Velmora/Clipwise.conf"),
                       QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Clipwise/AutoReminderCount")).toInt(), 3);
    QVERIFY(settings.value(QStringLiteral("Clipwise/AutoReminder"), true).toBool());
}

QTEST_GUILESS_MAIN(TestReminderEndToEnd)
#include "tst_reminder_e2e.moc"
