#!/bin/sh
# Runs a command on a desktop as users have one: a real X server (Xvfb) with a
# window manager (openbox), a private session bus, and the desktop font set
# through the qt6ct platform theme.
# Usage: x_session.sh <points> <scale> <command> [arguments...]
# The screen is 2560 x 1440 pixels, as on a laptop: at scale 2 that leaves
# 1280 x 720 for the windows.
set -eu
points=$1
scale=$2
shift 2
for tool in Xvfb openbox dbus-run-session; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is missing (scripts/test installs it)" >&2; exit 1; }
done
work=$(mktemp -d)
server=""
manager=""
cleanup() {
    [ -z "$manager" ] || kill "$manager" 2>/dev/null || true
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -nolisten tcp -screen 0 2560x1440x24 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
DISPLAY=:$(cat "$work/display")
export DISPLAY

mkdir -p "$work/config/qt6ct" "$work/config/openbox"
cat >"$work/config/qt6ct/qt6ct.conf" <<EOF
[Appearance]
style=Fusion
custom_palette=false

[Fonts]
general="DejaVu Sans,$points,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="DejaVu Sans Mono,$points,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
EOF
export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORMTHEME=qt6ct
export QT_SCALE_FACTOR="$scale"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset WAYLAND_DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager=$!
# The window manager owns the screen once it has set its check window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
done

dbus-run-session -- "$@"
