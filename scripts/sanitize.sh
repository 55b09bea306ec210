#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan in its own folder (build-sanitize) and runs every
# test, the window tests headless. Any sanitizer report fails the test that caused it.
SPANTORA_BUILD_DIR="${SPANTORA_BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-sanitize}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${PACKAGES[@]}"

if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPANTORA_SANITIZE=ON
fi
configure_and_build

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
    export XDG_RUNTIME_DIR="$(mktemp -d)"
    chmod 700 "$XDG_RUNTIME_DIR"
fi
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0}"
cd "$BUILD"
ctest --output-on-failure -j "$(nproc)" --timeout 900
