#!/usr/bin/env bash
# Runs a command under a private virtual X display (Mesa renders OpenGL in software),
# and stops the display afterwards. Xvfb picks a free display number itself, so several
# runs at once never share one. -noreset keeps it from restarting whenever its last client
# leaves, which refuses a test that connects in that moment. QUORVANE_XVFB_SCREEN sets the
# screen (width x height x depth).
set -euo pipefail
if [ -n "${QUORVANE_KEEP_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi

fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 "${QUORVANE_XVFB_SCREEN:-1920x1080x24}" -nolisten tcp -noreset 3>"$fifo_dir/display" >/dev/null 2>&1 &
xvfb_pid=$!
runtime_dir=""
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -rf "$fifo_dir" ${runtime_dir:+"$runtime_dir"}' EXIT
if ! read -r -t 30 number <"$fifo_dir/display"; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":${number}"
export LIBGL_ALWAYS_SOFTWARE=1
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  runtime_dir=$(mktemp -d)
  export XDG_RUNTIME_DIR=$runtime_dir
fi
"$@"
