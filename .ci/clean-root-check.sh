#!/usr/bin/env bash
# Runs inside a minimal Debian root (mmdebstrap --variant=minbase), from the folder that holds it and the
# package: apt-get installs the package with its Depends alone, the installed programs are used, and the
# purge must leave the root with the packages and files it had.
#   clean-root-check.sh radview_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
deb="$(realpath "$1")"

fail() {
    echo "clean root: FAILED: $*" >&2
    exit 1
}

# The installed packages, and every path outside the folders that apt, dpkg and the logs keep to themselves.
state() {
    dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture} ${Version}\n' | sort
    find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp -o -path /var/log \
        -o -path /var/cache -o -path /var/lib/apt -o -path /var/lib/dpkg \) -prune -o -print | sort
}

export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -q -o Acquire::Retries=3 -o APT::Install-Recommends=false)
before="$(state)"
"${apt[@]}" install -y "$deb" </dev/null
echo "clean root: installed $(dpkg-query -W -f='${Package} ${Version}, ${Installed-Size} KiB' radview)," \
    "with $(($(dpkg-query -W -f='${db:Status-Abbrev}\n' | grep -c '^ii') - $(grep -c '^ii' <<<"$before"))) packages"

sample=/usr/share/radview/samples/one-series.rad
radview-dump "$sample" >sample.json
[ "$(head -c 1 sample.json)" = "{" ] || fail "radview-dump printed no JSON for $sample"
radview-dump "$sample" --series 1 --png 800 500 graph.png
[ "$(od -An -tx1 -N8 graph.png | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "radview-dump drew no PNG of $sample"
radview --help >help.txt || fail "radview --help ended with status $?"
grep -q "radview" help.txt || fail "radview --help printed no usage: $(cat help.txt)"
radview --version | head -n 1 | grep -qx "radview $(dpkg-query -W -f='${Version}' radview)" ||
    fail "radview --version does not give the package's version"
echo "clean root: radview-dump read and drew $sample; radview answered --help and --version"

"${apt[@]}" purge -y --autoremove radview </dev/null
after="$(state)"
[ "$after" = "$before" ] || fail "the root differs from what it was before the install:
$(diff <(echo "$before") <(echo "$after") || true)"
echo "clean root: the purge left the packages and files the root had"
