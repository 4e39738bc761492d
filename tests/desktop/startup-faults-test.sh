#!/usr/bin/env bash
# The course started in the environments that go wrong, in a real X server
# with a window manager: displays that cannot be reached, platforms that do
# not exist, scale factors no window can have, odd options, a settings file
# that is a pipe, locks left empty or damaged, a course that hangs, the same
# screen under another name. For each case, a table row: what the program
# printed, its status, how long it took to exit; then whether a normal start
# afterwards shows the course within its time. Exits 77 (skipped) where the
# X server, the window manager or the X tools are missing.
#
# The rows come in groups that can run side by side, each in X servers of
# its own: displays (unreachable, refused or missing displays and
# platforms), options (options and variables of the environment), state
# (what earlier courses leave: a settings file, locks, a course that hangs or
# runs on the same screen). Without a group, all of them.
#
#   startup-faults-test.sh COURSE_EXECUTABLE [displays|options|state]
set -u
course="$1"
group="${2:-all}"
case "$group" in
all | displays | options | state) ;;
*)
    echo "no group of rows «$group»: displays, options or state" >&2
    exit 2
    ;;
esac
for tool in xvfb-run Xvfb xauth openbox xdotool xprop mcookie timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing"
        exit 77
    fi
done

if [ "${3:-}" != --inside ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$course" "$group" --inside
fi
# Whether the rows of this group are run.
runs_group() { [ "$group" = all ] || [ "$group" = "$1" ]; }

# The shell's word for each course it ends here is noise.
exec 2> >(grep --line-buffered -v ' Killed  ' >&2)
fail=0
bad() { echo "FAIL: $*"; fail=1; }
work="$(mktemp -d)"
# A copy of its own, so that ending its courses ends no other test's.
cp "$course" "$work/transformateur-impulsions"
course="$work/transformateur-impulsions"
openbox >/dev/null 2>&1 &
wm=$!
others=()
trap 'kill $wm "${others[@]}" $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
# A normal start shows a course within this many milliseconds (more under
# AddressSanitizer, which slows the start).
limit_ms="${START_LIMIT_MS:-1500}"
[ -n "${ASAN_OPTIONS:-}" ] && limit_ms=6000

# (bash's own clock: no process to start, which a loaded machine makes slow)
now_ms() {
    local us="${EPOCHREALTIME/[.,]/}"
    echo $((us / 1000))
}
# A fresh user for each case: run-time folder and settings of their own.
fresh_user() {
    export XDG_RUNTIME_DIR="$work/run-$1" XDG_CONFIG_HOME="$work/config-$1"
    mkdir -p "$XDG_CONFIG_HOME"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
}
# The id of a visible course window on $DISPLAY, once there are at least $2
# of them (1 if not given; waits up to $1 ms).
course_window() {
    local until=$(($(now_ms) + $1)) ids
    while [ "$(now_ms)" -lt "$until" ]; do
        ids="$(xdotool search --onlyvisible --class transformateur-impulsions 2>/dev/null)"
        [ -n "$ids" ] && [ "$(wc -l <<<"$ids")" -ge "${2:-1}" ] && { head -1 <<<"$ids"; return 0; }
        sleep 0.05
    done
    return 1
}
stop_courses() {
    pkill -KILL -f -- "^$course" 2>/dev/null
    for _ in $(seq 50); do
        pgrep -f -- "^$course" >/dev/null || break
        sleep 0.1
    done
}
# After a case: a normal start shows a course within the limit.
# What a case leaves behind slows every start after it alike, where a busy
# machine (the tests beside this one) slows one now and then: a start that
# is late is tried once more before it counts.
normal_start_shows() {
    local start pid try
    for try in 1 2; do
        start=$(now_ms)
        "$course" 2>/dev/null &
        pid=$!
        if course_window "$limit_ms" >/dev/null; then
            echo "   then a normal start shows the course after $(($(now_ms) - start)) ms"
            try=0
        elif [ $try = 1 ]; then
            echo "   then a normal start shows no course within $limit_ms ms; once more"
        else
            bad "$1: after it, a normal start shows no course within $limit_ms ms, twice"
        fi
        stop_courses
        wait $pid 2>/dev/null
        [ $try = 0 ] && return
    done
}

# One row: NAME STATUS PATTERN -- COMMAND...; STATUS is the exit status
# wanted ("runs" for a course that must still run after 3 s); PATTERN is what
# standard error must hold (ERE; "-" for nothing at all), and it must never
# hold Qt's advice to reinstall nor the English start-up messages.
row() {
    local name="$1" want="$2" pattern="$3"
    shift 4
    fresh_user "$(echo "$name" | tr -c 'a-z0-9' _)"
    [ -n "${PREPARE:-}" ] && eval "$PREPARE"
    local start=$(now_ms)
    timeout -s KILL 10 "$@" >"$work/out" 2>"$work/err" &
    local pid=$!
    local status=runs
    while kill -0 $pid 2>/dev/null && [ "$(now_ms)" -lt $((start + 3000)) ]; do
        sleep 0.1
    done
    if ! kill -0 $pid 2>/dev/null; then
        wait $pid
        status=$?
    fi
    local took=$(($(now_ms) - start))
    echo "-- $name: status $status after $took ms; printed: $(tr '\n' ' ' <"$work/err" | cut -c1-200)"
    [ "$status" = "$want" ] || bad "$name: status $status, not $want"
    [ "$status" = 134 ] || [ "$status" = 137 ] && bad "$name: the program was killed or aborted"
    if [ "$pattern" = - ]; then
        [ -s "$work/err" ] && bad "$name: standard error is not empty"
    else
        grep -Eq -- "$pattern" "$work/err" || bad "$name: standard error does not say «$pattern»"
    fi
    grep -Eq "Reinstalling|could not connect|qt\.qpa\.plugin|Failed to create" "$work/err" &&
        bad "$name: Qt's own start-up messages are shown"
    if [ "$status" = 1 ]; then
        [ "$(wc -l <"$work/err")" -le 2 ] || bad "$name: more than two lines on standard error"
    fi
    stop_courses
    wait $pid 2>/dev/null
    normal_start_shows "$name"
}

here_display="$DISPLAY"
number="${DISPLAY#:}"
number="${number%%.*}"

# Another X server, with the arguments given, on the first free display:
# the number it writes on descriptor 3 once it listens goes into the
# variable named first.
other_server() {
    local name="$1" said="$work/display-$1"
    shift
    Xvfb -displayfd 3 "$@" 3>"$said" >/dev/null 2>&1 &
    others+=($!)
    for _ in $(seq 100); do
        [ -s "$said" ] && { printf -v "$name" %s "$(head -1 "$said")"; return 0; }
        sleep 0.05
    done
    return 1
}

refused='transformateur-impulsions : impossible d.ouvrir l.écran X'
if runs_group displays; then
    # An X server that asks for a cookie the course does not have.
    cookie="$work/cookie"
    xauth -f "$cookie" add ":0" . "$(mcookie)" 2>/dev/null
    other_server guarded -auth "$cookie" -screen 0 800x600x24 ||
        bad "the X server that asks for a cookie does not start"
    # A display where no X server runs: far above the ones that the X servers
    # of the tests take (from 0 and from 99 up), and free.
    absent=$((500 + $$ % 400))
    while [ -e "/tmp/.X$absent-lock" ] || [ -e "/tmp/.X11-unix/X$absent" ]; do
        absent=$((absent + 1))
    done
    row "no X server" 1 "$refused « :$absent »" -- env DISPLAY=":$absent" "$course"
    row "-display of no X server" 1 "$refused « :$absent »" -- "$course" -display ":$absent"
    row "a display name that is none" 1 "$refused « pas-un-ecran »" -- env DISPLAY=pas-un-ecran "$course"
    row "a cookie refused" 1 "$refused « :$guarded »" -- env DISPLAY=":$guarded" XAUTHORITY=/nonexistent "$course"
    row "no display at all" 1 "aucun écran graphique \(DISPLAY non défini\)" -- \
        env -u DISPLAY -u WAYLAND_DISPLAY "$course"
    row "no Wayland compositor" 1 "impossible de joindre le compositeur Wayland « wayland-9 »" -- \
        env QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-9 "$course"
    row "a platform that does not exist" 1 "la plateforme graphique « nexistepas » n.existe pas" -- \
        "$course" -platform nexistepas
fi

if runs_group options; then
    row "offscreen without a display" runs - -- env -u DISPLAY "$course" -platform offscreen
    row "QT_SCALE_FACTOR=0" runs "QT_SCALE_FACTOR « 0 » ignoré" -- env QT_SCALE_FACTOR=0 "$course"
    row "QT_SCALE_FACTOR=1e308" runs "QT_SCALE_FACTOR « 1e308 » ignoré" -- env QT_SCALE_FACTOR=1e308 "$course"
    row "--echelle nan" 2 "échelle « nan » impossible" -- "$course" --echelle nan
    row "--echelle inf" 2 "échelle « inf » impossible" -- "$course" --echelle inf
fi

runs_group state || exit $fail
PREPARE='mkdir -p "$XDG_CONFIG_HOME/ferrite"; mkfifo "$XDG_CONFIG_HOME/ferrite/transformateur-impulsions.ini"' \
    row "a pipe for settings" runs "n.est pas un fichier" -- "$course"
key="transformateur-impulsions-x11-_$number"
PREPARE=': >"$XDG_RUNTIME_DIR/'$key'.lock"; touch -d "-1 min" "$XDG_RUNTIME_DIR/'$key'.lock"' \
    row "an empty lock" runs - -- "$course"
PREPARE='printf "\001\377 rien\n" >"$XDG_RUNTIME_DIR/'$key'.lock"' \
    row "a damaged lock" runs - -- "$course"

# A course that hangs (stopped) keeps no later start from showing a course.
fresh_user hung
"$course" 2>/dev/null &
hung=$!
course_window 10000 >/dev/null || bad "the course to hang shows no window"
kill -STOP $hung
start=$(now_ms)
"$course" 2>/dev/null &
later=$!
if course_window $((limit_ms + 1000)) 2 >/dev/null; then
    echo "-- a hung course: a later start shows its own after $(($(now_ms) - start)) ms"
else
    bad "a hung course keeps a later start from showing a course"
fi
kill -CONT $hung
stop_courses
wait $hung $later 2>/dev/null

# The same screen by another name is the same screen; -display another.
other_server second -screen 0 1024x768x24 || bad "the second X server does not start"
fresh_user names
"$course" 2>/dev/null &
first=$!
window="$(course_window 10000)" || bad "the first course shows no window"
sleep 0.5
DISPLAY="$here_display.0" timeout 10 "$course" --page 5 --echelle 2 2>"$work/err"
status=$?
echo "-- $here_display.0 beside $here_display: status $status; printed: $(cat "$work/err")"
[ $status -eq 0 ] || bad "a start on $here_display.0 exited with $status"
grep -q "le cours est déjà ouvert" "$work/err" || bad "a second start does not say the course is open"
sleep 0.5
[ "$(xdotool search --onlyvisible --class transformateur-impulsions | wc -l)" -eq 1 ] ||
    bad "a second course opened on $here_display.0"
name="$(xprop -id "$window" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')"
case "$name" in
*Produit*) ;;
*) bad "--page 5 of a second start left the course at «$name»" ;;
esac
timeout 10 "$course" -display ":$second" 2>/dev/null &
other=$!
DISPLAY=":$second" course_window 5000 >/dev/null ||
    bad "-display :$second beside a course on $here_display opens nothing on :$second"
stop_courses
wait $first $other 2>/dev/null
exit $fail
