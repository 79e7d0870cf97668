// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's service worker: it keeps every file of the page, so that after
// one visit the page opens and answers with no network. Each file is asked
// of the network first, so a new build replaces the kept one on the first
// visit that reaches it; the kept copy answers when the network does not.
'use strict';

// Both written by the build: a digest of the page's files and their names.
const VERSION = '@PENDRA_VERSION_PAGINA@';
const ARCHIVOS = [@PENDRA_ARCHIVOS_PAGINA@];

const PREFIJO = `pendra ${self.registration.scope} `;
const ALMACEN = PREFIJO + VERSION;
// A network slower than this gets the kept copy; the answer, when it comes,
// is kept for the next visit.
const ESPERA_RED = 4000;

const direccion = (texto) => {
  const url = new URL(texto, self.registration.scope);
  url.hash = '';
  url.search = '';
  return url.href;
};
const PROPIAS = new Set(['./', ...ARCHIVOS].map(direccion));

self.addEventListener('install', (evento) => {
  // The whole set or nothing: a page half of one build and half of another
  // must never be kept.
  evento.waitUntil(caches.open(ALMACEN)
    .then((almacen) => almacen.addAll([...PROPIAS].map((u) => new Request(u, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (evento) => {
  evento.waitUntil(caches.keys()
    .then((nombres) => Promise.all(nombres
      .filter((n) => n.startsWith(PREFIJO) && n !== ALMACEN)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (evento) => {
  if (evento.request.method !== 'GET') {
    return;
  }
  const clave = direccion(evento.request.url);
  if (PROPIAS.has(clave)) {
    evento.respondWith(responder(evento, clave));
  }
});

async function responder(evento, clave) {
  const almacen = await caches.open(ALMACEN);
  const red = fetch(clave, { cache: 'no-cache' });
  // Kept whatever the page gets, even after a slow network lost the race.
  evento.waitUntil(red
    .then((respuesta) => (respuesta.ok ? almacen.put(clave, respuesta.clone()) : null))
    .catch(() => null));
  const guardada = await almacen.match(clave);
  if (!guardada) {
    return red;
  }
  const espera = new Promise((listo) => { setTimeout(() => listo(guardada), ESPERA_RED); });
  return Promise.race([red.catch(() => guardada), espera]);
}
