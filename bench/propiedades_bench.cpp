// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The properties of one solved triangle, as the result window and pendra-cli
// compute them for every solution.

#include <benchmark/benchmark.h>

#include "globales.h"
#include "propiedades.h"
#include "resolver.h"

namespace {

void Propiedades(benchmark::State& estado, double a, double b, double c) {
    pendra::Datos lados;
    lados.Lado(1) = a;
    lados.Lado(2) = b;
    lados.Lado(3) = c;
    const pendra::Solucion solucion = pendra::Resolver(lados)[0];
    for (auto _ : estado) {
        benchmark::DoNotOptimize(solucion);
        const pendra::Propiedades p = pendra::PropiedadesDe(solucion);
        benchmark::DoNotOptimize(p);
    }
}

BENCHMARK_CAPTURE(Propiedades, TresCuatroCinco, 3.0, 4.0, 5.0);
// A needle and a flat triangle take their properties from the angles.
BENCHMARK_CAPTURE(Propiedades, Aguja, 1e-12, 1.0, 1.0);
BENCHMARK_CAPTURE(Propiedades, Plano, 2.0, 1.0, 1.0000000001);
BENCHMARK_CAPTURE(Propiedades, LadosEnormes, 3e300, 4e300, 5e300);

}  // namespace
