#!/usr/bin/env python3
"""Writes the XML files of the delivered data directory (data/XMLA).

This script is the source of the delivered ship index, ship records, identifier pools and
reference lists. Change the tables below and run it again; it rewrites the files byte for byte
(declarations, byte-order marks, CR LF and tab indentation as the program expects them).

    python3 data/tools/generate_xmla.py [target-directory]
"""

import os
import sys
from xml.sax.saxutils import escape as _escape

# ---------------------------------------------------------------------------------------------
# Ship identity: the 21 templates in index order.
# (GUID, Name, Icon, Pos, YardPos, Typ, Art, Engine, WorkForce, WorkAmount, ShowInYard)
# ---------------------------------------------------------------------------------------------
SHIPS_INDEX = [
    ("100438", "Schoner", "icon_ship_schooner", "B50", "B50", "Segelschiffe", "TradeShip", "Sail", "15000001", "1", "true"),
    ("100437", "Kanonenboot", "icon_ship_gunboat", "B51", "B51", "Segelschiffe", "WarShip", "Sail", "15000001", "150", "true"),
    ("100439", "Handelsschiff", "icon_ship_merchant", "B52", "B52", "Segelschiffe", "TradeShip", "Sail", "15000002", "1", "true"),
    ("100441", "Klipper", "icon_ship_clipper", "B53", "B53", "Segelschiffe", "TradeShip", "Sail", "15000002", "500", "true"),
    ("100440", "Fregatte", "icon_ship_frigate", "B54", "B54", "Segelschiffe", "WarShip", "Sail", "15000002", "250", "true"),
    ("101121", "Flaggschiff", "icon_ship_flagship", "B55", "B55", "Segelschiffe", "WarShip", "Sail", "15000001", "1", "true"),
    ("150000", "Königl. Linienschiff", "icon_ship_royal_liner", "B55", "B55", "Segelschiffe", "WarShip", "Sail", "15000002", "750", "false"),
    ("160000", "La Corona Linienschiff", "icon_ship_corona_liner", "B55", "B55", "Segelschiffe", "WarShip", "Sail", "15000006", "250", "false"),
    ("102419", "Postschiff", "icon_ship_mail_sailer", "B56", "B56", "Extraschiffe", "TradeShip", "Sail", "15000005", "100", "true"),
    ("102420", "Kaperbrigg", "icon_ship_privateer_brig", "B57", "B57", "Extraschiffe", "WarShip", "Sail", "15000002", "300", "true"),
    ("102421", "Expeditionsbark", "icon_ship_expedition_bark", "B58", "B58", "Extraschiffe", "TradeShip", "Sail", "114329", "100", "true"),
    ("1010062", "Frachtdampfer", "icon_ship_cargo_steamer", "B59", "B59", "Dampfschiffe", "TradeShip", "Steam", "15000003", "1", "true"),
    ("100442", "Panzerkreuzer", "icon_ship_armoured_cruiser", "B60", "B60", "Dampfschiffe", "WarShip", "Steam", "15000003", "300", "true"),
    ("100443", "Schlachtschiff", "icon_ship_battleship", "B61", "B61", "Dampfschiffe", "WarShip", "Steam", "15000004", "100", "true"),
    ("100853", "Öltanker", "icon_ship_oil_tanker", "B62", "B62", "Dampfschiffe", "TradeShip", "Steam", "15000003", "500", "true"),
    ("102422", "Monitor", "icon_ship_monitor", "B63", "B63", "Extraschiffe", "WarShip", "Steam", "15000003", "750", "false"),
    ("102423", "Passagierdampfer", "icon_ship_passenger_steamer", "B64", "B64", "Extraschiffe", "TradeShip", "Steam", "15000004", "200", "true"),
    ("102425", "Eisbrecher", "icon_ship_icebreaker", "B65", "B65", "Extraschiffe", "TradeShip", "Steam", "15000003", "150", "true"),
    ("102428", "Torpedoboot", "icon_ship_torpedo_boat", "B66", "B65", "Extraschiffe", "WarShip", "Steam", "15000003", "400", "true"),
    ("102455", "Postdampfer", "icon_ship_mail_steamer", "B67", "B67", "Extraschiffe", "TradeShip", "Steam", "15000006", "300", "true"),
    ("132404", "Expeditionsdampfer", "icon_ship_expedition_steamer", "B68", "B68", "Extraschiffe", "TradeShip", "Steam", "114330", "150", "true"),
]

# ---------------------------------------------------------------------------------------------
# Game values of the ship records. Speeds and factors are stored decimals ("." as point),
# times in milliseconds. Weapon: (projectile, count, damage, reload or None, range, sight) or
# None for an unarmed ship. Costs: up to seven (product, tons). Expedition: (attribute, amount or
# None) in record order; the propulsion and role perks are added from Engine and Art.
# ---------------------------------------------------------------------------------------------
P_WOOD, P_PLANKS, P_WANZA, P_SAILS, P_LINEN = "120008", "1010196", "114356", "1010210", "114391"
P_BEAMS, P_CANNONS, P_HEAVY, P_ENGINES = "1010218", "1010221", "1010223", "1010224"
P_STEEL, P_BRASS, P_GOLD = "1010219", "1010204", "1010249"
OIL = "1010566"

SHIP_VALUES = {
    # --- sailing ships ---
    "100438": dict(asset="Schooner (Trade)", model="ship_schooner", text=11000438,
        info="Ein kleiner, wendiger Zweimaster für den Küstenhandel. Er ist günstig zu bauen und "
             "bringt die ersten Waren zwischen den Inseln sicher ans Ziel.",
        speed="4.4", accel="2", decel="4", turn="30", cargo_factor="0.8", session="1",
        military=0, trade=1, hp=1000, heal="0.5", heal_pause=60000, weapon=None,
        slots=2, stack=50, sockets=1, costs=[(P_PLANKS, 20), (P_SAILS, 10)], influence=2,
        crafting=90000, maintenance=20, morale=None,
        expedition=[("Might", None), ("Navigation", 20)]),
    "100437": dict(asset="Gunboat (War)", model="ship_gunboat", text=11000437,
        info="Ein leichtes Kriegsschiff mit zwei Kanonen. Es schützt Handelswege und Küsten "
             "und ist schon früh verfügbar.",
        speed="4.8", accel="2", decel="4", turn="35", cargo_factor="1", session="1",
        military=1, trade=0, hp=2000, heal="0.8", heal_pause=60000,
        weapon=("102277", 2, 105, 50, 40, 100),
        slots=1, stack=50, sockets=1, costs=[(P_PLANKS, 20), (P_SAILS, 10), (P_CANNONS, 10)],
        influence=4, crafting=120000, maintenance=40, morale=80,
        expedition=[("Might", 25), ("Melee", 15), ("Navigation", 10)]),
    "100439": dict(asset="Merchant Ship (Trade)", model="ship_merchant", text=11000439,
        info="Das bauchige Handelsschiff ist langsam, fasst aber viermal so viel Ladung wie "
             "ein Schoner. Das Rückgrat jeder Handelsflotte.",
        speed="3.8", accel="1.5", decel="3", turn=None, cargo_factor="0.7", session="1",
        military=0, trade=2, hp=1800, heal="0.5", heal_pause=60000, weapon=None,
        slots=4, stack=50, sockets=2, costs=[(P_PLANKS, 30), (P_SAILS, 20)], influence=4,
        crafting=120000, maintenance=50, morale=None,
        expedition=[("Navigation", 15), ("Diplomacy", 10), ("Crafting", 10)]),
    "100441": dict(asset="Clipper (Trade)", model="ship_clipper", text=11000441,
        info="Der schnellste Segler der Flotte. Mit seinen schlanken Linien und der großen "
             "Segelfläche eignet er sich für weite Handelsrouten.",
        speed="6", accel="2.5", decel="4", turn="30", cargo_factor="0.8", session="1.5",
        military=0, trade=2, hp=1500, heal="0.5", heal_pause=60000, weapon=None,
        slots=3, stack=50, sockets=2, costs=[(P_PLANKS, 40), (P_SAILS, 30)], influence=6,
        crafting=150000, maintenance=75, morale=None,
        expedition=[("Navigation", 40), ("Diplomacy", 10)]),
    "100440": dict(asset="Frigate (War)", model="ship_frigate", text=11000440,
        info="Die Fregatte ist schnell und gut bewaffnet. Sie jagt Piraten und begleitet "
             "Handelsschiffe durch unsichere Gewässer.",
        speed="5.2", accel="2", decel="4", turn="30", cargo_factor="0.9", session="1.2",
        military=2, trade=0, hp=3500, heal="1", heal_pause=60000,
        weapon=("101974", 4, 150, 45, 45, 100),
        slots=2, stack=50, sockets=2, costs=[(P_PLANKS, 40), (P_SAILS, 30), (P_CANNONS, 20)],
        influence=8, crafting=180000, maintenance=100, morale=100,
        expedition=[("Might", 40), ("Melee", 25), ("Navigation", 20)]),
    "101121": dict(asset="Flagship", model="ship_flagship", text=11001121,
        info="Das Flaggschiff führt Ihre Flotte an. Es ist robust, ordentlich bewaffnet und "
             "bietet Platz für mehrere Items.",
        speed="4.6", accel="2", decel="4", turn=None, cargo_factor="0.9", session="1",
        military=2, trade=1, hp=6000, heal="1.5", heal_pause=45000,
        weapon=("102032", 4, 180, 45, 45, 100),
        slots=4, stack=50, sockets=3, costs=[(P_PLANKS, 50), (P_SAILS, 40), (P_CANNONS, 30), (P_GOLD, 10)],
        influence=10, crafting=300000, maintenance=50, morale=100,
        expedition=[("Might", 30), ("Navigation", 30), ("Diplomacy", 20), ("Faith", 10)]),
    "150000": dict(asset="Royal Ship of the Line (War)", model="ship_royal_liner", text=11150000,
        info="Das königliche Linienschiff trägt drei Batteriedecks. Es ist langsam, aber "
             "jedem anderen Segelschiff im Gefecht überlegen.",
        speed="4.2", accel="1.5", decel="3", turn=None, cargo_factor="1", session="1",
        military=5, trade=0, hp=8000, heal="2", heal_pause=60000,
        weapon=("102285", 6, 200, 50, 50, 100),
        slots=2, stack=50, sockets=4,
        costs=[(P_PLANKS, 80), (P_SAILS, 60), (P_CANNONS, 50), (P_GOLD, 20), (P_BRASS, 20)],
        influence=20, crafting=420000, maintenance=400, morale=100,
        expedition=[("Might", 70), ("Melee", 50), ("Navigation", 20)]),
    "160000": dict(asset="La Corona Ship of the Line (War)", model="ship_corona_liner", text=11160000,
        info="Das Linienschiff der Krone der Neuen Welt. Schwer bewaffnet und prachtvoll "
             "verziert, ein Zeichen von Macht und Reichtum.",
        speed="4.2", accel="1.5", decel="3", turn=None, cargo_factor="1", session="1",
        military=5, trade=0, hp=8000, heal="2", heal_pause=60000,
        weapon=("102285", 6, 210, 50, 50, 100),
        slots=2, stack=50, sockets=4, costs=[(P_PLANKS, 80), (P_SAILS, 60), (P_CANNONS, 50), (P_GOLD, 25)],
        influence=20, crafting=420000, maintenance=350, morale=100,
        expedition=[("Might", 65), ("Melee", 45), ("Diplomacy", 20), ("Faith", 15)]),
    "102419": dict(asset="Mail Sailer (Trade)", model="ship_mail_sailer", text=11102419,
        info="Ein flinkes Postschiff aus der Neuen Welt. Es bringt kleine Ladungen schnell "
             "von Insel zu Insel.",
        speed="5.6", accel="2.5", decel="4", turn="35", cargo_factor="0.8", session="1.5",
        military=0, trade=1, hp=1200, heal="0.5", heal_pause=60000, weapon=None,
        slots=2, stack=50, sockets=2, costs=[(P_WOOD, 20), (P_PLANKS, 25), (P_SAILS, 15)],
        influence=3, crafting=90000, maintenance=30, morale=None,
        expedition=[("Navigation", 30), ("Diplomacy", 15)]),
    "102420": dict(asset="Privateer Brig (War)", model="ship_privateer_brig", text=11102420,
        info="Die Kaperbrigg ist schnell und angriffslustig. Mit ihren Kanonen bringt sie "
             "feindliche Handelsschiffe auf.",
        speed="5.4", accel="2.5", decel="4", turn="35", cargo_factor="0.9", session="1.2",
        military=2, trade=0, hp=2500, heal="1", heal_pause=60000,
        weapon=("101974", 3, 130, 40, 40, 90),
        slots=2, stack=50, sockets=2, costs=[(P_PLANKS, 35), (P_SAILS, 25), (P_CANNONS, 15)],
        influence=6, crafting=150000, maintenance=80, morale=90,
        expedition=[("Might", 35), ("Melee", 30), ("Hunting", 10)]),
    "102421": dict(asset="Expedition Bark (Trade)", model="ship_expedition_bark", text=11102421,
        info="Eine seetüchtige Bark aus Wanzaholz und Leinen. Sie ist für lange Expeditionen "
             "ausgerüstet und hat Platz für drei Items.",
        speed="4.6", accel="2", decel="4", turn=None, cargo_factor="0.8", session="1.2",
        military=0, trade=1, hp=1600, heal="0.8", heal_pause=60000, weapon=None,
        slots=3, stack=50, sockets=3, costs=[(P_WANZA, 30), (P_LINEN, 20), (P_PLANKS, 20)],
        influence=4, crafting=120000, maintenance=60, morale=80,
        expedition=[("Navigation", 30), ("Hunting", 20), ("Medicine", 15), ("Faith", 10)]),
    # --- steamships ---
    "1010062": dict(asset="Cargo Steamer (Trade)", model="ship_cargo_steamer", text=11010062,
        info="Der erste Dampfer der Flotte. Er ist unabhängig vom Wind und fasst sechs "
             "Ladungen.",
        speed="5.2", accel="3", decel="5", turn="40", cargo_factor="0.9", session="1.5",
        military=0, trade=2, hp=3000, heal="1", heal_pause=60000, weapon=None,
        slots=6, stack=100, sockets=2, costs=[(P_STEEL, 40), (P_ENGINES, 10), (P_PLANKS, 20)],
        influence=6, crafting=180000, maintenance=300, morale=None,
        expedition=[("Navigation", 25), ("Crafting", 15)]),
    "100442": dict(asset="Armoured Cruiser (War)", model="ship_armoured_cruiser", text=11000442,
        info="Ein gepanzerter Kreuzer mit schweren Geschützen. Er ist schnell genug, um "
             "jeden Segler einzuholen.",
        speed="7", accel="3", decel="5", turn="40", cargo_factor="1", session="1.5",
        military=4, trade=0, hp=7500, heal="2", heal_pause=45000,
        weapon=("102267", 4, 300, 40, 55, 100),
        slots=3, stack=100, sockets=3,
        costs=[(P_STEEL, 60), (P_BEAMS, 40), (P_ENGINES, 20), (P_HEAVY, 20)],
        influence=12, crafting=300000, maintenance=600, morale=100,
        expedition=[("Might", 55), ("Melee", 30), ("Navigation", 25)]),
    "100443": dict(asset="Battleship (War)", model="ship_battleship", text=11000443,
        info="Das Schlachtschiff ist die stärkste Einheit auf See. Seine schweren Geschütze "
             "reichen weit, sein Unterhalt ist entsprechend teuer.",
        speed="6.2", accel="2.5", decel="5", turn=None, cargo_factor="1", session="1.5",
        military=6, trade=0, hp=12000, heal="3", heal_pause=45000,
        weapon=("102033", 6, 400, 45, 60, 100),
        slots=2, stack=100, sockets=4,
        costs=[(P_STEEL, 100), (P_BEAMS, 60), (P_ENGINES, 30), (P_HEAVY, 40), (P_BRASS, 20)],
        influence=20, crafting=480000, maintenance=1200, morale=100,
        expedition=[("Might", 80), ("Melee", 50), ("Navigation", 20)]),
    "100853": dict(asset="Oil Tanker (Trade)", model="ship_oil_tanker", text=11000853,
        info="Der Öltanker befördert ausschließlich Öl. Seine Tanks fassen eine große Menge, "
             "andere Waren kann er nicht laden.",
        speed="4.8", accel="2.5", decel="4", turn="40", cargo_factor="0.8", session="1.5",
        military=0, trade=2, hp=4000, heal="1", heal_pause=60000, weapon=None,
        slots=1, stack=250, sockets=2, costs=[(P_STEEL, 60), (P_BEAMS, 30), (P_ENGINES, 20)],
        influence=10, crafting=240000, maintenance=500, morale=None, fixed_cargo=OIL,
        expedition=[("Navigation", 20), ("Crafting", 20)]),
    "102422": dict(asset="Monitor (War)", model="ship_monitor", text=11102422,
        info="Ein flacher, schwer gepanzerter Küstenschutz mit einem drehbaren Geschützturm. "
             "Langsam, aber kaum zu versenken.",
        speed="4.2", accel="2", decel="4", turn="30", cargo_factor="1", session="1",
        military=5, trade=0, hp=10000, heal="2.5", heal_pause=45000,
        weapon=("102033", 2, 600, 60, 70, 100),
        slots=1, stack=100, sockets=3,
        costs=[(P_STEEL, 80), (P_BEAMS, 50), (P_ENGINES, 20), (P_HEAVY, 50)],
        influence=16, crafting=420000, maintenance=900, morale=100,
        expedition=[("Might", 75), ("Melee", 40)]),
    "102423": dict(asset="Passenger Steamer (Trade)", model="ship_passenger_steamer", text=11102423,
        info="Ein eleganter Dampfer für Reisende und Güter. Er verbindet die Regionen schnell "
             "und bequem.",
        speed="7.5", accel="3", decel="5", turn="40", cargo_factor="0.9", session="2",
        military=0, trade=3, hp=3500, heal="1", heal_pause=60000, weapon=None,
        slots=4, stack=100, sockets=3,
        costs=[(P_STEEL, 50), (P_PLANKS, 40), (P_ENGINES, 15), (P_BRASS, 20)],
        influence=8, crafting=240000, maintenance=400, morale=None,
        expedition=[("Diplomacy", 35), ("Medicine", 20), ("Navigation", 15)]),
    "102425": dict(asset="Icebreaker (Trade)", model="ship_icebreaker", text=11102425,
        info="Der verstärkte Rumpf des Eisbrechers hält viel aus. Er ist für Fahrten in "
             "raue und eisige Gewässer gebaut.",
        speed="5.5", accel="2", decel="5", turn=None, cargo_factor="1", session="1.5",
        military=0, trade=2, hp=5000, heal="1.5", heal_pause=60000, weapon=None,
        slots=4, stack=100, sockets=3, costs=[(P_STEEL, 80), (P_BEAMS, 40), (P_ENGINES, 25)],
        influence=10, crafting=240000, maintenance=450, morale=90,
        expedition=[("Navigation", 35), ("Hunting", 20), ("Crafting", 15)]),
    "102428": dict(asset="Torpedo Boat (War)", model="ship_torpedo_boat", text=11102428,
        info="Klein, schnell und gefährlich: Das Torpedoboot greift aus kurzer Entfernung an "
             "und zieht sich ebenso schnell wieder zurück.",
        speed="9", accel="4", decel="6", turn="45", cargo_factor="1", session="2",
        military=3, trade=0, hp=4500, heal="1.5", heal_pause=45000,
        weapon=("102267", 2, 500, None, 35, 80),
        slots=2, stack=100, sockets=2,
        costs=[(P_STEEL, 50), (P_BEAMS, 20), (P_ENGINES, 20), (P_HEAVY, 20)],
        influence=12, crafting=240000, maintenance=500, morale=90,
        expedition=[("Might", 50), ("Melee", 20), ("Navigation", 25)]),
    "102455": dict(asset="Mail Steamer (Trade)", model="ship_mail_steamer", text=11102455,
        info="Der Postdampfer ist auf Geschwindigkeit gebaut. Er wechselt die Regionen "
             "schneller als jedes andere Schiff.",
        info_pristine="Der Postdampfer ist auf Geschwindigkeit gebaut.",
        speed="8", accel="3.5", decel="5", turn="40", cargo_factor="0.9", session="2",
        military=0, trade=2, hp=3000, heal="1", heal_pause=60000, weapon=None,
        slots=5, stack=100, sockets=3, costs=[(P_STEEL, 40), (P_PLANKS, 30), (P_ENGINES, 15)],
        influence=6, crafting=180000, maintenance=350, morale=None,
        expedition=[("Navigation", 35), ("Diplomacy", 20)]),
    "132404": dict(asset="Expedition Steamer (Trade)", model="ship_expedition_steamer", text=11132404,
        info="Ein kräftiger Dampfer für lange Expeditionen. Er bietet Platz für vier Items "
             "und eine große Mannschaft.",
        speed="6.24", accel="3", decel="5", turn=None, cargo_factor="0.9", session="1.5",
        military=1, trade=1, hp=4000, heal="1.5", heal_pause=60000, weapon=None,
        slots=4, stack=100, sockets=4,
        costs=[(P_STEEL, 60), (P_BEAMS, 30), (P_ENGINES, 20), (P_LINEN, 20)],
        influence=10, crafting=240000, maintenance=500, morale=100,
        expedition=[("Navigation", 40), ("Medicine", 25), ("Hunting", 20), ("Faith", 15), ("Crafting", 10)]),
}

CRLF = "\r\n"
BOM = "\ufeff"


def esc(text):
    return _escape(text, {'"': "&quot;"})


def write(target, name, text):
    path = os.path.join(target, name)
    with open(path, "wb") as f:
        f.write(text.encode("utf-8"))


def ship_short():
    lines = ['<?xml version="1.0"?>', "<Ships>"]
    for (guid, name, icon, pos, yard_pos, typ, art, engine, wf, wa, show) in SHIPS_INDEX:
        attrs = [
            ("GUID", guid), ("Name", name), ("Icon", icon), ("Changed", "false"), ("Exported", "true"),
            ("Pos", pos), ("Typ", typ), ("Art", art), ("Engine", engine), ("New", "false"),
            ("WorkForce", wf), ("WorkAmount", wa), ("YardPos", yard_pos), ("OnBuild", ""),
            ("InfoGUID", ""), ("TriggerGUID", ""), ("IsMod", "false"), ("OnAW", ""), ("OnNW", ""),
            ("OnEN", ""), ("ShowInYard", show),
        ]
        lines.append("\t<Ship " + " ".join('%s="%s"' % (k, esc(v)) for k, v in attrs) + " />")
    lines.append("</Ships>")
    return CRLF.join(lines) + CRLF


# ---------------------------------------------------------------------------------------------
# Ship records (ShipFull.xml, ShipFullORG.xml)
# An element is (name, text) or (name, [children]); (name, None) is an empty element.
# ---------------------------------------------------------------------------------------------
def el(name, content=None):
    if isinstance(content, int):
        content = str(content)
    return (name, content)


def render_element(node, depth, out):
    name, content = node
    pad = "\t" * depth
    if content is None or content == "" or content == []:
        out.append("%s<%s />" % (pad, name))
    elif isinstance(content, str):
        out.append("%s<%s>%s</%s>" % (pad, name, esc(content), name))
    else:
        out.append("%s<%s>" % (pad, name))
        for child in content:
            render_element(child, depth + 1, out)
        out.append("%s</%s>" % (pad, name))


def ship_record(guid, pristine):
    idx = next(row for row in SHIPS_INDEX if row[0] == guid)
    _, _, icon, _, _, _, art, engine, workforce, workamount, _ = idx
    v = SHIP_VALUES[guid]
    sail = engine == "Sail"
    armed = v["weapon"] is not None
    propulsion = "SailShip" if sail else "SteamShip"
    info = v.get("info_pristine", v["info"]) if pristine else v["info"]

    standard = el("Standard", [
        el("GUID", guid), el("Name", v["asset"]),
        el("IconFilename", "data/icon/%s.png" % icon),
        el("InfoDescription", v["text"]), el("InfoText", info),
        el("WorkForce", workforce), el("WorkInt", workamount),
    ])
    obj = el("Object", [el("Variations", [el("Item", [
        el("Filename", "data/graphics/vehicle/%s/%s.cfg" % (v["model"], v["model"]))])])])
    mesh = el("Mesh", [el("IsShadowCaster", 1), el("LodDistances", [el("Item", 120), el("Item", 320)])])
    selection = el("Selection", [
        el("ParticipantMessageArcheType", "Ship"),
        el("Colors", [el("WeakSelectionColorType", "Ship")]),
    ])
    walking = [el("ForwardSpeed", v["speed"]), el("Acceleration", v["accel"]), el("Deceleration", v["decel"])]
    if v["turn"] is not None:
        walking.append(el("TurnSpeedInPlace", v["turn"]))
    walking += [el("RotationAcceleration", "2"), el("CargoFullFactor", v["cargo_factor"]),
                el("SessionTransferSpeedFactor", v["session"]), el("HeightAdaptationMode", "Water")]
    walking = el("Walking", walking)
    text = el("Text", [
        el("LocaText", [el("English", [el("Text", v["asset"]), el("Status", "Exported"), el("ExportCount", 1)])]),
        el("LineID", v["text"]),
    ])
    command_queue = el("CommandQueue", [
        el("MilitaryShipPoints", v["military"]), el("TradeShipPoints", v["trade"]), el("MaxQueueLength", 8)])
    drifting = el("Drifting", [el("DriftSpeed", "0.4"), el("DriftRotationSpeed", "3")])
    collector = el("Collector", [el("CollectRadius", 12), el("CollectableTypes", "Flotsam;Treasure")])
    attackable = el("Attackable", [
        el("AttackableType", "Ship"),
        el("MaximumHitPoints", v["hp"]),
        el("SelfHealPerHealTick", v["heal"]),
        el("SelfHealPausedTimeIfAttacked", v["heal_pause"]),
        el("SinkingDuration", 12000),
        el("WeaponSet", "1" if armed else "0"),
    ])
    if armed:
        projectile, count, damage, reload, attack_range, sight = v["weapon"]
        attacker = [el("ProjectileAsset", projectile), el("ProjectileCount", count), el("BaseDamage", damage)]
        if reload is not None:
            attacker.append(el("ReloadTime", reload))
        attacker += [el("AttackRange", attack_range), el("LineOfSightRange", sight)]
    else:
        attacker = [el(n, "0") for n in ("ProjectileAsset", "ProjectileCount", "BaseDamage", "ReloadTime",
                                         "AttackRange", "LineOfSightRange")]
    attacker = el("Attacker", attacker)
    minimap = el("MinimapToken", [el("MinimapSceneIcon", "Ship"), el("ScaleWithZoom", 1)])
    sound = el("SoundEmitter", [el("ActiveSounds", [el("Item", [el("Sound", 200712 if sail else 200714)])]),
                                el("IdleSounds", [el("Item", [el("Sound", 200716)])])])
    upgrades = el("UpgradeList", [el("UpgradeTargets", [el("Item", [el("Target", "Ship")]),
                                                        el("Item", [el("Target", propulsion)])])])
    quest = el("QuestObject", [el("IsQuestTarget", 1)])
    infolayer = el("Infolayer", [el("InfolayerRadius", 20)])
    allocation = ("Ship;TradeShip;Warship;" + propulsion) if armed else ("Ship;%s;%s" % (art, propulsion))
    container = [el("SocketCount", v["sockets"]), el("SlotCount", v["slots"]), el("StackLimit", v["stack"]),
                 el("SocketAllocation", allocation)]
    if v.get("fixed_cargo"):
        container.append(el("FixedSlotContent", [el("Item", [el("Product", v["fixed_cargo"])])]))
    container = el("ItemContainer", container)
    feedback = el("FeedbackController", [el("FeedbackConfig", "ShipCrew")])
    draggable = el("Draggable", [el("DragThreshold", 8)])
    cost = [el("Costs", [el("Item", [el("Ingredient", g), el("Amount", a)]) for g, a in v["costs"]])]
    if guid != "101121":
        cost.append(el("InfluenceCostType", art))
    cost.append(el("InfluenceCostPoints", v["influence"]))
    cost = el("Cost", cost)
    craftable = el("Craftable", [el("CraftingTime", v["crafting"]), el("CraftingCategory", "Ship")])
    trade_route = el("TradeRouteVehicle", [el("TransportationType", "Normal"), el("LoadingSpeedFactor", "1")])
    locked = el("Locked", [el("DefaultLockedState", 1)])
    nameable = el("Nameable", [el("NamePool", "SailShipNames" if sail else "SteamShipNames")])
    persistent = el("MetaPersistent", [el("PersistenceType", "Session")])
    expedition = []
    if v["morale"] is not None:
        expedition.append(el("BaseMorale", v["morale"]))
    items = []
    for attribute, amount in v["expedition"]:
        item = [el("Attribute", attribute)]
        if amount is not None:
            item.append(el("Amount", amount))
        items.append(el("Item", item))
    items.append(el("Item", [el("Attribute", "PerkSailingShip" if sail else "PerkSteamShip"), el("Amount", 1)]))
    if guid != "101121":
        role = "PerkMilitaryShip" if art == "WarShip" else "PerkTradeShip"
        items.append(el("Item", [el("Attribute", role), el("Amount", 1)]))
    expedition.append(el("ExpeditionAttributes", items))
    expedition = el("ExpeditionAttribute", expedition)
    maintenance = el("ShipMaintenance", [el("Maintenance", v["maintenance"]), el("IdleMaintenanceFactor", "0.5")])
    sellable = el("Sellable", [el("SellPriceFactor", "0.5")])
    stance = el("Stance", [el("DefaultStance", "Aggressive" if armed else "Passive")])
    rentable = el("Rentable", [el("CanBeRented", 1)])
    world_map = el("WorldMapSound", [el("MoveSound", 201330 if sail else 201332)])
    pausable = el("Pausable")
    incident = el("ShipIncident", [el("CanCatchFire", 1), el("CanSpreadDisease", 1 if sail else 0)])
    barks = el("SoundEmitterCommandBarks", [el("BarkSet", "Ship_" + engine)])

    blocks = [standard, obj, mesh, selection, walking, text, command_queue, drifting, collector, attackable]
    if art == "WarShip":
        blocks.append(attacker)
    blocks += [minimap, sound, upgrades, quest, infolayer, container, feedback, draggable, cost, craftable,
               trade_route, locked, nameable, persistent, expedition, maintenance, sellable, stance, rentable,
               world_map, pausable, incident, barks]
    if art != "WarShip":
        blocks.append(attacker)
    return el("Asset", [el("Template", art), el("Values", blocks)])


def ship_full(pristine):
    out = ['<?xml version="1.0"?>', '<AssetList xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">']
    for row in SHIPS_RECORD_ORDER:
        render_element(ship_record(row, pristine), 1, out)
    out.append("</AssetList>")
    return CRLF.join(out) + CRLF


# Records in ascending GUID order, as the game's asset export lists them.
SHIPS_RECORD_ORDER = sorted((row[0] for row in SHIPS_INDEX), key=int)


# ---------------------------------------------------------------------------------------------
# Identifier pools
# ---------------------------------------------------------------------------------------------
POOLS = [
    ("NewShipGUIDS.xml", 2000501100, {}),
    ("NewTextGUIDS.xml", 2000501200, {}),
    # Four trigger numbers were spent before delivery and must never be handed out.
    ("NewTriggerGUIDS.xml", 2000501300, {
        2000501300: ("burned", "2000501100"),
        2000501301: ("Yes", "2000501100"),
        2000501302: ("burned", "2000501101"),
        2000501303: ("burned", "2000501102"),
    }),
]
POOL_SIZE = 100


def pool(first, taken):
    out = ['<?xml version="1.0" encoding="UTF-8"?>', "<GUID>"]
    for number in range(first, first + POOL_SIZE):
        state, owner = taken.get(number, ("No", "0"))
        out.append('\t<GUID GUID="%d" IsUsed="%s" OrgGuid="%s" />' % (number, state, owner))
    out.append("</GUID>")
    return CRLF.join(out) + CRLF


# ---------------------------------------------------------------------------------------------
# Reference lists
# ---------------------------------------------------------------------------------------------
PRODUCTS = [
    ("1010017", "Münzen", "icon_resource_money_4_0", "Ship"),
    ("120008", "Holz", "icon_wood_log_0", "Ship"),
    ("1010196", "Bretter", "icon_wooden_planks_0", "Ship"),
    ("114356", "Wanzaholz", "icon_wansa_wood_0", "Ship"),
    ("1010210", "Segel", "icon_sail_0", "Ship"),
    ("114391", "Leinen", "icon_linen_fabric_0", "Ship"),
    ("1010218", "Stahlträger", "icon_beams_0", "Ship"),
    ("1010221", "Kanonen", "icon_weapons_0", "Ship"),
    ("1010223", "Schwere Geschütze", "icon_advanced_weaponry_0", "Ship"),
    ("1010224", "Dampfmaschinen", "icon_steam_machine_0", "Ship"),
    ("1010219", "Stahl", "icon_steel_0", "Ship"),
    ("1010204", "Messing", "icon_brass_0", "Ship"),
    ("1010249", "Goldbarren", "icon_gold_0", "Ship"),
    ("0000000", "Baukosten entfernen", "icon_cross_0", "Ship"),
    ("0", "keine Auswahl", "NoProduct", "notAllowed "),  # the trailing blank belongs to the data
]

PROJECTILES = [
    ("0", "keine Auswahl"),
    ("102277", "Kanone, sehr leicht"),
    ("101974", "Kanone, leicht"),
    ("102032", "Kanone, normal "),  # the trailing blank belongs to the data
    ("102285", "Kanone, mittel"),
    ("102267", "Kanone, schwer"),
    ("102033", "Kanone, sehr schwer"),
    ("102405", "Flammenwerfer"),
]


def product_list():
    out = ['<?xml version="1.0" encoding="UTF-8"?>', "<Productlist>"]
    for position, (guid, name, icon, category) in enumerate(PRODUCTS, start=1):
        out.append('\t<Product GUID="%s" Name="%s" Icon="%s" Category="%s" Position="%d" />'
                   % (guid, esc(name), icon, category, position))
    out.append("</Productlist>")
    return BOM + CRLF.join(out) + CRLF


def projectile_list():
    out = ['<?xml version="1.0" encoding="UTF-8"?>', "<Projectiles>"]
    for pos, (guid, name) in enumerate(PROJECTILES):
        out.append('\t<Projectile GUID="%s" Name="%s" Pos="%d" />' % (guid, esc(name), pos))
    out.append("</Projectiles>")
    return BOM + CRLF.join(out) + CRLF


# ---------------------------------------------------------------------------------------------
# Context help of the main window (Help.xml): (GUID, Header, Text1, Text2, Text3), grouped by
# the area of the window they belong to. A string starting with "#" is a comment line.
# ---------------------------------------------------------------------------------------------
HELP = [
    "# Leerer Eintrag: löscht den Hilfebereich",
    ("0", "", "", "", ""),
    "# Schiffsauswahl und Datenbereich",
    ("200", "Schiffstypenauswahl",
     "Wählen Sie hier die Schiffsgruppe, deren Schiffe in der Liste daneben angezeigt werden: Segelschiffe, "
     "Dampfschiffe, Extraschiffe oder Ihre selbst erstellten Schiffe.",
     "Die ersten drei Gruppen enthalten die Schiffsvorlagen des Spiels. Vorlagen lassen sich nicht verändern, "
     "sie dienen aber als Grundlage für neue Schiffe.",
     ""),
    ("201", "Schiffsvorlagenauswahl",
     "Diese Liste zeigt alle Schiffe der gewählten Gruppe. Ein Klick auf ein Schiff zeigt seine Werte im "
     "Datenbereich an.",
     "Aktivierte Schiffe erkennen Sie am Stern in ihrem Bild.",
     ""),
    ("202", "Schiffsdaten",
     "Der Datenbereich zeigt alle Werte des ausgewählten Schiffes, verteilt auf fünf Seiten, zwischen denen "
     "Sie mit den Schaltern darüber wechseln.",
     "Bei Vorlagen (beiger Hintergrund) können Sie die Werte nur ansehen. Neue Schiffe (dunkelroter "
     "Hintergrund) bearbeiten Sie direkt hier.",
     "Eine kleine Markierung neben einem Feld zeigt an, dass der Wert von der Vorlage abweicht."),
    "# Befehle",
    ("203", "Neues Schiff erstellen",
     "Dieser Schalter erzeugt aus der ausgewählten Schiffsvorlage ein neues Schiff, das Sie unmittelbar nach "
     "Erzeugung im Datenbereich bearbeiten können.",
     "Den Status des aktuell ausgewählten Schiffes visualisiert der Hintergrund der Schiffsdatenanzeige. "
     "(dunkelrot=bearbeiten, beige=nicht bearbeiten)",
     ""),
    ("204", "Speichern",
     "Speichert Ihre Änderungen am neuen Schiff. Wenn Sie Änderungen nicht speichern gehen diese verloren.",
     "Die gespeicherten Änderungen werden auch in das aktivierte Schiff im Mods-Verzeichnis übertragen, "
     "sofern das Schiff bereits aktiviert ist.",
     ""),
    ("205", "Schiff aktivieren",
     "Aktiviert das ausgewählte neue Schiff: Es wird als Mod in das Mods-Verzeichnis des Spiels geschrieben "
     "und steht nach dem nächsten Spielstart zur Verfügung.",
     "Damit das Schiff im Spiel gebaut werden kann, weisen Sie es danach über die Werftzuweisung einer oder "
     "mehreren Werften zu.",
     "Läuft das Spiel gerade, werden die Änderungen erst nach einem Neustart des Spiels wirksam."),
    ("206", "Schiff deaktivieren",
     "Entfernt die Mod des ausgewählten Schiffes aus dem Mods-Verzeichnis. Das Schiff bleibt im Programm "
     "erhalten und kann jederzeit wieder aktiviert werden.",
     "Dabei wird das Schiff auch aus den Baulisten aller Werften genommen.",
     ""),
    ("207", "Werftzuweisung",
     "Öffnet die Auswahl der Spielregionen. Für jede Region legen Sie in einem eigenen Fenster fest, welche "
     "Schiffe ihre Segelschiffswerft und ihre Dampfschiffswerft bauen können.",
     "Jede Werft kann bis zu 18 Schiffe in ihrer Bauliste führen.",
     ""),
    ("208", "Schiff löschen",
     "Löscht das ausgewählte neue Schiff nach einer Sicherheitsabfrage endgültig. Ist das Schiff aktiviert, "
     "wird auch seine Mod aus dem Mods-Verzeichnis entfernt.",
     "", ""),
    "# Schalter der fünf Datenseiten",
    ("300", "Schiffsbasisdaten",
     "Hier legen Sie den Namen und den Beschreibungstext des Schiffes fest.",
     "Außerdem bestimmen Sie, ab welcher Bevölkerungsstufe und ab wie vielen Einwohnern dieser Stufe das "
     "Schiff im Spiel freigeschaltet wird.",
     ""),
    ("301", "Schiffsbaukosten",
     "Diese Seite zeigt die Baukosten des Schiffes: bis zu sieben Waren mit ihrer Menge in Tonnen sowie die "
     "Einflusspunkte.",
     "Mit dem Pfeil neben einer Zeile wählen Sie eine andere Ware aus.",
     ""),
    ("302", "Expeditionen",
     "Die Expeditionsmerkmale bestimmen, wie gut sich das Schiff auf Expeditionen schlägt.",
     "Jedes Merkmal kann einen Wert von 0 bis 100 erhalten. Höhere Werte verbessern die Aussichten bei den "
     "passenden Ereignissen einer Expedition.",
     ""),
    ("303", "Schiffsdetails",
     "Hier finden Sie Geschwindigkeit, Laderaum, Betriebskosten, Bauzeit und die Punkte, die das Schiff in "
     "Ihrem Flottenlimit belegt.",
     "Die Geschwindigkeit in Knoten wird aus dem Geschwindigkeitsfaktor berechnet und sofort angezeigt.",
     ""),
    ("304", "Schiffsbewaffnung",
     "Diese Seite enthält die Trefferpunkte, die Selbstheilung und die Bewaffnung des Schiffes.",
     "Mit <Bewaffnung hinzufügen> rüsten Sie ein unbewaffnetes Schiff mit Kanonen aus, mit <Bewaffnung "
     "entfernen> wird es wieder unbewaffnet.",
     ""),
    "# Bewaffnung",
    ("400", "Trefferpunkte",
     "Die Trefferpunkte geben an, wie viel Schaden das Schiff aushält, bevor es sinkt.",
     "Erlaubt sind Werte von 250 bis 25000.",
     ""),
    ("401", "Selbstheilung pro (Spiel)Sekunde",
     "So viele Trefferpunkte stellt das Schiff in jeder Spielsekunde von selbst wieder her.",
     "Der Wert lässt sich in Schritten von 0,1 zwischen 0 und 15 einstellen.",
     ""),
    ("402", "Selbstheilungsstart",
     "Nach einem Treffer wartet das Schiff so viele Sekunden, bevor die Selbstheilung wieder einsetzt.",
     "", ""),
    ("403", "Bewaffung hinzufügen/entfernene",
     "Rüstet das Schiff mit Waffen aus oder nimmt sie ihm wieder ab.",
     "Ein Handelsschiff erhält leichte Kanonen mit Standardwerten, ein Kriegsschiff die Bewaffnung seiner "
     "Vorlage.",
     "Trefferpunkte und Selbstheilung bleiben dabei unverändert."),
    ("404", "Projektiltyp/Projektilanzahl",
     "Wählen Sie die Art der Geschosse und wie viele davon das Schiff mit einer Salve abfeuert.",
     "Den Schaden eines einzelnen Treffers legen Sie im Feld <Schaden pro Schuss> fest.",
     ""),
    ("405", "Schaden pro Schuss",
     "Der Schaden, den jedes einzelne Geschoss bei einem Treffer anrichtet.",
     "Zusammen mit Projektilanzahl und Nachladedauer ergibt sich daraus die Kampfkraft des Schiffes.",
     ""),
    ("406", "Nachladedauer",
     "Die Zeit zwischen zwei Salven. Je kleiner der Wert, desto öfter feuert das Schiff.",
     "", ""),
    ("407", "Angriffsreichweite",
     "Bis zu dieser Entfernung kann das Schiff ein Ziel beschießen.",
     "", ""),
    ("408", "Reaktionsreichweite",
     "Innerhalb dieser Entfernung bemerkt das Schiff Gegner und reagiert auf sie.",
     "Wählen Sie sie nicht kleiner als die Angriffsreichweite.",
     ""),
    "# Details",
    ("420", "Schiffsgeschwindigkeit",
     "Der Geschwindigkeitsfaktor bestimmt, wie schnell das Schiff fährt. Daneben steht die Geschwindigkeit "
     "in Knoten, die sich daraus ergibt.",
     "Segelschiffe sind vom Wind abhängig und haben daher eine höchste und eine niedrigste Geschwindigkeit. "
     "Dampfschiffe fahren immer gleich schnell.",
     ""),
    ("421", "Frachteverlangsamung",
     "Dieser Faktor gibt an, wie stark das voll beladene Schiff gebremst wird.",
     "Bei 1 fährt es beladen so schnell wie leer, bei 0,5 nur noch halb so schnell.",
     ""),
    ("422", "Sessionwechselgeschwindigkeit",
     "Dieser Faktor bestimmt, wie schnell das Schiff zwischen den Spielregionen reist.",
     "Ein Wert über 1 verkürzt die Reisezeit, ein Wert unter 1 verlängert sie.",
     ""),
    ("423", "Militärpunkte",
     "So viele Punkte belegt das Schiff im Flottenlimit für Kriegsschiffe.",
     "", ""),
    ("424", "Handelspunkte",
     "So viele Punkte belegt das Schiff im Flottenlimit für Handelsschiffe.",
     "", ""),
    ("425", "Betriebskosten",
     "Die laufenden Kosten des Schiffes, die Ihnen im Spiel regelmäßig von der Bilanz abgezogen werden.",
     "", ""),
    ("426", "Bauzeit",
     "So viele Sekunden braucht die Werft, um das Schiff zu bauen.",
     "Erlaubt sind 30 bis 900 Sekunden.",
     ""),
    ("427", "Ladekammern",
     "Die Anzahl der Laderäume des Schiffes. Jede Kammer nimmt eine Ware auf.",
     "Beim Öltanker ist die Ladung fest vorgegeben; dort wird dieses Feld nicht angezeigt.",
     ""),
    ("428", "Itemslots",
     "Die Anzahl der Sockel für Items, mit denen Sie das Schiff im Spiel verbessern können.",
     "Möglich sind 0 bis 4 Sockel.",
     ""),
    ("429", "Ladekapazität",
     "So viele Tonnen einer Ware passen in eine Ladekammer.",
     "Die gesamte Ladung des Schiffes ist die Ladekapazität mal die Anzahl der Ladekammern.",
     ""),
    "# Baukosten",
    ("440", "Baukosten",
     "Jede Zeile nennt eine Ware, die für den Bau des Schiffes gebraucht wird, mit ihrer Menge in Tonnen.",
     "Über den Pfeil rechts wählen Sie eine andere Ware oder leeren die Zeile mit <Baukosten entfernen>. "
     "Eine Zeile mit der Menge 0 gilt als leer.",
     ""),
    ("441", "Einflusskosten",
     "Die Einflusspunkte, die das Schiff im Spiel belegt, solange es in Ihrer Flotte ist.",
     "", ""),
    "# Basisdaten",
    ("450", "Schiffsname",
     "Der Name des neuen Schiffes, wie er im Spiel und in den Werften erscheint.",
     "Umlaute sind erlaubt; im Namen des Mod-Ordners werden sie umgeschrieben (aus ä wird ae).",
     ""),
    ("451", "Schiffstext",
     "Der Beschreibungstext, den das Spiel im Infofenster des Schiffes zeigt.",
     "", ""),
    ("452", "Freigabeoptionen",
     "Klicken Sie auf eine Bevölkerungsstufe, um festzulegen, wann das Schiff im Spiel freigeschaltet wird.",
     "Die Zahl daneben gibt an, wie viele Einwohner dieser Stufe Sie dafür mindestens brauchen.",
     ""),
    "# Nebenfenster",
    ("500", "Materialwahl",
     "Klicken Sie auf eine Ware, um sie in die gewählte Kostenzeile zu übernehmen.",
     "<Baukosten entfernen> leert die Zeile.",
     ""),
    ("501", "Originaldaten",
     "Dieses Fenster zeigt die Werte der Vorlage, aus der das Schiff erstellt wurde.",
     "So sehen Sie, was Sie geändert haben, und können ursprüngliche Werte bei Bedarf von Hand übernehmen.",
     "Ein erneuter Klick auf das Listensymbol schließt das Fenster."),
    "# Allgemeine Hinweise",
    ("600", "",
     "Alle Änderungen werden erst nach einem Neustart des Spiels wirksam.",
     "Die Arbeitsdaten des Programms liegen im Verzeichnis XMLA neben dem Programm. Löschen Sie es, legt "
     "das Programm beim nächsten Start eine frische Kopie an; alle selbst erstellten Schiffe gehen dabei "
     "verloren.",
     "Aktivierte Schiffe und Werften finden Sie im Mods-Verzeichnis des Spiels unter Namen, die mit "
     "[Spantora] beginnen."),
]


def help_texts():
    out = ['<?xml version="1.0"?>', "<TextExport>", "\t<Texts>"]
    for entry in HELP:
        if isinstance(entry, str):
            out.append("\t\t<!-- %s -->" % entry[1:].strip())
            continue
        guid, header, text1, text2, text3 = entry
        render_element(el("Text", [el("GUID", guid), el("Header", header), el("Text1", text1),
                                   el("Text2", text2), el("Text3", text3)]), 2, out)
    out.append("\t</Texts>")
    out.append("</TextExport>")
    return CRLF.join(out) + CRLF

def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "XMLA")
    os.makedirs(target, exist_ok=True)
    write(target, "ShipShort.xml", ship_short())
    write(target, "ShipFull.xml", ship_full(pristine=False))
    write(target, "ShipFullORG.xml", ship_full(pristine=True))
    for name, first, taken in POOLS:
        write(target, name, pool(first, taken))
    write(target, "ProductList.xml", product_list())
    write(target, "ProjectilesShortList.xml", projectile_list())
    write(target, "Help.xml", help_texts())


if __name__ == "__main__":
    main()
