#!/usr/bin/env python3
"""Fails when a committed image differs from what resources/make_images.py writes."""
import filecmp
import os
import subprocess
import sys
import tempfile

resources = sys.argv[1]
with tempfile.TemporaryDirectory() as fresh:
    subprocess.run([sys.executable, os.path.join(resources, "make_images.py"), fresh], check=True)
    stale = []
    for folder, _, files in os.walk(fresh):
        for name in files:
            made = os.path.join(folder, name)
            committed = os.path.join(resources, os.path.relpath(made, fresh))
            if not os.path.exists(committed) or not filecmp.cmp(made, committed, shallow=False):
                stale.append(os.path.relpath(made, fresh))
    if stale:
        sys.exit("out of date, run resources/make_images.py: " + ", ".join(stale))
print("all images match their generator")
