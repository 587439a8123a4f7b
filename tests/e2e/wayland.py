"""A Wayland desktop of the test's own: a headless sway, with grim to look, wtype to type and sway's
seat commands to click. sway refuses to run as root, so as root it runs as the user nobody."""
import glob
import json
import os
import subprocess
import tempfile

import screen
from x11 import run, wait_for

NOBODY = 65534


class Wayland:
    def __init__(self, size="1024x768", scale=1):
        self.size, self.scale = size, scale

    def __enter__(self):
        self.work = tempfile.mkdtemp(prefix="tonalyx-sway-")
        os.chmod(self.work, 0o755)
        runtime = os.path.join(self.work, "runtime")
        os.mkdir(runtime, 0o700)
        config = os.path.join(self.work, "config")
        with open(config, "w") as f:
            f.write(f"output HEADLESS-1 resolution {self.size} scale {self.scale}\nxwayland disable\n")
        os.chmod(config, 0o644)
        as_user = []
        if os.geteuid() == 0:
            os.chown(runtime, NOBODY, NOBODY)
            as_user = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups"]
        self.sway = subprocess.Popen(as_user + ["env", "-i", "XDG_RUNTIME_DIR=" + runtime, "HOME=" + runtime,
                                                "WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1",
                                                "WLR_RENDERER=pixman", "sway", "-c", config],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        sockets = wait_for(lambda: glob.glob(runtime + "/sway-ipc.*.sock") and glob.glob(runtime + "/wayland-*[0-9]"))
        assert sockets, "sway did not start"
        self.env = {"WAYLAND_DISPLAY": sockets[0], "SWAYSOCK": glob.glob(runtime + "/sway-ipc.*.sock")[0],
                    "QT_QPA_PLATFORM": "wayland", "XDG_RUNTIME_DIR": tempfile.mkdtemp(dir=self.work)}
        # A headless sway has no input devices: a keyboard that stays, so that clients bind one. There is
        # no such pointer, so nothing here clicks.
        self.keyboard = subprocess.Popen(["wtype", "-s", "86400000"], env=self.environ())
        wait_for(lambda: "virtual_keyboard" in self.swaymsg("-t", "get_seats"))
        return self

    def __exit__(self, *_):
        self.keyboard.kill()
        self.sway.kill()
        self.sway.wait()
        subprocess.run(["rm", "-rf", self.work])

    def environ(self, extra=None):
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        env.update(self.env)
        env.update(extra or {})
        return env

    def swaymsg(self, *args):
        return run("swaymsg", *args, env=self.environ())

    def nodes(self):
        def walk(node):
            yield node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from walk(child)
        return list(walk(json.loads(self.swaymsg("-t", "get_tree") or "{}")))

    def node(self, window):
        return next((n for n in self.nodes() if str(n["id"]) == window), {})

    def windows(self, title):
        return [str(n["id"]) for n in self.nodes() if n.get("name") == title and n.get("pid")]

    def title(self, window):
        return self.node(window).get("name")

    def client(self, window):
        """The window's content on the screen, in device pixels."""
        node = self.node(window)
        rect, inner = node.get("rect", {"x": 0, "y": 0}), node.get("window_rect", {"x": 0, "y": 0, "width": 0, "height": 0})
        return tuple(round(v * self.scale) for v in (rect["x"] + inner["x"], rect["y"] + inner["y"],
                                                      inner["width"], inner["height"]))

    def set_scale(self, scale):
        self.swaymsg("output", "HEADLESS-1", "scale", str(scale))
        self.scale = scale

    def shot(self):
        return screen.from_ppm(subprocess.run(["grim", "-t", "ppm", "-"], capture_output=True,
                                              env=self.environ()).stdout)

    def keys(self, window, *keys):
        """Keys by their X names; "shift+Tab" holds shift."""
        self.swaymsg(f"[con_id={window}]", "focus")
        for key in keys:
            *held, name = key.split("+")
            run("wtype", *[a for m in held for a in ("-M", m)], "-k", name, *[a for m in held for a in ("-m", m)],
                env=self.environ())
