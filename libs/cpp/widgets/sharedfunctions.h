#pragma once

#include <QPixmap>
#include <QString>

namespace QMWidgets {

// The default screen as a still image in device pixels (its device-pixel ratio set).
QPixmap grabPrimaryScreen();

// Device pixels per widget pixel on the default screen.
double screenScaleFactor();

// The path handed to the file browser: doubled separators collapsed, native separators.
QString revealTargetPath(const QString &filePath);

// Shows the file selected in the file browser; failing that, opens its folder.
// True when the file browser took the request or the folder could be opened.
bool revealInFileBrowser(const QString &filePath);

} // namespace QMWidgets
