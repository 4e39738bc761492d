#!/usr/bin/python3
"""The course heard through Orca, by a learner who only presses Enter.

Orca is started first, as at a blind learner's login, with a speech server
that writes down what it would say (speech_log.py). The course is then
walked with Enter alone, each press once Orca has fallen silent and no plot
is being drawn, from the page FIRST (the title page, 0, by default; another
page is opened with --page, as a teacher does) until the page LAST has come
and been read (the end page, 13, by default): a stretch of the course, so
that the whole walk can be heard in stretches side by side. After every
press the objects shown are read over the accessibility bus, and at the end
Orca's speech is checked:

- every text that the course showed was spoken, and spoken once;
- every plot that an animation drew was told to be in progress, and its
  description was spoken once it was complete;
- no button was named that was not shown, and the focus never rested on
  a hidden object.

usage: orca_walk.py COURSE_EXECUTABLE SPEECH_LOG [FIRST LAST]
"""

import json
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # (nothing written into the source tree)
from screen_reader_walk import (R, TITLES, application, descendants, live_states,  # noqa: E402
                                pump)

TITLE_PAGE = TITLES[0]
END_PAGE = TITLES[-1]
QUIET = 1.2  # seconds of silence before the learner presses Enter again

problems = []


def fail(message):
    print("FAIL:", message, flush=True)
    problems.append(message)


def words(text):
    return " ".join(text.split())


class Speech:
    def __init__(self, path):
        self.path = path

    def lines(self):
        try:
            with open(self.path, encoding="utf-8") as log:
                return [json.loads(line) for line in log if line.strip()]
        except FileNotFoundError:
            return []

    def utterances(self):
        return [u for u in self.lines() if u["kind"] == "speech"]

    def quiet_for(self, seconds):
        spoken = self.lines()
        return not spoken or time.time() - spoken[-1]["t"] >= seconds

    def wait(self, pattern, timeout):
        end = time.time() + timeout
        while time.time() < end:
            if any(re.search(pattern, u["text"]) for u in self.utterances()):
                return True
            pump(0.2)
        return False


def snapshot():
    """What the course shows now: its texts, pictures, buttons and focus."""
    seen = {"t": time.time(), "page": "", "texts": set(), "images": [], "buttons": set(),
            "focus": None}
    app = application()
    if app is None:
        return seen
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and "showing" in live_states(window):
            seen["page"] = window.get_name().strip()
    for obj, role, name in descendants(app):
        states = live_states(obj)
        showing = "showing" in states
        if "focused" in states:
            seen["focus"] = (name, role, showing)
        if not showing:
            continue
        if role in (R.TEXT, R.STATIC, R.LABEL):
            try:
                content = Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj))
            except Exception:
                content = ""
            if len(content.split()) >= 3:
                seen["texts"].add(words(content))
        elif role == R.IMAGE:
            seen["images"].append((name, words(obj.get_description() or ""), "busy" in states))
        elif role == R.PUSH_BUTTON:
            seen["buttons"].add(name)
    return seen


def looks_alike(a, b):
    """Whether two looks at the course saw the same page in the same state."""
    return (a["page"] == b["page"] and a["buttons"] == b["buttons"] and a["focus"] == b["focus"]
            and [(n, busy) for n, _, busy in a["images"]] == [(n, busy) for n, _, busy in b["images"]])


def with_orca(speech, arguments, listen):
    """Starts Orca, then the course with arguments once Orca speaks, and
    returns what listen(process, launched) returns; both end with it. 77
    (skipped) when Orca does not start."""
    env = dict(os.environ)
    orca = subprocess.Popen([sys.executable, os.path.join(HERE, "orca_alone.py")],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    try:
        if not speech.wait(r"^Screen reader on", 60):
            print("SKIP: Orca did not start")
            return 77
        launched = time.time()
        process = subprocess.Popen(arguments, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            return listen(process, launched)
        finally:
            process.kill()
            process.wait()
    finally:
        orca.terminate()
        try:
            orca.wait(10)
        except subprocess.TimeoutExpired:
            orca.kill()


def main():
    course, log = sys.argv[1], sys.argv[2]
    first, last = (int(sys.argv[3]), int(sys.argv[4])) if len(sys.argv) == 5 else (0, 13)
    speech = Speech(log)
    arguments = [course] + (["--page", str(first)] if first else [])
    return with_orca(speech, arguments, lambda process, launched: walk(
        speech, process, launched, TITLES[first], TITLES[last]))


def walk(speech, process, launched, first, last):
    if not speech.wait(re.escape(first), 30):
        fail(f"the first page «{first}» was never spoken")
        return 1
    # What was there before the course: nothing (a plot that the first page
    # draws from the start is told of from then on).
    snapshots = [{"t": launched, "page": "", "texts": set(), "images": [], "buttons": set(),
                  "focus": None}, snapshot()]
    arrived = snapshots[-1]["t"]  # when the page shown came
    end = time.time() + 400
    while time.time() < end and process.poll() is None:
        if not speech.quiet_for(QUIET):
            pump(0.2)
            continue
        if last == END_PAGE and any(re.match(rf"^{END_PAGE} dialog", u["text"])
                                    for u in speech.utterances()):
            break
        # As a learner does: not on the title page, which goes by itself,
        # nor while a plot is said to be drawn.
        now = snapshot()
        if now["page"] != snapshots[-1]["page"]:
            arrived = now["t"]
        snapshots.append(now)
        # Nor before a page that has just come has been read (the title
        # page gives way by itself).
        spoken = speech.lines()
        unread = time.time() - arrived < 3 and (not spoken or spoken[-1]["t"] < arrived)
        if now["page"] == last and last != END_PAGE and not unread:
            break  # the stretch is walked: the next one begins here
        # Nor while the page still changes (a plot just complete, the
        # buttons it brings coming): two looks alike in a row.
        still = looks_alike(now, snapshots[-2])
        if (now["page"] == TITLE_PAGE or unread or not still
                or any(busy for _, _, busy in now["images"])):
            pump(0.5)
            continue
        subprocess.run(["xdotool", "key", "Return"], check=False)
        pump(0.6)
        snapshots.append(snapshot())
    else:
        fail(f"the page «{last}» was not reached by Enter alone")
    pump(QUIET)
    snapshots.append(snapshot())
    if last != END_PAGE:
        # The plots of the page where the next stretch begins are that
        # stretch's to hear: here only what the page says as it comes.
        for s in snapshots:
            if s["page"] == last:
                s["images"] = []
    for before, after in zip(snapshots, snapshots[1:]):
        if after["page"] != before["page"]:
            print(f"{after['t'] - launched:5.1f} s: {after['page']}", flush=True)
    check(speech.utterances(), snapshots)
    return 1 if problems else 0


def check(utterances, snapshots):
    spoken = [words(u["text"]) for u in utterances]
    heard = "\n".join(spoken)
    # Every text, once on each page that shows it.
    pages = {}
    for s in snapshots:
        for text in s["texts"]:
            pages.setdefault(text, set()).add(s["page"])
    for text, shown_on in sorted(pages.items()):
        times = heard.count(text)
        if times != len(shown_on):
            fail(f"spoken {times} times on {len(shown_on)} pages: «{text[:70]}…»")
    # Every plot that an animation drew: said to be in progress when it
    # began, described once complete.
    runs = {}  # plot -> the snapshot before the one where it is first seen busy
    for before, after in zip(snapshots, snapshots[1:]):
        busy_now = {name for name, _, busy in after["images"] if busy}
        for name in busy_now:
            if name not in runs:
                runs[name] = before
                if not any("en cours" in u["text"] and before["t"] <= u["t"] <= after["t"] + 1
                           for u in utterances):
                    fail(f"nobody said that «{name}» began to be drawn")
        for name, description, busy in after["images"]:
            if busy or name not in runs:
                continue
            start = runs.pop(name)
            if not any(description in words(u["text"]) for u in utterances
                       if u["t"] >= start["t"]):
                fail(f"the complete plot «{name}» was not described: «{description[:60]}…»")
    for name in runs:
        fail(f"the plot «{name}» was still being drawn at the end")
    # No hidden control named nor focused.
    shown = set().union(*(s["buttons"] for s in snapshots))
    for text in spoken:
        found = re.match(r"^(.*) push button\.?$", text)
        if found and found.group(1) not in shown:
            fail(f"a button never shown was named: «{text}»")
    for text in spoken:
        if "unfocused dialog" in text:
            fail(f"the page shown is counted as a dialog left aside: «{text}»")
    for s in snapshots:
        if s["focus"] and not s["focus"][2]:
            fail(f"the focus rests on «{s['focus'][0]}», which is hidden")
    print(f"{len(spoken)} utterances, {len(pages)} texts, {len(snapshots)} looks at the course",
          flush=True)


if __name__ == "__main__":
    sys.exit(main())
