"""A whole session with the keyboard alone, on the real program under a window manager, with real
key presses, followed over AT-SPI (the desktop's accessibility bus), where a keyboard user and a
screen reader meet the program.

Run by with-audio.sh none, inside a D-Bus session of its own (dbus-run-session), given the program's
path. A list is typed, one of its words not ASCII; the file dialog is cancelled once, then given a
name; No and Restart; the list is loaded back, the dialog starting on its name; Yes and Finished;
every word is practised through its recall, one attempt wrong; No at the end. Tab must reach each
control the session goes to, entering a group of options at its chosen one. Every box must come in
turn and be announced as an alert with its text, shown as typed; "Right!" and "Wrong! ..." must
leave the practice window's large lines in sight. The saved list must hold its words byte for byte,
and the program's home must stay empty. Exits non-zero, naming what never came, once the time limit
has passed.
"""

import os
import subprocess
import sys
import tempfile

import pyatspi

import atspi_session as bus
from atspi_session import CORRECT_LINE, MARKED_LINE, WORD_LINE, begin, check, event, wait

# The wizard, practice and recall windows, and the file dialog.
WINDOWS, FILE_DIALOG = "Tovrin", "Open"
FOCUSED = "object:state-changed:focused"
FILE_TYPES = ["All files (*)", "Tovrin Files (*.tvr)"]
WORD_BOX = "Type the Word Here"
RECALL_BOX = "Now type the complete word from memory."
# é is AltGr and e there, as its users type it.
LAYOUT = ["-layout", "us", "-variant", "altgr-intl"]

# The program's accessible application, and the X server's environment.
app = []
display = {}
# The title of each box answered.
answered = []


def xdotool(*arguments):
    begin()
    subprocess.run(["xdotool", *arguments], env=display, check=True)


def keys(*names):
    """Presses keys, by their X names, on whatever has the keyboard."""
    xdotool("key", *names)


def type_keys(text):
    xdotool("type", text)


def first(what, matches, start=None):
    """Where in the events heard the first one since the last action (or since `start`) lies for
    which matches(type, role, name, detail1, any_data) holds."""
    start = bus.since if start is None else start
    return wait(what, lambda: next(((index,) for index in range(start, len(bus.heard))
                                    if matches(*bus.heard[index][:5])), None))[0]


def focus_gained(start=None, control=None):
    """The control, as (role, name), that gained the focus first since the last action (or since
    `start`); the first that was `control`, if given."""
    index = first(f"{control or 'a control'} with the focus", lambda type, role, name, on, _:
                  (type, on) == (FOCUSED, 1) and control in (None, (role, name)), start)
    return bus.heard[index][1:3]


def focused():
    """The control that has the focus, as (role, name), from the last event that said so."""
    return next((role, name) for type, role, name, on, *_ in reversed(bus.heard)
                if (type, on) == (FOCUSED, 1))


def window_back():
    """Waits until a window of the program has the keyboard again, and returns the control with
    the focus in it."""
    return focus_gained(first("a window back", lambda type, role, name, *_: (type, role, name) ==
                              ("window:activate", pyatspi.ROLE_DIALOG, WINDOWS)))


def tab_to(role, name):
    """Presses Tab until the control has the focus; fails once Tab has gone round without it. Tab
    must enter a group of options at its chosen one."""
    reached = [focused()]
    while reached[-1] != (role, name):
        keys("Tab")
        reached.append(focus_gained())
        check(reached[-1][0] != pyatspi.ROLE_RADIO_BUTTON or bus.control(app[0], *reached[-1])
              .getState().contains(pyatspi.STATE_CHECKED), f"Tab enters at {reached[-1][1]!r}")
        check(reached.count(reached[-1]) == 1,
              f"Tab goes round {reached} and never reaches {name!r}")


def caption(name):
    event(f"a button reading {name!r}", lambda type, role, n, *_: (type, role, n) ==
          ("object:property-change:accessible-name", pyatspi.ROLE_PUSH_BUTTON, name))


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.x + box.width, box.y + box.height


def answer(title, text, key, yes_no=False, beside_lines=False):
    """Waits for the next box, which must be `title` announced as an alert carrying `text`, show
    the text as typed and offer Yes and No, or OK; answers it with `key`. A box beside the
    practice's large lines must leave them in sight."""
    alert = event(f"the box {title!r}", lambda type, role, *_: (type, role) ==
                  ("window:activate", pyatspi.ROLE_ALERT))[5]
    buttons = sorted(each.name for each in pyatspi.findAllDescendants(
        alert, lambda each: each.getRole() == pyatspi.ROLE_PUSH_BUTTON))
    shows = [each.name for each in pyatspi.findAllDescendants(
        alert, lambda each: each.getRole() == pyatspi.ROLE_LABEL) if each.name]
    seen = (alert.name, alert.description, shows, buttons)
    check(seen == (title, text, [text], ["No", "Yes"] if yes_no else ["OK"]),
          f"the box {seen} where {title!r} saying {text!r} was due")
    if beside_lines:
        left, top, right, bottom = zip(*(extents(bus.control(app[0], pyatspi.ROLE_LABEL, line))
                                        for line in (WORD_LINE, CORRECT_LINE, MARKED_LINE)))
        box = extents(alert)
        check(box[2] <= min(left) or box[0] >= max(right) or box[3] <= min(top)
              or box[1] >= max(bottom), f"{title!r} at {box} covers the large lines")
    answered.append(title)
    keys(key)


def file_dialog(name):
    """Waits for the file dialog, which must offer the list type, chosen, and start on `name`."""
    activated = first("the file dialog", lambda type, role, title, *_: (type, role, title) ==
                      ("window:activate", pyatspi.ROLE_DIALOG, FILE_DIALOG))
    focus_gained(activated, control=(pyatspi.ROLE_TEXT, "File name:"))
    # Its own controls, not the files listed in it.
    controls = {(each.getRole(), each.name): each for each in bus.heard[activated][5]}
    types = controls.get((pyatspi.ROLE_COMBO_BOX, FILE_TYPES[1]))
    check(types and [item.name for item in types[0]] == FILE_TYPES,
          f"not {FILE_TYPES} offered, the second chosen")
    starts = controls[pyatspi.ROLE_TEXT, "File name:"].queryText().getText(0, -1)
    check(starts == name, f"the file dialog starts on {starts!r}")


def next_word(left):
    """The word that the practice shows next, one of `left`, read as it is told."""
    return bus.told(WORD_LINE, [" ".join(word) for word in left]).replace(" ", "")


def attempt(text, at=WORD_BOX):
    """Types an attempt into the practice's box, or the recall's, once it has the keyboard."""
    focus_gained(control=(pyatspi.ROLE_TEXT, at))
    type_keys(text)
    keys("Return")


def practise(word):
    """Types the word right twice, up to the recall, and there once more."""
    for _ in range(2):
        attempt(word)
        answer("Right", "Right!", "Return", beside_lines=True)
    attempt(word, RECALL_BOX)
    answer("Congratulations", f"You Now Know how to spell '{word}'.", "Return")


def session(folder):
    words = os.path.join(folder, "words.tvr")
    start = wait("the wizard with the keyboard", lambda: pyatspi.findDescendant(
        app[0], lambda each: each.getState().contains(pyatspi.STATE_FOCUSED)))
    check((start.getRole(), start.name) == (pyatspi.ROLE_PUSH_BUTTON, "Next >"),
          f"{start.name!r} has the focus at the start, not Next")
    # The list typed, then saved: the dialog cancelled once, and given a name after Back and Next.
    keys("Return")
    check(focus_gained()[0] == pyatspi.ROLE_TEXT, "the word box without the focus")
    for word in ("cat", "dog"):
        type_keys(word)
        keys("Return")
    type_keys("été")
    tab_to(pyatspi.ROLE_PUSH_BUTTON, "Next >")
    keys("Return")
    answer(WINDOWS, "Save Your List?", "Return", yes_no=True)
    file_dialog("")
    keys("Escape")
    window_back()
    tab_to(pyatspi.ROLE_PUSH_BUTTON, "< Back")
    keys("Return")
    focus_gained()
    tab_to(pyatspi.ROLE_PUSH_BUTTON, "Next >")
    keys("Return")
    answer(WINDOWS, "Save Your List?", "Return", yes_no=True)
    file_dialog("")
    type_keys(words)
    keys("Return")
    window_back()

    # No and Restart, then the list loaded back.
    tab_to(pyatspi.ROLE_RADIO_BUTTON, "Yes")
    keys("Down")
    caption("Restart")
    tab_to(pyatspi.ROLE_PUSH_BUTTON, "Restart")
    keys("Return")
    caption("Next >")
    tab_to(pyatspi.ROLE_RADIO_BUTTON, "Create a new list")
    keys("Up")
    check(focus_gained() == (pyatspi.ROLE_RADIO_BUTTON, "Load an existing list"),
          "Up did not choose the option above")
    tab_to(pyatspi.ROLE_PUSH_BUTTON, "Next >")
    keys("Return")
    file_dialog("words.tvr")
    keys("Return")
    window_back()
    review = bus.control(app[0], pyatspi.ROLE_TEXT, "Words in the list").queryText()
    listed = review.getText(0, -1).split()
    check(listed == ["cat", "dog", "été"], f"the review lists {listed}")
    # Yes and Finished, and every word practised, the first with one attempt wrong.
    tab_to(pyatspi.ROLE_RADIO_BUTTON, "No")
    keys("Up")
    caption("Finished")
    tab_to(pyatspi.ROLE_PUSH_BUTTON, "Finished")
    keys("Return")
    answer(WINDOWS, "Students can now practice spelling the words", "Return")

    left = ["cat", "dog", "été"]
    while left:
        word = next_word(left)
        left.remove(word)
        if len(left) == 2:
            attempt("x")
            answer("Wrong", "Wrong! See The Missing Letters.  Each Dash is a Mistake", "Return",
                   beside_lines=True)
        practise(word)
    answer("Finished?", "You Made 1 Errors on the 3 words.  More Practice", "Escape", yes_no=True)
    wait("the program's end", lambda: bus.ended)
    check(bus.ended == [0], f"the program ended with status {bus.ended[0]}")
    boxes = [name for type, role, name, *_ in bus.heard
             if (type, role) == ("window:activate", pyatspi.ROLE_ALERT)]
    check(boxes == answered, f"the boxes were {boxes}")
    with open(words, "rb") as saved:
        check(saved.read() == b'"cat"\r\n"dog"\r\n"\xe9t\xe9"\r\n', "the list saved otherwise")


def main():
    # The program's home and settings, where nothing may be written; the font cache is the
    # system's business.
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as cache:
        with bus.running([sys.argv[1], "--no-speech"], window_manager=True, layout=LAYOUT,
                         environment={"HOME": home, "XDG_CONFIG_HOME": f"{home}/.config",
                                      "XDG_CACHE_HOME": cache}) as (found, _, x, folder):
            app.append(found)
            display.update(x)
            session(folder)
        written = os.listdir(home)
        check(not written, f"{written} written into the program's home")


main()
