#include "etiquetas.h"

#include "formato.h"

namespace pendra {

std::string EtiquetasTriangulo::Lado(std::uint8_t i) const {
    return EtiquetaLado(medidas_.Lado(i));
}

std::string EtiquetasTriangulo::Angulo(std::uint8_t i) const {
    return NumeroAngulo(medidas_.Angulo(i));
}

}  // namespace pendra
