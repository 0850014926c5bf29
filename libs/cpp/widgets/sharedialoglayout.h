#pragma once

#include <QString>

class QBoxLayout;
class QDialog;
class QPushButton;
class QWidget;

namespace QMWidgets {

// The lower part shared by the share and follow dialogs: the panel centred in a row and a
// Close button that accepts the dialog. Adds both rows to the dialog's layout.
QPushButton *addPanelAndCloseButton(QDialog *dialog, QBoxLayout *layout, QWidget *panel,
                                    bool smallScreen, const QString &closeText);

} // namespace QMWidgets
