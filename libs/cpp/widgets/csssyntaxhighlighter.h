#pragma once

#include <QString>
#include <QStringList>
#include <QSyntaxHighlighter>

class QTextDocument;

namespace QMWidgets {

// Colours style sheet text in a C-like notation: keywords and operators, digits, strings,
// "//" comments, lines from "#" on and block comments that may span lines.
class CssSyntaxHighlighter final : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    // Block states kept with setCurrentBlockState(); Normal is also "no state yet".
    enum BlockState { Normal = -1, InComment = 0, InString = 1 };

    explicit CssSyntaxHighlighter(QTextDocument *parent);

    // The first entry of keywords, in list order, that the text holds at position; case
    // sensitive. Empty when none does.
    QString keywordAt(int position, const QString &text) const;

    const QStringList &keywordList() const { return keywords; }

protected:
    void highlightBlock(const QString &text) override;

private:
    // Order matters: a longer token stands before every shorter token it begins with.
    QStringList keywords;
};

} // namespace QMWidgets
