#pragma once

#include "smallscreen.h"

#include <QDialog>

class QPushButton;

namespace QMWidgets {

class JoinWidget;

// Invites the user to follow the maker, with the follow buttons and a Close button.
class JoinDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit JoinDialog(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~JoinDialog() override;

    JoinWidget *joinWidget() const { return widget; }
    QPushButton *closeButton() const { return close; }

private:
    JoinWidget *widget = nullptr;
    QPushButton *close = nullptr;
};

} // namespace QMWidgets
