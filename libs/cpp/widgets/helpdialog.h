#pragma once

#include "smallscreen.h"

#include <QDialog>

class QPushButton;

namespace QMWidgets {

class HelpViewArea;

// The introduction: a slide show with a video button and a button to skip it for good.
class HelpDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit HelpDialog(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~HelpDialog() override;

    void addSlide(const QString &path);
    void setVideoLink(const QString &link);
    void setHideSkipButton(bool hide) { hideSkipButton = hide; }

    // False once the user chose to skip the introduction for good.
    static bool shouldShowIntroduction();

    HelpViewArea *helpViewArea() const { return viewArea; }
    QPushButton *skip() const { return skipButton; }
    QPushButton *video() const { return videoButton; }
    QPushButton *close() const { return closeButton; }

public slots:
    void slotReject();
    void slotNeverShowItAgain();
    void slotWatchVideo();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPushButton *skipButton = nullptr;
    HelpViewArea *viewArea = nullptr;
    bool hideSkipButton = false;
    QPushButton *videoButton = nullptr;
    QString videoLink;
    QPushButton *closeButton = nullptr;
};

} // namespace QMWidgets
