#!/usr/bin/env bash
# What cmake --install puts under a prefix, file for file: the two programs alone in bin/, without a
# library search path; the help file and the samples in share/radview; the menu entry, the AppStream
# metadata, the file type, the application's and the file type's icons at every size of the hicolor theme
# and as drawings; the manual pages in English and Russian, compressed without a time stamp.
#   check-installed-tree.sh <build dir> <source dir> <app id> <file type icon> <icon size>...
set -euo pipefail

build="$1"
source="$2"
id="$3"
mime_icon="$4"
shift 4
sizes=("$@")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

# installed path | what it must equal ("-" for a program, "gz:" for the compressed copy of a source)
expected=(
    "bin/radview|-"
    "bin/radview-dump|-"
    "share/radview/help.hlp|$source/app/help/help.hlp"
    "share/radview/help-en.hlp|$source/app/help/help-en.hlp"
    "share/applications/$id.desktop|$source/desktop/$id.desktop"
    "share/metainfo/$id.metainfo.xml|$source/desktop/$id.metainfo.xml"
    "share/mime/packages/radview.xml|$source/desktop/radview-mime.xml"
    "share/icons/hicolor/scalable/apps/radview.svg|$source/desktop/radview-128.svg"
    "share/icons/hicolor/scalable/mimetypes/$mime_icon.svg|$source/desktop/radview-file-128.svg"
    "share/man/man1/radview.1.gz|gz:$source/man/radview.1"
    "share/man/man1/radview-dump.1.gz|gz:$source/man/radview-dump.1"
    "share/man/ru/man1/radview.1.gz|gz:$source/man/ru/radview.1"
    "share/man/ru/man1/radview-dump.1.gz|gz:$source/man/ru/radview-dump.1"
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/radview.png|$build/desktop/icons/radview-$size.png")
    expected+=("share/icons/hicolor/${size}x${size}/mimetypes/$mime_icon.png|$build/desktop/icons/$mime_icon-$size.png")
done
for sample in "$source"/samples/*.rad; do
    [ -e "$sample" ] && expected+=("share/radview/samples/$(basename "$sample")|$sample")
done

for entry in "${expected[@]}"; do
    path="${entry%%|*}"
    origin="${entry#*|}"
    installed="$prefix/$path"
    [ -f "$installed" ] || fail "$path is not installed"
    case "$origin" in
    -)
        [ -x "$installed" ] || fail "$path is not executable"
        if readelf -d "$installed" | grep -qE '\((RPATH|RUNPATH)\)'; then
            fail "$path carries a library search path: $(readelf -d "$installed" | grep -E 'R(UN)?PATH')"
        fi
        ;;
    gz:*)
        cmp -s <(gzip -dc "$installed") "${origin#gz:}" || fail "$path is not ${origin#gz:} compressed"
        # Bytes 3 to 7 of a gzip header: the flags (no stored file name) and the time stamp (none).
        [ "$(od -An -tx1 -j3 -N5 "$installed" | tr -d ' \n')" = 0000000000 ] ||
            fail "$path keeps a file name or a time stamp in its gzip header"
        ;;
    *)
        cmp -s "$installed" "$origin" || fail "$path differs from $origin"
        ;;
    esac
done

# Nothing else: in particular no help file among the programs.
listed="$(printf '%s\n' "${expected[@]%%|*}" | sort)"
found="$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)"
[ "$listed" = "$found" ] || fail "the installed files differ from the expected ones:
$(diff <(echo "$listed") <(echo "$found") || true)"
echo "installed ${#expected[@]} files as expected"
