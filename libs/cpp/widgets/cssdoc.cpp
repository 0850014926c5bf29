#include "cssdoc.h"

#include "csssyntaxhighlighter.h"
#include "editormessages.h"
#include "filedialogs.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QTextStream>

namespace QMWidgets {

CssDoc::CssDoc(QWidget *parent) : QTextEdit(parent)
{
    highlighter = new CssSyntaxHighlighter(document());
    applyEditorLook();
}

void CssDoc::applyEditorLook()
{
    // The sheet first: re-polishing may hand the widget a font from the application sheet, and
    // QTextEdit copies a changed widget font into the document.
    setStyleSheet(QStringLiteral("QTextEdit{background: #000060; color: yellow;}"));
    document()->setDefaultFont(QFont(QStringLiteral("Lucida Console"), 12, QFont::Normal, false));
}

void CssDoc::slotLoad()
{
    const QString path = getOpenFileName(this, QString(), QString(), QString());
    if (path.isEmpty())
        return;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextStream in(&file);
    setPlainText(in.readAll());
    file.close();

    fileName = path;
    emit changeWindowTitle(fileName);
}

void CssDoc::slotSave()
{
    if (fileName.isEmpty()) {
        slotSaveAs();
        return;
    }
    if (writeToFile())
        emit changeWindowTitle(fileName);
}

void CssDoc::slotSaveAs()
{
    const QString path = getSaveFileName(this, QString(), fileName, QString());
    if (path.isEmpty())
        return;

    // A save-as that could not be written keeps the document bound to its previous file, in
    // step with the title, so a later Save does not aim at the failed path unasked.
    const QString previous = fileName;
    fileName = path;
    if (writeToFile())
        emit changeWindowTitle(fileName);
    else
        fileName = previous;
}

bool CssDoc::writeToFile()
{
    QFile file(fileName);
    QString reason;
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QTextStream out(&file);
        out << toPlainText();
        out.flush();
        // close() flushes the last buffered bytes, so a full disk may only show there; but a
        // close that succeeds clears an error of an earlier write, so look before and after.
        if (file.error() != QFileDevice::NoError)
            reason = file.errorString();
        const bool streamFailed = out.status() != QTextStream::Ok;
        file.close();
        if (reason.isEmpty() && file.error() != QFileDevice::NoError)
            reason = file.errorString();
        if (reason.isEmpty() && !streamFailed)
            return true;
        if (reason.isEmpty())
            reason = tr("The data could not be written.");
    } else {
        reason = file.errorString();
    }

    showEditorWarning(this, tr("Save Failed"),
                      tr("The style sheet could not be saved to %1.\n%2")
                          .arg(QDir::toNativeSeparators(fileName), reason));
    return false;
}

} // namespace QMWidgets
