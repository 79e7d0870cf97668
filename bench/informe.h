// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pendra::bench {

// The median of some timings, or nothing when there are none.
inline std::optional<double> Mediana(std::vector<double> t) {
    if (t.empty()) {
        return std::nullopt;
    }
    std::sort(t.begin(), t.end());
    const std::size_t n = t.size();
    return n % 2 == 1 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
}

// The least of some repetitions, as a statistic Google Benchmark computes
// beside the mean and the median.
inline double Minimo(const std::vector<double>& t) {
    return t.empty() ? 0 : *std::min_element(t.begin(), t.end());
}

// The console report of the benchmarks that time whole programs, which also
// keeps each program's times for the ratios printed at the end. A run is
// named "<benchmark>/<program>/...".
class Informe final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& corridas) override {
        for (const Run& corrida : corridas) {
            if (corrida.error_occurred) {
                continue;
            }
            const std::string nombre = corrida.run_name.function_name;
            const std::string programa = nombre.substr(nombre.find('/') + 1);
            if (corrida.run_type == Run::RT_Iteration) {
                tiempos_[programa].push_back(corrida.GetAdjustedRealTime());
                if (const auto c = corrida.counters.find("cpu_hijo_ms");
                    c != corrida.counters.end()) {
                    procesador_[programa].push_back(c->second.value);
                }
            } else if (corrida.aggregate_name == "median" || corrida.aggregate_name == "min") {
                Agregados& a = corrida.aggregate_name == "min" ? minimos_ : medianas_;
                a.tiempo[programa] = corrida.GetAdjustedRealTime();
                if (const auto c = corrida.counters.find("cpu_hijo_ms");
                    c != corrida.counters.end()) {
                    a.procesador[programa] = c->second.value;
                }
            }
        }
        ConsoleReporter::ReportRuns(corridas);
    }

    // The median Google Benchmark reports over the repetitions, or, when only
    // single runs were reported, the median of those.
    std::optional<double> Mediana(const std::string& programa) const {
        if (const auto m = medianas_.tiempo.find(programa); m != medianas_.tiempo.end()) {
            return m->second;
        }
        const auto it = tiempos_.find(programa);
        return it == tiempos_.end() ? std::nullopt : bench::Mediana(it->second);
    }

    // The median processor time of a program's runs, where it was counted.
    std::optional<double> MedianaProcesador(const std::string& programa) const {
        if (const auto m = medianas_.procesador.find(programa); m != medianas_.procesador.end()) {
            return m->second;
        }
        const auto it = procesador_.find(programa);
        return it == procesador_.end() ? std::nullopt : bench::Mediana(it->second);
    }

    // The least processor time of a program's repetitions, where the "min"
    // statistic was asked for: on a shared machine the run least disturbed.
    std::optional<double> MinimoProcesador(const std::string& programa) const {
        const auto m = minimos_.procesador.find(programa);
        return m == minimos_.procesador.end() ? std::nullopt : std::optional(m->second);
    }

private:
    std::map<std::string, std::vector<double>> tiempos_;
    std::map<std::string, std::vector<double>> procesador_;
    struct Agregados {
        std::map<std::string, double> tiempo;
        std::map<std::string, double> procesador;
    };
    Agregados medianas_;
    Agregados minimos_;
};

}  // namespace pendra::bench
