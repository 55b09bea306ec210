# Shared by run.sh and test.sh: install what is missing, then configure and build incrementally.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${SPANTORA_BUILD_DIR:-$ROOT/build}"

PACKAGES=(cmake ninja-build g++ ccache pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev
          libgl-dev libpugixml-dev zlib1g-dev libyaml-cpp-dev nlohmann-json3-dev libgtest-dev
          libxml2-utils locales qt6-translations-l10n desktop-file-utils appstream lintian dpkg-dev file
          xvfb openbox xdotool x11-utils)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# Arguments: the targets to build (all when none is given).
configure_and_build() {
    if [ ! -f "$BUILD/build.ninja" ]; then
        cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    local targets=()
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build "$BUILD" -j "$(nproc)" "${targets[@]}"
}
