#pragma once

#include <QString>

namespace QMWidgets {

// The maker's dark look for every window of the program, one Qt style sheet text.
// Built during static initialisation, so it is ready before main() runs.
extern const QString defaultStyleSheet;

// Registers the program's pictures (":/background.png", ":/app.png"). Runs by itself during
// static initialisation; callers that cannot rely on that may call it again, it is idempotent.
void registerProgramResources();

} // namespace QMWidgets
