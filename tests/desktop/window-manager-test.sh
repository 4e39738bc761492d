#!/usr/bin/env bash
# The course under a real window manager (openbox) in a real X server: its
# window's class is the desktop entry's StartupWMClass; the frame allows
# moving and closing only (no window menu, minimise, maximise or resize); the
# pages are shown one after the other in that one window, in place; Alt+F4
# ends the course, during an animation too, and with the help or the list of
# pages open; a second start brings the
# running course to the front and exits 0; a course killed without a chance
# to clean up never blocks the next start. Exits 77 (skipped) where the X
# server, the window manager or the X tools are missing.
#
#   window-manager-test.sh COURSE_EXECUTABLE DESKTOP_ENTRY
set -u
course="$1"
entry="$2"
for tool in xvfb-run openbox xprop xdotool xmessage; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing"
        exit 77
    fi
done

if [ "${3:-}" = --inside ]; then
    fail=0
    bad() { echo "FAIL: $*"; fail=1; }
    runtime="$(mktemp -d)"
    chmod 700 "$runtime"
    export XDG_RUNTIME_DIR="$runtime"
    openbox >/dev/null 2>&1 &
    wm=$!
    trap 'kill $wm $(jobs -p) 2>/dev/null; rm -rf "$runtime"' EXIT
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    # The course's visible window, once mapped (waits up to 10 s).
    course_window() {
        for _ in $(seq 100); do
            id="$(xdotool search --onlyvisible --class transformateur-impulsions 2>/dev/null | head -1)"
            [ -n "$id" ] && { echo "$id"; return 0; }
            sleep 0.1
        done
        return 1
    }

    "$course" 2>/dev/null &
    first=$!
    window="$(course_window)" || { echo "FAIL: the course shows no window"; exit 1; }
    sleep 0.5

    class="$(xprop -id "$window" WM_CLASS | sed 's/.*= //')"
    wanted="$(sed -n 's/^StartupWMClass=//p' "$entry")"
    [ -n "$wanted" ] || bad "the desktop entry has no StartupWMClass"
    grep -q "\"$wanted\"\$" <<<"$class" || bad "WM_CLASS $class does not end with \"$wanted\""

    # What the window asks of any manager that follows the Motif hints:
    # functions and decorations given (flags 0x3), moving and closing
    # (0x4 | 0x20), a border and a title (0x2 | 0x8), no menu, minimise or
    # maximise button.
    hints="$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')"
    [ "$hints" = "0x3, 0x24, 0xa, 0x0, 0x0" ] || bad "_MOTIF_WM_HINTS is $hints"
    # What openbox allows: moving and closing, never resizing or maximising.
    # (Openbox keeps minimise and full screen for every normal window
    # whatever the hints say.)
    # (set once openbox manages the window, which a busy machine delays)
    for _ in $(seq 50); do
        actions="$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)"
        grep -q "_NET_WM_ACTION_" <<<"$actions" && break
        sleep 0.1
    done
    echo "openbox allows: $actions"
    grep -q "_NET_WM_ACTION_MOVE" <<<"$actions" || bad "the window cannot be moved"
    grep -q "_NET_WM_ACTION_CLOSE" <<<"$actions" || bad "the window cannot be closed"
    for action in MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
        grep -q "_NET_WM_ACTION_$action\b" <<<"$actions" && bad "the frame allows $action"
    done

    # Another window takes the front; a second start gives it back.
    xmessage -geometry 700x500+0+0 "autre fenêtre" &
    sleep 1
    "$course" 2>/dev/null &
    second=$!
    for _ in $(seq 100); do kill -0 $second 2>/dev/null || break; sleep 0.1; done
    if kill -0 $second 2>/dev/null; then
        bad "the second start is still running"
        kill $second
    else
        wait $second
        status=$?
        [ $status -eq 0 ] || bad "the second start exited with $status"
    fi
    sleep 0.5
    shown="$(xdotool search --onlyvisible --class transformateur-impulsions | wc -l)"
    [ "$shown" -eq 1 ] || bad "$shown course windows are shown"
    top="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //')"
    [ "$((top))" -eq "$window" ] || bad "the course is not in front after a second start"
    active="$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //')"
    [ "$((active))" -eq "$window" ] || bad "the course is not the active window after a second start"

    # A course that is killed leaves its lock and socket: the next start runs.
    kill -9 $first
    wait $first 2>/dev/null
    sleep 0.5
    "$course" 2>/dev/null &
    third=$!
    course_window >/dev/null || bad "after a crash, a new start shows no course"
    kill $third 2>/dev/null
    wait $third 2>/dev/null

    # With the help or the list of pages open, closing the course's window
    # (the window manager's close, as its title bar's button) ends the course.
    for key in F1 ctrl+g; do
        "$course" --page Convent 2>/dev/null &
        open=$!
        window="$(course_window)" || bad "--page Convent shows no window"
        sleep 1
        xdotool windowactivate --sync "$window" 2>/dev/null
        xdotool key "$key"
        for _ in $(seq 30); do
            [ "$(xdotool search --onlyvisible --class transformateur-impulsions | wc -l)" -ge 2 ] &&
                break
            sleep 0.1
        done
        [ "$(xdotool search --onlyvisible --class transformateur-impulsions | wc -l)" -ge 2 ] ||
            bad "$key opens no window"
        # The learner's own keys, which the window manager takes.
        xdotool windowactivate --sync "$window" 2>/dev/null
        xdotool key alt+F4
        for _ in $(seq 30); do kill -0 $open 2>/dev/null || break; sleep 0.1; done
        if kill -0 $open 2>/dev/null; then
            bad "with $key open, closing the course's window did not end the course"
            kill $open
        fi
        wait $open 2>/dev/null
    done

    # Page after page in the one window, which stays where it is.
    "$course" --page Convent 2>/dev/null &
    walk=$!
    window="$(course_window)" || bad "--page Convent shows no window"
    sleep 0.5
    place() { xwininfo -id "$window" | awk '/Absolute upper-left [XY]/ { printf "%s ", $NF }'; }
    before="$(place)"
    for title in "Courbe d'aimantation" "Fonctionnement à vide"; do
        xdotool key --window "$window" Return
        [ "$title" = "Courbe d'aimantation" ] && { sleep 0.3; xdotool key --window "$window" Return; }
        sleep 0.5
        name="$(xprop -id "$window" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')"
        [ "$name" = "                    $title" ] || bad "the window is named «$name», not the page «$title»"
        [ "$(xdotool search --onlyvisible --class transformateur-impulsions | wc -l)" -eq 1 ] ||
            bad "more than one window on $title"
        [ "$(place)" = "$before" ] || bad "the window moved from $before to $(place) on $title"
    done
    # Vide draws its oscillograms, its buttons hidden: Alt+F4 still ends the course.
    xdotool key --window "$window" alt+F4
    for _ in $(seq 30); do kill -0 $walk 2>/dev/null || break; sleep 0.1; done
    if kill -0 $walk 2>/dev/null; then
        bad "Alt+F4 during an animation did not end the course"
        kill $walk
    fi
    exit $fail
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$course" "$entry" --inside
