#!/usr/bin/python3
# A floor for the page: the form as the page has built it, written out as plain HTML with no script, no
# module and no policy, its canvases left blank (the line fields at a size, the grays' canvases gone). The
# browser then only parses, styles, lays out and paints the form's elements with their fonts, which any
# page that shows this form must do. Timed beside the bare page as the page is:
#   bench/static-form.py build/web/tonalyx.html /tmp/form.html
#   bench/running-browser.py /tmp/form.html bench/bare.html
import os
import sys

from selenium.webdriver.support.ui import WebDriverWait

from headless_chromium import browser

SNAPSHOT = """
const page = document.documentElement.cloneNode(true);
page.querySelectorAll("script, meta[http-equiv], canvas.fill").forEach(element => element.remove());
page.querySelectorAll("canvas.lines").forEach(canvas => Object.assign(canvas, {width: 700, height: 800}));
return "<!DOCTYPE html>\\n" + page.outerHTML;
"""

page, out = sys.argv[1:3]
driver = browser()
try:
    driver.get("file://" + os.path.abspath(page))
    WebDriverWait(driver, 20).until(lambda d: d.execute_script("return !document.getElementById('Form1').hidden"))
    open(out, "w").write(driver.execute_script(SNAPSHOT))
finally:
    driver.quit()
