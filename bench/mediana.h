#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
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

}  // namespace pendra::bench
