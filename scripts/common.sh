# Shared by run.sh, test.sh and .ci/run; sourced, never run on its own.
# Everything here must stay safe to repeat: a second run finds the packages and the build tree in place
# and only does what is left to do.

RADVIEW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Two cores on the team's machines and on CI; more parallel jobs only thrash.
RADVIEW_JOBS="${RADVIEW_JOBS:-2}"

# What every build needs: the toolchain, Qt (its CMake files want the OpenGL headers), a font with
# Cyrillic letters for the Russian interface, and Qt's own Russian texts for its dialogs and buttons, which
# the viewer loads when it starts.
RADVIEW_BUILD_PACKAGES=(cmake make g++ qt6-base-dev libgl-dev fonts-liberation qt6-translations-l10n)
# What the tests, the benchmarks and the fuzzer need on top of that; the desktop check runs the viewer
# under a window manager on a virtual screen and drives it (openbox, xdotool, wmctrl, the X utilities and
# ImageMagick for its screenshot, xclip to read what the viewer copied).
RADVIEW_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils xvfb xauth clang
    libclang-rt-14-dev openbox xdotool wmctrl x11-utils imagemagick xclip)
# The application icon is drawn once as SVG; the build renders its PNG sizes with Qt Svg.
RADVIEW_BUILD_PACKAGES+=(qt6-svg-dev)
# The program's own translations are compiled at build time by Qt's lrelease (qt6-l10n-tools), which
# CMake finds through Qt's LinguistTools package (qt6-tools-dev); lupdate refreshes them from the sources.
RADVIEW_BUILD_PACKAGES+=(qt6-tools-dev qt6-l10n-tools)
# Printouts go to the print server through libcups; the printing tests start a print server of their own
# (cupsd as a child process with a private configuration) and manage its queues with the CUPS tools.
RADVIEW_BUILD_PACKAGES+=(libcups2-dev)
RADVIEW_TEST_PACKAGES+=(cups-daemon cups-client)
# The tests of the menu entry, the file type, the AppStream metadata and the manual pages use the desktop's
# and the software centres' own tools.
RADVIEW_TEST_PACKAGES+=(desktop-file-utils libxml2-utils shared-mime-info appstream man-db groff-base)
# Every caption is checked again with DejaVu as the only font, as on a machine without Liberation.
RADVIEW_TEST_PACKAGES+=(fonts-dejavu-core)
# The Debian package (.ci/package.sh): what debian/control's Build-Depends add to the build packages for a
# build without tests (build-essential is implied), dpkg-buildpackage and debhelper, lintian, appstreamcli
# for the installed metadata, and mmdebstrap for the minimal root the package is tried in.
RADVIEW_PACKAGE_PACKAGES=(build-essential dpkg-dev debhelper pkgconf libcups2-dev lintian appstream mmdebstrap)

log() { printf '==> %s\n' "$*" >&2; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        log "need root to run: $*"
        return 1
    fi
}

package_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

# Installs whichever of the named Debian packages are missing. The package lists are refreshed only when
# something has to be installed, so a machine that has everything never touches the network.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        package_installed "$pkg" || missing+=("$pkg")
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    log "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # Another apt run (unattended upgrades, a colleague) may hold the lock for a while; wait rather than fail.
    local apt=(apt-get -o DPkg::Lock::Timeout=600 -o Acquire::Retries=3)
    as_root "${apt[@]}" update -q
    as_root "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

# configure_and_build DIR [cmake options...]: configures and builds DIR. A tree left by an earlier run is
# reused, so a repeat only rebuilds what changed.
configure_and_build() {
    local dir="$1"
    shift
    log "configuring $dir"
    cmake -S "$RADVIEW_ROOT" -B "$dir" "$@"
    log "building $dir"
    cmake --build "$dir" -j "$RADVIEW_JOBS"
}
