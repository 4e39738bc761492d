#!/usr/bin/python3
"""A soak of the course in a real X server: random clicks and keys, the
teacher's keys included, for a given time. Run inside an X server with a
window manager, e.g.:

    xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
        'openbox & python3 tests/desktop/soak.py build/src/app/transformateur-impulsions 900'

Every 30 s it asks the course, as a second start does, whether it answers
(a course that hangs does not), and reads its resident memory. Neither a
click on "Quitter le programme" nor Enter or Space on a page is made, so that
one course lives throughout; the course is started again if it ends all the
same. Exits 1 on a crash or
a hang, 0 otherwise; prints the resident memory after each walk of 30 s."""

import os
import random
import subprocess
import sys
import time

course, seconds = sys.argv[1], float(sys.argv[2])
rng = random.Random(int(os.environ.get("SOAK_SEED", "22")))
# Not Escape: on a page it presses the cancel button, "Quitter le programme".
KEYS = ["Return", "Tab", "shift+Tab", "space", "Up", "Down", "p", "Pause",
        "F1", "F11", "ctrl+plus", "ctrl+minus", "ctrl+0", "ctrl+g", "ctrl+m", "ctrl+h",
        "a", "x", "BackSpace", "Home", "End"]
# The client area of a course page at 100 %, and "Quitter le programme" on it.
PAGE_W, PAGE_H = 634, 455
QUIT = (3840 / 15, 6240 / 15, 1695 / 15, 495 / 15)


def run(*args):
    return subprocess.run(args, capture_output=True, text=True).stdout.rstrip("\n")


def start():
    process = subprocess.Popen([course], stderr=subprocess.DEVNULL)
    for _ in range(100):
        if window():
            return process
        time.sleep(0.1)
    return process


def window():
    # The course's window: its caption begins with blanks, a dialog's does not.
    ids = run("xdotool", "search", "--onlyvisible", "--name", "^ ").split()
    for wid in ids:
        if run("xdotool", "getwindowpid", wid) == str(process.pid if process else 0):
            return wid
    return None


def geometry(wid):
    fields = {}
    for line in run("xdotool", "getwindowgeometry", "--shell", wid).splitlines():
        key, _, value = line.partition("=")
        fields[key] = int(value) if value.lstrip("-").isdigit() else value
    return fields


def on_quit(g, x, y):
    zoom = min(g["WIDTH"] / PAGE_W, g["HEIGHT"] / PAGE_H)
    left = (g["WIDTH"] - PAGE_W * zoom) / 2
    top = g["HEIGHT"] - PAGE_H * zoom - (g["HEIGHT"] - PAGE_H * zoom) / 2
    px, py = (x - left) / zoom, (y - top) / zoom
    qx, qy, qw, qh = QUIT
    return qx - 12 <= px <= qx + qw + 12 and qy - 12 <= py <= qy + qh + 12


def rss(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS"):
                return int(line.split()[1])
    return 0


def answers():
    try:
        second = subprocess.run([course], capture_output=True, text=True, timeout=5)
    except subprocess.TimeoutExpired:
        return False
    return second.returncode == 0 and "déjà ouvert" in second.stderr


process = None
process = start()
began = time.time()
next_check = began + 30
actions = restarts = 0
last = []
while time.time() - began < seconds:
    status = process.poll()
    if status is not None:
        if status < 0:
            print(f"CRASH: the course died of signal {-status}")
            sys.exit(1)
        restarts += 1
        print(f"the course ended (status {status}) after: {' / '.join(last[-3:])}", flush=True)
        process = start()
        continue
    wid = window()
    if wid:
        g = geometry(wid)
        if rng.random() < 0.6 and g.get("WIDTH", 0) > 0:
            x, y = rng.randrange(g["WIDTH"]), rng.randrange(g["HEIGHT"])
            if not on_quit(g, x, y):
                last.append(f"click {x},{y} in {g['WIDTH']}x{g['HEIGHT']} {run('xdotool', 'getwindowname', wid).strip()}")
                run("xdotool", "mousemove", str(g["X"] + x), str(g["Y"] + y),
                    "click", "--repeat", str(rng.choice([1, 1, 1, 2, 3])), "--delay", "60", "1")
        else:
            key = rng.choice(KEYS)
            # Enter and Space press the focused button on a page, which may be
            # "Quitter le programme": they go to the help and the list alone.
            active = run("xdotool", "getactivewindow", "getwindowname")
            if key in ("Return", "space") and active.startswith(" "):
                key = "Tab"
            last.append(f"key {key} on {run('xdotool', 'getwindowname', wid).strip()}")
            run("xdotool", "key", key)
        actions += 1
    time.sleep(rng.choice([0.02, 0.05, 0.1, 0.3]))
    if time.time() >= next_check:
        next_check += 30
        if not answers():
            print("HANG: the course does not answer a second start")
            sys.exit(1)
        print(f"{time.time() - began:6.0f} s  {actions} actions  RSS {rss(process.pid)} kB"
              f"  restarts {restarts}", flush=True)
process.terminate()
print(f"done: {actions} actions, {restarts} restarts, no crash, no hang")
