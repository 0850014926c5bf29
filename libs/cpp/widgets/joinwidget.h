#pragma once

#include "smallscreen.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace QMWidgets {

// The follow buttons for the maker's pages on the social networks, under a short invitation.
class JoinWidget final : public QFrame
{
    Q_OBJECT

public:
    explicit JoinWidget(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~JoinWidget() override;

    QLabel *invitationLabel() const { return label; }
    QPushButton *youTubeButton() const { return youTube; }
    QPushButton *faceBookButton() const { return faceBook; }
    QPushButton *twitterButton() const { return twitter; }
    QPushButton *vkontakteButton() const { return vkontakte; }
    QPushButton *emailButton() const { return email; }

public slots:
    void slotYouTubeClicked();
    void slotFaceBookClicked();
    void slotTwitterClicked();
    void slotVKontakteClicked();
    void slotEmailClicked();

private:
    QLabel *label = nullptr;
    QPushButton *youTube = nullptr;
    QPushButton *faceBook = nullptr;
    QPushButton *twitter = nullptr;
    QPushButton *vkontakte = nullptr;
    QPushButton *email = nullptr;
};

} // namespace QMWidgets
