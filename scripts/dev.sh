#!/usr/bin/env bash
# The project's one entry point on a Debian 12 machine:
#   scripts/dev.sh run     install what is missing, build, start the program
#   scripts/dev.sh test    install what is missing, build, run every test
#   scripts/dev.sh bench   install what is missing, build, run the benchmarks
#   scripts/dev.sh build   install what is missing, build
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core xvfb xauth
          desktop-file-utils groff-base  # the install tests: entry validator, man formatter
          time)                          # bench/whole_process.sh: peak memory

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build
}

case "${1:-}" in
run)
    install_missing
    build
    if [ -x build/src/greetcard ]; then
        exec build/src/greetcard
    fi
    echo "The desktop program is not built yet; showing the command-line tool instead."
    exec build/src/greetcard-cli --help
    ;;
test)
    install_missing
    build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
    ;;
bench)
    install_missing
    build
    shift
    build/bench/greetcard-bench "$@"
    exec bash bench/whole_process.sh
    ;;
build)
    install_missing
    build
    ;;
*)
    echo "usage: scripts/dev.sh run|test|bench|build" >&2
    exit 2
    ;;
esac
