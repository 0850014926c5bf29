#include "joindialog.h"

#include "joinwidget.h"
#include "sharedialoglayout.h"

#include <QVBoxLayout>

namespace QMWidgets {

JoinDialog::JoinDialog(QWidget *parent, bool smallScreen) : QDialog(parent)
{
    setWindowTitle(tr("Join us"));
    setObjectName(QStringLiteral("Dialog"));

    widget = new JoinWidget(nullptr, smallScreen);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(7);
    layout->setContentsMargins(10, 10, 10, 10);
    close = addPanelAndCloseButton(this, layout, widget, smallScreen, tr("&Close"));
}

JoinDialog::~JoinDialog() = default;

} // namespace QMWidgets
