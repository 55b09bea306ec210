#!/usr/bin/env bash
# Builds everything and runs every test (core tests and headless window tests).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${PACKAGES[@]}"

# The start-up test under a German locale needs de_DE.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "Warning: de_DE.UTF-8 could not be generated"
fi

configure_and_build
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    export XDG_RUNTIME_DIR="$(mktemp -d)"
    chmod 700 "$XDG_RUNTIME_DIR"
fi
cd "$BUILD"
ctest --output-on-failure -j "$(nproc)" --timeout 600
