# Wayland desktops of the test's own. A headless sway: grim to look, wtype to type. sway refuses to run
# as root, so as root it runs as the user nobody.
import ast
import glob
import json
import os
import subprocess

from desktop import Desktop, from_ppm, run, wait_for

NOBODY = 65534


class Wayland(Desktop):
    # What every Wayland desktop here shares: a private runtime folder, and Qt as a native client.
    foreign = ("DISPLAY",)

    def __init__(self, size="1024x768", scale=1):
        self.size, self.scale = size, scale

    def start(self):
        self.runtime = os.path.join(self.work, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.as_user = []
        if os.geteuid() == 0:
            os.chown(self.runtime, NOBODY, NOBODY)
            self.as_user = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups"]
        self.start_compositor()
        # The program's own runtime folder, so that it does not share the compositor's.
        self.env.update({"QT_QPA_PLATFORM": "wayland", "XDG_RUNTIME_DIR": os.path.join(self.work, "client")})
        os.mkdir(self.env["XDG_RUNTIME_DIR"], 0o700)


class Sway(Wayland):
    def start_compositor(self):
        config = os.path.join(self.work, "config")
        with open(config, "w") as f:
            f.write(f"output HEADLESS-1 resolution {self.size} scale {self.scale}\nxwayland disable\n")
        os.chmod(config, 0o644)
        self.spawn(*self.as_user, "env", "-i", "XDG_RUNTIME_DIR=" + self.runtime, "HOME=" + self.runtime,
                   "WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman", "sway", "-c", config)
        sockets = wait_for(lambda: glob.glob(self.runtime + "/sway-ipc.*.sock") and glob.glob(self.runtime + "/wayland-*[0-9]"))
        assert sockets, "sway did not start"
        self.env.update(WAYLAND_DISPLAY=sockets[0], SWAYSOCK=glob.glob(self.runtime + "/sway-ipc.*.sock")[0])
        # A headless sway has no input devices: a keyboard that stays, so that clients bind one. There is
        # no such pointer, so nothing here clicks.
        self.spawn("wtype", "-s", "86400000", env=self.environ())
        wait_for(lambda: "virtual_keyboard" in self.swaymsg("-t", "get_seats"))

    def swaymsg(self, *args):
        return self.run("swaymsg", *args)

    def nodes(self):
        def walk(node):
            yield node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from walk(child)
        return list(walk(json.loads(self.swaymsg("-t", "get_tree") or "{}")))

    def node(self, window):
        # The window in sway's tree; empty while it has none, such as while it is made anew.
        return next((n for n in self.nodes() if str(n["id"]) == window), {})

    def windows(self, title):
        return [str(n["id"]) for n in self.nodes() if n.get("name") == title and n.get("pid")]

    def client(self, window):
        # The window's content on the screen, in device pixels.
        node = self.node(window)
        rect, inner = node.get("rect", {"x": 0, "y": 0}), node.get("window_rect", {"x": 0, "y": 0, "width": 0, "height": 0})
        return tuple(round(v * self.scale) for v in (rect["x"] + inner["x"], rect["y"] + inner["y"],
                                                      inner["width"], inner["height"]))

    def native_client(self, window):
        # The app id when the window is a native client (xdg-shell), not one through XWayland.
        node = self.node(window)
        return node.get("shell") == "xdg_shell" and node.get("app_id")

    def set_scale(self, scale):
        self.swaymsg("output", "HEADLESS-1", "scale", str(scale))
        self.scale = scale

    def move(self, window, *where):
        # In sway's words: "center", or x and y in logical pixels.
        self.swaymsg(f"[con_id={window}]", "move", "position", *map(str, where))

    def shot(self):
        return from_ppm(subprocess.run(["grim", "-t", "ppm", "-"], capture_output=True, env=self.environ()).stdout)

    def keys(self, window, *keys):
        # Keys by their X names; "shift+Tab" holds shift.
        self.swaymsg(f"[con_id={window}]", "focus")
        for key in keys:
            *held, name = key.split("+")
            self.run("wtype", *[a for m in held for a in ("-M", m)], "-k", name, *[a for m in held for a in ("-m", m)])


class Gnome(Wayland):
    # GNOME Shell, headless, on one virtual monitor, with a session bus and a stand-in system bus of its own.
    # A test extension turns on the shell's unsafe mode, so that Eval lists, moves and reads windows, and
    # types and clicks through virtual devices of the shell's own seat.
    SETTINGS = ("[org/gnome/mutter]\nexperimental-features=['scale-monitor-framebuffer']\n[org/gnome/shell]\n"
                "enabled-extensions=['tests@tonalyx']\ndisable-extension-version-validation=true\n"
                "welcome-dialog-last-shown-version='999'\n[org/gnome/desktop/notifications]\nshow-banners=false\n")
    # Its virtual devices are made before the first client binds the seat; Clutter counts in microseconds.
    EXTENSION = ("import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';\nimport C from 'gi"
                 "://Clutter';\nimport GLib from 'gi://GLib';\nconst now = GLib.get_monotonic_time;\nexport default class extends Extension { enable() "
                 "{ global.context.unsafe_mode = true; const seat = C.get_default_backend().get_default_seat(), keys = "
                 "seat.create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE), pointer = seat.create_virtual_device(C."
                 "InputDeviceType.POINTER_DEVICE); globalThis.tonalyx = {keys(names) { for (const s of [1, 0]) for (const "
                 "n of s ? names : names.toReversed()) keys.notify_keyval(now(), C['KEY_' + n], s); }, mouse(x, y, "
                 "buttons) { pointer.notify_absolute_motion(now(), x, y); for (const s of buttons) pointer.notify_button("
                 "now(), C.BUTTON_PRIMARY, s); }, window(id) { return global.display.list_all_windows().find(w => w."
                 "get_id() == id); }}; } disable() {} }\n")

    def start_compositor(self):
        home = self.runtime
        for name, text in [("config/glib-2.0/settings/keyfile", self.SETTINGS), ("data/gnome-shell/extensions/tests@tonalyx"
                           "/metadata.json", '{"uuid": "tests@tonalyx", "name": "tests", "description": "tests", '
                           '"shell-version": ["48"]}'), ("data/gnome-shell/extensions/tests@tonalyx/extension.js", self.EXTENSION)]:
            os.makedirs(os.path.dirname(os.path.join(home, name)), exist_ok=True)
            open(os.path.join(home, name), "w").write(text)
        if self.as_user:
            subprocess.run(["chown", "-R", f"{NOBODY}:{NOBODY}", home])
        self.bus = {"DBUS_SESSION_BUS_ADDRESS": f"unix:path={home}/bus", "DBUS_SYSTEM_BUS_ADDRESS": f"unix:path={home}/system"}
        for bus in ("bus", "system"):
            self.spawn(*self.as_user, "dbus-daemon", "--session", "--nofork", f"--address=unix:path={home}/{bus}")
        wait_for(lambda: os.path.exists(f"{home}/bus") and os.path.exists(f"{home}/system"))
        self.spawn(*self.as_user, "env", "-i", "XDG_RUNTIME_DIR=" + home, "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
                   "XDG_DATA_HOME=" + home + "/data", "GSETTINGS_BACKEND=keyfile", *[f"{k}={v}" for k, v in self.bus.items()],
                   "gnome-shell", "--headless", "--wayland", "--no-x11", "--virtual-monitor", self.size)
        assert wait_for(lambda: self.eval("true")), "GNOME Shell did not start"
        wait_for(lambda: self.eval("Main.layoutManager._startingUp") is False)  # pointers reach no client before
        self.eval("Main.overview.hide()")
        self.env["WAYLAND_DISPLAY"] = os.path.join(home, "wayland-0")
        self.set_scale(self.scale)

    def on_bus(self, *command):
        return run(*self.as_user, *command, env={**os.environ, **self.bus})

    def call(self, name, *args):
        return self.on_bus("gdbus", "call", "--session", "--dest", name, "--object-path", "/" + name.replace(".", "/"),
                           "--method", *args)

    def eval(self, code):
        # The value of JavaScript run in the shell, or None where it fails.
        out = self.call("org.gnome.Shell", "org.gnome.Shell.Eval", code)
        ok, value = ast.literal_eval(out.replace("(true,", "(True,").replace("(false,", "(False,")) if out else (0, 0)
        return json.loads(value) if ok and value else None

    def set_scale(self, scale):
        self.on_bus("gdctl", "set", "--logical-monitor", "--primary", "--scale", str(scale), "--monitor", "Meta-0")
        self.scale = scale

    def windows(self, title):
        return self.eval(f"global.display.list_all_windows().filter(w => w.get_title() == {json.dumps(title)}).map(w => "
                         "String(w.get_id()))") or []

    def client(self, window):
        # GNOME draws no frames: the window's own frame surrounds the form, which is found on the screen.
        corner = self.shot().form()
        return corner and (*corner, round(544 * self.scale), round(432 * self.scale))

    def move(self, window, x, y):
        self.eval(f"tonalyx.window({window}).move_frame(true, {x}, {y})")

    def shot(self):
        path = os.path.join(self.runtime, "shot.png")
        self.call("org.gnome.Shell.Screenshot", "org.gnome.Shell.Screenshot.Screenshot", "false", "false", path)
        return from_ppm(subprocess.run(["pngtopnm", path], capture_output=True).stdout)

    def keys(self, window, *keys):
        self.eval(f"Main.activateWindow(tonalyx.window({window}))")
        for key in keys:
            self.eval(f"tonalyx.keys({json.dumps([{'shift': 'Shift_L'}.get(k, k) for k in key.split('+')])})")

    def mouse(self, x, y, *then):
        states = {"click": [1, 0], "mousedown": [1], "mouseup": [0]}.get(then and then[0], [])
        self.eval(f"tonalyx.mouse({x / self.scale}, {y / self.scale}, {states})")
