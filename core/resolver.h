// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <new>
#include <optional>
#include <utility>

#include "globales.h"

namespace pendra {

// At most two values, in order: the triangles a request shows. Only the
// values held are ever built, copied or destroyed: a solution is large.
template <typename T>
class HastaDos {
public:
    HastaDos() = default;
    HastaDos(const HastaDos& otro) {
        for (const T& valor : otro) {
            Agregar(valor);
        }
    }
    HastaDos(HastaDos&& otro) noexcept {
        for (std::size_t k = 0; k < otro.cantidad_; ++k) {
            Agregar(std::move(const_cast<T&>(otro.begin()[k])));
        }
        otro.Vaciar();
    }
    HastaDos& operator=(const HastaDos& otro) {
        if (this != &otro) {
            Vaciar();
            for (const T& valor : otro) {
                Agregar(valor);
            }
        }
        return *this;
    }
    HastaDos& operator=(HastaDos&& otro) noexcept {
        if (this != &otro) {
            Vaciar();
            for (std::size_t k = 0; k < otro.cantidad_; ++k) {
                Agregar(std::move(const_cast<T&>(otro.begin()[k])));
            }
            otro.Vaciar();
        }
        return *this;
    }
    ~HastaDos() { Vaciar(); }

    std::size_t size() const { return cantidad_; }
    bool empty() const { return cantidad_ == 0; }
    const T& operator[](std::size_t k) const {
        assert(k < cantidad_ && "no such solution");
        return begin()[k];
    }
    const T* begin() const { return std::launder(reinterpret_cast<const T*>(almacen_)); }
    T& Modificar(std::size_t k) {
        assert(k < cantidad_ && "no such solution");
        return std::launder(reinterpret_cast<T*>(almacen_))[k];
    }
    const T* end() const { return begin() + cantidad_; }

    // A value built in place, from another one or from its members: a
    // solution is filled where it is kept, never copied there, nor zeroed
    // first only to be written over.
    template <typename... Partes>
    T& Agregar(Partes&&... partes) {
        assert(cantidad_ < 2 && "at most two solutions");
        T* nuevo = new (almacen_ + cantidad_ * sizeof(T)) T{std::forward<Partes>(partes)...};
        ++cantidad_;
        return *nuevo;
    }
    void QuitarUltimo() {
        assert(cantidad_ > 0 && "no solution to take out");
        T& ultimo = Modificar(cantidad_ - 1);
        --cantidad_;
        ultimo.~T();
    }

private:
    void Vaciar() {
        for (std::size_t k = cantidad_; k > 0; --k) {
            begin()[k - 1].~T();
        }
        cantidad_ = 0;
    }

    alignas(T) unsigned char almacen_[2 * sizeof(T)];
    std::size_t cantidad_ = 0;
};

// One solved triangle, twice: `medidas` are the numbers it is drawn with and
// given out as (the classic formulas' where they are right, bit for bit);
// `precisa` is the solution of the formulas that do not cancel, with angles
// in degrees, from which every text a person reads and every property come.
struct Solucion {
    Medidas medidas;
    MedidasEnGrados precisa;
    // The data it was solved from: which measures were given, exactly as
    // typed, and which found.
    Datos datos;
    // 90 degrees minus each angle of `precisa`, by index minus 1, found on
    // their own: an angle next to a right one keeps its own digits in a
    // double, but not those of its distance to 90, which cosines need.
    std::array<double, 3> complementos{};
};

// The case three given measures form, and which measure plays which part in
// it, by index 1 to 3:
//   LLL  sides p, q, r;
//   LAL  sides p and r with the angle q between them;
//   LLA  side p, side q and its opposite angle q, r the third vertex;
//   ALA  angles p and r with the side q between them;
//   AAL  angle p with its opposite side p, angle q, r the third vertex.
enum class Caso : std::uint8_t { LLL, LAL, LLA, ALA, AAL };

struct Reparto {
    Caso caso;
    std::uint8_t p, q, r;
};

// The case of the data, or nothing when they are not three valid given
// measures with at least one side.
std::optional<Reparto> Repartir(const Datos& datos);

// Zero, one or two complete triangles, in the order their windows open.
using Soluciones = HastaDos<Solucion>;

// Every triangle that three given measures fix, each complete: the given
// measures (in `medidas`, angles as degrees times RadPorGrado) and the three
// found. The data
// must hold exactly three given measures, not the three angles, every value
// finite and not negative; anything else fixes no triangle and gives none.
// Pure: no state, nothing shown.
Soluciones Resolver(const Datos& datos);
// The same into `salida`, which must be empty: a request's answer holds its
// solutions where they are made.
void Resolver(const Datos& datos, Soluciones& salida);

// With two sides and the angle opposite one of them (Caso::LLA, the angle
// below 180 degrees): how side q reaches the height L(p) sin A(q) it must
// reach, exactly: -1 short of it, 0 just to it (a tangent, possible only
// where the angle is 30, 90 or 150 degrees), 1 beyond it.
int AlcanceLLA(const Datos& datos, const Reparto& reparto);

// Whether the measures may be shown as a triangle: all six finite and greater
// than 0.
bool EsTriangulo(const Medidas& medidas);
bool EsTriangulo(const Solucion& solucion);

}  // namespace pendra
