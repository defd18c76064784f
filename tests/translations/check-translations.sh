#!/usr/bin/env bash
# Every translation is whole and follows the sources: lupdate run over the sources changes no .ts (no text
# of a tr() left out, none kept that the sources lost), no entry is unfinished, vanished or obsolete, and
# lrelease compiles every one.
#   check-translations.sh SOURCE_DIR LUPDATE LRELEASE "LUPDATE ARGUMENTS" TS...
set -euo pipefail

source_dir="$1"
lupdate="$2"
lrelease="$3"
read -r -a arguments <<<"$4"
shift 4

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
for ts in "$@"; do
    name="$(basename "$ts")"
    cp "$ts" "$work/$name"
    (cd "$source_dir" && "$lupdate" "${arguments[@]}" -ts "$work/$name" >"$work/lupdate.log" 2>&1) || {
        cat "$work/lupdate.log" >&2
        exit 1
    }
    if ! cmp -s "$ts" "$work/$name"; then
        echo "$name does not follow the sources; refresh it with the update_translations target:" >&2
        diff -u "$ts" "$work/$name" >&2 || true
        failed=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"' "$ts" >&2; then
        echo "$name has entries left untranslated or no longer used (above)" >&2
        failed=1
    fi
    "$lrelease" "$ts" -qm "$work/${name%.ts}.qm" >"$work/lrelease.log" 2>&1
    if ! grep -qE 'Generated [1-9][0-9]* translation\(s\) \([0-9]+ finished and 0 unfinished\)' "$work/lrelease.log" ||
        grep -q 'untranslated' "$work/lrelease.log"; then
        echo "lrelease on $name:" >&2
        cat "$work/lrelease.log" >&2
        failed=1
    fi
done
exit "$failed"
