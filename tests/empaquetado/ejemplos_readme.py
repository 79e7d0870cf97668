#!/usr/bin/env python3
# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the pendra-cli examples of README.md and checks each shows what the
README says it shows.

    ejemplos_readme.py README PENDRA_CLI

An example is a ```console block: each line that starts with "$ " is a
command, and the lines after it, up to the next command, are what it writes
(standard output and standard error together). The README calls the program
by its path in a release build; the test runs the given one instead.
"""

import os
import shlex
import subprocess
import sys
import tempfile

RUTA_EN_README = "build/release/cli/pendra-cli"


def ejemplos(texto):
    """Yields (line number, command, expected output) for every example."""
    bloque = None
    for numero, linea in enumerate(texto.splitlines(), start=1):
        if bloque is None:
            if linea.strip() == "```console":
                bloque = []
            continue
        if linea.strip() == "```":
            yield from ordenes(bloque)
            bloque = None
        else:
            bloque.append((numero, linea))
    if bloque is not None:
        raise SystemExit("README: a console block is not closed")


def ordenes(bloque):
    actual = None
    for numero, linea in bloque:
        if linea.startswith("$ "):
            if actual:
                yield actual
            actual = (numero, linea[2:], [])
        elif actual is None:
            raise SystemExit(f"README:{numero}: output before any command")
        else:
            actual[2].append(linea)
    if actual:
        yield actual


def main():
    readme, cli = sys.argv[1], os.path.abspath(sys.argv[2])
    with open(readme, encoding="utf-8") as archivo:
        texto = archivo.read()
    casos = list(ejemplos(texto))
    if not casos:
        print("FAIL: no console examples found in the README", file=sys.stderr)
        return 1
    fallos = 0
    with tempfile.TemporaryDirectory() as directorio:
        for numero, orden, esperado in casos:
            while esperado and not esperado[-1]:
                esperado.pop()
            if RUTA_EN_README not in orden:
                print(f"FAIL: README:{numero}: the example does not run {RUTA_EN_README}",
                      file=sys.stderr)
                fallos += 1
                continue
            real = orden.replace(RUTA_EN_README, shlex.quote(cli))
            proceso = subprocess.run(["bash", "-c", real], cwd=directorio,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                     check=False)
            salida = proceso.stdout.decode("utf-8").rstrip("\n")
            obtenido = salida.split("\n") if salida else []
            if obtenido != esperado:
                fallos += 1
                print(f"FAIL: README:{numero}: $ {orden}", file=sys.stderr)
                print("--- the README shows:", *esperado, sep="\n", file=sys.stderr)
                print("--- the program writes:", *obtenido, sep="\n", file=sys.stderr)
    if fallos:
        return 1
    print(f"README: {len(casos)} examples write what the README shows")
    return 0


if __name__ == "__main__":
    sys.exit(main())
