#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "globales.h"

namespace pendra {

// At most two values, in order: the triangles a request shows.
template <typename T>
class HastaDos {
public:
    std::size_t size() const { return cantidad_; }
    bool empty() const { return cantidad_ == 0; }
    const T& operator[](std::size_t k) const {
        assert(k < cantidad_ && "no such solution");
        return valores_[k];
    }
    const T* begin() const { return valores_.data(); }
    const T* end() const { return valores_.data() + cantidad_; }

    void Agregar(const T& valor) {
        assert(cantidad_ < valores_.size() && "at most two solutions");
        valores_[cantidad_++] = valor;
    }

private:
    std::array<T, 2> valores_{};
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
    // For three given sides, sums of them that must not cancel, each exact
    // and rounded once: the perimeter, g[i - 1] = perimeter - 2 side i and
    // diferencias[i - 1] = side j - side k, j = i % 3 + 1 and k = j % 3 + 1.
    struct Factores {
        double perimetro = 0;
        std::array<double, 3> g{};
        std::array<double, 3> diferencias{};
    };
    std::optional<Factores> factores;
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
