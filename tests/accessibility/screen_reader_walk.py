#!/usr/bin/python3
"""Walks the whole course as a blind learner's screen reader follows it.

The client is started before the course, as a screen reader is at a blind
user's login, and says so on the accessibility bus. Like a screen reader it
learns the state of every object once, when it first hears of it, and then
keeps that knowledge up to date from the events the course sends only. On
every page and in every state it checks that:

- every text, picture and button shown is known to be showing, and nothing
  hidden is believed to be showing;
- texts have a short name and their whole text as content;
- pictures and plots are images whose description tells what they show;
- the default button says so;
- what appears is announced, and at the end of an animation the focus goes
  where Enter acts.

The walk may be made in stretches side by side: from the page FIRST (the
title page, 0, by default; another page is opened with --page, as a teacher
does) to the page LAST (the end page, 13, by default), and on until the
page after it has come.

usage: screen_reader_walk.py COURSE_EXECUTABLE [FIRST LAST]
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

APP = "transformateur-impulsions"
# The pages' titles, in the order of the course (the title page is 0).
TITLES = ["Transformateur d'impulsions", "Fonction d'un transformateur d'impulsions",
          "Convention", "Courbe d'aimantation", "Fonctionnement à vide", "Produit  E . t",
          "Choix d'un transformateur d'impulsions", "Démagnétisation",
          "Démagnétisation incomplète", "Rapport cyclique", "Fonctionnement en charge",
          "Application:  Déclencheur de Pont mixte monophasé",
          "Domaines d'utilisation des transformateurs d'impulsions", "Auteur"]
S = Atspi.StateType
R = Atspi.Role


def path_of(acc):
    try:
        return acc.path
    except Exception:
        return None


def live_states(acc):
    """The states of the object as the course reports them now."""
    try:
        acc.clear_cache()
        return {s.value_nick for s in acc.get_state_set().get_states()}
    except Exception:
        return set()


class Reader:
    """What a screen reader knows of the course's objects."""

    def __init__(self):
        self.states = {}
        self.notifications = []  # (time, message)
        self.focus_events = []  # (time, name)
        self.listeners = []
        self.listen("object:state-changed", self.on_state_changed)
        for kind in ("object:children-changed", "object:property-change",
                     "object:text-changed", "window:activate", "window:deactivate"):
            self.listen(kind, self.on_event)
        self.listen("focus:", self.on_focus)

    def listen(self, kind, callback):
        listener = Atspi.EventListener.new(callback)
        listener.register(kind)
        self.listeners.append(listener)

    def learn(self, acc):
        key = path_of(acc)
        if key and key not in self.states:
            self.states[key] = live_states(acc)
        return key

    def on_event(self, event):
        self.learn(event.source)

    def on_state_changed(self, event):
        key = self.learn(event.source)
        if not key:
            return
        name = event.type.split(":")[-1]
        if event.detail1:
            self.states[key].add(name)
        else:
            self.states[key].discard(name)
        if name == "showing" and event.detail1:
            try:
                if event.source.get_role() == R.NOTIFICATION:
                    self.notifications.append((time.time(), event.source.get_name()))
            except Exception:
                pass

    def on_focus(self, event):
        self.learn(event.source)
        try:
            self.focus_events.append((time.time(), event.source.get_name()))
        except Exception:
            pass

    def believes_showing(self, acc):
        key = self.learn(acc)
        known = self.states.get(key, set())
        return "showing" in known and "visible" in known


def application():
    """The course on the accessibility bus, or None."""
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == APP:
            return app
    return None


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def descendants(acc):
    """The objects under acc, with their role and name; an object that goes
    away while it is read (a control shown anew) is left out."""
    out = []
    try:
        count = acc.get_child_count()
    except GLib.Error:
        return out
    for i in range(count):
        try:
            child = acc.get_child_at_index(i)
            if child is None:
                continue
            entry = (child, child.get_role(), child.get_name())
        except GLib.Error:
            continue
        out.append(entry)
        out.extend(descendants(child))
    return out


class Walk:
    def __init__(self, course):
        self.reader = Reader()
        self.problems = []
        self.course = course
        self.process = None

    # --- the course on the bus -------------------------------------------------

    def application(self):
        return application()

    def shown_page(self):
        app = self.application()
        if app is None:
            return None
        for i in range(app.get_child_count()):
            frame = app.get_child_at_index(i)
            if frame is not None and "showing" in live_states(frame):
                return frame
        return None

    def wait_for_page(self, title, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            page = self.shown_page()
            if page is not None and page.get_name().strip() == title:
                pump(0.3)
                return page
            pump(0.1)
        page = self.shown_page()
        self.fail(f"page '{title}' not shown (shown: "
                  f"{page.get_name().strip() if page else 'none'})")
        raise SystemExit(1)

    def button(self, name, timeout=0.0):
        end = time.time() + timeout
        while True:
            page = self.shown_page()
            if page is not None:
                for obj, role, label in descendants(page):
                    if role == R.PUSH_BUTTON and label == name and "showing" in live_states(obj):
                        return obj
            if time.time() >= end:
                return None
            pump(0.1)

    def press(self, name, timeout=0.0):
        button = self.button(name, timeout)
        if button is None:
            page = self.shown_page()
            self.fail(f"no button '{name}' shown on "
                      f"'{page.get_name().strip() if page else 'no page'}'")
            raise SystemExit(1)
        names = [Atspi.Action.get_action_name(button, i)
                 for i in range(Atspi.Action.get_n_actions(button))]
        Atspi.Action.do_action(button, names.index("Press") if "Press" in names else 0)
        pump(0.4)

    def fail(self, message):
        print("FAIL:", message, flush=True)
        self.problems.append(message)

    # --- what is checked on every page -----------------------------------------

    def check(self, state):
        pump(0.3)
        page = self.shown_page()
        if page is None:
            self.fail(f"{state}: no page shown")
            return
        if page.get_role() != R.FRAME:
            self.fail(f"{state}: the page is a {page.get_role_name()}, not a frame")
        texts = images = buttons = 0
        for obj, role, name in descendants(page):
            if role not in (R.TEXT, R.IMAGE, R.PUSH_BUTTON):
                continue
            shown = "showing" in live_states(obj)
            believed = self.reader.believes_showing(obj)
            if shown and not believed:
                self.fail(f"{state}: '{name}' is shown but the screen reader believes it hidden")
            if believed and not shown:
                self.fail(f"{state}: '{name}' is hidden but the screen reader would read it")
            if not shown:
                continue
            if role == R.TEXT:
                texts += 1
                content = Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj))
                if not content.strip():
                    self.fail(f"{state}: the text '{name}' reads nothing")
                if not name or len(name) > 60 or name == content:
                    self.fail(f"{state}: the text named '{name[:80]}' has no short name")
            elif role == R.IMAGE:
                images += 1
                description = obj.get_description()
                if len(description) < 20 or description == name or len(name) > 60:
                    self.fail(f"{state}: the picture '{name}' does not say what it shows")
            else:
                buttons += 1
                if not name:
                    self.fail(f"{state}: a button has no name")
        print(f"{state}: {texts} texts, {images} pictures, {buttons} buttons read", flush=True)
        return texts, images, buttons

    def expect_announcement(self, state, words, since):
        deadline = time.time() + 3
        while time.time() < deadline:
            for when, message in self.reader.notifications:
                if when >= since and words.lower() in message.lower():
                    moved = [n for t, n in self.reader.focus_events if since <= t <= when + 0.5]
                    return moved
            pump(0.1)
        self.fail(f"{state}: nothing announced saying '{words}'")
        return []

    def expect_default(self, state, name):
        button = self.button(name)
        if button is None or "is-default" not in live_states(button):
            self.fail(f"{state}: '{name}' does not say it is the default button")

    # --- the walk ---------------------------------------------------------------

    def run(self, first=0, last=13):
        enable_screen_reader()
        pump(0.5)
        arguments = [self.course] + (["--page", str(first)] if first else [])
        self.process = subprocess.Popen(arguments, stderr=subprocess.DEVNULL)
        try:
            self.walk(first, last)
        finally:
            if self.process.poll() is None:
                self.process.kill()
        return not self.problems

    def walk(self, first=0, last=13):
        """The pages first to last, each from its arrival to "Page suivante"
        pressed; then the arrival of the page that this brings, if any."""
        pages = [self.debut, self.fonction, self.convent, self.aimant, self.vide, self.produit,
                 self.passat, self.demag, self.incomp, self.rappcyc, self.chargeti, self.applic,
                 self.variat, self.finprog]
        for page in pages[first:last + 1]:
            page()
        if last + 1 < len(pages):
            # What the move to the next page told the reader (the next
            # stretch reads that page from a fresh start).
            self.wait_for_page(TITLES[last + 1])
            self.check(f"{TITLES[last + 1]}, arrival")

    def debut(self):
        self.wait_for_page(TITLES[0])
        self.check("title page")

    def fonction(self):
        self.wait_for_page(TITLES[1], timeout=8)
        self.check("Fonction, arrival")
        self.press("Suite")
        self.check("Fonction, after Suite")
        self.press("Page suivante")

    def convent(self):
        self.wait_for_page(TITLES[2])
        self.check("Convent")
        self.expect_default("Convent", "Page suivante")
        self.press("Page suivante")

    def aimant(self):
        self.wait_for_page(TITLES[3])
        self.check("Aimant, arrival")
        self.press("Suite")
        self.check("Aimant, after Suite")
        self.press("Page suivante")

    def vide(self):
        self.wait_for_page(TITLES[4])
        self.check("Vide, animating")
        self.button("Suite", timeout=16)
        self.check("Vide, drawn")
        since = time.time()
        self.press("Suite")
        self.expect_announcement("Vide, saturation", "Si l'échelon de tension", since)
        self.check("Vide, after Suite")
        self.press("Page suivante")

    def produit(self):
        self.wait_for_page(TITLES[5])
        self.press("Suite")
        self.check("Produit, first example")
        self.press("Suite")
        self.check("Produit, both examples")
        self.press("Page suivante")

    def passat(self):
        self.wait_for_page(TITLES[6])
        self.check("PasSat")
        self.press("Page suivante")

    def demag(self):
        self.wait_for_page(TITLES[7])
        self.check("Demag, arrival")
        for run in ("diode", "Zener"):
            self.press("Fermer K")
            self.press("Ouvrir K", timeout=10)
            self.check(f"Demag, {run} run, K opened")
            since = time.time()
            if run == "diode":
                self.press("Suite", timeout=10)
            else:
                self.button("Page suivante", timeout=10)
                # The focus goes where Enter acts, the plot that held it told.
                moved = self.expect_announcement("Demag, end", "boutons de navigation", since)
                if moved[-1:] != ["Page suivante"]:
                    self.fail(f"Demag, end: the focus moved to {moved}")
        self.check("Demag, complete")
        self.press("Page suivante")

    def incomp(self):
        self.wait_for_page(TITLES[8])
        self.check("Incomp, arrival")
        self.press("Suite")
        self.check("Incomp, animating")
        since = time.time()
        self.button("Page suivante", timeout=35)
        moved = self.expect_announcement("Incomp, end", "boutons de navigation", since)
        if moved[-1:] != ["Page suivante"]:
            self.fail(f"Incomp, end: the focus moved to {moved}")
        self.check("Incomp, complete")
        self.press("Page suivante")

    def rappcyc(self):
        self.wait_for_page(TITLES[9])
        self.check("RappCyc")
        self.press("Page suivante")

    def chargeti(self):
        self.wait_for_page(TITLES[10])
        self.check("ChargeTi, arrival")
        self.press("Oscillogrammes")
        self.check("ChargeTi, revealed")
        self.press("Page suivante")

    def applic(self):
        self.wait_for_page(TITLES[11])
        self.check("Applic, arrival")
        for button, words in (("Voir le train d'impulsions", "train d'impulsions"),
                              ("Calculs", "calculs"), ("Oscillogrammes", "oscillogrammes")):
            since = time.time()
            self.press(button)
            self.expect_announcement(f"Applic, {button}", words, since)
            self.check(f"Applic, after {button}")
        self.press("Page suivante")

    def variat(self):
        self.wait_for_page(TITLES[12])
        self.check("Variat")
        self.press("Page suivante")

    def finprog(self):
        self.wait_for_page(TITLES[13])
        self.check("FinProg")
        self.press("Quitter le programme")
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.fail("the course did not end from 'Quitter le programme'")


def enable_screen_reader():
    """Tells the desktop that a screen reader runs, as Orca does."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                         GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, -1, None)


def main():
    if len(sys.argv) not in (2, 4):
        print(__doc__)
        return 2
    os.environ.pop("QT_QPA_PLATFORM", None)  # a real X server, with the accessibility bridge
    first, last = (int(sys.argv[2]), int(sys.argv[3])) if len(sys.argv) == 4 else (0, 13)
    walk = Walk(sys.argv[1])
    ok = walk.run(first, last)
    print("screen reader walk:", "passed" if ok else f"{len(walk.problems)} problems")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
