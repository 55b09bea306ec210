#!/usr/bin/env python3
"""Writes the seven template mod folders of the data directory (data/XMLA).

The six shipyard mods and the sail-weaving factory mod are complete game mods that the program copies
into the game's mods directory as they are. Their bytes are fixed here so that the delivered data set
can be rebuilt after a change:

    python3 data/tools/generate_template_mods.py            # writes into data/XMLA
    python3 data/tools/generate_template_mods.py --out DIR  # writes into DIR (for a look first)

The yard and factory icons come from data/images/yards/ (drawn with the rest of the picture
collection); each icon is carried as the PNG and as an uncompressed DDS of the same picture.
Python standard library only.
"""

import argparse
import base64
import os
import shutil
import struct
import sys
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
XMLA = ROOT / "data" / "XMLA"
ICON_DIR = ROOT / "data" / "images" / "yards"

CRLF = "\r\n"
MOD_VERSION = "18.5.5.12"
CREATOR_CONTACT = "https://www.marvessa-spantora.de"
ICON_SIZE = 128

# ---------------------------------------------------------------------------------------------------
# A small element tree whose output matches what the program's XML writer produces for the yard asset
# files (two blanks per level, text-only elements on one line, empty elements as "<a />"). A rebuild
# of the build menu then rewrites nothing but the build menu.


class Node:
    def __init__(self, tag, text=None, attrs=None, children=None):
        self.tag = tag
        self.text = text
        self.attrs = attrs or []
        self.children = list(children or [])

    def add(self, *children):
        self.children.extend(c for c in children if c is not None)
        return self


def E(tag, *children, text=None, attrs=None):
    """Element with child nodes, or with text when `text` is given (numbers become text)."""
    return Node(tag, None if text is None else str(text), attrs, [c for c in children if c is not None])


def T(tag, value):
    return E(tag, text=value)


def _escape_text(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def _escape_attr(s):
    return _escape_text(s).replace('"', "&quot;")


def render(node, indent, level=0):
    pad = indent * level
    attrs = "".join(f' {k}="{_escape_attr(str(v))}"' for k, v in node.attrs)
    if node.text is not None:
        return [f"{pad}<{node.tag}{attrs}>{_escape_text(node.text)}</{node.tag}>"]
    if not node.children:
        return [f"{pad}<{node.tag}{attrs} />"]
    lines = [f"{pad}<{node.tag}{attrs}>"]
    for child in node.children:
        lines += render(child, indent, level + 1)
    lines.append(f"{pad}</{node.tag}>")
    return lines


def xml_bytes(comments, root, indent):
    lines = [f"<!--{c}-->" for c in comments] + render(root, indent)
    return (CRLF.join(lines) + CRLF).encode("utf-8")


# ---------------------------------------------------------------------------------------------------
# Pictures: a minimal PNG reader and an uncompressed DDS writer, so the DDS is the same picture.


def read_png_rgba(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{name}: keine PNG-Datei")
    pos, idat, palette, trns = 8, b"", None, None
    width = height = depth = ctype = interlace = None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"PLTE":
            palette = chunk
        elif kind == b"tRNS":
            trns = chunk
        elif kind == b"IDAT":
            idat += chunk
        elif kind == b"IEND":
            break
    if interlace or depth not in (8, 16) or ctype not in (0, 2, 3, 4, 6) or (ctype == 3 and depth != 8):
        sys.exit(f"{name}: PNG-Form nicht unterstützt (Tiefe {depth}, Farbtyp {ctype}, Zeilensprung {interlace})")
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[ctype]
    bpp = channels * depth // 8
    stride = width * bpp
    raw = zlib.decompress(idat)
    rows, prev, p = [], bytearray(stride), 0
    for _ in range(height):
        ftype, line = raw[p], bytearray(raw[p + 1:p + 1 + stride])
        p += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 0xFF
            elif ftype == 2:
                line[i] = (line[i] + b) & 0xFF
            elif ftype == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 0xFF
            elif ftype == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 0xFF
        rows.append(line)
        prev = line
    rgba = bytearray()
    for line in rows:
        if depth == 16:
            samples = bytes(((line[i] << 8 | line[i + 1]) * 255 + 32767) // 65535 for i in range(0, len(line), 2))
        else:
            samples = line
        for x in range(width):
            px = samples[x * channels:(x + 1) * channels]
            if ctype == 0:
                rgba += bytes((px[0], px[0], px[0], 255))
            elif ctype == 4:
                rgba += bytes((px[0], px[0], px[0], px[1]))
            elif ctype == 2:
                rgba += bytes((px[0], px[1], px[2], 255))
            elif ctype == 6:
                rgba += bytes(px)
            else:
                k = px[0]
                alpha = trns[k] if trns and k < len(trns) else 255
                rgba += palette[3 * k:3 * k + 3] + bytes((alpha,))
    return width, height, bytes(rgba)


def dds_bytes(width, height, rgba):
    """Uncompressed 32-bit DDS (A8R8G8B8, stored as B, G, R, A), no mip maps."""
    flags = 0x1 | 0x2 | 0x4 | 0x8 | 0x1000  # caps, height, width, pitch, pixel format
    header = struct.pack("<4s7I", b"DDS ", 124, flags, height, width, width * 4, 0, 0)
    header += b"\0" * 44  # reserved
    header += struct.pack("<8I", 32, 0x41, 0, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    header += struct.pack("<5I", 0x1000, 0, 0, 0, 0)
    assert len(header) == 128
    pixels = bytearray(len(rgba))
    pixels[0::4], pixels[1::4], pixels[2::4], pixels[3::4] = rgba[2::4], rgba[1::4], rgba[0::4], rgba[3::4]
    return header + bytes(pixels)


def png_bytes(width, height, rgba):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    raw = b"".join(b"\0" + rgba[y * width * 4:(y + 1) * width * 4] for y in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


class Icon:
    """One picture as PNG bytes and an uncompressed DDS of the same picture."""

    def __init__(self, png_path):
        self.png = png_path.read_bytes()
        width, height, rgba = read_png_rgba(self.png, png_path)
        if (width, height) != (ICON_SIZE, ICON_SIZE):
            sys.exit(f"{png_path}: {width} x {height} statt {ICON_SIZE} x {ICON_SIZE} Pixel")
        self.dds = dds_bytes(width, height, rgba)
        # The picture collection renders its own DDS; take it when it holds exactly these pixels.
        drawn = png_path.with_suffix(".dds")
        if drawn.is_file():
            theirs = drawn.read_bytes()
            if theirs[:8] == self.dds[:8] and len(theirs) == len(self.dds) and theirs[128:] == self.dds[128:]:
                self.dds = theirs


class Pictures:
    """The pictures of one mod folder, drawn in data/images/yards/<mod folder>/: its icons and the
    picture of the mod manager (modinfo.png, the icon with the region's medallion)."""

    def __init__(self, icon_dir, folder, icon_names):
        source = icon_dir / folder
        missing = [n + ".png" for n in icon_names if not (source / (n + ".png")).is_file()]
        if missing:
            sys.exit(f"Bilder fehlen in {source}: {', '.join(missing)} (data/images/render.sh zeichnet sie)")
        self.icons = {n: Icon(source / (n + ".png")) for n in icon_names}
        manager = source / "modinfo.png"
        self.modinfo_png = Icon(manager).png if manager.is_file() else self.icons[icon_names[0]].png


def placeholder_texture(size):
    """A tiny valid DDS for the harbour texture levels: game payload that the program never reads."""
    rgba = bytes((0xD8, 0xC8, 0xA8, 0xFF)) * (size * size)
    return dds_bytes(size, size, rgba)


def placeholder_asset(name):
    return f"Marvessa Spantora - Platzhalter fuer das Spielobjekt {name}{CRLF}".encode("ascii")


# ---------------------------------------------------------------------------------------------------
# The yards

SAIL_TEXT = "In dieser Segelschiffswerft können neben den normalen auch besonders entwickelte Segelschiffe gebaut werden."
STEAM_TEXT = "In dieser Dampfschiffswerft können neben den normalen auch besonders entwickelte Dampfschiffe gebaut werden."
YARD_DESCRIPTION = ("Spezielle Schiffswerft für die mit dem Programm 'Marvessa Spantora' erzeugten Schiffe. "
                    "Nicht löschen solange Schiffsmodifikationen vorhanden sind oder diese Werften als Bauwerke "
                    "noch bestehen.")
YARD_KNOWN_ISSUE = ("Wenn Sie Schiffsmodifikationen, die in dieser Werft gebaut werden entfernen wollen, "
                    "verwenden Sie bitte nur das Programm 'Marvessa Spantora'.")

COSTS_AW_SAIL = [(1010017, 12000), (1010196, 40), (1010205, 40), None, None, None, None]
COSTS_AW_STEAM = [(1010017, 15000), (1010196, 100), (1010205, 80), (1010218, 60), (1010207, 50), None]
COSTS_EN_SAIL = [(1010017, 1000), (114356, 50), (114402, 100), None, None, None]
COSTS_EN_STEAM = [(1010017, 1000), (114356, 50), (114402, 100), (1010218, 25), (1010207, 25), None]

# Where `Cost` stands among the property groups: at the end, right after `Shipyard`, or before
# `Industrializable`. The delivered yards were edited at different times and differ in this.
COST_AT_END, COST_AFTER_SHIPYARD, COST_BEFORE_INDUSTRIALIZABLE = "end", "shipyard", "industrializable"

YARDS = [
    dict(folder="AW Neue Segelschiffswerft", mod_name="AW Neue Segelschiffswerft ", mod_id="AW Neue Segelschiffswerft ",
         region="aw", sail=True, guid=2000500020, name_guid=2000500020, desc_guid=2000500021, after=1010520,
         name="New Sailing Shipyard Old World", regions="Moderate",
         unhide=(2000500022, 15000001, 1), unlock=(2000500026, 15000001, 150),
         trigger_names=("UNHIDE edited Shipyard", "UNLOCK edited Shipyard"),
         menus=[(500952, 1010520), (500111, 1010520)],
         archetype="Resident_tier02_atWork", english=("Sailing Shipyard", 7016),
         maintenance=[(1010017, 100, 0), (1010115, 100, 0)], attackable="A", costs=COSTS_AW_SAIL,
         decal_extra=True, cost_place=COST_AT_END, industrializable=None, electricity=False,
         extra_icon="SailShipYard", dlc=False),
    dict(folder="AW Neue Dampfschiffswerft", mod_name="AW Neue Dampfschiffswerft ", mod_id="AW Neue Dampfschiffswerft ",
         region="aw", sail=False, guid=2000500023, name_guid=2000500023, desc_guid=2000500024, after=1010521,
         name="New Steam Shipyard Old World", regions="Moderate",
         unhide=(2000500060, 15000003, 1), unlock=(2000500027, 15000003, 500),
         trigger_names=("UNHIDE edited Steamshipyard", "UNLOCK edited Steamshipyard"),
         menus=[(500954, 1010521), (500111, 1010521)],
         archetype="Resident_tier04_atWork", english=("Steam Shipyard", 7017),
         maintenance=[(1010017, 400, 200), (1010117, 200, 0)], attackable="B", costs=COSTS_AW_STEAM,
         decal_extra=False, cost_place=COST_AFTER_SHIPYARD, industrializable=("MandatoryIndustrialization", 1),
         electricity=True, extra_icon="SteamShipYard", dlc=False),
    dict(folder="NW Neue Segelschiffswerft", mod_name="NW Neue Segelschiffswerft ", mod_id="NW Neue Segelschiffswerft ",
         region="nw", sail=True, guid=2000500030, name_guid=2000500030, desc_guid=2000500031, after=1010520,
         name="New Sailing Shipyard New World", regions="Colony01",
         unhide=(2000500032, 15000005, 50), unlock=(2000500038, 15000005, 100),
         trigger_names=("UNHIDE edited Shipyard", "UNLOCK edited Shipyard"),
         menus=[(501007, 101277), (500149, 101277)],
         archetype="SA_Resident_tier01_atWork", english=("Sailing Shipyard", 7016),
         maintenance=[(1010017, 100, 0), (1010366, 100, 0)], attackable="A", costs=COSTS_AW_SAIL,
         decal_extra=True, cost_place=COST_BEFORE_INDUSTRIALIZABLE, industrializable=None, electricity=False,
         extra_icon=None, dlc=False),
    dict(folder="NW Neue Dampfschiffswerft", mod_name="NW Neue Dampfschiffswerft ", mod_id="NW Neue Dampfschiffswerft ",
         region="nw", sail=False, guid=2000500033, name_guid=2000500033, desc_guid=2000500034, after=1010521,
         name="New Steam Shipyard New World", regions="Colony01",
         unhide=(2000500035, 15000006, 10), unlock=(2000500036, 15000006, 300),
         trigger_names=("UNHIDE edited SteamShipyard", "UNLOCK edited SteamShipyard"),
         menus=[(501008, 102284), (500149, 101277)],
         archetype="SA_Resident_tier02_atWork", english=("Steam Shipyard", 7017),
         maintenance=[(1010017, 300, 200), (1010367, 200, 0)], attackable="B", costs=COSTS_AW_STEAM,
         decal_extra=False, cost_place=COST_AFTER_SHIPYARD, industrializable=("BoostedByIndustrialization", 0),
         electricity=False, extra_icon=None, dlc=False),
    dict(folder="EN Neue Segelschiffswerft", mod_name="EN Neue Segelschiffswerft", mod_id="EN Neue Segelschiffswerft",
         region="en", sail=True, guid=2000500040, name_guid=2000500040, desc_guid=2000500041, after=1010521,
         name="New Shipyard", regions="Africa",
         unhide=(2000500042, 114329, 50), unlock=(2000500043, 114329, 150),
         trigger_names=("UNHIDE edited Shipyard", "UNLOCK edited Shipyard"),
         menus=[(114555, 117870), (119014, 117870)],
         archetype="Africa_Resident_tier02", english=("Steam Shipyard", 7017),
         maintenance=[(1010017, 400, 200), (114340, 75, 200)], attackable="B", costs=COSTS_EN_SAIL,
         decal_extra=False, cost_place=COST_AFTER_SHIPYARD, industrializable=None, electricity=False,
         extra_icon=None, dlc=True),
    dict(folder="EN Neue Dampfschiffswerft", mod_name="EN Neue Dampfschiffswerft", mod_id="EN Neue Dampfschiffswerft ",
         region="en", sail=False, guid=2000500045, name_guid=2000500045, desc_guid=2000500046, after=1010521,
         name="New Shipyard", regions="Africa",
         unhide=(2000500047, 114330, 600), unlock=(2000500048, 114330, 1000),
         trigger_names=("UNHIDE edited SteamShipyard", "UNLOCK edited Steamshipyard"),
         menus=[(117897, 117871), (119014, 117871)],
         archetype="Africa_Resident_tier02", english=("Steam Shipyard", 7017),
         maintenance=[(1010017, 400, 200), (114341, 150, 200)], attackable="B", costs=COSTS_EN_STEAM,
         decal_extra=False, cost_place=COST_AFTER_SHIPYARD, industrializable=("BoostedByIndustrialization", 0),
         electricity=False, extra_icon=None, dlc=True),
]

EXPLOSION_02 = "data/graphics/effects/military/explosions/harbor_generic_xpl_02.cfg"
EXPLOSION_03 = "data/graphics/effects/military/explosions/harbor_generic_xpl_03.cfg"


def inherited_from_shipyard():
    return E("VectorElement",
             E("InheritanceMapV2", E("Entry", T("TemplateName", "Shipyard"), T("Index", 0))))


def attackable(kind):
    if kind == "A":
        effects = [E("Item", inherited_from_shipyard(), T("Filename", EXPLOSION_02)),
                   E("Item", T("Filename", EXPLOSION_03))]
        return E("Attackable", T("MaximumHitPoints", 4000), T("HPBarOffset", 4.5), T("PausedTimeIfAttacked", 0),
                 T("SelfHealPerHealTick", 5), T("DefenseByAIFactor", 700), T("TakeOverEffect", "OnDeath"),
                 T("MoralePower", 50), T("IslandWarFlag", 102303), E("ExplosionEffects", *effects),
                 T("ExplosionEffectsMin", 1), T("ExplosionEffectsMax", 2))
    effects = [E("Item", inherited_from_shipyard()), E("Item", T("Filename", EXPLOSION_02))]
    return E("Attackable", T("MaximumHitPoints", 6000), T("PausedTimeIfAttacked", 0),
             T("SelfHealPerHealTick", 5), T("DefenseByAIFactor", 500), T("TakeOverEffect", "OnDeath"),
             T("MoralePower", 100), T("IslandWarFlag", 102303), E("ExplosionEffects", *effects),
             T("ExplosionEffectsMin", 3), T("ExplosionEffectsMax", 3))


def sound_item(sound):
    return E("Item", T("Sound", sound))


def maintenance(rows):
    items = []
    for row in rows:
        fields = [T("Product", row[0]), T("Amount", row[1])]
        if len(row) > 2:
            fields.append(T("InactiveAmount", row[2]))
        items.append(E("Item", *fields))
    return E("Maintenance", T("ConsumerPriorityAlarmed", 2), E("Maintenances", *items))


def costs(rows):
    items = []
    for row in rows:
        if row is None:
            items.append(E("Item"))
        elif len(row) == 1:
            items.append(E("Item", T("Ingredient", row[0])))
        else:
            items.append(E("Item", T("Ingredient", row[0]), T("Amount", row[1])))
    return E("Cost", E("Costs", *items))


def yard_asset(y):
    icon = "icon_sail_shipyard_0" if y["sail"] else "icon_steam_shipyard_0"
    model = f"data/graphics/{y['region']}/{'harbor_02' if y['sail'] else 'harbor_03'}.cfg"
    english, line_id = y["english"]
    cost = costs(y["costs"])
    groups = [
        E("Standard", T("GUID", y["guid"]), T("Name", y["name"]), T("IconFilename", f"data/icon/{icon}.png"),
          T("InfoDescription", y["desc_guid"])),
        E("Building", T("BuildingCategoryName", 11150), T("SnapRadius", 10),
          T("TerrainType", "Water_Including_Coast"), T("AssociatedRegions", y["regions"])),
        E("Blocking", T("GroundDecalAsset", 100446), T("GroundDecalInvisible", 101008),
          T("GroundDecalAssetExtra", 100691) if y["decal_extra"] else None,
          T("HasBuildingBaseTiles", 1), T("HarbourAreaExpand", 1)),
        E("Mesh"),
        E("Object", E("Variations", E("Item", T("Filename", model)))),
        E("AmbientMoodProvider", T("Murmur", "Harbor")),
        E("Constructable"),
        E("Selection", T("ParticipantMessageArcheType", y["archetype"])),
        E("Text", E("LocaText", E("English", T("Text", english), T("Status", "Exported"), T("ExportCount", 1))),
          T("LineID", line_id)),
        E("Shipyard", E("AssemblyOptions")),
        cost if y["cost_place"] == COST_AFTER_SHIPYARD else None,
        E("Locked"),
        maintenance(y["maintenance"]),
        E("Infolayer"),
        attackable(y["attackable"]),
        E("Pausable"),
        E("SoundEmitter", E("ActiveSounds", sound_item(200896)), E("BuildingRuined", sound_item(203848)),
          E("BuildingRepaired", sound_item(203866)),
          E("IncidentSounds", E("InfectedFire", sound_item(214659)))),
        E("IncidentInfectable"),
        E("FeedbackController"),
        E("UpgradeList"),
        E("LogisticNode"),
        E("StreetActivation"),
        E("QuestObject"),
        E("Electrifiable", T("ElectricityBoost", 0)) if y["electricity"] else E("Electrifiable"),
        cost if y["cost_place"] == COST_BEFORE_INDUSTRIALIZABLE else None,
        E("Industrializable", T(*y["industrializable"])) if y["industrializable"] else E("Industrializable"),
        cost if y["cost_place"] == COST_AT_END else None,
    ]
    return E("ModOp", E("Asset", T("Template", "Shipyard"), E("Values", *groups)),
             attrs=[("GUID", y["after"]), ("Type", "addNextSibling")])


def trigger(guid, name, level, amount, list_name, asset):
    condition = E("TriggerCondition", T("Template", "ConditionPlayerCounter"),
                  E("Values", E("Condition"),
                    E("ConditionPlayerCounter", T("PlayerCounter", "PopulationByLevel"), T("Context", level),
                      T("CounterAmount", amount))))
    action = E("TriggerAction", T("Template", "ActionUnlockAsset"),
               E("Values", E("Action"),
                 E("ActionUnlockAsset", E(list_name, E("Item", T("Asset", asset))))))
    values = E("Values", E("Standard", T("GUID", guid), T("Name", name)),
               E("Trigger", condition, E("TriggerActions", E("Item", action))),
               E("TriggerSetup", T("UsedBySecondParties", 0)))
    return E("ModOp", E("Asset", T("Template", "Trigger"), values),
             attrs=[("GUID", 130216), ("Type", "addNextSibling")])


def menu_entry(menu, after_building, asset):
    path = f"Values/ConstructionCategory/BuildingList/Item[Building='{after_building}']"
    return E("ModOp", E("Item", T("Building", asset)),
             attrs=[("GUID", menu), ("Path", path), ("Type", "addNextSibling")])


def trade_route(steam):
    normal = E("Normal", E("ExcludingGoods", E("Item", T("Good", 120021)), E("Item", T("Good", 1010566))),
               T("MaxGoodTransferAmount", 250), T("DefaultGoodTransferAmount", 50),
               T("MaxTradeActionsPerStation", 8))
    oil = E("Oil", E("RestrictedGood", E("Item", T("Good", 1010566))), T("MinGoodTransferAmount", 1),
            T("MaxGoodTransferAmount", 1000), T("DefaultGoodTransferAmount", 400),
            T("MaxTradeActionsPerStation", 1), T("Unlock", 141416)) if steam else None
    return E("ModOp", normal, oil,
             attrs=[("Type", "merge"), ("GUID", 140011), ("Path", "/Values/TradeRouteFeature/TransportationTypes/Normal")])


def yard_assets_xml(y):
    kind = "Segelschiffswerft" if y["sail"] else "Dampfschiffswerft"
    region = {"aw": "Alte Welt", "nw": "Neue Welt", "en": "Enbesa"}[y["region"]]
    comments = [
        f" Marvessa Spantora - {kind} ({region}): Vorlage der Werft \"{y['folder']}\" ",
        " Die Werft baut neben den Standardschiffen des Spiels auch die mit dem Programm erzeugten Schiffe. ",
        " Das Baumenue (Shipyard/AssemblyOptions) schreibt das Programm bei jeder Werftzuweisung neu; ",
        " Aenderungen von Hand gehen dabei verloren. ",
    ]
    (unhide_name, unlock_name) = y["trigger_names"]
    root = E("ModOps",
             yard_asset(y),
             trigger(y["unhide"][0], unhide_name, y["unhide"][1], y["unhide"][2], "UnhideAssets", y["guid"]),
             trigger(y["unlock"][0], unlock_name, y["unlock"][1], y["unlock"][2], "UnlockAssets", y["guid"]),
             *[menu_entry(menu, after, y["guid"]) for menu, after in y["menus"]],
             trade_route(not y["sail"]))
    return xml_bytes(comments, root, "  ")


def texts_xml(entries):
    """The German texts: tab indentation, CR LF, UTF-8 without byte-order mark."""
    ops = [E("ModOp", E("Text", T("GUID", guid), T("Text", text)),
             attrs=[("Type", "add"), ("Path", "/TextExport/Texts")]) for guid, text in entries]
    return xml_bytes([], E("ModOps", *ops), "\t")


# ---------------------------------------------------------------------------------------------------
# modinfo.json, in the line layout the program uses for its ship mods.

LANGUAGES = ["German", "English", "French", "Italian", "Polish", "Russian"]


def _json_str(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def _language_object(german, pad):
    values = [german] + [None] * 5
    lines = []
    for i, (lang, value) in enumerate(zip(LANGUAGES, values)):
        text = "null" if value is None else _json_str(value)
        lines.append(f'{pad}"{lang}": {text}' + ("," if i < 5 else ""))
    return lines


def modinfo_json(mod_id, mod_name, category, description, known_issue, dlc, image_png):
    lines = ["{", f'"Version": {_json_str(MOD_VERSION)},', f'"ModID": {_json_str(mod_id)},',
             '  "IncompatibleIds": null,', '  "ModDependencies": null,']
    for key, german in (("Category", category), ("ModName", mod_name), ("Description", description)):
        lines += [f'  "{key}": {{'] + _language_object(german, "    ") + ["  },"]
    lines += ['  "KnownIssues": [', "    {"] + _language_object(known_issue, "      ") + ["    }", "  ],"]
    if dlc:
        lines += ['  "DLCDependencies": [', "    {", '      "DLC": "Duenenmark",', '      "Dependant": "required"',
                  "    }", "  ],"]
    else:
        lines.append('  "DLCDependencies": null,')
    lines += ['  "CreatorName": null,', f'  "CreatorContact": {_json_str(CREATOR_CONTACT)},',
              f'  "Image": "{base64.b64encode(image_png).decode("ascii")}"', "}"]
    return (CRLF.join(lines) + CRLF).encode("utf-8")


# ---------------------------------------------------------------------------------------------------
# The sail-weaving factory of Enbesa

FACTORY_FOLDER = "Segelweberei Enbesa"
FACTORY_MODEL = "factory_colony_01_02"


def factory_assets_xml():
    guid = 2000500110
    model = f"data/graphics/en/{FACTORY_MODEL}.cfg"
    values = E(
        "Values",
        E("Standard", T("GUID", guid), T("Name", "factory_09 (Sailcloth Factory)"),
          T("IconFilename", "data/icons/icon_sail_factory.png"), T("InfoDescription", 2000500111)),
        E("Building", T("BuildingCategoryName", 11151), T("TerrainType", "Land"), T("AssociatedRegions", "Africa")),
        E("Blocking", T("HasBuildingBaseTiles", 1)),
        costs([(1010017, 500), (114356, 8), (1010205,), (1010218,), (1010207,), (1010202,)]),
        E("Object", E("Variations", E("Item", T("Filename", model)))),
        E("Mesh"),
        E("Selection", T("ParticipantMessageArcheType", "Africa_Resident_tier01_atWork")),
        E("Text", E("LocaText", E("English", T("Text", "Sailcloth Factory"), T("Status", "Exported"),
                                  T("ExportCount", 1))), T("LineID", 7018)),
        E("Constructable"),
        E("Locked"),
        E("SoundEmitter", E("ActiveSounds", sound_item(200896)), E("BuildingRuined", sound_item(203848)),
          E("BuildingRepaired", sound_item(203866))),
        E("FeedbackController"),
        E("Infolayer"),
        E("UpgradeList"),
        E("Factory7"),
        E("FactoryBase",
          E("FactoryInputs", E("Item", T("Product", 114391), T("Amount", 1), T("StorageAmount", 6))),
          E("FactoryOutputs", E("Item", T("Product", 1010210), T("Amount", 1), T("StorageAmount", 6))),
          T("CycleTime", 15)),
        E("LogisticNode"),
        E("AmbientMoodProvider", T("Murmur", "Workshop")),
        maintenance([(1010017, 75, 38), (114340, 50)]),
        E("Attackable", T("MaximumHitPoints", 2500), T("SelfHealPerHealTick", 5), T("MoralePower", 20)),
        E("Pausable"),
        E("IncidentInfectable"),
        E("Industrializable"),
        E("QuestObject"),
        E("Electrifiable"),
    )
    comments = [
        " Marvessa Spantora - Segelweberei Enbesa: webt Segeltuch aus dem Leinen Enbesas ",
        " statt aus Baumwollstoff. Wahlweise Mod; das Programm setzt oder entfernt den Ordner als Ganzes. ",
    ]
    root = E("ModOps",
             E("ModOp", E("Asset", T("Template", "FactoryBuilding7"), values),
               attrs=[("GUID", 1010288), ("Type", "addNextSibling")]),
             trigger(2000500115, "UNLOCK edited Shipyard", 114329, 150, "UnlockAssets", guid),
             trigger(2000500116, "UNLOCK edited Shipyard", 114329, 50, "UnhideAssets", guid),
             menu_entry(114555, 117870, guid),
             menu_entry(119014, 117870, guid))
    return xml_bytes(comments, root, "  ")


# ---------------------------------------------------------------------------------------------------


def write(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def yard_icon_names(y):
    names = ["icon_sail_shipyard_0" if y["sail"] else "icon_steam_shipyard_0"]
    if y["extra_icon"]:
        names.append(y["extra_icon"])
    return names


def write_yard(folder, y, pictures):
    write(folder / "data/config/export/main/asset/assets.xml", yard_assets_xml(y))
    write(folder / "data/config/gui/texts_german.xml",
          texts_xml([(y["name_guid"], "Neue Segelschiffswerft" if y["sail"] else "Neue Dampfschiffswerft"),
                     (y["desc_guid"], SAIL_TEXT if y["sail"] else STEAM_TEXT)]))
    write(folder / "modinfo.json",
          modinfo_json(y["mod_id"], y["mod_name"], "Building", YARD_DESCRIPTION, YARD_KNOWN_ISSUE, y["dlc"],
                       pictures.modinfo_png))
    model = "harbor_02" if y["sail"] else "harbor_03"
    graphics = folder / "data/graphics" / y["region"]
    for ext in (".bfg", ".cfg", ".fc", ".ifo"):
        write(graphics / (model + ext), placeholder_asset(model + ext))
    for level in range(5):
        name = f"diff_{level}.dds" if y["sail"] else f"harbor_03_diff_{level}.dds"
        write(graphics / "maps" / name, placeholder_texture(16 >> level))
    for name, icon in pictures.icons.items():
        write(folder / "data/icon" / (name + ".png"), icon.png)
        write(folder / "data/icon" / (name + ".dds"), icon.dds)


def write_factory(folder, pictures):
    write(folder / "data/config/export/main/asset/assets.xml", factory_assets_xml())
    write(folder / "data/config/gui/texts_german.xml",
          texts_xml([(2000500110, "Segelweberei"),
                     (2000500111, "Die Segelweberei in Enbesa verwendet statt Baumwollstoff Leinen der heimischen "
                                  "Produktion.")]))
    write(folder / "modinfo.json",
          modinfo_json(FACTORY_FOLDER, FACTORY_FOLDER, "Spantora",
                       "Die Segelweberei Enbasea produziert für die Segelschiffswerft Segeltuch aus Leinen.",
                       None, True, pictures.modinfo_png))
    graphics = folder / "data/graphics/en"
    for ext in (".cfg", ".fc", ".ifo"):
        write(graphics / (FACTORY_MODEL + ext), placeholder_asset(FACTORY_MODEL + ext))
    for suffix in ("diff_0", "diff_1", "norm_0", "norm_1", "metal_0", "metal_1"):
        name = f"{FACTORY_MODEL}_{suffix}.dds"
        write(graphics / "maps" / name, placeholder_texture(16 if suffix.endswith("0") else 8))
    for name in (f"{FACTORY_MODEL}_idle.rdm", f"{FACTORY_MODEL}_work.rdm"):
        write(graphics / "animations" / name, placeholder_asset(name))
    for name in (f"{FACTORY_MODEL}_lod0.rdm", f"{FACTORY_MODEL}_lod1.rdm"):
        write(graphics / "meshes" / name, placeholder_asset(name))
    icon = pictures.icons["icon_sail_factory"]
    write(folder / "data/icons/icon_sail_factory.png", icon.png)
    write(folder / "data/icons/icon_sail_factory.dds", icon.dds)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=XMLA, help="target folder (default: data/XMLA)")
    parser.add_argument("--icons", type=Path, default=ICON_DIR, help="folder of the drawn yard pictures")
    args = parser.parse_args()

    # Every picture is read before anything is removed: a missing one changes nothing.
    jobs = [(f"[Spantora] {y['folder']}", lambda f, y=y, p=Pictures(args.icons, f"[Spantora] {y['folder']}",
                                                                    yard_icon_names(y)): write_yard(f, y, p))
            for y in YARDS]
    factory = f"[Spantora] {FACTORY_FOLDER}"
    factory_pictures = Pictures(args.icons, factory, ["icon_sail_factory"])
    jobs.append((factory, lambda f: write_factory(f, factory_pictures)))
    for name, job in jobs:
        shutil.rmtree(args.out / name, ignore_errors=True)
        job(args.out / name)
        print(args.out / name)


if __name__ == "__main__":
    main()
