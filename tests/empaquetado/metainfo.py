#!/usr/bin/env python3
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""What software centres read from the metainfo beyond what appstreamcli
checks: the licences, each with its text in LICENSES/ (the metadata's the one
its own source file states); the screenshots, each a PNG of the repository
named by its path below the repository's address for files, with an English
and a Spanish caption; the release of this version with a real date; an OARS
content rating.

    metainfo.py METAINFO TEMPLATE SOURCE_DIR FILES_ADDRESS VERSION
"""

import datetime
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def main():
    metainfo, plantilla, fuente, base, version = sys.argv[1:6]
    fuente = pathlib.Path(fuente)
    raiz = ET.parse(metainfo).getroot()
    fallos = []

    def texto(ruta):
        nodo = raiz.find(ruta)
        return nodo.text.strip() if nodo is not None and nodo.text else ""

    proyecto = texto("project_license")
    if proyecto != "GPL-3.0-or-later":
        fallos.append(f"project_license is {proyecto!r}")
    metadatos = texto("metadata_license")
    for nombre in (proyecto, metadatos):
        if not (fuente / "LICENSES" / f"{nombre}.txt").is_file():
            fallos.append(f"no LICENSES/{nombre}.txt for the licence {nombre!r}")
    # In two pieces, so that licence scanners do not read this line as a header.
    cabecera = re.search(r"SPDX-" r"License-Identifier:\s*(\S+)",
                         pathlib.Path(plantilla).read_text(encoding="utf-8"))
    if not cabecera or cabecera.group(1) != metadatos:
        fallos.append(f"metadata_license is {metadatos!r}, the file itself says "
                      f"{cabecera.group(1) if cabecera else 'nothing'}")

    capturas = raiz.findall("screenshots/screenshot")
    if [c.get("type") for c in capturas].count("default") != 1:
        fallos.append("not exactly one default screenshot")
    vistas = set()
    for captura in capturas:
        imagen = (captura.findtext("image") or "").strip()
        if not imagen.startswith(base + "/"):
            fallos.append(f"{imagen} is not below {base}/")
            continue
        ruta = imagen[len(base) + 1:]
        archivo = fuente / ruta
        if ruta in vistas:
            fallos.append(f"{ruta} is shown twice")
        vistas.add(ruta)
        if not archivo.is_file() or archivo.read_bytes()[:8] != b"\x89PNG\r\n\x1a\n":
            fallos.append(f"{ruta} is not a PNG picture of the repository")
        idiomas = {t.get(XML_LANG) for t in captura.findall("caption")
                   if (t.text or "").strip()}
        if idiomas != {None, "es"}:
            fallos.append(f"{ruta} has captions in {idiomas}, not English and Spanish")
    if not capturas:
        fallos.append("no screenshots")

    lanzamiento = raiz.find("releases/release")
    if lanzamiento is None or lanzamiento.get("version") != version:
        fallos.append(f"the first release is not {version}")
    else:
        try:
            datetime.date.fromisoformat(lanzamiento.get("date", ""))
        except ValueError:
            fallos.append(f"the release's date is {lanzamiento.get('date')!r}")

    clasificacion = raiz.find("content_rating")
    if clasificacion is None or not clasificacion.get("type", "").startswith("oars-"):
        fallos.append("no OARS content rating")
    for tipo in ("homepage", "vcs-browser"):
        if not texto(f"url[@type='{tipo}']").startswith("https://"):
            fallos.append(f"no https address of type {tipo}")

    for fallo in fallos:
        print(f"FAIL: {fallo}", file=sys.stderr)
    if fallos:
        return 1
    print(f"metainfo: {proyecto}, metadata {metadatos}, {len(capturas)} screenshots "
          f"from the repository, release {version} of {lanzamiento.get('date')}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
