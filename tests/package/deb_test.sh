#!/bin/sh
# The Debian package: built by cpack from a Release build, installed with
# apt-get as a user would (or unpacked where the system must not change),
# started by an ordinary user, and removed again.
# Usage: deb_test.sh <source folder>. QUILLMINT_RELEASE_BUILD names a Release
# build to package (scripts/test passes its own); without it scripts/package
# makes one.
set -eu
if ! command -v dpkg >/dev/null || ! command -v dpkg-deb >/dev/null; then
    echo "SKIPPED: dpkg is not available here, so there is no Debian package to build or install"
    exit 77
fi
source=$1
work=$(mktemp -d)
installed=""
cleanup() {
    stop_program
    [ -z "$installed" ] || apt-get remove --purge -y -qq quillmint >/dev/null 2>&1 || true
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/user_session.sh"

if [ -n "${QUILLMINT_RELEASE_BUILD:-}" ]; then
    (cd "$QUILLMINT_RELEASE_BUILD" && cpack -G DEB -B "$work/package" >/dev/null)
    deb=$(ls "$work"/package/quillmint_*.deb)
else
    deb=$("$source/scripts/package" | tail -n 1)
fi

# Dependencies from the shared libraries plus what is loaded at run time.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 libfluidsynth3 libjpeg62-turbo timgm6mb-soundfont libqt6svg6 \
    qt6-qpa-plugins fonts-dejavu-core; do
    echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done
# The live preview's web engine is recommended, never required.
! echo "$depends" | grep -q webengine || fail "Depends names the web engine: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "$recommends" | grep -q libqt6webenginewidgets6 ||
    fail "Recommends lacks libqt6webenginewidgets6: $recommends"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' >"$work/files"
id=org.quillmint.Quillmint
for file in /usr/bin/quillmint /usr/share/applications/$id.desktop \
    /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/$id.svg \
    /usr/share/icons/hicolor/48x48/apps/$id.png /usr/share/man/man1/quillmint.1.gz \
    /usr/share/quillmint/prefs.cfg /usr/share/quillmint/help/index.html \
    /usr/share/doc/quillmint/copyright /usr/share/doc/quillmint/changelog.gz \
    /usr/share/quillmint/translations/quillmint_de.qm; do
    grep -qx "$file" "$work/files" || fail "the package lacks $file"
done
for plugin in sound print preview; do
    grep -q "^/usr/lib/.*quillmint/quillmint-$plugin.so$" "$work/files" ||
        fail "the package lacks the $plugin plugin"
done

# Quillmint has no web site: no file of the package names a made-up one.
placeholders=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO | grep -ac "quillmint\.example" || true)
[ "$placeholders" -eq 0 ] || fail "the package names a placeholder address $placeholders times"

# Debian's own checks of the package find no error.
command -v lintian >/dev/null || fail "lintian is missing (scripts/test installs it)"
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(grep -E '^(E|W):' "$work/lintian.log")"

# Installed for real only where that cannot disturb anything: as root, with
# apt, and no quillmint of the system's own.
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null && ! dpkg -s quillmint >/dev/null 2>&1; then
    installed=yes
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=300 \
        "$deb" >"$work/apt.log" 2>&1 || fail "apt-get install: $(cat "$work/apt.log")"
    root=""
    how="installed with apt-get"
else
    root=$work/root
    dpkg-deb -x "$deb" "$root"
    chmod -R a-w "$root"
    how="unpacked (installing needs root and apt)"
fi

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
[ "$(as_user "$root/usr/bin/quillmint" --version)" = "Quillmint 1.0" ] || fail "--version"
first_start "$root/usr/bin/quillmint" "$root/usr/share/quillmint/prefs.cfg"

if [ -n "$installed" ]; then
    DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq -o DPkg::Lock::Timeout=300 \
        quillmint >"$work/apt.log" 2>&1 || fail "apt-get remove: $(cat "$work/apt.log")"
    installed=""
    ! dpkg -s quillmint >/dev/null 2>&1 || fail "still installed after removal"
    while read -r file; do
        [ ! -e "$file" ] || fail "$file is left after removal"
    done <"$work/files"
fi
echo "$(basename "$deb"): built, $how, run as $(as_user id -un), removed"
