#include "tellwidget.h"

#include "app.h"
#include "engagementlinks.h"
#include "engagementpictures.h"
#include "serviceaddresses.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace QMWidgets {

QPushButton *makePictureButton(const QString &objectName, QWidget *parent)
{
    ensureEngagementPictures();
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setFlat(true);
    button->setCheckable(true);
    button->setFixedSize(190, 35);
    return button;
}

TellWidget::TellWidget(QWidget *parent) : QFrame(parent)
{
    App *app = App::instance();
    faceBook = makePictureButton(QStringLiteral("FaceBookShareButton"), this);
    twitter = makePictureButton(QStringLiteral("TwitterShareButton"), this);
    linkedin = makePictureButton(QStringLiteral("LinkedinShareButton"), this);
    vkontakte = makePictureButton(QStringLiteral("VKontakteShareButton"), this);
    email = makePictureButton(QStringLiteral("EmailShareButton"), this);
    faceBook->setToolTip(tr("Share on Facebook"));
    twitter->setToolTip(tr("Share on Twitter"));
    email->setToolTip(tr("Tell a friend by e-mail"));

    faceBook->setVisible(app && !app->facebookShareLinkValue().isEmpty());
    twitter->setVisible(app && !app->twitterShareLinkValue().isEmpty());
    linkedin->hide();
    vkontakte->hide();

    connect(faceBook, &QPushButton::clicked, this, &TellWidget::slotFaceBookClicked);
    connect(twitter, &QPushButton::clicked, this, &TellWidget::slotTwitterClicked);
    connect(linkedin, &QPushButton::clicked, this, &TellWidget::slotLinkedinClicked);
    connect(vkontakte, &QPushButton::clicked, this, &TellWidget::slotVKontakteClicked);
    connect(email, &QPushButton::clicked, this, &TellWidget::slotEmailClicked);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    layout->setContentsMargins(10, 10, 10, 10);
    for (QPushButton *button : {faceBook, twitter, linkedin, vkontakte, email})
        layout->addWidget(button);
}

TellWidget::~TellWidget() = default;

void TellWidget::slotLinkedinClicked() {}

void TellWidget::slotFaceBookClicked()
{
    faceBook->setChecked(false);
    App *app = App::instance();
    if (!app)
        return;
    QString link = app->facebookShareLinkValue();
    if (app->isIndependentEdition())
        link = shareRedirectLink(serviceAddresses().applicationWebServer, link);
    App::openLink(link);
}

void TellWidget::slotTwitterClicked()
{
    twitter->setChecked(false);
    App *app = App::instance();
    if (!app)
        return;
    QString link = app->twitterShareLinkValue();
    if (app->isIndependentEdition())
        link = shareRedirectLink(serviceAddresses().applicationWebServer, link);
    App::openLink(link);
}

void TellWidget::slotVKontakteClicked() {}

void TellWidget::slotEmailClicked()
{
    email->setChecked(false);
    if (App *app = App::instance())
        app->slotTellFriend();
}

} // namespace QMWidgets
