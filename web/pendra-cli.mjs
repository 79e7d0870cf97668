#!/usr/bin/env node
// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// pendra-cli --json in Node: one request per line of standard input, six
// tab-separated fields; one line of JSON per request on standard output,
// the same bytes the desktop build's pendra-cli writes.
import Pendra from './pendra.js';

const args = process.argv.slice(2);
if (args.length > 1 || (args.length === 1 && args[0] !== '--json')) {
    process.stderr.write('Uso: node pendra-cli.mjs [--json] < archivo\n' +
        'Lee una solicitud por línea, con seis campos separados por tabuladores,\n' +
        'y escribe una línea de JSON por solicitud.\n');
    process.exit(2);
}

const nucleo = await Pendra();
let memoria = 0;
let capacidad = 0;
let numero = 0;
let pendiente = [];
let pendientes = 0;

function responder(linea) {
    if (linea.length > 0 && linea[linea.length - 1] === 0x0d) {
        linea = linea.subarray(0, linea.length - 1);
    }
    if (linea.length + 1 > capacidad) {
        nucleo._free(memoria);
        capacidad = Math.max(linea.length + 1, 2 * capacidad, 4096);
        memoria = nucleo._malloc(capacidad);
    }
    nucleo.HEAPU8.set(linea, memoria);
    const texto = nucleo._pendra_linea(memoria, linea.length, ++numero);
    const largo = nucleo._pendra_largo();
    pendiente.push(Buffer.from(nucleo.HEAPU8.subarray(texto, texto + largo)), Buffer.from('\n'));
    pendientes += largo + 1;
}

async function vaciar() {
    if (pendientes === 0) {
        return;
    }
    const bloque = Buffer.concat(pendiente);
    pendiente = [];
    pendientes = 0;
    if (!process.stdout.write(bloque)) {
        await new Promise((listo) => process.stdout.once('drain', listo));
    }
}

let resto = Buffer.alloc(0);
for await (const trozo of process.stdin) {
    let datos = resto.length > 0 ? Buffer.concat([resto, trozo]) : trozo;
    let inicio = 0;
    for (let fin = datos.indexOf(0x0a); fin >= 0; fin = datos.indexOf(0x0a, inicio)) {
        responder(datos.subarray(inicio, fin));
        inicio = fin + 1;
    }
    resto = Buffer.from(datos.subarray(inicio));
    if (pendientes >= 1 << 16) {
        await vaciar();
    }
}
if (resto.length > 0) {
    responder(resto);
}
await vaciar();
