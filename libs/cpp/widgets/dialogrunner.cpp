#include "dialogrunner.h"

#include <QDialog>
#include <QEventLoop>
#include <QPointer>

#ifdef CLIPWISE_XCB_SHM
#include <QX11Info>

#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace QMWidgets {

namespace {

// An EWMH window manager names its check window on the root window.
bool x11WindowManagerRunning()
{
#ifdef CLIPWISE_XCB_SHM
    if (!QX11Info::isPlatformX11())
        return false;
    xcb_connection_t *c = QX11Info::connection();
    static const char name[] = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, true, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    xcb_get_property_reply_t *check = xcb_get_property_reply(
        c, xcb_get_property(c, false, QX11Info::appRootWindow(), atom->atom, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    const bool running = check && xcb_get_property_value_length(check) == 4;
    std::free(check);
    std::free(atom);
    return running;
#else
    return false;
#endif
}

} // namespace

int runWithoutModality(QDialog *dialog)
{
    QWidget *owner = dialog->parentWidget()->window();
    const bool ownerFree = owner->isEnabled();
    // Disabling the owner disables its child windows too; a window can be enabled again.
    owner->setEnabled(false);
    dialog->setEnabled(true);
    QPointer<QDialog> alive(dialog);
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog->show();
    if (dialog->isVisible())
        loop.exec(QEventLoop::DialogExec);
    owner->setEnabled(ownerFree);
    return alive ? alive->result() : 0;
}

int runDialog(QDialog *dialog)
{
    QWidget *owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    // Another dialog may be open over the owner already (a timer's dialog over the About
    // dialog): then the owner stays without the keyboard until that one has closed too.
    const bool ownerFree = owner && owner->isEnabled();
    const int result =
        owner && owner->isVisible() && owner->isFullScreen() && x11WindowManagerRunning()
            ? runWithoutModality(dialog)
            : dialog->exec();
    if (ownerFree && owner->isVisible()) {
        owner->activateWindow();
        owner->setFocus(Qt::OtherFocusReason);
    }
    return result;
}

} // namespace QMWidgets
