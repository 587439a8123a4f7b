# An X server of the test's own (Xvfb) with a real window manager (openbox): looked at with xwd, typed at
# and clicked with xdotool.
#
#     x11.py WIDTHxHEIGHT COMMAND...     runs a command on a display of its own
import os
import re
import subprocess
import sys

from desktop import Desktop, from_xwd, wait_for


class X11(Desktop):
    foreign = ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")

    def __init__(self, size="1024x768", dpi=None):
        self.size, self.dpi = size, dpi

    def start(self):
        read, write = os.pipe()
        self.spawn("Xvfb", "-displayfd", str(write), "-screen", "0", self.size + "x24", "-nolisten", "tcp", "-noreset",
                   pass_fds=[write])
        os.close(write)
        with os.fdopen(read) as numbers:
            self.env = {"DISPLAY": ":" + numbers.readline().strip()}
        self.spawn("openbox", "--sm-disable")
        wait_for(lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        if self.dpi:  # a density set the way desktops set it
            subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {self.dpi}\n", text=True, env=self.environ())

    def windows(self, title):
        return self.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$").split()

    def client(self, window):
        # The client area on the screen: x, y, width, height.
        info = self.run("xwininfo", "-id", window)
        return tuple(int(re.search(p + r":\s+(-?\d+)", info).group(1))
                     for p in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def frame(self, window):
        # What the window manager put around it: left, right, top, bottom.
        return tuple(int(v) for v in re.findall(r"\d+", self.run("xprop", "-id", window, "_NET_FRAME_EXTENTS")))

    def shot(self):
        # xwd fails now and then while a window closes: it is asked again.
        take = lambda: subprocess.run(["xwd", "-root", "-silent"], capture_output=True, env=self.environ()).stdout
        return from_xwd(wait_for(lambda: (data := take()) and len(data) > 100 and data, 10))

    def keys(self, window, *keys):
        self.run("xdotool", "windowactivate", "--sync", window)
        self.run("xdotool", "key", "--delay", "50", *keys)

    def mouse(self, x, y, *then):
        # Moves the pointer there, then "click", "mousedown" or "mouseup" with button 1, if given.
        self.run("xdotool", "mousemove", "--sync", str(x), str(y), *(then and (*then, "1")))


if __name__ == "__main__":
    with X11(sys.argv[1]) as display:
        sys.exit(subprocess.run(sys.argv[2:], env=display.environ()).returncode)
