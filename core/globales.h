// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "exacto.h"

namespace pendra {

// Where measure i, counted 1 to 3 as the user sees it, lies in an array.
inline std::size_t PosicionMedida(std::uint8_t i) {
    assert(i >= 1 && i <= 3 && "measure index outside 1 to 3");
    return static_cast<std::size_t>(i - 1);
}

enum class UnidadAngulo : std::uint8_t { Radianes, Grados };

// The six measures of one triangle, indexed 1 to 3 as the user sees them:
// Angulo(i) is the angle opposite Lado(i). A value greater than 0 is a known
// measure; 0 is a missing one, or no triangle once a solver has run. The unit
// of the angles is part of the type, so degrees never pass for radians.
template <UnidadAngulo Unidad>
class SeisMedidas {
public:
    double& Angulo(std::uint8_t i) { return angulo_[PosicionMedida(i)]; }
    double Angulo(std::uint8_t i) const { return angulo_[PosicionMedida(i)]; }
    double& Lado(std::uint8_t i) { return lado_[PosicionMedida(i)]; }
    double Lado(std::uint8_t i) const { return lado_[PosicionMedida(i)]; }

private:
    std::array<double, 3> angulo_{};
    std::array<double, 3> lado_{};
};

// A solved triangle as the solvers keep it and the drawing uses it: angles in
// radians, sides in the user's unit.
using Medidas = SeisMedidas<UnidadAngulo::Radianes>;

// A triangle with its angles in degrees: the exact solution's unit, since a
// remainder such as 180 - A - B is exact in degrees and not in radians.
using MedidasEnGrados = SeisMedidas<UnidadAngulo::Grados>;

// The six measures as the fields give them, before any solving: angles in
// degrees, 0 for a missing measure. Each value is the correctly rounded double
// of the number typed; that number itself is kept beside it, for the sums
// that must be exact.
class Datos : public MedidasEnGrados {
public:
    // The measure and its exact number at once.
    void FijarAngulo(std::uint8_t i, const NumeroExacto& x) {
        Angulo(i) = x.Valor();
        Fijar(PosicionMedida(i), x);
    }
    void FijarLado(std::uint8_t i, const NumeroExacto& x) {
        Lado(i) = x.Valor();
        Fijar(3 + PosicionMedida(i), x);
    }
    // The exact number of a measure; where the measure was set on its own,
    // its double, taken exactly.
    NumeroExacto AnguloExacto(std::uint8_t i) const { return Exacto(PosicionMedida(i), Angulo(i)); }
    NumeroExacto LadoExacto(std::uint8_t i) const { return Exacto(3 + PosicionMedida(i), Lado(i)); }

private:
    // Short forms are kept as plain values, so that data copy as bytes; the
    // rare long ones in one shared block.
    struct Largos {
        std::array<NumeroExacto, 6> numeros;
    };

    void Fijar(std::size_t k, const NumeroExacto& x) {
        valores_[k] = x.Valor();
        compactos_[k] = x.Compactar();
        if (x.EsLargo() || largos_) {
            auto nuevos = std::make_shared<Largos>(largos_ ? *largos_ : Largos{});
            nuevos->numeros[k] = x;
            largos_ = std::move(nuevos);
        }
    }
    NumeroExacto Exacto(std::size_t k, double valor) const {
        if (valores_[k] != valor) {
            return NumeroExacto(valor);
        }
        if (largos_ && largos_->numeros[k].EsLargo()) {
            return largos_->numeros[k];
        }
        return NumeroExacto::DeCompacto(valor, compactos_[k]);
    }

    // Angles 1 to 3, then sides 1 to 3: the double each was set with.
    std::array<double, 6> valores_{};
    std::array<NumeroExacto::Compacto, 6> compactos_{};
    std::shared_ptr<const Largos> largos_;
};

}  // namespace pendra
