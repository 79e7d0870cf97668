// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// How long one press of "Resolver" takes without windows: reading the six
// texts, validating and solving. Beside the median of the repetitions, their
// least: on a shared machine, the run least disturbed by others.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "informe.h"
#include "solicitud.h"

namespace {

void Solicitud(benchmark::State& estado, std::array<std::string_view, 6> textos,
               std::size_t ventanas) {
    bool cuenta = true;
    for (auto _ : estado) {
        const pendra::Respuesta respuesta = pendra::Responder(textos);
        benchmark::DoNotOptimize(respuesta);
        cuenta = cuenta && respuesta.soluciones.size() == ventanas;
    }
    if (!cuenta) {
        estado.SkipWithError("unexpected number of result windows");
    }
}

struct Caso {
    const char* nombre;
    std::array<std::string_view, 6> textos;
    std::size_t ventanas;
};

constexpr std::array<Caso, 8> kCasos = {{
    {"TresLados", {"", "3", "", "4", "", "5"}, 1},
    {"DosLadosYElAnguloEntreEllos", {"60", "", "", "4.25", "", "5.5"}, 1},
    {"DosAngulosYElLadoEntreEllos", {"30", "", "60", "", "", "12.5"}, 1},
    {"DosAngulosYUnLadoOpuesto", {"30", "7.75", "60", "", "", ""}, 1},
    {"DosLadosYUnAnguloOpuesto_Uno", {"30", "2", "", "", "", "1.5"}, 1},
    {"DosLadosYUnAnguloOpuesto_Dos", {"30", "1.5", "", "", "", "2"}, 2},
    {"SinSolucion", {"30", "0.5", "", "", "", "2"}, 0},
    // A needle: the classic formulas lose it and the request is solved again.
    {"Aguja", {"", "1", "", "1", "", "1e-10"}, 1},
}};

const bool kRegistrados = [] {
    for (const Caso& caso : kCasos) {
        benchmark::RegisterBenchmark((std::string("Solicitud/") + caso.nombre).c_str(), Solicitud,
                                     caso.textos, caso.ventanas)
            ->ComputeStatistics("min", pendra::bench::Minimo);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
