#include "sharedialoglayout.h"
#include "standardbutton.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace QMWidgets {

QPushButton *addPanelAndCloseButton(QDialog *dialog, QBoxLayout *layout, QWidget *panel,
                                    bool smallScreen, const QString &closeText)
{
    auto *panelRow = new QHBoxLayout;
    panelRow->setSpacing(7);
    panelRow->setContentsMargins(15, 15, 15, 15);
    panelRow->addStretch(1);
    panelRow->addWidget(panel);
    panelRow->addStretch(1);

    QPushButton *close = makeStandardPushButton(closeText, dialog);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);

    QBoxLayout *buttonRow = smallScreen ? static_cast<QBoxLayout *>(new QVBoxLayout)
                                        : static_cast<QBoxLayout *>(new QHBoxLayout);
    buttonRow->setContentsMargins(10, 10, 10, 10);
    buttonRow->setSpacing(7);
    buttonRow->addStretch(1);
    buttonRow->addWidget(close);
    buttonRow->addStretch(1);

    layout->addLayout(panelRow);
    layout->addLayout(buttonRow);
    return close;
}

} // namespace QMWidgets
