// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

#include "doble.h"

namespace pendra {

// Multiplying by a power of two is exact, so a triangle scaled that way keeps
// its shape to the last bit while its sides move to where no product or sum of
// them overflows or underflows. An Escala brings the longest side into
// [2^(objetivo - 1), 2^objetivo).
class Escala {
public:
    Escala() = default;
    Escala(double mayor, int objetivo) {
        if (mayor > 0 && std::isfinite(mayor)) {
            exponente_ = objetivo - (std::ilogb(mayor) + 1);
        }
    }

    double Reducir(double x) const { return PorPotenciaDeDos(x, exponente_); }
    // Back to the user's unit; a value beyond the double range becomes
    // infinite.
    double Devolver(double x) const { return PorPotenciaDeDos(x, -exponente_); }
    // The power of two that Devolver multiplies by.
    int Desescala() const { return -exponente_; }

private:
    int exponente_ = 0;
};

}  // namespace pendra
