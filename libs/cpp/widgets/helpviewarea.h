#pragma once

#include "smallscreen.h"

#include <QFrame>

class QButtonGroup;
class QHBoxLayout;
class QSignalMapper;
class QTimer;

namespace QMWidgets {

class HelpDisplay;

// The slides of the introduction: the picture, numbered buttons below it and the timer that
// moves on every five seconds.
class HelpViewArea final : public QFrame
{
    Q_OBJECT

public:
    explicit HelpViewArea(QWidget *parent = nullptr, bool smallScreen = isSmallScreen());
    ~HelpViewArea() override;

    void addSlide(const QString &path);

    QTimer *timer() const { return slideTimer; }
    HelpDisplay *helpDisplay() const { return display; }
    QButtonGroup *buttons() const { return buttonGroup; }
    int slides() const { return slideCount; }

public slots:
    void slotButtonClicked();
    void slotShowSlide(const QString &path);
    void slotShowNextSlide();
    void slotStartSlideShow();
    void slotStopSlideShow();

private:
    QTimer *slideTimer = nullptr;
    HelpDisplay *display = nullptr;
    QHBoxLayout *buttonRow = nullptr;
    QButtonGroup *buttonGroup = nullptr;
    QSignalMapper *mapper = nullptr;
    int slideCount = 0;
};

} // namespace QMWidgets
