// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page around the core: reads the six fields, asks the core, shows its
// message or draws each solution in a panel of its own.
'use strict';

(function () {
  const NS = 'http://www.w3.org/2000/svg';
  const CAMPOS = ['angulo1', 'lado1', 'angulo2', 'lado2', 'angulo3', 'lado3'];
  // Labels as the desktop draws them: a sans serif, blue lengths, red angles.
  const FUENTE = 'Arial, "Liberation Sans", Arimo, sans-serif';
  const TAMANO_FUENTE = 13;
  const ASCENSO = 0.905 * TAMANO_FUENTE;     // Arial's ascent
  const INTERLINEA = 1.149 * TAMANO_FUENTE;  // and its line spacing
  const COLOR_LADO = '#000000';
  const COLOR_LONGITUD = '#0000ff';
  const COLOR_ANGULO = '#c00000';
  const MARCA = '\u00ba';
  // The result window's picture, 4695 by 2620 twips.
  const PROPORCION = 2620 / 4695;

  // Text widths from a canvas with the labels' font: no layout of the page
  // is forced while a drawing is built.
  const medidor = document.createElement('canvas').getContext('2d');
  medidor.font = `${TAMANO_FUENTE}px ${FUENTE}`;
  const medir = (texto) => medidor.measureText(texto).width;

  const codificar = new TextEncoder();
  const decodificar = new TextDecoder();
  const nucleo = Pendra();

  // The core's last answer as text.
  function leer(m, puntero) {
    const largo = m._pendra_largo();
    return decodificar.decode(m.HEAPU8.subarray(puntero, puntero + largo));
  }

  function responder(m, textos) {
    const bytes = textos.map((t) => codificar.encode(t));
    const total = bytes.reduce((s, b) => s + b.length, 0);
    const tabla = m._malloc(48 + total);
    let libre = tabla + 48;
    const punteros = [];
    for (const b of bytes) {
      m.HEAPU8.set(b, libre);
      punteros.push(libre);
      libre += b.length;
    }
    const vista = new DataView(m.HEAPU8.buffer);
    for (let i = 0; i < 6; ++i) {
      vista.setUint32(tabla + 4 * i, punteros[i], true);
      vista.setUint32(tabla + 24 + 4 * i, bytes[i].length, true);
    }
    const respuesta = JSON.parse(leer(m, m._pendra_responder(tabla, tabla + 24)));
    m._free(tabla);
    respuesta.detalles = JSON.parse(leer(m, m._pendra_detalles()));
    return respuesta;
  }

  function elemento(nombre, atributos, padre) {
    const e = document.createElementNS(NS, nombre);
    for (const [clave, valor] of Object.entries(atributos)) {
      e.setAttribute(clave, valor);
    }
    if (padre) {
      padre.appendChild(e);
    }
    return e;
  }

  // Draws solution `indice` of the last answer into `svg`, `ancho` pixels
  // wide: fitted and labelled as the result window does it.
  function dibujar(m, svg, indice, ancho, etiquetas) {
    const alto = Math.round(ancho * PROPORCION);
    svg.replaceChildren();
    svg.setAttribute('viewBox', `0 0 ${ancho} ${alto}`);
    svg.setAttribute('width', ancho);
    svg.setAttribute('height', alto);
    elemento('rect', { width: ancho, height: alto, fill: '#ffffff' }, svg);
    const g = JSON.parse(leer(m, m._pendra_vista(indice, ancho, alto)));
    if (!g) {
      return;
    }
    const [izquierda, arriba, derecha, abajo] = g.vista;
    const sx = ancho / (derecha - izquierda);
    const sy = alto / (abajo - arriba);
    const punto = (x, y) => [(x - izquierda) * sx, (y - arriba) * sy];
    const [vx, vy] = g.apice;
    const base = g.base;
    const apice = punto(vx, vy);
    const origen = punto(0, 0);
    const extremo = punto(base, 0);

    // Through pixel centres, so a level side is one sharp pixel.
    const centro = (p) => `${Math.floor(p[0]) + 0.5},${Math.floor(p[1]) + 0.5}`;
    elemento('polygon', {
      points: `${centro(apice)} ${centro(origen)} ${centro(extremo)}`,
      fill: 'none', stroke: COLOR_LADO, 'stroke-width': 1,
    }, svg);

    const textos = elemento('g', { 'font-family': FUENTE, 'font-size': TAMANO_FUENTE }, svg);
    const escribir = (texto, x, y, color, clase) => {
      const t = elemento('text', {
        x: Math.round(x), y: Math.round(y) + ASCENSO, fill: color, class: clase,
      }, textos);
      t.textContent = texto;
      return t;
    };
    // Each length with its upper-left corner at the midpoint of its side; the
    // midpoints in single precision, like the vertices.
    const f = Math.fround;
    const lados = [
      punto(f(base / 2), 0),
      punto(f(f(base + vx) / 2), f(vy / 2)),
      punto(f(vx / 2), f(vy / 2)),
    ];
    lados.forEach((p, i) => escribir(etiquetas.lados[i], p[0], p[1], COLOR_LONGITUD, 'lado'));
    // Each angle's number centred on its vertex, the mark behind it: one line
    // above the apex, hanging below the base.
    const angulo = (i, vertice, alturaTexto) => {
      const numero = etiquetas.angulos[i].endsWith(MARCA)
        ? etiquetas.angulos[i].slice(0, -MARCA.length) : etiquetas.angulos[i];
      const x = vertice[0] - medir(numero) / 2;
      const t = escribir('', x, alturaTexto, COLOR_ANGULO, 'angulo');
      const tNumero = document.createElementNS(NS, 'tspan');
      tNumero.textContent = numero;
      const tMarca = document.createElementNS(NS, 'tspan');
      tMarca.textContent = MARCA;
      t.append(tNumero, tMarca);
    };
    angulo(0, apice, apice[1] - INTERLINEA);
    angulo(1, origen, origen[1]);
    angulo(2, extremo, extremo[1]);
  }

  function descargar(nombre, blob) {
    const url = URL.createObjectURL(blob);
    const a = document.createElement('a');
    a.href = url;
    a.download = nombre;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 1000);
  }

  function textoSvg(svg) {
    const copia = svg.cloneNode(true);
    copia.setAttribute('xmlns', NS);
    copia.removeAttribute('class');
    copia.removeAttribute('tabindex');
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + new XMLSerializer().serializeToString(copia);
  }

  function descargarPng(svg, nombre, aviso) {
    const ancho = Number(svg.getAttribute('width'));
    const alto = Number(svg.getAttribute('height'));
    const imagen = new Image();
    imagen.onload = () => {
      const escala = 2;
      const lienzo = document.createElement('canvas');
      lienzo.width = ancho * escala;
      lienzo.height = alto * escala;
      const ctx = lienzo.getContext('2d');
      ctx.scale(escala, escala);
      ctx.drawImage(imagen, 0, 0, ancho, alto);
      lienzo.toBlob((blob) => {
        if (blob) {
          descargar(nombre, blob);
        } else {
          aviso.textContent = 'No se pudo crear la imagen PNG.';
        }
      }, 'image/png');
    };
    imagen.onerror = () => { aviso.textContent = 'No se pudo crear la imagen PNG.'; };
    imagen.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(textoSvg(svg));
  }

  async function copiarTexto(texto) {
    if (navigator.clipboard && window.isSecureContext) {
      try {
        await navigator.clipboard.writeText(texto);
        return true;
      } catch (e) {
        // Refused (no permission): the older way below may still work.
      }
    }
    const area = document.createElement('textarea');
    area.value = texto;
    area.setAttribute('readonly', '');
    area.style.position = 'fixed';
    area.style.opacity = '0';
    document.body.appendChild(area);
    area.select();
    let hecho = false;
    try {
      hecho = document.execCommand('copy');
    } catch (e) {
      hecho = false;
    }
    area.remove();
    return hecho;
  }

  function alternar(boton, contenido) {
    const abrir = boton.getAttribute('aria-expanded') !== 'true';
    boton.setAttribute('aria-expanded', String(abrir));
    contenido.hidden = !abrir;
  }

  // The working as the desktop lays it out: the case, then one step a list
  // item: its rule and the measure it finds, the formula, the formula with
  // the numbers put in and the value, shown as the measure's label.
  function procedimiento(contenedor, datos, etiquetas) {
    const p = document.createElement('p');
    const caso = document.createElement('strong');
    caso.textContent = `Caso ${datos.caso}:`;
    p.append(caso, ` ${datos.descripcion || ''}`);
    contenedor.appendChild(p);
    const etiqueta = (calcula, valor) => {
      const [tipo, numero] = (calcula || '').split(' ');
      const i = Number(numero) - 1;
      if (tipo === 'ángulo') {
        return etiquetas.angulos[i];
      }
      if (tipo === 'lado') {
        return etiquetas.lados[i];
      }
      return valor === null || valor === undefined ? '' : String(Number(valor.toPrecision(10)));
    };
    const lista = document.createElement('ol');
    for (const paso of datos.pasos || []) {
      const li = document.createElement('li');
      const cabeza = document.createElement('strong');
      cabeza.textContent = paso.regla.charAt(0).toUpperCase() + paso.regla.slice(1);
      li.appendChild(cabeza);
      if (paso.calcula) {
        li.append(` (${paso.calcula})`);
      }
      const valor = etiqueta(paso.calcula, paso.valor);
      for (const texto of [paso.formula, paso.sustitucion && valor
        ? `${paso.sustitucion} = ${valor}` : paso.sustitucion]) {
        if (texto) {
          const f = document.createElement('div');
          f.className = 'formula';
          f.textContent = texto;
          li.appendChild(f);
        }
      }
      if (paso.nota) {
        const nota = document.createElement('div');
        nota.textContent = paso.nota;
        li.appendChild(nota);
      }
      lista.appendChild(li);
    }
    contenedor.appendChild(lista);
  }

  function panel(plantilla, solucion, detalles, indice) {
    const nodo = plantilla.content.firstElementChild.cloneNode(true);
    const id = `solucion-${indice + 1}`;
    const titulo = nodo.querySelector('.titulo');
    titulo.id = `${id}-titulo`;
    titulo.textContent = `Solución ${indice + 1}`;
    nodo.setAttribute('aria-labelledby', titulo.id);

    const etiquetas = solucion.etiquetas;
    const nombre = `triangulo-${etiquetas.lados.join('-')}`;
    const svg = elemento('svg', {
      role: 'img', tabindex: '0',
      'aria-label': `Triángulo de lados ${etiquetas.lados[0]}, ${etiquetas.lados[1]} y ${etiquetas.lados[2]};`
        + ` ángulos ${etiquetas.angulos.join(', ')}`,
    });
    nodo.querySelector('.lienzo').appendChild(svg);
    nodo.querySelector('.franja').textContent = detalles.franja;

    const aviso = nodo.querySelector('.aviso');
    const propiedades = nodo.querySelector('.propiedades');
    propiedades.id = `${id}-propiedades`;
    // The table is filled when first opened: a press of Resolver builds
    // only what is shown.
    const llenar = () => {
      const cuerpo = propiedades.querySelector('tbody');
      if (cuerpo.firstChild) {
        return;
      }
      for (const [nombreFila, valor] of detalles.filas) {
        const fila = document.createElement('tr');
        const th = document.createElement('th');
        th.scope = 'row';
        th.textContent = nombreFila;
        const td = document.createElement('td');
        td.textContent = valor;
        fila.append(th, td);
        cuerpo.appendChild(fila);
      }
    };
    const verPropiedades = nodo.querySelector('.ver-propiedades');
    verPropiedades.setAttribute('aria-controls', propiedades.id);
    verPropiedades.addEventListener('click', () => {
      llenar();
      alternar(verPropiedades, propiedades);
    });

    const trabajo = nodo.querySelector('.procedimiento');
    const verTrabajo = nodo.querySelector('.ver-procedimiento');
    if (solucion.procedimiento) {
      trabajo.id = `${id}-procedimiento`;
      procedimiento(trabajo, solucion.procedimiento, solucion.etiquetas);
      verTrabajo.hidden = false;
      verTrabajo.setAttribute('aria-controls', trabajo.id);
      verTrabajo.addEventListener('click', () => alternar(verTrabajo, trabajo));
    }

    nodo.querySelector('.copiar').addEventListener('click', async () => {
      aviso.textContent = (await copiarTexto(detalles.copia))
        ? 'Medidas copiadas.' : 'No se pudo copiar: el navegador no lo permite.';
    });
    nodo.querySelector('.descargar-svg').addEventListener('click', () => {
      descargar(`${nombre}.svg`, new Blob([textoSvg(svg)], { type: 'image/svg+xml' }));
    });
    nodo.querySelector('.descargar-png').addEventListener('click', () => {
      descargarPng(svg, `${nombre}.png`, aviso);
    });
    return { nodo, svg, etiquetas, indice };
  }

  function iniciar() {
    const formulario = document.getElementById('entrada');
    const campos = CAMPOS.map((id) => document.getElementById(id));
    const dialogo = document.getElementById('mensaje');
    const estado = document.getElementById('estado');
    const soluciones = document.getElementById('soluciones');
    const plantilla = document.getElementById('plantilla-solucion');
    let destino = null;    // the field a message sends the focus back to
    let paneles = [];
    let modulo = null;

    // A field reached from the keyboard has its text selected, ready to be
    // typed over, as in the window; a click places the caret.
    let conRaton = false;
    for (const campo of campos) {
      campo.addEventListener('mousedown', () => { conRaton = true; });
      campo.addEventListener('focus', () => {
        if (!conRaton) {
          campo.select();
        }
        conRaton = false;
      });
    }

    const redibujar = () => {
      for (const p of paneles) {
        const ancho = Math.max(1, Math.floor(p.nodo.querySelector('.lienzo').clientWidth));
        if (p.ancho !== ancho) {
          p.ancho = ancho;
          dibujar(modulo, p.svg, p.indice, ancho, p.etiquetas);
        }
      }
    };
    new ResizeObserver(redibujar).observe(soluciones);

    const mostrarMensaje = (mensaje) => {
      document.getElementById('mensaje-titulo').textContent = mensaje.titulo;
      document.getElementById('mensaje-texto').textContent =
        mensaje.motivo ? `${mensaje.texto}\n\n${mensaje.motivo}` : mensaje.texto;
      destino = mensaje.campo ? document.getElementById(mensaje.campo) : null;
      dialogo.showModal();
      document.getElementById('aceptar').focus();
    };
    dialogo.addEventListener('close', () => {
      if (destino) {
        destino.focus();
        destino.select();
      }
    });
    document.getElementById('aceptar').addEventListener('click', () => dialogo.close());

    document.getElementById('borrar').addEventListener('click', () => {
      for (const campo of campos) {
        campo.value = '';
      }
      campos[0].focus();
    });

    formulario.addEventListener('submit', async (evento) => {
      evento.preventDefault();
      modulo = modulo || await nucleo;
      const respuesta = responder(modulo, campos.map((c) => c.value));
      if (respuesta.mensaje) {
        mostrarMensaje(respuesta.mensaje);
        return;
      }
      paneles = respuesta.soluciones.map((s, i) =>
        panel(plantilla, s, respuesta.detalles[i], i));
      soluciones.replaceChildren(...paneles.map((p) => p.nodo));
      redibujar();
      const n = paneles.length;
      estado.textContent = n === 1 ? 'Una solución.' : n === 2 ? 'Dos soluciones.' : '';
    });

    nucleo.catch(() => {
      estado.textContent = 'Este navegador no puede ejecutar Pendra (falta WebAssembly).';
    });
  }

  iniciar();
})();
