#!/usr/bin/env bash
# The menu entry and the file type as the desktop's own tools read them:
#   check-desktop-files.sh <radview.desktop> <radview-mime.xml>
# Exits 77 (skipped) when one of those tools is not installed.
set -euo pipefail

desktop="$1"
mime="$2"
type=application/x-radview-measurements

for tool in desktop-file-validate xmllint update-mime-database; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Any hint or warning counts: the entry is small enough to have none.
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate rejects $desktop: $report"
[ -z "$report" ] || fail "desktop-file-validate says: $report"
for line in 'Exec=radview %f' 'Icon=radview' 'Categories=Science;DataVisualization;Qt;' "MimeType=$type;"; do
    grep -qxF "$line" "$desktop" || fail "$desktop lacks the line $line"
done
for key in Name Comment; do
    grep -q "^$key=." "$desktop" || fail "$desktop has no English $key"
    grep -q "^$key\[ru\]=." "$desktop" || fail "$desktop has no Russian $key"
done

xmllint --noout "$mime" || fail "$mime is not well-formed XML"

# Build a MIME database from the package alone and read what a desktop would read from it.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/radview.xml"
update-mime-database "$work/mime" || fail "update-mime-database rejects $mime"
grep -qE "^[0-9]+:$type:\*\.rad$" "$work/mime/globs2" || fail "*.rad does not map to $type: $(cat "$work/mime/globs2")"
declared="$work/mime/$type.xml"
[ -f "$declared" ] || fail "$mime declares no $type"
grep -q '<comment>[^<]' "$declared" || fail "$type has no English comment"
grep -q '<comment xml:lang="ru">[^<]' "$declared" || fail "$type has no Russian comment"
echo "the menu entry and the file type are valid"
