#pragma once

#include "reminderstatedialog.h"
#include "smallscreen.h"

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace QMWidgets {

// The common look of the prompts: logo, message, a row for extra content and four answer
// buttons. Subclasses set the texts and connect the buttons they use.
class ReminderDialog : public ReminderStateDialog
{
    Q_OBJECT

public:
    explicit ReminderDialog(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~ReminderDialog() override;

    QLabel *messageLabel() const { return textLabel; }
    QLabel *logo() const { return logoLabel; }
    QPushButton *rate() const { return rateButton; }
    QPushButton *mail() const { return mailButton; }
    QPushButton *later() const { return laterButton; }
    QPushButton *never() const { return neverButton; }
    QBoxLayout *buttonRow() const { return buttonLayout; }
    QBoxLayout *headRow() const { return headLayout; }
    bool isSmallScreenLayout() const { return smallScreenLayout; }

public slots:
    void slotMail();
    void slotRate();
    void slotMaybeLater();
    void slotNeverAskMeAgain();

protected:
    QLabel *textLabel = nullptr;
    QPushButton *rateButton = nullptr;
    QPushButton *mailButton = nullptr;
    QPushButton *laterButton = nullptr;
    QPushButton *neverButton = nullptr;
    QHBoxLayout *contentLayout = nullptr;
    QLabel *logoLabel = nullptr;

private:
    QBoxLayout *headLayout = nullptr;
    QBoxLayout *buttonLayout = nullptr;
    bool smallScreenLayout = false;
};

} // namespace QMWidgets
