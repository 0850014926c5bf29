#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

namespace QMWidgets {

// "<dir>/ScreenShot_<yyyy-MM-dd_hh-mm-ss>[_<n>].png"; n = 0 gives the plain name.
QString captureFileName(const QString &directory, const QDateTime &when, int collision = 0);

struct CaptureSaveResult
{
    bool ok = false;
    QString path;  // the file written, or the name that was attempted
    QString error; // the reason, when not ok
};

// Writes the image as PNG into directory under captureFileName(). The PNG goes to a temporary
// file in the same folder first and is moved into place only once it is complete; the move never
// replaces an existing file, so a name that is taken gets the next collision suffix instead. On a
// file system with neither an exclusive rename nor hard links the final name is created
// exclusively and the complete PNG copied into it; a failed copy is removed again.
CaptureSaveResult saveCapture(const QImage &image, const QString &directory, const QDateTime &when);

} // namespace QMWidgets
