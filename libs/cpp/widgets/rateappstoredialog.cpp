#include "rateappstoredialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace QMWidgets {

RateAppStoreDialog::RateAppStoreDialog(QWidget *parent, bool smallScreen)
    : ReminderDialog(parent, smallScreen)
{
    const QString name = QCoreApplication::applicationName();
    setWindowTitle(tr("Rate \"") + name + QLatin1Char('"'));
    mailButton->hide();
    rateButton->setText(tr("&Rate It Now"));

    const QString h1 = smallScreen ? QStringLiteral("H3") : QStringLiteral("H2");
    const QString h2 = smallScreen ? QStringLiteral("H4") : QStringLiteral("H3");
    textLabel->setText(QStringLiteral("<CENTER><") + h1 + QLatin1Char('>') + tr("Enjoying \"") +
                       name.toHtmlEscaped() + tr("\" ?") + QStringLiteral("</") + h1 +
                       QStringLiteral("><") + h2 + QLatin1Char('>') +
                       tr("Please rate the app on the App Store.<br>This will help us improve "
                          "<br>the app's features in the future.") +
                       QStringLiteral("<br></") + h2 + QStringLiteral("></CENTER>"));

    rateButton->setFocus(Qt::OtherFocusReason);
    rateButton->setDefault(true);
    connect(rateButton, &QPushButton::clicked, this, &ReminderDialog::slotRate);
    connect(laterButton, &QPushButton::clicked, this, &ReminderDialog::slotMaybeLater);
    connect(neverButton, &QPushButton::clicked, this, &ReminderDialog::slotNeverAskMeAgain);
}

RateAppStoreDialog::~RateAppStoreDialog() = default;

} // namespace QMWidgets
