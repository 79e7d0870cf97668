#!/usr/bin/env python3
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws Pendra's icon: a white triangle with a blue border and a red arc
marking the angle at its bottom-left vertex.

Writes app/iconos/: pendra.svg, pendra-16/32/48/192/256/512.png (anti-aliased,
with transparency), the page's maskable pendra-mascara-192/512.png (on an
opaque ground, with room to be cut round) and pendra.ico, which holds the
three images a Windows program carries: 32x32 in 2 colours, 32x32 in 16
colours and 16x16 in 16 colours.

    python3 scripts/iconos.py                  # write the files
    python3 scripts/iconos.py --comprobar      # exit 1 if the files are stale

Only the standard library: the drawing is simple enough to rasterise here.
"""

import argparse
import math
import pathlib
import struct
import sys
import zlib

DESTINO = pathlib.Path(__file__).resolve().parent.parent / "app" / "iconos"

# The triangle in a unit square, y downwards: the base along the bottom and the
# apex above it, as the input window draws it.
APICE = (0.375, 0.125)
IZQUIERDA = (0.0625, 0.875)
DERECHA = (0.9375, 0.875)
RADIO_ARCO = 0.30

BLANCO = (255, 255, 255)
AZUL = (0, 0, 255)
ROJO = (255, 0, 0)
NEGRO = (0, 0, 0)

# The sixteen colours of the Windows standard palette, in its order.
PALETA_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
PALETA_2 = [NEGRO, BLANCO]

TAMANOS_PNG = (16, 32, 48, 256)
# The page's manifest: an icon as drawn and a maskable one, whose launcher may
# cut it to any shape inside the centred circle of four fifths of its width.
# The triangle's farthest vertex lies 0.576 from the centre, so at two thirds
# of the image it stays inside that circle.
TAMANOS_WEB = (192, 512)
ESCALA_MASCARA = 2 / 3
FONDO_MASCARA = (0xDD, 0xE6, 0xF6)


def grosor(lado):
    """Width of the border and of the arc, in units, for an image `lado` pixels
    wide: thick enough to read at 16 pixels, in proportion above that."""
    return max(1.25, 0.06 * lado) / lado


def lados():
    vertices = (APICE, IZQUIERDA, DERECHA)
    resultado = []
    for k in range(3):
        (x1, y1), (x2, y2) = vertices[k], vertices[(k + 1) % 3]
        largo = math.hypot(x2 - x1, y2 - y1)
        resultado.append((x1, y1, (x2 - x1) / largo, (y2 - y1) / largo))
    return resultado


LADOS = lados()


def distancia_al_borde(x, y):
    """Distance from (x, y) to the nearest side; negative outside."""
    menor = math.inf
    for x1, y1, dx, dy in LADOS:
        # Apex, left, right run anticlockwise on screen (y downwards), so the
        # inside lies to the left of each side.
        menor = min(menor, (x - x1) * dy - (y - y1) * dx)
    return menor


def zona(x, y, g):
    """What covers the point: None (nothing), 'borde', 'arco' or 'relleno'."""
    d = distancia_al_borde(x, y)
    if d < 0:
        return None
    if d < g:
        return "borde"
    r = math.hypot(x - IZQUIERDA[0], y - IZQUIERDA[1])
    if RADIO_ARCO <= r < RADIO_ARCO + g:
        return "arco"
    return "relleno"


def cobertura(lado, muestras, escala=1.0):
    """For every pixel, how much of it each zone covers (fractions). The
    drawing fills `escala` of the image, about its centre."""
    g = grosor(lado * escala)
    unidad = 1 / (lado * escala)
    # A pixel whose centre lies further than half its diagonal from every
    # boundary between zones is all one zone: distances change no faster than
    # the point moves, so its samples would all agree.
    margen = 0.71 * unidad

    def punto(columna, fila):
        return (0.5 + (columna / lado - 0.5) / escala, 0.5 + (fila / lado - 0.5) / escala)

    filas = []
    for fila in range(lado):
        pixeles = []
        for columna in range(lado):
            x, y = punto(columna + 0.5, fila + 0.5)
            d = distancia_al_borde(x, y)
            r = math.hypot(x - IZQUIERDA[0], y - IZQUIERDA[1])
            if min(abs(d), abs(d - g), abs(r - RADIO_ARCO), abs(r - RADIO_ARCO - g)) > margen:
                z = zona(x, y, g)
                pixeles.append({} if z is None else {z: 1.0})
                continue
            cuenta = {}
            for i in range(muestras):
                for j in range(muestras):
                    z = zona(*punto(columna + (j + 0.5) / muestras, fila + (i + 0.5) / muestras), g)
                    if z is not None:
                        cuenta[z] = cuenta.get(z, 0) + 1
            total = muestras * muestras
            pixeles.append({z: n / total for z, n in cuenta.items()})
        filas.append(pixeles)
    return filas


COLOR = {"borde": AZUL, "arco": ROJO, "relleno": BLANCO}


def png(lado, escala=1.0, fondo=None):
    """The icon `lado` pixels wide; with `fondo`, on that opaque ground."""
    filas = []
    for pixeles in cobertura(lado, 4, escala):
        fila = bytearray([0])  # filter: none
        for partes in pixeles:
            if fondo is not None:
                partes = dict(partes, fondo=1 - sum(partes.values()))
            alfa = sum(partes.values())
            if alfa == 0:
                fila += bytes(4)
                continue
            colores = dict(COLOR, fondo=fondo)
            rgb = [
                round(sum(colores[z][c] * p for z, p in partes.items()) / alfa) for c in range(3)
            ]
            fila += bytes(rgb + [round(255 * alfa)])
        filas.append(bytes(fila))

    def trozo(tipo, datos):
        cuerpo = tipo + datos
        return struct.pack(">I", len(datos)) + cuerpo + struct.pack(">I", zlib.crc32(cuerpo))

    cabecera = struct.pack(">IIBBBBB", lado, lado, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + trozo(b"IHDR", cabecera)
        + trozo(b"IDAT", zlib.compress(b"".join(filas), 9))
        + trozo(b"IEND", b"")
    )


def mas_cercano(color, paleta):
    return min(range(len(paleta)), key=lambda k: sum((a - b) ** 2 for a, b in zip(color, paleta[k])))


def imagen_ico(lado, bits):
    """One image of the .ico: header, palette, colour bits, transparency mask.
    Rows go bottom-up, each padded to four bytes."""
    paleta = PALETA_2 if bits == 1 else PALETA_16
    # With two colours the border and the arc are black on white.
    colores = {"borde": NEGRO, "arco": NEGRO, "relleno": BLANCO} if bits == 1 else COLOR
    indices, mascara = [], []
    for pixeles in cobertura(lado, 4):
        fila_i, fila_m = [], []
        for partes in pixeles:
            if sum(partes.values()) < 0.5:
                fila_i.append(0)
                fila_m.append(1)
            else:
                dominante = max(partes, key=lambda z: (partes[z], z))
                fila_i.append(mas_cercano(colores[dominante], paleta))
                fila_m.append(0)
        indices.append(fila_i)
        mascara.append(fila_m)

    def empaquetar(fila, b):
        valor = 0
        for v in fila:
            valor = (valor << b) | v
        total = lado * b
        relleno = (-total) % 32
        return (valor << relleno).to_bytes((total + relleno) // 8, "big")

    xor = b"".join(empaquetar(f, bits) for f in reversed(indices))
    y = b"".join(empaquetar(f, 1) for f in reversed(mascara))
    cabecera = struct.pack(
        "<IiiHHIIiiII", 40, lado, 2 * lado, 1, bits, 0, len(xor) + len(y), 0, 0, 0, 0
    )
    paleta_bytes = b"".join(bytes([b, g, r, 0]) for r, g, b in paleta)
    return cabecera + paleta_bytes + xor + y


def ico():
    imagenes = [(32, 1), (32, 4), (16, 4)]
    datos = [imagen_ico(lado, bits) for lado, bits in imagenes]
    salida = struct.pack("<HHH", 0, 1, len(imagenes))
    desplazamiento = 6 + 16 * len(imagenes)
    for (lado, bits), d in zip(imagenes, datos):
        salida += struct.pack("<BBBBHHII", lado, lado, 1 << bits, 0, 1, bits, len(d), desplazamiento)
        desplazamiento += len(d)
    return salida + b"".join(datos)


def svg():
    lado = 256
    g = grosor(lado)
    # The inside of the border is the triangle shrunk about its incentre.
    a = math.dist(IZQUIERDA, DERECHA)
    b = math.dist(APICE, DERECHA)
    c = math.dist(APICE, IZQUIERDA)
    perimetro = a + b + c
    centro = [(a * APICE[k] + b * IZQUIERDA[k] + c * DERECHA[k]) / perimetro for k in range(2)]
    area = abs(
        (IZQUIERDA[0] - APICE[0]) * (DERECHA[1] - APICE[1])
        - (DERECHA[0] - APICE[0]) * (IZQUIERDA[1] - APICE[1])
    ) / 2
    radio_inscrito = 2 * area / perimetro
    factor = (radio_inscrito - g) / radio_inscrito
    exterior = (APICE, IZQUIERDA, DERECHA)
    interior = [tuple(centro[k] + (v[k] - centro[k]) * factor for k in range(2)) for v in exterior]

    def punto(x, y):
        return f"{x * lado:.2f},{y * lado:.2f}"

    def contorno(vertices):
        return "M" + " L".join(punto(x, y) for x, y in vertices) + " Z"

    # The arc runs from the base to the left side; the border, drawn over it,
    # covers its ends, as the pixel images do.
    r = RADIO_ARCO + g / 2
    hacia_apice = [(APICE[k] - IZQUIERDA[k]) / c for k in range(2)]
    desde = punto(IZQUIERDA[0] + r, IZQUIERDA[1])
    hasta = punto(IZQUIERDA[0] + r * hacia_apice[0], IZQUIERDA[1] + r * hacia_apice[1])
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{lado}" height="{lado}" '
        f'viewBox="0 0 {lado} {lado}">\n'
        "  <title>Pendra</title>\n"
        f'  <path d="{contorno(exterior)}" fill="#ffffff"/>\n'
        f'  <path d="M{desde} A{r * lado:.2f},{r * lado:.2f} 0 0 0 {hasta}" fill="none" '
        f'stroke="#ff0000" stroke-width="{g * lado:.2f}"/>\n'
        f'  <path d="{contorno(exterior)} {contorno(interior)}" fill="#0000ff" '
        'fill-rule="evenodd"/>\n'
        "</svg>\n"
    ).encode()


def archivos():
    resultado = {"pendra.svg": svg(), "pendra.ico": ico()}
    for lado in TAMANOS_PNG:
        resultado[f"pendra-{lado}.png"] = png(lado)
    for lado in TAMANOS_WEB:
        resultado[f"pendra-{lado}.png"] = png(lado)
        resultado[f"pendra-mascara-{lado}.png"] = png(lado, ESCALA_MASCARA, FONDO_MASCARA)
    return resultado


def pixeles_png(datos):
    """The header and the raw rows of one of our PNGs, so that a check does not
    depend on how a zlib build compresses."""
    cabecera, filas, k = b"", b"", 8
    while k < len(datos):
        (largo,) = struct.unpack(">I", datos[k : k + 4])
        tipo, cuerpo = datos[k + 4 : k + 8], datos[k + 8 : k + 8 + largo]
        if tipo == b"IHDR":
            cabecera = cuerpo
        elif tipo == b"IDAT":
            filas += cuerpo
        k += 12 + largo
    return cabecera, zlib.decompress(filas)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--comprobar", action="store_true", help="only check the files")
    parser.add_argument("--destino", type=pathlib.Path, default=DESTINO)
    args = parser.parse_args()

    esperados = archivos()
    if args.comprobar:
        viejos = []
        for nombre, datos in esperados.items():
            ruta = args.destino / nombre
            actual = ruta.read_bytes() if ruta.exists() else None
            if nombre.endswith(".png") and actual is not None:
                iguales = pixeles_png(actual) == pixeles_png(datos)
            else:
                iguales = actual == datos
            if not iguales:
                viejos.append(nombre)
        if viejos:
            print("Iconos desactualizados: " + ", ".join(viejos), file=sys.stderr)
            print("Genérelos con: python3 scripts/iconos.py", file=sys.stderr)
            return 1
        print(f"{len(esperados)} iconos al día")
        return 0

    args.destino.mkdir(parents=True, exist_ok=True)
    for nombre, datos in esperados.items():
        (args.destino / nombre).write_bytes(datos)
    print(f"{len(esperados)} iconos escritos en {args.destino}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
