// `cmake --install`, moved as a package's tree is, then what a user gets: documents that validate,
// one licence statement, captures by the program started by name as a menu entry or Print does.
#include "aboutdialog.h"
#include "builddate.h"
#include "testkit.h"

#include <QtTest>

using namespace TestSupport;

static QString text(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class TestInstalled final : public QObject
{
    Q_OBJECT
    QTemporaryDir root;
    const QString prefix = root.filePath("prefix");

private slots:
    void initTestCase()
    {
        const QString staging = root.filePath("staging");
        // The program is built at <build>/app/clipwise.
        const QString build = QFileInfo(CLIPWISE_BINARY).dir().absoluteFilePath("..");
        QByteArray out;
        const bool installed =
            runTool("cmake", {"--install", build, "--prefix", staging}, &out, 120000, true);
        QVERIFY2(installed && QDir().rename(staging, prefix), out.constData());
    }
    void documentsRenderWithoutWarnings_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("expected");
        QTest::newRow("manual page found under the prefix")
            << QStringList{"man", "--warnings", "-M", "%1/share/man", "1", "clipwise"}
            << "CLIPWISE(1)";
        QTest::newRow("AppStream metadata valid")
            << QStringList{"appstreamcli", "validate", "--no-net",
                           "%1/share/metainfo/com.velmora.Clipwise.metainfo.xml"}
            << "Validation was successful";
    }
    void documentsRenderWithoutWarnings()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, expected);
        QProcess tool;
        tool.start(command.takeFirst(), command.replaceInStrings("%1", prefix));
        QVERIFY(tool.waitForFinished(60000));
        const QByteArray warnings = tool.readAllStandardError();
        QVERIFY2(tool.exitCode() == 0 && warnings.isEmpty(), warnings.constData());
        QVERIFY(QString::fromUtf8(tool.readAllStandardOutput()).contains(expected));
    }
    void oneLicenceStatement()
    {
        // The paragraphs of the machine-readable copyright file, keyed by their first line.
        QMap<QString, QString> paragraphs;
        for (const QString &p : text(prefix + "/share/doc/clipwise/copyright").split("\n\n"))
            paragraphs.insert(p.section('\n', 0, 0), p);
        const QString own =
            QRegularExpression("\nLicense: (.+)").match(paragraphs.value("Files: *")).captured(1);
        const QString metadata = text(prefix + "/share/metainfo/com.velmora.Clipwise.metainfo.xml");
        QVERIFY2(metadata.contains("<project_license>" + own + "</project_license>"),
                 qPrintable(own));
        // The program's licence says what its About dialog says; Qt's, the LGPL 3, is named and
        // its text lies beside the program, where the About dialog reads it.
        const QString about =
            QMWidgets::aboutInfoText("Clipwise", "1.8", QMWidgets::buildDate(), QLocale::c());
        const QString notice = QRegularExpression("Copyright [^<]+").match(about).captured(0);
        QVERIFY2(!notice.isEmpty() && paragraphs.value("License: " + own).contains(notice),
                 qPrintable(about));
        QVERIFY(paragraphs.contains("License: LGPL-3"));
        const QString programDir = QFileInfo(prefix + "/bin/clipwise").canonicalPath();
        QVERIFY(text(programDir + "/Resources/LICENSE.LGPL").contains("Version 3, 29 June 2007"));
    }
    // Twice with fresh settings: no prompt at the first quit, the rate prompt once the second
    // capture is saved.
    void installedProgramCaptures()
    {
        const QImage image = noise({1280, 800}); // a shifted region cannot pass
        const QString path = root.filePath("picture.png");
        QVERIFY(image.save(path));
        QProcess picture;
        picture.start(SHOW_PICTURE, {path});
        QVERIFY(picture.waitForReadyRead(10000));
        // In the private home that run-test.sh gives every test.
        const QDir desktop(QDir::home().filePath("Desktop"));
        QVERIFY(desktop.mkpath("."));
        for (int run = 1; run <= 2; ++run) {
            QProcess program;
            program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            program.start("sh", {"-c", "PATH=\"$0/bin:$PATH\" exec clipwise", prefix});
            QVERIFY(!waitForWindow("--classname", "clipwise").isEmpty());
            QVERIFY(xdotool({"mousemove", "200", "100", "mousedown", "1", "mousemove", "250", "140",
                             "mousemove", "263", "147", "mouseup", "1"}));
            if (run == 2) {
                const QString prompt = waitForWindow("--name", "^Rate \"Clipwise\"$");
                QVERIFY(!prompt.isEmpty());
                QCOMPARE(desktop.entryList({"*.png"}, QDir::Files).size(), 2);
                xdotool({"windowfocus", prompt});
                xdotool({"key", "--window", prompt, "Escape"});
                xdotool({"key", "Escape"});
            }
            QVERIFY(program.waitForFinished(15000)); // a prompt at the first quit would hold it
            QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, 0);
            const QStringList captures = desktop.entryList({"*.png"}, QDir::Files);
            QCOMPARE(captures.size(), run);
            QCOMPARE(QImage(desktop.filePath(captures.last())).convertToFormat(image.format()),
                     image.copy(200, 100, 64, 48));
        }
        picture.close();
    }
};

QTEST_GUILESS_MAIN(TestInstalled)
#include "tst_installed.moc"
