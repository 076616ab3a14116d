#!/usr/bin/env bash
# Runs a window test binary under X11 on a virtual screen that openbox manages, so its windows
# get a real window manager's frame:  under-openbox.sh WIDTH HEIGHT COMMAND [ARGUMENTS...]
# Starts Xvfb on a free display and openbox on it, runs the command there with the xcb
# platform, and ends both afterwards. Exits 77 (skipped) where Xvfb or openbox is missing.
set -u
width=$1
height=$2
shift 2
for tool in Xvfb openbox; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipped"
    exit 77
  fi
done

dir=$(mktemp -d)
xvfb=
wm=
cleanup() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

# Xvfb picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -dpi 96 -nolisten tcp \
  3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
  [ "$(wc -l <"$dir/display")" -ge 1 ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
display=:$(head -n 1 "$dir/display")
if [ "$display" = ":" ]; then
  echo "Xvfb did not start:"
  cat "$dir/xvfb.log"
  exit 1
fi

# openbox with its system-wide settings (none of the user's), ready once it runs its start-up
# command.
XDG_CONFIG_HOME=$dir/config XDG_CACHE_HOME=$dir/cache DISPLAY=$display \
  openbox --sm-disable --startup "touch $dir/ready" >"$dir/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 200); do
  [ -e "$dir/ready" ] && break
  kill -0 "$wm" 2>/dev/null || break
  sleep 0.05
done
if [ ! -e "$dir/ready" ]; then
  echo "openbox did not start:"
  cat "$dir/openbox.log"
  exit 1
fi

# No session bus belongs to the virtual screen: the programs connect to none (and leave no
# connection behind for the leak checker).
DISPLAY=$display QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: timeout 120 "$@"
