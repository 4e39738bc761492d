#!/usr/bin/env bash
# The course walked with Enter alone under Orca itself, in an X server with
# a window manager, Orca speaking through a server of the test's own that
# only writes down what it would say; from page FIRST until page LAST has
# come (the whole course by default). Each run has its own X server, D-Bus
# session, accessibility bus, Orca and settings, so that several stretches
# of the course can be walked side by side. Exits 77 (skipped) where Orca,
# the X tools or the accessibility bus is missing. With --walk, another
# walk of this folder is made in the same setting, with its own arguments.
#
#   orca-test.sh COURSE_EXECUTABLE [FIRST LAST]
#   orca-test.sh --walk SCRIPT COURSE_EXECUTABLE [ARGUMENTS]
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
walk="$here/orca_walk.py"
if [ "${1:-}" = --walk ]; then
    walk="$here/$2"
    shift 2
fi
course="$1"
stretch=("${@:2}")
launcher=/usr/libexec/at-spi-bus-launcher
for tool in orca openbox xdotool Xvfb dbus-run-session "$launcher"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing"
        exit 77
    fi
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A home, a run-time folder and settings of the test's own: Orca speaks
# English role names through the test's speech server, tutorials off.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME/.local/share/orca" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$HOME/.local/share/orca/user-settings.conf" <<'SETTINGS'
{"general": {"speechServerFactory": "speech_log", "speechFactoryModules": ["speech_log"],
             "enableSpeech": true, "firstStart": false, "enableTutorialMessages": false},
 "keybindings": {}, "pronunciations": {},
 "profiles": {"default": {"profile": ["Default", "default"],
                          "speechServerFactory": "speech_log",
                          "speechFactoryModules": ["speech_log"]}}}
SETTINGS
export PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}" PYTHONDONTWRITEBYTECODE=1
export SPEECH_LOG="$work/speech.log" LANG=C.UTF-8 LANGUAGE= GTK_USE_PORTAL=0
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The X server takes the first free display itself and says which
# (-displayfd): runs started at the same moment never pick the same one.
setsid dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$4" >/dev/null 2>&1 &
    xvfb=$!
    trap "kill $launcher $xvfb 2>/dev/null" EXIT
    for _ in $(seq 100); do [ -s "$4" ] && break; sleep 0.1; done
    [ -s "$4" ] || { echo "FAIL: the X server did not start"; exit 1; }
    export DISPLAY=":$(head -n 1 "$4")"
    openbox >/dev/null 2>&1 &
    /usr/bin/python3 "$1" "$2" "$3" "${@:5}"
' "$launcher" "$walk" "$course" "$SPEECH_LOG" "$work/display" "${stretch[@]}" &
session=$!
trap 'kill -- -$session 2>/dev/null; rm -rf "$work"' EXIT
wait $session
status=$?
if [ "$status" != 0 ] && [ "$status" != 77 ] && [ -f "$SPEECH_LOG" ]; then
    echo "--- what Orca said"
    python3 -c 'import json,sys
for l in open(sys.argv[1]): print(json.loads(l)["text"])' "$SPEECH_LOG" | cut -c1-200
fi
exit $status
