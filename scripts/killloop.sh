#!/usr/bin/env bash
# The kill loop: runs random operations through the core on a data directory, kills the driver
# with SIGKILL at a random moment, starts up again (which finishes or rolls back an interrupted
# commit) and checks that the data directory and the mods folder hold together.
#   scripts/killloop.sh [CYCLES] [WORK]     (defaults: 1000 cycles, a temporary folder)
# The data directory starts afresh every 100 cycles, before the trigger pool runs dry.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${SPANTORA_KILLLOOP_BUILD_DIR:-$ROOT/build-killloop}"
CYCLES="${1:-1000}"
WORK="${2:-$(mktemp -d)/killloop}"
DELIVERED="$ROOT/data/XMLA"

if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPANTORA_CORE_ONLY=ON \
          -DSPANTORA_KILLLOOP=ON >/dev/null
fi
cmake --build "$BUILD" -j 2 --target spantora-killloop >/dev/null
DRIVER="$BUILD/tools/killloop/spantora-killloop"

held=0; completed=0; rolledBack=0; operations=0
for ((cycle = 1; cycle <= CYCLES; cycle++)); do
    if (( (cycle - 1) % 100 == 0 )); then
        "$DRIVER" init "$WORK" "$DELIVERED"
    fi
    "$DRIVER" run "$WORK" "$cycle" >"$WORK/run.log" 2>&1 &
    pid=$!
    # 20 to 400 ms: most kills land in the middle of an operation.
    sleep "0.$(printf '%03d' $((RANDOM % 381 + 20)))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    operations=$((operations + $(wc -l <"$WORK/run.log")))
    if report="$("$DRIVER" check "$WORK" "$DELIVERED")"; then
        held=$((held + 1))
    else
        echo "Zyklus $cycle: Prüfung fehlgeschlagen"
        echo "$report"
        cp -a "$WORK" "$WORK.failed-$cycle"
    fi
    case "$report" in
    *"Journal abgeschlossen"*) completed=$((completed + 1)) ;;
    *"Journal zurückgerollt"*) rolledBack=$((rolledBack + 1)) ;;
    esac
done
echo "Zyklen: $CYCLES, Prüfung gehalten: $held, ausgeführte Operationen: $operations," \
     "Journale beim Neustart abgeschlossen: $completed, zurückgerollt: $rolledBack"
[ "$held" -eq "$CYCLES" ]
