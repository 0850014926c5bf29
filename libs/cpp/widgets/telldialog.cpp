#include "telldialog.h"

#include "sharedialoglayout.h"
#include "tellwidget.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace QMWidgets {

TellDialog::TellDialog(QWidget *parent, bool smallScreen) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Share ") + QCoreApplication::applicationName());
    setObjectName(QStringLiteral("Dialog"));

    const QString tag = smallScreen ? QStringLiteral("H4") : QStringLiteral("H2");
    label = new QLabel(this);
    label->setText(QStringLiteral("<CENTER><") + tag + QLatin1Char('>') +
                   tr("If you like the app") +
                   tr("<br>please share it with<br>your friends.<br>Thanks!") +
                   QStringLiteral("</") + tag + QStringLiteral("></CENTER>"));

    widget = new TellWidget(nullptr);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(7);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(label);
    close = addPanelAndCloseButton(this, layout, widget, smallScreen, tr("&Close"));
}

TellDialog::~TellDialog() = default;

} // namespace QMWidgets
