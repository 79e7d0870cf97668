// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// pendra-cli's batch mode as a whole process: 1,000,000 ordinary requests on
// standard input, the JSON answers read from a pipe, against the input-output
// floors of bench/piso_es.cpp (three ways of doing the same reading and
// writing) on the same lines. Each run is timed from the
// start of the process to its exit, with every byte of its output read.
//
//   pendra-bench-lote [benchmark options] [LINES] [NAME=PROGRAM...]
//
// Further programs given as NAME=PROGRAM are run with --json beside the ones
// built in, for instance another build of pendra-cli. The ratios of the
// medians to the floors close the report.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "informe.h"

extern char** environ;

namespace {

using Reloj = std::chrono::steady_clock;

// Every case in turn, with the values a user types: a few digits each.
void GenerarLote(const std::string& archivo, long lineas) {
    std::FILE* f = std::fopen(archivo.c_str(), "w");
    if (f == nullptr) {
        std::perror(archivo.c_str());
        std::exit(1);
    }
    std::mt19937_64 azar(20261207);
    const auto valor = [&azar](double desde, double hasta) {
        return std::uniform_real_distribution<double>(desde, hasta)(azar);
    };
    for (long n = 0; n < lineas; ++n) {
        switch (n % 5) {
            case 0:  // three sides
                std::fprintf(f, "\t%.6g\t\t%.6g\t\t%.6g\n", valor(3, 5), valor(3, 5), valor(3, 5));
                break;
            case 1:  // two sides and the angle between them
                std::fprintf(f, "%.5g\t\t\t%.6g\t\t%.6g\n", valor(10, 120), valor(1, 9),
                             valor(1, 9));
                break;
            case 2:  // two angles and the side between them
                std::fprintf(f, "%.5g\t\t%.5g\t\t\t%.6g\n", valor(10, 80), valor(10, 80),
                             valor(1, 9));
                break;
            case 3:  // two angles and a side opposite one of them
                std::fprintf(f, "%.5g\t%.6g\t%.5g\t\t\t\n", valor(10, 80), valor(1, 9),
                             valor(10, 80));
                break;
            default:  // the ambiguous case, mostly two triangles
                std::fprintf(f, "30\t%.6g\t\t\t\t2\n", valor(1.1, 1.9));
                break;
        }
    }
    std::fclose(f);
}

struct Corrida {
    Reloj::duration duracion;
    // The processor time of the program, its own and the kernel's for it.
    Reloj::duration procesador;
    std::size_t bytes;
};

Reloj::duration Duracion(const timeval& t) {
    return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
}

// Runs the program on the file and reads all it writes. Nothing on failure.
std::optional<Corrida> Correr(const std::vector<std::string>& orden, const std::string& entrada) {
    int tubo[2];
    if (pipe(tubo) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, STDIN_FILENO, entrada.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&acciones, tubo[0]);
    posix_spawn_file_actions_addclose(&acciones, tubo[1]);
    std::vector<char*> argumentos;
    for (const std::string& a : orden) {
        argumentos.push_back(const_cast<char*>(a.c_str()));
    }
    argumentos.push_back(nullptr);

    const Reloj::time_point inicio = Reloj::now();
    pid_t hijo = 0;
    const int error =
        posix_spawn(&hijo, argumentos[0], &acciones, nullptr, argumentos.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    close(tubo[1]);
    if (error != 0) {
        close(tubo[0]);
        return std::nullopt;
    }
    std::vector<char> buffer(1 << 16);
    std::size_t bytes = 0;
    for (;;) {
        const ssize_t n = read(tubo[0], buffer.data(), buffer.size());
        if (n <= 0) {
            break;
        }
        bytes += static_cast<std::size_t>(n);
    }
    close(tubo[0]);
    int estado = 0;
    rusage uso{};
    wait4(hijo, &estado, 0, &uso);
    const Reloj::duration duracion = Reloj::now() - inicio;
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        return std::nullopt;
    }
    return Corrida{duracion, Duracion(uso.ru_utime) + Duracion(uso.ru_stime), bytes};
}

void Lote(benchmark::State& estado, const std::vector<std::string>& orden,
          const std::string& entrada) {
    double procesador = 0;
    double bytes = 0;
    for (auto _ : estado) {
        const std::optional<Corrida> corrida = Correr(orden, entrada);
        if (!corrida) {
            estado.SkipWithError(("failed: " + orden[0]).c_str());
            break;
        }
        estado.SetIterationTime(std::chrono::duration<double>(corrida->duracion).count());
        procesador += std::chrono::duration<double, std::milli>(corrida->procesador).count();
        bytes = static_cast<double>(corrida->bytes);
    }
    estado.counters["cpu_hijo_ms"] =
        benchmark::Counter(procesador, benchmark::Counter::kAvgIterations);
    estado.counters["MB_salida"] = bytes / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    // Without options of its own: seven runs of each program, interleaved at
    // random, so that a passing load weighs on all of them alike.
    std::vector<char*> argumentos(argv, argv + argc);
    if (std::none_of(argumentos.begin(), argumentos.end(),
                     [](const char* a) { return std::string(a).starts_with("--"); })) {
        static char repeticiones[] = "--benchmark_repetitions=7";
        static char intercaladas[] = "--benchmark_enable_random_interleaving=true";
        argumentos.insert(argumentos.begin() + 1, {repeticiones, intercaladas});
    }
    argc = static_cast<int>(argumentos.size());
    argv = argumentos.data();
    benchmark::Initialize(&argc, argv);
    long lineas = 1'000'000;
    std::vector<std::pair<std::string, std::vector<std::string>>> programas = {
        {"pendra-cli", {PENDRA_CLI, "--json"}},
        {"piso-atado", {PENDRA_PISO, "--atado"}},
        {"piso", {PENDRA_PISO}},
        {"piso-crudo", {PENDRA_PISO, "--crudo"}},
        {"piso-respuesta", {PENDRA_PISO, "--respuesta"}},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string argumento = argv[i];
        const std::size_t igual = argumento.find('=');
        if (igual != std::string::npos && igual > 0 && !argumento.starts_with("-")) {
            programas.push_back(
                {argumento.substr(0, igual), {argumento.substr(igual + 1), "--json"}});
        } else {
            lineas = std::strtol(argv[i], nullptr, 10);
        }
    }
    char plantilla[] = "/tmp/pendra-lote-XXXXXX";
    const int descriptor = mkstemp(plantilla);
    if (descriptor < 0 || lineas <= 0) {
        std::fprintf(stderr,
                     "usage: pendra-bench-lote [benchmark options] [LINES] [NAME=PROGRAM...]\n");
        return 1;
    }
    close(descriptor);
    const std::string entrada = plantilla;
    GenerarLote(entrada, lineas);

    for (const auto& [nombre, orden] : programas) {
        // Once first, so that every run finds the files in the page cache.
        if (!Correr(orden, entrada)) {
            std::fprintf(stderr, "%s failed\n", orden[0].c_str());
            unlink(entrada.c_str());
            return 1;
        }
        benchmark::RegisterBenchmark(("Lote/" + nombre).c_str(), Lote, orden, entrada)
            ->ComputeStatistics("min", pendra::bench::Minimo)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    pendra::bench::Informe informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    unlink(entrada.c_str());
    for (const auto& [nombre, orden] : programas) {
        const std::optional<double> mediana = informe.Mediana(nombre);
        if (!mediana || nombre.starts_with("piso")) {
            continue;
        }
        for (const char* piso : {"piso-atado", "piso", "piso-crudo", "piso-respuesta"}) {
            if (const std::optional<double> suelo = informe.Mediana(piso)) {
                std::printf("Median of %ld lines: %s %.0f ms, %s %.0f ms, ratio %.2f\n", lineas,
                            nombre.c_str(), *mediana, piso, *suelo, *mediana / *suelo);
            }
            for (const auto& [cual, medida] :
                 {std::pair{"Median", &pendra::bench::Informe::MedianaProcesador},
                  std::pair{"Least", &pendra::bench::Informe::MinimoProcesador}}) {
                const std::optional<double> propio = (informe.*medida)(nombre);
                const std::optional<double> suelo = (informe.*medida)(piso);
                if (propio && suelo) {
                    std::printf(
                        "%s processor time of %ld lines: %s %.0f ms, %s %.0f ms, ratio %.2f\n",
                        cual, lineas, nombre.c_str(), *propio, piso, *suelo, *propio / *suelo);
                }
            }
        }
    }
    benchmark::Shutdown();
    return 0;
}
