#!/bin/sh
# Runs a window test program on a private X server of the given size with the openbox window
# manager, as a player's desktop would show the windows. Usage: run-under-openbox.sh WxH program...
# Exits 77 (skipped) when the X server or the window manager is not installed.
set -u
size=$1
shift
for tool in Xvfb openbox xdotool xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: desktop window test skipped (scripts/test.sh installs it)"
        exit 77
    fi
done

dir=$(mktemp -d)
xvfb=""
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT INT TERM

# -displayfd: the server picks a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
tries=0
until [ -s "$dir/display" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 1
    fi
    sleep 0.1
done
DISPLAY=":$(head -n1 "$dir/display")"
export DISPLAY

mkdir -p "$dir/config" "$dir/cache" "$dir/runtime"
chmod 700 "$dir/runtime"
XDG_CONFIG_HOME="$dir/config" XDG_CACHE_HOME="$dir/cache" openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm=$!
# The window manager is ready once it has announced itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$wm" 2>/dev/null; then
        echo "openbox did not start:"; cat "$dir/openbox.log"; exit 1
    fi
    sleep 0.1
done

QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$dir/runtime" "$@"
