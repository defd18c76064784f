#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test through ctest; the exit status is ctest's.
# Safe to run again: missing packages are installed once, and a second run only rebuilds what changed.
#   bash scripts/test.sh [extra ctest arguments, e.g. -R Parser]
# RADVIEW_BUILD_DIR chooses the build tree (default: build-test/ at the top of the source tree).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build_dir="${RADVIEW_BUILD_DIR:-$RADVIEW_ROOT/build-test}"

ensure_packages "${RADVIEW_BUILD_PACKAGES[@]}" "${RADVIEW_TEST_PACKAGES[@]}"
configure_and_build "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRADVIEW_WERROR=ON -DRADVIEW_TESTS=ON \
    -DRADVIEW_BENCH=ON

# The GUI tests open real windows; offscreen keeps them off any display and lets them run headless.
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
# --no-tests=error: a tree in which no test was registered is a broken build, not a pass.
# --timeout only stops a hung test from holding CI for good; it is no measure of speed.
exec ctest --output-on-failure --no-tests=error --timeout 600 -j "$RADVIEW_JOBS" "$@"
