#!/usr/bin/env bash
# Installs the Debian packages the build needs, and nothing when all of them are present,
# then configures and builds the given build folder.
#   scripts/setup.sh BUILD_DIR [extra cmake arguments...]
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libsqlite3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    # The fonts a Debian desktop has, so that windows, tests and the manual's pictures are laid
    # out alike everywhere: with the Liberation fonts alone, sans-serif is Liberation Mono.
    fonts-dejavu-core fonts-liberation2
    qt6-translations-l10n libktoblzcheck1v5 poppler-utils libsodium-dev
    libktoblzcheck1-dev libqrencode-dev libxml2-utils qt6-charts-dev
    # bench/compare-startup.sh: peak memory, and an X server of its own.
    time xvfb
    # Qt Charts' CMake package needs Qt6OpenGL's, which qt6-charts-dev does not pull in.
    libqt6opengl6-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installiere fehlende Pakete: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=$1
shift
cmake -S "$(dirname "$0")/.." -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir"
