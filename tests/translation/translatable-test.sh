#!/usr/bin/env bash
# Qt's lupdate run over the sources finds every kind of text a user meets,
# each in the context where the program looks it up: a course text, a page
# title, a button, a screen-reader announcement, an accessible name, a
# picture's description, a message printed on the terminal. lupdate itself
# warns of nothing (a tr() it cannot place, a class without Q_OBJECT). Exits
# 77 (skipped) where Qt 6's lupdate or python3 is missing.
#
#   translatable-test.sh SOURCE_DIR [QT_BIN_DIR]
set -u
src="$1"
lupdate=""
for candidate in "${2:-}/lupdate" /usr/lib/qt6/bin/lupdate "$(command -v lupdate6)"; do
    if [ -x "$candidate" ] && [ -f "$candidate" ]; then
        lupdate="$candidate"
        break
    fi
done
if [ -z "$lupdate" ]; then
    echo "SKIP: Qt 6's lupdate is missing (Debian: qt6-l10n-tools)"
    exit 77
fi
if ! command -v python3 >/dev/null 2>&1; then
    echo "SKIP: python3 is missing"
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! "$lupdate" -no-obsolete -locations none -I "$src" "$src" -ts "$work/course.ts" \
    >"$work/said" 2>&1; then
    cat "$work/said"
    echo "FAIL: lupdate failed"
    exit 1
fi

python3 - "$work/course.ts" "$work/said" <<'PY'
import sys
import xml.etree.ElementTree as ET

ts, said = sys.argv[1], sys.argv[2]
found = {(c.findtext('name'), m.findtext('source'))
         for c in ET.parse(ts).getroot().iter('context') for m in c.iter('message')}
expected = [
    ('text::CourseText', 'Les impulsions de sortie sont raccourcies !'),
    ('text::CourseText', '\t- simplicité de mise en oeuvre.'),
    ('shell::PageTitle', 'Démagnétisation incomplète'),
    ('shell::PageTitle', 'Application:  Déclencheur de Pont mixte monophasé'),
    ('shell::CoursePage', 'Suite'),
    ('shell::CoursePage', 'Page suivante'),
    ('shell::CoursePage', 'Les boutons de navigation sont affichés.'),
    ('shell::Debut', "Coordonnées de l'éditeur"),
    ('pages::Applic', 'Explications relatives au montage'),
    ('art::Picture', "Symbole d'un thyristor"),
    ('main', 'le cours est déjà ouvert : il revient au premier plan.'),
]
fail = False
for context, source in expected:
    if (context, source) not in found:
        print(f'FAIL: not extracted in {context}: {source!r}')
        fail = True
warnings = [line for line in open(said, encoding='utf-8', errors='replace')
            if ': ' in line and not line.lstrip().startswith(('Scanning', 'Updating', 'Found'))]
for line in warnings:
    print('FAIL: lupdate warns:', line.rstrip())
    fail = True
print(f'{len(found)} texts extracted')
sys.exit(1 if fail else 0)
PY
