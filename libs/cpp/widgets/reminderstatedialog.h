#pragma once

#include "reminderschedule.h"

#include <QDialog>

namespace QMWidgets {

// A prompt that remembers which answer the user gave; StateNone until one is recorded.
class ReminderStateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ReminderStateDialog(QWidget *parent = nullptr);
    ~ReminderStateDialog() override;

    int state() const { return reminderState; }

protected:
    void setState(int value) { reminderState = value; }

private:
    int reminderState = StateNone;
};

} // namespace QMWidgets
