// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "funciones.h"

#include <gtest/gtest.h>

#include "doble.h"
#include "elementales.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace pendra {
namespace {

constexpr double Grados(double g) {
    return g * RadPorGrado;
}
double EnGrados(double rad) {
    return rad / RadPorGrado;
}

TEST(ArcoSeno, GivesExactQuarterTurnsAtTheEnds) {
    EXPECT_EQ(ArcoSeno(1), PiMedios);
    EXPECT_EQ(ArcoSeno(-1), -PiMedios);
    EXPECT_EQ(ArcoSeno(0), 0);
    EXPECT_NEAR(ArcoSeno(0.5), 0.5235987755982989, 1e-16);
}

TEST(ArcoSeno, TakesArgumentsBeyondOneByRoundingAsOne) {
    EXPECT_EQ(ArcoSeno(1.0007), PiMedios);
    EXPECT_EQ(ArcoSeno(std::nextafter(1.0, 2.0)), PiMedios);
    EXPECT_EQ(ArcoSeno(-1.0000001), -PiMedios);
    EXPECT_FALSE(std::isnan(ArcoSeno(1e300)));
}

TEST(ArcoCoseno, GivesTheQuadrantsOfTheArcTangent) {
    EXPECT_EQ(ArcoCoseno(0), PiMedios);
    EXPECT_EQ(ArcoCoseno(1), 0);
    EXPECT_EQ(ArcoCoseno(-1), Pi);
    EXPECT_NEAR(ArcoCoseno(-0.5), 2.094395102393192, 1e-15);
    EXPECT_NEAR(ArcoCoseno(0.5), 1.0471975511965979, 1e-15);
}

TEST(ArcoCoseno, TakesArgumentsBeyondOneByRoundingAsOne) {
    EXPECT_EQ(ArcoCoseno(1.0000000000000002), 0);
    EXPECT_EQ(ArcoCoseno(-1.0000000000000002), Pi);
    EXPECT_EQ(ArcoCoseno(-5), Pi);
}

struct Caso {
    std::string nombre;
    std::array<double, 3> entradas;
    std::array<double, 3> esperadas;  // NaN: not checked
    double tolerancia;                // 0: exact
};

void Comparar(const Caso& caso, const std::array<double, 3>& salidas) {
    for (std::size_t k = 0; k < 3; ++k) {
        if (std::isnan(caso.esperadas[k])) {
            continue;
        }
        if (caso.tolerancia == 0) {
            EXPECT_EQ(salidas[k], caso.esperadas[k]) << caso.nombre << ", output " << k;
        } else {
            EXPECT_NEAR(salidas[k], caso.esperadas[k], caso.tolerancia)
                << caso.nombre << ", output " << k;
        }
    }
}

const double kNo = std::nan("");

TEST(ResolverLLL, SolvesThreeSides) {
    const Caso casos[] = {
        {"3-4-5 has an exact right angle",
         {3, 4, 5},
         {0.6435011087932843, 0.9272952180016123, PiMedios},
         0},
        {"equilateral", {1, 1, 1}, {1.0471975511965976, 1.0471975511965976, 1.0471975511965976}, 0},
        {"degenerate 1-2-3 is no triangle", {1, 2, 3}, {0, 0, 0}, 0},
        {"zero side is no triangle", {0, 4, 4}, {0, 0, 0}, 0},
        {"too long side is no triangle", {10, 1, 1}, {0, 0, 0}, 0},
    };
    for (const Caso& caso : casos) {
        std::array<double, 3> s{-1, -1, -1};
        ResolverLLL(caso.entradas[0], caso.entradas[1], caso.entradas[2], s[0], s[1], s[2]);
        Comparar(caso, s);
    }
}

TEST(ResolverALA, SolvesTwoAnglesAndTheSideBetween) {
    const Caso casos[] = {
        {"30-1-60",
         {Grados(30), 1, Grados(60)},
         {0.5, 1.5707963267948934, 0.8660254037844387},
         1e-15},
        {"angles summing to 180 are no triangle", {Grados(90), 1, Grados(90)}, {0, 0, 0}, 0},
        {"60 and 120 are no triangle", {Grados(60), 1, Grados(120)}, {0, 0, 0}, 0},
        {"179 and 1 are no triangle", {Grados(179), 1, Grados(1)}, {0, 0, 0}, 0},
        {"zero side is no triangle", {Grados(30), 0, Grados(60)}, {0, 0, 0}, 0},
    };
    for (const Caso& caso : casos) {
        std::array<double, 3> s{-1, -1, -1};
        ResolverALA(caso.entradas[0], caso.entradas[1], caso.entradas[2], s[0], s[1], s[2]);
        Comparar(caso, s);
    }
}

TEST(ResolverAAL, SolvesTwoAnglesAndAnOppositeSide) {
    const Caso casos[] = {
        {"30-60-1",
         {Grados(30), Grados(60), 1},
         {1.5707963267948934, 1.7320508075688774, 2},
         1e-15},
        {"angles summing to 180 are no triangle", {Grados(100), Grados(80), 1}, {0, 0, kNo}, 0},
        {"179 and 1 are no triangle", {Grados(179), Grados(1), 1}, {0, 0, kNo}, 0},
    };
    for (const Caso& caso : casos) {
        std::array<double, 3> s{-1, -1, -1};
        ResolverAAL(caso.entradas[0], caso.entradas[1], caso.entradas[2], s[0], s[1], s[2]);
        Comparar(caso, s);
    }
}

TEST(ResolverLAL, SolvesTwoSidesAndTheAngleBetween) {
    const Caso casos[] = {
        {"3-90-4 takes the arc sine for B",
         {3, Grados(90), 4},
         {Grados(36.869897645844), 5.000000000000001, Grados(53.130102354156)},
         1e-12},
        {"4-90-3 takes the arc sine for C",
         {4, Grados(90), 3},
         {Grados(53.130102354156), 5.000000000000001, Grados(36.869897645844)},
         1e-12},
        {"3-120-4",
         {3, Grados(120), 4},
         {Grados(25.284996046052), 6.08276253029822, Grados(34.715003953948)},
         1e-12},
        {"an included angle of 180 is no triangle", {3, Grados(180), 4}, {0, 0, 0}, 0},
        {"a zero side is no triangle", {0, Grados(60), 4}, {0, 0, 0}, 0},
        // Rounding pushes the arc sine's argument to about 1.0007.
        {"a tiny angle between equal sides stays finite",
         {1, Grados(0.00001), 1},
         {kNo, 1.7441362009524741e-07, PiMedios},
         0},
        // cos A rounds to 1 and the third side to exactly 0.
        {"a vanishing third side is no triangle", {1, Grados(0.0000001), 1}, {0, 0, 0}, 0},
    };
    for (const Caso& caso : casos) {
        std::array<double, 3> s{-1, -1, -1};
        ResolverLAL(caso.entradas[0], caso.entradas[1], caso.entradas[2], s[0], s[1], s[2]);
        Comparar(caso, s);
    }
}

TEST(ResolverLAL, KeepsTheAnglesOfEqualSidesAlike) {
    double B = 0, a = 0, C = 0;
    ResolverLAL(2, Grados(40), 2, B, a, C);
    // Alike up to the rounding of the decimal half turn.
    EXPECT_NEAR(B, C, 1e-14);
    EXPECT_NEAR(B, Grados(70), 1e-14);
}

struct CasoLLA {
    std::string nombre;
    double a, b, B;
    std::array<double, 6> esperadas;
    double tolerancia;
};

TEST(ResolverLLA, FindsNoneOneOrTwoTriangles) {
    const CasoLLA casos[] = {
        {"10-8-40 has two triangles",
         10,
         8,
         Grados(40),
         {Grados(53.464149), Grados(86.535851), 12.42304969, Grados(126.535851), Grados(13.464149),
          2.897839169},
         1e-7},
        {"5-8-40 has one triangle",
         5,
         8,
         Grados(40),
         {Grados(23.687141), Grados(116.312859), 11.15624448, 0, 0, 0},
         1e-7},
        {"20-8-40 has none, s above 1", 20, 8, Grados(40), {0, 0, 0, 0, 0, 0}, 0},
        {"1.5-1-150 has none, C1 negative", 1.5, 1, Grados(150), {0, 0, 0, 0, 0, 0}, 0},
        {"2-1-30 is exactly one right triangle",
         2,
         1,
         Grados(30),
         {PiMedios, 1.047197551196596, 1.7320508075688756, 0, 0, 0},
         1e-15},
        // A sine within 1e-12 of 1 is the tangent, whichever side it falls.
        {"s 6.7e-14 below 1 is one right triangle",
         1.414213562373,
         1,
         Grados(45),
         {PiMedios, PiMedios - Grados(45), 0.99999999999995, 0, 0, 0},
         1e-13},
        {"s 6.4e-14 above 1 is one right triangle",
         5.758770483144,
         1,
         Grados(10),
         {PiMedios, PiMedios - Grados(10), 5.6712818196, 0, 0, 0},
         1e-10},
        {"1-1-90 has s of 1 but no room for C1", 1, 1, Grados(90), {0, 0, 0, 0, 0, 0}, 0},
        {"s just below 1 takes the general path",
         2,
         1,
         Grados(29.999999),
         {Grados(89.9859), Grados(60.0141), kNo, Grados(90.0141), Grados(59.9859), kNo},
         1e-5},
        {"a given angle of 180 is no triangle", 2, 1, Grados(180), {0, 0, 0, 0, 0, 0}, 0},
        // Past a half turn the sine turns negative; no triangle, not a
        // triangle with a negative side.
        {"a given angle of 200 is no triangle", 2, 1, Grados(200), {0, 0, 0, 0, 0, 0}, 0},
        {"a zero side is no triangle", 0, 1, Grados(30), {0, 0, 0, 0, 0, 0}, 0},
    };
    for (const CasoLLA& caso : casos) {
        std::array<double, 6> s{-1, -1, -1, -1, -1, -1};
        ResolverLLA(caso.a, caso.b, caso.B, s[0], s[1], s[2], s[3], s[4], s[5]);
        for (std::size_t k = 0; k < 6; ++k) {
            if (std::isnan(caso.esperadas[k])) {
                continue;
            }
            EXPECT_NEAR(s[k], caso.esperadas[k], caso.tolerancia)
                << caso.nombre << ", output " << k;
        }
    }
}

TEST(ResolverLLA, TakesTheSupplementaryAngleForTheSecondTriangle) {
    double A1 = 0, C1 = 0, c1 = 0, A2 = 0, C2 = 0, c2 = 0;
    ResolverLLA(10, 8, Grados(40), A1, C1, c1, A2, C2, c2);
    EXPECT_EQ(A2, Pi - A1);
    EXPECT_EQ(C2, (Pi - A2) - Grados(40));
    EXPECT_GT(c2, 0);
    EXPECT_LT(EnGrados(A1), 90);
    EXPECT_GT(EnGrados(A2), 90);
}

TEST(Resolvers, NeverReadTheirOutputsOnEntry) {
    // Garbage in the output slots must not change the result.
    for (const double basura : {0.0, -7.0, 1e300, std::nan("")}) {
        double A = basura, B = basura, C = basura;
        ResolverLLL(3, 4, 5, A, B, C);
        EXPECT_EQ(C, PiMedios);
        double a = basura, b = basura;
        C = basura;
        ResolverALA(Grados(30), 1, Grados(60), a, C, b);
        EXPECT_EQ(a, 0.5);
    }
}

// Double-double results whose every bit is known: a wrong std::fma (one that
// rounds the product first) or a lost low part shows here on any platform.
struct CasoDoble {
    const char* nombre;
    Doble obtenido;
    Doble esperado;
    int bits = 103;  // the low part within 2^-bits of the high one
};

TEST(Doble, KeepsTheBitsADoubleLoses) {
    const double u = 1 + std::ldexp(1.0, -30);
    const CasoDoble casos[] = {
        {"exact product", ProductoExacto(u, u), {1 + std::ldexp(1.0, -29), std::ldexp(1.0, -60)}},
        {"exact sum", SumaExacta(1, std::ldexp(1.0, -80)), {1, std::ldexp(1.0, -80)}},
        {"sum carries the low parts",
         Doble{1, std::ldexp(1.0, -60)} + Doble{-1, std::ldexp(1.0, -61)},
         {std::ldexp(3.0, -61), 0}},
        {"division by an integer", Doble{1, 0} / 3 * 3, {1, 0}},
        {"sine of 90 degrees", SenoRelativoDoble(90) * kRadianDoble, {1, 0}, 65},
        {"sine of 30 degrees", SenoRelativoDoble(30) * kRadianDoble, {0.5, 0}, 65},
        {"sine of a tiny angle", SenoRelativoDoble(1e-300), {1e-300, 0}},
    };
    for (const CasoDoble& caso : casos) {
        EXPECT_EQ(caso.obtenido.hi, caso.esperado.hi) << caso.nombre;
        EXPECT_NEAR(caso.obtenido.lo, caso.esperado.lo,
                    std::ldexp(std::fabs(caso.esperado.hi), -caso.bits))
            << caso.nombre;
    }
    // sqrt(1 + 2^-52 + 2^-100) lies just past the midpoint 1 + 2^-53: it
    // rounds up, where the root of the high part alone rounds down to 1.
    EXPECT_EQ(Raiz({1 + std::ldexp(1.0, -52), std::ldexp(1.0, -100)}), 1 + std::ldexp(1.0, -52));
    EXPECT_EQ(Raiz({2, 0}), std::sqrt(2.0));
}

struct CasoElemental {
    const char* nombre;
    double obtenido;
    double esperado;  // correctly rounded
};

// Scaling by 2^e rounds once, as std::ldexp does, also into the subnormals
// and past the powers of two a double holds.
TEST(Doble, ScalesByPowersOfTwoRoundingOnce) {
    constexpr double kMinimo = std::numeric_limits<double>::denorm_min();
    const CasoElemental casos[] = {
        {"normal", PorPotenciaDeDos(3, 10), 3072},
        {"subnormal, exact", PorPotenciaDeDos(0.75, -1072), 3 * kMinimo},
        {"subnormal, a tie to even", PorPotenciaDeDos(1.5, -1074), 2 * kMinimo},
        {"subnormal, a tie to even below", PorPotenciaDeDos(2.5, -1074), 2 * kMinimo},
        {"exponent past the normal powers", PorPotenciaDeDos(0x1p-60, 1070), 0x1p1010},
        {"exponent below the normal powers", PorPotenciaDeDos(0x1p60, -1100), 0x1p-1040},
        {"overflow", PorPotenciaDeDos(1, 1024), std::numeric_limits<double>::infinity()},
        {"underflow", PorPotenciaDeDos(1, -1100), 0},
    };
    for (const CasoElemental& caso : casos) {
        EXPECT_EQ(caso.obtenido, caso.esperado) << caso.nombre;
    }
}

// The hand-made frexp gives the library's mantissa and exponent, sign and
// edges of the range included.
TEST(Doble, SplitsLikeFrexp) {
    constexpr double kMinimo = std::numeric_limits<double>::denorm_min();
    for (const double x : {1.0, -1.0, 0.75, 3.0, -1e300, 1e-300, 0x1p-1022, 0x1.fffffffffffffp1023,
                           5 * kMinimo, 0.0, -0.0, std::numeric_limits<double>::infinity()}) {
        int e = 7;
        int esperado = 7;
        const double m = Frexp(x, &e);
        const double r = std::frexp(x, &esperado);
        EXPECT_EQ(std::signbit(m), std::signbit(r)) << x;
        EXPECT_EQ(m, r) << x;
        EXPECT_EQ(e, esperado) << x;
    }
}

// Arguments where one C library or another misses the correctly rounded
// result by a unit in the last place; these must give it on every platform.
TEST(Elementales, GiveTheCorrectlyRoundedBitsEverywhere) {
    const CasoElemental casos[] = {
        {"sine", mate::Sen(0x1.44adb04d6c826p+1), 0x1.2339522d3c7ebp-1},
        {"cosine", mate::Cos(0x1.e1c4890c4efb6p+0), -0x1.39760e4fa0781p-2},
        {"arc tangent", mate::Atan(0x1.d7c815529163cp-2), 0x1.ba19143c9c413p-2},
        {"arc tangent of a quotient", mate::Atan2(0x1.12067786e047cp+1, -0x1.d37b59594fc2ep-3),
         0x1.ad511ab82cd13p+0},
        {"arc sine", mate::Asen(0x1.c7f010d723b2cp-1), 0x1.19340cdf3adc3p+0},
        {"hypotenuse", mate::Hipot(0x1.96caa9dc55abfp+0, 0x1.5b2420102d0ecp+1),
         0x1.9256d47f216aep+1},
        {"sine past a quarter turn, negative", mate::Sen(-2.0), -0x1.d18f6ead1b446p-1},
        {"cosine of a tiny angle", mate::Cos(0x1.8p-27), 0x1.fffffffffffffp-1},
        {"arc tangent of infinity", mate::Atan(-INFINITY), -0x1.921fb54442d18p+0},
        {"arc tangent of -0 over -1", mate::Atan2(-0.0, -1), -0x1.921fb54442d18p+1},
        {"arc tangent of a tiny quotient", mate::Atan2(1e-200, 1e100), 1e-200 / 1e100},
        {"hypotenuse past the double range's root", mate::Hipot(3e300, 4e300), 5e300},
        {"arc sine of 1", mate::Asen(1), 0x1.921fb54442d18p+0},
    };
    for (const CasoElemental& caso : casos) {
        EXPECT_EQ(caso.obtenido, caso.esperado) << caso.nombre;
    }
    EXPECT_TRUE(std::isnan(mate::Asen(1.5)));
    EXPECT_TRUE(std::isnan(mate::Sen(INFINITY)));
}

}  // namespace
}  // namespace pendra
