#!/usr/bin/env bash
# Builds the program and starts it, with the game the program itself finds (`marvessa-spantora
# --where`, the same search as its start). Where it finds none, or with --sandbox, it runs in a
# sandbox under the build folder: a placeholder game, settings and a data folder of its own, so the
# user's real settings and ships stay untouched.
#
#   scripts/run.sh [--sandbox] [--dry-run]
#     --sandbox   always the sandbox, even where a game is installed
#     --dry-run   only say which game and data folder the program would use, start nothing
#
# SPANTORA_APP=/usr/bin/marvessa-spantora scripts/run.sh uses that executable instead of building one.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

force_sandbox=0
dry_run=0
for arg in "$@"; do
    case "$arg" in
        --sandbox) force_sandbox=1 ;;
        --dry-run) dry_run=1 ;;
        *) echo "run.sh: unbekannte Option \"$arg\" (erlaubt: --sandbox, --dry-run)" >&2; exit 2 ;;
    esac
done

if [ -n "${SPANTORA_APP:-}" ]; then
    APP="$SPANTORA_APP"
else
    install_missing "${PACKAGES[@]}"
    configure_and_build marvessa-spantora
    APP="$BUILD/src/app/marvessa-spantora"
fi

start() {
    [ $dry_run -eq 1 ] && exit 0
    exec "$@"
}

if [ $force_sandbox -eq 0 ]; then
    set +e
    where=$("$APP" --where)
    found=$?
    set -e
    if [ $found -eq 0 ]; then
        echo "Das Programm hat das Spiel gefunden und arbeitet damit:"
        echo "$where" | sed 's/^/  /'
        start "$APP"
    elif [ $found -ne 1 ]; then
        echo "$where"
        echo "run.sh: \"$APP --where\" endete mit $found." >&2
        exit $found
    fi
fi

SANDBOX="$BUILD/sandbox"
mkdir -p "$SANDBOX/game/Bin/Win64" "$SANDBOX/game/mods" "$SANDBOX/config/MarvessaSpantora" "$SANDBOX/data"
[ -f "$SANDBOX/game/Bin/Win64/Marvessa.exe" ] || echo "placeholder" > "$SANDBOX/game/Bin/Win64/Marvessa.exe"
sandbox_ini="$SANDBOX/config/MarvessaSpantora/MarvessaSpantora.ini"
if ! grep -q 'GameLocation=' "$sandbox_ini" 2>/dev/null; then
    printf '[SOFTWARE]\nMicrosoft\\Windows\\CurrentVersion\\MarvessaSpantora\\GameLocation=%s\nMicrosoft\\Windows\\CurrentVersion\\MarvessaSpantora\\ModLocation=%s/\n' \
        "$SANDBOX/game" "$SANDBOX/game/mods" > "$sandbox_ini"
fi
export XDG_CONFIG_HOME="$SANDBOX/config" XDG_DATA_HOME="$SANDBOX/data" WINEPREFIX="$SANDBOX/no-wine"
if [ $force_sandbox -eq 1 ]; then
    echo "Sandbox auf Wunsch (--sandbox): Das Programm arbeitet mit einem Platzhalter-Spiel."
else
    echo "Kein installiertes Spiel gefunden: Das Programm startet in einer Sandbox."
fi
"$APP" --where | sed 's/^/  /' || true
echo "  Verlassen: scripts/run.sh ohne --sandbox, sobald das Spiel installiert ist (siehe README.md)."
start "$APP"
