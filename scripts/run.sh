#!/usr/bin/env bash
# Builds the program and starts it. Without an installed game it runs in a sandbox under the build
# folder (placeholder game, own settings), and the user's real settings stay untouched.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${PACKAGES[@]}"
configure_and_build marvessa-spantora

APP="$BUILD/src/app/marvessa-spantora"
config_home="${XDG_CONFIG_HOME:-$HOME/.config}"
ini="$config_home/MarvessaSpantora/MarvessaSpantora.ini"

game_found=0
if [ -f "$ini" ]; then
    stored=$(grep -a 'MarvessaSpantora\\GameLocation=' "$ini" | head -n1 | sed 's/^[^=]*=//')
    [ -n "$stored" ] && [ -f "$stored/Bin/Win64/Marvessa.exe" ] && game_found=1
fi
if [ $game_found -eq 0 ]; then
    for reg in "${WINEPREFIX:-$HOME/.wine}/system.reg" "$HOME"/.steam/steam/steamapps/compatdata/*/pfx/system.reg \
               "$HOME"/.local/share/Steam/steamapps/compatdata/*/pfx/system.reg; do
        if [ -f "$reg" ] && grep -qi 'Orvane\\\\\(Launcher\\\\Installs\\\\4553\|Marvessa\)\]' "$reg"; then
            game_found=1
            break
        fi
    done
fi

if [ $game_found -eq 1 ]; then
    exec "$APP"
fi

SANDBOX="$BUILD/sandbox"
mkdir -p "$SANDBOX/game/Bin/Win64" "$SANDBOX/game/mods" "$SANDBOX/config/MarvessaSpantora"
[ -f "$SANDBOX/game/Bin/Win64/Marvessa.exe" ] || echo "placeholder" > "$SANDBOX/game/Bin/Win64/Marvessa.exe"
sandbox_ini="$SANDBOX/config/MarvessaSpantora/MarvessaSpantora.ini"
if ! grep -q 'GameLocation=' "$sandbox_ini" 2>/dev/null; then
    printf '[SOFTWARE]\nMicrosoft\\Windows\\CurrentVersion\\MarvessaSpantora\\GameLocation=%s\nMicrosoft\\Windows\\CurrentVersion\\MarvessaSpantora\\ModLocation=%s/\n' \
        "$SANDBOX/game" "$SANDBOX/game/mods" > "$sandbox_ini"
fi
echo "Kein installiertes Spiel gefunden: Das Programm startet in einer Sandbox."
echo "  Spielverzeichnis: $SANDBOX/game"
echo "  Einstellungen:    $sandbox_ini"
XDG_CONFIG_HOME="$SANDBOX/config" WINEPREFIX="$SANDBOX/no-wine" exec "$APP"
