#!/usr/bin/env python3
"""Draws the window icon (a small bar chart on a blue tile) as 16x16 and 32x32 PNG files.

Run from this folder: python3 symbol_erzeugen.py
"""
import struct
import zlib

BLAU = (32, 74, 135, 255)
RAND = (20, 48, 92, 255)
HELL = (250, 250, 250, 255)
GELB = (252, 196, 36, 255)
LEER = (0, 0, 0, 0)


def bild(n):
    # Bars as fractions of the tile: (left, right, top) with the common base line.
    s = n / 16.0
    balken = [(3, 5, 9, HELL), (7, 9, 4, GELB), (11, 13, 7, HELL)]
    basis = 13
    punkte = []
    for y in range(n):
        zeile = []
        for x in range(n):
            fx, fy = (x + 0.5) / s, (y + 0.5) / s
            # rounded corners: leave the outermost corner pixels transparent
            ecke = min(fx, 16 - fx) < 1 and min(fy, 16 - fy) < 1
            if ecke:
                farbe = LEER
            elif fx < 0.75 or fx > 15.25 or fy < 0.75 or fy > 15.25:
                farbe = RAND
            else:
                farbe = BLAU
                for links, rechts, oben, f in balken:
                    if links <= fx < rechts and oben <= fy < basis:
                        farbe = f
                if basis <= fy < basis + 1 and 2 <= fx < 14:
                    farbe = HELL
            zeile.append(farbe)
        punkte.append(zeile)
    return punkte


def png(punkte):
    h, w = len(punkte), len(punkte[0])
    roh = b"".join(b"\x00" + b"".join(bytes(p) for p in z) for z in punkte)

    def block(art, daten):
        inhalt = art + daten
        return struct.pack(">I", len(daten)) + inhalt + struct.pack(">I", zlib.crc32(inhalt))

    return (b"\x89PNG\r\n\x1a\n" + block(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + block(b"IDAT", zlib.compress(roh, 9)) + block(b"IEND", b""))


for groesse in (16, 32):
    with open(f"zorvanta{groesse}.png", "wb") as datei:
        datei.write(png(bild(groesse)))
