#pragma once

#include "screensource.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>

namespace QMWidgets {

// The outputs as sway describes them in its answer to GET_OUTPUTS (JSON): where each active one
// lies in logical pixels and its current mode turned as its transform says. Empty when the answer
// is not such a list.
QList<OutputGeometry> swayOutputsFromReply(const QByteArray &reply);

// The outputs asked of sway on a connected socket, in i3's IPC framing; empty when it does not
// answer before the deadline.
QList<OutputGeometry> askSwayOutputs(int fd, QDeadlineTimer deadline);

// The outputs asked of sway over its IPC socket (SWAYSOCK). A program on XWayland without a
// Wayland connection of its own (WAYLAND_DISPLAY unset) still reaches sway there, and XWayland
// tells nothing of an output's scale. Empty when sway does not answer before the deadline.
QList<OutputGeometry> swayOutputs(const QByteArray &socketPath, QDeadlineTimer deadline);

} // namespace QMWidgets
