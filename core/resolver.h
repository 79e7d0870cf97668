#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

#include "globales.h"

namespace pendra {

// Zero, one or two complete triangles, in the order their windows open.
class Soluciones {
public:
    std::size_t size() const { return cantidad_; }
    bool empty() const { return cantidad_ == 0; }
    const Medidas& operator[](std::size_t k) const {
        assert(k < cantidad_ && "no such solution");
        return medidas_[k];
    }
    const Medidas* begin() const { return medidas_.data(); }
    const Medidas* end() const { return medidas_.data() + cantidad_; }

    void Agregar(const Medidas& medidas) {
        assert(cantidad_ < medidas_.size() && "at most two solutions");
        medidas_[cantidad_++] = medidas;
    }

private:
    std::array<Medidas, 2> medidas_{};
    std::size_t cantidad_ = 0;
};

// Every triangle that three given measures fix, each complete: the given
// measures (angles as degrees times RadPorGrado) and the three found. The data
// must hold exactly three given measures, not the three angles, every value
// finite and not negative; anything else fixes no triangle and gives none.
// Pure: no state, nothing shown.
Soluciones Resolver(const Datos& datos);

// Whether the measures may be shown as a triangle: all six finite and greater
// than 0.
bool EsTriangulo(const Medidas& medidas);

}  // namespace pendra
