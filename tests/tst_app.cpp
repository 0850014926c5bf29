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

// The colouring rules written out once more, plainly; shares only the keyword list. One code
// per character ('.' none, 'w' white, 'c' cyan, 'g' dark grey, 'G' green) and the state after.
QString walk(const QString &line, int &state, const QStringList &keywords)
{
    const int n = line.size();
    QString out(n, '.');
    auto fill = [&](int from, int len, char c) { out.replace(from, len, QString(len, c)); };
    auto quote = [](QChar c) { return c == '"' || c == '\''; };
    int start = 0;
    for (int i = 0, length = 1; i < n; i += length, length = 1) {
        const QChar c = line[i];
        const QStringRef two = line.midRef(i, 2);
        if (state == 0) {
            if (two == "*/")
                fill(start, i - start + 2, 'g'), length = 2, state = -1;
        } else if (state == 1) {
            if (quote(c) && (i == 0 || line[i - 1] != '\\'))
                fill(start, i - start + 1, 'c'), state = -1;
        } else if (two == "//" || c == '#') {
            fill(i, n - i, c == '#' ? 'G' : 'g');
            break;
        } else if ((c >= '0' && c <= '9') || (c.unicode() > 0x7f && c.isNumber())) {
            fill(i, 1, 'c');
        } else if (two == "/*" || quote(c)) {
            start = i, state = c == '/' ? 0 : 1;
        } else {
            const auto k = std::find_if(keywords.begin(), keywords.end(), [&](const QString &k) {
                return line.midRef(i, k.size()) == k;
            });
            if (k != keywords.end())
                fill(i, k->size(), 'w'), length = k->size();
        }
    }
    if (state >= 0)
        fill(start, n - start, state == 0 ? 'g' : 'c');
    return out + ':' + QString::number(state);
}

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
    // Random text and edits: QSyntaxHighlighter re-runs only the lines changed or whose state did.
    void matchesThePlainWalkAfterEveryEdit()
    {
        const auto app = makeApp();
        CssDoc doc;
        const QStringList keywords = doc.syntaxHighlighter()->keywordList();
        const QStringList pieces{"'", "\"", "\\", "/", "*",      "/*", "*/", "//",
                                 "#", " ",  "0",  "9", "\u0663", "x",  "\n"};
        QRandomGenerator random(20191002);
        QString text;
        for (int k = 0; k < 6000; ++k)
            text += random.bounded(3) ? pieces.at(random.bounded(pieces.size()))
                                      : keywords.at(random.bounded(keywords.size()));
        doc.setPlainText("foreach gift ifalse /*/x\n" + text); // the longer keyword comes first
        QCOMPARE(painted(doc.document()).first(), QStringLiteral("wwwwwww..ww..ww.....ggg.:-1"));
        for (int edit = 0; edit <= 150; ++edit) {
            int state = -1;
            const QStringList got = painted(doc.document());
            for (int l = 0; l < got.size(); ++l) {
                const QString line = doc.document()->findBlockByNumber(l).text();
                const QString want = walk(line, state, keywords);
                QVERIFY2(got[l] == want, qPrintable(line + " gives " + got[l] + ", not " + want));
            }
            QTextCursor cursor(doc.document());
            cursor.setPosition(random.bounded(doc.document()->characterCount()));
            cursor.insertText(pieces.at(random.bounded(pieces.size())));
        }
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
