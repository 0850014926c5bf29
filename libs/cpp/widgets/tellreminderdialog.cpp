#include "tellreminderdialog.h"

#include "tellwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace QMWidgets {

TellReminderDialog::TellReminderDialog(QWidget *parent, bool smallScreen)
    : ReminderDialog(parent, smallScreen)
{
    setWindowTitle(tr("Share"));
    widget = new TellWidget(nullptr);
    contentLayout->addStretch(1);
    contentLayout->addWidget(widget);
    contentLayout->addStretch(1);

    rateButton->setText(tr("&Close"));
    rateButton->setFocus(Qt::OtherFocusReason);
    textLabel->hide();
    laterButton->hide();
    mailButton->hide();
    connect(rateButton, &QPushButton::clicked, this, &QDialog::accept);
    // Declining for good must stick here as in the rate prompt, or the button would be a lie.
    connect(neverButton, &QPushButton::clicked, this, &ReminderDialog::slotNeverAskMeAgain);
}

TellReminderDialog::~TellReminderDialog() = default;

} // namespace QMWidgets
