// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

#include "solicitud.h"

namespace pendra::prueba {

// The six field texts in tab order, owned, as the tests write them.
using Textos = std::array<std::string, 6>;

inline Respuesta Solicitar(const Textos& textos) {
    TextosCampos vistas;
    for (std::size_t k = 0; k < textos.size(); ++k) {
        vistas[k] = textos[k];
    }
    return Responder(vistas, ConMotivo::Si);
}

// The triangles a press of Resolver shows, in the order their windows open.
inline std::vector<Solucion> Resueltos(const Textos& textos) {
    const Soluciones soluciones = Solicitar(textos).soluciones;
    return {soluciones.begin(), soluciones.end()};
}

// Their numbers, as they are drawn and given out.
inline std::vector<Medidas> Ventanas(const Textos& textos) {
    std::vector<Medidas> medidas;
    for (const Solucion& s : Solicitar(textos).soluciones) {
        medidas.push_back(s.medidas);
    }
    return medidas;
}

}  // namespace pendra::prueba
