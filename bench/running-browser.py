#!/usr/bin/python3
# The page as a user opens it: a link opened in the Chromium they already run. One headless Chromium, and
# each load a new tab in it, the page and the bare page in turn, with two figures from each:
# - first paint: the browser's first-contentful-paint;
# - whole chart: the end of the first frame that shows the form with view 1's line field drawn (its canvas
#   no longer at a canvas's first width, 300) and every patch and swatch filled; for the bare page, the
#   first frame with its text.
# Both in milliseconds from the navigation's start, on a desktop and on a phone whose processor is four
# times slower (as Lighthouse's mobile preset). Prints medians and paired ratios; asserts nothing.
#   bench/running-browser.py PAGE BARE [PAIRS]      (after three warm-up pairs; default 15)
import os
import statistics
import sys
import tempfile

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

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
SETTINGS = {
    "desktop, 800×600 at 1": [],
    "phone, 390×844 at 3, touch, processor 4× slower": [
        ("Emulation.setDeviceMetricsOverride", {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True}),
        ("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5}),
        ("Emulation.setCPUThrottlingRate", {"rate": 4})],
}


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless=new", "--no-sandbox", "--window-size=800,600", "--no-first-run", "--disable-sync",
                 "--disable-background-networking", "--disable-component-update", "--disable-features=Translate",
                 "--password-store=basic", "--user-data-dir=" + tempfile.mkdtemp(prefix="tonalyx-bench-")]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def load(driver, address, emulation):
    # A new tab, emulating the setting, with the probe; closed again once both figures are in.
    home = driver.current_window_handle
    driver.switch_to.new_window("tab")
    for command, parameters in emulation + [("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})]:
        driver.execute_cdp_cmd(command, parameters)
    driver.get(address)
    try:
        figures = WebDriverWait(driver, 20, poll_frequency=0.05).until(lambda d: d.execute_script(
            "const paint = performance.getEntriesByName('first-contentful-paint')[0];"
            "return paint && window.wholeChart && [paint.startTime, window.wholeChart];"))
    except TimeoutException:  # said, and the pair left out
        seen = driver.execute_script("return [document.visibilityState, document.getElementById('Form1')?.hidden, "
                                     "performance.getEntriesByType('paint').length, window.wholeChart]")
        print(f"no figures from {address} (visibility, form hidden, paints, whole chart): {seen}", file=sys.stderr)
        figures = None
    driver.get("about:blank")  # lets the page's lock go before the next tab asks for it
    driver.close()
    driver.switch_to.window(home)
    return figures


def main():
    page, bare = (name if "://" in name else "file://" + os.path.abspath(name) for name in sys.argv[1:3])
    pairs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    driver = browser()
    try:
        print(f"Chromium {driver.capabilities['browserVersion']}, each load a new tab, {pairs} pairs:")
        print("| setting | figure | page | bare page | over by | paired ratio |")
        print("|---|---|---|---|---|---|")
        for setting, emulation in SETTINGS.items():
            runs = [(load(driver, page, emulation), load(driver, bare, emulation)) for _ in range(pairs + 3)][3:]
            runs = [run for run in runs if None not in run]
            for index, figure in enumerate(["first paint", "whole chart"]):
                ours, floor = ([run[side][index] for run in runs] for side in (0, 1))
                over = statistics.median(a - b for a, b in zip(ours, floor))
                ratio = statistics.median(a / b for a, b in zip(ours, floor))
                print(f"| {setting} | {figure} | {statistics.median(ours):.1f} ms | {statistics.median(floor):.1f} ms "
                      f"| {over:.1f} ms | {ratio:.2f} |")
    finally:
        driver.quit()


main()
