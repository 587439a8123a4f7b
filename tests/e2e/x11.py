"""An X server of the test's own (Xvfb) with a real window manager (openbox), and what a person does
there: look (xwd), type and click (xdotool)."""
import os
import re
import subprocess
import tempfile
import time

import screen


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs).stdout


class X11:
    scale = 1  # the density is the program's to choose here

    def __init__(self, size="1024x768", dpi=None):
        self.size, self.dpi = size, dpi

    def __enter__(self):
        self.work = tempfile.TemporaryDirectory()
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", self.size + "x24",
                                      "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as numbers:
            self.env = {"DISPLAY": ":" + numbers.readline().strip()}
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.environ(), stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        wait_for(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", env=self.environ()))
        if self.dpi:  # a density set the way desktops set it
            subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {self.dpi}\n", text=True, env=self.environ())
        return self

    def __exit__(self, *_):
        for process in (self.wm, self.xvfb):
            process.kill()
            process.wait()
        self.work.cleanup()

    def environ(self, extra=None):
        env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env.update(self.env)
        env.update(extra or {})
        return env

    def windows(self, title):
        return run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", env=self.environ()).split()

    def title(self, window):
        return re.search(r'= "(.*)"', run("xprop", "-id", window, "_NET_WM_NAME", env=self.environ())).group(1)

    def client(self, window):
        """The client area on the screen: x, y, width, height."""
        info = run("xwininfo", "-id", window, env=self.environ())
        return tuple(int(re.search(p + r":\s+(-?\d+)", info).group(1))
                     for p in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def frame(self, window):
        """What the window manager put around it: left, right, top, bottom."""
        extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS", env=self.environ())
        return tuple(int(v) for v in re.findall(r"\d+", extents.split("=")[1]))

    def screen_size(self):
        return tuple(int(v) for v in self.size.split("x"))

    def shot(self):
        return screen.from_xwd(subprocess.run(["xwd", "-root", "-silent"], capture_output=True,
                                              env=self.environ()).stdout)

    def keys(self, window, *keys):
        run("xdotool", "windowactivate", "--sync", window, env=self.environ())
        run("xdotool", "key", "--delay", "50", *keys, env=self.environ())

    def mouse(self, x, y, *then):
        """Moves the pointer there, then "click", "mousedown" or "mouseup" with button 1, if given."""
        run("xdotool", "mousemove", "--sync", str(x), str(y), *(then and (*then, "1")), env=self.environ())


def wait_for(condition, seconds=30):
    """Polls until `condition()` is true; its last value. Generous: a loaded machine starts slowly."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


if __name__ == "__main__":  # x11.py WIDTHxHEIGHT COMMAND...: runs a command on a display of its own
    import sys
    with X11(sys.argv[1]) as display:
        sys.exit(subprocess.run(sys.argv[2:], env=display.environ()).returncode)
