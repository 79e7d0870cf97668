#include "doble.h"

#include <cmath>

namespace pendra {

namespace {

// a + b exactly when |a| >= |b|.
Doble SumaRapida(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

}  // namespace

Doble SumaExacta(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

Doble ProductoExacto(double a, double b) {
    const double p = a * b;
    return {p, std::fma(a, b, -p)};
}

Doble operator+(Doble x, Doble y) {
    Doble s = SumaExacta(x.hi, y.hi);
    const Doble t = SumaExacta(x.lo, y.lo);
    s = SumaRapida(s.hi, s.lo + t.hi);
    return SumaRapida(s.hi, s.lo + t.lo);
}

Doble operator-(Doble x) {
    return {-x.hi, -x.lo};
}

Doble operator-(Doble x, Doble y) {
    return x + -y;
}

Doble operator*(Doble x, Doble y) {
    const Doble p = ProductoExacto(x.hi, y.hi);
    return SumaRapida(p.hi, p.lo + (x.hi * y.lo + x.lo * y.hi));
}

Doble operator*(Doble x, double y) {
    const Doble p = ProductoExacto(x.hi, y);
    return SumaRapida(p.hi, p.lo + x.lo * y);
}

Doble operator/(Doble x, double y) {
    const double q = x.hi / y;
    const Doble p = ProductoExacto(q, y);
    // The remainder x - q y, exact but for x.lo.
    const Doble r = SumaExacta(x.hi, -p.hi);
    const double resto = (r.hi + (r.lo - p.lo)) + x.lo;
    return SumaRapida(q, resto / y);
}

Doble Escalar(Doble x, int e) {
    return {std::ldexp(x.hi, e), std::ldexp(x.lo, e)};
}

double Raiz(Doble x) {
    const double y = std::sqrt(x.hi);
    if (!(y > 0)) {
        return y;
    }
    const double residuo = std::fma(-y, y, x.hi) + x.lo;
    return y + residuo / (2 * y);
}

namespace {

// Enough Taylor terms for 106 bits up to a quarter turn's half, 45 degrees.
constexpr int kTerminos = 14;

// sin(t) / t from t² by Horner: 1 - t²/(2·3) (1 - t²/(4·5) (1 - ...)).
Doble SenoSobreT(Doble t2) {
    Doble p{1, 0};
    for (int k = kTerminos; k >= 1; --k) {
        p = Doble{1, 0} - p * t2 / static_cast<double>((2 * k) * (2 * k + 1));
    }
    return p;
}

// cos(t) from t²: 1 - t²/(1·2) (1 - t²/(3·4) (1 - ...)).
Doble CosenoDesdeT2(Doble t2) {
    Doble c{1, 0};
    for (int k = kTerminos; k >= 1; --k) {
        c = Doble{1, 0} - c * t2 / static_cast<double>((2 * k - 1) * (2 * k));
    }
    return c;
}

Doble Cuadrado(Doble x) {
    return x * x;
}

}  // namespace

Doble SenoRelativoDoble(double grados) {
    if (grados <= 45) {
        const Doble t2 = Cuadrado(kRadianDoble * grados);
        return SenoSobreT(t2) * grados;
    }
    // The complement is exact from 45 degrees on.
    const Doble t2 = Cuadrado(kRadianDoble * (90 - grados));
    return CosenoDesdeT2(t2) * kGradoDoble;
}

}  // namespace pendra
