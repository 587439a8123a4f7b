#!/usr/bin/python3
# A bare window of WebKitGTK, Safari's engine, for the tests: it opens one address, takes the page's title,
# and zooms by Ctrl+= and Ctrl+- in a browser's steps.
#
#     webkit.py ADDRESS WIDTH HEIGHT
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import Gdk, Gtk, WebKit2  # noqa: E402

STEPS = [0.5, 0.67, 0.75, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3]
window = Gtk.Window(title="WebKit", default_width=int(sys.argv[2]), default_height=int(sys.argv[3]))
view = WebKit2.WebView()
window.add(view)


def zoom(_, event):
    step = {Gdk.KEY_equal: 1, Gdk.KEY_minus: -1}.get(event.keyval) if event.state & Gdk.ModifierType.CONTROL_MASK else None
    if step:
        now = min(range(len(STEPS)), key=lambda i: abs(STEPS[i] - view.get_zoom_level()))
        view.set_zoom_level(STEPS[max(0, min(len(STEPS) - 1, now + step))])
    return bool(step)


view.connect("key-press-event", zoom)
view.connect("notify::title", lambda *_: window.set_title(view.get_title() or "WebKit"))
window.connect("destroy", Gtk.main_quit)
view.load_uri(sys.argv[1])
window.show_all()
view.grab_focus()
Gtk.main()
