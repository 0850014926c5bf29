// The application frame and the style sheet editor; init() wipes run-test.sh's private home.
#include "app.h"
#include "cssdoc.h"
#include "csseditor.h"
#include "csssyntaxhighlighter.h"
#include "filedialogs.h"
#include "stylesheet.h"
#include "testkit.h"
#include "translationsmanager.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

using namespace QMWidgets;
using TestSupport::makeApp;

namespace {
const QString configFile = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Velmora/Clipwise.conf";
QStringList warnings;

// Per character: '.' plain, 'w' white, 'c' cyan, 'g' dark grey, 'G' green; then the state.
QStringList painted(const QTextDocument *doc)
{
    const QList<QColor> colours{Qt::white, Qt::cyan, Qt::darkGray, Qt::green};
    QStringList lines;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        QString line(b.text().size(), '.');
        for (const QTextLayout::FormatRange &r : b.layout()->formats()) {
            const int code = colours.indexOf(r.format.foreground().color());
            line.replace(r.start, r.length, QString(r.length, QString("?wcgG").at(code + 1)));
        }
        lines << line + ':' + QString::number(b.userState());
    }
    return lines;
}
} // namespace

class TestApp final : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QStringList answers; // the file dialogs' answers in turn; none left is a cancel

private slots:
    void initTestCase() { QVERIFY(QDir::homePath().contains("/clipwise-test.")); }
    void init()
    {
        for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            const QString home = qEnvironmentVariable(var);
            QVERIFY(!home.isEmpty() && QDir(home).removeRecursively() && QDir().mkpath(home));
        }
        answers.clear();
        setFileDialogRunner([this](const FileDialogRequest &) {
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    // First: the language is settled once per process, by the first App::language().
    void storedLanguageIsSettledAndWrittenBack()
    {
        QSettings(configFile, QSettings::IniFormat).setValue("Clipwise/Language", "de_AT");
        auto app = makeApp();
        QCOMPARE(app->language(), QStringLiteral("de"));
        const TranslationsManager *manager = TranslationsManager::instance();
        QVERIFY(manager->qtCatalogueLoaded() && manager->libsCatalogueLoaded());
        app.reset();
        const QSettings disk(configFile, QSettings::IniFormat);
        QCOMPARE(disk.allKeys(), QStringList{"Clipwise/Language"});
        QCOMPARE(disk.value("Clipwise/Language").toString(), QStringLiteral("de"));
    }
    void language_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("code");
        QTest::newRow("Chinese variants are kept whole") << QString("zh_TW") << QString("zh_TW");
        QTest::newRow("Hong Kong Chinese has no catalogue") << QString("zh_HK") << QString("en");
        QTest::newRow("Arabic turns the layout") << QString("ar_EG") << QString("ar");
        QTest::newRow("matching is case-sensitive") << QString("DE") << QString("en");
        QTest::newRow("the list order decides") << QString("ru_de") << QString("de");
    }
    void language()
    {
        QFETCH(QString, stored);
        QFETCH(QString, code);
        QCOMPARE(normalizedLanguageCode(stored), code);
        auto app = makeApp();
        TranslationsManager::instance()->setLanguage(code);
        QCOMPARE(app->language(), code);
        QCOMPARE(TranslationsManager::instance()->libsCatalogueLoaded(), code != "en");
        QCOMPARE(QGuiApplication::isRightToLeft(), code == "ar");
    }
    // "make update_translations" adds new texts unfinished; each needs its source's %n and breaks.
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
        QRegularExpression re("<source>([^<]*)</source>\\s*<translation>([^<]+)</translation>");
        int finished = 0;
        for (auto it = re.globalMatch(ts); it.hasNext(); ++finished) {
            const QRegularExpressionMatch m = it.next();
            for (const char *mark : {"%1", "%2", "%3", "%4", "\n"})
                QVERIFY2(m.captured(1).count(mark) == m.captured(2).count(mark),
                         qPrintable(m.captured(1)));
        }
        QVERIFY2(finished > 20 && finished == ts.count("<message>"), "unfinished texts");
    }
    // Judged under the names Qt gives before the program sets its own: the executable's, no maker.
    void firstStart_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("first");
        QTest::newRow("nothing exists") << QString() << true;
        QTest::newRow("work folder differing in case") << "Clipwise" << false;
        QTest::newRow("work folder of another program") << "Clipwisely" << true;
        QTest::newRow("pictures folder") << "Pictures/clipwise" << false;
        QTest::newRow("names set later") << "Documents/Velmora/Clipwise" << true;
    }
    void firstStart()
    {
        QFETCH(QString, existing);
        QCoreApplication::setApplicationName("clipwise");
        QCoreApplication::setOrganizationName(QString());
        QVERIFY(existing.isEmpty() || QDir().mkpath(QDir::homePath() + '/' + existing));
        const auto app = makeApp();
        QTEST(app->isFirstStart(), "first");
        QCOMPARE(app->workingDirectory(), QDir::homePath() + "/Clipwise/");
        QVERIFY(QFileInfo(app->workingDirectory()).isDir());
    }
    void highlighting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("at"); // where the edit inserts "/*", or none
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const QString &text, int at, const char *lines) {
            QTest::newRow(name) << text << at << QString(lines).split('|');
        };
        row("keywords, the longest first, also inside words", "foreach gift ifalse->x", -1,
            "wwwwwww..ww..ww....ww.:-1");
        row("comments over lines, /*/ a whole one", "a /*/ b /* c\nd\ne */ f+1", -1,
            "..ggg...gggg:0|g:0|gggg..wc:-1");
        row("a string over lines, either quote closes", "'a\\'b\nc\" int 2", -1,
            "ccccc:1|cc.www.c:-1");
        row("// and # end the line outside strings", "x // '/*\n# int\n'#'1", -1,
            "..gggggg:-1|GGGGG:-1|cccc:-1");
        row("digits of any script", "\u0663x9 7", -1, "c.c.c:-1");
        row("an edit re-colours the lines below", "a\nint\n'b'\nx", 0, "ggg:0|ggg:0|ggg:0|g:0");
    }
    void highlighting()
    {
        QFETCH(QString, text);
        QFETCH(int, at);
        const auto app = makeApp();
        CssDoc doc;
        doc.setPlainText(text);
        if (at >= 0) {
            QTextCursor cursor(doc.document());
            cursor.setPosition(at);
            cursor.insertText("/*");
        }
        QTEST(painted(doc.document()), "expected");
    }
    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("into a missing folder") << dir.filePath("no/a.qss") << "no such file";
        QTest::newRow("onto a full device") << QString("/dev/full") << "no space left";
    }
    void failedSaveChangesNothing()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        const auto app = makeApp();
        QString text;
        TestSupport::ModalAnswerer boxes([&](QDialog *box) {
            for (QLabel *label : box->findChildren<QLabel *>()) // paths and reasons never markup
                text += label->textFormat() == Qt::PlainText ? label->text() : QString();
            box->reject();
        });
        CssEditor editor;
        CssDoc *doc = editor.document();
        const QString good = dir.filePath(QTest::currentDataTag());
        answers << good << target;
        doc->setPlainText("QLabel {}");
        doc->slotSave(); // no file yet: asks where, then writes
        doc->setPlainText(QString(70000, 'x'));
        doc->slotSaveAs();
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY2(text.contains(QDir::toNativeSeparators(target)), qPrintable(text));
        QVERIFY2(text.contains(reason, Qt::CaseInsensitive), qPrintable(text));
        QCOMPARE(editor.windowTitle(), QDir::toNativeSeparators(good));
        QCOMPARE(doc->filePath(), good); // a later Save aims at the old file, not the failed one
        CssEditor other;                 // the previous file is untouched
        answers << good;
        other.document()->slotLoad();
        QCOMPARE(other.document()->toPlainText(), QStringLiteral("QLabel {}"));
    }
    // The editor's Apply and tool tip actions reach the other widgets, never its own text.
    void editorActionsLeaveItsOwnText()
    {
        const auto app = makeApp();
        CssEditor editor;
        QTextEdit plain;
        CssDoc *doc = editor.document();
        QWidget host;
        auto *window = new QDialog(&host); // a window that is also a descendant
        window->setObjectName("Child");
        doc->setObjectName("Text");
        const auto colour = [](QWidget *w) { return w->grab().toImage().pixelColor(5, 5); };
        const QColor own = colour(doc);
        const QFont font = doc->document()->defaultFont();
        doc->setPlainText("QTextEdit { background: red; color: blue; font: 30pt Courier; }");
        editor.slotApply();
        QCOMPARE(colour(&plain), QColor(Qt::red));
        QCOMPARE(colour(doc), own);
        QCOMPARE(doc->document()->defaultFont(), font);
        editor.slotApplyToolTipsInfo();
        editor.slotApplyToolTipsInfo();
        QCOMPARE(window->toolTip(), QStringLiteral("QDialog\nChild\nQDialog\nChild\n"));
        QVERIFY(host.toolTip().isEmpty() && doc->toolTip().isEmpty());
    }
    void styleSheetParsesAndItsPicturesLoad()
    {
        auto app = makeApp();
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
