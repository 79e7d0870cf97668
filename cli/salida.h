// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "solicitud.h"

namespace pendra::cli {

// The size of the pictures pendra-cli --svg draws, in pixels.
struct TamanoSvg {
    int ancho = 0;
    int alto = 0;
};

// One line of JSON for the answer, without the line end, appended to `salida`.
// With `procedimiento`, each solution carries its working and a message with
// no triangle its reason ("motivo"); with `svg`, each solution its picture
// of that size as an SVG document ("svg").
void EscribirJson(const Respuesta& respuesta, std::string& salida, bool procedimiento = false,
                  const TamanoSvg* svg = nullptr);
// A short Spanish text for the answer, one or more lines, each ended; with
// `procedimiento`, the working and the reason as well.
void EscribirTexto(const Respuesta& respuesta, std::string& salida, bool procedimiento = false);

inline std::string EnJson(const Respuesta& respuesta, bool procedimiento = false) {
    std::string salida;
    EscribirJson(respuesta, salida, procedimiento);
    return salida;
}
inline std::string EnTexto(const Respuesta& respuesta, bool procedimiento = false) {
    std::string salida;
    EscribirTexto(respuesta, salida, procedimiento);
    return salida;
}

}  // namespace pendra::cli
