#pragma once

#include <QString>

namespace QMWidgets {

// A small reversible scrambler for values that should not be readable at a glance (stored
// service addresses, the update-check stamp). It hides text; it is no protection against a
// determined reader. The scrambled form is printable ASCII and carries a check sum, so a
// value altered by hand is recognised instead of decoding into rubbish.
QString scrambleText(const QString &plain);

// The plain text, or a null QString when the value is not something scrambleText() made.
// The empty text scrambles to, and unscrambles from, the empty text.
QString unscrambleText(const QString &scrambled);

} // namespace QMWidgets
