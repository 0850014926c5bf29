#include "helpviewarea.h"

#include "helpdisplay.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalMapper>
#include <QTimer>
#include <QVBoxLayout>

namespace QMWidgets {

HelpViewArea::HelpViewArea(QWidget *parent, bool smallScreen) : QFrame(parent)
{
    setObjectName(QStringLiteral("HelpViewArea"));
    slideTimer = new QTimer(this);
    slideTimer->setInterval(5000);
    connect(slideTimer, &QTimer::timeout, this, &HelpViewArea::slotShowNextSlide);
    mapper = new QSignalMapper(this);
    connect(mapper, &QSignalMapper::mappedString, this, &HelpViewArea::slotShowSlide);

    display = new HelpDisplay(this);
    display->setMinimumSize(smallScreen ? QSize(280, 220) : QSize(400, 300));

    // No Qt parent: deleted with the view area below.
    buttonGroup = new QButtonGroup;
    buttonGroup->setExclusive(true);
    connect(buttonGroup, qOverload<QAbstractButton *>(&QButtonGroup::buttonClicked), this,
            &HelpViewArea::slotButtonClicked);

    buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->setSpacing(3);
    auto *outer = new QHBoxLayout;
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addStretch(1);
    outer->addLayout(buttonRow);
    outer->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(display);
    layout->addLayout(outer);
}

HelpViewArea::~HelpViewArea()
{
    delete buttonGroup;
}

void HelpViewArea::addSlide(const QString &path)
{
    ++slideCount;
    auto *button = new QPushButton(QString::number(slideCount), this);
    button->setFlat(true);
    button->setFixedSize(18, 18);
    button->setObjectName(QStringLiteral("HelpSlideButton"));
    button->setCheckable(true);
    buttonGroup->addButton(button);
    buttonRow->addWidget(button);
    connect(button, &QPushButton::toggled, mapper, qOverload<>(&QSignalMapper::map));
    connect(button, &QPushButton::clicked, this, &HelpViewArea::slotStopSlideShow);
    mapper->setMapping(button, path);
}

void HelpViewArea::slotButtonClicked() {}

void HelpViewArea::slotShowSlide(const QString &path)
{
    display->setSlidePath(path);
}

void HelpViewArea::slotShowNextSlide()
{
    const QList<QAbstractButton *> all = buttonGroup->buttons();
    if (all.isEmpty())
        return;
    const int checked = all.indexOf(buttonGroup->checkedButton());
    all.at((checked + 1) % all.size())->setChecked(true);
}

void HelpViewArea::slotStartSlideShow()
{
    const QList<QAbstractButton *> all = buttonGroup->buttons();
    if (!buttonGroup->checkedButton() && !all.isEmpty())
        all.first()->setChecked(true);
    slideTimer->start();
}

void HelpViewArea::slotStopSlideShow()
{
    slideTimer->stop();
}

} // namespace QMWidgets
