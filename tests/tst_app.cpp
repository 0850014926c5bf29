// The application frame, each test with its own App as a program run would make it; run-test.sh
// gives the binary a private home, which init() wipes.
#include "app.h"
#include "stylesheet.h"
#include "testkit.h"
#include "translationsmanager.h"

#include <QFileOpenEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

using namespace QMWidgets;
using TestSupport::makeApp;

namespace {
QStringList warnings;
const QString configFile = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Velmora/Clipwise.conf";
} // namespace

class TestApp final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::homePath().contains("/clipwise-test.")); }
    void init()
    {
        for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            const QString dir = qEnvironmentVariable(var);
            QVERIFY(!dir.isEmpty() && QDir(dir).removeRecursively() && QDir().mkpath(dir));
        }
    }

    // First: the language is settled once per process, by the first App::language().
    void storedLanguageIsSettledAndWrittenBack()
    {
        QSettings(configFile, QSettings::IniFormat).setValue("Clipwise/Language", "de_AT");
        auto app = makeApp();
        QCOMPARE(app->language(), QStringLiteral("de"));
        QVERIFY(TranslationsManager::instance()->qtCatalogueLoaded());
        QVERIFY(TranslationsManager::instance()->libsCatalogueLoaded());
        app.reset();
        const QSettings disk(configFile, QSettings::IniFormat);
        QCOMPARE(disk.allKeys(), QStringList{"Clipwise/Language"});
        QCOMPARE(disk.value("Clipwise/Language").toString(), QStringLiteral("de"));
    }

    void language_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("code");
        const auto row = [](const char *name, QString stored, QString code) {
            QTest::newRow(name) << stored << code;
        };
        row("region is dropped", "de_AT", "de");
        row("Brazilian gives Portuguese", "pt_BR", "pt");
        row("Chinese variants are kept whole", "zh_TW", "zh_TW");
        row("Hong Kong Chinese has no catalogue", "zh_HK", "en");
        row("Arabic turns the layout", "ar_EG", "ar");
        row("matching is case-sensitive", "DE", "en");
        row("the list order decides", "ru_de", "de");
    }
    void language()
    {
        QFETCH(QString, stored);
        QFETCH(QString, code);
        QCOMPARE(normalizedLanguageCode(stored), code);
        auto app = makeApp();
        TranslationsManager::instance()->setLanguage(code);
        QCOMPARE(app->language(), code);
        QCOMPARE(app->setting("Language").toString(), code);
        QCOMPARE(TranslationsManager::instance()->libsCatalogueLoaded(), code != "en");
        QCOMPARE(QGuiApplication::isRightToLeft(), code == "ar");
    }

    // "make update_translations" adds new texts as unfinished: every message must have a
    // translation with the placeholders and line breaks of its source.
    void catalogueIsFinished_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : supportedLanguageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void catalogueIsFinished()
    {
        QFETCH(QString, code);
        QFile file(TEST_SOURCE_DIR "/../libs/cpp/Translations/libs_" + code + ".ts");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString ts = QString::fromUtf8(file.readAll());
        QRegularExpression message(
            "<source>([^<]*)</source>\\s*<translation>([^<]+)</translation>");
        int finished = 0;
        for (auto it = message.globalMatch(ts); it.hasNext(); ++finished) {
            const QRegularExpressionMatch m = it.next();
            for (const char *mark : {"%1", "%2", "%3", "%4", "\n"})
                QVERIFY2(m.captured(1).count(mark) == m.captured(2).count(mark),
                         qPrintable(m.captured(1)));
        }
        QCOMPARE(finished, ts.count("<message>"));
        QVERIFY(finished > 20);
    }

    // Judged with the names Qt gives before the program sets its own: the executable's base
    // name and no organisation.
    void firstStart_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("first");
        const auto row = [](const char *name, QString executable, QString existing, bool first) {
            QTest::newRow(name) << executable << existing << first;
        };
        row("nothing exists", "clipwise", "", true);
        row("work folder differing in case", "clipwise", "Clipwise", false);
        row("work folder of another program", "clipwise", "Clipwisely", true);
        row("pictures folder of the executable", "tst", "Pictures/tst", false);
        row("the program's own names do not count", "tst", "Documents/Velmora/Clipwise", true);
    }
    void firstStart()
    {
        QFETCH(QString, executable);
        QFETCH(QString, existing);
        QFETCH(bool, first);
        QCoreApplication::setApplicationName(executable);
        QCoreApplication::setOrganizationName(QString());
        QVERIFY(existing.isEmpty() || QDir().mkpath(QDir::homePath() + '/' + existing));
        QCOMPARE(makeApp()->isFirstStart(), first);
    }

    void workFolderIsMadeAtEveryStart()
    {
        const QString work = QDir::homePath() + "/Clipwise";
        for (int start = 0; start < 2; ++start) {
            QCOMPARE(makeApp()->workingDirectory(), work + '/');
            QVERIFY(QFileInfo(work).isDir() && QDir(work).removeRecursively());
        }
    }

    void fileOpenEventIsReportedAndHandled()
    {
        auto app = makeApp();
        QSignalSpy opened(app.get(), &App::fileOpenRequest);
        QFileOpenEvent open(QStringLiteral("/tmp/picture.png"));
        QVERIFY(QCoreApplication::sendEvent(app.get(), &open));
        QCOMPARE(opened.value(0).value(0).toString(), QStringLiteral("/tmp/picture.png"));
    }

    void styleSheetParsesAndItsPicturesLoad()
    {
        auto app = makeApp();
        registerProgramResources();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &text) {
                if (type == QtWarningMsg || type == QtCriticalMsg)
                    warnings << text;
            });
        app->setStyleSheet(defaultStyleSheet);
        QPushButton().ensurePolished();
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
        for (const char *picture : {":/background.png", ":/app.png"})
            QVERIFY2(!QImage(picture).isNull(), picture);
    }
};

QTEST_APPLESS_MAIN(TestApp)
#include "tst_app.moc"
