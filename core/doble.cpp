// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "doble.h"

#include <cmath>

namespace pendra {

double Raiz(Doble x) {
    const double y = std::sqrt(x.hi);
    if (!(y > 0)) {
        return y;
    }
    const double residuo = Residuo(x.hi, y, y) + x.lo;
    return y + residuo / (2 * y);
}

Doble RaizDoble(Doble x) {
    const double y = std::sqrt(x.hi);
    if (!(y > 0)) {
        return {y, 0};
    }
    const double residuo = Residuo(x.hi, y, y) + x.lo;
    return SumaRapida(y, residuo / (2 * y));
}

namespace {

// Enough Taylor terms for 106 bits up to a quarter turn's half, 45 degrees.
constexpr int kTerminos = 14;

}  // namespace

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

}  // namespace pendra
