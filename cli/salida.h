#pragma once

#include <string>

#include "solicitud.h"

namespace pendra::cli {

// One line of JSON for the answer, without the line end, appended to `salida`.
void EscribirJson(const Respuesta& respuesta, std::string& salida);
// A short Spanish text for the answer, one or more lines, each ended.
void EscribirTexto(const Respuesta& respuesta, std::string& salida);

inline std::string EnJson(const Respuesta& respuesta) {
    std::string salida;
    EscribirJson(respuesta, salida);
    return salida;
}
inline std::string EnTexto(const Respuesta& respuesta) {
    std::string salida;
    EscribirTexto(respuesta, salida);
    return salida;
}

}  // namespace pendra::cli
