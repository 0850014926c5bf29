// The application object: settings grouping, standard folders, the first-start flag, event
// hooks and the overlay widget. Each test builds its own App, as a program run would.
#include "app.h"

#include <QDir>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using namespace QMWidgets;

namespace {

int argcStore = 1;
char arg0[] = "tst_app";
char *argvStore[] = {arg0, nullptr};

std::unique_ptr<App> makeApp()
{
    return std::make_unique<App>(argcStore, argvStore, QStringLiteral("Velmora"),
                                 QStringLiteral("Clipwise"));
}

void wipeHome()
{
    QDir home(QDir::homePath());
    for (const QString &entry :
         home.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        QFileInfo(home.filePath(entry)).isDir() ? QDir(home.filePath(entry)).removeRecursively()
                                                : home.remove(entry);
    // The XDG folders of run-test.sh may live outside HOME.
    for (const char *var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        QDir d(QString::fromLocal8Bit(qgetenv(var)));
        if (!qEnvironmentVariableIsEmpty(var))
            for (const QString &entry :
                 d.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
                QFileInfo(d.filePath(entry)).isDir() ? QDir(d.filePath(entry)).removeRecursively()
                                                     : d.remove(entry);
    }
}

int hookCalls = 0;
QStringList hookOrder;
void firstHook()
{
    hookOrder << "first";
    ++hookCalls;
}
void secondHook()
{
    hookOrder << "second";
    ++hookCalls;
}

} // namespace

class TestApp final : public QObject
{
    Q_OBJECT

private slots:
    void init() { wipeHome(); }
    void settingsAreGroupedUnderTheApplicationName();
    void groupFollowsTheCurrentApplicationName();
    void absentKeysGiveTheCallersDefault_data();
    void absentKeysGiveTheCallersDefault();
    void directories_data();
    void directories();
    void createMakesTheFolder();
    void workFolderIsMadeAtEveryStart();
    void firstStart_data();
    void firstStart();
    void fileOpenEventIsReportedAndHandled();
    void activationTracksInactiveFlag();
    void startupHooksRunInOrder();
    void blendWidgetCoversTheMainWidget();
    void diagnosticOutputIsDiscarded();
};

void TestApp::settingsAreGroupedUnderTheApplicationName()
{
    {
        auto app = makeApp();
        app->setSetting(QStringLiteral("Language"), QStringLiteral("de"));
        QCOMPARE(app->setting(QStringLiteral("Language")).toString(), QStringLiteral("de"));
    }
    QSettings store(QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
    QCOMPARE(store.value(QStringLiteral("Clipwise/Language")).toString(), QStringLiteral("de"));
    QVERIFY(!store.contains(QStringLiteral("Language")));
    QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) +
                              QStringLiteral("/Velmora/Clipwise.conf")));
}

void TestApp::groupFollowsTheCurrentApplicationName()
{
    auto app = makeApp();
    app->setSetting(QStringLiteral("AutoReminderCount"), 3);
    QCoreApplication::setApplicationName(QStringLiteral("Other"));
    QVERIFY(!app->setting(QStringLiteral("AutoReminderCount")).isValid());
    app->setSetting(QStringLiteral("AutoReminderCount"), 5);
    QCoreApplication::setApplicationName(QStringLiteral("Clipwise"));
    QCOMPARE(app->setting(QStringLiteral("AutoReminderCount")).toInt(), 3);
    QCOMPARE(app->settingsStore()->value(QStringLiteral("Other/AutoReminderCount")).toInt(), 5);
}

void TestApp::absentKeysGiveTheCallersDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::newRow("Language string default") << "Language" << QVariant(QStringLiteral("pt_BR"));
    QTest::newRow("AutoReminder") << "AutoReminder" << QVariant(true);
    QTest::newRow("AutoReminderCount") << "AutoReminderCount" << QVariant(1);
    QTest::newRow("checkupdates") << "checkupdates" << QVariant(true);
    QTest::newRow("Stamp5 empty") << "Stamp5" << QVariant(QString());
    QTest::newRow("NeverShowItAgain") << "NeverShowItAgain" << QVariant(false);
}

void TestApp::absentKeysGiveTheCallersDefault()
{
    QFETCH(QString, key);
    QFETCH(QVariant, defaultValue);
    auto app = makeApp();
    const QVariant value = app->setting(key, defaultValue);
    QCOMPARE(value, defaultValue);
    QCOMPARE(value.userType(), defaultValue.userType());
    QVERIFY(app->settingsStore()->allKeys().isEmpty());
}

void TestApp::directories_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("expected");
    const QString home = QDir::homePath();
    const QString data = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    const QString cache = QString::fromLocal8Bit(qgetenv("XDG_CACHE_HOME"));
    QTest::newRow("support") << "support" << data + "/Velmora/Clipwise";
    QTest::newRow("data") << "data" << data + "/Velmora/Clipwise/";
    QTest::newRow("caches") << "caches" << cache + "/Velmora/Clipwise";
    QTest::newRow("documents") << "documents" << home + "/Documents/Velmora/Clipwise/";
    QTest::newRow("work") << "work" << home + "/Clipwise/";
    QTest::newRow("pictures") << "pictures" << home + "/Pictures/Velmora/Clipwise/";
    QTest::newRow("music") << "music" << home + "/Music/Velmora/Clipwise/";
    QTest::newRow("movies") << "movies" << home + "/Videos/Velmora/Clipwise/";
    QTest::newRow("downloads is the work folder") << "downloads" << home + "/Clipwise/";
}

static QString directoryOf(App *app, const QString &which, bool create)
{
    if (which == QLatin1String("support"))
        return app->supportDirectory(create);
    if (which == QLatin1String("data"))
        return app->dataDirectory(create);
    if (which == QLatin1String("caches"))
        return app->cachesDirectory(create);
    if (which == QLatin1String("documents"))
        return app->documentsDirectory(create);
    if (which == QLatin1String("work"))
        return app->workDirectory(create);
    if (which == QLatin1String("pictures"))
        return app->picturesDirectory(create);
    if (which == QLatin1String("music"))
        return app->musicDirectory(create);
    if (which == QLatin1String("movies"))
        return app->moviesDirectory(create);
    return app->downloadsDirectory(create);
}

void TestApp::directories()
{
    QFETCH(QString, which);
    QFETCH(QString, expected);
    auto app = makeApp();
    QCOMPARE(directoryOf(app.get(), which, false), expected);
}

void TestApp::createMakesTheFolder()
{
    auto app = makeApp();
    const QString pictures = app->picturesDirectory(false);
    QVERIFY(!QFileInfo::exists(pictures));
    QCOMPARE(app->picturesDirectory(true), pictures);
    QVERIFY(QFileInfo(pictures).isDir());
}

void TestApp::workFolderIsMadeAtEveryStart()
{
    const QString work = QDir::homePath() + QStringLiteral("/Clipwise");
    makeApp().reset();
    QVERIFY(QFileInfo(work).isDir());
    QVERIFY(QDir(work).removeRecursively());
    auto app = makeApp();
    QVERIFY(QFileInfo(work).isDir());
    QCOMPARE(app->workingDirectory(), work + QLatin1Char('/'));
}

void TestApp::firstStart_data()
{
    // The flag is judged with the names Qt gives before the program sets its own: the
    // executable's base name and no organisation.
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("first");
    QTest::newRow("nothing exists") << "tst_app" << QString() << true;
    QTest::newRow("work folder of the executable's name") << "tst_app"
                                                          << "tst_app" << false;
    QTest::newRow("work folder of a previous run, differing only in case") << "clipwise"
                                                                           << "Clipwise" << false;
    QTest::newRow("work folder of another program") << "clipwise"
                                                    << "Clipwisely" << true;
    QTest::newRow("pictures folder of the executable's name") << "tst_app"
                                                              << "Pictures/tst_app" << false;
    QTest::newRow("folder of the program's own name does not count")
        << "tst_app"
        << "Documents/Velmora/Clipwise" << true;
}

void TestApp::firstStart()
{
    QFETCH(QString, executable);
    QFETCH(QString, existing);
    QFETCH(bool, first);
    // Leave no folder from an earlier App of this process behind.
    wipeHome();
    QCoreApplication::setApplicationName(executable);
    QCoreApplication::setOrganizationName(QString());
    if (!existing.isEmpty()) {
        const QString path = QDir::homePath() + QLatin1Char('/') + existing;
        QVERIFY(QDir().mkpath(path));
    }
    auto app = makeApp();
    QCOMPARE(app->isFirstStart(), first);
}

void TestApp::fileOpenEventIsReportedAndHandled()
{
    auto app = makeApp();
    QSignalSpy spy(app.get(), &App::fileOpenRequest);
    QFileOpenEvent event(QStringLiteral("/tmp/picture.png"));
    QVERIFY(QCoreApplication::sendEvent(app.get(), &event));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toString(), QStringLiteral("/tmp/picture.png"));
}

void TestApp::activationTracksInactiveFlag()
{
    auto app = makeApp();
    QSignalSpy deactivated(app.get(), &App::applicationDeactivated);
    QSignalSpy activated(app.get(), &App::applicationActivated);
    QEvent off(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(app.get(), &off);
    QVERIFY(app->isApplicationInactive());
    QEvent on(QEvent::ApplicationActivate);
    QCoreApplication::sendEvent(app.get(), &on);
    QVERIFY(!app->isApplicationInactive());
    QCOMPARE(deactivated.count(), 1);
    QCOMPARE(activated.count(), 1);
}

void TestApp::startupHooksRunInOrder()
{
    hookCalls = 0;
    hookOrder.clear();
    App::registerStartupHook(firstHook);
    App::registerStartupHook(secondHook);
    makeApp().reset();
    QCOMPARE(hookOrder, QStringList({"first", "second"}));
    makeApp().reset();
    QCOMPARE(hookCalls, 4);
}

void TestApp::blendWidgetCoversTheMainWidget()
{
    auto app = makeApp();
    app->slotSetBlendMainWidget(true); // no main widget: nothing happens
    QWidget main;
    main.resize(300, 200);
    app->setMainWidget(&main);
    QWidget *blend = app->blendWidgetPointer();
    QVERIFY(blend);
    QCOMPARE(blend->objectName(), QStringLiteral("MainWidgetBlender"));
    QCOMPARE(blend->parentWidget(), &main);
    QVERIFY(blend->autoFillBackground());
    QVERIFY(blend->isHidden());
    main.show();
    app->slotSetBlendMainWidget(true);
    QVERIFY(blend->isVisible());
    QCOMPARE(blend->size(), QSize(300, 200));
    app->slotSetBlendMainWidget(false);
    QVERIFY(blend->isHidden());
}

namespace {
QStringList captured;
void capture(QtMsgType, const QMessageLogContext &, const QString &text)
{
    captured << text;
}
} // namespace

void TestApp::diagnosticOutputIsDiscarded()
{
    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    qWarning("before");
    App::disableMessageOutput();
    qWarning("after");
    qDebug("after");
    qCritical("after");
    qInstallMessageHandler(previous);
    QCOMPARE(captured, QStringList({"before"}));
}

QTEST_APPLESS_MAIN(TestApp)
#include "tst_app.moc"
