#pragma once

#include "smallscreen.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace QMWidgets {

class TellWidget;

// Asks the user to share the application, with the share buttons and a Close button.
class TellDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit TellDialog(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~TellDialog() override;

    QLabel *messageLabel() const { return label; }
    TellWidget *tellWidget() const { return widget; }
    QPushButton *closeButton() const { return close; }

private:
    QLabel *label = nullptr;
    TellWidget *widget = nullptr;
    QPushButton *close = nullptr;
};

} // namespace QMWidgets
