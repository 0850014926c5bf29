#include "helpdialog.h"
#include "standardbutton.h"

#include "app.h"
#include "engagementlinks.h"
#include "helpviewarea.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

namespace QMWidgets {

namespace {

const QString neverShowKey = QStringLiteral("NeverShowItAgain");

bool neverShowItAgain()
{
    const App *app = App::instance();
    return app && app->setting(neverShowKey, false).toBool();
}

} // namespace

HelpDialog::HelpDialog(QWidget *parent, bool smallScreen) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::applicationName() + tr(" Introduction"));
    setObjectName(QStringLiteral("Dialog"));

    closeButton = makeStandardPushButton(tr("&Close"), this);
    skipButton = makeStandardPushButton(tr("&Always skip intro"), this);
    videoButton = new QPushButton(tr("&Watch videos"), this);
    videoButton->setObjectName(QStringLiteral("VideoButton"));
    videoButton->setFlat(true);
    connect(closeButton, &QPushButton::clicked, this, &HelpDialog::slotReject);
    connect(skipButton, &QPushButton::clicked, this, &HelpDialog::slotNeverShowItAgain);
    connect(videoButton, &QPushButton::clicked, this, &HelpDialog::slotWatchVideo);
    videoButton->hide();

    viewArea = new HelpViewArea(this, smallScreen);

    QBoxLayout *buttonRow = smallScreen ? static_cast<QBoxLayout *>(new QVBoxLayout)
                                        : static_cast<QBoxLayout *>(new QHBoxLayout);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->setSpacing(5);
    buttonRow->addWidget(videoButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(skipButton);
    buttonRow->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(viewArea);
    layout->addLayout(buttonRow);
    closeButton->setFocus(Qt::OtherFocusReason);
}

HelpDialog::~HelpDialog() = default;

void HelpDialog::addSlide(const QString &path)
{
    viewArea->addSlide(path);
}

void HelpDialog::setVideoLink(const QString &link)
{
    if (link.isEmpty())
        return;
    videoLink = link;
    videoButton->show();
}

bool HelpDialog::shouldShowIntroduction()
{
    return !neverShowItAgain();
}

void HelpDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    skipButton->setVisible(!hideSkipButton && !neverShowItAgain());
    viewArea->slotStartSlideShow();
}

void HelpDialog::hideEvent(QHideEvent *event)
{
    viewArea->slotStopSlideShow();
    QDialog::hideEvent(event);
}

void HelpDialog::slotReject()
{
    reject();
}

void HelpDialog::slotNeverShowItAgain()
{
    if (App *app = App::instance())
        app->setSetting(neverShowKey, true);
    accept();
}

void HelpDialog::slotWatchVideo()
{
    if (videoLink.isEmpty())
        return;
    if (QDesktopServices::openUrl(QUrl(videoLink, QUrl::TolerantMode)))
        return;
    App *app = App::instance();
    const QString page = videoPageAddress(domainLabel(QCoreApplication::organizationDomain()),
                                          app ? app->language() : QStringLiteral("en"));
    const QString fallback = videoFallbackLink(videoLink, page);
    if (QDesktopServices::openUrl(QUrl(fallback, QUrl::TolerantMode)))
        return;
    if (app)
        app->slotSupportPage();
}

} // namespace QMWidgets
