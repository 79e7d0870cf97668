// The properties of one solved triangle, as the result window and pendra-cli
// compute them for every solution.

#include <benchmark/benchmark.h>

#include "globales.h"
#include "propiedades.h"

namespace {

void Propiedades(benchmark::State& estado, double a, double b, double c) {
    pendra::Medidas medidas;
    medidas.Lado(1) = a;
    medidas.Lado(2) = b;
    medidas.Lado(3) = c;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(medidas);
        const pendra::Propiedades p = pendra::PropiedadesDe(medidas);
        benchmark::DoNotOptimize(p);
    }
}

BENCHMARK_CAPTURE(Propiedades, TresCuatroCinco, 3.0, 4.0, 5.0);
BENCHMARK_CAPTURE(Propiedades, Aguja, 1e-12, 1.0, 1.0);
BENCHMARK_CAPTURE(Propiedades, LadosEnormes, 3e300, 4e300, 5e300);

}  // namespace
