#include "csssyntaxhighlighter.h"

#include <QColor>
#include <QTextDocument>

namespace QMWidgets {

namespace {

bool isDigitAt(const QString &text, int i)
{
    const QChar c = text.at(i);
    if (c.unicode() < 0x80)
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    return c.isNumber();
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

bool pairAt(const QString &text, int i, char first, char second)
{
    return i + 1 < text.size() && text.at(i) == QLatin1Char(first) &&
           text.at(i + 1) == QLatin1Char(second);
}

} // namespace

CssSyntaxHighlighter::CssSyntaxHighlighter(QTextDocument *parent) : QSyntaxHighlighter(parent)
{
    keywords = QStringList{
        QStringLiteral("foreach"), QStringLiteral("bool"),      QStringLiteral("int"),
        QStringLiteral("void"),    QStringLiteral("double"),    QStringLiteral("float"),
        QStringLiteral("char"),    QStringLiteral("delete"),    QStringLiteral("class"),
        QStringLiteral("const"),   QStringLiteral("virtual"),   QStringLiteral("mutable"),
        QStringLiteral("this"),    QStringLiteral("struct"),    QStringLiteral("union"),
        QStringLiteral("throw"),   QStringLiteral("for"),       QStringLiteral("if"),
        QStringLiteral("else"),    QStringLiteral("false"),     QStringLiteral("namespace"),
        QStringLiteral("switch"),  QStringLiteral("case"),      QStringLiteral("public"),
        QStringLiteral("private"), QStringLiteral("protected"), QStringLiteral("new"),
        QStringLiteral("return"),  QStringLiteral("using"),     QStringLiteral("true"),
        QStringLiteral("->"),      QStringLiteral(">>"),        QStringLiteral("<<"),
        QStringLiteral(">"),       QStringLiteral("<"),         QStringLiteral("("),
        QStringLiteral(")"),       QStringLiteral("{"),         QStringLiteral("}"),
        QStringLiteral("["),       QStringLiteral("]"),         QStringLiteral("+"),
        QStringLiteral("-"),       QStringLiteral("*"),         QStringLiteral("/"),
        QStringLiteral("="),       QStringLiteral("!"),         QStringLiteral("."),
        QStringLiteral(","),       QStringLiteral(";"),         QStringLiteral(":"),
        QStringLiteral("&"),       QStringLiteral("emit"),      QStringLiteral("connect"),
        QStringLiteral("SIGNAL"),  QStringLiteral("|"),         QStringLiteral("SLOT"),
        QStringLiteral("slots"),   QStringLiteral("signals")};
}

QString CssSyntaxHighlighter::keywordAt(int position, const QString &text) const
{
    if (position < 0 || position >= text.size())
        return QString();
    const QChar first = text.at(position);
    for (const QString &keyword : keywords) {
        // The first character rules out almost every entry without building a substring.
        if (keyword.at(0) == first && text.midRef(position, keyword.size()) == keyword)
            return keyword;
    }
    return QString();
}

void CssSyntaxHighlighter::highlightBlock(const QString &text)
{
    const QColor keywordColor(Qt::white);
    const QColor numberColor(Qt::cyan);
    const QColor stringColor(Qt::cyan);
    const QColor commentColor(Qt::darkGray);
    const QColor hashColor(Qt::green);

    int state = previousBlockState();
    int start = 0;
    const int n = text.size();

    int i = 0;
    while (i < n) {
        if (state == InComment) {
            if (pairAt(text, i, '*', '/')) {
                setFormat(start, i - start + 2, commentColor);
                i += 2;
                state = Normal;
                continue;
            }
            ++i;
        } else if (state == InString) {
            if (isQuote(text.at(i)) && (i == 0 || text.at(i - 1) != QLatin1Char('\\'))) {
                setFormat(start, i - start + 1, stringColor);
                state = Normal;
            }
            ++i;
        } else {
            if (pairAt(text, i, '/', '/')) {
                setFormat(i, n - i, commentColor);
                setCurrentBlockState(state);
                return;
            }
            if (text.at(i) == QLatin1Char('#')) {
                setFormat(i, n - i, hashColor);
                setCurrentBlockState(state);
                return;
            }
            if (isDigitAt(text, i)) {
                setFormat(i, 1, numberColor);
                ++i;
            } else if (pairAt(text, i, '/', '*')) {
                // The search for "*/" begins at this "*", so "/*/" is a whole comment.
                start = i;
                state = InComment;
                ++i;
            } else if (isQuote(text.at(i))) {
                start = i;
                state = InString;
                ++i;
            } else {
                const QString keyword = keywordAt(i, text);
                if (keyword.isEmpty()) {
                    ++i;
                } else {
                    setFormat(i, keyword.size(), keywordColor);
                    i += keyword.size();
                }
            }
        }
    }

    if (state == InComment)
        setFormat(start, n - start, commentColor);
    else if (state == InString)
        setFormat(start, n - start, stringColor);
    setCurrentBlockState(state);
}

} // namespace QMWidgets
