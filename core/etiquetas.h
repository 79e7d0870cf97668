// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "formato.h"
#include "resolver.h"

namespace pendra {

// The six labels a result window shows, and the values behind them, taken
// from the exact solution of its triangle when it loads.
class EtiquetasTriangulo {
public:
    explicit EtiquetasTriangulo(const Solucion& solucion)
        : valores_(solucion.precisa), etiquetas_(EtiquetasDe(solucion.precisa)) {}

    // The label of side i, i from 1 to 3: its length as FormatoMedida writes it.
    const std::string& Lado(std::uint8_t i) const { return etiquetas_.lados[PosicionMedida(i)]; }
    // The label of angle i in degrees, without the degree mark that the window
    // writes behind it.
    const std::string& Angulo(std::uint8_t i) const {
        return etiquetas_.angulos[PosicionMedida(i)];
    }

    // The six texts together, as the core lays them out.
    const Etiquetas& Textos() const { return etiquetas_; }

    // The measures themselves, at full precision, angles in degrees.
    const MedidasEnGrados& Valores() const { return valores_; }

private:
    MedidasEnGrados valores_;
    Etiquetas etiquetas_;
};

}  // namespace pendra
