// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page around the core: reads the six fields, asks the core, shows its
// message or draws each solution in a panel of its own.
'use strict';

(function () {
  const NS = 'http://www.w3.org/2000/svg';
  const CAMPOS = ['angulo1', 'lado1', 'angulo2', 'lado2', 'angulo3', 'lado3'];
  // The result window's picture, 4695 by 2620 twips.
  const PROPORCION = 2620 / 4695;
  // The narrowest drawing the page fits to a short screen (its margin still
  // holds a line of label), and the room it leaves under the answers.
  const ANCHO_MINIMO = 320;
  const MARGEN_INFERIOR = 8;

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
  // wide: the picture the core lays out, labels placed and all, as pendra-cli
  // --svg writes it.
  function dibujar(m, svg, indice, ancho) {
    const alto = Math.round(ancho * PROPORCION);
    svg.replaceChildren();
    svg.setAttribute('viewBox', `0 0 ${ancho} ${alto}`);
    svg.setAttribute('width', ancho);
    svg.setAttribute('height', alto);
    const texto = leer(m, m._pendra_svg(indice, ancho, alto));
    if (!texto) {
      elemento('rect', { width: ancho, height: alto, fill: '#ffffff' }, svg);
      return;
    }
    const figura = new DOMParser().parseFromString(texto, 'image/svg+xml').documentElement;
    for (const hijo of Array.from(figura.children)) {
      svg.appendChild(document.importNode(hijo, true));
    }
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
  // the numbers put in and the result, all as the core writes them.
  function procedimiento(contenedor, datos) {
    const p = document.createElement('p');
    const caso = document.createElement('strong');
    caso.textContent = `Caso ${datos.caso}:`;
    p.append(caso, ` ${datos.descripcion || ''}`);
    contenedor.appendChild(p);
    const lista = document.createElement('ol');
    for (const paso of datos.pasos || []) {
      const li = document.createElement('li');
      const cabeza = document.createElement('strong');
      cabeza.textContent = paso.titulo;
      li.appendChild(cabeza);
      if (paso.calcula) {
        li.append(` (${paso.calcula})`);
      }
      for (const texto of [paso.formula, paso.sustitucion && paso.resultado
        ? `${paso.sustitucion} = ${paso.resultado}` : paso.sustitucion]) {
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

    const nombre = detalles.nombre;
    const svg = elemento('svg', {
      role: 'img', tabindex: '0', 'aria-label': detalles.accesible,
    });
    nodo.querySelector('.lienzo').appendChild(svg);
    nodo.querySelector('.franja').textContent = detalles.franja[0];

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
      procedimiento(trabajo, solucion.procedimiento);
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
    return { nodo, svg, indice };
  }

  // The address carries the six fields as typed, in its fragment, so that
  // nothing goes to a server: #angulo1=30&lado1=1.5&angulo2=&...
  const LARGO_CAMPO = 4096;  // each field's own limit
  // A typed character takes at most nine characters once percent-encoded
  // (three bytes of UTF-8); a longer fragment cannot come from six fields.
  const LARGO_FRAGMENTO = 9 * CAMPOS.length * LARGO_CAMPO
    + CAMPOS.reduce((s, c) => s + c.length + 2, 0);

  function fragmentoDe(valores) {
    return '#' + CAMPOS.map((c, i) => `${c}=${encodeURIComponent(valores[i])}`).join('&');
  }

  // The six values of a fragment this page writes; null for any other
  // (malformed, too long, or holding markup or control characters).
  function valoresDe(fragmento) {
    const texto = fragmento.startsWith('#') ? fragmento.slice(1) : fragmento;
    if (texto.length > LARGO_FRAGMENTO) {
      return null;
    }
    const partes = texto.split('&');
    if (partes.length !== CAMPOS.length) {
      return null;
    }
    const valores = [];
    for (let i = 0; i < CAMPOS.length; ++i) {
      const igual = partes[i].indexOf('=');
      if (igual < 0 || partes[i].slice(0, igual) !== CAMPOS[i]) {
        return null;
      }
      let valor;
      try {
        valor = decodeURIComponent(partes[i].slice(igual + 1));
      } catch (e) {
        return null;
      }
      if (valor.length > LARGO_CAMPO || /[<>\u0000-\u001f\u007f]/.test(valor)) {
        return null;
      }
      valores.push(valor);
    }
    return valores;
  }

  // The width to draw at: the panel's, or less, so that each of `filas`
  // rows of answers `hueco` apart, drawing, strip and buttons, fits in `alto`
  // pixels.
  function anchoQueCabe(anchoPanel, alto, filas, hueco, resto) {
    const porFila = (alto - (filas - 1) * hueco) / filas - resto;
    const ancho = Math.floor(porFila / PROPORCION);
    return Math.max(1, Math.min(anchoPanel, Math.max(ANCHO_MINIMO, ancho)));
  }

  // Served over the network, a worker keeps the page for use offline. Opened
  // from the disk, or where the browser refuses, the page works as it is.
  function registrarTrabajador() {
    if (!/^https?:$/.test(location.protocol) || !('serviceWorker' in navigator)) {
      return;
    }
    try {
      navigator.serviceWorker.register('trabajador.js').catch(() => {});
    } catch (e) {
      // Refused outright: nothing to keep, the page still answers.
    }
  }

  function iniciar() {
    const formulario = document.getElementById('entrada');
    const campos = CAMPOS.map((id) => document.getElementById(id));
    const dialogo = document.getElementById('mensaje');
    const estado = document.getElementById('estado');
    const soluciones = document.getElementById('soluciones');
    const plantilla = document.getElementById('plantilla-solucion');
    const copiarEnlace = document.getElementById('copiar-enlace');
    const avisoEnlace = document.getElementById('aviso-enlace');
    const ancha = window.matchMedia('(min-width: 60rem)');
    let destino = null;    // the field a message sends the focus back to
    let paneles = [];
    let modulo = null;
    let fragmento = location.hash;  // the fragment the fields were last filled from

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

    // Each drawing as wide as its panel, or narrower so that the answers fit
    // the screen's height: on a wide screen all of them, beside the input; on
    // a narrow one the page scrolls to the first, which alone must fit.
    const redibujar = () => {
      if (!paneles.length) {
        return;
      }
      const rejilla = getComputedStyle(soluciones);
      const columnas = rejilla.gridTemplateColumns.split(' ').length;
      const filas = ancha.matches ? Math.ceil(paneles.length / columnas) : 1;
      const arriba = ancha.matches ? soluciones.getBoundingClientRect().top + window.scrollY : 0;
      const alto = document.documentElement.clientHeight - arriba - MARGEN_INFERIOR;
      // What a panel holds above and below its drawing, closed sections aside.
      const resto = Math.max(...paneles.map((p) => {
        const caja = p.nodo.getBoundingClientRect();
        const svg = p.svg.getBoundingClientRect();
        const estilo = getComputedStyle(p.nodo);
        return (svg.top - caja.top) + (p.nodo.querySelector('.aviso').getBoundingClientRect().bottom
          - svg.bottom) + parseFloat(estilo.paddingBottom) + parseFloat(estilo.borderBottomWidth);
      }));
      for (const p of paneles) {
        const anchoPanel = Math.max(1, Math.floor(p.nodo.querySelector('.lienzo').clientWidth));
        const ancho = anchoQueCabe(anchoPanel, alto, filas, parseFloat(rejilla.rowGap) || 0, resto);
        if (p.ancho !== ancho) {
          p.ancho = ancho;
          dibujar(modulo, p.svg, p.indice, ancho);
        }
      }
    };
    new ResizeObserver(redibujar).observe(soluciones);
    window.addEventListener('resize', redibujar);

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

    // Only the answer to the fields as they stand is shown.
    const quitarPaneles = () => {
      paneles = [];
      soluciones.replaceChildren();
      estado.textContent = '';
      avisoEnlace.textContent = '';
      copiarEnlace.hidden = true;
    };

    // The first answer brought into view, the focus on its heading for
    // screen readers.
    const mostrarRespuesta = () => {
      const titulo = paneles[0].nodo.querySelector('.titulo');
      titulo.tabIndex = -1;
      paneles[0].nodo.scrollIntoView({ block: 'nearest' });
      titulo.focus({ preventScroll: true });
    };

    // Solves the fields as they stand; `guardar` records them in the address
    // as a new step of the history, when they differ from its own.
    const resolver = async (guardar) => {
      modulo = modulo || await nucleo;
      const valores = campos.map((c) => c.value);
      const respuesta = responder(modulo, valores);
      if (respuesta.mensaje) {
        quitarPaneles();
        mostrarMensaje(respuesta.mensaje);
        return;
      }
      paneles = respuesta.soluciones.map((s, i) =>
        panel(plantilla, s, respuesta.detalles[i], i));
      const n = paneles.length;
      estado.textContent = n === 1 ? 'Una solución.' : n === 2 ? 'Dos soluciones.' : '';
      avisoEnlace.textContent = '';
      copiarEnlace.hidden = false;
      soluciones.replaceChildren(...paneles.map((p) => p.nodo));
      redibujar();
      if (guardar && fragmentoDe(valores) !== location.hash) {
        fragmento = fragmentoDe(valores);
        history.pushState(null, '', fragmento);
      }
      mostrarRespuesta();
    };

    // The address's fragment, when opened, or reached by Back and Forward:
    // one this page writes fills the fields and solves them; any other
    // fills nothing, runs nothing and leaves the page empty.
    const seguirDireccion = () => {
      if (location.hash === fragmento) {
        return;
      }
      fragmento = location.hash;
      const valores = valoresDe(location.hash);
      campos.forEach((c, i) => { c.value = valores ? valores[i] : ''; });
      quitarPaneles();
      if (valores) {
        resolver(false);
      }
    };
    window.addEventListener('popstate', seguirDireccion);
    window.addEventListener('hashchange', seguirDireccion);

    document.getElementById('borrar').addEventListener('click', () => {
      for (const campo of campos) {
        campo.value = '';
      }
      quitarPaneles();
      campos[0].focus();
    });

    formulario.addEventListener('submit', (evento) => {
      evento.preventDefault();
      resolver(true);
    });

    copiarEnlace.addEventListener('click', async () => {
      avisoEnlace.textContent = (await copiarTexto(location.href))
        ? 'Enlace copiado.' : 'No se pudo copiar el enlace: el navegador no lo permite.';
    });

    nucleo.catch(() => {
      estado.textContent = 'Este navegador no puede ejecutar Pendra (falta WebAssembly).';
    });

    const valores = valoresDe(location.hash);
    if (valores) {
      campos.forEach((c, i) => { c.value = valores[i]; });
      resolver(false);
    }
  }

  iniciar();
  window.addEventListener('load', registrarTrabajador);
})();
