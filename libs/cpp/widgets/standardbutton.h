#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace QMWidgets {

// The dialogs' common push button: object name "PushButton" (the style sheet's rule for it),
// flat, at least 32 pixels high.
QPushButton *makeStandardPushButton(const QString &text, QWidget *parent);

} // namespace QMWidgets
