// `cmake --install` into a temporary prefix, moved elsewhere as a package's tree is, then what a
// user gets: documents that render and validate, one licence statement, and one capture with the
// installed program on a real X server, started by name as a menu entry or the Print key does.
#include "aboutdialog.h"
#include "builddate.h"
#include "desktopdriver.h"

#include <QDir>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestInstalled final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void documentsRenderWithoutWarnings_data();
    void documentsRenderWithoutWarnings();
    void oneLicenceStatement();
    void installedProgramCaptures();

private:
    QTemporaryDir root;
    QString prefix = root.filePath(QStringLiteral("prefix"));
};

static QString text(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestInstalled::initTestCase()
{
    const QString staging = root.filePath(QStringLiteral("staging"));
    // The program is built at <build>/app/clipwise.
    const QString build = QFileInfo(QStringLiteral(CLIPWISE_BINARY)).dir().absoluteFilePath("..");
    QByteArray out;
    const bool installed = TestSupport::runTool("cmake", {"--install", build, "--prefix", staging},
                                                &out, 120000, true);
    QVERIFY2(installed && QDir().rename(staging, prefix), out.constData());
}

void TestInstalled::documentsRenderWithoutWarnings_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("expected");
    QTest::newRow("manual page found under the prefix")
        << QStringList{"man", "--warnings", "-M", "%1/share/man", "1", "clipwise"}
        << QStringLiteral("CLIPWISE(1)");
    QTest::newRow("AppStream metadata valid")
        << QStringList{"appstreamcli", "validate", "--no-net",
                       "%1/share/metainfo/com.velmora.Clipwise.metainfo.xml"}
        << QStringLiteral("Validation was successful");
}

void TestInstalled::documentsRenderWithoutWarnings()
{
    QFETCH(QStringList, command);
    QFETCH(QString, expected);
    QProcess tool;
    tool.start(command.takeFirst(), command.replaceInStrings(QStringLiteral("%1"), prefix));
    QVERIFY(tool.waitForFinished(60000));
    const QByteArray warnings = tool.readAllStandardError();
    QVERIFY2(tool.exitCode() == 0 && warnings.isEmpty(), warnings.constData());
    QVERIFY(QString::fromUtf8(tool.readAllStandardOutput()).contains(expected));
}

void TestInstalled::oneLicenceStatement()
{
    // The paragraphs of the machine-readable copyright file, keyed by their first line.
    QMap<QString, QString> paragraphs;
    for (const QString &p :
         text(prefix + "/share/doc/clipwise/copyright").split(QStringLiteral("\n\n")))
        paragraphs.insert(p.section(QLatin1Char('\n'), 0, 0), p);
    const QString own = QRegularExpression(QStringLiteral("\nLicense: (.+)"))
                            .match(paragraphs.value(QStringLiteral("Files: *")))
                            .captured(1);
    const QString metadata = text(prefix + "/share/metainfo/com.velmora.Clipwise.metainfo.xml");
    QVERIFY2(metadata.contains("<project_license>" + own + "</project_license>"), qPrintable(own));

    // The program's licence says what its About dialog says; the Qt toolkit's, the LGPL version
    // 3, is named, and its full text lies beside the program, where the About dialog reads it.
    const QString about =
        QMWidgets::aboutInfoText("Clipwise", "1.8", QMWidgets::buildDate(), QLocale::c());
    const QString notice =
        QRegularExpression(QStringLiteral("Copyright [^<]+")).match(about).captured(0);
    QVERIFY2(!notice.isEmpty() && paragraphs.value("License: " + own).contains(notice),
             qPrintable(about));
    QVERIFY(paragraphs.contains(QStringLiteral("License: LGPL-3")));
    const QString programDir = QFileInfo(prefix + "/bin/clipwise").canonicalPath();
    QVERIFY(text(programDir + "/Resources/LICENSE.LGPL").contains("Version 3, 29 June 2007"));
}

void TestInstalled::installedProgramCaptures()
{
    QVERIFY2(!qgetenv("DISPLAY").isEmpty(), "needs an X server (run through run-test.sh x11)");
    // No two pixels alike, so a shifted or scaled region cannot pass.
    QImage image(1280, 800, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) * 16 + (y >> 8)));
    const QString path = root.filePath(QStringLiteral("picture.png"));
    QVERIFY(image.save(path));
    QProcess picture;
    picture.start(QStringLiteral(SHOW_PICTURE), {path});
    QVERIFY(picture.waitForReadyRead(10000));

    // In the private home that run-test.sh gives every test.
    const QDir desktop(QDir::home().filePath(QStringLiteral("Desktop")));
    QVERIFY(desktop.mkpath(QStringLiteral(".")));
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start("sh", {"-c", "PATH=\"$0/bin:$PATH\" exec clipwise", prefix});
    QVERIFY(!TestSupport::waitForWindow("--classname", "clipwise").isEmpty());
    const QString drag =
        "mousemove 200 100 mousedown 1 mousemove 250 140 mousemove 263 147 mouseup 1";
    QVERIFY(TestSupport::xdotool(drag.split(QLatin1Char(' '))));
    QVERIFY(program.waitForFinished(15000));
    QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, 0);
    picture.close();

    const QStringList captures = desktop.entryList({QStringLiteral("*.png")}, QDir::Files);
    QCOMPARE(captures.size(), 1);
    const QImage saved(desktop.filePath(captures.first()));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), image.copy(200, 100, 64, 48));
}

QTEST_GUILESS_MAIN(TestInstalled)
#include "tst_installed.moc"
