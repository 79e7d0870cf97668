// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

#include "globales.h"
#include "resolver.h"

namespace pendra {

// A value of a triangle, absent when it lies beyond the range of a double
// (the circumradius of an almost flat triangle with huge sides, say) or so
// close to 0 that a double cannot hold it to twelve digits.
using Valor = std::optional<double>;

// A point in the drawing's plane: the vertex of angle 2 at (0, 0), the vertex
// of angle 3 at (side 1, 0) and the vertex of angle 1 above the base.
struct Punto {
    Valor x;
    Valor y;
};

enum class ClasePorAngulos { Acutangulo, Rectangulo, Obtusangulo };
enum class ClasePorLados { Equilatero, Isosceles, Escaleno };

// How close to a right angle (the cosine of the largest angle), or to equal
// sides (a part of the longest), counts as one.
inline constexpr double kToleranciaClase = 1e-12;

// Everything a solved triangle fixes. Arrays are indexed by side or angle number
// minus 1: alturas[0] is the height onto side 1, medianas[0] the median to
// side 1, bisectrices[0] the bisector of angle 1 (which ends on side 1),
// vertices[0] the vertex of angle 1.
struct Propiedades {
    Valor area;
    Valor perimetro;
    std::array<Valor, 3> alturas;
    std::array<Valor, 3> medianas;
    std::array<Valor, 3> bisectrices;
    Valor radioInscrito;
    Valor radioCircunscrito;
    std::array<Punto, 3> vertices;
    Punto baricentro;
    Punto incentro;
    Punto circuncentro;
    Punto ortocentro;
    ClasePorAngulos porAngulos = ClasePorAngulos::Acutangulo;
    ClasePorLados porLados = ClasePorLados::Escaleno;
};

// The properties of a solved triangle, from its exact solution (its sides
// and its angles in degrees, each known to full precision relative to
// itself) and from which measures were given. Every value lies within about
// 1e-13 of the true triangle's, relative to itself (a coordinate: relative to
// the larger of itself and the longest side), for needles and flat triangles
// alike and for sides from the smallest to the largest double. A value a
// double cannot hold is absent.
Propiedades PropiedadesDe(const Solucion& solucion);

}  // namespace pendra
