#include "desktopwaitwindow.h"

#include "standardbutton.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace QMWidgets {

namespace {

constexpr int showAfterMs = 1000;

// Centred near the top of the screen's free area, clear of the middle, where desktops put their
// questions.
QPoint desktopWaitPosition(const QRect &available, const QSize &size)
{
    return {available.center().x() - size.width() / 2, available.top() + available.height() / 12};
}

} // namespace

DesktopWaitState desktopWaitState(qint64 elapsedMs, qint64 leftMs)
{
    if (elapsedMs < showAfterMs || leftMs <= 0)
        return {};
    return {true, int((leftMs + 999) / 1000)};
}

DesktopWaitWindow::DesktopWaitWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), ticker(new QTimer(this))
{
    setWindowTitle(QCoreApplication::applicationName());
    // The desktop's question has the keyboard; a click on this window takes it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Taken down before the capture screen shows, maybe a while before (the still is asked for
    // again): the last window gone then must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *message = new QLabel(tr("Clipwise is waiting for the desktop's permission to take the "
                                  "screenshot.\nIf the desktop asks whether applications may "
                                  "take screenshots, answer its question."),
                               this);
    message->setWordWrap(true);
    countdown = new QLabel(this);
    QPushButton *cancel = makeStandardPushButton(tr("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &DesktopWaitWindow::cancelled);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(countdown);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    setFixedWidth(480);
    ticker->setInterval(250);
    connect(ticker, &QTimer::timeout, this, &DesktopWaitWindow::tick);
}

DesktopWaitWindow::~DesktopWaitWindow() = default;

void DesktopWaitWindow::start(const QDeadlineTimer &deadline)
{
    giveUp = deadline;
    shown = false;
    clock.start();
    ticker->start();
}

void DesktopWaitWindow::tick()
{
    const DesktopWaitState state = desktopWaitState(clock.elapsed(), giveUp.remainingTime());
    if (!state.visible) {
        hide();
        return;
    }
    countdown->setText(tr("Clipwise gives up in %1 s.").arg(state.secondsLeft));
    if (isVisible())
        return;
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(desktopWaitPosition(screen->availableGeometry(), size()));
    shown = true;
    show();
}

void DesktopWaitWindow::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        emit cancelled();
    else
        QWidget::keyPressEvent(e);
}

void DesktopWaitWindow::closeEvent(QCloseEvent *e)
{
    e->ignore();
    emit cancelled();
}

} // namespace QMWidgets
