# Wayland desktops of the test's own. A headless sway: grim to look, wtype to type. sway refuses to run
# as root, so as root it runs as the user nobody.
import glob
import json
import os
import subprocess

from desktop import Desktop, from_ppm, wait_for

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
