#pragma once

#include "screensource.h"

#include <QFrame>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <functional>

class QAction;
class QScreen;
class QTimer;

namespace QMWidgets {

class DesktopWaitWindow;
class ScreenSourceChain;

// The capture screen: shows a still of the screen full screen and lets the user drag out the
// region to keep. Cropping happens on release; writing the file is slotSave().
class ScreenCropper : public QFrame
{
    Q_OBJECT

public:
    explicit ScreenCropper(QWidget *parent = nullptr);
    ~ScreenCropper() override;

    virtual void retranslate();

    // The instruction text as it is painted.
    QString instructionText() const;

    QString saveDirectoryPath() const { return saveDirectory; }
    QString locationText() const { return locationPhrase; }
    QPixmap cropped() const { return croppedPixmap; }
    QPixmap screenImage() const { return screenPixmap; }
    bool isSelecting() const { return selecting; }
    bool willReveal() const { return revealAfterSave; }
    QPoint anchor() const { return anchorPoint; }
    QPoint cursorPosition() const { return cursorPoint; }

    // Where the last capture was written; empty when none was.
    QString savedFilePath() const { return savedPath; }
    // Why the capture could not be taken or written; empty on success and on cancel.
    QString failureMessage() const { return failure; }

    // Seam for tests: the still of whatever the window covers.
    void setScreenPixmap(const QPixmap &pixmap);
    // Replaces how grabScreen() photographs the primary screen (tests simulate a failing grab).
    void setScreenGrabber(std::function<QPixmap()> grabber) { screenGrabber = std::move(grabber); }
    // Shows the still of the screens that a source took (grabScreen() does this once the sources
    // answer): on the screen the window comes to cover; an empty still fails with reason.
    void takeStill(const DesktopStill &still, const QString &reason);
    // True while the window covers a screen of the still, so a selection maps onto its pixels.
    bool isOnStill() const { return onStill; }

    // Does ahead of grabScreen() what showing the window costs: the native window with the
    // screen's geometry (created, not mapped, so the grab cannot see it), its backing store at
    // full size with every page touched, and the instruction box's font; with the default
    // grabber also prepareScreenGrab(). Does nothing once the window is shown.
    void prepareWindow();

    // How long after a still the desktop is asked again, with the program's windows hidden. No
    // protocol tells a client when the compositor has drawn the screen without a window: GNOME
    // Shell fades a closing window out over 150 ms, KWin over about as long. GNOME Shell also
    // flashes the screen for half a second after a picture and refuses another one until then.
    static constexpr int windowGoneMs = 1000;

signals:
    void done();
    void done(QPixmap pixmap);
    void saved();
    void closed();
    void escaped();

public slots:
    // Takes the still and shows it full screen. In a Wayland session the still comes from the
    // compositor or the desktop's portal and the window shows once it has arrived; a failure
    // ends in closed() with failureMessage() set.
    virtual void grabScreen();

private slots:
    virtual void slotClose();
    void slotSave();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void sourcesFinished();
    void cancelWaiting();
    void showStill(QScreen *screen);
    void followPlacement();
    void failPlacement();

    QPixmap screenPixmap;
    bool selecting = false;
    QPoint anchorPoint;
    QPoint cursorPoint;
    QString saveDirectory;
    QString locationPhrase;
    QPixmap croppedPixmap;
    bool revealAfterSave = false;
    QPixmap backdropPixmap;

    QAction *closeAction = nullptr;
    std::function<QPixmap()> screenGrabber;
    QString savedPath;
    QString failure;
    ScreenSourceChain *sources = nullptr;
    // Up while the sources take long, which a desktop asking the user first does.
    DesktopWaitWindow *waitWindow = nullptr;
    // The sources were asked again because the waiting window was on the screen.
    bool askedAgain = false;
    // Every screen the sources photographed; the window shows the one it covers. Empty when a
    // test set the still itself.
    DesktopStill desktopStill;
    // The still's pixels per logical pixel of the window (0: the screen's own ratio).
    qreal stillRatio = 0;
    // A compositor may first show the window at a default size, or put it on another screen
    // than asked: a press is taken only while the window covers a screen of the still, and one
    // that is not taken leaves its release alone.
    bool onStill = true;
    bool pressDropped = false;
    QTimer *placementDeadline = nullptr;
    bool followingScreen = false;
};

} // namespace QMWidgets
