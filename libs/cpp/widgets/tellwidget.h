#pragma once

#include <QFrame>

class QPushButton;

namespace QMWidgets {

// The share buttons: pictures only (from the style sheet), one per way of sharing.
class TellWidget final : public QFrame
{
    Q_OBJECT

public:
    explicit TellWidget(QWidget *parent = nullptr);
    ~TellWidget() override;

    QPushButton *faceBookButton() const { return faceBook; }
    QPushButton *twitterButton() const { return twitter; }
    QPushButton *linkedinButton() const { return linkedin; }
    QPushButton *vkontakteButton() const { return vkontakte; }
    QPushButton *emailButton() const { return email; }

public slots:
    void slotLinkedinClicked();
    void slotFaceBookClicked();
    void slotTwitterClicked();
    void slotVKontakteClicked();
    void slotEmailClicked();

private:
    QPushButton *faceBook = nullptr;
    QPushButton *twitter = nullptr;
    QPushButton *linkedin = nullptr;
    QPushButton *vkontakte = nullptr;
    QPushButton *email = nullptr;
};

// A share or follow button: flat, checkable, 190 by 35, its picture chosen by object name.
QPushButton *makePictureButton(const QString &objectName, QWidget *parent);

} // namespace QMWidgets
