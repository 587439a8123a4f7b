#!/usr/bin/python3
# A floor for the page: the form as the page has built it, written out as plain HTML with no script, no
# module and no policy, its canvases left blank (the line fields at a size, the grays' canvases gone). The
# browser then only parses, styles, lays out and paints the form's elements with their fonts, which any
# page that shows this form must do. Timed beside the bare page as the page is:
#   bench/static-form.py build/web/tonalyx.html /tmp/form.html
#   bench/running-browser.py /tmp/form.html bench/bare.html
import os
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SNAPSHOT = """
const page = document.documentElement.cloneNode(true);
page.querySelectorAll("script, meta[http-equiv], canvas.fill").forEach(element => element.remove());
page.querySelectorAll("canvas.lines").forEach(canvas => Object.assign(canvas, {width: 700, height: 800}));
return "<!DOCTYPE html>\\n" + page.outerHTML;
"""

page, out = sys.argv[1:3]
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for flag in ["--headless=new", "--no-sandbox", "--window-size=800,600",
             "--user-data-dir=" + tempfile.mkdtemp(prefix="tonalyx-bench-")]:
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    driver.get("file://" + os.path.abspath(page))
    WebDriverWait(driver, 20).until(lambda d: d.execute_script("return !document.getElementById('Form1').hidden"))
    open(out, "w").write(driver.execute_script(SNAPSHOT))
finally:
    driver.quit()
