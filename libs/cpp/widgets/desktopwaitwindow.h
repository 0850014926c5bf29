#pragma once

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QTimer;

namespace QMWidgets {

// How the wait for the desktop looks elapsedMs after the request with leftMs left until the wait
// gives up: nothing during the first second (a desktop that answers at once shows no window),
// then the window with the whole seconds left.
struct DesktopWaitState
{
    bool visible = false;
    int secondsLeft = 0;
};
DesktopWaitState desktopWaitState(qint64 elapsedMs, qint64 leftMs);

// Says, while the desktop has not handed over the still, that Clipwise waits for its permission,
// and offers to cancel (also Escape, or closing the window). It appears by itself once the wait
// is long enough to notice and does not take the keyboard from the desktop's own question.
class DesktopWaitWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit DesktopWaitWindow(QWidget *parent = nullptr);
    ~DesktopWaitWindow() override;

    // Counts from now until the wait gives up at the deadline.
    void start(const QDeadlineTimer &deadline);
    // The wait gives up at another time (the source asked now has a bound of its own).
    void setDeadline(const QDeadlineTimer &deadline) { giveUp = deadline; }
    // Whether the window has been on screen since start(): then the desktop may have
    // photographed it.
    bool wasShown() const { return shown; }

signals:
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void tick();

    QDeadlineTimer giveUp;
    QElapsedTimer clock;
    bool shown = false;
    QTimer *ticker = nullptr;
    QLabel *countdown = nullptr;
};

} // namespace QMWidgets
