#!/usr/bin/env bash
# Builds the viewer (Release) and starts it. Safe to run again: missing packages are installed once, and a
# second run only rebuilds what changed.
#   bash scripts/run.sh
# RADVIEW_BUILD_DIR chooses the build tree (default: build/ at the top of the source tree).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build_dir="${RADVIEW_BUILD_DIR:-$RADVIEW_ROOT/build}"

ensure_packages "${RADVIEW_BUILD_PACKAGES[@]}"
configure_and_build "$build_dir" -DCMAKE_BUILD_TYPE=Release -DRADVIEW_TESTS=OFF -DRADVIEW_BENCH=OFF

# Without any display Qt would only abort with a "could not connect to display" message; say what to do.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    log "built $build_dir/app/radview, but there is no display to show it on."
    log "Run it from a desktop session, or on a headless machine under a virtual one:"
    log "    xvfb-run -a bash scripts/run.sh"
    exit 1
fi

log "starting $build_dir/app/radview"
exec "$build_dir/app/radview"
