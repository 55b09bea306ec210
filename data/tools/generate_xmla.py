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


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "XMLA")
    os.makedirs(target, exist_ok=True)
    write(target, "ShipShort.xml", ship_short())


if __name__ == "__main__":
    main()
