#!/usr/bin/env bash
# The course on a real Wayland compositor (weston, inside an X server that
# gives it a keyboard), natively or through XWayland, walked by the keyboard
# and read over the accessibility bus. Exits 77 (skipped) where weston, the
# X server, the X tools, XWayland or Qt's Wayland plugin is missing.
#
# Each run has its own X server (the first free display), D-Bus session,
# accessibility bus and run-time folder (where the compositor puts its
# socket), so that runs, whole or in parts (FIRST LAST: the pages of the walk,
# see wayland_walk.py), go side by side.
#
#   wayland-test.sh COURSE_EXECUTABLE native|xwayland [FIRST LAST]
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
course="$1"
mode="$2"
shift 2
launcher=/usr/libexec/at-spi-bus-launcher
for tool in weston xvfb-run xdotool convert import dbus-run-session "$launcher"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing"
        exit 77
    fi
done
plugins="$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)"
if [ "$mode" = native ] && ! ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1; then
    echo "SKIP: Qt's Wayland plugin (qt6-wayland) is missing"
    exit 77
fi
if [ "$mode" = xwayland ] && ! command -v Xwayland >/dev/null 2>&1; then
    echo "SKIP: Xwayland is missing"
    exit 77
fi
# A run-time folder of the test's own: the accessibility bus puts its socket
# there, not in a folder that the tests running beside it share.
XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
# In a session of its own, so that nothing it started (the compositor, the
# course) outlives it, however it ends. (The accessibility bus is found on
# that session's bus, never on the root window of a display that others
# share.)
setsid env -u DISPLAY -u WAYLAND_DISPLAY dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    walk="$1"
    shift
    xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/python3 "$walk" "$@"
' "$launcher" "$here/wayland_walk.py" "$course" "$mode" "$@" &
session=$!
trap 'kill -- -$session 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
wait $session
