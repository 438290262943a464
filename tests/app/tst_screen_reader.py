"""A screen reader's session with the real program, over AT-SPI (the desktop's accessibility bus).

Runs inside a D-Bus session of its own (dbus-run-session), given the program's path. It starts an
X server and the program, makes a one-word list through the wizard's buttons, box and message
boxes, as a screen reader's user does, and practises the word. The practice window's large lines
must read as their text spelt out, and every change must reach the reader as an event that
carries the new text. Exits non-zero, naming what never came, once the time limit has passed.
"""

import os
import subprocess
import sys
import tempfile

import pyatspi
from gi.repository import GLib

# The whole session, however slow the build (a sanitized one is several times slower).
TIME_LIMIT_S = 60
WORD_LINE, CORRECT_LINE, MARKED_LINE = "Word to practise", "Correct word", "Your attempt marked"

# Every event heard, oldest first, as (type, role, name, detail1, any_data, source).
heard = []
# Where the events that the last action caused begin.
since = 0
loop = GLib.MainLoop()
out_of_time = []


def on_event(event):
    try:
        source = event.source
        heard.append((event.type, source.getRole(), source.name, event.detail1, event.any_data,
                      source))
    except GLib.Error:
        pass  # Gone already, as a closed box's buttons are: nothing waits for those.
    loop.quit()


def wait(what, matches):
    """The first event since the last action for which matches(type, role, name, detail1,
    any_data) holds, running the main loop until one comes."""
    seen = since
    while True:
        for event in heard[seen:]:
            if matches(*event[:5]):
                return event
        seen = len(heard)
        if out_of_time:
            sys.exit(f"FAIL: {what} never came")
        loop.run()


def check(holds, what):
    if not holds:
        sys.exit(f"FAIL: {what}")


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda each: each.getRole() == role and each.name == name)


def control(root, role, name):
    found = find(root, role, name)
    check(found, f"no {name!r} among the controls")
    return found


def act(target, action):
    global since
    since = len(heard)
    actions = target.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    check(action in names, f"{target.name!r} cannot {action}, only {names}")
    actions.doAction(names.index(action))


def press(root, name):
    act(control(root, pyatspi.ROLE_PUSH_BUTTON, name), "Press")


def type_into(root, name, text):
    control(root, pyatspi.ROLE_TEXT, name).queryEditableText().setTextContents(text)


def shown(role, name):
    wait(f"{name!r} shown", lambda type, r, n, on, _: (type, r, n, on) ==
         ("object:state-changed:showing", role, name, 1))


def box(title):
    return wait(f"the box {title!r}", lambda type, role, name, *_: (type, role, name) ==
                ("window:activate", pyatspi.ROLE_ALERT, title))[5]


def told(line, spoken, change="insert"):
    """Waits until the reader is told that one of `spoken` was put into `line` (or taken from
    it); returns which."""
    return wait(f"{line!r} told {change} {' or '.join(spoken)}", lambda type, role, name, _, text:
                (type, role, name) == ("object:text-changed:" + change, pyatspi.ROLE_LABEL, line)
                and text in spoken)[4]


def session(app):
    press(app, "Next >")
    shown(pyatspi.ROLE_TEXT, "Type in Word 1")
    type_into(app, "Type in Word 1", "cat")
    press(app, "Next >")
    press(box("Tovrin"), "No")  # "Save Your List?"
    shown(pyatspi.ROLE_RADIO_BUTTON, "Yes")
    press(app, "Finish")
    press(box("Tovrin"), "OK")  # "Students can now practice spelling the words"
    told(WORD_LINE, ["c a t"])

    type_into(app, "Type the Word Here", "cot")
    press(app, "Done")
    wrong = box("Wrong")
    told(CORRECT_LINE, ["c a t"])
    told(MARKED_LINE, ["c - t"])
    lines = [control(app, pyatspi.ROLE_LABEL, line).queryText()
             for line in (WORD_LINE, CORRECT_LINE, MARKED_LINE)]
    read = [line.getText(0, -1) for line in lines]
    check(read == ["c a t", "c a t", "c - t"], f"the lines read {read} while 'Wrong' is open")
    press(wrong, "OK")
    told(MARKED_LINE, ["c - t"], "delete")

    type_into(app, "Type the Word Here", "cat")
    press(app, "Done")
    press(box("Right"), "OK")
    print("After a right attempt the word reads:",
          told(WORD_LINE, ["blank a t", "c blank t", "c a blank"]))


def main():
    for kind in ("object:children-changed:add", "object:state-changed:showing",
                 "object:text-changed", "window:activate"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    GLib.timeout_add_seconds(TIME_LIMIT_S, lambda: out_of_time.append(True) or loop.quit())
    read_end, write_end = os.pipe()
    # Xvfb takes the first free display and writes its number to the pipe.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"],
                            pass_fds=[write_end], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        environment = dict(os.environ, DISPLAY=":" + os.read(read_end, 16).decode().strip(),
                           QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        with tempfile.TemporaryDirectory() as folder:
            # The screen reader is the one who speaks here.
            program = subprocess.Popen([os.path.abspath(sys.argv[1]), "--no-speech"],
                                       cwd=folder, env=environment)
            try:
                app = wait("the program on the bus", lambda type, role, _, __, child:
                           type == "object:children-changed:add"
                           and role == pyatspi.ROLE_DESKTOP_FRAME and child.name == "Tovrin")[4]
                # The program may join the bus before its first window is on show.
                wait("the wizard", lambda *_: find(app, pyatspi.ROLE_PUSH_BUTTON, "Next >"))
                session(app)
            finally:
                program.terminate()
                program.wait()
    finally:
        xvfb.terminate()
        xvfb.wait()


main()
