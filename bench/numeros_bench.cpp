// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing numbers: the JSON's shortest round-trip text and a label, against
// the standard library's shortest writer, on what a solved triangle holds
// (values with all their digits) and what people type (a few digits).

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <random>
#include <vector>

#include "formato.h"

namespace {

std::vector<double> Valores(bool tecleados) {
    std::mt19937_64 azar(20261207);
    std::uniform_real_distribution<double> valor(1, 10);
    std::vector<double> valores(4096);
    for (double& x : valores) {
        x = tecleados ? std::round(valor(azar) * 1e5) / 1e5 : std::sqrt(valor(azar)) * 3.7;
    }
    return valores;
}

template <typename Escribir>
void Numeros(benchmark::State& estado, bool tecleados, Escribir escribir) {
    const std::vector<double> valores = Valores(tecleados);
    char texto[64];
    std::size_t i = 0;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(escribir(valores[i++ % valores.size()], texto));
    }
}

char* Json(double x, char* texto) {
    return pendra::EscribirNumeroJson(x, texto);
}
char* Biblioteca(double x, char* texto) {
    return std::to_chars(texto, texto + 64, x).ptr;
}
char* Etiqueta(double x, char* texto) {
    return pendra::EscribirEtiqueta(x, texto);
}

BENCHMARK_CAPTURE(Numeros, JsonCalculados, false, Json);
BENCHMARK_CAPTURE(Numeros, JsonTecleados, true, Json);
BENCHMARK_CAPTURE(Numeros, ToCharsCalculados, false, Biblioteca);
BENCHMARK_CAPTURE(Numeros, ToCharsTecleados, true, Biblioteca);
BENCHMARK_CAPTURE(Numeros, EtiquetaCalculados, false, Etiqueta);

}  // namespace
