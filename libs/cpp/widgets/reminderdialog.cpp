#include "reminderdialog.h"
#include "standardbutton.h"

#include "app.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {

bool remindersWanted()
{
    const App *app = App::instance();
    return !app || app->setting(QStringLiteral("AutoReminder"), true).toBool();
}

} // namespace

ReminderDialog::ReminderDialog(QWidget *parent, bool smallScreen)
    : ReminderStateDialog(parent), smallScreenLayout(smallScreen)
{
    setObjectName(QStringLiteral("Dialog"));

    rateButton = makeStandardPushButton(tr("&Rate"), this);
    mailButton = makeStandardPushButton(tr("&Mail"), this);
    laterButton = makeStandardPushButton(tr("&Later"), this);
    neverButton = makeStandardPushButton(tr("&Don't ask me again"), this);
    // Offered only while prompts are still wanted; a prompt shown on request may come after.
    neverButton->setVisible(remindersWanted());

    textLabel = new QLabel(this);
    textLabel->setMinimumHeight(90);
    logoLabel = new QLabel(this);
    logoLabel->setObjectName(QStringLiteral("LogoLabel"));
    logoLabel->setFixedSize(90, 90);

    contentLayout = new QHBoxLayout;
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);

    if (smallScreen) {
        headLayout = new QVBoxLayout;
        auto *logoRow = new QHBoxLayout;
        logoRow->addStretch(1);
        logoRow->addWidget(logoLabel);
        logoRow->addStretch(1);
        headLayout->addLayout(logoRow);
    } else {
        headLayout = new QHBoxLayout;
        headLayout->addWidget(logoLabel);
    }
    headLayout->setContentsMargins(0, 0, 0, 0);
    headLayout->setSpacing(5);
    headLayout->addWidget(textLabel);

    if (smallScreen) {
        buttonLayout = new QVBoxLayout;
        for (QPushButton *button : {mailButton, rateButton, laterButton, neverButton})
            buttonLayout->addWidget(button);
    } else {
        buttonLayout = new QHBoxLayout;
        for (QPushButton *button : {neverButton, laterButton, rateButton, mailButton})
            buttonLayout->addWidget(button);
    }
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->setSpacing(5);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(1);
    layout->addLayout(headLayout);
    layout->addLayout(contentLayout);
    layout->addLayout(buttonLayout);
}

ReminderDialog::~ReminderDialog() = default;

void ReminderDialog::slotMail()
{
    setState(StateMail);
    accept();
}

void ReminderDialog::slotRate()
{
    setState(StateRate);
    accept();
}

void ReminderDialog::slotMaybeLater()
{
    setState(StateMaybeLater);
    accept();
}

void ReminderDialog::slotNeverAskMeAgain()
{
    setState(StateNeverAskMeAgain);
    accept();
}

} // namespace QMWidgets
