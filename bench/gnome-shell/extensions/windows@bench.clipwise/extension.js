// For bench/wayland.sh on GNOME Shell: tells, once the compositor maps a window (its first frame is
// ready; also for X11 windows that bypass the window manager) and whenever its size or full-screen
// state changes after that, its process, full-screen state and frame size; and when
// the shell's own area selection (what gnome-screenshot -a asks for) is shown. Each report is a
// NameHasOwner call carrying the facts in its name, which dbus-monitor stamps as it passes, as
// the KWin script of the same benchmark does:
//   still.<pid>.<1 when full screen, else 0>.<width>.<height>   (pid "area": the area selection)
/* exported init enable disable */
const { Gio, GLib } = imports.gi;
const Main = imports.ui.main;

let connections = [];

function tell(pid, fullScreen, width, height) {
    Gio.DBus.session.call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
        'NameHasOwner', new GLib.Variant('(s)', [`still.${pid}.${fullScreen}.${width}.${height}`]),
        null, Gio.DBusCallFlags.NONE, -1, null, null);
}

function watchWindow(window) {
    const report = () => {
        const frame = window.get_frame_rect();
        tell(window.get_pid(), window.is_fullscreen() ? 1 : 0, frame.width, frame.height);
    };
    report();
    window.connect('size-changed', report);
    window.connect('notify::fullscreen', report);
}

function watchArea(actor) {
    if (actor.constructor.name !== 'SelectArea')
        return;
    actor.connect('notify::visible', () => {
        if (actor.visible)
            tell('area', 1, global.stage.width, global.stage.height);
    });
}

function connect(object, signal, handler) {
    connections.push([object, object.connect(signal, handler)]);
}

function init() {
}

function enable() {
    connect(global.window_manager, 'map', (wm, actor) => watchWindow(actor.meta_window));
    connect(Main.uiGroup, 'actor-added', (group, actor) => watchArea(actor));
}

function disable() {
    connections.forEach(([object, id]) => object.disconnect(id));
    connections = [];
}
