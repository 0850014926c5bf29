#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>

namespace QMWidgets {

// One screen as a source photographed it.
struct ScreenStill
{
    QString name;   // the output's name, where the source knows it
    QRect logical;  // the screen in the toolkit's coordinates; its top-left tells screens apart
    QPixmap pixmap; // the screen's own pixels
    // Pixels per logical pixel as the toolkit maps them; 0: the pixmap's width over the width
    // of the window that covers the screen.
    qreal ratio = 0;
};
using DesktopStill = QList<ScreenStill>;

// An output as the compositor or the display describes it: where it lies in logical pixels and
// how many pixels it has of its own (empty when unknown).
struct OutputGeometry
{
    QString name;
    QRect logical;
    QSize pixels;
};

// True in a Wayland session, whichever Qt platform this process runs on: there an X11 program
// cannot see the screen, and the still has to come from the compositor or the desktop. The
// display the program draws on decides: Qt on Wayland is in one, Qt on X11 only when the X
// server is XWayland, whatever the environment says: WAYLAND_DISPLAY is often left over from
// another session (in a terminal multiplexer, in a user manager's environment), and that
// session's screen must never be taken. On other platforms the environment decides, and a
// WAYLAND_DISPLAY whose socket does not answer decides nothing.
bool isWaylandSession(const QString &platform, bool onXWayland, const QByteArray &sessionType,
                      bool waylandDisplaySet, bool waylandSocketAnswers);
// The same for this process: its platform, its X server and its environment.
bool isWaylandSession();

// Whether the X server this process is connected to is XWayland. Asked of the server once.
bool xServerIsXWayland();
// Whether a compositor accepts connections on the socket that WAYLAND_DISPLAY names (a name in
// XDG_RUNTIME_DIR, or a path).
bool waylandSocketAnswers(const QByteArray &waylandDisplay);

// The outputs as the compositor describes them where it does: on a Wayland connection of the
// program's own or, without one, on sway's IPC socket. Otherwise the toolkit's screens
// with their pixels unknown: in a Wayland session the toolkit may round a scale of 1.5 up to 2,
// or know logical sizes only. A reading that rememberDesktopOutputs() kept less than two seconds
// ago stands for a new one: on some compositors each new connection costs a fifth of a second.
QList<OutputGeometry> desktopOutputs();
// The outputs in the toolkit's coordinates: KWin may lay XWayland out at a multiple of the
// logical layout (the largest output scale, where X11 programs scale themselves), and the
// toolkit's screens on XWayland lie there. Taken only where one factor maps every output exactly
// onto a screen; otherwise the outputs as they are.
QList<OutputGeometry> inToolkitLayout(QList<OutputGeometry> outputs, const QList<QRect> &screens);
// Keeps the outputs a connection read just now (while the program waits for its timer).
void rememberDesktopOutputs(const QList<OutputGeometry> &outputs);

// Each output's part of a picture of the whole desktop (its outputs' bounding box, drawn at one
// scale, as screenshot services deliver it), brought to the output's own pixels where they are
// known and differ: such a picture draws every output at the largest output's scale.
DesktopStill cutDesktopPicture(const QImage &picture, const QList<OutputGeometry> &outputs);

// The still of the screen whose top-left corner is origin; null when the sources had none.
const ScreenStill *stillAt(const DesktopStill &still, const QPoint &origin);

// One way of photographing the screens. start() is followed by finished() exactly once, maybe
// before start() returns, with either a still or the reason why there is none. A source that
// cannot be used here (missing, refused, not answering within its own bound) fails, so that the
// next one can be asked.
class ScreenSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Its name for the test switch CLIPWISE_SCREEN_SOURCES.
    virtual QString name() const = 0;
    virtual void start() = 0;
    // The longest a source takes from start() to finished(), in milliseconds.
    virtual int boundMs() const = 0;

    DesktopStill still() const { return result; }
    QString errorString() const { return failure; }

signals:
    void finished();

protected:
    void finish(const DesktopStill &still, const QString &reason);

private:
    DesktopStill result;
    QString failure;
};

} // namespace QMWidgets
