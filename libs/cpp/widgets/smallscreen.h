#pragma once

#include <QSize>

namespace QMWidgets {

// A desktop narrower or lower than 480 pixels; prompts then stack their buttons vertically.
bool isSmallScreenSize(const QSize &desktop);
// The same test for the default screen (false when there is none).
bool isSmallScreen();

} // namespace QMWidgets
