#!/usr/bin/env bash
# Runs the screen-reader test: a private D-Bus session with the accessibility
# bus, an X server, and a client that reads the course over AT-SPI as a
# screen reader does. Exits 77 (skipped) where no D-Bus session can start.
#
#   run-screen-reader-test.sh COURSE_EXECUTABLE
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
course="$1"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

for tool in dbus-run-session xvfb-run "$launcher"; do
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
dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    xvfb-run -a -s "-screen 0 1280x1024x24" "$1" "$2" "$3"
' "$launcher" "$python" "$here/screen_reader_walk.py" "$course"
