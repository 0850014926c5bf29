#include "screensourcechain.h"

#include "screensourcekwin.h"
#include "screensourceportal.h"
#include "screensourcescreencopy.h"
#include "screensourcex11.h"

namespace QMWidgets {

QStringList sessionSourceNames(bool wayland, const QStringList &allowed)
{
    const QStringList compositor{ScreenSourceScreencopy::sourceName, ScreenSourceKWin::sourceName,
                                 ScreenSourcePortal::sourceName};
    const QStringList display{ScreenSourceX11::sourceName};
    const QStringList session = wayland ? compositor : display;
    if (allowed.isEmpty())
        return session;
    QStringList kept;
    for (const QString &name : session + (wayland ? display : compositor)) {
        if (allowed.contains(name))
            kept << name;
    }
    return kept;
}

ScreenSource *makeScreenSource(const QString &name, QObject *parent)
{
    if (name == ScreenSourceX11::sourceName)
        return new ScreenSourceX11(parent);
    if (name == ScreenSourceKWin::sourceName)
        return new ScreenSourceKWin(parent);
    if (name == ScreenSourcePortal::sourceName)
        return new ScreenSourcePortal(parent);
    if (name == ScreenSourceScreencopy::sourceName)
        return new ScreenSourceScreencopy(parent);
    return nullptr;
}

ScreenSourceChain::ScreenSourceChain(QObject *parent) : QObject(parent)
{
    const QString allowed = qEnvironmentVariable("CLIPWISE_SCREEN_SOURCES");
    for (const QString &name :
         sessionSourceNames(isWaylandSession(), allowed.split(',', Qt::SkipEmptyParts))) {
        if (ScreenSource *source = makeScreenSource(name, this))
            sources << source;
    }
}

ScreenSourceChain::ScreenSourceChain(const QList<ScreenSource *> &given, QObject *parent)
    : QObject(parent), sources(given)
{
    for (ScreenSource *source : qAsConst(sources))
        source->setParent(this);
}

void ScreenSourceChain::start()
{
    if (running)
        return;
    next = 0;
    askFromNext();
}

void ScreenSourceChain::askAgain()
{
    if (running || winnerIndex < 0)
        return;
    next = winnerIndex;
    askFromNext();
}

void ScreenSourceChain::askFromNext()
{
    running = true;
    result.clear();
    failure = tr("No way to capture the screen is available here.");
    winner.clear();
    winnerIndex = -1;
    askNext();
}

void ScreenSourceChain::askNext()
{
    if (next >= sources.size()) {
        running = false;
        emit finished();
        return;
    }
    const int asked = next++;
    ScreenSource *source = sources.at(asked);
    connect(source, &ScreenSource::finished, this, &ScreenSourceChain::sourceFinished);
    source->start();
    // Counted once the source has started its own clock, so the chain never gives up before
    // it; a source that answered within start() has moved the chain on already.
    if (!running || next != asked + 1)
        return;
    qint64 left = 0;
    for (int i = asked; i < sources.size(); ++i)
        left += sources.at(i)->boundMs();
    giveUp = QDeadlineTimer(left);
    emit deadlineChanged();
}

void ScreenSourceChain::sourceFinished()
{
    ScreenSource *source = sources.at(next - 1);
    // A source that answers twice must not end the chain twice.
    disconnect(source, &ScreenSource::finished, this, &ScreenSourceChain::sourceFinished);
    if (!source->still().isEmpty()) {
        result = source->still();
        failure.clear();
        winner = source->name();
        winnerIndex = next - 1;
        running = false;
        emit finished();
        return;
    }
    if (!source->errorString().isEmpty())
        failure = source->errorString();
    askNext();
}

} // namespace QMWidgets
