// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's elementary functions on every build: the hard cases' correctly
// rounded bits, and symmetries and exact results that any right rounding keeps.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "casos_dificiles.h"
#include "elementales.h"

namespace pendra {
namespace {

using prueba::kCasosDificiles;

std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

TEST(Elementales, SettleTheHardCases) {
    for (const prueba::CasoDificil& caso : kCasosDificiles) {
        const double v = prueba::Evaluar(caso.funcion, caso.a, caso.b);
        EXPECT_EQ(Bits(v), Bits(caso.esperado))
            << caso.nombre << ": " << std::hexfloat << v << " instead of " << caso.esperado;
    }
}

// Seeded arguments of every size, and the hard cases' own.
std::vector<double> Argumentos() {
    std::mt19937_64 azar(29);
    std::vector<double> v;
    for (int n = 0; n < 3000; ++n) {
        const double m = std::uniform_real_distribution<double>(0.5, 1)(azar);
        v.push_back(std::ldexp(m, std::uniform_int_distribution<int>(-1074, 1023)(azar)));
        v.push_back(std::ldexp(m, std::uniform_int_distribution<int>(-30, 4)(azar)));
    }
    for (const prueba::CasoDificil& caso : kCasosDificiles) {
        v.push_back(std::fabs(caso.a));
    }
    return v;
}

TEST(Elementales, KeepTheirSymmetries) {
    const std::vector<double> x = Argumentos();
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double a = x[i];
        const double b = x[(i * 7 + 3) % x.size()];
        EXPECT_EQ(Bits(mate::Sen(-a)), Bits(-mate::Sen(a))) << a;
        EXPECT_EQ(Bits(mate::Cos(-a)), Bits(mate::Cos(a))) << a;
        EXPECT_EQ(Bits(mate::Atan(-a)), Bits(-mate::Atan(a))) << a;
        if (a <= 1) {
            EXPECT_EQ(Bits(mate::Asen(-a)), Bits(-mate::Asen(a))) << a;
        }
        EXPECT_EQ(Bits(mate::Atan2(-a, b)), Bits(-mate::Atan2(a, b))) << a << ", " << b;
        for (const auto& [y, x] : {std::pair{a, b}, {a, -b}, {-b, a}, {b, -a}}) {
            const mate::ArcosCruzados arcos = mate::Atan2Cruzados(y, x);
            EXPECT_EQ(Bits(arcos.yx), Bits(mate::Atan2(y, x))) << y << ", " << x;
            EXPECT_EQ(Bits(arcos.xy), Bits(mate::Atan2(x, y))) << y << ", " << x;
        }
        EXPECT_EQ(Bits(mate::Atan(a)), Bits(mate::Atan2(a, 1))) << a;
        EXPECT_EQ(Bits(mate::Hipot(a, b)), Bits(mate::Hipot(-b, a))) << a << ", " << b;
        // Scaling both arguments by a power of two, across the bounds where
        // the functions scale them themselves, changes nothing but the scale.
        for (const int k : {-700, -300, 300, 700}) {
            const double as = std::ldexp(a, k);
            const double bs = std::ldexp(b, k);
            const bool normales = as > 0x1p-960 && bs > 0x1p-960 && a > 0x1p-960 && b > 0x1p-960 &&
                                  as < 0x1p960 && bs < 0x1p960;
            if (normales) {
                EXPECT_EQ(Bits(mate::Atan2(as, -bs)), Bits(mate::Atan2(a, -b)))
                    << a << ", " << b << ", 2^" << k;
                EXPECT_EQ(Bits(mate::Hipot(as, bs)), Bits(std::ldexp(mate::Hipot(a, b), k)))
                    << a << ", " << b << ", 2^" << k;
            }
        }
    }
}

// hypot(u² - v², 2uv) = u² + v² exactly: a double, or for an odd number
// between 2^53 and 2^54 a midpoint, which goes to the neighbour whose last
// significant bit is 0.
TEST(Elementales, RoundExactHypotenusesToTheEvenNeighbour) {
    std::mt19937_64 azar(7);
    int empates = 0;
    for (int n = 0; n < 2000; ++n) {
        const std::uint64_t u =
            std::uniform_int_distribution<std::uint64_t>(1 << 25, 94906265)(azar);
        const std::uint64_t v = std::uniform_int_distribution<std::uint64_t>(1, u)(azar);
        const std::uint64_t a = u * u - v * v;
        const std::uint64_t b = 2 * u * v;
        const std::uint64_t m = u * u + v * v;
        if (a >= (std::uint64_t{1} << 53) || a == 0) {
            continue;  // a leg no double holds
        }
        const double h = mate::Hipot(static_cast<double>(a), static_cast<double>(b));
        if (m <= (std::uint64_t{1} << 53) || m % 2 == 0) {
            EXPECT_EQ(h, static_cast<double>(m)) << u << ", " << v;
            continue;
        }
        ++empates;
        const std::uint64_t par = (m + 1) % 4 == 0 ? m + 1 : m - 1;
        EXPECT_EQ(static_cast<std::uint64_t>(h), par) << u << ", " << v;
    }
    EXPECT_GT(empates, 100);
}

}  // namespace
}  // namespace pendra
