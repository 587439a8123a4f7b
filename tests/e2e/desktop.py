# What every desktop of the tests shares: processes of its own that end with it, the variables that lead a
# program to it, waiting on conditions, and screenshots read pixel by pixel (xwd or PPM).
import os
import shutil
import struct
import subprocess
import tempfile
import time


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs).stdout


def wait_for(condition, seconds=30):
    # Polls until `condition()` is true; its last value. Generous: a loaded machine starts slowly.
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


class Desktop:
    scale = 1        # device pixels per logical pixel, where the desktop rather than the program sets it
    foreign = ()     # variables that would lead a program to another desktop

    def __enter__(self):
        self.processes, self.env = [], {}
        self.work = tempfile.mkdtemp(prefix="tonalyx-desktop-")
        os.chmod(self.work, 0o755)
        try:
            self.start()
        except BaseException:  # what had started ends with it, and leaves no display behind
            self.__exit__()
            raise
        return self

    def __exit__(self, *_):
        for process in reversed(self.processes):
            process.kill()
            process.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def spawn(self, *command, **kwargs):
        # A process that lives as long as the desktop; its output goes nowhere.
        kwargs.setdefault("env", self.environ())
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def environ(self, extra=None):
        env = {k: v for k, v in os.environ.items() if k not in self.foreign}
        env.update(self.env)
        env.update(extra or {})
        return env

    def run(self, *command):
        return run(*command, env=self.environ())

    def open(self, command, env):
        # A copy of the program; its output goes nowhere, so a chatty toolkit cannot block it.
        return subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def assistive(self):
        # A session bus of the desktop's own, on which programs meet assistive technology (AT-SPI); what a
        # program needs to be seen there.
        bus = "unix:path=" + os.path.join(self.work, "bus")
        self.spawn("dbus-daemon", "--session", "--nofork", "--address=" + bus)
        assert wait_for(lambda: os.path.exists(bus[10:]))
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus  # for pyatspi in this process, imported next
        return {"DBUS_SESSION_BUS_ADDRESS": bus, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "ACCESSIBILITY_ENABLED": "1"}

    def accessible(self, title):
        # What a screen reader finds in the window of that title, the window first: each object's role, name,
        # whether it takes the focus, its value, and what it is told of beyond its name (the description and
        # a value's text).
        import pyatspi
        tree = lambda node: [node] + [o for child in node for o in tree(child) if o]
        windows = [w for app in pyatspi.Registry.getDesktop(0) if app for w in app if w and w.name == title]
        value = lambda o: o.queryValue().currentValue if "Value" in pyatspi.listInterfaces(o) else None
        return [(o.getRoleName(), o.name, o.getState().contains(pyatspi.STATE_FOCUSABLE), value(o),
                 o.description + " " + dict(a.split(":", 1) for a in o.getAttributes()).get("valuetext", ""))
                for o in (tree(windows[0]) if windows else [])]


class Shot:
    # A screenshot: `rgb(x, y)` of a device pixel, `region` the raw bytes of a rectangle.

    def __init__(self, data, pixel, stride, offset, order, width):
        self.data, self.pixel, self.stride, self.offset, self.order, self.width = data, pixel, stride, offset, order, width

    def rgb(self, x, y):
        at = self.offset + y * self.stride + x * self.pixel
        return tuple(self.data[at + i] for i in self.order)

    def find(self, colour, run=1):
        # Each pixel, row by row, that starts `run` pixels of that colour along its row.
        pattern = bytes(colour[self.order.index(i)] for i in range(3))
        at = self.data.find(pattern, self.offset)
        while at >= 0:
            y, x = divmod(at - self.offset, self.stride)
            if x % self.pixel == 0 and all(self.rgb(x // self.pixel + i, y) == colour for i in range(run)):
                yield x // self.pixel, y
            at = self.data.find(pattern, at + 1)

    def walk(self, x, y, dx, dy, same):
        # From (x, y) in steps of (dx, dy), the last pixel whose colour is `same`, within the screen.
        rows = (len(self.data) - self.offset) // self.stride
        while 0 <= x + dx < self.width and 0 <= y + dy < rows and same(self.rgb(x + dx, y + dy)):
            x, y = x + dx, y + dy
        return x, y

    def form(self):
        # The form's corner, found on the screen from its first patch: gray 128 with black left of and above
        # it, then the form's black to the left and up. None while no patch shows.
        black = lambda c: c == (0, 0, 0)
        patch = next((p for p in self.find((128,) * 3, 8) if black(self.rgb(p[0] - 1, p[1])) and black(self.rgb(p[0], p[1] - 1))), None)
        return patch and self.walk(self.walk(*patch, -1, 0, black)[0], patch[1], 0, -1, black)

    def region(self, x, y, w, h):
        starts = (self.offset + (y + r) * self.stride + x * self.pixel for r in range(h))
        return b"".join(self.data[s:s + w * self.pixel] for s in starts)


def from_xwd(data):
    header = struct.unpack(">25I", data[:100])
    pixel, stride, colours = header[11] // 8, header[12], header[19]
    return Shot(data, pixel, stride, header[0] + 12 * colours, (2, 1, 0), header[4])


def from_ppm(data):
    fields = data.split(maxsplit=4)  # P6, width, height, 255, then the pixels after one blank
    width, height = int(fields[1]), int(fields[2])
    return Shot(data, 3, 3 * width, len(data) - 3 * width * height, (0, 1, 2), width)
