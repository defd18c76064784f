#!/usr/bin/env bash
# The Debian package as a maintainer and a user meet it; .ci/run runs this as root:
#   1. the source, as git sees it, is copied into two folders of different names and depths, and each is
#      built as the README says, with dpkg-buildpackage (the tests were run by the first stage of CI, so
#      nocheck here);
#   2. the two builds give byte-identical packages: nothing of the build's path or time gets into them;
#   3. lintian --pedantic --display-info finds no tag that debian/ does not override with its reason, and
#      appstreamcli validates the AppStream metadata the package installs;
#   4. a minimal root of the same Debian release (mmdebstrap --variant=minbase, from this machine's Debian
#      mirror) gets the package with its Depends alone; radview-dump reads and draws an installed sample and
#      radview answers --help there; the purge leaves the root with the packages and files it had
#      (.ci/clean-root-check.sh).
# The machine itself gets no radview package. Each step prints how long it took.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/common.sh

fail() {
    log "$*"
    exit 1
}

step_start=$SECONDS
took() {
    log "$1 took $((SECONDS - step_start)) s"
    step_start=$SECONDS
}

ensure_packages "${RADVIEW_BUILD_PACKAGES[@]}" "${RADVIEW_PACKAGE_PACKAGES[@]}"

work="$(mktemp -d /tmp/radview-package.XXXXXX)"
trap 'rm -rf "$work"' EXIT

# 1 ------------------------------------------------------------------------------------------------------
# Tracked files and new ones git does not ignore, as they are in the working tree: what a commit of it holds.
copy_source() {
    mkdir -p "$1"
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' path; do [ -e "$path" ] && printf '%s\0' "$path"; done |
        tar --null -T - -cf - | tar -xf - -C "$1"
}

build() {
    local dir="$1"
    log "dpkg-buildpackage in $dir"
    (cd "$dir" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -Pnocheck) >"$dir.log" 2>&1 || {
        tail -n 60 "$dir.log" >&2
        fail "dpkg-buildpackage failed in $dir (log: $dir.log)"
    }
}

first="$work/first/radview"
second="$work/second/a/longer/path/radview-again"
# Both copies first, so that both builds have the same source whatever happens to the tree meanwhile.
copy_source "$first"
copy_source "$second"
build "$first"
took "the first package build"
build "$second"
took "the second package build"

version="$(dpkg-parsechangelog -l debian/changelog -S Version)"
arch="$(dpkg --print-architecture)"
debs=(radview_"${version}_$arch".deb radview-dbgsym_"${version}_$arch".deb)
for deb in "${debs[@]}"; do
    [ -f "$(dirname "$first")/$deb" ] || fail "the build made no $deb: $(ls "$(dirname "$first")")"
    dpkg-deb --info "$(dirname "$first")/$deb" >&2
done
dpkg-deb --contents "$(dirname "$first")/${debs[0]}" >&2

# 2 ------------------------------------------------------------------------------------------------------
for file in "${debs[@]}"; do
    if ! cmp "$(dirname "$first")/$file" "$(dirname "$second")/$file"; then
        if command -v diffoscope >/dev/null; then
            diffoscope "$(dirname "$first")/$file" "$(dirname "$second")/$file" >&2 || true
        fi
        fail "two builds of the same source made different $file"
    fi
done
log "the two builds are byte-identical: ${debs[*]}"

# 3 ------------------------------------------------------------------------------------------------------
changes="$(dirname "$first")/radview_${version}_$arch.changes"
log "lintian --pedantic --display-info $changes"
# The spelling check of compiled programs reads any run of bytes as words, so machine code that happens to
# spell "wtH with" is reported, and which runs do moves with every change of the code. The programs' own texts
# are Russian and held by the tests.
lintian --pedantic --display-info --display-experimental --tag-display-limit 0 \
    --suppress-tags spelling-error-in-binary \
    --fail-on error,warning,info,pedantic,experimental "$changes" ||
    fail "lintian reports tags that debian/ does not override"
mkdir "$work/installed"
dpkg-deb --extract "$(dirname "$first")/${debs[0]}" "$work/installed"
appstreamcli validate --pedantic --no-net --no-color "$work/installed"/usr/share/metainfo/*.metainfo.xml ||
    fail "appstreamcli rejects the installed AppStream metadata"
took "the comparison, lintian and appstreamcli"

# 4 ------------------------------------------------------------------------------------------------------
# The Debian archives this machine's apt uses, with their suites and components: the same mirror and release.
apt-get indextargets --format 'deb $(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' 'Origin: Debian' |
    sort -u >"$work/sources.list"
[ -s "$work/sources.list" ] || fail "apt knows no Debian archive on this machine"
codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
log "a minimal $codename root from $(awk '{print $2, $3}' "$work/sources.list" | tr '\n' ' ')"
mkdir "$work/root-check"
cp "$(dirname "$first")/${debs[0]}" .ci/clean-root-check.sh "$work/root-check/"
mmdebstrap --variant=minbase --quiet \
    --customize-hook="copy-in $work/root-check /tmp" \
    --customize-hook="chroot \"\$1\" bash /tmp/root-check/clean-root-check.sh /tmp/root-check/${debs[0]}" \
    --customize-hook='rm -rf "$1/tmp/root-check"' \
    "$codename" /dev/null - <"$work/sources.list" || fail "the package failed in a minimal root"
took "the minimal root"
