#!/usr/bin/python3
# The WebKitGTK part of running-browser.py: one WebKitGTK window that already runs, each load a new view
# in it (as a new tab), the page and the bare page in turn, with running-browser.py's probe run in each
# before the page's own scripts. Reads the probe and the figures' expression as JSON on stdin and prints
# the pairs' figures as JSON, a load without them as null. Needs a display.
#   webkit-loads.py PAGE BARE LOADS < probe.json
import json
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import GLib, Gtk, WebKit2  # noqa: E402

page, bare, pairs = sys.argv[1], sys.argv[2], int(sys.argv[3])
script = json.load(sys.stdin)
content = WebKit2.UserContentManager()
content.add_script(WebKit2.UserScript(script["probe"], WebKit2.UserContentInjectedFrames.TOP_FRAME,
                                      WebKit2.UserScriptInjectionTime.START, None, None))
window = Gtk.Window(default_width=800, default_height=600)
window.show()
addresses, figures = [page, bare] * pairs, []


def load_next():
    if old := window.get_child():
        old.destroy()
    if len(figures) == len(addresses):
        print(json.dumps([figures[i:i + 2] for i in range(0, len(figures), 2)]))
        Gtk.main_quit()
        return False
    view = WebKit2.WebView(user_content_manager=content)
    window.add(view)
    view.show()
    view.load_uri(addresses[len(figures)])
    deadline = GLib.get_monotonic_time() + 20_000_000

    def read(view, result):
        value = view.evaluate_javascript_finish(result)
        if value.is_array() or GLib.get_monotonic_time() > deadline:
            figures.append([value.object_get_property_at_index(i).to_double() for i in (0, 1)]
                           if value.is_array() else None)
            GLib.idle_add(load_next)
        else:
            GLib.timeout_add(50, poll)

    def poll():
        view.evaluate_javascript(script["figures"], -1, None, None, None, read)
        return False

    GLib.timeout_add(50, poll)
    return False


GLib.idle_add(load_next)
Gtk.main()
