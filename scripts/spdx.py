#!/usr/bin/env python3
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""Puts the copyright and licence header in every file git tracks that lacks
one, in that file's comment syntax; files that cannot carry a comment (images,
test data, JSON) are covered by .reuse/dep5 instead. Running it again changes
nothing.

    spdx.py              add the missing headers
    spdx.py --comprobar  only list the files without one; status 1 if any

A file of a kind it does not know is listed and left alone, with status 1:
give it a comment syntax here or a line in .reuse/dep5.
"""

import fnmatch
import pathlib
import re
import subprocess
import sys

TITULAR = "Pendra contributors"
LICENCIA = "GPL-3.0-or-later"
# AppStream asks for metadata under a permissive licence, and the metainfo
# says which one in its metadata_license.
OTRAS_LICENCIAS = {"dist/*.metainfo.xml.in": "CC0-1.0"}

# Written in two pieces so that licence scanners do not take this script's
# own text for a header.
ETIQUETA_TITULAR = "SPDX-" + "FileCopyrightText:"
ETIQUETA_LICENCIA = "SPDX-" + "License-Identifier:"

# Files the licensing tools look after themselves.
PROPIOS = ("LICENSE", "LICENSES/*", ".reuse/*")

# Comment syntax by file name, the first pattern that matches. A line comment
# is a prefix; a block comment a pair.
ALMOHADILLA = "# "
GROFF = '.\\" '
SINTAXIS = [
    ("*.cpp", "// "), ("*.h", "// "), ("*.hpp", "// "),
    ("*.js", "// "), ("*.mjs", "// "), ("*.rc.in", "// "),
    ("*.css", ("/* ", " */")),
    ("*.html", ("<!-- ", " -->")), ("*.md", ("<!-- ", " -->")),
    ("*.xml", ("<!-- ", " -->")), ("*.xml.in", ("<!-- ", " -->")),
    ("*.1", GROFF), ("*.1.in", GROFF),
    ("CMakeLists.txt", ALMOHADILLA), ("*.cmake", ALMOHADILLA),
    ("*.sh", ALMOHADILLA), ("*.py", ALMOHADILLA), ("*.supp", ALMOHADILLA),
    ("*.desktop", ALMOHADILLA), ("*.toml", ALMOHADILLA), ("*.yml", ALMOHADILLA),
    (".gitignore", ALMOHADILLA), (".clang-format", ALMOHADILLA),
]

# Lines that must stay first: an interpreter line, Python's coding line, the
# XML declaration, HTML's doctype, groff's preprocessor line.
PRIMERAS = re.compile(
    r"#!|#.*coding[:=]|<\?xml |<!doctype |'\\\"", re.IGNORECASE)


def sintaxis(ruta, texto):
    nombre = pathlib.PurePosixPath(ruta).name
    for patron, comentario in SINTAXIS:
        if fnmatch.fnmatchcase(nombre, patron):
            return comentario
    if texto.startswith("#!"):
        return ALMOHADILLA
    return None


def licencia(ruta):
    for patron, otra in OTRAS_LICENCIAS.items():
        if fnmatch.fnmatchcase(ruta, patron):
            return otra
    return LICENCIA


def cubiertos_por_dep5(raiz):
    """The Files patterns of .reuse/dep5 (where * also matches a slash)."""
    dep5 = raiz / ".reuse" / "dep5"
    if not dep5.exists():
        return []
    patrones = []
    en_files = False
    for linea in dep5.read_text(encoding="utf-8").splitlines():
        if linea.startswith("Files:"):
            en_files = True
            patrones += linea[len("Files:"):].split()
        elif en_files and linea.startswith((" ", "\t")):
            patrones += linea.split()
        else:
            en_files = False
    return patrones


def cabecera(comentario, ruta):
    lineas = [f"{ETIQUETA_TITULAR} {TITULAR}",
              f"{ETIQUETA_LICENCIA} {licencia(ruta)}"]
    if isinstance(comentario, tuple):
        abre, cierra = comentario
        return f"{abre.rstrip()}\n" + "".join(f"{l}\n" for l in lineas) \
            + f"{cierra.lstrip()}\n"
    return "".join(f"{comentario}{l}\n" for l in lineas)


def con_cabecera(texto, comentario, ruta):
    lineas = texto.splitlines(keepends=True)
    n = 0
    while n < len(lineas) and n < 2 and PRIMERAS.match(lineas[n]):
        n += 1
    cuerpo = "".join(lineas[n:])
    # A blank line after the header, where the format ignores one: groff
    # would print it.
    separador = "\n" if cuerpo.strip() and comentario != GROFF else ""
    return "".join(lineas[:n]) + cabecera(comentario, ruta) + separador + cuerpo


def main():
    comprobar = sys.argv[1:] == ["--comprobar"]
    if sys.argv[1:] and not comprobar:
        print(__doc__, file=sys.stderr)
        return 2
    raiz = pathlib.Path(__file__).resolve().parent.parent
    try:
        rutas = subprocess.run(["git", "-C", str(raiz), "ls-files", "-z"],
                               check=True, capture_output=True).stdout
    except (OSError, subprocess.CalledProcessError):
        print("SKIP: not a git checkout: no list of the project's files")
        return 77
    excluidos = PROPIOS + tuple(cubiertos_por_dep5(raiz))
    faltan, desconocidos, escritos = [], [], 0
    for ruta in rutas.decode().split("\0"):
        archivo = raiz / ruta
        if not ruta or not archivo.is_file() or archivo.is_symlink():
            continue
        if any(fnmatch.fnmatchcase(ruta, p) for p in excluidos):
            continue
        texto = archivo.read_text(encoding="utf-8")
        if ETIQUETA_LICENCIA in texto:
            continue
        comentario = sintaxis(ruta, texto)
        if comentario is None:
            desconocidos.append(ruta)
        elif comprobar:
            faltan.append(ruta)
        else:
            archivo.write_text(con_cabecera(texto, comentario, ruta),
                               encoding="utf-8")
            escritos += 1
    for ruta in faltan:
        print(f"{ruta}: no licence header (scripts/spdx.py adds it)")
    for ruta in desconocidos:
        print(f"{ruta}: no comment syntax known: teach scripts/spdx.py one, "
              "or cover the file in .reuse/dep5")
    if not comprobar:
        print(f"spdx.py: {escritos} headers added")
    return 1 if faltan or desconocidos else 0


if __name__ == "__main__":
    sys.exit(main())
