#pragma once

#include "reminderdialog.h"

namespace QMWidgets {

class JoinWidget;

// The quit-time prompt to follow the maker.
class JoinReminderDialog final : public ReminderDialog
{
    Q_OBJECT

public:
    explicit JoinReminderDialog(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~JoinReminderDialog() override;

    JoinWidget *joinWidget() const { return widget; }

private:
    JoinWidget *widget = nullptr;
};

} // namespace QMWidgets
