#pragma once

class QDialog;

namespace QMWidgets {

// Runs the dialog until it closes and returns its result, as QDialog::exec() does; then the
// dialog's parent window, if still on screen, has the keyboard again (without a window manager
// the focus would stay on the root window).
//
// Over a full-screen parent under an X11 window manager the dialog is not modal to Qt: Qt asks
// the window manager to activate every modal window once it is mapped, and i3 answers that by
// taking full screen from the window below, which lets its bar show over it. The parent takes no
// input instead, and the window manager gives the keyboard to the dialog, as it does to a window
// transient for the focused one.
int runDialog(QDialog *dialog);

// What runDialog() does over a full-screen parent under a window manager: shows the dialog
// without Qt's modality and runs it to its end while the parent (which must exist) takes no
// input; an owner that was already without input (a dialog open over it) stays so.
int runWithoutModality(QDialog *dialog);

} // namespace QMWidgets
