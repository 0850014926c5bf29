#include "aboutdialog.h"
#include "standardbutton.h"

#include "app.h"
#include "builddate.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {

QString resourceDirectoryPath()
{
    if (const App *app = App::instance())
        return app->resourceDirectory();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Resources/");
}

QString qtNoticeHtml()
{
    if (const App *app = App::instance())
        return app->qtNotice();
    return QString();
}

QHBoxLayout *centredRow(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(widget);
    row->addStretch(1);
    return row;
}

} // namespace

QString makerSiteAddress()
{
    return QStringLiteral("http://www.velmora.com");
}

QString aboutInfoText(const QString &productName, const QString &version, const QDate &built,
                      const QLocale &locale)
{
    const QString site = makerSiteAddress();
    const QString shownSite = QUrl(site).host();
    // Separately translated pieces, so a translator never sees markup.
    QString html =
        QStringLiteral("<center><b>") + productName.toHtmlEscaped() + QStringLiteral("</b> ") +
        AboutDialog::tr("version %1").arg(version.toHtmlEscaped()) + QStringLiteral("<br>");
    if (built.isValid())
        html += AboutDialog::tr("Build date: %1")
                    .arg(locale.toString(built, QLocale::LongFormat).toHtmlEscaped()) +
                QStringLiteral("<br>");
    html += AboutDialog::tr("Copyright © %1 Velmora. All rights reserved.")
                .arg(built.isValid() ? built.year() : QDate::currentDate().year()) +
            QStringLiteral("<br><a style=\"color:#9fd0ff;\" href=\"") + site +
            QStringLiteral("\">") + shownSite + QStringLiteral("</a></center>");
    return html;
}

QString licenceHtml(const QByteArray &fileContents)
{
    const int end = fileContents.indexOf('\0');
    const QString text = QString::fromLatin1(end < 0 ? fileContents : fileContents.left(end));
    if (Qt::mightBeRichText(text))
        return text;
    // The shipped licence is plain text; as HTML its paragraphs would run together and its
    // "<https://...>" addresses would be taken for tags.
    return QStringLiteral("<p style=\"white-space:pre-wrap;\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    // A dialog, not a plain window: only a dialog is made transient for its parent.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::CustomizeWindowHint);
    setWindowTitle(QCoreApplication::applicationName() + tr(" Info"));

    logoLabel = new QLabel(this);
    logoLabel->setObjectName(QStringLiteral("LogoLabel"));
    logoLabel->setFixedSize(290, 290);
    logoLabel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    logoLabel->setLineWidth(5);
    logoLabel->setAutoFillBackground(true);

    legalButton = makeStandardPushButton(tr("&Legal Notices"), this);
    connect(legalButton, &QPushButton::clicked, this, &AboutDialog::slotLegalNoticesClicked);
    QPushButton *okButton = makeStandardPushButton(tr("&Ok"), this);
    connect(okButton, &QPushButton::clicked, this, &AboutDialog::slotOkClicked);

    infoLabel = new QLabel(this);
    infoLabel->setObjectName(QStringLiteral("AboutInfoLabel"));
    infoLabel->setStyleSheet(QStringLiteral("background: black;"));
    infoLabel->setOpenExternalLinks(true);
    infoLabel->setFixedHeight(87);
    QLocale locale;
    if (App *app = App::instance())
        locale = QLocale(app->language());
    infoLabel->setText(aboutInfoText(QCoreApplication::applicationName(),
                                     QCoreApplication::applicationVersion(), buildDate(), locale));

    legalInfoView = new QTextBrowser(this);
    legalInfoView->setObjectName(QStringLiteral("AboutLegalInfo"));
    legalInfoView->hide();
    legalInfoView->setReadOnly(true);
    legalInfoView->setOpenLinks(false);
    legalInfoView->setOpenExternalLinks(false);
    connect(legalInfoView, &QTextBrowser::anchorClicked, this, &AboutDialog::slotAnchorClicked);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(5);
    layout->addLayout(centredRow(logoLabel));
    layout->addWidget(infoLabel);
    layout->addWidget(legalInfoView);
    layout->addLayout(centredRow(legalButton));
    layout->addLayout(centredRow(okButton));

    okButton->setFocus(Qt::OtherFocusReason);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::showInfoPage(bool info)
{
    const QSize keep = size();
    infoLabel->setVisible(info);
    logoLabel->setVisible(info);
    legalInfoView->setVisible(!info);
    if (info) {
        legalButton->setText(tr("&Legal Notices"));
    } else {
        legalButton->setText(tr("&Back"));
        legalInfoView->setHtml(QStringLiteral("<BODY><CENTER>") + qtNoticeHtml() +
                               QStringLiteral("</CENTER></BODY>"));
    }
    setFixedSize(keep);
}

void AboutDialog::slotLegalNoticesClicked()
{
    showInfoPage(logoLabel->isHidden());
}

void AboutDialog::slotOkClicked()
{
    close();
    showInfoPage(true);
}

void AboutDialog::slotAnchorClicked(const QUrl &url)
{
    if (!url.toLocalFile().contains(QLatin1String(".LGPL"))) {
        QDesktopServices::openUrl(url);
        return;
    }
    QFile file(resourceDirectoryPath() + QStringLiteral("LICENSE.LGPL"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    legalInfoView->setHtml(licenceHtml(file.readAll()));
    file.close();
}

} // namespace QMWidgets
