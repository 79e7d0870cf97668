#!/usr/bin/python3
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in headless Chromium, used as a person would use it.

navegador.py PAGINA AXE PENDRA_CLI CAPTURA
    PAGINA: build/web/index.html; AXE: axe.min.js; PENDRA_CLI: the host build's
    pendra-cli, whose labels the drawing must show; CAPTURA: the PNG to write.
navegador.py --medir PAGINA
    Prints how long a press of Resolver takes, drawing included.
"""

import json
import os
import pathlib
import statistics
import struct
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait


def navegador(ancho, alto):
    opciones = webdriver.ChromeOptions()
    opciones.binary_location = os.environ.get("PENDRA_CHROMIUM", "/usr/bin/chromium")
    for opcion in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                   "--lang=es", f"--window-size={ancho},{alto}", "--hide-scrollbars"):
        opciones.add_argument(opcion)
    servicio = Service(os.environ.get("PENDRA_CHROMEDRIVER", "/usr/bin/chromedriver"))
    return webdriver.Chrome(service=servicio, options=opciones)


def abrir(d, pagina):
    d.get(pathlib.Path(pagina).resolve().as_uri())
    WebDriverWait(d, 10).until(lambda d: d.execute_script("return typeof Pendra === 'function'"))


def campo(d, nombre):
    return d.find_element(By.CSS_SELECTOR, f'input[aria-label="{nombre}"]')


def boton(d, texto, dentro=None):
    return (dentro or d).find_element(By.XPATH, f'.//button[normalize-space()="{texto}"]')


def esperar_paneles(d, cuantos):
    WebDriverWait(d, 10).until(
        lambda d: len(d.find_elements(By.CSS_SELECTOR, '#soluciones [role="region"]')) == cuantos)
    return d.find_elements(By.CSS_SELECTOR, '#soluciones [role="region"]')


def nombre_accesible(d, e):
    return d.execute_script(
        "const ids = arguments[0].getAttribute('aria-labelledby');"
        "return ids ? ids.split(' ').map(i => document.getElementById(i).textContent).join(' ')"
        "           : arguments[0].getAttribute('aria-label');", e)


def textos_svg(d, panel):
    return d.execute_script(
        "return Array.from(arguments[0].querySelectorAll('svg text'), t => t.textContent);", panel)


def axe(d, fuente, momento):
    if fuente is None:
        return
    d.execute_script(fuente)
    resultado = d.execute_async_script(
        "const listo = arguments[arguments.length - 1];"
        "axe.run(document, {resultTypes: ['violations']}).then(r => listo(r.violations));")
    assert not resultado, f"{momento}: " + json.dumps(
        [{"id": v["id"], "nodos": [n["html"] for n in v["nodes"]]} for v in resultado],
        ensure_ascii=False, indent=1)


def etiquetas_cli(cli, *campos):
    salida = subprocess.run([cli, "--json", *campos], capture_output=True, check=True, text=True)
    return json.loads(salida.stdout)["soluciones"][0]["etiquetas"]


def descargas(d, panel, etiquetas):
    """Descargar SVG and Descargar PNG save the drawing, with its labels."""
    with tempfile.TemporaryDirectory() as carpeta:
        d.execute_cdp_cmd("Browser.setDownloadBehavior",
                          {"behavior": "allow", "downloadPath": carpeta})
        boton(d, "Descargar SVG", panel).click()
        boton(d, "Descargar PNG", panel).click()
        svg = pathlib.Path(carpeta, "triangulo-3-4-5.svg")
        png = pathlib.Path(carpeta, "triangulo-3-4-5.png")
        for _ in range(100):
            if svg.exists() and png.exists():
                break
            time.sleep(0.1)
        raiz = ET.parse(svg).getroot()
        textos = ["".join(t.itertext()) for t in raiz.iter("{http://www.w3.org/2000/svg}text")]
        assert textos == etiquetas, textos
        datos = png.read_bytes()
        assert datos[:8] == b"\x89PNG\r\n\x1a\n"
        ancho, alto = struct.unpack(">II", datos[16:24])
        assert (ancho, alto) == (2 * int(raiz.get("width")), 2 * int(raiz.get("height")))


def probar(pagina, archivo_axe, cli, captura):
    axe_ausente = not os.path.isfile(archivo_axe)
    fuente_axe = None if axe_ausente else pathlib.Path(archivo_axe).read_text(encoding="utf-8")
    d = navegador(1100, 820)
    try:
        abrir(d, pagina)
        # From the keyboard alone: the focus starts on Ángulo 1, Tab follows
        # the fields in the window's order, Enter solves.
        assert d.switch_to.active_element.get_attribute("aria-label") == "Ángulo 1"
        for texto in ("", "3", "", "4", "", "5"):
            activo = d.switch_to.active_element
            if texto:
                activo.send_keys(texto)
            activo.send_keys(Keys.TAB)
        assert [campo(d, f"Lado {i}").get_attribute("value") for i in (1, 2, 3)] == ["3", "4", "5"]
        boton(d, "Resolver").click()
        [panel] = esperar_paneles(d, 1)
        assert nombre_accesible(d, panel) == "Solución 1"
        etiquetas = textos_svg(d, panel)
        # Lengths, then each angle as its number and its mark.
        assert etiquetas[:3] == ["3", "4", "5"], etiquetas
        angulos = [etiquetas[i] for i in (3, 4, 5)]
        assert angulos[:2] == ["36.869º", "53.130º"], angulos
        esperadas = etiquetas_cli(cli, "", "3", "", "4", "", "5")
        assert angulos == esperadas["angulos"], (angulos, esperadas)
        assert panel.find_element(By.CLASS_NAME, "franja").text.startswith("Área 6"), \
            panel.find_element(By.CLASS_NAME, "franja").text
        descargas(d, panel, etiquetas)

        # A negative angle: the message in a dialog; Aceptar returns to the field.
        boton(d, "Borrar").click()
        campo(d, "Ángulo 1").send_keys("-30")
        campo(d, "Lado 1").send_keys("3")
        campo(d, "Lado 2").send_keys("4" + Keys.ENTER)
        dialogo = d.find_element(By.CSS_SELECTOR, '[role="alertdialog"]')
        WebDriverWait(d, 5).until(lambda d: dialogo.is_displayed())
        assert "El ángulo 1 no puede ser negativo." in dialogo.text, dialogo.text
        assert d.switch_to.active_element.text == "Aceptar"
        axe(d, fuente_axe, "with the message open")
        d.switch_to.active_element.send_keys(Keys.ENTER)
        WebDriverWait(d, 5).until(lambda d: not dialogo.is_displayed())
        assert d.switch_to.active_element.get_attribute("aria-label") == "Ángulo 1"

        # Two triangles: two panels, side by side on a wide screen.
        boton(d, "Borrar").click()
        campo(d, "Ángulo 1").send_keys("30")
        campo(d, "Lado 1").send_keys("1.5")
        campo(d, "Lado 2").send_keys("2")
        boton(d, "Resolver").click()
        paneles = esperar_paneles(d, 2)
        assert [nombre_accesible(d, p) for p in paneles] == ["Solución 1", "Solución 2"]
        assert paneles[0].rect["y"] == paneles[1].rect["y"], "wide: side by side"
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                          {"width": 1100, "height": 900, "deviceScaleFactor": 1, "mobile": False})
        d.execute_script("window.scrollTo(0, 0)")
        d.save_screenshot(captura)
        for p in paneles:
            propiedades = boton(d, "Propiedades", p)
            propiedades.click()
            assert propiedades.get_attribute("aria-expanded") == "true"
            assert "Radio circunscrito" in p.find_element(By.CLASS_NAME, "propiedades").text
            # The working opens in place: the ambiguous case, by the law of sines.
            trabajo = boton(d, "Procedimiento", p)
            assert trabajo.is_displayed(), "no working to open"
            trabajo.click()
            pasos = p.find_element(By.CLASS_NAME, "procedimiento")
            assert pasos.find_elements(By.TAG_NAME, "li"), "the working has no steps"
            assert "seno" in pasos.text, pasos.text
        axe(d, fuente_axe, "with two solutions and their properties open")

        # A phone 360 pixels wide: nothing runs off the side, panels stacked.
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                          {"width": 360, "height": 780, "deviceScaleFactor": 2, "mobile": True})
        WebDriverWait(d, 5).until(lambda d: d.execute_script("return window.innerWidth") == 360)
        ancho = d.execute_script("return document.documentElement.scrollWidth")
        assert ancho <= 360, f"the page is {ancho} pixels wide on a phone"
        paneles = esperar_paneles(d, 2)
        assert paneles[1].rect["y"] >= paneles[0].rect["y"] + paneles[0].rect["height"]
        for i in (1, 2, 3):
            r = campo(d, f"Lado {i}").rect
            assert r["x"] >= 0 and r["x"] + r["width"] <= 360, (i, r)
        axe(d, fuente_axe, "on a phone")
    finally:
        d.quit()
    if axe_ausente:
        print(f"SKIP: everything passed but the accessibility check: no axe-core at "
              f"{archivo_axe!r} (scripts/setup.sh installs it with npm)")


def medir(pagina):
    d = navegador(1100, 900)
    try:
        abrir(d, pagina)
        for nombre, campos, cuantos in (("3-4-5", {"Lado 1": "3", "Lado 2": "4", "Lado 3": "5"}, 1),
                                        ("30, 1.5, 2", {"Ángulo 1": "30", "Lado 1": "1.5",
                                                        "Lado 2": "2"}, 2)):
            boton(d, "Borrar").click()
            for etiqueta, texto in campos.items():
                campo(d, etiqueta).send_keys(texto)
            boton(d, "Resolver").click()
            esperar_paneles(d, cuantos)
            # Press, solve, build the panels and lay them out, 500 times.
            tiempos = d.execute_script(
                "const b = document.getElementById('resolver'); const t = [];"
                "for (let i = 0; i < 500; ++i) {"
                "  const t0 = performance.now(); b.click(); document.body.getBoundingClientRect();"
                "  t.push(performance.now() - t0); }"
                "return t;")
            tiempos.sort()
            print(f"Resolver {nombre} ({cuantos} panel(s)), drawing included: "
                  f"mean {statistics.mean(tiempos):.2f} ms, median {statistics.median(tiempos):.2f} ms, "
                  f"95th percentile {tiempos[int(0.95 * len(tiempos))]:.2f} ms, "
                  f"max {tiempos[-1]:.2f} ms ({len(tiempos)} presses)")
    finally:
        d.quit()
    carpeta = pathlib.Path(pagina).parent
    archivos = sorted(p for p in carpeta.iterdir() if p.name != "pendra-cli.mjs")
    for p in archivos:
        print(f"{p.name}: {p.stat().st_size} bytes")
    print(f"page total: {sum(p.stat().st_size for p in archivos)} bytes")


if __name__ == "__main__":
    if sys.argv[1] == "--medir":
        medir(sys.argv[2])
    else:
        if not os.path.isfile(sys.argv[3]):
            print(f"SKIP: no {sys.argv[3]!r}: build the release preset first")
            sys.exit(0)
        probar(*sys.argv[1:5])
