#pragma once

#include "screensource.h"

#include <QDeadlineTimer>
#include <QStringList>

namespace QMWidgets {

// Which sources a session asks, in order: on X11 the display itself; on Wayland the compositor's
// own ways (wlroots screencopy, KWin's screenshot interface), then the desktop portal. allowed,
// when not empty, names the sources to ask instead, in that order, whatever the session (the test
// switch CLIPWISE_SCREEN_SOURCES: the portal's flow can then be followed on a bare X server).
QStringList sessionSourceNames(bool wayland, const QStringList &allowed);

// Makes the source of that name; null for a name it does not know.
ScreenSource *makeScreenSource(const QString &name, QObject *parent);

// Asks the sources one after the other; the first still ends the chain. finished() follows
// start() exactly once (maybe before start() returns); on failure errorString() is the last
// source's reason, the one the user is told.
class ScreenSourceChain final : public QObject
{
    Q_OBJECT

public:
    // The sources of this session (sessionSourceNames of the environment) unless given.
    explicit ScreenSourceChain(QObject *parent = nullptr);
    ScreenSourceChain(const QList<ScreenSource *> &sources, QObject *parent);

    void start();
    // Asks again, from the source that gave the last still on (a still that must not be used,
    // such as one that may show a window of the program); finished() follows as after start().
    // Does nothing while running or without a still.
    void askAgain();
    bool isRunning() const { return running; }
    // When the chain gives up at the latest: the bound of the source asked now, counted from
    // its start, and the bounds of those after it. Set at each source's start, which
    // deadlineChanged() announces; a source that fails early brings it forward.
    QDeadlineTimer deadline() const { return giveUp; }

    DesktopStill still() const { return result; }
    QString errorString() const { return failure; }
    // The source that gave the still; empty on failure.
    QString sourceName() const { return winner; }

signals:
    void finished();
    void deadlineChanged();

private:
    void askFromNext();
    void askNext();
    void sourceFinished();

    QList<ScreenSource *> sources;
    int next = 0;
    int winnerIndex = -1;
    bool running = false;
    QDeadlineTimer giveUp;
    DesktopStill result;
    QString failure;
    QString winner;
};

} // namespace QMWidgets
