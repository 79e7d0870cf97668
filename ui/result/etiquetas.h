#pragma once

#include <cstdint>
#include <string>

#include "globales.h"

namespace pendra {

// The six measures a result window labels, copied when it loads, so that the
// window goes on showing its own triangle after later solves have changed the
// shared record.
class EtiquetasTriangulo {
public:
    explicit EtiquetasTriangulo(const Medidas& medidas) : medidas_(medidas) {}

    // The label of side i, i from 1 to 3: its length as FormatoMedida writes it.
    std::string Lado(std::uint8_t i) const;
    // The label of angle i in degrees, without the degree mark that the window
    // writes behind it.
    std::string Angulo(std::uint8_t i) const;

    // The measures themselves, at full precision.
    const Medidas& Valores() const { return medidas_; }

private:
    Medidas medidas_;
};

}  // namespace pendra
