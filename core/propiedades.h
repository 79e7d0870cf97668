#pragma once

#include <array>
#include <optional>

#include "globales.h"

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

// How close to a right angle, or to equal sides, counts as one: a part of the
// triangle's own size. The 3-4-5 triangle and the 30-60-90 triangle solved
// from two angles and a side are right triangles, though their right angle
// prints 89.999º.
inline constexpr double kToleranciaClase = 1e-12;

// Everything the three sides fix. Arrays are indexed by side or angle number
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

// The properties of the triangle with the sides of `medidas` (its angles are
// not read). Every value lies within about 1e-14 of the exact value for those
// three sides, relative to itself (a coordinate: relative to the larger of
// itself and the longest side), for needles and flat triangles alike and
// for sides from the smallest to the largest double. Sides that do not close
// by a rounding (the longest a hair above the sum of the others) are taken as
// a flat triangle.
Propiedades PropiedadesDe(const Medidas& medidas);

}  // namespace pendra
