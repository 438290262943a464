"""A screen reader's session with the real program, over AT-SPI (the desktop's accessibility bus),
and the word that the program says aloud in it.

Run by with-audio.sh, with a PulseAudio server whose one output is a null sink (null-sink) or with
no audio device at all (none), inside a D-Bus session of its own (dbus-run-session), given the
program's path. It starts an X server and the program, makes a one-word list through the wizard's
buttons, options and message boxes, as a screen reader's user does, and practises the word up to
the recall and the end. The practice window's large lines must read as their text spelt out, and
every change must reach the reader as an event that carries the new text. No speech library may
be loaded before the first word is to be said. With the null sink the word must be heard on it
as it is shown, at F5 and as the recall opens; with no device the session goes on as ever, with no
box of its own. Exits non-zero, naming what never came, once the time limit has passed.
"""

import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

import atspi_session as bus
from atspi_session import (CORRECT_LINE, MARKED_LINE, WORD_LINE, box, check, control, shown,
                           told, wait)

AUDIO = os.environ.get("TOVRIN_TEST_AUDIO")
RECALL_BOX = "Now type the complete word from memory."
SPEECH_LIBRARIES = ["libQt6TextToSpeech", "tovrin-speech"]
# What the null sink plays is heard at 8000 unsigned 8-bit samples a second, silence being 128. A
# word has been said once its sound has been followed by 0.3 s of silence: within "cat" flite
# pauses for less than 0.01 s.
SAMPLES_PER_S = 8000
SAID_AFTER_SILENT_SAMPLES = SAMPLES_PER_S * 3 // 10

# Whether the null sink has played a sound since the last action, and the silent samples since
# its last sound; None until the first samples come.
sink = {"sounded": False, "silent": None}


def on_samples(fd, _):
    samples = os.read(fd, 65536)
    loud = [index for index, sample in enumerate(samples) if abs(sample - 128) > 8]
    if loud:
        sink.update(sounded=True, silent=len(samples) - 1 - loud[-1])
    else:
        sink["silent"] = (sink["silent"] or 0) + len(samples)
    bus.loop.quit()
    return True


def begin():
    """Marks where the events and the sound that the next action causes begin."""
    bus.begin()
    sink["sounded"] = False


def act(target, action):
    begin()
    actions = target.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    check(action in names, f"{target.name!r} cannot {action}, only {names}")
    actions.doAction(names.index(action))


def press(root, name):
    act(control(root, pyatspi.ROLE_PUSH_BUTTON, name), "Press")


def type_into(root, name, text):
    control(root, pyatspi.ROLE_TEXT, name).queryEditableText().setTextContents(text)


def said(when):
    """With the null sink, waits until a word has been said on it since the last action."""
    if AUDIO == "null-sink":
        wait(f"the word said {when}",
             lambda: sink["sounded"] and sink["silent"] >= SAID_AFTER_SILENT_SAMPLES)


def speech_libraries(program):
    with open(f"/proc/{program.pid}/maps", encoding="utf-8") as maps:
        mapped = maps.read()
    return [library for library in SPEECH_LIBRARIES if library in mapped]


def session(app, program, environment):
    press(app, "Next >")
    shown(pyatspi.ROLE_TEXT, "Type in Word 1")
    type_into(app, "Type in Word 1", "cat")
    press(app, "Next >")
    press(box("Tovrin"), "No")  # "Save Your List?"
    shown(pyatspi.ROLE_RADIO_BUTTON, "Yes")
    # Toggle on the option already chosen counts as a click on it.
    act(control(app, pyatspi.ROLE_RADIO_BUTTON, "Yes"), "Toggle")
    press(app, "Finished")
    start = box("Tovrin")  # "Students can now practice spelling the words"
    loaded = speech_libraries(program)
    check(not loaded, f"{loaded} loaded before a word is to be said")
    if AUDIO == "null-sink":
        wait("the null sink's sound", lambda: sink["silent"] is not None)  # Before any word.
    press(start, "OK")
    told(WORD_LINE, ["c a t"])
    said("when shown")
    check(AUDIO == "none" or speech_libraries(program) == SPEECH_LIBRARIES,
          "the speech libraries not seen in the program's memory once it has spoken")
    # No window manager gives the practice window the keyboard back once the box has gone.
    begin()
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tovrin$",
                    "windowfocus", "--sync", "key", "F5"], env=environment, check=True)
    said("at F5")

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
    # The second opens the recall.
    type_into(app, "Type the Word Here", "cat")
    press(app, "Done")
    press(box("Right"), "OK")
    shown(pyatspi.ROLE_TEXT, RECALL_BOX)
    said("as the recall opens")
    type_into(app, RECALL_BOX, "cat")
    press(app, "DONE")
    press(box("Congratulations"), "OK")
    press(box("Finished?"), "No")
    wait("the program's end", lambda: bus.ended)
    check(bus.ended == [0], f"the program ended with status {bus.ended[0]}")
    boxes = [name for type, role, name, *_ in bus.heard
             if (type, role) == ("window:activate", pyatspi.ROLE_ALERT)]
    check(boxes == ["Tovrin", "Tovrin", "Wrong", "Right", "Right", "Congratulations", "Finished?"],
          f"the boxes were {boxes}")


def main():
    check(AUDIO in ("null-sink", "none"), "run by with-audio.sh, which sets TOVRIN_TEST_AUDIO")
    if AUDIO == "null-sink":
        listener = subprocess.Popen(
            ["parec", "--device=@DEFAULT_MONITOR@", "--format=u8", "--channels=1",
             f"--rate={SAMPLES_PER_S}", "--latency-msec=20"], stdout=subprocess.PIPE)
        GLib.io_add_watch(listener.stdout.fileno(), GLib.IO_IN, on_samples)
    try:
        with bus.running(sys.argv[1:]) as (app, program, display, _):
            session(app, program, display)
    finally:
        if AUDIO == "null-sink":
            listener.terminate()


main()
