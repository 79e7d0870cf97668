// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "campo.h"
#include "resolver.h"

namespace pendra {

// The titles and prompts of the solve request's messages.
namespace mensajes {
inline constexpr const char* kTituloError = "Error en los datos";
inline constexpr const char* kTituloSinSolucion = "Datos inválidos";
inline constexpr const char* kCantidad = "El número de datos debe ser igual a 3.";
inline constexpr const char* kSoloAngulos = "No hay solución si sólo se conocen los ángulos.";
inline constexpr const char* kSinSolucion = "No hay solución para esos datos.";
std::string Negativo(Campo campo);
std::string FueraDeRango(Campo campo);
std::string NoEsNumero(Campo campo);
}  // namespace mensajes

// A message for the user, shown with the critical icon and one OK button;
// `campo` is the field that takes the focus, its text selected, once the
// message has been dismissed. `motivo`, when the data fix no triangle, says
// why, for a student, below the prompt.
struct Mensaje {
    std::string titulo;
    std::string texto;
    std::optional<Campo> campo;
    std::string motivo;

    friend bool operator==(const Mensaje&, const Mensaje&) = default;
};

// The whole answer to one press of Resolver: one message, or the triangles,
// each complete, in the order their windows open.
struct Respuesta {
    std::optional<Mensaje> mensaje;
    Soluciones soluciones;
};

// The six field texts in tab order: angle 1, side 1, angle 2, side 2, angle 3,
// side 3 (angles in degrees).
using TextosCampos = std::array<std::string_view, kCampos>;

// The Resolver button: reads the six fields in tab order, checks them (the
// first negative or out-of-range field, then the count of given measures,
// then three angles alone), and solves them. Pure: the same texts always give
// the same answer. The reason for no triangle, a sentence with numbers that
// costs more than the solving, is written only when asked for.
enum class ConMotivo : bool { No, Si };
Respuesta Responder(const TextosCampos& textos, ConMotivo conMotivo = ConMotivo::No);

}  // namespace pendra
