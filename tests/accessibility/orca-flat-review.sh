#!/usr/bin/env bash
# A manual check with a real screen reader: Orca is started before the
# course, as at a blind user's login, the course is walked with the keyboard
# alone, and Orca's flat review reads three pages line by line. What Orca says
# is written to its debug log; the speech lines are printed at the end.
#
#   orca-flat-review.sh COURSE_EXECUTABLE [LOG]
#
# Needs Debian's orca, xvfb, xdotool, dbus-daemon and at-spi2-core. Orca's
# flat review keys (desktop layout, NumLock off): Insert+KP_Home goes to the
# top of the window, KP_Page_Up reads the next line.
set -u
course="$1"
log="${2:-orca-debug.log}"
rm -f "$log"

dbus-run-session -- bash -s "$course" "$log" <<'EOF'
course=$1; log=$2
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xserver=$!
sleep 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
orca --replace --debug-file="$log" >/dev/null 2>&1 &
reader=$!
sleep 6
"$course" 2>/dev/null &
app=$!
sleep 7 # the title page
key() { xdotool key "$@"; sleep 1; }
review() {
    key Insert+KP_Home
    for _ in $(seq "$1"); do key KP_Page_Up; done
}
key Return; key Return                # Fonction: Suite, then Page suivante
review 8                              # Convent
key Return                            # Aimant
key Return; key Return                # Suite, Page suivante
sleep 13                              # the no-load animation
key Return                            # Suite: the text on saturation appears
review 10                             # Vide
key Return                            # Produit
key Return; key Return; key Return    # Suite, Suite, Page suivante
key Return                            # PasSat
for run in diode zener; do            # Demag: close K, open K, twice
    key space; sleep 8
    key space; sleep 8
    [ "$run" = diode ] && key Return  # Suite
done
review 12                             # Demag, complete
kill $app $reader $xserver 2>/dev/null
EOF
grep -E "SPEECH OUTPUT" "$log" | sed -E 's/^[0-9:.]+ - SPEECH OUTPUT: //; s/\{.*$//; s/\[$//'
