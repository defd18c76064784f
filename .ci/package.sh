#!/usr/bin/env bash
# The Debian package as a user meets it; .ci/run runs this as root on a machine without radview installed:
#   1. a release build and cpack -G DEB give build-deb/radview_<version>_amd64.deb;
#   2. lintian finds no error in it (its warnings and notes are shown);
#   3. apt-get installs it with its dependencies; the installed radview-dump reads an installed sample and
#      draws its graph as PNG; xdg-mime gives a .rad file the package's file type and opens that type with
#      radview; man finds the pages in English and Russian;
#   4. apt-get purges it again, with whatever it brought in, and the machine has the same packages as
#      before and no longer knows the file type.
# Should anything fail after the install, the package and what it brought are purged on the way out.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/common.sh

build_dir=build-deb
type=application/x-radview-measurements

fail() {
    log "$*"
    exit 1
}

installed_packages() {
    dpkg-query -W -f='${db:Status-Status} ${Package}:${Architecture}\n' | sed -n 's/^installed //p' | sort
}

ensure_packages "${RADVIEW_BUILD_PACKAGES[@]}" "${RADVIEW_PACKAGE_PACKAGES[@]}"
if package_installed radview; then
    fail "radview is installed on this machine; this check installs and removes its own package, so remove" \
        "it first: apt-get purge radview"
fi

# 1 ------------------------------------------------------------------------------------------------------
configure_and_build "$build_dir" -DCMAKE_BUILD_TYPE=Release -DRADVIEW_TESTS=OFF -DRADVIEW_BENCH=OFF
rm -f "$build_dir"/radview_*.deb
(cd "$build_dir" && cpack -G DEB)
shopt -s nullglob
debs=("$build_dir"/radview_*_amd64.deb)
shopt -u nullglob
[ "${#debs[@]}" -eq 1 ] || fail "cpack made no radview_<version>_amd64.deb in $build_dir"
deb="$(realpath "${debs[0]}")"
version="$(dpkg-deb --field "$deb" Version)"
[ "$(basename "$deb")" = "radview_${version}_amd64.deb" ] || fail "$deb is not named for its version $version"
dpkg-deb --info "$deb" >&2
dpkg-deb --contents "$deb" >&2

# 2 ------------------------------------------------------------------------------------------------------
log "lintian $deb"
lintian --fail-on error --display-info --tag-display-limit 0 "$deb" || fail "lintian finds errors in $deb"

# 3 ------------------------------------------------------------------------------------------------------
before="$(installed_packages)"
work="$(mktemp -d)"
remove_package() {
    local brought
    if package_installed radview; then
        as_root apt-get -o DPkg::Lock::Timeout=600 purge -y -q radview </dev/null
    fi
    brought="$(comm -13 <(echo "$before") <(installed_packages))"
    if [ -n "$brought" ]; then
        log "purging what the package brought in: $(echo $brought)"
        # shellcheck disable=SC2086 # one package name a word
        as_root apt-get -o DPkg::Lock::Timeout=600 purge -y -q $brought </dev/null
    fi
}
trap 'remove_package; rm -rf "$work"' EXIT

export DEBIAN_FRONTEND=noninteractive
log "apt-get install $deb"
as_root apt-get -o DPkg::Lock::Timeout=600 -o Acquire::Retries=3 install -y -q "$deb" </dev/null

for program in radview radview-dump; do
    [ -x "/usr/bin/$program" ] || fail "the package put no $program in /usr/bin"
done
sample=/usr/share/radview/samples/one-series.rad
[ -f "$sample" ] || fail "the package put no $sample"
/usr/bin/radview-dump "$sample" >"$work/sample.json"
head -c 1 "$work/sample.json" | grep -q '{' || fail "the installed radview-dump printed no JSON for $sample"
/usr/bin/radview-dump "$sample" --series 1 --png 800 500 "$work/graph.png"
[ "$(od -An -tx1 -N8 "$work/graph.png" | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "the installed radview-dump drew no PNG of $sample"

cp "$sample" "$work/measurements.rad"
found="$(xdg-mime query filetype "$work/measurements.rad")"
[ "$found" = "$type" ] || fail "xdg-mime gives $work/measurements.rad the type '$found', not $type"
opener="$(xdg-mime query default "$type")"
[ "$opener" = radview.desktop ] || fail "xdg-mime opens $type with '$opener', not radview.desktop"
[ "$(man -w radview)" = /usr/share/man/man1/radview.1.gz ] || fail "man does not find radview(1)"
[ "$(man -w -L ru radview-dump)" = /usr/share/man/ru/man1/radview-dump.1.gz ] ||
    fail "man does not find the Russian radview-dump(1)"
log "installed: $(dpkg-query -W -f='${Package} ${Version}, ${Installed-Size} KiB' radview)"

# 4 ------------------------------------------------------------------------------------------------------
trap 'rm -rf "$work"' EXIT
remove_package
! package_installed radview || fail "radview is still installed"
for left in /usr/bin/radview /usr/bin/radview-dump /usr/share/radview /usr/share/applications/radview.desktop \
    /usr/share/mime/packages/radview.xml; do
    [ ! -e "$left" ] || fail "$left is left behind after the purge"
done
found="$(xdg-mime query filetype "$work/measurements.rad")"
[ "$found" != "$type" ] || fail "xdg-mime still knows $type after the purge"
[ "$(installed_packages)" = "$before" ] || fail "the installed packages differ from those before the install:
$(diff <(echo "$before") <(installed_packages) || true)"
log "the package was installed, used and removed; the machine has the packages it had before"
