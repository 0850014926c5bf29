#include "joinreminderdialog.h"

#include "joinwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace QMWidgets {

JoinReminderDialog::JoinReminderDialog(QWidget *parent, bool smallScreen)
    : ReminderDialog(parent, smallScreen)
{
    setWindowTitle(tr("Join Us"));
    widget = new JoinWidget(nullptr, smallScreen);
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

JoinReminderDialog::~JoinReminderDialog() = default;

} // namespace QMWidgets
