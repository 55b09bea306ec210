#!/usr/bin/env bash
# Builds the Debian package from a built build folder with cpack and checks it with lintian.
# Fails on any lintian error, and when a file the desktop needs is missing from the package.
#   scripts/package.sh [BUILD_DIR [OUTPUT_DIR]]     (default: build/ and BUILD_DIR/package)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-${SPANTORA_BUILD_DIR:-$ROOT/build}}" && pwd)"
OUT="${2:-$BUILD/package}"

rm -rf "$OUT"
mkdir -p "$OUT"
# A folder of its own: a test run beside others never meets a half-made package.
cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$OUT" > "$OUT/cpack.log" 2>&1 || { cat "$OUT/cpack.log"; exit 1; }
deb=$(ls "$OUT"/*.deb)
echo "Paket: $deb"

contents=$(dpkg-deb -c "$deb")
app_id=$(sed -n 's/^set(SPANTORA_APP_ID \(.*\))$/\1/p' "$ROOT/CMakeLists.txt")
for f in ./usr/bin/marvessa-spantora "./usr/share/applications/$app_id.desktop" \
         "./usr/share/metainfo/$app_id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
         "./usr/share/icons/hicolor/48x48/apps/$app_id.png" "./usr/share/icons/hicolor/256x256/apps/$app_id.png" \
         ./usr/share/man/man1/marvessa-spantora.1.gz ./usr/share/doc/marvessa-spantora/copyright \
         ./usr/share/doc/marvessa-spantora/fonts/OFL-1.1.txt; do
    grep -q " $f\$" <<< "$contents" || { echo "Im Paket fehlt $f"; exit 1; }
done

# Warnings are printed for whoever looks; only errors fail.
status=0
lintian --fail-on error "$deb" > "$OUT/lintian.log" 2>&1 || status=$?
grep -v '^running with root privileges' "$OUT/lintian.log" || true
[ $status -eq 0 ] || { echo "lintian meldet Fehler (Status $status)"; exit 1; }
echo "lintian: keine Fehler"
