"""The real program on an X server of its own, seen as assistive technologies see it: over AT-SPI,
the desktop's accessibility bus. What the tests that drive it share.

A test runs inside a D-Bus session of its own (dbus-run-session), where it and the program meet on
the accessibility bus. Each wait runs the main loop until what it waits for has come, and fails the
test, naming what never came, once the session's time limit has passed.
"""

import contextlib
import os
import shlex
import subprocess
import sys
import tempfile

import pyatspi
from gi.repository import GLib

# The whole session, however slow the build (a sanitized one is several times slower).
TIME_LIMIT_S = 60
# The practice window's three large lines.
WORD_LINE, CORRECT_LINE, MARKED_LINE = "Word to practise", "Correct word", "Your attempt marked"
EVENTS = ["object:children-changed:add", "object:property-change:accessible-name",
          "object:state-changed:focused", "object:state-changed:showing", "object:text-changed",
          "window:activate"]

# Every event heard, oldest first, as (type, role, name, detail1, any_data, source).
heard = []
# Where the events that the last action caused begin.
since = 0
loop = GLib.MainLoop()
out_of_time = []
ended = []


def on_event(event):
    try:
        source = event.source
        heard.append((event.type, source.getRole(), source.name, event.detail1, event.any_data,
                      source))
    except GLib.Error:
        pass  # Gone already, as a closed box's buttons are: nothing waits for those.
    loop.quit()


def on_end(_, status):
    ended.append(os.waitstatus_to_exitcode(status))
    loop.quit()


def wait(what, found):
    """What found() gives, once it gives anything, running the main loop until then."""
    while not (result := found()):
        if out_of_time:
            sys.exit(f"FAIL: {what} never came")
        loop.run()
    return result


def event(what, matches):
    """The first event since the last action for which matches(type, role, name, detail1,
    any_data) holds."""
    return wait(what, lambda: next((each for each in heard[since:] if matches(*each[:5])), None))


def check(holds, what):
    if not holds:
        sys.exit(f"FAIL: {what}")


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda each: each.getRole() == role and each.name == name)


def control(root, role, name):
    found = find(root, role, name)
    check(found, f"no {name!r} among the controls")
    return found


def begin():
    """Marks where the events that the next action causes begin."""
    global since
    since = len(heard)


def shown(role, name):
    event(f"{name!r} shown", lambda type, r, n, on, _: (type, r, n, on) ==
          ("object:state-changed:showing", role, name, 1))


def box(title):
    return event(f"the box {title!r}", lambda type, role, name, *_: (type, role, name) ==
                 ("window:activate", pyatspi.ROLE_ALERT, title))[5]


def told(line, spoken, change="insert"):
    """Waits until the reader is told that one of `spoken` was put into `line` (or taken from
    it); returns which."""
    return event(f"{line!r} told {change} {' or '.join(spoken)}", lambda type, role, name, _, text:
                 (type, role, name) == ("object:text-changed:" + change, pyatspi.ROLE_LABEL, line)
                 and text in spoken)[4]


def start_window_manager(display, folder):
    """Starts openbox and returns once it manages the windows: it runs its start-up command then,
    which writes to a pipe that the main loop watches."""
    ready = os.path.join(folder, "window-manager-ready")
    os.mkfifo(ready)
    # Open for writing too, so that the pipe never reads as closed.
    pipe = os.open(ready, os.O_RDWR | os.O_NONBLOCK)
    started = []
    GLib.io_add_watch(pipe, GLib.IO_IN, lambda *_: started.append(True) or loop.quit() or False)
    signal = shlex.join(["sh", "-c", "echo > " + shlex.quote(ready)])
    manager = subprocess.Popen(["openbox", "--sm-disable", "--startup", signal], env=display,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait("the window manager", lambda: started)
    os.close(pipe)
    os.unlink(ready)
    return manager


@contextlib.contextmanager
def running(command, environment=None, window_manager=False, layout=None):
    """Starts an X server, openbox on it if asked, and the program (`command`, its path first,
    with `environment` added to its own) in a temporary folder, its current folder; yields the
    program's accessible application, its process, the X server's environment and the folder once
    the wizard is on show. The keyboard layout, if given, is set before the program starts. Stops
    whatever is still running on the way out."""
    for kind in EVENTS:
        pyatspi.Registry.registerEventListener(on_event, kind)
    GLib.timeout_add_seconds(TIME_LIMIT_S, lambda: out_of_time.append(True) or loop.quit())
    read_end, write_end = os.pipe()
    # Xvfb takes the first free display and writes its number to the pipe. It keeps its settings,
    # the keyboard layout among them, when its last client has gone.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset"],
                            pass_fds=[write_end], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    manager = None
    try:
        display = dict(os.environ, DISPLAY=":" + os.read(read_end, 16).decode().strip())
        with tempfile.TemporaryDirectory() as folder:
            if window_manager:
                manager = start_window_manager(display, folder)
            if layout:
                subprocess.run(["setxkbmap", *layout], env=display, check=True)
            program = subprocess.Popen(
                [os.path.abspath(command[0]), *command[1:]], cwd=folder,
                env=dict(display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                         **(environment or {})))
            GLib.child_watch_add(GLib.PRIORITY_DEFAULT, program.pid, on_end)
            try:
                app = event("the program on the bus", lambda type, role, _, __, child:
                            type == "object:children-changed:add"
                            and role == pyatspi.ROLE_DESKTOP_FRAME and child.name == "Tovrin")[4]
                # The program may join the bus before its first window is on show.
                wait("the wizard", lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Next >"))
                yield app, program, display, folder
            finally:
                if not ended:
                    program.terminate()
                    program.wait()
    finally:
        if manager:
            manager.terminate()
            manager.wait()
        xvfb.terminate()
        xvfb.wait()
