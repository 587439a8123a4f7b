#!/usr/bin/env python3
# Puts the page together: page.html with the script, the module (gzip, base64) and the icon inside it, and a
# Content-Security-Policy that allows exactly that inline script and style and no request at all.
#
#     make_page.py page.html page.js tonalyx.wasm icon.png VERSION tonalyx.html
import base64
import gzip
import hashlib
import re
import sys

template, script_file, module_file, icon_file, version, out = sys.argv[1:]
read = lambda name: open(name, "rb").read()
script = read(script_file).decode()
style = re.search(r"<style>(.*?)</style>", read(template).decode(), re.S).group(1)
digest = lambda text: "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"
page = read(template).decode()
for key, value in [("VERSION", version), ("SCRIPT_HASH", digest(script)), ("STYLE_HASH", digest(style)),
                   ("ICON", base64.b64encode(read(icon_file)).decode()),
                   ("MODULE", base64.b64encode(gzip.compress(read(module_file), 9, mtime=0)).decode()), ("SCRIPT", script)]:
    page = page.replace(f"@{key}@", value)
open(out, "w").write(page)
