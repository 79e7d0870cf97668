#pragma once

// Double-double arithmetic: a value as the unevaluated sum hi + lo of two
// doubles, |lo| <= half an ulp of hi, about 106 bits. Built only on IEEE
// additions, products and std::fma (which gives a product's rounding error
// exactly), so every platform computes the same bits; no long double.

namespace pendra {

struct Doble {
    double hi = 0;
    double lo = 0;
};

// a + b exactly.
Doble SumaExacta(double a, double b);
// a * b exactly (barring underflow).
Doble ProductoExacto(double a, double b);

Doble operator+(Doble x, Doble y);
Doble operator-(Doble x);
Doble operator-(Doble x, Doble y);
Doble operator*(Doble x, Doble y);
Doble operator*(Doble x, double y);
Doble operator/(Doble x, double y);
// x * 2^e, each part scaled exactly (barring underflow of lo).
Doble Escalar(Doble x, int e);

// sqrt(x) correctly rounded but for rare ties: one Newton step on the double
// root with the residual taken exactly. NaN when x < 0.
double Raiz(Doble x);

// π / 180 and 180 / π to 107 bits.
inline constexpr Doble kRadianDoble{0x1.1df46a2529d39p-6, 0x1.5c1d8becdd291p-62};
inline constexpr Doble kGradoDoble{0x1.ca5dc1a63c1f8p+5, -0x1.1e7ab456405f9p-49};

// sin(x degrees) / (π / 180) for 0 <= x <= 90, to about 104 bits: the sine
// in units of one degree's radian, so that the tiniest angle keeps every bit
// (it is x itself below 1e-150 degrees).
Doble SenoRelativoDoble(double grados);

}  // namespace pendra
