# A phone or tablet: Chromium's mobile emulation at the device's own scale (--force-device-scale-factor,
# with a mobile viewport of the device's CSS size), looked at and touched through the DevTools protocol on
# file descriptors 3 and 4 (--remote-debugging-pipe: JSON messages, each ended by a NUL byte).
import base64
import fcntl
import json
import os
import subprocess

from desktop import Desktop, from_ppm

# xdotool's key names as the protocol gives them: the key, its code and its Windows key code.
KEYS = {"Tab": ("Tab", "Tab", 9), "Left": ("ArrowLeft", "ArrowLeft", 37), "Right": ("ArrowRight", "ArrowRight", 39),
        "Home": ("Home", "Home", 36)}


class Phone(Desktop):
    def __init__(self, size, scale):
        self.size, self.scale_factor, self.browser = size, scale, None

    def start(self):
        pass

    def open(self, command, env):
        # The browser starts on an empty page, is made the device, and then opens the address.
        *command, address = command
        # Numbered above 4, so that neither is overwritten while it becomes the browser's 3 or 4.
        pipes = (*os.pipe(), *os.pipe())
        to_browser, self.requests, self.answers, from_browser = (fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10) for fd in pipes)
        for fd in pipes:
            os.close(fd)
        self.browser = subprocess.Popen(["bash", "-c", f'exec "$@" 3<&{to_browser} 4>&{from_browser}', "bash", *command],
                                        env=env, pass_fds=(to_browser, from_browser), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        os.close(to_browser)
        os.close(from_browser)
        self.buffer, self.count, self.session = b"", 0, None
        page = next(t for t in self.send("Target.getTargets")["targetInfos"] if t["type"] == "page")
        self.session = self.send("Target.attachToTarget", targetId=page["targetId"], flatten=True)["sessionId"]
        self.device(*map(int, self.size.split("x")))
        self.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        self.send("Emulation.setFocusEmulationEnabled", enabled=True)
        self.send("Page.navigate", url=address)
        self.touching = False
        return self.browser

    def device(self, width, height):
        # deviceScaleFactor 0 keeps the browser's own scale, as on a phone.
        angle = 0 if height >= width else 90
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=0, mobile=True,
                  screenOrientation={"type": "portraitPrimary" if angle == 0 else "landscapePrimary", "angle": angle})

    def send(self, method, **params):
        self.count += 1
        message = {"id": self.count, "method": method, "params": params, **({"sessionId": self.session} if self.session else {})}
        os.write(self.requests, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self.buffer:
                more = os.read(self.answers, 1 << 20)
                if not more:
                    raise EOFError("the browser has gone")
                self.buffer += more
            text, self.buffer = self.buffer.split(b"\0", 1)
            answer = json.loads(text)
            if answer.get("id") == self.count:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer["result"]

    def evaluate(self, expression):
        return self.send("Runtime.evaluate", expression=expression, awaitPromise=True, returnByValue=True)["result"].get("value")

    def windows(self, title):
        alive = self.browser and self.browser.poll() is None
        return ["page"] if alive and self.evaluate("document.title") == title else []

    def shot(self):
        png = base64.b64decode(self.send("Page.captureScreenshot", format="png")["data"])
        return from_ppm(subprocess.run(["pngtopnm"], input=png, capture_output=True).stdout)

    def keys(self, window, *keys):
        for name in keys:
            key, code, number = KEYS[name]
            for kind in ("keyDown", "keyUp"):
                self.send("Input.dispatchKeyEvent", type=kind, key=key, code=code, windowsVirtualKeyCode=number)

    def mouse(self, x, y, *then):
        # A finger, at a device pixel of the screenshot: down, moved while down, up, or a tap ("click").
        point = [{"x": x / self.scale_factor, "y": y / self.scale_factor}]
        steps = {"mousedown": ["touchStart"], "mouseup": ["touchEnd"], "click": ["touchStart", "touchEnd"]}
        for kind in steps[then[0]] if then else ["touchMove"] * self.touching:
            self.send("Input.dispatchTouchEvent", type=kind, touchPoints=[] if kind == "touchEnd" else point)
            self.touching = kind != "touchEnd"
