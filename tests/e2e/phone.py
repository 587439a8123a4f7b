# A phone or tablet: Chromium's mobile emulation at the device's own scale (--force-device-scale-factor,
# with a mobile viewport of the device's CSS size), driven through ChromeDriver: screenshots of the page,
# keys, and a finger (through the DevTools protocol, which keeps it down from one call to the next). The
# desktop is also the program's process, since ChromeDriver holds the browser.
import subprocess

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from desktop import Desktop, from_ppm


class Phone(Desktop):
    def __init__(self, size, scale):
        self.size, self.scale_factor, self.driver, self.touching = size, scale, None, False

    def start(self):
        pass

    def open(self, command, env):
        options = webdriver.ChromeOptions()
        for arg in ["--headless", *command[:-1]]:
            options.add_argument(arg)
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.device(*map(int, self.size.split("x")))
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        self.driver.get(command[-1])
        return self

    def device(self, width, height):
        # deviceScaleFactor 0 keeps the browser's own scale, as on a phone.
        angle = 0 if height >= width else 90
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 0, "mobile": True,
            "screenOrientation": {"type": "portraitPrimary" if angle == 0 else "landscapePrimary", "angle": angle}})

    # As the program's process.
    poll = lambda self: None if self.driver else 0
    wait = lambda self: None

    def kill(self):
        self.driver.quit()
        self.driver = None

    def windows(self, title):
        return ["page"] if self.driver and self.driver.title == title else []

    def shot(self):
        png = self.driver.get_screenshot_as_png()
        return from_ppm(subprocess.run(["pngtopnm"], input=png, capture_output=True).stdout)

    def keys(self, window, *keys):
        # Keys by their X names; "shift+Tab" holds shift.
        actions, key = ActionChains(self.driver), lambda name: getattr(Keys, name.upper())
        for *held, name in (k.split("+") for k in keys):
            for modifier in held:
                actions.key_down(key(modifier))
            actions.send_keys(key(name))
            for modifier in held:
                actions.key_up(key(modifier))
        actions.perform()

    def pinch(self, x, y, factor):
        # A pinch about a device pixel of the screenshot, as on a touchpad: the emulation zooms no page for two
        # fingers, yet both zoom the same visual viewport.
        point = {"x": x / self.scale_factor, "y": y / self.scale_factor}
        self.driver.execute_cdp_cmd("Input.synthesizePinchGesture", {**point, "scaleFactor": factor,
                                                                      "gestureSourceType": "mouse"})

    def mouse(self, x, y, *then):
        # A finger, at a device pixel of the screenshot: down, moved while down, up, or a tap ("click").
        point = [{"x": x / self.scale_factor, "y": y / self.scale_factor}]
        steps = {"mousedown": ["touchStart"], "mouseup": ["touchEnd"], "click": ["touchStart", "touchEnd"]}
        for kind in steps[then[0]] if then else ["touchMove"] * self.touching:
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": [] if kind == "touchEnd" else point})
            self.touching = kind != "touchEnd"
