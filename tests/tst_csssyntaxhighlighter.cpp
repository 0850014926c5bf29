// The style sheet highlighter on a real QTextDocument: colours character by character, block
// states across lines, and a comparison with an independent walk over random lines.
#include "csssyntaxhighlighter.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

using QMWidgets::CssSyntaxHighlighter;

namespace {

// One letter per character: '.' uncoloured, 'w' white, 'c' cyan, 'g' dark grey, 'G' green,
// '?' any other colour.
char colourCode(const QTextCharFormat &format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return '.';
    const QColor colour = format.foreground().color();
    if (colour == QColor(Qt::white))
        return 'w';
    if (colour == QColor(Qt::cyan))
        return 'c';
    if (colour == QColor(Qt::darkGray))
        return 'g';
    if (colour == QColor(Qt::green))
        return 'G';
    return '?';
}

QString blockColours(const QTextBlock &block)
{
    QString codes(block.length() - 1, QLatin1Char('.'));
    const QVector<QTextLayout::FormatRange> ranges = block.layout()->formats();
    for (const QTextLayout::FormatRange &range : ranges) {
        for (int k = range.start; k < range.start + range.length && k < codes.size(); ++k)
            codes[k] = QLatin1Char(colourCode(range.format));
    }
    return codes;
}

struct Highlighted
{
    QStringList colours;
    QList<int> states;
};

Highlighted collect(const QTextDocument &doc)
{
    Highlighted result;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        result.colours << blockColours(block);
        result.states << block.userState();
    }
    return result;
}

// QTextDocument reports its changes, and so feeds the highlighter, only once it has a layout;
// an editor's document always has one.
void giveLayout(QTextDocument &doc)
{
    QVERIFY(doc.documentLayout());
}

Highlighted highlight(const QString &text)
{
    QTextDocument doc;
    giveLayout(doc);
    new CssSyntaxHighlighter(&doc);
    doc.setPlainText(text);
    return collect(doc);
}

// The walk written out once more, plainly, from the rules: it shares nothing with the
// highlighter but the keyword list.
class ReferenceWalk
{
public:
    explicit ReferenceWalk(const QStringList &keywordList) : keywords(keywordList) {}

    Highlighted run(const QStringList &lines) const
    {
        Highlighted result;
        int state = -1;
        for (const QString &line : lines) {
            QString colours(line.size(), QLatin1Char('.'));
            state = walkLine(line, state, colours);
            result.colours << colours;
            result.states << state;
        }
        return result;
    }

private:
    static void paint(QString &colours, int from, int count, char code)
    {
        for (int k = from; k < from + count; ++k)
            colours[k] = QLatin1Char(code);
    }

    int walkLine(const QString &line, int state, QString &colours) const
    {
        const int n = line.size();
        auto ch = [&line, n](int k) -> ushort { return k >= 0 && k < n ? line[k].unicode() : 0; };
        auto quote = [](ushort c) { return c == '"' || c == '\''; };
        int start = 0;
        int i = 0;
        while (i < n) {
            const ushort c = ch(i);
            const ushort next = ch(i + 1);
            if (state == 0) {
                if (c == '*' && next == '/') {
                    paint(colours, start, i - start + 2, 'g');
                    i += 2;
                    state = -1;
                } else {
                    i += 1;
                }
                continue;
            }
            if (state == 1) {
                if (quote(c) && (i == 0 || ch(i - 1) != '\\')) {
                    paint(colours, start, i - start + 1, 'c');
                    state = -1;
                }
                i += 1;
                continue;
            }
            if (c == '/' && next == '/') {
                paint(colours, i, n - i, 'g');
                return state;
            }
            if (c == '#') {
                paint(colours, i, n - i, 'G');
                return state;
            }
            if ((c >= '0' && c <= '9') || (c > 0x7f && QChar(c).isNumber())) {
                paint(colours, i, 1, 'c');
                i += 1;
            } else if (c == '/' && next == '*') {
                start = i;
                state = 0;
                i += 1;
            } else if (quote(c)) {
                start = i;
                state = 1;
                i += 1;
            } else {
                int matched = 0;
                for (const QString &keyword : keywords) {
                    if (line.mid(i, keyword.size()) == keyword) {
                        matched = keyword.size();
                        break;
                    }
                }
                paint(colours, i, matched, 'w');
                i += matched > 0 ? matched : 1;
            }
        }
        if (state == 0)
            paint(colours, start, n - start, 'g');
        else if (state == 1)
            paint(colours, start, n - start, 'c');
        return state;
    }

    QStringList keywords;
};

QStringList randomLines(QRandomGenerator &random, const QStringList &keywords, int count)
{
    // Weighted towards the characters that change the state.
    const QStringList pieces = {
        QStringLiteral("'"),    QStringLiteral("\""),   QStringLiteral("\\"),
        QStringLiteral("/"),    QStringLiteral("*"),    QStringLiteral("/*"),
        QStringLiteral("*/"),   QStringLiteral("//"),   QStringLiteral("#"),
        QStringLiteral(" "),    QStringLiteral("0"),    QStringLiteral("7"),
        QString(QChar(0x0663)), QString(QChar(0x00b2)), QStringLiteral("a"),
        QStringLiteral("x"),    QStringLiteral("S"),    QStringLiteral("e"),
        QStringLiteral("\\\""), QStringLiteral("\\'")};
    QStringList lines;
    for (int l = 0; l < count; ++l) {
        QString line;
        const int tokens = random.bounded(14);
        for (int t = 0; t < tokens; ++t) {
            if (random.bounded(3) == 0)
                line += keywords.at(random.bounded(keywords.size()));
            else
                line += pieces.at(random.bounded(pieces.size()));
        }
        lines << line;
    }
    return lines;
}

QString listAsText(const QList<int> &states)
{
    QStringList parts;
    for (int s : states)
        parts << QString::number(s);
    return parts.join(QLatin1Char(','));
}

} // namespace

class TestCssSyntaxHighlighter : public QObject
{
    Q_OBJECT

private slots:
    void everyKeywordIsReachable();
    void keywordAt_data();
    void keywordAt();
    void colours_data();
    void colours();
    void stateCarriesIntoEditedFollowingLines();
    void matchesReferenceWalkOnRandomLines();
    void matchesReferenceWalkAfterRandomEdits();
};

void TestCssSyntaxHighlighter::everyKeywordIsReachable()
{
    QTextDocument doc;
    CssSyntaxHighlighter highlighter(&doc);
    const QStringList &keywords = highlighter.keywordList();
    QCOMPARE(keywords.size(), 59);
    QCOMPARE(keywords.first(), QStringLiteral("foreach"));
    QCOMPARE(keywords.last(), QStringLiteral("signals"));
    // An entry shadowed by an earlier prefix of it could never be found.
    for (const QString &keyword : keywords)
        QCOMPARE(highlighter.keywordAt(0, keyword), keyword);
}

void TestCssSyntaxHighlighter::keywordAt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");

    QTest::newRow("arrow before minus") << "a->b" << 1 << "->";
    QTest::newRow("minus alone") << "a-b" << 1 << "-";
    QTest::newRow("shift before less") << "x << y" << 2 << "<<";
    QTest::newRow("right shift before greater") << "x >> y" << 2 << ">>";
    QTest::newRow("foreach before for") << "foreach" << 0 << "foreach";
    QTest::newRow("for inside format") << "format" << 0 << "for";
    QTest::newRow("int inside interval") << "interval" << 0 << "int";
    QTest::newRow("SLOT inside SLOTS") << "SLOTS" << 0 << "SLOT";
    QTest::newRow("keyword at the very end") << "a;" << 1 << ";";
    QTest::newRow("cut off at the end") << "xfo" << 1 << "";
    QTest::newRow("no keyword") << "abc" << 0 << "";
    QTest::newRow("other capitalisation") << "Signals" << 0 << "";
    QTest::newRow("upper-case keyword") << "Foreach" << 0 << "";
    QTest::newRow("position past the end") << "if" << 2 << "";
    QTest::newRow("negative position") << "if" << -1 << "";
    QTest::newRow("empty text") << "" << 0 << "";
}

void TestCssSyntaxHighlighter::keywordAt()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, expected);
    QTextDocument doc;
    CssSyntaxHighlighter highlighter(&doc);
    QCOMPARE(highlighter.keywordAt(position, text), expected);
}

void TestCssSyntaxHighlighter::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // one line of codes per block, '\n' between
    QTest::addColumn<QString>("states");

    QTest::newRow("arrow is white") << "a->b"
                                    << ".ww."
                                    << "-1";
    QTest::newRow("shift is white") << "x << y"
                                    << "..ww.."
                                    << "-1";
    QTest::newRow("foreach as one word") << "foreach"
                                         << "wwwwwww"
                                         << "-1";
    QTest::newRow("matched keyword hides overlapping one") << "ifalse"
                                                           << "ww...."
                                                           << "-1";
    QTest::newRow("keyword inside a word") << "gift"
                                           << ".ww."
                                           << "-1";
    QTest::newRow("hyphen in a property") << "font-size"
                                          << "....w...."
                                          << "-1";
    QTest::newRow("digit inside a name") << "h1"
                                         << ".c"
                                         << "-1";
    QTest::newRow("digits one by one") << "12px"
                                       << "cc.."
                                       << "-1";
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("x\u0663\u00b2") << ".cc"
                                      << "-1";
    QTest::newRow("hash to end of line") << "color: #ff0000;"
                                         << ".....w.GGGGGGGG"
                                         << "-1";
    QTest::newRow("line comment line") << "// a {}"
                                       << "ggggggg"
                                       << "-1";
    QTest::newRow("line comment after code") << "a{} // x"
                                             << ".ww.gggg"
                                             << "-1";
    QTest::newRow("lone slash") << "a/b"
                                << ".w."
                                << "-1";
    QTest::newRow("close outside comment") << "*/"
                                           << "ww"
                                           << "-1";
    QTest::newRow("comment over two lines") << "/* start\nend */ x"
                                            << "gggggggg\ngggggg.."
                                            << "0,-1";
    QTest::newRow("slash star slash") << "/*/x"
                                      << "ggg."
                                      << "-1";
    QTest::newRow("empty comment") << "/**/;"
                                   << "ggggw"
                                   << "-1";
    QTest::newRow("line comment inside block") << "/* // */ x"
                                               << "gggggggg.."
                                               << "-1";
    QTest::newRow("hash inside block") << "/* # */"
                                       << "ggggggg"
                                       << "-1";
    QTest::newRow("digits inside open block") << "/* 12"
                                              << "ggggg"
                                              << "0";
    QTest::newRow("empty line inside comment") << "/*\n\n*/"
                                               << "gg\n\ngg"
                                               << "0,0,-1";
    QTest::newRow("escaped quote stays inside") << "'a\\'b';"
                                                << "ccccccw"
                                                << "-1";
    QTest::newRow("escaped quote at end leaves open") << "\"a\\\""
                                                      << "cccc"
                                                      << "1";
    QTest::newRow("single closed by double") << "'a\"b"
                                             << "ccc."
                                             << "-1";
    QTest::newRow("double closed by single") << "\"x'"
                                             << "ccc"
                                             << "-1";
    QTest::newRow("string over two lines") << "\"abc\ndef\" x;"
                                           << "cccc\ncccc..w"
                                           << "1,-1";
    QTest::newRow("quote at line start closes") << "\"ab\n'x"
                                                << "ccc\nc."
                                                << "1,-1";
    QTest::newRow("string over an empty line") << "'a\n\nb'"
                                               << "cc\n\ncc"
                                               << "1,1,-1";
    QTest::newRow("hash inside string") << "\"#a\""
                                        << "cccc"
                                        << "-1";
    QTest::newRow("comment opener inside string") << "\"/*\";"
                                                  << "ccccw"
                                                  << "-1";
    QTest::newRow("line comment inside string") << "\"a//b\""
                                                << "cccccc"
                                                << "-1";
    QTest::newRow("comment opener in open string") << "\"a /* b"
                                                   << "ccccccc"
                                                   << "1";
    QTest::newRow("hash after a string") << "'a' #x"
                                         << "ccc.GG"
                                         << "-1";
    QTest::newRow("line comment ends an open comment's line") << "/* a\n*/ // b\nc"
                                                              << "gggg\ngg.gggg\n."
                                                              << "0,-1,-1";
    QTest::newRow("upper-case signal") << "SIGNAL"
                                       << "wwwwww"
                                       << "-1";
    QTest::newRow("lower-case signals") << "signals"
                                        << "wwwwwww"
                                        << "-1";
    QTest::newRow("other capitalisation uncoloured") << "Signal Slots"
                                                     << "............"
                                                     << "-1";
    QTest::newRow("capitalised keyword uncoloured") << "Foreach IF"
                                                    << ".........."
                                                    << "-1";
}

void TestCssSyntaxHighlighter::colours()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(QString, states);
    const Highlighted result = highlight(text);
    QCOMPARE(result.colours.join(QLatin1Char('\n')), expected);
    QCOMPARE(listAsText(result.states), states);
}

void TestCssSyntaxHighlighter::stateCarriesIntoEditedFollowingLines()
{
    QTextDocument doc;
    giveLayout(doc);
    new CssSyntaxHighlighter(&doc);
    doc.setPlainText(QStringLiteral("a {\n  color: red;\n}\nb */ c"));
    QCOMPARE(collect(doc).colours.join(QLatin1Char('\n')),
             QStringLiteral("..w\n.......w....w\nw\n..ww.."));

    // Opening a comment on the first line recolours every line down to its end.
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("/*"));
    Highlighted after = collect(doc);
    QCOMPARE(after.colours.join(QLatin1Char('\n')),
             QStringLiteral("ggggg\nggggggggggggg\ng\ngggg.."));
    QCOMPARE(listAsText(after.states), QStringLiteral("0,0,0,-1"));

    // And closing it again restores them.
    cursor.movePosition(QTextCursor::Start);
    cursor.deleteChar();
    cursor.deleteChar();
    after = collect(doc);
    QCOMPARE(after.colours.join(QLatin1Char('\n')),
             QStringLiteral("..w\n.......w....w\nw\n..ww.."));
    QCOMPARE(listAsText(after.states), QStringLiteral("-1,-1,-1,-1"));
}

void TestCssSyntaxHighlighter::matchesReferenceWalkOnRandomLines()
{
    QTextDocument doc;
    auto *highlighter = new CssSyntaxHighlighter(&doc);
    const ReferenceWalk reference(highlighter->keywordList());
    QRandomGenerator random(20191002);

    const QStringList lines = randomLines(random, highlighter->keywordList(), 4000);
    doc.setPlainText(lines.join(QLatin1Char('\n')));
    highlighter->rehighlight();
    QCOMPARE(doc.blockCount(), lines.size());

    const Highlighted actual = collect(doc);
    const Highlighted expected = reference.run(lines);
    int stringOrCommentLines = 0;
    for (int l = 0; l < lines.size(); ++l) {
        if (actual.colours.at(l) != expected.colours.at(l) ||
            actual.states.at(l) != expected.states.at(l)) {
            QFAIL(qPrintable(QStringLiteral("line %1 \"%2\": got %3 state %4, expected %5 state %6")
                                 .arg(l)
                                 .arg(lines.at(l), actual.colours.at(l))
                                 .arg(actual.states.at(l))
                                 .arg(expected.colours.at(l))
                                 .arg(expected.states.at(l))));
        }
        if (expected.states.at(l) != -1)
            ++stringOrCommentLines;
    }
    // The sample must exercise the carried states, not only single-line text.
    QVERIFY(stringOrCommentLines > 200);
    QVERIFY(stringOrCommentLines < lines.size() - 200);
}

void TestCssSyntaxHighlighter::matchesReferenceWalkAfterRandomEdits()
{
    QTextDocument doc;
    giveLayout(doc);
    auto *highlighter = new CssSyntaxHighlighter(&doc);
    const ReferenceWalk reference(highlighter->keywordList());
    QRandomGenerator random(7);

    doc.setPlainText(randomLines(random, highlighter->keywordList(), 300).join(QLatin1Char('\n')));
    const QStringList inserts = {QStringLiteral("/*"), QStringLiteral("*/"), QStringLiteral("'"),
                                 QStringLiteral("\""), QStringLiteral("\\"), QStringLiteral("\n"),
                                 QStringLiteral("//"), QStringLiteral("#")};
    for (int edit = 0; edit < 200; ++edit) {
        QTextCursor cursor(&doc);
        cursor.setPosition(random.bounded(doc.characterCount()));
        if (random.bounded(4) == 0 && !cursor.atEnd())
            cursor.deleteChar();
        else
            cursor.insertText(inserts.at(random.bounded(inserts.size())));

        // Only the incremental re-runs of QSyntaxHighlighter are used here, no rehighlight().
        QStringList lines;
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
            lines << block.text();
        const Highlighted actual = collect(doc);
        const Highlighted expected = reference.run(lines);
        QCOMPARE(actual.colours, expected.colours);
        QCOMPARE(actual.states, expected.states);
    }
}

QTEST_MAIN(TestCssSyntaxHighlighter)
#include "tst_csssyntaxhighlighter.moc"
