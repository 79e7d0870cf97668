// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Double-double arithmetic: a value as the unevaluated sum hi + lo of two
// doubles, |lo| <= half an ulp of hi, about 106 bits. Built only on IEEE
// additions and products, so every platform computes the same bits: a
// product's rounding error comes from splitting the factors in halves whose
// products are exact, not from std::fma, which some C libraries (mingw-w64's
// among them) do not round as one operation.

#include <cmath>
#include <cstdint>

namespace pendra {

// x * 2^e rounded once, as std::ldexp gives it: where 2^e is a normal double,
// a product by it, many times cheaper than the library's call. (The page's
// C++ library has no std::bit_cast; the compilers' builtin is the same.)
inline double PorPotenciaDeDos(double x, int e) {
    if (e >= -1022 && e <= 1023) {
        return x * __builtin_bit_cast(double, static_cast<std::uint64_t>(e + 1023) << 52);
    }
    return std::ldexp(x, e);
}

// std::frexp: for normal numbers from the bits, many times cheaper than the
// library's call, which the solver and the properties make for several values
// of every triangle; zeros, subnormals, infinities and NaN go to the library.
inline double Frexp(double x, int* e) {
    const auto bits = __builtin_bit_cast(std::uint64_t, x);
    const auto exponente = static_cast<int>(bits >> 52 & 0x7FF);
    if (exponente == 0 || exponente == 0x7FF) {
        return std::frexp(x, e);
    }
    *e = exponente - 1022;
    constexpr std::uint64_t kMedio = std::uint64_t{1022} << 52;
    return __builtin_bit_cast(double, (bits & ~(std::uint64_t{0x7FF} << 52)) | kMedio);
}

struct Doble {
    double hi = 0;
    double lo = 0;
};

// a + b exactly when |a| >= |b|.
inline Doble SumaRapida(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly.
inline Doble SumaExacta(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// x as hi + lo with hi holding the upper 26 bits of its significand, so that
// the product of two such halves is exact.
inline Doble Partir(double x) {
    constexpr double kVeltkamp = 134217729.0;  // 2^27 + 1
    // Far out, kVeltkamp * x would overflow: split a scaled copy (exact).
    const bool grande = std::fabs(x) > 0x1p995;
    const double y = grande ? x * 0x1p-28 : x;
    const double c = kVeltkamp * y;
    double alto = c - (c - y);
    if (grande) {
        alto *= 0x1p28;
    }
    return {alto, x - alto};
}

// The rounding error of p = a * b: a * b - p exactly (barring underflow).
inline double ErrorProducto(double a, double b, double p) {
    const Doble x = Partir(a);
    const Doble y = Partir(b);
    return ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
}

// a * b exactly (barring underflow).
inline Doble ProductoExacto(double a, double b) {
    const double p = a * b;
    return {p, ErrorProducto(a, b, p)};
}

// c - a * b rounded once, where c lies within a factor of two of a * b (so
// that c - round(a * b) is exact): the residue of a quotient or a root.
inline double Residuo(double c, double a, double b) {
    const double p = a * b;
    return (c - p) - ErrorProducto(a, b, p);
}

inline Doble operator+(Doble x, Doble y) {
    Doble s = SumaExacta(x.hi, y.hi);
    const Doble t = SumaExacta(x.lo, y.lo);
    s = SumaRapida(s.hi, s.lo + t.hi);
    return SumaRapida(s.hi, s.lo + t.lo);
}

inline Doble operator-(Doble x) {
    return {-x.hi, -x.lo};
}

inline Doble operator-(Doble x, Doble y) {
    return x + -y;
}

inline Doble operator*(Doble x, Doble y) {
    const Doble p = ProductoExacto(x.hi, y.hi);
    return SumaRapida(p.hi, p.lo + (x.hi * y.lo + x.lo * y.hi));
}

inline Doble operator*(Doble x, double y) {
    const Doble p = ProductoExacto(x.hi, y);
    return SumaRapida(p.hi, p.lo + x.lo * y);
}

inline Doble operator/(Doble x, double y) {
    const double q = x.hi / y;
    const Doble p = ProductoExacto(q, y);
    // The remainder x - q y, exact but for x.lo.
    const Doble r = SumaExacta(x.hi, -p.hi);
    const double resto = (r.hi + (r.lo - p.lo)) + x.lo;
    return SumaRapida(q, resto / y);
}

inline Doble operator/(Doble x, Doble y) {
    // Long division: each quotient digit's remainder is taken in double-double.
    const double q1 = x.hi / y.hi;
    const Doble r = x - y * q1;
    const double q2 = r.hi / y.hi;
    const Doble r2 = r - y * q2;
    const double q3 = r2.hi / y.hi;
    return SumaRapida(q1, q2) + Doble{q3, 0};
}

// x * 2^e, each part scaled exactly (barring underflow of lo).
inline Doble Escalar(Doble x, int e) {
    return {PorPotenciaDeDos(x.hi, e), PorPotenciaDeDos(x.lo, e)};
}

// sqrt(x) correctly rounded but for rare ties: one Newton step on the double
// root with the residual taken exactly. NaN when x < 0.
double Raiz(Doble x);
// sqrt(x) to about 104 bits.
Doble RaizDoble(Doble x);

// π / 180 and 180 / π to 107 bits.
inline constexpr Doble kRadianDoble{0x1.1df46a2529d39p-6, 0x1.5c1d8becdd291p-62};
inline constexpr Doble kGradoDoble{0x1.ca5dc1a63c1f8p+5, -0x1.1e7ab456405f9p-49};

// For |t| <= π/4, from t² in double-double: sin(t) / t and cos(t), to about
// 104 bits, by their Taylor series.
Doble SenoSobreT(Doble t2);
Doble CosenoDesdeT2(Doble t2);

}  // namespace pendra
