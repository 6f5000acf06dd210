#!/usr/bin/env bash
# Installs what is needed, builds Quillon and starts it. Arguments are passed on
# (for example --home DIR or --demo).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
source scripts/build-env.sh
quillon_configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ninja -C build quillon quillon-cli

if [ -x build/shell/quillon ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: the desktop program needs one." >&2
    echo "Without a display, use the command-line driver, for example:" >&2
    echo "  build/cli/quillon-cli --help" >&2
    exit 1
  fi
  exec build/shell/quillon "$@"
fi
if [ $# -eq 0 ]; then set -- init; fi
exec build/cli/quillon-cli "$@"
