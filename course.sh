#!/usr/bin/env bash
# Builds the course and starts it, or runs its tests, installing first the
# Debian packages that are missing.
#
#   ./course.sh run     install what is missing, build, start the course
#   ./course.sh test    install what is missing, build, run every test
#
# With SANITIZERS=1 (and always in CI, where CI=true), the test command also
# builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole suite again there, leaks included.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${BUILD_DIR:-$here/build}"
# To build and run the course (the X library for the window's frame hints;
# the desktop's sound events for the beep, its sound theme and its PulseAudio
# backend; Qt's Wayland plugin for a Wayland session).
packages=(g++ make cmake pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins
    fonts-liberation libxcb1-dev libcanberra-dev sound-theme-freedesktop
    libcanberra-pulse qt6-wayland)
# To run its tests besides: an X server and a screen reader's accessibility
# bus for the test that reads the course as a screen reader does; a window
# manager and the X tools for the test of the desktop integration; the
# validators of the desktop entry, the AppStream metadata and the package;
# the PDF tools that read the printed handout back; a Wayland compositor (with
# XWayland), a sound server and a screen reader for the tests on a real desktop.
test_packages=(xvfb xauth dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
    openbox x11-utils xdotool desktop-file-utils appstream lintian poppler-utils
    weston xwayland imagemagick pulseaudio pulseaudio-utils orca qt6-l10n-tools)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installation des paquets manquants : ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

build() {
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
    cmake --build "$build" -j "$(nproc)"
}

sanitized_tests() {
    local asan="$here/build-asan"
    cmake -S "$here" -B "$asan" -DCMAKE_BUILD_TYPE=Debug -DWITH_SANITIZERS=ON >/dev/null
    cmake --build "$asan" -j "$(nproc)"
    (cd "$asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j "$(nproc)")
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    build
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
        echo "Aucun écran graphique (DISPLAY non défini) : lancez le cours dans une session graphique, ou sous Xvfb avec : xvfb-run $build/src/app/transformateur-impulsions" >&2
        exit 1
    fi
    exec "$build/src/app/transformateur-impulsions"
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build
    # Most tests wait for the course's timers in real time, not for the
    # processor: three run side by side on each core.
    (cd "$build" && ctest --output-on-failure -j "$(($(nproc) * 3))")
    if [ -n "${SANITIZERS:-}" ] || [ "${CI:-}" = true ]; then
        echo "Les mêmes tests, sous AddressSanitizer et UndefinedBehaviorSanitizer :"
        sanitized_tests
    fi
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
