#!/usr/bin/env bash
# The menu entry, the file type and the AppStream metadata as the desktop's own tools and the software
# centres read them:
#   check-desktop-files.sh <ID.desktop> <radview-mime.xml> <ID.metainfo.xml>
# Exits 77 (skipped) when one of those tools is not installed.
set -euo pipefail

desktop="$1"
mime="$2"
metainfo="$3"
type=application/x-radview-measurements

for tool in desktop-file-validate xmllint update-mime-database appstreamcli; do
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
# The type's own icon, named as the desktop derives it from the type, and a generic one for themes
# without it.
grep -qxF "$type:${type/\//-}" "$work/mime/icons" || fail "$type names no icon of its own"
grep -qxF "$type:x-office-spreadsheet" "$work/mime/generic-icons" || fail "$type has no generic icon"

# The software centres' view: valid to the last hint, offline, and about this menu entry and this type.
report="$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1)" ||
    fail "appstreamcli rejects $metainfo: $report"
[ "$(grep -c '^[EWIP]:' <<<"$report")" -eq 0 ] || fail "appstreamcli validate --pedantic says: $report"
id="$(basename "$desktop" .desktop)"
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "$metainfo is not named after the menu entry $id"
xmllint --xpath 'string(/component/id)' "$metainfo" | grep -qxF "$id" || fail "$metainfo does not have the id $id"
xmllint --xpath 'string(/component/launchable[@type="desktop-id"])' "$metainfo" | grep -qxF "$id.desktop" ||
    fail "$metainfo does not launch $id.desktop"
xmllint --xpath 'string(/component/provides/mediatype)' "$metainfo" | grep -qxF "$type" ||
    fail "$metainfo does not provide $type"
echo "the menu entry, the file type and the AppStream metadata are valid"
