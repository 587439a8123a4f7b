# The headless Chromium the page's benchmarks drive, in a fresh profile: a first visit, with nothing of
# the browser's own (sync, updates, translation) running beside the page.
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless=new", "--no-sandbox", "--window-size=800,600", "--no-first-run", "--disable-sync",
                 "--disable-background-networking", "--disable-component-update", "--disable-features=Translate",
                 "--password-store=basic", "--user-data-dir=" + tempfile.mkdtemp(prefix="tonalyx-bench-")]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
