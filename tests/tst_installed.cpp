// `cmake --install` into a temporary prefix, then one capture with the installed program on a
// real X server: what a user gets from the package, started the way a menu or the Print key
// starts it (through the command on the PATH).
#include "desktopdriver.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool run(const QString &program, const QStringList &args, QByteArray *output = nullptr,
         int timeoutMs = 120000)
{
    return TestSupport::runTool(program, args, output, timeoutMs, true);
}

const QString AppId = QStringLiteral("com.velmora.Clipwise");

} // namespace

class TestInstalled final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void installsProgramBesideItsResources();
    void installsMenuEntryIconsAndMetadata_data();
    void installsMenuEntryIconsAndMetadata();
    void metadataValidates();
    void installedProgramCaptures();

private:
    QTemporaryDir root;
    QString prefix;
    QProcess picture;
    QImage image;
};

void TestInstalled::initTestCase()
{
    QVERIFY(root.isValid());
    prefix = root.filePath(QStringLiteral("prefix"));
    // The program is built at <build>/app/clipwise.
    const QString build = QFileInfo(QStringLiteral(CLIPWISE_BINARY)).dir().absoluteFilePath("..");
    QByteArray out;
    QVERIFY2(run(QStringLiteral("cmake"),
                 {QStringLiteral("--install"), build, QStringLiteral("--prefix"), prefix}, &out),
             out.constData());
}

void TestInstalled::cleanupTestCase()
{
    if (picture.state() != QProcess::NotRunning) {
        picture.kill();
        picture.waitForFinished();
    }
}

void TestInstalled::installsProgramBesideItsResources()
{
    const QFileInfo command(prefix + QStringLiteral("/bin/clipwise"));
    QVERIFY(command.isSymLink());
    QVERIFY(command.isExecutable());
    // The program finds its side files next to its real location, as the link resolves.
    const QFileInfo real(command.canonicalFilePath());
    QCOMPARE(real.fileName(), QStringLiteral("clipwise"));
    QCOMPARE(real.dir().dirName(), QStringLiteral("clipwise"));
    QVERIFY(real.absolutePath().startsWith(QFileInfo(prefix).canonicalFilePath() + "/lib"));
    QVERIFY(QFileInfo(real.absolutePath() + QStringLiteral("/Resources/LICENSE.LGPL")).size() > 0);
    // Relative, so the tree can move (a package is built in one place and installed in another).
    QVERIFY(!QFileInfo(QString::fromLocal8Bit(QFile::encodeName(command.filePath())))
                 .symLinkTarget()
                 .isEmpty());
}

void TestInstalled::installsMenuEntryIconsAndMetadata_data()
{
    QTest::addColumn<int>("size");
    for (int size : {48, 64, 128, 256, 512})
        QTest::newRow(qPrintable(QStringLiteral("%1 pixel icon").arg(size))) << size;
}

void TestInstalled::installsMenuEntryIconsAndMetadata()
{
    QFETCH(int, size);
    const QImage icon(prefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/").arg(size) +
                      AppId + QStringLiteral(".png"));
    QCOMPARE(icon.size(), QSize(size, size));

    QFile desktop(prefix + QStringLiteral("/share/applications/") + AppId +
                  QStringLiteral(".desktop"));
    QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(desktop.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("[Desktop Entry]"));
    for (const char *entry :
         {"Type=Application", "Name=Clipwise", "Exec=clipwise", "Terminal=false"})
        QVERIFY2(lines.contains(QLatin1String(entry)), entry);
    QVERIFY(lines.contains(QStringLiteral("Icon=") + AppId));
}

void TestInstalled::metadataValidates()
{
    const QString metainfo =
        prefix + QStringLiteral("/share/metainfo/") + AppId + QStringLiteral(".metainfo.xml");
    QVERIFY(QFileInfo::exists(metainfo));
    QByteArray out;
    QVERIFY2(run(QStringLiteral("appstreamcli"),
                 {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}, &out),
             out.constData());
    QVERIFY2(out.contains("Validation was successful"), out.constData());
}

void TestInstalled::installedProgramCaptures()
{
    QVERIFY2(!qgetenv("DISPLAY").isEmpty(), "needs an X server (run through run-test.sh x11)");
    image = QImage(1280, 800, QImage::Format_RGB32);
    QRandomGenerator random(1272);
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

    const QString home = root.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home + QStringLiteral("/Desktop")));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("PATH"), prefix + QStringLiteral("/bin:") + env.value("PATH"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // By name, as a menu entry or a key binding runs it.
    program.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exec clipwise")});
    QVERIFY(program.waitForStarted());
    QVERIFY(!TestSupport::waitForWindow(QStringLiteral("--classname"), QStringLiteral("clipwise"))
                 .isEmpty());
    QVERIFY(run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("200"), QStringLiteral("100"),
                 QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                 QStringLiteral("250"), QStringLiteral("140"), QStringLiteral("mousemove"),
                 QStringLiteral("263"), QStringLiteral("147"), QStringLiteral("mouseup"),
                 QStringLiteral("1")}));
    QVERIFY(program.waitForFinished(15000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    const QStringList captures =
        QDir(home + QStringLiteral("/Desktop")).entryList({QStringLiteral("*.png")}, QDir::Files);
    QCOMPARE(captures.size(), 1);
    const QImage saved(home + QStringLiteral("/Desktop/") + captures.first());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), image.copy(200, 100, 64, 48));
}

QTEST_GUILESS_MAIN(TestInstalled)
#include "tst_installed.moc"
