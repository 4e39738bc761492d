#!/usr/bin/python3
"""The laboratory heard through Orca, by a learner on the keyboard alone.

Orca is started first, as at a blind learner's login, with a speech server
that writes down what it would say (speech_log.py). The course is opened on
a page with the laboratory above it (--labo), which starts on the incomplete
demagnetisation. The learner then, waiting each time until Orca has fallen
silent:

- goes with Tab to the field of Vz: Orca names it, with its unit;
- raises it by one step with the Up arrow: Orca says the new value;
- types 12 and Enter: the core no longer saturates, and Orca says the new
  verdict;
- presses Escape: the laboratory closes, and Orca says the page again.

usage: orca_labo.py COURSE_EXECUTABLE SPEECH_LOG PAGE_NUMBER
"""

import os
import re
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # (nothing written into the source tree)
from orca_walk import Speech, with_orca, words  # noqa: E402
from screen_reader_walk import TITLES, pump  # noqa: E402

LABORATORY = "Laboratoire : transformateur d'impulsions"
FIELD = "Vz, tension de la diode Zener Dz, en volts"
# The incomplete demagnetisation's Vz, one step up, and typed.
RAISED = "4,5 V"
TYPED = "12"
COMPLETE = "Démagnétisation complète à chaque période"
QUIET = 1.2  # seconds of silence before the learner presses a key again

problems = []


def fail(message):
    print("FAIL:", message, flush=True)
    problems.append(message)


class Learner:
    def __init__(self, speech):
        self.speech = speech

    def settle(self, longest=15):
        """Waits until Orca has been silent for a moment."""
        end = time.time() + longest
        pump(0.3)
        while time.time() < end and not self.speech.quiet_for(QUIET):
            pump(0.2)

    def press(self, *keys):
        """Presses the keys, and gives what Orca said from then on, once silent."""
        since = time.time()
        subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=False)
        self.settle()
        return [words(u["text"]) for u in self.speech.utterances() if u["t"] >= since]

    def type(self, text):
        since = time.time()
        subprocess.run(["xdotool", "type", "--delay", "120", text], check=False)
        self.settle()
        return [words(u["text"]) for u in self.speech.utterances() if u["t"] >= since]


def heard(said, pattern):
    return any(re.search(pattern, s) for s in said)


def show(said):
    return " | ".join(s[:120] for s in said) or "nothing"


def main():
    course, log, page = sys.argv[1], sys.argv[2], int(sys.argv[3])
    speech = Speech(log)
    return with_orca(speech, [course, "--page", str(page), "--labo"],
                     lambda process, launched: listen(Learner(speech), TITLES[page]))


def listen(learner, title):
    speech = learner.speech
    if not speech.wait(re.escape(LABORATORY), 30):
        fail("the laboratory was never spoken")
        return 1
    learner.settle()

    # To the field of Vz, by Tab alone, as far as once round the window.
    field = re.escape(FIELD) + r".*spin button"
    said = []
    for _ in range(40):
        said = learner.press("Tab")
        if heard(said, field):
            break
    else:
        fail(f"Tab never reached the field «{FIELD}»; last heard: {show(said)}")
        return 1
    print("field:", show(said), flush=True)
    if not heard(said, r"\d,\d V"):
        fail(f"the field's value, with its unit, was not said with it: {show(said)}")

    # One step up: the new value.
    said = learner.press("Up")
    print("Up:", show(said), flush=True)
    if not heard(said, re.escape(RAISED)):
        fail(f"the value raised to {RAISED} was not said: {show(said)}")

    # A value typed over the old one: the verdict it brings.
    learner.press("ctrl+a")
    said = learner.type(TYPED) + learner.press("Return")
    print("typed:", show(said), flush=True)
    if not heard(said, re.escape(COMPLETE)):
        fail(f"the new verdict «{COMPLETE}» was not said: {show(said)}")

    # Escape: back to the page left.
    said = learner.press("Escape")
    print("Escape:", show(said), flush=True)
    if not heard(said, re.escape(title)):
        fail(f"the page «{title}» was not said after the laboratory: {show(said)}")
    if heard(said, re.escape(LABORATORY)):
        fail(f"the laboratory was still spoken after Escape: {show(said)}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
