#!/bin/sh
# Rebuilds the picture collection from its drawings and renders the bitmap files the data set carries:
#   svg/ and images.qrc          the collection embedded in the program (gen_svgs.py)
#   ../XMLA/NewShipIcon/         a 128 x 128 .png and an uncompressed .dds per ship icon name
#   ../XMLA/Active.png           the picture slot that activation overwrites
#   yards/<mod folder>/          the icons of the yard and factory template mods
# Needs python3-fonttools, rsvg-convert (librsvg2-bin) and ImageMagick.
# With "--sheet FILE" it also lays every picture out at 64 px on the window beige, for looking at them.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
xmla="$here/../XMLA"
cd "$here"

/usr/bin/python3 gen_svgs.py

png() { # svg size out
    rsvg-convert -w "$2" -h "$2" -o "$3" "$1"
}
dds() { # png dds: 32-bit BGRA, no compression, no mipmaps
    convert "$1" -define dds:compression=none -define dds:mipmaps=0 "$2"
}

icons=$(sed -n 's/.* Icon="\([^"]*\)".*/\1/p' "$xmla/ShipShort.xml" | sort -u)
rm -rf "$xmla/NewShipIcon"
mkdir -p "$xmla/NewShipIcon"
for name in $icons; do
    png "svg/$name.svg" 128 "$xmla/NewShipIcon/$name.png"
    dds "$xmla/NewShipIcon/$name.png" "$xmla/NewShipIcon/$name.dds"
done
png svg/BlankEdged.svg 128 "$xmla/Active.png"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
yard() { # folder engine region
    dir="yards/$1"
    mkdir -p "$dir"
    if [ "$2" = Sail ]; then src=svg/Segelschiff128.svg; icon=icon_sail_shipyard_0; extra=SailShipYard
    else src=svg/Dampfschiff128.svg; icon=icon_steam_shipyard_0; extra=SteamShipYard; fi
    png "$src" 128 "$dir/$icon.png"
    dds "$dir/$icon.png" "$dir/$icon.dds"
    cp "$dir/$icon.png" "$dir/$extra.png"
    cp "$dir/$icon.dds" "$dir/$extra.dds"
    # The mod manager's picture: the yard with its region's medallion.
    png "svg/Region$3.svg" 50 "$tmp/region.png"
    convert "$dir/$icon.png" "$tmp/region.png" -geometry +8+70 -composite -strip "$dir/modinfo.png"
}
rm -rf yards
yard "[Spantora] AW Neue Segelschiffswerft" Sail AW
yard "[Spantora] AW Neue Dampfschiffswerft" Steam AW
yard "[Spantora] NW Neue Segelschiffswerft" Sail NW
yard "[Spantora] NW Neue Dampfschiffswerft" Steam NW
yard "[Spantora] EN Neue Segelschiffswerft" Sail EN
yard "[Spantora] EN Neue Dampfschiffswerft" Steam EN
factory="yards/[Spantora] Segelweberei Enbesa"
mkdir -p "$factory"
png svg/Segelweberei.svg 128 "$factory/icon_sail_factory.png"
dds "$factory/icon_sail_factory.png" "$factory/icon_sail_factory.dds"
png svg/RegionEN.svg 50 "$tmp/region.png"
convert "$factory/icon_sail_factory.png" "$tmp/region.png" -geometry +8+70 -composite -strip "$factory/modinfo.png"

if [ "${1:-}" = --sheet ] && [ -n "${2:-}" ]; then
    mkdir -p "$tmp/sheet"
    for f in svg/*.svg svg/newships/*.svg; do
        n=$(basename "$f" .svg)
        case "$f" in svg/newships/*) n="new:$n" ;; esac
        case "$n" in *Background|Separator) continue ;; esac
        rsvg-convert -h 64 -o "$tmp/sheet/$n.png" "$f"
    done
    montage "$tmp"/sheet/*.png -background "rgb(233,203,148)" -fill "#3a2214" -pointsize 9 \
        -set label '%t' -tile 12x -geometry '128x72>+4+4' "$2"
fi
