#!/usr/bin/env python3
"""Dessine data/exemples/photo-exemple.png : portrait sépia stylisé (200 × 250) de François
Berthelot, l'horloger de l'exemple livré. Sans bibliothèque externe, pour que l'image se
refasse à l'identique partout : mêmes octets à chaque lancement.

Usage : python3 tools/dessiner_photo_exemple.py [SORTIE.png]
"""
import os
import struct
import sys
import zlib

LARGEUR, HAUTEUR = 200, 250


def dans_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def teinte(valeur):
    # Virage sépia : une seule luminance, trois canaux décalés vers le brun.
    v = max(0.0, min(1.0, valeur))
    return (int(40 + 205 * v), int(28 + 190 * v), int(18 + 150 * v))


def luminance(x, y):
    """Luminance (0 sombre, 1 clair) du portrait au pixel (x, y)."""
    # Fond dégradé, plus clair autour de la tête comme sous l'éclairage d'atelier.
    fond = 0.75 - 0.35 * (((x - 100) / 140) ** 2 + ((y - 95) / 170) ** 2)
    v = fond
    # Buste : redingote sombre, col blanc, cravate.
    if y > 165 and dans_ellipse(x, y, 100, 265, 95, 105):
        v = 0.18 + 0.04 * ((x + y) % 7 == 0)
        if dans_ellipse(x, y, 100, 172, 26, 22) and y > 160:
            v = 0.92
        if abs(x - 100) < 7 and 172 < y < 205 - abs(x - 100):
            v = 0.1
    # Cou.
    if 86 <= x <= 114 and 130 <= y <= 172:
        v = 0.62
    # Visage, ombré sur sa droite.
    if dans_ellipse(x, y, 100, 105, 36, 46):
        v = 0.72 - 0.25 * max(0.0, (x - 100) / 36)
        # Yeux et sourcils.
        for cx in (86, 114):
            if dans_ellipse(x, y, cx, 98, 5, 3):
                v = 0.12
            if 91 <= y <= 92 and abs(x - cx) <= 8:
                v = 0.25
        # Nez.
        if abs(x - 101) <= 1 and 100 <= y <= 116:
            v = 0.45
        # Moustache d'époque et bouche.
        if dans_ellipse(x, y, 91, 123, 11, 4) or dans_ellipse(x, y, 109, 123, 11, 4):
            v = 0.15
        if 131 <= y <= 132 and abs(x - 100) <= 7:
            v = 0.35
    # Cheveux : raie sur le côté, dessus de la tête.
    if dans_ellipse(x, y, 100, 100, 40, 52) and y < 104 and not dans_ellipse(x, y, 102, 112, 34, 46):
        v = 0.2 + 0.05 * ((x + y // 3) % 5 == 0)
    if dans_ellipse(x, y, 100, 100, 40, 52) and 70 <= y <= 72 and 78 <= x <= 86:
        v = 0.55
    # Cadre ovale de l'atelier du photographe.
    dedans = dans_ellipse(x, y, 100, 125, 92, 118)
    bord = dans_ellipse(x, y, 100, 125, 96, 122)
    if not bord:
        v = 0.88
    elif not dedans:
        v = 0.35
    return v


def png(largeur, hauteur, pixels):
    def bloc(genre, donnees):
        corps = genre + donnees
        return struct.pack(">I", len(donnees)) + corps + struct.pack(">I", zlib.crc32(corps))
    brut = b"".join(b"\x00" + bytes(pixels[y]) for y in range(hauteur))
    entete = struct.pack(">IIBBBBB", largeur, hauteur, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + bloc(b"IHDR", entete)
            + bloc(b"IDAT", zlib.compress(brut, 9)) + bloc(b"IEND", b""))


def main():
    racine = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    sortie = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        racine, "data", "exemples", "photo-exemple.png")
    lignes = []
    for y in range(HAUTEUR):
        ligne = []
        for x in range(LARGEUR):
            ligne.extend(teinte(luminance(x, y)))
        lignes.append(ligne)
    with open(sortie, "wb") as f:
        f.write(png(LARGEUR, HAUTEUR, lignes))


if __name__ == "__main__":
    main()
