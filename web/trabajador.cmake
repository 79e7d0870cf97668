# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the page's service worker from its template: the names of the files
# it keeps and a digest of their bytes, so that a new build's worker differs
# from the old one and browsers fetch the new files.
#   cmake -DPLANTILLA=trabajador.js -DCARPETA=page -DARCHIVOS=a,b,c -P trabajador.cmake
string(REPLACE "," ";" archivos "${ARCHIVOS}")
set(resumen "")
set(nombres "")
foreach(archivo IN LISTS archivos)
    file(SHA256 "${CARPETA}/${archivo}" suma)
    string(APPEND resumen "${archivo} ${suma}\n")
    list(APPEND nombres "'${archivo}'")
endforeach()
file(READ "${PLANTILLA}" resumen_plantilla)
string(APPEND resumen "${resumen_plantilla}")
string(SHA256 PENDRA_VERSION_PAGINA "${resumen}")
string(SUBSTRING "${PENDRA_VERSION_PAGINA}" 0 16 PENDRA_VERSION_PAGINA)
list(JOIN nombres ", " PENDRA_ARCHIVOS_PAGINA)
string(CONFIGURE "${resumen_plantilla}" texto @ONLY)
file(WRITE "${CARPETA}/trabajador.js" "${texto}")
