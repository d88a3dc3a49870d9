#!/usr/bin/env bash
# Sets up, builds and runs Quillon on Debian 12.
#   ./dev.sh demo   install what is missing, build, write the sample practice and open Quillon in it
#   ./dev.sh test   install what is missing, build and run every test
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${QUILLON_BUILD_DIR:-$here/build}"
mode="${1:-}"

build_packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgtest-dev fonts-liberation libsqlitecpp-dev libsqlite3-dev nlohmann-json3-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
test_packages=(clang-format appstream desktop-file-utils poppler-utils lintian dpkg-dev at-spi2-core python3-pyatspi dbus xvfb xauth)
demo_packages=(xvfb xauth)
# The client test of quillon-report mcp runs on Node; a Node installed otherwise (with its own npm) is kept.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    test_packages+=(nodejs npm)
fi

usage() {
    echo "usage: $0 demo|test" >&2
    exit 2
}

missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || echo "$pkg"
    done
}

install_missing() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Quillon needs these Debian packages: ${missing[*]}" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

configure_and_build() {
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_TESTS=ON >/dev/null
    cmake --build "$build" --parallel "$(nproc)"
}

case "$mode" in
demo)
    install_missing "${build_packages[@]}"
    [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || install_missing "${demo_packages[@]}"
    configure_and_build
    practice="$build/sample-practice"
    "$build/bin/quillon-sample" --out "$practice"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$build/bin/quillon" "$practice"
    fi
    # No display: pictures of the start screen and of the first sample patient's chart under Xvfb, and the
    # chart's pages as the window saves them.
    first="$(sed -n '2s/:.*//p' "$practice/PatDet.txt" | tr -d '\r')"
    shot="$build/start-screen.png"
    chart="$build/chart-$first.png"
    pdf="$build/chart-$first.pdf"
    echo "No display: running Quillon under Xvfb to take pictures of the start screen and of patient $first's chart."
    screen=(-a -s "-screen 0 1920x1080x24")
    xvfb-run "${screen[@]}" "$build/bin/quillon" --screenshot "$shot" "$practice"
    xvfb-run "${screen[@]}" "$build/bin/quillon" --screenshot "$chart" --show chart --patient "$first" "$practice"
    "$build/bin/quillon-report" --dir "$practice" export "$first" --pdf "$pdf"
    echo "Start screen saved to $shot"
    echo "Chart of patient $first saved to $chart"
    echo "Its pages saved to $pdf"
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    configure_and_build
    ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
    ;;
*)
    usage
    ;;
esac
