#pragma once

// Driving a real X server from tests: xdotool calls and waiting for windows to appear.
#include <QStringList>

namespace TestSupport {

// Runs a program to its end; true on a normal exit with code 0. Its output goes to output.
bool runTool(const QString &program, const QStringList &args, QByteArray *output = nullptr,
             int timeoutMs = 10000, bool mergeChannels = false);

bool xdotool(const QStringList &args, QByteArray *output = nullptr, int timeoutMs = 10000);

// The first visible window `xdotool search --onlyvisible <option> <pattern>` finds in time.
QByteArray waitForWindow(const QString &option, const QString &pattern, int timeoutMs = 10000);

} // namespace TestSupport
