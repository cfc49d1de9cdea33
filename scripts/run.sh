#!/usr/bin/env bash
# `make run`: starts the desktop program when there is a display; otherwise makes the
# sample page with the headless tool and says where it went.
set -euo pipefail
bin=$1
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/quorvane"
fi
echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): making the sample page headless instead."
out="$PWD/sample-page.png"
if "$bin/quorvane-cli" generate --default-paper -o "$out"; then
  echo "Wrote $out"
else
  echo "The sample page could not be made; the headless tool said why above." >&2
  exit 1
fi
