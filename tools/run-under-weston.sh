#!/usr/bin/env bash
# Runs a command as a client of a headless Weston, on Qt's Wayland platform:
#   tools/run-under-weston.sh build/release/tests/gui/gui_tests --gtest_brief=1
# Weston gets a private runtime directory and socket, so it never meets a
# desktop session that may be running; it is stopped when the command ends.
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=tarvel-weston
weston_pid=
stop() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap stop EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
  --idle-time=0 --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!

# Weston makes its socket once it is ready for clients.
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.05
done
if [ ! -S "$runtime/$socket" ]; then
  echo "weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi

# A headless Weston has no seat, and Qt 6.4's Wayland text input reaches for
# one when a popup opens (and crashes): the plain compose input context
# needs none.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  QT_IM_MODULE=compose "$@"
