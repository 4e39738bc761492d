#!/usr/bin/python3
"""Walks the whole course by the keyboard on a real Wayland compositor.

Weston runs with its X11 backend inside the X server that this script is
started in (so that xdotool gives it a keyboard), with a plain background
and no panel. The course runs either natively on Wayland or through
XWayland. The learner presses Enter only, from the title page to the end
page. On every page the script checks, over the accessibility bus, that the
course shows one window, named by the page's caption (its blanks included),
active so that the keys reach it (its exact caption, blanks included, is
read in the offscreen tests and on X11); and, on screenshots, that the window stays
where the compositor put it (one place for the course pages, which share a
size). On the end page it asks the window to close as the desktop does (the
close button of its title bar natively, WM_DELETE_WINDOW through XWayland)
and checks that the course ends.

A part of the walk starts on page FIRST (the title page for 0, else the
course is opened there with --page) and ends on page LAST; parts that share
their end pages walk every step of the course between them, and the part
that reaches the end page makes the close request.

usage: wayland_walk.py COURSE_EXECUTABLE native|xwayland [FIRST LAST]
(the screenshots are kept where the walk fails, or in the folder WALK_SHOTS names)
"""

import ctypes
import ctypes.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# What the screen-reader test reads the course with.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))
sys.dont_write_bytecode = True  # (nothing written into the source tree)
from screen_reader_walk import APP, live_states, pump  # noqa: E402

TITLES = [
    " " * 18 + "Transformateur d'impulsions",
    " " * 20 + "Fonction d'un transformateur d'impulsions",
    " " * 20 + "Convention",
    " " * 20 + "Courbe d'aimantation",
    " " * 20 + "Fonctionnement à vide",
    " " * 20 + "Produit  E . t",
    " " * 20 + "Choix d'un transformateur d'impulsions",
    " " * 20 + "Démagnétisation",
    " " * 20 + "Démagnétisation incomplète",
    " " * 20 + "Rapport cyclique",
    " " * 20 + "Fonctionnement en charge",
    " " * 20 + "Application:  Déclencheur de Pont mixte monophasé",
    " " * 20 + "Domaines d'utilisation des transformateurs d'impulsions",
    " " * 20 + "Auteur",
]
SCREEN = (1024, 768)
PAGE_GREY = "rgb(192,192,192)"

problems = []


def fail(message):
    print("FAIL:", message, flush=True)
    problems.append(message)


def course_frames():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == APP:
            frames = []
            for j in range(app.get_child_count()):
                frame = app.get_child_at_index(j)
                if frame is not None and "showing" in live_states(frame):
                    frames.append(frame)
            return frames
    return []


def shown_caption():
    """The name of the one window shown (the page's caption, without the
    blanks that only place it in the title bar)."""
    frames = course_frames()
    return frames[0].get_name() if len(frames) == 1 else None


def key(name):
    subprocess.run(["xdotool", "key", name], check=False)


def page_box(path):
    """Where the course's grey page lies on the screen: x, y, width, height."""
    out = subprocess.run(
        ["convert", path, "-fill", "black", "+opaque", PAGE_GREY,
         # (not the odd grey pixel of a caption's letters)
         "-morphology", "Open", "Square:3", "-trim", "info:"],
        capture_output=True, text=True, check=False).stdout
    found = re.search(r" (\d+)x(\d+) \d+x\d+\+(\d+)\+(\d+) ", out)
    if not found:
        return None
    w, h, x, y = (int(v) for v in found.groups())
    return x, y, w, h


def screenshot(work, name):
    path = os.path.join(work, name + ".png")
    subprocess.run(["import", "-window", "root", path], check=False)
    return path


def start_weston(work, xwayland):
    config = os.path.join(work, "config")
    os.makedirs(config)
    with open(os.path.join(config, "weston.ini"), "w") as f:
        f.write("[shell]\nbackground-color=0xff203040\npanel-position=none\n"
                "animation=none\nclose-animation=none\nstartup-animation=none\n"
                "focus-animation=none\n")
    env = dict(os.environ, XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=config)
    args = ["weston", "--backend=x11-backend.so", "--socket=course-test",
            f"--width={SCREEN[0]}", f"--height={SCREEN[1]}", "--idle-time=0"]
    if xwayland:
        args.append("--xwayland")
    log = open(os.path.join(work, "weston.log"), "w")
    weston = subprocess.Popen(args, env=env, stdout=log, stderr=subprocess.STDOUT)
    display = None
    for _ in range(100):
        time.sleep(0.1)
        with open(os.path.join(work, "weston.log")) as f:
            text = f.read()
        ready = os.path.exists(os.path.join(work, "course-test"))
        found = re.search(r"xserver listening on display (:\d+)", text)
        if found:
            display = found.group(1)
        if ready and (display or not xwayland):
            break
    else:
        print(text)
        weston.kill()
        fail("weston did not start")
        sys.exit(1)
    time.sleep(1)
    # The pointer over weston's output: the X server gives it the keyboard.
    move_pointer(SCREEN[0] // 2, SCREEN[1] - 5)
    return weston, display


def main():
    course, mode = sys.argv[1], sys.argv[2]
    first, last = (int(v) for v in sys.argv[3:5]) if len(sys.argv) > 4 else (0, len(TITLES) - 1)
    if not 0 <= first <= last < len(TITLES):
        sys.exit(f"no pages {first} to {last}: the course has pages 0 to {len(TITLES) - 1}")
    xwayland = mode == "xwayland"
    work = tempfile.mkdtemp(prefix="wayland-walk-", dir=os.environ.get("WALK_SHOTS"))
    os.chmod(work, 0o700)
    weston, display = start_weston(work, xwayland)
    env = dict(os.environ, XDG_RUNTIME_DIR=work, HOME=work,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("QT_QPA_PLATFORM", None)
    if xwayland:
        env.update(QT_QPA_PLATFORM="xcb", DISPLAY=display)
        env.pop("WAYLAND_DISPLAY", None)
    else:
        env.update(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="course-test")
        env.pop("DISPLAY", None)
    log = open(os.path.join(work, "course.log"), "w")
    start = ["--page", str(first)] if first > 0 else []
    process = subprocess.Popen([course] + start, env=env, stdout=log, stderr=subprocess.STDOUT)
    try:
        walk(process, work, xwayland, display, first, last)
    finally:
        if process.poll() is None:
            process.kill()
        weston.terminate()
        weston.wait()
    if problems:
        with open(os.path.join(work, "course.log")) as f:
            print("--- what the course printed\n" + f.read())
        print("screenshots in", work)
    elif not os.environ.get("WALK_SHOTS"):
        shutil.rmtree(work, ignore_errors=True)
    print(f"{mode}, pages {first} to {last}: {len(problems)} problems")
    sys.exit(1 if problems else 0)


def move_pointer(x, y):
    """Moves the X server's pointer to (x, y) as a mouse does, through XTEST
    (libXtst, by ctypes), so that weston's pointer follows: its X11 backend
    takes each motion as a step from the last it saw (a warp of the pointer,
    xdotool's mousemove, is not one on every X server) and holds its pointer
    within its output. Two steps to opposite corners first bring its pointer
    to the X server's; the third goes to (x, y)."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                          ctypes.c_int, ctypes.c_ulong]
    dpy = x11.XOpenDisplay(None)
    if not dpy:
        return False
    for step in ((0, 0), (SCREEN[0] - 1, SCREEN[1] - 1), (x, y)):
        xtst.XTestFakeMotionEvent(dpy, -1, step[0], step[1], 0)
        x11.XFlush(dpy)
        time.sleep(0.1)
    x11.XCloseDisplay(dpy)
    return True


def ask_x_window_to_close(display, window):
    """What a window manager sends when the learner closes an X window:
    WM_DELETE_WINDOW, in a client message to the window (libX11, by ctypes)."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]

    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        return False
    event = Event()
    event.message.type = 33  # ClientMessage
    event.message.window = window
    event.message.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    event.message.format = 32
    event.message.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(dpy, window, 0, 0, ctypes.byref(event))
    x11.XFlush(dpy)
    x11.XCloseDisplay(dpy)
    return True


def walk(process, work, xwayland, display, first, last):
    course_place = None
    for number in range(first, last + 1):
        title = TITLES[number].strip()
        deadline = time.time() + 90  # (an animation, on a loaded machine)
        last_key = time.time()
        while shown_caption() != title and time.time() < deadline:
            if process.poll() is not None:
                fail(f"the course ended before page {number}")
                return
            # Enter alone moves on; during an animation it waits. (The
            # title page moves on by itself.)
            if number > max(first, 1) and time.time() - last_key > 1.2:
                key("Return")
                last_key = time.time()
            pump(0.2)
        caption = shown_caption()
        if caption != title:
            fail(f"page {number}: the window is named «{caption}», not «{title}»")
            return
        pump(0.6)
        frames = course_frames()
        if len(frames) != 1:
            fail(f"«{title}»: {len(frames)} windows shown")
        elif "active" not in live_states(frames[0]):
            fail(f"«{title}»: the window does not have the keyboard")
        box = page_box(screenshot(work, f"page-{number:02d}"))
        print(f"{number:2d} {title}: page at {box}", flush=True)
        if box is None:
            fail(f"«{title}»: no page on the screen")
        elif number > 0:
            if course_place is None:
                course_place = box
            elif box != course_place:
                fail(f"«{title}»: the window moved from {course_place} to {box}")
        if number == 1:
            key("Return")  # Suite on the first page
    # The desktop's close request, on the end page: the close button at the
    # right of the window's title bar, just above the page.
    if course_place is None or last != len(TITLES) - 1:
        return
    x, y, w, _ = course_place
    if xwayland:
        # Through XWayland, weston's window manager closes an X window by
        # WM_DELETE_WINDOW (its frame's close button does not take the
        # clicks of this nested set-up).
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", APP],
                               env=dict(os.environ, DISPLAY=display), capture_output=True,
                               text=True, check=False).stdout.split()
        target = f"WM_DELETE_WINDOW to {found[:1]}"
        if not found or not ask_x_window_to_close(display, int(found[0])):
            fail("no X window of the course to close")
            return
    else:
        # the course's own title bar, 26 pixels high above the page, its close
        # button 18 pixels wide, 4 from the right
        target = (x + w - 13, y - 13)
        move_pointer(*target)
        time.sleep(0.3)
        subprocess.run(["xdotool", "click", "1"], check=False)
    for _ in range(50):
        if process.poll() is not None:
            break
        time.sleep(0.1)
    if process.poll() is None:
        screenshot(work, "close")
        fail(f"the close button at {target} did not end the course")


if __name__ == "__main__":
    main()
