#!/usr/bin/env bash
# Runs the screen-reader test: a private D-Bus session with the accessibility
# bus, an X server, and a client that reads the course over AT-SPI as a
# screen reader does, from page FIRST to page LAST (the whole course by
# default), all of its own, so that stretches of the course can be read side
# by side. Exits 77 (skipped) where no D-Bus session can start.
#
#   run-screen-reader-test.sh COURSE_EXECUTABLE [FIRST LAST]
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
course="$1"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

for tool in dbus-run-session Xvfb "$launcher"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing, no accessibility bus can start"
        exit 77
    fi
done
if ! dbus-run-session -- true 2>/dev/null; then
    echo "SKIP: no D-Bus session can start here"
    exit 77
fi

# A run-time folder of the test's own: the accessibility bus puts its socket
# there, not in a folder that the tests running beside it share.
XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
# The X server takes the first free display itself and says which
# (-displayfd): runs started at the same moment never pick the same one.
dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$4" >/dev/null 2>&1 &
    xvfb=$!
    trap "kill $launcher $xvfb 2>/dev/null" EXIT
    for _ in $(seq 100); do [ -s "$4" ] && break; sleep 0.1; done
    [ -s "$4" ] || { echo "FAIL: the X server did not start"; exit 1; }
    DISPLAY=":$(head -n 1 "$4")" "$1" "$2" "$3" "${@:5}"
' "$launcher" "$python" "$here/screen_reader_walk.py" "$course" "$XDG_RUNTIME_DIR/display" "${@:2}"
