# The web page in Chromium, Firefox and WebKitGTK on the X11 desktop of the tests, and on phones. A
# browser draws the page somewhere inside its own window, so the chart is found on the screen: its first
# patch, and the page's background around it.
import json
import os
import shutil
import tempfile
import urllib.parse

from desktop import wait_for
from phone import Phone
from x11 import X11

GRAY = lambda level: (level, level, level)
BLACK = GRAY(0)


class Browser:
    offers = {"pointer", "web", "tabs"}
    zoom_keys = {0.9: -1, 1.1: 1, 1.25: 2, 1.5: 3}  # the user's key presses from 100 % to each zoom
    suffix = ""  # what the browser adds to a page's title in its window's
    size_slack = 1  # the form's height at a zoom, rounded by the browser from its own ratio

    def __init__(self, program, scale, dpi):
        self.page, self.device_scale, self.scale, self.zoom = "file://" + program, scale or 1, 1, None
        self.program, self.env, self.desktop = program, {}, X11
        self.profiles = tempfile.mkdtemp(prefix="tonalyx-browser-")
        self.title = "Quenbury Tonalyx" + self.suffix

    def command(self, *args, address=None):
        # A new profile for each start, as a first visit: a browser remembers a page's zoom.
        self.profile = profile = tempfile.mkdtemp(dir=self.profiles)
        address = address or self.page + ("?" + urllib.parse.quote(" ".join(args)) if args else "")
        return self.start(profile, address)

    def place(self, display, window):
        # The form's corner and size on the screen: found from its first patch, the black form down to the
        # panel, and the page's background (as left of the form, whatever a dark mode made of it) right of
        # and below it. None while not all of it shows.
        shot, black = display.shot(), lambda c: c == BLACK
        if not (corner := shot.form()):
            return None
        left, top = corner
        try:
            page = shot.rgb(left - 1, top)
            panel = shot.walk(left, top, 0, 1, black)[1] + 1
            right = shot.walk(left, top + round(20 * (panel - top) / 371), 1, 0, lambda c: c != page)[0] + 1
            bottom = shot.walk(left, panel, 0, 1, lambda c: c != page)[1] + 1
        except IndexError:  # off the screen's edge
            return None
        self.scale = (right - left) / 544
        return (left, top), (right - left, bottom - top)

    def opened(self, app):
        # Zoomed as a user zooms, with the page open.
        if self.zoom:
            steps = self.zoom_keys[self.zoom]
            app.display.keys(app.window, *["ctrl+equal" if steps > 0 else "ctrl+minus"] * abs(steps))
            want = self.device_scale * self.zoom
            assert wait_for(lambda: app.find() and abs(app.scale - want) < 0.03, 10), f"zoomed to {app.scale}"

    def new_tab(self, display, window, address):
        # Ctrl+T, then the address typed where the new tab has put the focus.
        display.keys(window, "ctrl+t")
        active = lambda: display.run("xdotool", "getactivewindow", "getwindowname").strip()
        assert wait_for(lambda: not active().startswith("Quenbury Tonalyx"), 10), "a new tab"
        display.run("xdotool", "sleep", "0.3", "key", "ctrl+l", "type", "--delay", "10", address)
        display.run("xdotool", "key", "Return")

    prepare = lambda self, display: None

    def cleanup(self, display):
        shutil.rmtree(self.profiles, ignore_errors=True)


class Chromium(Browser):
    offers = Browser.offers | {"at-spi"}
    tab_title = "Quenbury Tonalyx - Chromium"  # the page in a tab of a browser window, not an app window
    # The browser's colour settings: its automatic dark mode for pages, and forced colours, as under a
    # contrast theme.
    colour_flags = {None: [], "dark": ["--enable-features=WebContentsForceDark"], "contrast": ["--force-high-contrast"]}

    def start(self, profile, address):
        # As root Chromium needs --no-sandbox; --test-type keeps it from saying so above the page.
        return ["chromium", "--no-sandbox", "--test-type", "--user-data-dir=" + profile, "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--disable-features=Translate", "--password-store=basic", "--window-position=0,0",
                "--force-renderer-accessibility",
                f"--force-device-scale-factor={self.device_scale}", "--window-size=%d,%d" % (
                    (self.width - 40) / self.device_scale, (self.height - 60) / self.device_scale),
                *self.colour_flags[self.colours], "--app=" + address]

    def new_tab(self, display, window, address):
        # Opened again as from a file manager: the start command with the bare address in place of its last
        # argument, --app, so the running browser of the profile takes it into a tab. Typed into the address
        # bar instead, the bar's completion raced the typing on a busy machine.
        display.spawn(*self.start(self.profile, address)[:-1], address, env=display.environ(self.env))


class Firefox(Browser):
    suffix = " — Mozilla Firefox"
    tab_title = "Quenbury Tonalyx" + suffix  # the second tab in the first's window
    prefs = {"browser.shell.checkDefaultBrowser": False, "browser.aboutwelcome.enabled": False,
             "datareporting.policy.dataSubmissionEnabled": False, "toolkit.telemetry.reportingpolicy.firstRun": False,
             "browser.startup.homepage_override.mstone": "ignore", "browser.sessionstore.resume_from_crash": False,
             "app.update.auto": False, "browser.tabs.warnOnClose": False, "browser.urlbar.autoFill": False}
    zoom_keys = {1.1: 1, 1.2: 2, 1.3: 3, 1.5: 5}  # Firefox's own steps, 10 % apart

    def start(self, profile, address):
        prefs = {**self.prefs, "layout.css.devPixelsPerPx": str(self.device_scale)}
        with open(os.path.join(profile, "user.js"), "w") as f:
            f.writelines(f'user_pref("{k}", {json.dumps(v)});\n' for k, v in prefs.items())
        return ["firefox-esr", "--no-remote", "--profile", profile, "--new-instance", "--width", str(self.width - 40),
                "--height", str(self.height - 60), address]


class WebKit(Browser):
    # WebKitGTK, Safari's engine, in a window of our own (webkit.py, on Debian's Python with its bindings):
    # GDK_SCALE is the device scale, and --dpi the desktop's text scale, which WebKit takes for a page zoom
    # the page is not told of.
    offers = {"pointer", "web"}

    def __init__(self, program, scale, dpi):
        super().__init__(program, scale, dpi)
        self.env = {"GDK_SCALE": str(round(self.device_scale)), "GDK_DPI_SCALE": str((dpi or 96) / 96),
                    "WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS": "1"}

    def start(self, profile, address):
        return ["/usr/bin/python3", os.path.join(os.path.dirname(__file__), "webkit.py"), address,
                str(round((self.width - 40) / self.device_scale)), str(round((self.height - 60) / self.device_scale))]


class ChromiumPhone(Chromium):
    # A phone or tablet (phone.py): --size is its screen in CSS pixels, --scale its device scale, and --turn
    # turns it from portrait to landscape with the page open. Touched, not clicked.
    offers = {"pointer", "resamples"}

    def __init__(self, program, scale, dpi):
        super().__init__(program, scale, dpi)
        self.desktop = lambda size: Phone(size, self.device_scale)

    def resample(self, app, on):
        # Pinched to 1.5 about a point above the form, where the form still fits the screen, or back to 1.
        app.display.pinch(app.origin[0] + app.size[0] // 2, app.origin[1] // 2, 1.5 if on else 0.5)

    def start(self, profile, address):
        return ["--no-sandbox", "--disable-background-networking", "--disable-component-update", "--disable-sync",
                f"--force-device-scale-factor={self.device_scale}", address]

    def opened(self, app):
        if self.turn:
            app.display.device(self.height, self.width)
            want = self.device_scale * min(1, self.height / 544, self.width / 432)  # the form fitted anew
            assert wait_for(lambda: app.find() and abs(app.scale - want) < 0.03, 10), f"turned: {app.scale}"
