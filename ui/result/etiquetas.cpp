#include "etiquetas.h"

#include "formato.h"
#include "funciones.h"

namespace pendra {

std::string EtiquetasTriangulo::Lado(std::uint8_t i) const {
    return FormatoMedida(medidas_.Lado(i));
}

std::string EtiquetasTriangulo::Angulo(std::uint8_t i) const {
    return FormatoMedida(medidas_.Angulo(i) / RadPorGrado);
}

}  // namespace pendra
