#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "globales.h"
#include "solicitud.h"

namespace pendra::cli {

struct Mensaje {
    std::string titulo;
    std::string texto;
    std::optional<Campo> campo;  // the field that takes the focus, if any
};

// How one solve request ended: one message, or the triangles in the order
// their windows would open.
struct Respuesta {
    std::optional<Mensaje> mensaje;
    std::vector<Medidas> soluciones;
};

// The six field texts in tab order: angle 1, side 1, angle 2, side 2, angle 3,
// side 3 (angles in degrees).
using Campos = std::array<std::string, 6>;

Respuesta Responder(const Campos& campos);

// One line of JSON, without the line end.
std::string EnJson(const Respuesta& respuesta);
// A short Spanish text, one or more lines, each ended.
std::string EnTexto(const Respuesta& respuesta);

// The shortest decimal text that reads back as the same double.
std::string NumeroJson(double x);

}  // namespace pendra::cli
