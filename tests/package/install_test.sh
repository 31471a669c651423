#!/bin/sh
# The program as `cmake --install` lays it out, in a temporary prefix that is
# then made read-only, run by an ordinary user.
# Usage: install_test.sh <build folder> <installed_layout_test executable>
set -eu
build=$1
layout_test=$2
work=$(mktemp -d)
trap 'stop_program; chmod -R u+w "$work"; rm -rf "$work"' EXIT
. "$(dirname "$0")/user_session.sh"

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.quillmint.Quillmint
share=$prefix/share

# The desktop sees a valid entry and metainfo, the icon and the man page.
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/metainfo.log" ||
    fail "metainfo: $(cat "$work/metainfo.log")"
icon=$(sed -n 's/^Icon=//p' "$share/applications/$id.desktop")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$icon.png
    file "$png" | grep -q "PNG image data, $size x $size," || fail "$png: $(file "$png")"
done
gzip -t "$share/man/man1/quillmint.1.gz" || fail "man page"

chmod -R a-w "$prefix"
# Names, modes, sizes and times; not `ls -l`'s block counts, which ext4 may
# raise when it writes the freshly installed files out in the meantime.
listing() { find "$prefix" -printf '%p %M %s %T@ %l\n' | sort; }
listing >"$work/before"
quillmint=$prefix/bin/quillmint

# The command line answers without a window.
as_user "$quillmint" --help >"$work/out" || fail "--help"
grep -q "^Usage: quillmint \[options\] \[file\]" "$work/out" || fail "--help printed $(cat "$work/out")"
[ "$(as_user "$quillmint" --version)" = "Quillmint 1.0" ] || fail "--version"
status=0
as_user "$quillmint" --no-such-option >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "unknown option gave status $status"
[ ! -s "$work/out" ] && grep -q "Unknown option 'no-such-option'" "$work/err" ||
    fail "unknown option printed $(cat "$work/out" "$work/err")"

first_start "$quillmint" "$share/quillmint/prefs.cfg"

# Tips, Preview, Strip and the shipped files on this read-only prefix.
as_user QUILLMINT_INSTALLED_PREFIX="$prefix" "$layout_test" >"$work/layout.log" 2>&1 ||
    fail "installed layout: $(cat "$work/layout.log")"

listing >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the program folder changed"
echo "installed, validated and run as $(as_user id -un)"
