#pragma once

#include "reminderdialog.h"

namespace QMWidgets {

class TellWidget;

// The quit-time prompt to share the application.
class TellReminderDialog final : public ReminderDialog
{
    Q_OBJECT

public:
    explicit TellReminderDialog(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~TellReminderDialog() override;

    TellWidget *tellWidget() const { return widget; }

private:
    TellWidget *widget = nullptr;
};

} // namespace QMWidgets
