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
            } else if (corrida.aggregate_name == "median") {
                medianas_[programa] = corrida.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(corridas);
    }

    // The median Google Benchmark reports over the repetitions, or, when only
    // single runs were reported, the median of those.
    std::optional<double> Mediana(const std::string& programa) const {
        if (const auto m = medianas_.find(programa); m != medianas_.end()) {
            return m->second;
        }
        const auto it = tiempos_.find(programa);
        return it == tiempos_.end() ? std::nullopt : bench::Mediana(it->second);
    }

    // The median processor time of a program's runs, where it was counted.
    std::optional<double> MedianaProcesador(const std::string& programa) const {
        const auto it = procesador_.find(programa);
        return it == procesador_.end() ? std::nullopt : bench::Mediana(it->second);
    }

private:
    std::map<std::string, std::vector<double>> tiempos_;
    std::map<std::string, std::vector<double>> procesador_;
    std::map<std::string, double> medianas_;
};

}  // namespace pendra::bench
