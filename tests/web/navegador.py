#!/usr/bin/python3
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in headless Chromium, used as a person would use it.

navegador.py PAGINA AXE PENDRA_CLI CAPTURA
    PAGINA: build/web/index.html; AXE: axe.min.js; PENDRA_CLI: the host build's
    pendra-cli, whose labels the drawing must show; CAPTURA: the PNG to write.
    The page is used opened from the disk, then served over HTTP from a copy
    of its folder: installed, offline, carried by its address.
navegador.py --medir PAGINA
    Prints how long a press of Resolver takes, drawing included.
"""

import functools
import http.server
import json
import os
import pathlib
import statistics
import struct
import subprocess
import sys
import shutil
import tempfile
import threading
import time
import urllib.parse
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


def paneles_vistos(d):
    return d.find_elements(By.CSS_SELECTOR, '#soluciones [role="region"]')


def valores(d):
    return [campo(d, f"{tipo} {i}").get_attribute("value")
            for i in (1, 2, 3) for tipo in ("Ángulo", "Lado")]


def escribir(d, campos):
    """Borrar, then the fields given as (Ángulo 1, Lado 1, ..., Lado 3)."""
    boton(d, "Borrar").click()
    for i, texto in enumerate(campos):
        if texto:
            campo(d, f"{('Ángulo', 'Lado')[i % 2]} {i // 2 + 1}").send_keys(texto)


def en_vista(d, e):
    """The element's box lies wholly inside the window."""
    return d.execute_script(
        "const r = arguments[0].getBoundingClientRect();"
        "return r.width > 0 && r.top >= 0 && r.left >= 0"
        "    && r.bottom <= document.documentElement.clientHeight"
        "    && r.right <= document.documentElement.clientWidth;", e)


def respuesta_en_vista(d, cuantos, todas=False):
    """Right after Resolver: the focus on the first answer's heading, and
    the first drawing (with `todas`, every drawing) wholly in view."""
    paneles = esperar_paneles(d, cuantos)
    activo = d.switch_to.active_element
    assert activo.tag_name == "h2" and activo.text == "Solución 1", activo.get_attribute("outerHTML")
    for p in paneles if todas else paneles[:1]:
        assert en_vista(d, p.find_element(By.TAG_NAME, "svg")), (
            d.get_window_size(), d.execute_script("return window.scrollY"),
            p.find_element(By.TAG_NAME, "svg").rect)
    return paneles


def sin_respuesta(d):
    """No panel, no count of answers, no link to copy."""
    assert not paneles_vistos(d), "an old answer is still shown"
    assert d.find_element(By.ID, "estado").text == ""
    assert not d.find_element(By.ID, "copiar-enlace").is_displayed()


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

        # The page shows only the answer to the fields as they stand: an
        # error takes the old panels away, and so does Borrar.
        campo(d, "Lado 1").clear()
        campo(d, "Lado 1").send_keys("abc")
        boton(d, "Resolver").click()
        dialogo = d.find_element(By.CSS_SELECTOR, '[role="alertdialog"]')
        WebDriverWait(d, 5).until(lambda d: dialogo.is_displayed())
        sin_respuesta(d)
        boton(d, "Aceptar").click()
        WebDriverWait(d, 5).until(lambda d: not dialogo.is_displayed())
        escribir(d, ("", "3", "", "4", "", "5"))
        boton(d, "Resolver").click()
        esperar_paneles(d, 1)
        boton(d, "Borrar").click()
        sin_respuesta(d)

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
        paneles = respuesta_en_vista(d, 2)
        assert [nombre_accesible(d, p) for p in paneles] == ["Solución 1", "Solución 2"]
        formulario = d.find_element(By.ID, "entrada").rect
        assert all(p.rect["x"] >= formulario["x"] + formulario["width"] for p in paneles), \
            "wide: the answers beside the input"
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
    probar_telefono(pagina, fuente_axe)
    probar_servida(pathlib.Path(pagina).parent, fuente_axe)
    if axe_ausente:
        print(f"SKIP: everything passed but the accessibility check: no axe-core at "
              f"{archivo_axe!r} (scripts/setup.sh installs it with npm)")


# The page's own files, icons and worker included: what a visit downloads.
# Everything a visit downloads, icons and worker included.
LIMITE_PAGINA = 400_000

# Fragments the page never writes: each fills nothing and runs nothing.
FRAGMENTOS_AJENOS = (
    ("too few fields", "angulo1=30&lado1=1.5"),
    ("fields out of order", "lado1=1.5&angulo1=30&angulo2=&lado2=&angulo3=&lado3=2"),
    ("an unknown name", "angulo1=30&lado1=1.5&angulo2=&lado2=&angulo3=&lado4=2"),
    ("a field with no '='", "angulo1=30&lado1=1.5&angulo2&lado2=&angulo3=&lado3=2"),
    ("broken percent-encoding", "angulo1=%E2%82&lado1=1.5&angulo2=&lado2=&angulo3=&lado3=2"),
    ("markup", "angulo1=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E&lado1=3&angulo2=&lado2=4"
               "&angulo3=&lado3=5"),
    ("a control character", "angulo1=&lado1=3%0A&angulo2=&lado2=4&angulo3=&lado3=5"),
    ("a field longer than a field holds",
     "angulo1=&lado1=3." + "0" * 4095 + "&angulo2=&lado2=4&angulo3=&lado3=5"),
    ("longer than six full fields", "angulo1=&lado1=" + "%20" * 80_000 + "3&angulo2=&lado2=4"
                                    "&angulo3=&lado3=5"),
)


class Silencioso(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Servidor:
    """python3 -m http.server's server on a folder, in this process, so that
    it can be stopped (the network cut) and started again on its port."""

    def __init__(self, carpeta):
        self.carpeta = carpeta
        self.puerto = 0
        self.iniciar()

    def iniciar(self):
        manejador = functools.partial(Silencioso, directory=self.carpeta)
        self.servidor = http.server.ThreadingHTTPServer(("127.0.0.1", self.puerto), manejador)
        self.puerto = self.servidor.server_port
        threading.Thread(target=self.servidor.serve_forever, daemon=True).start()

    def detener(self):
        self.servidor.shutdown()
        self.servidor.server_close()

    @property
    def url(self):
        return f"http://127.0.0.1:{self.puerto}/"


def red(d, conectada):
    """The browser's network on or off, its cache off while it is off."""
    d.execute_cdp_cmd("Network.enable", {})
    d.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": not conectada})
    d.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": not conectada, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})


def sin_red(d):
    """Nothing the worker does not keep can be fetched."""
    return d.execute_async_script(
        "const listo = arguments[arguments.length - 1];"
        "fetch('otro.txt?' + Date.now()).then(() => listo(false), () => listo(true));")


def controlada(d):
    WebDriverWait(d, 30).until(
        lambda d: d.execute_script("return !!navigator.serviceWorker.controller"))


def tamano(d, ancho, alto):
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": ancho, "height": alto, "deviceScaleFactor": 1, "mobile": ancho < 600})
    WebDriverWait(d, 5).until(lambda d: d.execute_script("return window.innerWidth") == ancho)


def manifiesto(d, url):
    """Chromium reads the manifest without error, would install the page,
    and each icon is an image of the size the manifest gives."""
    leido = d.execute_cdp_cmd("Page.getAppManifest", {})
    assert leido["url"] == url + "pendra.webmanifest" and not leido["errors"], leido
    datos = json.loads(leido["data"])
    assert datos["name"] == "Pendra" and datos["display"] == "standalone", datos
    assert datos["short_name"] and datos["description"] and datos["theme_color"], datos
    assert urllib.parse.urljoin(leido["url"], datos["start_url"]) == url, datos["start_url"]
    iconos = {(i["sizes"], i.get("purpose", "any")): i["src"] for i in datos["icons"]}
    assert set(iconos) >= {(f"{n}x{n}", p) for n in (192, 512) for p in ("any", "maskable")}, iconos
    for (tamanos, _), src in iconos.items():
        medido = d.execute_async_script(
            "const listo = arguments[arguments.length - 1]; const i = new Image();"
            "i.onload = () => listo(`${i.naturalWidth}x${i.naturalHeight}`);"
            "i.onerror = () => listo(null); i.src = arguments[0];", src)
        assert medido == tamanos, (src, medido)
    errores = d.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
    assert not errores, errores


def probar_servida(carpeta_pagina, fuente_axe):
    """The page served from a copy of its folder, as a person keeps it."""
    pagina = pathlib.Path(carpeta_pagina)
    archivos = [p for p in pagina.iterdir() if p.name != "pendra-cli.mjs"]
    total = sum(p.stat().st_size for p in archivos)
    assert total < LIMITE_PAGINA, f"the page weighs {total} bytes"
    with tempfile.TemporaryDirectory() as carpeta:
        copia = pathlib.Path(carpeta, "pagina")
        shutil.copytree(pagina, copia)
        servidor = Servidor(copia)
        d = navegador(1280, 900)
        try:
            d.get(servidor.url)
            tamano(d, 1280, 900)
            controlada(d)
            manifiesto(d, servidor.url)

            # The answer beside the input, in view, right after Resolver.
            escribir(d, ("", "3", "", "4", "", "5"))
            boton(d, "Resolver").click()
            respuesta_en_vista(d, 1)
            escribir(d, ("30", "1.5", "", "", "", "2"))
            boton(d, "Resolver").click()
            respuesta_en_vista(d, 2, todas=True)
            axe(d, fuente_axe, "served, two answers beside the input")

            # The address holds the fields as typed; opened in a new tab it
            # fills them and solves them.
            direccion = d.current_url
            assert urllib.parse.urlsplit(direccion).fragment, direccion
            d.execute_cdp_cmd("Browser.grantPermissions", {
                "origin": servidor.url.rstrip("/"),
                "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
            boton(d, "Copiar enlace").click()
            WebDriverWait(d, 5).until(
                lambda d: d.find_element(By.ID, "aviso-enlace").text == "Enlace copiado.")
            copiado = d.execute_async_script(
                "navigator.clipboard.readText().then(arguments[arguments.length - 1]);")
            assert copiado == direccion, (copiado, direccion)
            original = d.current_window_handle
            d.switch_to.new_window("tab")
            d.get(direccion)
            esperar_paneles(d, 2)
            assert valores(d) == ["30", "1.5", "", "", "", "2"], valores(d)
            d.close()
            d.switch_to.window(original)

            # Back and Forward move between the triangles solved.
            escribir(d, ("", "3", "", "4", "", "5"))
            boton(d, "Resolver").click()
            esperar_paneles(d, 1)
            for paso, campos, cuantos in ((d.back, ("30", "1.5", "", "", "", "2"), 2),
                                          (d.back, ("", "3", "", "4", "", "5"), 1),
                                          (d.forward, ("30", "1.5", "", "", "", "2"), 2),
                                          (d.forward, ("", "3", "", "4", "", "5"), 1)):
                paso()
                esperar_paneles(d, cuantos)
                assert valores(d) == list(campos), (valores(d), campos)

            # Six fields as long as a field holds still make a link that opens,
            # though its address runs past six times a field's length.
            largos = ["", " " * 4095 + "3", "", " " * 4095 + "4", "", " " * 4095 + "5"]
            largo = "#" + "&".join(f"{n}={urllib.parse.quote(v)}" for n, v in
                                   zip(("angulo1", "lado1", "angulo2", "lado2", "angulo3", "lado3"),
                                       largos))
            assert len(largo) > 6 * 4096
            d.get("about:blank")
            d.get(servidor.url + largo)
            esperar_paneles(d, 1)
            assert valores(d) == largos

            # Any other fragment fills nothing and runs nothing, opened or
            # typed over a triangle shown.
            for motivo, fragmento in FRAGMENTOS_AJENOS:
                d.get("about:blank")
                d.get(f"{servidor.url}#{fragmento}")
                WebDriverWait(d, 10).until(lambda d: d.execute_script(
                    "return typeof Pendra === 'function'"))
                time.sleep(0.3)
                assert valores(d) == [""] * 6, (motivo, valores(d))
                sin_respuesta(d)
                assert not d.find_element(By.ID, "mensaje").is_displayed(), motivo
            d.get(direccion)
            esperar_paneles(d, 2)
            d.execute_script("location.hash = arguments[0]", FRAGMENTOS_AJENOS[5][1])
            WebDriverWait(d, 5).until(lambda d: not paneles_vistos(d))
            assert valores(d) == [""] * 6, valores(d)

            # With the server gone and the browser's cache off, the page
            # opens from what the worker kept, and answers.
            servidor.detener()
            red(d, False)
            assert sin_red(d)
            d.get(servidor.url)
            escribir(d, ("", "3", "", "4", "", "5"))
            boton(d, "Resolver").click()
            [panel] = respuesta_en_vista(d, 1)
            assert textos_svg(d, panel)[:3] == ["3", "4", "5"]

            # A new build: its files replace the kept ones on the next visit
            # with a network, and are the ones kept from then on.
            indice = copia / "index.html"
            indice.write_text(indice.read_text(encoding="utf-8").replace(
                "<title>", "<title>Nueva · "), encoding="utf-8")
            trabajador = copia / "trabajador.js"
            viejo = trabajador.read_text(encoding="utf-8")
            trabajador.write_text(viejo.replace("const VERSION = '", "const VERSION = 'nueva"),
                                  encoding="utf-8")
            futuro = time.time() + 10
            for archivo in (indice, trabajador):
                os.utime(archivo, (futuro, futuro))
            servidor.iniciar()
            red(d, True)
            d.get(servidor.url)
            assert d.title.startswith("Nueva · "), d.title
            WebDriverWait(d, 30).until(lambda d: d.execute_async_script(
                "const listo = arguments[arguments.length - 1];"
                "caches.keys().then((n) => listo(n.length === 1 && n[0].includes(' nueva')));"))
            servidor.detener()
            red(d, False)
            d.get(servidor.url)
            assert d.title.startswith("Nueva · "), d.title
            escribir(d, ("", "3", "", "4", "", "5"))
            boton(d, "Resolver").click()
            esperar_paneles(d, 1)
        finally:
            d.quit()

        # A worker that cannot register leaves the page as it was.
        (copia / "trabajador.js").unlink()
        servidor = Servidor(copia)
        d = navegador(1280, 900)
        try:
            d.get(servidor.url)
            escribir(d, ("", "3", "", "4", "", "5"))
            boton(d, "Resolver").click()
            esperar_paneles(d, 1)
            # Its registration, made while the worker is fetched, goes with it.
            WebDriverWait(d, 10).until(lambda d: d.execute_async_script(
                "navigator.serviceWorker.getRegistrations()"
                ".then((r) => arguments[arguments.length - 1](r.length === 0));"))
        finally:
            d.quit()
            servidor.detener()


def probar_telefono(pagina, fuente_axe):
    """On a phone the answer goes under the input; Resolver brings it into
    view."""
    d = navegador(390, 844)
    try:
        abrir(d, pagina)
        tamano(d, 390, 844)
        escribir(d, ("", "3", "", "4", "", "5"))
        boton(d, "Resolver").click()
        [panel] = respuesta_en_vista(d, 1)
        formulario = d.find_element(By.ID, "entrada").rect
        assert panel.rect["y"] >= formulario["y"] + formulario["height"], "narrow: stacked"
        axe(d, fuente_axe, "a phone, after Resolver")
    finally:
        d.quit()


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
