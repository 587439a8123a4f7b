#!/usr/bin/python3
# The page as a user opens it: a link opened in the browser they already run. One headless Chromium, then
# one Firefox and one WebKitGTK, and each load a new tab in it, the page and the bare page in turn, with two
# figures from each:
# - first paint: the browser's first-contentful-paint;
# - whole chart: the end of the first frame that shows the form with view 1's line field drawn (its canvas
#   no longer at a canvas's first width, 300) and every patch and swatch filled; for the bare page, the
#   first frame with its text.
# Both in milliseconds from the navigation's start: in Chromium on a desktop and on a phone whose processor
# is four times slower (as Lighthouse's mobile preset); in Firefox on a desktop, driven by WebDriver BiDi,
# which it speaks without a driver; in WebKitGTK on a desktop (webkit-loads.py, under Xvfb where there is
# no display). Prints medians and paired ratios; asserts nothing.
#   bench/running-browser.py PAGE BARE [PAIRS]      (after three warm-up pairs; default 15)
import itertools
import json
import os
import statistics
import subprocess
import sys
import tempfile

import trio
import trio_websocket

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.support.ui import WebDriverWait

from headless_chromium import browser

# Run in each page before its own scripts. A frame's rendering (animation callbacks, layout, the resize
# observers that draw the fields, paint) runs without a task between its steps, so a frame whose callback
# sees the form shown, and after which the chart is whole, painted the whole chart. Its time is when the
# main thread is done with that frame (the first task after it), not the frame's start, which lies before
# the script that kept the thread from drawing it.
PROBE = """
(() => {
    const form = () => document.getElementById("Form1");
    const shown = () => (form() ? !form().hidden : document.body?.textContent.includes("Quenbury Tonalyx")) || false;
    const filled = canvas => canvas.getContext("2d").getImageData(0, 0, 1, 1).data[3] === 255;
    const whole = () => !form() || form().querySelector("#Picture1 canvas").width !== 300 &&
                                   [...form().querySelectorAll("canvas.fill")].every(filled);
    const frame = () => {
        const wasShown = shown(), {port1, port2} = new MessageChannel();
        port1.onmessage = () => wasShown && whole() ? (window.wholeChart = performance.now()) : requestAnimationFrame(frame);
        port2.postMessage(0);
    };
    requestAnimationFrame(frame);
})();
"""
FIGURES = """(() => {
    const paint = performance.getEntriesByName("first-contentful-paint")[0];
    return paint && window.wholeChart ? [paint.startTime, window.wholeChart] : null;
})()"""
WARM_UPS = 3  # pairs loaded first and left out, in each browser and setting
SETTINGS = {
    "desktop, 800×600 at 1": [],
    "phone, 390×844 at 3, touch, processor 4× slower": [
        ("Emulation.setDeviceMetricsOverride", {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True}),
        ("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5}),
        ("Emulation.setCPUThrottlingRate", {"rate": 4})],
}


def load(driver, address, emulation):
    # A new tab, emulating the setting, with the probe; closed again once both figures are in.
    home = driver.current_window_handle
    driver.switch_to.new_window("tab")
    for command, parameters in emulation + [("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})]:
        driver.execute_cdp_cmd(command, parameters)
    driver.get(address)
    try:
        figures = WebDriverWait(driver, 20, poll_frequency=0.05).until(
            lambda d: d.execute_script("return " + FIGURES))
    except TimeoutException:  # said, and the pair left out
        seen = driver.execute_script("return [document.visibilityState, document.getElementById('Form1')?.hidden, "
                                     "performance.getEntriesByType('paint').length, window.wholeChart]")
        print(f"no figures from {address} (visibility, form hidden, paints, whole chart): {seen}", file=sys.stderr)
        figures = None
    driver.get("about:blank")  # lets the page's lock go before the next tab asks for it
    driver.close()
    driver.switch_to.window(home)
    return figures


async def firefox_runs(page, bare, pairs):
    # A new profile as a first visit, on a port of its own; each load a tab, closed before the next.
    profile, port = tempfile.mkdtemp(prefix="tonalyx-bench-"), 9347
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        prefs.write('user_pref("browser.aboutwelcome.enabled", false);\n'
                    'user_pref("datareporting.policy.dataSubmissionEnabled", false);\n')
    firefox = subprocess.Popen(["firefox-esr", "--headless", "--no-remote", "--profile", profile, "--width", "800",
                                "--height", "600", f"--remote-debugging-port={port}"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        async with trio.open_nursery() as nursery:
            for _ in range(100):
                try:
                    socket = await trio_websocket.connect_websocket_url(nursery, f"ws://127.0.0.1:{port}/session")
                    break
                except (OSError, trio_websocket.HandshakeError):
                    await trio.sleep(0.1)
            else:
                raise RuntimeError(f"Firefox opened no WebDriver BiDi port ({port})")
            ids = itertools.count(1)

            async def call(method, **params):
                number = next(ids)
                await socket.send_message(json.dumps({"id": number, "method": method, "params": params}))
                while (reply := json.loads(await socket.get_message())).get("id") != number:
                    pass  # an event
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply}")
                return reply["result"]

            async def load(address):
                context = (await call("browsingContext.create", type="tab"))["context"]
                await call("browsingContext.navigate", context=context, url=address, wait="complete")
                seen = {"type": "null"}  # a load that times out before its first answer has no figures
                with trio.move_on_after(20):
                    while (seen := (await call("script.evaluate", expression=FIGURES, target={"context": context},
                                               awaitPromise=False))["result"])["type"] != "array":
                        await trio.sleep(0.05)
                await call("browsingContext.close", context=context)
                return [figure["value"] for figure in seen["value"]] if seen["type"] == "array" else None

            await call("session.new", capabilities={})
            await call("script.addPreloadScript", functionDeclaration="() => {" + PROBE + "}")
            runs = [(await load(page), await load(bare)) for _ in range(WARM_UPS + pairs)][WARM_UPS:]
            nursery.cancel_scope.cancel()
            return runs
    finally:
        firefox.terminate()
        firefox.wait()


def webkit_runs(page, bare, pairs):
    command = [sys.executable, os.path.join(os.path.dirname(os.path.abspath(__file__)), "webkit-loads.py"), page,
               bare, str(WARM_UPS + pairs)]
    loads = subprocess.run(command if os.environ.get("DISPLAY") else ["xvfb-run", "-a"] + command, check=True,
                           input=json.dumps({"probe": PROBE, "figures": FIGURES}), capture_output=True, text=True,
                           env={**os.environ, "WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS": "1"})
    return json.loads(loads.stdout)[WARM_UPS:]


def report(setting, runs):
    if left_out := sum(None in run for run in runs):
        print(f"{setting}: {left_out} pairs without figures left out", file=sys.stderr)
    runs = [run for run in runs if None not in run]
    for index, figure in enumerate(["first paint", "whole chart"]):
        ours, floor = ([run[side][index] for run in runs] for side in (0, 1))
        over = statistics.median(a - b for a, b in zip(ours, floor))
        ratio = statistics.median(a / b for a, b in zip(ours, floor))
        print(f"| {setting} | {figure} | {statistics.median(ours):.1f} ms | {statistics.median(floor):.1f} ms "
              f"| {over:.1f} ms | {ratio:.2f} |")


def main():
    page, bare = (name if "://" in name else "file://" + os.path.abspath(name) for name in sys.argv[1:3])
    pairs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    driver = browser()
    try:
        version = driver.capabilities["browserVersion"]
        print(f"Chromium {version}, Firefox and WebKitGTK, each load a new tab, {pairs} pairs:")
        print("| setting | figure | page | bare page | over by | paired ratio |")
        print("|---|---|---|---|---|---|")
        for setting, emulation in SETTINGS.items():
            report(setting, [(load(driver, page, emulation), load(driver, bare, emulation))
                             for _ in range(WARM_UPS + pairs)][WARM_UPS:])
    finally:
        driver.quit()
    report("Firefox, desktop, 800×600 at 1", trio.run(firefox_runs, page, bare, pairs))
    report("WebKitGTK, desktop, 800×600 at 1", webkit_runs(page, bare, pairs))


main()
