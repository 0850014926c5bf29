#pragma once

#include <QString>
#include <QTextEdit>

namespace QMWidgets {

class CssSyntaxHighlighter;

// The text of the style sheet editor: a highlighted plain-text document bound to at most one
// file, loaded and saved through the library's file dialogs.
class CssDoc final : public QTextEdit
{
    Q_OBJECT

public:
    explicit CssDoc(QWidget *parent = nullptr);

    // Lucida Console 12 pt and yellow on dark blue, whatever the application sheet says.
    void applyEditorLook();

    // The file last loaded or saved; empty until then.
    QString filePath() const { return fileName; }
    CssSyntaxHighlighter *syntaxHighlighter() const { return highlighter; }

signals:
    void changeWindowTitle(const QString &path);

public slots:
    void slotLoad();
    void slotSave();
    void slotSaveAs();

private:
    // Writes the text to fileName; on failure tells the user why and returns false.
    bool writeToFile();

    QString fileName;
    CssSyntaxHighlighter *highlighter = nullptr;
};

} // namespace QMWidgets
