#pragma once

#include "reminderdialog.h"

namespace QMWidgets {

// The prompt that asks the user to rate the application.
class RateAppStoreDialog final : public ReminderDialog
{
    Q_OBJECT

public:
    explicit RateAppStoreDialog(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~RateAppStoreDialog() override;
};

} // namespace QMWidgets
