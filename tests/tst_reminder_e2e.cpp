// The built program twice with fresh settings on a real X server: no prompt at the first quit;
// at the second the rate prompt, once the capture is saved; exit code 0 both times.
#include "desktopdriver.h"

#include <QtTest>

using TestSupport::waitForWindow;
using TestSupport::xdotool;

class TestReminderEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void secondRunPromptsAfterTheCapture()
    {
        // run-test.sh gives the test, and so the program, a private home without a desktop folder.
        const QDir desktop = QDir::home();
        for (int run = 1; run <= 2; ++run) {
            QProcess program;
            program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            program.start(CLIPWISE_BINARY, QStringList());
            QVERIFY(!waitForWindow("--classname", "clipwise").isEmpty());
            QVERIFY(xdotool(
                QString("mousemove 50 50 mousedown 1 mousemove 90 80 mouseup 1").split(' ')));
            if (run == 2) {
                const QString prompt = waitForWindow("--name", "^Rate \"Clipwise\"$");
                QVERIFY(!prompt.isEmpty());
                QCOMPARE(desktop.entryList({"*.png"}, QDir::Files).size(), 2);
                xdotool({"windowfocus", prompt});
                xdotool({"key", "--window", prompt, "Escape"});
                xdotool({"key", "Escape"});
            }
            // A prompt in the first run would keep the program waiting here.
            QVERIFY(program.waitForFinished(15000));
            QVERIFY(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
            QCOMPARE(desktop.entryList({"*.png"}, QDir::Files).size(), run);
            QThread::msleep(1100); // the file name carries the second; keep the captures apart
        }
    }
};

QTEST_GUILESS_MAIN(TestReminderEndToEnd)
#include "tst_reminder_e2e.moc"
