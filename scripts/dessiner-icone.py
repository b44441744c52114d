#!/usr/bin/env python3
"""Draws the program's icon: a television with a red recording dot, 32x32 and 16x16 in the
16 standard colours, and writes it as an .ico file (src/resources/Vidalto.ico)."""
import struct
import sys

# The 16 colours of the standard VGA palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
    (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
    (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]  # (red, green, blue)
NOIR, GRIS_FONCE, GRIS, BLEU_FONCE, CYAN, ROUGE, BLANC = 0, 8, 7, 1, 11, 12, 15
TRANSPARENT = None


def dessiner(taille):
    s = taille / 32.0
    px = [[TRANSPARENT] * taille for _ in range(taille)]

    def rect(x0, y0, x1, y1, couleur):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                if 0 <= x < taille and 0 <= y < taille:
                    px[y][x] = couleur

    rect(9, 2, 11, 7, GRIS_FONCE)      # antenna
    rect(21, 2, 23, 7, GRIS_FONCE)
    rect(2, 6, 30, 27, GRIS_FONCE)     # cabinet
    rect(3, 7, 29, 26, GRIS)
    rect(5, 9, 23, 24, NOIR)           # screen
    rect(6, 10, 22, 23, BLEU_FONCE)
    rect(7, 11, 12, 14, CYAN)          # reflection
    rect(24, 10, 28, 12, NOIR)         # knobs
    rect(24, 14, 28, 16, NOIR)
    rect(9, 27, 12, 30, GRIS_FONCE)    # feet
    rect(20, 27, 23, 30, GRIS_FONCE)
    # the recording dot, a disc in the lower right
    cx, cy, r = 24.5 * s, 23.5 * s, 5.5 * s
    for y in range(taille):
        for x in range(taille):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if d <= r:
                px[y][x] = ROUGE if d <= r - max(1.0, s) else BLANC
    return px


def image(taille):
    px = dessiner(taille)
    entete = struct.pack('<IiiHHIIiiII', 40, taille, taille * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    ligne_xor = (taille // 2 + 3) // 4 * 4
    ligne_and = (taille // 8 + 3) // 4 * 4
    xor, masque = b'', b''
    for y in reversed(range(taille)):  # bottom-up rows
        octets = bytearray(ligne_xor)
        bits = bytearray(ligne_and)
        for x in range(taille):
            c = px[y][x]
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                c = 0
            octets[x // 2] |= c << (4 if x % 2 == 0 else 0)
        xor += bytes(octets)
        masque += bytes(bits)
    return entete + palette + xor + masque


def main(sortie):
    images = [image(32), image(16)]
    debut = 6 + 16 * len(images)
    repertoire = b''
    for taille, donnees in zip((32, 16), images):
        repertoire += struct.pack('<BBBBHHII', taille, taille, 16, 0, 1, 4, len(donnees), debut)
        debut += len(donnees)
    with open(sortie, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + repertoire + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'src/resources/Vidalto.ico')
