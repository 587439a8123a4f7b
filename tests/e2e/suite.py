#!/usr/bin/python3
# The real program on a real desktop, used as a person would: started, looked at (screenshots checked at
# the pixels that matter), typed at and clicked. Each case is written once and runs on every front end.
#
#     suite.py FRONT_END PROGRAM [--scale S] [--dpi D] [--size WxH] [CASE ...]
#
# FRONT_END is qt-x11 (Xvfb and openbox), qt-wayland (a headless sway; --scale is the output's), qt-gnome
# (a headless GNOME Shell; the same), win32-wine (tonalyx.exe under Wine, on Xvfb and openbox; --scale moves
# the window, see Win32Wine), or web-chromium, web-firefox and web-webkit (PROGRAM is tonalyx.html; --scale is the
# browser's device scale factor, --zoom the zoom the user sets with the page open, and --colours a colour
# setting of Chromium's), or web-phone (a phone or tablet of --size CSS pixels at --scale, --turn turned).
import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from browser import Chromium, ChromiumPhone, Firefox, WebKit
from desktop import wait_for
from wayland import Gnome, Sway
from x11 import X11

TITLE = "Quenbury Tonalyx"
PATCH_LEVELS = [128, 143, 156, 165, 174, 181, 186, 191, 195, 199, 203, 206, 208, 211, 213, 215]
# Places in the window, in pixels of the layout at 96 dpi.
PICTURE1 = (46, 58, 227, 267)  # view 1's line field
SWATCH1 = (373, 158)           # inside view 1's swatch
PICTURE4 = (114, 49, 86, 293)  # view 2's line field left of its swatch, as far as the view shows it
SWATCH2 = (270, 192)           # inside view 2's swatch
OPTION2 = (110, 415)
LABEL1, LABEL2 = (199, 400, 147, 29), (359, 407, 119, 15)
SLIDER = (45, 376, 456, 20)    # the scroll bar, arrows included
GRAY = lambda level: (level, level, level)
WHITE, BLACK = GRAY(255), GRAY(0)


class Pixels(bytes):
    # A readout's pixels, alike to within 3 levels a byte: WebKit smooths the same text that much differently
    # from one paint to the next.
    __eq__ = lambda a, b: len(a) == len(b) and all(abs(x - y) <= 3 for x, y in zip(a, b))
    __ne__ = lambda a, b: not a == b


class QtX11:
    offers = {"program", "posix", "x11", "pointer", "at-spi"}
    title = TITLE

    def __init__(self, program, scale, dpi):
        self.program, self.scale = program, scale or (dpi / 96 if dpi else 1)
        self.env = {"QT_SCALE_FACTOR": str(scale)} if scale else {}
        self.desktop = lambda size: X11(size, dpi)

    def command(self, *args):
        return [self.program, *args]

    prepare = cleanup = lambda self, display: None  # what a front end does before and after all cases
    opened = lambda self, app: None  # and once a copy shows its chart

    def place(self, display, window):
        # Where the form's client area is on the screen, and its size; None while the desktop cannot tell.
        client = display.client(window)
        return client and (client[:2], client[2:])


class QtWayland(QtX11):
    # Qt as a native Wayland client; the compositor's output scale sets the density.
    offers = {"program", "posix", "wayland", "resamples"}
    compositor, env = Sway, {}

    def __init__(self, program, scale, dpi):
        self.program, self.scale = program, 1
        self.desktop = lambda size: self.compositor(size, scale or 1)

    def resample(self, app, on):
        # The output's scale set to a fraction, at which the compositor resamples the window, or back to 1.
        app.display.set_scale(1.5 if on else 1)
        app.display.move(app.window, "center")  # the screen is smaller at 1.5


class QtGnome(QtWayland):
    # As in a GNOME session, where Qt draws its Adwaita frame.
    offers = {"program", "posix", "pointer", "moves"}
    compositor, env = Gnome, {"XDG_CURRENT_DESKTOP": "GNOME"}


class Win32Wine(QtX11):
    offers = {"program", "x11", "pointer"}
    # The program centres the frame that Wine measures; the window manager draws its own, which Wine 8
    # matches exactly and Wine 10 to 3 pixels.
    frame_slack = 3

    def __init__(self, program, scale, dpi):
        # At `dpi` (Wine's LogPixels); with `scale`, the program is a build that Windows tells, once its window
        # shows, that the window moved to a screen of `scale` times that density (TONALYX_MOVED_DPI, which the
        # program itself never reads).
        self.program, self.dpi, self.scale = program, dpi or 96, (dpi or 96) / 96 * (scale or 1)
        self.env = {"WINEPREFIX": tempfile.mkdtemp(prefix="tonalyx-wine-"), "WINEDEBUG": "-all",
                    "WINEDLLOVERRIDES": "mscoree,mshtml=", "TONALYX_MOVED_DPI": str(round(self.scale * 96))}
        self.desktop = X11

    def command(self, *args):
        return ["wine", self.program, *args]

    def prepare(self, display):
        # A prefix at the front end's density, and a server that stays for every case.
        env = display.environ(self.env)
        subprocess.run(["wineboot", "-i"], env=env, capture_output=True)
        subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                        "/d", str(self.dpi), "/f"], env=env, capture_output=True)
        subprocess.run(["wineserver", "-w"], env=env)
        display.spawn("wineserver", "-f", "-p", env=env)

    def cleanup(self, display):
        subprocess.run(["wineserver", "-k"], env=display.environ(self.env))
        shutil.rmtree(self.env["WINEPREFIX"], ignore_errors=True)


class App:
    # One copy of the program on the display, looked at in layout pixels scaled to device pixels. The
    # runner stops every copy a case started.
    started = []

    def __init__(self, front, display, *args, env=None, command=None):
        self.front, self.display = front, display
        App.started.append(self)
        self.process = display.open(command or front.command(*args), display.environ({**front.env, **(env or {})}))
        # Where the window stands once it shows the chart; a compositor may still move it after mapping.
        assert wait_for(lambda: self.find() and self.pixel(20, 14) == GRAY(128)), "no window showed the chart"
        front.opened(self)

    def find(self):
        windows = self.display.windows(self.front.title)
        placed = windows and self.front.place(self.display, windows[0])
        if placed:
            self.window, (self.origin, self.size) = windows[0], placed
        return bool(placed)

    @property
    def scale(self):
        return self.front.scale * self.display.scale

    def at(self, x, y):
        return self.origin[0] + round(x * self.scale), self.origin[1] + round(y * self.scale)

    def pixel(self, x, y, shot=None):
        return (shot or self.display.shot()).rgb(*self.at(x, y))

    def lines(self, rect, shot):
        # Every device row of the field pure white or black, alternating, from white. The field's corner
        # is looked for near its place: each toolkit rounds nested positions at a density its own way.
        x0, y0 = self.at(*rect[:2])
        corners = [(x, y) for y in range(y0 - 2, y0 + 3) for x in range(x0 - 2, x0 + 3)
                   if shot.rgb(x, y) == WHITE and shot.rgb(x - 1, y) == BLACK and shot.rgb(x, y - 1) == BLACK]
        if not corners:
            return f"no field's corner near {x0 - self.origin[0]}, {y0 - self.origin[1]}"
        left, top = corners[0]
        width, height = int(rect[2] * self.scale) - 1, int(rect[3] * self.scale) - 1
        for y in range(top, top + height):
            want = WHITE if (y - top) % 2 == 0 else BLACK
            bad = next((x for x in range(left, left + width) if shot.rgb(x, y) != want), None)
            if bad is not None:
                return f"device pixel ({bad - left}, {y - top}) is {shot.rgb(bad, y)}, not {want}"
        return None

    def notice(self, rect, shot=None):
        # The field shows its notice instead of lines: light text on black, and not one device pixel white.
        shot = shot or self.display.shot()
        (x0, y0), (x1, y1) = self.at(*rect[:2]), self.at(rect[0] + rect[2], rect[1] + rect[3])
        seen = {shot.rgb(x, y) for y in range(y0 + 1, y1 - 1, 3) for x in range(x0 + 1, x1 - 1, 3)}
        return WHITE not in seen and any(min(c) > 128 for c in seen)

    def field(self, rect):
        # What is wrong with a line field, as lines() says, wherever the window is now; None when nothing is.
        return self.lines(rect, self.display.shot()) if self.find() else "no window shows the chart"

    def readouts(self):
        shot = self.display.shot()
        return [Pixels(shot.region(*self.at(x, y), round(w * self.scale), round(h * self.scale))) for x, y, w, h in (LABEL1, LABEL2)]

    def shows(self, point, colour):
        return wait_for(lambda: self.pixel(*point) == colour, 10)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        wait_for(lambda: not self.display.windows(self.front.title), 10)


# The cases. Each gets the front end and the display, and starts the program itself.

def first_look(front, display):
    app = App(front, display, "--help", "chart.png")  # found by its exact title; arguments change nothing
    slack, s = getattr(front, "size_slack", 0), app.scale
    # A window told of a new density once it shows is laid out anew a moment later.
    fits = lambda: app.find() and all(abs(a - round(b * s)) <= slack for a, b in zip(app.size, (544, 432)))
    assert wait_for(fits, 10), app.size
    shot = display.shot()
    assert not (fault := app.lines(PICTURE1, shot)), "view 1's line field: " + fault
    for i, level in enumerate(PATCH_LEVELS):
        assert app.pixel(34 * i + 32, 14, shot) == GRAY(level), f"patch {i}: {app.pixel(34 * i + 32, 14, shot)}"
    assert app.pixel(*SWATCH1, shot) == GRAY(192)
    for x, y in [(5, 200), (540, 200), (272, 350)]:
        assert app.pixel(x, y, shot) == BLACK, f"background at {x}, {y}"


def view_switch(front, display):
    app = App(front, display)
    display.keys(app.window, "shift+Tab", "space")  # back from the panel to "Ansicht 2", and select it
    assert app.shows(SWATCH2, GRAY(192)), "view 2's swatch"
    shot = display.shot()
    assert not (fault := app.lines(PICTURE4, shot)), "view 2's line field: " + fault
    # One layout pixel below the view's edge, which at 168 dpi falls half-way through a device pixel.
    assert app.pixel(PICTURE4[0] + 10, PICTURE4[1] + 294, shot) == BLACK, "view 2's field ends at the view's edge"
    assert app.pixel(PICTURE1[0] + 10, PICTURE1[1] + 260, shot) == BLACK, "view 1 is hidden"
    display.keys(app.window, "Left")  # the arrow selects "Ansicht 1" within the group
    assert app.shows(SWATCH1, GRAY(192)), "view 1 again"


def keys_move_the_level(front, display):
    app = App(front, display)
    readouts = app.readouts()
    display.keys(app.window, "Tab", "Right")  # the focus starts on the panel; Tab reaches the slider
    assert app.shows(SWATCH1, GRAY(193)), "Tab, Right: swatch 193"
    assert all(now != then for now, then in zip(app.readouts(), readouts)), "both readouts changed"
    display.keys(app.window, "Left")
    assert app.shows(SWATCH1, GRAY(192))
    assert wait_for(lambda: app.readouts() == readouts, 10), "back at 192, the readouts as at start"
    for key, level in [("Next", 202), ("Prior", 192), ("End", 237), ("Home", 81), ("Down", 82), ("Up", 81)]:
        display.keys(app.window, key)
        assert app.shows(SWATCH1, GRAY(level)), f"{key}: swatch {level}, not {app.pixel(*SWATCH1)}"


def track_click(front, display):
    app = App(front, display)
    x, y, w, h = SLIDER
    display.mouse(*app.at(x + w - 2 * h, y + h // 2), "click")  # in the track, right of the thumb
    assert app.shows(SWATCH1, GRAY(202)), f"a click in the track: 202, not {app.pixel(*SWATCH1)}"
    readouts = app.readouts()
    display.keys(app.window, "Left", "Right")  # the same level again, by the keys
    # The swatch showed 202 before the keys too: the readouts are waited for.
    assert wait_for(lambda: app.readouts() == readouts, 10), "the readouts of 202 by click and by key"
    display.mouse(*app.at(*OPTION2), "click")
    assert app.shows(SWATCH2, GRAY(202)), "a click on \"Ansicht 2\": its swatch took the level while hidden"


def drag_follows(front, display):
    app = App(front, display)
    display.keys(app.window, "Tab", "Home")
    assert app.shows(SWATCH1, GRAY(81))
    x, y, w, h = SLIDER
    display.mouse(*app.at(x + h + 4, y + h // 2), "mousedown")  # on the thumb, at the left end
    seen = set()
    for step in range(1, 8):
        display.mouse(*app.at(x + h + 4 + 25 * step, y + h // 2))
        seen.add(app.pixel(*SWATCH1))
    display.mouse(*app.at(x + h + 4 + 175, y + h // 2), "mouseup")
    # The first screenshot may still show 81: what counts is the levels passed before the release.
    levels = [c[0] for c in seen if c[0] == c[1] == c[2] and c[0] > 81]
    assert len(levels) >= 3, f"the swatch follows the thumb before release: {sorted(seen)}"


def centred(front, display):
    app = App(front, display)
    cx, cy, cw, ch = display.client(app.window)
    left, right, top, bottom = display.frame(app.window)
    assert top > 0, "the window manager framed the window"
    width, height = map(int, display.size.split("x"))
    # The outer frame centred across the width and in the upper 85 % of the height, in twips.
    a = round(height * 15 * 0.85)
    want_top = max(a // 2 - (ch + top + bottom) * 15 // 2, 0)
    want_left = max(width * 15 // 2 - (cw + left + right) * 15 // 2, 0)
    off = (cx - left - round(want_left / 15), cy - top - round(want_top / 15))
    assert max(map(abs, off)) <= getattr(front, "frame_slack", 0), f"the outer frame is off by {off}"


def one_copy(front, display):
    runtime = tempfile.mkdtemp(dir=display.work)  # copies with and without a runtime folder know of each other
    app = App(front, display, env={"XDG_RUNTIME_DIR": runtime})
    for env in ({}, {"XDG_RUNTIME_DIR": ""}):
        second = subprocess.run(front.command(), env=display.environ({**front.env, **env}), capture_output=True,
                                timeout=20)
        assert second.returncode == 0 and not second.stderr.strip(), "a second copy ends at once, silently"
    assert len(display.windows(TITLE)) == 1
    app.stop()  # killed: it leaves nothing that blocks the next start
    copies = [subprocess.Popen(front.command(), env=display.environ(front.env), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL) for _ in range(12)]
    assert wait_for(lambda: len(display.windows(TITLE)) == 1)
    assert wait_for(lambda: sum(c.poll() is None for c in copies) == 1), "twelve starts at once leave one running"
    time.sleep(1)  # time for a late copy to show itself wrongly
    assert len(display.windows(TITLE)) == 1
    for c in copies:
        c.kill()
        c.wait()


def same_readouts(front, display, first, rows):
    # The names of the starts (name, variables, command) whose readouts differ from those of a first start.
    app = App(front, display, command=first)
    readouts = app.readouts()  # the same everywhere: in a German locale too, the gamma has its point
    app.stop()
    failed = []
    for name, env, command in rows:
        try:
            app = App(front, display, env=env, command=command)
            assert app.readouts() == readouts
            app.stop()
        except AssertionError:
            failed.append(name)
    return failed


def odd_environments(front, display):
    def copy_into(*folders):
        os.makedirs(os.path.join(display.work, *folders))
        return shutil.copy(front.program, os.path.join(display.work, *folders))

    program = front.program
    rows = [("HOME unset", {"HOME": ""}, [program]),
            ("locale de_DE.UTF-8", {"LC_ALL": "de_DE.UTF-8"}, [program]),
            # Linux takes at most 128 KiB in one argument: a megabyte comes as ten.
            ("1 MB of arguments", {}, [program] + ["x" * 100000] * 10),
            ("invalid UTF-8 arguments", {}, [program, b"\xff\xfe", b"a\xc3(b"]),
            ("folder with spaces and umlauts", {}, [copy_into("Ordner mit Leerzeichen", "Größe – ÄÖÜ")]),
            ("path over 260 characters", {}, [copy_into(*["a-folder-name-of-some-length"] * 12)])]
    failed = same_readouts(front, display, None, rows)
    no_display = subprocess.run([program], env={k: v for k, v in display.environ().items() if k != "DISPLAY"},
                                capture_output=True, text=True)
    if not (0 < no_display.returncode < 128 and "cannot open the window" in no_display.stderr):
        failed.append("no display: a status and a reason")
    assert not failed, ", ".join(failed)


def other_users(front, display):
    program = shutil.copy(front.program, display.work)  # where other users reach it, unlike a private home
    as_user = lambda uid: ["setpriv", f"--reuid={uid}", f"--regid={uid}", "--clear-groups", "env", "HOME=/"]
    # Another user prepares our fallback lock folder, open to all, and holds a lock in it: we start all
    # the same (where /run/user/UID is missing, as here).
    trap = "/tmp/quenbury-tonalyx-65533"
    shutil.rmtree(trap, ignore_errors=True)
    attacker = subprocess.Popen(as_user(65534) + ["sh", "-c", f"mkdir -m 0777 {trap} && exec flock "
                                                  f"{trap}/quenbury-tonalyx.lock sleep 60"], start_new_session=True)
    wait_for(lambda: os.path.exists(trap + "/quenbury-tonalyx.lock"))
    victim = App(front, display, command=as_user(65533) + [program], env={"XDG_RUNTIME_DIR": ""})
    os.killpg(attacker.pid, signal.SIGKILL)
    victim.stop()
    shutil.rmtree(trap, ignore_errors=True)


def menu_entry(front, display):
    # Started as a desktop's menu starts it, by the Exec line of its installed desktop entry, the program
    # opens its window with its 32 x 32 icon.
    with open(front.entry) as entry:
        command = next(line[5:].split() for line in entry if line.startswith("Exec="))
    app = App(front, display, command=command, env={"PATH": os.path.dirname(front.program) + ":" + os.environ["PATH"]})
    assert "Icon (32 x 32)" in display.run("xprop", "-id", app.window, "_NET_WM_ICON")[:200], "no icon"


def native_wayland(front, display):
    app = App(front, display)
    assert display.native_client(app.window) == "com.quenbury.Tonalyx", "a native client with the app id"


def scale_change(front, display):
    # The user moves the window to a screen of another scale: the chart is drawn anew at its density.
    app = App(front, display)
    display.set_scale(2)
    assert wait_for(lambda: app.find() and display.client(app.window)[2] == 1088, 10), "rescaled"
    display.move(app.window, "center")  # the screen is half as wide now
    # The redraw may take a frame or two, and Qt 6.4's new native window is placed anew.
    assert wait_for(lambda: not app.field(PICTURE1), 10), f"view 1's line field at scale 2: {app.field(PICTURE1)}"


def not_exact(front, display):
    # Where the screen resamples the chart (a pinch, a compositor's fractional scale), both fields show the
    # notice instead of blended lines, and the rest goes on working; once it no longer does, the lines are
    # back, exact, in either view.
    app = App(front, display)
    front.resample(app, True)
    assert wait_for(lambda: app.find() and app.notice(PICTURE1)), "view 1 shows the notice"
    display.keys(app.window, "shift+Tab", "space")
    assert wait_for(lambda: app.find() and app.notice(PICTURE4)), "view 2 shows the notice"
    display.keys(app.window, "Tab", "Tab", "Right")  # round to the slider
    assert app.shows(SWATCH2, GRAY(193)), "the slider moves the swatch"
    front.resample(app, False)
    assert wait_for(lambda: not app.field(PICTURE4)), f"view 2's lines again: {app.field(PICTURE4)}"
    display.keys(app.window, "shift+Tab", "shift+Tab", "Left")
    assert wait_for(lambda: not app.field(PICTURE1)), f"view 1's lines again: {app.field(PICTURE1)}"


def anywhere(front, display):
    # Moved by a quarter of a device pixel at a time (at 1.25), the window shows every row of view 1's field.
    app = App(front, display)
    for x, y in [(100, 100), (101, 101), (102, 102), (103, 103)]:
        display.move(app.window, x, y)
        assert wait_for(lambda: not app.field(PICTURE1), 10), f"view 1's line field at {x}, {y}: {app.field(PICTURE1)}"


def second_tab(front, display):
    # The page opened again in another tab of the same browser stays empty; the first goes on.
    app = App(front, display)
    front.new_tab(display, app.window, front.page)
    assert wait_for(lambda: display.windows(front.tab_title), 20), "a second tab"
    time.sleep(1)  # time for the second copy to show itself wrongly
    tab = display.windows(front.tab_title)[0]
    x, y, w, h = display.client(tab)
    shot = display.shot()
    assert all(shot.rgb(x + w // 2, y + h // 2 + dy) == (64, 64, 64) for dy in (-100, 0, 100)), "the tab is empty"
    display.keys(tab, "ctrl+w")
    assert wait_for(lambda: app.find() and app.pixel(20, 14) == GRAY(128)), "the first copy goes on"
    display.keys(app.window, "Tab", "Right")
    assert app.shows(SWATCH1, GRAY(193)), "and takes its keys"


def odd_addresses(front, display):
    # A query of a megabyte, invalid percent-encoding and a fragment start the page as any address does.
    page = "file://" + shutil.copy(front.program, display.work)
    starter = os.path.join(display.work, "start.html")  # the megabyte goes by script, not on a command line
    with open(starter, "w") as f:
        f.write('<script>location.replace("tonalyx.html?" + "x".repeat(1000000))</script>')
    rows = [("1 MB query", "file://" + starter), ("invalid percent-encoding", page + "?%E0%A4%A&%zz"),
            ("fragment", page + "?a#b?c"), ("query of every byte", page + "?%00%FF%C3%28")]
    failed = same_readouts(front, display, front.command(address=page), [(n, {}, front.command(address=a)) for n, a in rows])
    assert not failed, ", ".join(failed)


def accessible(front, display):
    # To a screen reader the window is the titled frame, every control that takes the focus has a name, and
    # the slider tells its value with the gamma as it moves.
    app = App(front, display, env=display.assistive())
    nodes = lambda: display.accessible(TITLE)
    slider = lambda: next(n for n in nodes() if n[0] == "scroll bar")
    assert wait_for(nodes) and nodes()[0][:2] == ("frame", TITLE), "the window is a frame with the title"
    unnamed = [role for role, name, focusable, *_ in nodes() if focusable and not name]
    assert not unnamed, f"focusable and unnamed: {unnamed}"
    assert slider()[1::2] == ("Graustufe", 192.0), slider()
    display.keys(app.window, "Tab", "Right")
    assert wait_for(lambda: slider()[3] == 193, 10), "the value follows the slider"
    assert "Gamma :  2.48" in slider()[4], slider()


# name, case, what the front end must offer: POSIX environments, an X11 desktop, a pointer, Wayland, root, an
# installed desktop entry, a page, tabs, AT-SPI, a way to resample the window
CASES = [("first look", first_look, set()), ("view switch", view_switch, set()),
         ("keys move the level", keys_move_the_level, set()), ("track click", track_click, {"pointer"}),
         ("drag follows the thumb", drag_follows, {"pointer"}), ("centred by its outer frame", centred, {"x11"}),
         ("one copy only", one_copy, {"program"}), ("odd environments", odd_environments, {"posix", "x11"}),
         ("other users", other_users, {"posix", "x11", "root"}), ("native Wayland client", native_wayland, {"wayland"}),
         ("scale change", scale_change, {"wayland"}), ("started from its menu entry", menu_entry, {"x11", "installed"}),
         ("a second tab stays empty", second_tab, {"tabs"}), ("odd addresses", odd_addresses, {"web"}),
         ("exact wherever it stands", anywhere, {"moves"}), ("accessible", accessible, {"at-spi"}),
         ("not exact", not_exact, {"resamples"})]
FRONT_ENDS = {"qt-x11": QtX11, "qt-wayland": QtWayland, "qt-gnome": QtGnome, "win32-wine": Win32Wine,
              "web-chromium": Chromium, "web-firefox": Firefox, "web-webkit": WebKit,
              "web-phone": ChromiumPhone}


def run_case(case, front, display):
    # Runs one case and stops every copy of the program it started; what went wrong, or None.
    try:
        case(front, display)
    except Exception as error:  # noqa: BLE001 - one failed case must not hide the others
        return repr(error)
    finally:
        for app in App.started:
            app.stop()
        App.started.clear()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("front", choices=FRONT_ENDS)
    parser.add_argument("program")
    parser.add_argument("--scale", type=float)
    parser.add_argument("--dpi", type=int)
    parser.add_argument("--size", default="1024x768")
    parser.add_argument("--zoom", type=float)
    parser.add_argument("--colours", choices=["dark", "contrast"])
    parser.add_argument("--turn", action="store_true")
    parser.add_argument("cases", nargs="*")
    options = parser.parse_intermixed_args()
    front = FRONT_ENDS[options.front](os.path.abspath(options.program), options.scale, options.dpi)
    front.zoom, front.colours, front.turn = options.zoom, options.colours, options.turn
    front.width, front.height = map(int, options.size.split("x"))
    front.entry = os.path.join(os.path.dirname(front.program), "../share/applications/com.quenbury.Tonalyx.desktop")
    offers = front.offers | ({"root"} if os.geteuid() == 0 else set()) | ({"installed"} if os.path.exists(front.entry) else set())
    counts = {"passed": 0, "failed": 0, "skipped": 0}
    with front.desktop(options.size) as display:
        front.prepare(display)
        for name, case, needs in CASES:
            if options.cases and name not in options.cases:
                continue
            fault = run_case(case, front, display) if needs <= offers else "skipped"
            outcome = {None: "passed", "skipped": "skipped"}.get(fault, "failed")
            counts[outcome] += 1
            print(f"{outcome}: {name}" + (f": {fault}" if outcome == "failed" else ""), flush=True)
        front.cleanup(display)
    print(f"e2e: {counts['passed']} passed, {counts['failed']} failed, {counts['skipped']} skipped")
    return 1 if counts["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
