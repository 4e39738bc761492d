#!/usr/bin/env bash
# The course walked with Enter alone under Orca itself, in an X server with
# a window manager, Orca speaking through a server of the test's own that
# only writes down what it would say. Exits 77 (skipped) where Orca, the X
# tools or the accessibility bus is missing.
#
#   orca-test.sh COURSE_EXECUTABLE
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
course="$1"
launcher=/usr/libexec/at-spi-bus-launcher
for tool in orca openbox xdotool xvfb-run dbus-run-session "$launcher"; do
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
setsid dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
        openbox >/dev/null 2>&1 &
        /usr/bin/python3 \"\$0\" \"\$1\" \"\$2\"
    " "$1" "$2" "$3"
' "$launcher" "$here/orca_walk.py" "$course" "$SPEECH_LOG" &
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
