#include "standardbutton.h"

#include <QPushButton>

namespace QMWidgets {

QPushButton *makeStandardPushButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QStringLiteral("PushButton"));
    button->setFlat(true);
    button->setMinimumHeight(32);
    return button;
}

} // namespace QMWidgets
