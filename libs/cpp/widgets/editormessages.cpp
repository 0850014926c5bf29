#include "editormessages.h"

#include "mmessagebox.h"

#include <QMessageBox>

namespace QMWidgets {

void showEditorAbout(QWidget *parent, const QString &title, const QString &text)
{
    MMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void showEditorWarning(QWidget *parent, const QString &title, const QString &text)
{
    // The warnings name files and quote the system's error strings: never read them as markup.
    MMessageBox::warning(parent, title, text, QMessageBox::Ok, Qt::PlainText);
}

} // namespace QMWidgets
