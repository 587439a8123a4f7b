#!/usr/bin/env python3
"""Starts the program as a desktop's menu does, by the Exec line of its desktop entry, on a display of its
own, and checks that its window opens with its 32 x 32 icon.
    start-from-menu.py DESKTOP_FILE      (PATH decides which tonalyx the Exec line finds)"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from x11 import X11, run, wait_for  # noqa: E402

command = next(line[5:].split() for line in open(sys.argv[1]) if line.startswith("Exec="))
with X11("800x600") as display:
    program = subprocess.Popen(command, env=display.environ())
    window = wait_for(lambda: display.windows("Quenbury Tonalyx"))
    icon = run("xprop", "-id", window[0], "_NET_WM_ICON", env=display.environ())[:200] if window else ""
    program.kill()
sys.exit(0 if "Icon (32 x 32)" in icon else "started from its menu entry, the program showed no window with its icon")
