// The style sheet editor: its highlighter against a plain walk of the colouring rules, saving
// and loading with the file dialogs answered by the test, Apply and the tool-tip labels.
#include "cssdoc.h"
#include "csseditor.h"
#include "csssyntaxhighlighter.h"
#include "filedialogs.h"
#include "testkit.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace QMWidgets;

namespace {
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

class TestCssEditor final : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QStringList answers; // the file dialogs' answers in turn; none left is a cancel

private slots:
    void init()
    {
        answers.clear();
        setFileDialogRunner([this](const FileDialogRequest &) {
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    void cleanup() { qApp->setStyleSheet(QString()); }

    void colours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // one line per block
        const auto row = [](const char *name, QString text, QString expected) {
            QTest::newRow(name) << text << expected;
        };
        row("longer keyword first, keywords in words", "foreach gift ifalse",
            "wwwwwww..ww..ww....:-1");
        row("digits one by one, hash to the end", "h1\u0663: #f0;", ".ccw.GGGG:-1");
        row("slash star slash is a whole comment", "/*/x // y", "ggg..gggg:-1");
        row("comment carried over an empty line", "/* a\n\nb */ c", "gggg:0\n:0\ngggg..:-1");
        row("escaped quote stays inside, either closes", "'a\\'b\";", "ccccccw:-1");
        row("string carried, quote at line start closes", "\"ab\n'x", "ccc:1\nc.:-1");
    }
    void colours()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        CssDoc doc;
        doc.setPlainText(text);
        QCOMPARE(painted(doc.document()).join('\n'), expected);
    }

    // Random text heavy in quotes, comment marks and backslashes, then random edits that rely
    // on QSyntaxHighlighter re-running only the changed lines and those whose state changed.
    void matchesThePlainWalkAfterEveryEdit()
    {
        CssDoc doc;
        const QStringList keywords = doc.syntaxHighlighter()->keywordList();
        const QStringList pieces{"'", "\"", "\\", "/", "*",      "/*", "*/", "//",
                                 "#", " ",  "0",  "9", "\u0663", "x",  "\n"};
        QRandomGenerator random(20191002);
        QString text;
        for (int k = 0; k < 6000; ++k)
            text += random.bounded(3) ? pieces.at(random.bounded(pieces.size()))
                                      : keywords.at(random.bounded(keywords.size()));
        doc.setPlainText(text);
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
        QTest::addColumn<QString>("target"); // empty: Save after the bound file became a folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("bound file became a folder") << QString() << "directory";
        QTest::newRow("save as into a missing folder")
            << dir.filePath("no/a.qss") << "no such file";
        QTest::newRow("save as onto a full device") << QString("/dev/full") << "no space left";
    }
    void failedSaveChangesNothing()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QString text;
        TestSupport::ModalAnswerer boxes([&](QDialog *box) {
            for (QLabel *label : box->findChildren<QLabel *>())
                text += label->text();
            box->reject();
        });
        CssEditor editor;
        CssDoc *doc = editor.document();
        const QString good = dir.filePath(QTest::currentDataTag());
        answers << good << target;
        doc->setPlainText("QLabel {}");
        doc->slotSave(); // no file yet: asks where, then writes
        if (target.isEmpty())
            QVERIFY(QFile::remove(good) && QDir().mkdir(good));
        doc->setPlainText(QString(70000, 'x'));
        QSignalSpy titles(doc, &CssDoc::changeWindowTitle);
        target.isEmpty() ? doc->slotSave() : doc->slotSaveAs();
        QCOMPARE(boxes.shown.size(), 1);
        const QString failed = QDir::toNativeSeparators(target.isEmpty() ? good : target);
        QVERIFY2(text.contains(failed) && text.contains(reason, Qt::CaseInsensitive),
                 qPrintable(text));
        QVERIFY(titles.isEmpty());
        QCOMPARE(editor.windowTitle(), QDir::toNativeSeparators(good));
        QCOMPARE(doc->filePath(), good); // a later Save aims at the old file, not the failed one
        QFile old(good);
        QVERIFY(target.isEmpty() ||
                (old.open(QIODevice::ReadOnly) && old.readAll() == "QLabel {}"));
    }

    void appliedSheetLeavesTheEditorsOwnLook()
    {
        CssEditor editor;
        QTextEdit plain;
        editor.show();
        plain.show();
        CssDoc *doc = editor.document();
        const auto colour = [](QTextEdit *edit) {
            return edit->viewport()->grab().toImage().pixelColor(5, 5);
        };
        const QColor own = colour(doc), text = doc->palette().color(QPalette::Text);
        const QFont font = doc->document()->defaultFont();
        QFile sheet(dir.filePath("red.qss"));
        QVERIFY(sheet.open(QIODevice::WriteOnly) &&
                sheet.write("QTextEdit { background: red; color: blue; font: 30pt Courier; }") > 0);
        sheet.close();
        answers << sheet.fileName();
        doc->slotLoad();
        QCOMPARE(editor.windowTitle(), QDir::toNativeSeparators(sheet.fileName()));
        editor.slotApply();
        QCOMPARE(colour(&plain), QColor(Qt::red));
        QCOMPARE(colour(doc), own);
        QCOMPARE(doc->palette().color(QPalette::Text), text);
        QCOMPARE(doc->document()->defaultFont(), font);
    }

    void setInfoLabelsNamedWidgetsOutsideTheText()
    {
        CssEditor editor;
        QWidget host;
        auto *button = new QPushButton(&host);
        auto *window = new QDialog(&host); // a window that is also a descendant
        button->setObjectName("PushButton");
        window->setObjectName("Child");
        editor.document()->setObjectName("Text");
        editor.slotApplyToolTipsInfo();
        editor.slotApplyToolTipsInfo();
        QCOMPARE(button->toolTip(),
                 QStringLiteral("QPushButton\nPushButton\nQPushButton\nPushButton\n"));
        QCOMPARE(window->toolTip(), QStringLiteral("QDialog\nChild\nQDialog\nChild\n"));
        QVERIFY(host.toolTip().isEmpty() && editor.document()->toolTip().isEmpty());
    }
};

QTEST_MAIN(TestCssEditor)
#include "tst_csseditor.moc"
