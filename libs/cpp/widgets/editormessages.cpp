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
    MMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

} // namespace QMWidgets
