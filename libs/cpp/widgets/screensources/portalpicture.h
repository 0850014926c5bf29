#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

namespace QMWidgets {

// The picture file that a desktop's screenshot answer names, read as untrusted input: whatever
// sent the answer chose the path.
struct PortalPicture
{
    QImage image;  // null when the file was refused or is no picture
    QString error; // why, for the user
    // The file that was read, so that this file and no other is removed afterwards.
    quint64 device = 0;
    quint64 inode = 0;
};

// Opens the path once, without following a link at its end and without waiting, and reads it
// only when it is a regular file of this user whose header declares no more pixels than any
// desktop has; the picture is decoded by its content, whatever its name says. A FIFO, a device,
// a folder, another user's file, a link or a picture too large for memory fails at once.
PortalPicture readPortalPicture(const QString &path);

// Removes the file that readPortalPicture() read when path still names that very file and it was
// written since requestStarted: one the desktop made for this request, not a file the user
// already had.
void removePortalPicture(const QString &path, const PortalPicture &read,
                         const QDateTime &requestStarted);

} // namespace QMWidgets
