// Revealing a capture: the path handed on, the freedesktop file manager call on a real session
// bus started for the test, and the folder fallback when no file manager answers.
#include "sharedfunctions.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace QMWidgets;

class UrlRecorder final : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestReveal final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void revealPath_data();
    void revealPath();
    void showsItemThroughTheFileManager();
    void opensFolderWhenNoFileManagerAnswers();

private:
    QTemporaryDir dir;
    QProcess bus;
    QProcess fileManager;
    UrlRecorder recorder;
};

void TestReveal::initTestCase()
{
    QVERIFY(dir.isValid());
    // A private session bus; its address must be in place before Qt first opens the bus.
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"),
               QStringLiteral("--print-address=1")});
    QVERIFY2(bus.waitForStarted(), "dbus-daemon is needed (package dbus)");
    QVERIFY(bus.waitForReadyRead(10000));
    const QByteArray address = bus.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
}

void TestReveal::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    fileManager.kill();
    fileManager.waitForFinished();
    bus.kill();
    bus.waitForFinished();
}

void TestReveal::revealPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ordinary path unchanged")
        << "/home/u/Desktop/ScreenShot_2019-10-02_14-05-09.png"
        << "/home/u/Desktop/ScreenShot_2019-10-02_14-05-09.png";
    QTest::newRow("doubled separator of a root folder collapsed")
        << "//ScreenShot_2019-10-02_14-05-09.png"
        << "/ScreenShot_2019-10-02_14-05-09.png";
    QTest::newRow("drive root") << "C://ScreenShot_x.png"
                                << QDir::toNativeSeparators("C:/ScreenShot_x.png");
    QTest::newRow("every doubled separator collapsed") << "/home//u//a.png"
                                                       << "/home/u/a.png";
    QTest::newRow("tripled separator collapses left to right once") << "/a///b.png"
                                                                    << "/a//b.png";
}

void TestReveal::revealPath()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(revealTargetPath(path), expected);
}

void TestReveal::showsItemThroughTheFileManager()
{
    const QString log = dir.filePath(QStringLiteral("calls.log"));
    fileManager.start(QStringLiteral(FAKE_FILE_MANAGER), {log});
    QVERIFY(fileManager.waitForStarted());
    QVERIFY(fileManager.waitForReadyRead(10000));
    QCOMPARE(fileManager.readLine().trimmed(), QByteArray("ready"));

    const QString file = dir.path() + QStringLiteral("//Screen Shot #1.png");
    recorder.urls.clear();
    QVERIFY(revealInFileBrowser(file));
    QVERIFY(recorder.urls.isEmpty());

    QFile calls(log);
    QTRY_VERIFY(calls.exists());
    QVERIFY(calls.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString expectedUri =
        QUrl::fromLocalFile(dir.path() + QStringLiteral("/Screen Shot #1.png"))
            .toString(QUrl::FullyEncoded);
    QCOMPARE(QString::fromUtf8(calls.readAll()), expectedUri + QStringLiteral("\t\n"));
    QVERIFY(expectedUri.contains(QStringLiteral("%20")) &&
            expectedUri.contains(QStringLiteral("%23")));
}

void TestReveal::opensFolderWhenNoFileManagerAnswers()
{
    fileManager.kill();
    fileManager.waitForFinished();
    recorder.urls.clear();
    const QString file = dir.filePath(QStringLiteral("ScreenShot_2019-10-02_14-05-09.png"));
    QVERIFY(revealInFileBrowser(file));
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
}

QTEST_MAIN(TestReveal)
#include "tst_reveal.moc"
