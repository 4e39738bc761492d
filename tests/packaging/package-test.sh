#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as a packager
# would: Depends names the package of every library the program is linked
# with, the window-system plugin and Qt's French catalogue; the licence,
# changelog and manual page are in place; the desktop entry and the AppStream
# metadata validate; lintian --pedantic reports no error and no warning. Then
# checks that a file which no package holds stops the build of the package.
#
# In steps that can run side by side once the package is built: "build"
# makes it in PACKAGE_DIR, "contents" and "lintian" check the package found
# there, "incomplete" tries a package with a file that no package holds.
# Without a step, all of them on a package of its own.
#
#   package-test.sh BUILD_DIR PROGRAM [build|contents|lintian|incomplete PACKAGE_DIR]
set -u
build="$1"
program="$2"
step="${3:-all}"
fail=0
bad() { echo "FAIL: $*"; fail=1; }

for tool in cpack dpkg-deb dpkg-query readelf qtpaths6; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
case "$step" in
all) packages="$out/package" ;;
build | contents | lintian | incomplete) packages="${4:?the folder of the package is missing}" ;;
*)
    echo "no step «$step»: build, contents, lintian or incomplete" >&2
    exit 2
    ;;
esac

if [ "$step" = all ] || [ "$step" = build ]; then
    rm -rf "$packages"
    mkdir -p "$packages"
    if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$packages" >"$out/cpack.log" 2>&1; then
        cat "$out/cpack.log"
        bad "cpack failed"
        exit 1
    fi
    [ "$step" = build ] && { ls "$packages"/*.deb; exit 0; }
fi

# A file that no installed package holds stops the build of the package.
incomplete_check() {
    if cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out/incomplete" \
        -D COURSE_EXTRA_FILES=/nonexistent/libabsente.so.1 >"$out/incomplete.log" 2>&1; then
        bad "a package was built with an incomplete Depends"
    fi
    grep -q "Paquet Debian incomplet" "$out/incomplete.log" ||
        bad "the incomplete package is not reported: $(tail -3 "$out/incomplete.log")"
}
if [ "$step" = incomplete ]; then
    incomplete_check
    exit $fail
fi
deb="$(ls "$packages"/*.deb 2>/dev/null | head -1)"
[ -n "$deb" ] || { bad "no package in $packages: its build failed"; exit 1; }

lintian_check() {
    if command -v lintian >/dev/null; then
        report="$(lintian --pedantic --tag-display-limit 0 "$deb" 2>&1)"
        echo "$report"
        grep -q "^[EW]:" <<<"$report" && bad "lintian reports errors or warnings"
    else
        echo "lintian is missing: the package is not checked by it"
        [ "$step" = lintian ] && exit 77
    fi
}
if [ "$step" = lintian ]; then
    lintian_check
    exit $fail
fi
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
# Whether Depends names the package with a lowest version.
depends_on() {
    tr ',' '\n' <<<"$depends" | grep -qxE " *$(sed 's/[+.]/\\&/g' <<<"$1") \(>= [^)]+\)"
}

# The package of a file, as dpkg knows it (merged /usr or not).
package_of() {
    local real
    real="$(readlink -f "$1")"
    dpkg-query -S "*/$(basename "$real")" 2>/dev/null | while IFS= read -r line; do
        [ "$(readlink -f "${line##*: }")" = "$real" ] && { echo "${line%%[:,]*}"; break; }
    done
}
for soname in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    path="$(ldconfig -p | awk -v s="$soname" '$1 == s { print $NF; exit }')"
    pkg="$(package_of "$path")"
    [ -n "$pkg" ] || { bad "no package holds $soname"; continue; }
    depends_on "$pkg" || bad "Depends lacks $pkg (for $soname)"
done
# What Qt loads at run time: the X11 platform plugin, the French catalogue.
for file in "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqxcb.so" \
    "$(qtpaths6 --query QT_INSTALL_TRANSLATIONS)/qtbase_fr.qm"; do
    pkg="$(package_of "$file")"
    [ -n "$pkg" ] || { bad "no package holds $file"; continue; }
    depends_on "$pkg" || bad "Depends lacks $pkg (for $file)"
done

# Recommended: the Wayland plugin (the course natively on Wayland) and the
# desktop's bell sound.
recommends="$(dpkg-deb -f "$deb" Recommends)"
echo "Recommends: $recommends"
for pkg in qt6-wayland libcanberra0 libcanberra-pulse sound-theme-freedesktop; do
    tr ',' '\n' <<<"$recommends" | grep -qx " *$pkg" || bad "Recommends lacks $pkg"
done

contents="$(dpkg-deb -c "$deb" | awk '{ print $NF }')"
for file in ./usr/bin/transformateur-impulsions \
    ./usr/share/doc/transformateur-impulsions/copyright \
    ./usr/share/doc/transformateur-impulsions/changelog.gz \
    ./usr/share/man/man1/transformateur-impulsions.1.gz \
    ./usr/share/applications/fr.ferrite.transformateur_impulsions.desktop \
    ./usr/share/metainfo/fr.ferrite.transformateur_impulsions.metainfo.xml; do
    grep -qxF "$file" <<<"$contents" || bad "the package lacks $file"
done
# One version number: the package's, the changelog's and the program's.
version="$(dpkg-deb -f "$deb" Version)"
[ "$(head -1 "$build/dist/debian/changelog" | sed 's/.*(\(.*\)).*/\1/')" = "$version" ] ||
    bad "the changelog's version is not the package's ($version)"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" = "transformateur-impulsions $version" ] ||
    bad "the program's version is not the package's ($version)"

dpkg-deb -x "$deb" "$out/root"
if command -v desktop-file-validate >/dev/null; then
    report="$(desktop-file-validate "$out"/root/usr/share/applications/*.desktop 2>&1)"
    [ -z "$report" ] || bad "desktop-file-validate: $report"
else
    echo "desktop-file-validate is missing: the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
    report="$(appstreamcli validate --pedantic --no-net \
        "$out"/root/usr/share/metainfo/*.metainfo.xml 2>&1)"
    grep -q "^[EWIP]:" <<<"$report" && bad "appstreamcli: $report"
else
    echo "appstreamcli is missing: the AppStream metadata is not validated"
fi
if [ "$step" = all ]; then
    lintian_check
    incomplete_check
fi
exit $fail
