#pragma once

#include <QDate>
#include <QString>

namespace QMWidgets {

// Reads a compiler date text such as "Oct  2 2019" (a one-digit day padded with a blank):
// blanks simplified, the English month abbreviation turned into its number, then read as
// "M/d/yyyy". An unreadable text gives an invalid date.
QDate buildDateFromCompilerText(const QString &compilerDate);

// The date this library was compiled on.
QDate buildDate();

} // namespace QMWidgets
