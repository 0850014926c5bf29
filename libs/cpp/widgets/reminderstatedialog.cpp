#include "reminderstatedialog.h"

#include <QCoreApplication>

namespace QMWidgets {

ReminderStateDialog::ReminderStateDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::applicationName());
}

ReminderStateDialog::~ReminderStateDialog() = default;

} // namespace QMWidgets
