// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's own elementary functions on a thousand seeded arguments in the
// solver's ranges: the time of one call, the rare exact evaluations included.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <vector>

#include "elementales.h"

namespace {

std::vector<double> Argumentos(double desde, double hasta, unsigned semilla) {
    std::mt19937_64 azar(semilla);
    std::uniform_real_distribution<double> reparto(desde, hasta);
    std::vector<double> v(1024);
    for (double& x : v) {
        x = reparto(azar);
    }
    return v;
}

template <typename F>
void Elemental(benchmark::State& estado, double desde, double hasta, F funcion) {
    const std::vector<double> x = Argumentos(desde, hasta, 1);
    const std::vector<double> y = Argumentos(desde, hasta, 2);
    std::size_t i = 0;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(funcion(x[i], y[i]));
        i = (i + 1) % x.size();
    }
}

using namespace pendra::mate;

BENCHMARK_CAPTURE(Elemental, Sen, 0.0, 3.14159, [](double x, double) { return Sen(x); });
BENCHMARK_CAPTURE(Elemental, Cos, 0.0, 3.14159, [](double x, double) { return Cos(x); });
BENCHMARK_CAPTURE(Elemental, Atan, -4.0, 4.0, [](double x, double) { return Atan(x); });
BENCHMARK_CAPTURE(Elemental, Atan2, -3.0, 3.0, [](double y, double x) { return Atan2(y, x); });
BENCHMARK_CAPTURE(Elemental, Asen, -1.0, 1.0, [](double x, double) { return Asen(x); });
BENCHMARK_CAPTURE(Elemental, Hipot, 0.0, 100.0, [](double x, double y) { return Hipot(x, y); });

}  // namespace
