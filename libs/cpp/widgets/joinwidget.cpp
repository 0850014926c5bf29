#include "joinwidget.h"

#include "app.h"
#include "engagementlinks.h"
#include "mmessagebox.h"
#include "serviceaddresses.h"
#include "tellwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace QMWidgets {

JoinWidget::JoinWidget(QWidget *parent, bool smallScreen) : QFrame(parent)
{
    App *app = App::instance();
    const QString a = smallScreen ? QStringLiteral("H5") : QStringLiteral("H3");
    const QString b = smallScreen ? QStringLiteral("H4") : QStringLiteral("H3");
    label = new QLabel(this);
    label->setText(QLatin1Char('<') + a + QLatin1Char('>') +
                   tr("Follow us and stay informed<br>about our") + QStringLiteral("</") + a +
                   QStringLiteral("><") + b + QLatin1Char('>') + tr("   1. Important News<br>") +
                   tr("   2. New APPs<br>") + tr("   3. APP Updates<br>") + tr("   and more...") +
                   QStringLiteral("</") + b + QLatin1Char('>'));

    youTube = makePictureButton(QStringLiteral("YouTubeJoinButton"), this);
    faceBook = makePictureButton(QStringLiteral("FaceBookJoinButton"), this);
    twitter = makePictureButton(QStringLiteral("TwitterJoinButton"), this);
    vkontakte = makePictureButton(QStringLiteral("VKontakteJoinButton"), this);
    email = makePictureButton(QStringLiteral("EmailJoinButton"), this);
    youTube->setToolTip(tr("Follow us on YouTube"));
    faceBook->setToolTip(tr("Follow us on Facebook"));
    twitter->setToolTip(tr("Follow us on Twitter"));
    vkontakte->setToolTip(tr("Follow us on VKontakte"));
    vkontakte->setVisible(app && app->language() == QLatin1String("ru"));
    email->hide();

    connect(youTube, &QPushButton::clicked, this, &JoinWidget::slotYouTubeClicked);
    connect(faceBook, &QPushButton::clicked, this, &JoinWidget::slotFaceBookClicked);
    connect(twitter, &QPushButton::clicked, this, &JoinWidget::slotTwitterClicked);
    connect(vkontakte, &QPushButton::clicked, this, &JoinWidget::slotVKontakteClicked);
    connect(email, &QPushButton::clicked, this, &JoinWidget::slotEmailClicked);

    auto *column = new QVBoxLayout;
    column->setSpacing(6);
    column->setContentsMargins(10, 10, 10, 10);
    for (QPushButton *button : {youTube, faceBook, twitter, vkontakte, email})
        column->addWidget(button);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addLayout(column);
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addLayout(row);
}

JoinWidget::~JoinWidget() = default;

namespace {

bool independent()
{
    const App *app = App::instance();
    return app && app->isIndependentEdition();
}

} // namespace

void JoinWidget::slotYouTubeClicked()
{
    youTube->setChecked(false);
    App::openLink(
        youTubeFollowLink(makerPages(), serviceAddresses().applicationWebServer, independent()));
}

void JoinWidget::slotFaceBookClicked()
{
    faceBook->setChecked(false);
    const App *app = App::instance();
    MMessageBox::information(app ? app->dialogParent() : nullptr, tr("Information"),
                             tr("<H3>\"Like\" Velmora on Facebook to join us!<br>Thank you!</H3>"),
                             QMessageBox::Ok);
    App::openLink(
        facebookFollowLink(makerPages(), serviceAddresses().applicationWebServer, independent()));
}

void JoinWidget::slotTwitterClicked()
{
    twitter->setChecked(false);
    App::openLink(
        twitterFollowLink(makerPages(), serviceAddresses().applicationWebServer, independent()));
}

void JoinWidget::slotVKontakteClicked()
{
    vkontakte->setChecked(false);
    App::openLink(vkontakteFollowLink(makerPages()));
}

void JoinWidget::slotEmailClicked() {}

} // namespace QMWidgets
