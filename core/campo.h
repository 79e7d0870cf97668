// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

namespace pendra {

// An angle field reads more notations than a side field.
enum class TipoCampo : std::uint8_t { Angulo, Lado };

// One of the six input fields: txtAngulo(indice) or txtLado(indice).
struct Campo {
    TipoCampo tipo = TipoCampo::Angulo;
    std::uint8_t indice = 1;

    friend bool operator==(const Campo&, const Campo&) = default;
};

// The fields in tab order: angle 1, side 1, angle 2, side 2, angle 3, side 3.
inline constexpr std::size_t kCampos = 6;
inline constexpr Campo CampoEnOrden(std::size_t posicion) {
    return {posicion % 2 == 0 ? TipoCampo::Angulo : TipoCampo::Lado,
            static_cast<std::uint8_t>(posicion / 2 + 1)};
}
inline constexpr std::size_t PosicionEnOrden(Campo campo) {
    return 2U * (campo.indice - 1U) + (campo.tipo == TipoCampo::Lado ? 1U : 0U);
}

}  // namespace pendra
