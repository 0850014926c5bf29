#pragma once

// Driving a real X server from tests: xdotool calls and waiting for windows to appear.
#include <QStringList>

namespace TestSupport {

// Runs a program to its end; true when it exited normally with code 0. Its standard output (with
// mergeChannels both channels) goes to output when given.
bool runTool(const QString &program, const QStringList &args, QByteArray *output = nullptr,
             int timeoutMs = 10000, bool mergeChannels = false);

bool xdotool(const QStringList &args, QByteArray *output = nullptr, int timeoutMs = 10000);

// The id of the first visible window that `xdotool search --onlyvisible <option> <pattern>`
// finds in time (option e.g. "--classname" or "--name"), or an empty array.
QByteArray waitForWindow(const QString &option, const QString &pattern, int timeoutMs = 10000);

} // namespace TestSupport
