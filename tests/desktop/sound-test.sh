#!/usr/bin/env bash
# The beeps as a learner hears them: the course under a real window manager
# in a real X server, with a real sound server (PulseAudio, its output a null
# sink that is recorded). Every beep is the desktop's bell sound event, a new
# stream on the sound server: one per button press, one for each saturation
# column of Incomp, none once Ctrl+M has silenced the course. Exits 77
# (skipped) where the X server, the window manager, the sound server or the
# sound theme is missing.
#
#   sound-test.sh COURSE_EXECUTABLE
set -u
course="$1"
for tool in xvfb-run openbox xdotool pulseaudio pactl parec python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing"
        exit 77
    fi
done
if [ ! -e /usr/share/sounds/freedesktop/stereo/bell.oga ]; then
    echo "SKIP: the freedesktop sound theme is missing"
    exit 77
fi
if ! ls /usr/lib/*/libcanberra-0.30/libcanberra-pulse.so >/dev/null 2>&1; then
    echo "SKIP: libcanberra has no PulseAudio backend"
    exit 77
fi

if [ "${2:-}" = --inside ]; then
    fail=0
    bad() { echo "FAIL: $*"; fail=1; }
    work="$(mktemp -d)"
    chmod 700 "$work"
    export XDG_RUNTIME_DIR="$work" HOME="$work"
    export PULSE_SERVER="unix:$work/pulse-socket" PULSE_COOKIE="$work/cookie"
    # A sound server of the test's own, its only output a null sink.
    pulseaudio --daemonize=no --exit-idle-time=-1 --use-pid-file=no -n \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse-socket" \
        -L "module-null-sink sink_name=nul" -L "module-always-sink" \
        >"$work/pulse.log" 2>&1 &
    pulse=$!
    openbox >/dev/null 2>&1 &
    wm=$!
    trap 'kill $wm $pulse $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null 2>&1 || { cat "$work/pulse.log"; echo "FAIL: no sound server"; exit 1; }
    pactl set-default-sink nul

    # Every stream that starts on the server, and what the null sink plays.
    pactl subscribe >"$work/events" 2>&1 &
    parec -d nul.monitor --file-format=wav "$work/sound.wav" &
    recorder=$!
    streams() { grep -c "'new' on sink-input" "$work/events"; }

    "$course" --page Incomp 2>"$work/course.log" &
    pid=$!
    window=
    for _ in $(seq 100); do
        window="$(xdotool search --onlyvisible --class transformateur-impulsions 2>/dev/null | head -1)"
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "FAIL: the course shows no window"; exit 1; }
    sleep 1
    [ "$(streams)" -eq 0 ] || bad "$(streams) beeps before any press"

    # "Suite": one beep, then the animation with a beep at each saturated
    # column (14 in the fifth phase, 18 in the last), 28 s in all.
    xdotool key --window "$window" Return
    for _ in $(seq 400); do
        [ "$(streams)" -ge 33 ] && break
        sleep 0.1
    done
    sleep 1.5
    [ "$(streams)" -eq 33 ] || bad "Suite and the animation of Incomp gave $(streams) beeps, not 1 + 32"
    # "Page suivante" (the focus is on it at the end): one more.
    xdotool key --window "$window" Return
    sleep 1
    [ "$(streams)" -eq 34 ] || bad "Page suivante gave $(($(streams) - 33)) beeps, not 1"
    kill -INT $recorder
    wait $recorder 2>/dev/null
    # Silenced: the next presses sound nothing.
    xdotool key --window "$window" ctrl+m
    sleep 0.3
    xdotool key --window "$window" Return
    sleep 1
    [ "$(streams)" -eq 34 ] || bad "$(($(streams) - 34)) beeps while the sound is off"
    name="$(xprop -id "$window" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')"
    [ "$name" = "                    Fonctionnement en charge" ] ||
        bad "the course is on «$name», not on ChargeTi"

    # What the sink played is sound, not silence.
    python3 - "$work/sound.wav" <<'EOF' || bad "the recording of the walk is silent"
import struct, sys, wave
with wave.open(sys.argv[1]) as w:
    frames = w.readframes(w.getnframes())
    width = w.getsampwidth()
if width != 2 or not frames:
    sys.exit(1)
samples = struct.unpack("<%dh" % (len(frames) // 2), frames[: len(frames) // 2 * 2])
peak = max(abs(s) for s in samples)
print("peak of the recording:", peak)
sys.exit(0 if peak > 1000 else 1)
EOF
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    [ $fail -eq 0 ] || { echo "--- events"; sort "$work/events" | uniq -c; echo "--- course"; cat "$work/course.log"; }
    exit $fail
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$course" --inside
