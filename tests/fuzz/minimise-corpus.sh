#!/usr/bin/env bash
# Rebuilds the seed corpus kept in tests/fuzz/corpus/ for every fuzz target: the generated seed files, the
# samples, every input that once found a fault (tests/fuzz/findings/TARGET/), what is kept now and any
# further folders given (a long run's corpus, say), merged by libFuzzer into the smallest set of files that
# reaches the same coverage. Run it after a change that opens new paths, and commit the result.
#   bash tests/fuzz/minimise-corpus.sh [FOLDER...]
# It builds the fuzz targets in build-fuzz/ (clang), as CI does.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source scripts/common.sh

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRADVIEW_FUZZ=ON \
    -DRADVIEW_TESTS=OFF -DRADVIEW_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$RADVIEW_JOBS" --target radview-fuzz radview-fuzz-seeds

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/seeds"
build-fuzz/tests/fuzz/radview-fuzz-seeds "$work/seeds"

for name in reader evaluation texts graph span report; do
    kept="tests/fuzz/corpus/$name"
    sources=("$work/seeds" samples)
    [ -d "$kept" ] && sources+=("$kept")
    [ -d "tests/fuzz/findings/$name" ] && sources+=("tests/fuzz/findings/$name")
    mkdir -p "$work/$name"
    "build-fuzz/tests/fuzz/radview-fuzz-$name" -merge=1 -max_len=8400 "$work/$name" "${sources[@]}" "$@" \
        >"$work/$name.log" 2>&1 || { tail -n 40 "$work/$name.log" >&2; exit 1; }
    rm -rf "$kept"
    mkdir -p "$kept"
    cp "$work/$name"/* "$kept/"
    log "$name: $(find "$kept" -type f | wc -l) files, $(du -sh "$kept" | cut -f1)"
done
