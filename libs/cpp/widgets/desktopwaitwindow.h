#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QTimer;

namespace QMWidgets {

// How the wait for the desktop looks elapsedMs after the request: nothing during the first
// second (a desktop that answers at once shows no window), then the window with the whole
// seconds left until the wait gives up after boundMs.
struct DesktopWaitState
{
    bool visible = false;
    int secondsLeft = 0;
};
DesktopWaitState desktopWaitState(qint64 elapsedMs, int boundMs);

// Says, while the desktop has not handed over the still, that Clipwise waits for its permission,
// and offers to cancel (also Escape, or closing the window). It appears by itself once the wait
// is long enough to notice and does not take the keyboard from the desktop's own question.
class DesktopWaitWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit DesktopWaitWindow(int boundMs, QWidget *parent = nullptr);
    ~DesktopWaitWindow() override;

    // Counts from now.
    void start();

signals:
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void tick();

    int bound;
    QElapsedTimer clock;
    QTimer *ticker = nullptr;
    QLabel *countdown = nullptr;
};

} // namespace QMWidgets
