#!/usr/bin/env bash
# Every manual page renders without a warning from man and groff, and has a NAME line that apropos and
# whatis can index; the same two checks lintian makes on a package:
#   check-man-pages.sh <page>...
# Exits 77 (skipped) when man or lexgrog is not installed.
set -euo pipefail

for tool in man lexgrog; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

export LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80
for page in "$@"; do
    warnings="$(man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)" || fail "man cannot render $page"
    [ -z "$warnings" ] || fail "$page: $warnings"
    name="$(basename "$page" .1)"
    whatis="$(lexgrog "$page")" || fail "$page has no NAME line lexgrog can read"
    grep -q ": \"$name - ." <<<"$whatis" || fail "$page: its NAME line reads $whatis"
    text="$(man -l "$page" 2>/dev/null)"
    grep -q "^$(tr a-z A-Z <<<"$name")(1)" <<<"$text" || fail "$page does not render as $name(1)"
done
echo "the manual pages render cleanly: $*"
