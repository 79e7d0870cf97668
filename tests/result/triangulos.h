// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "funciones.h"
#include "globales.h"
#include "resolver.h"

namespace pendra::prueba {

// The triangle of three given sides, its angles solved as the program does.
inline Medidas TresLados(double a, double b, double c) {
    Medidas m;
    m.Lado(1) = a;
    m.Lado(2) = b;
    m.Lado(3) = c;
    ResolverLLL(a, b, c, m.Angulo(1), m.Angulo(2), m.Angulo(3));
    return m;
}

// The triangle of base, angle 2 in radians and side 3; the rest solved.
inline Medidas LadoAnguloLado(double lado1, double angulo2, double lado3) {
    Medidas m;
    m.Lado(1) = lado1;
    m.Angulo(2) = angulo2;
    m.Lado(3) = lado3;
    ResolverLAL(lado1, angulo2, lado3, m.Angulo(1), m.Lado(2), m.Angulo(3));
    return m;
}

// The triangle with the sides of `m`, as a request with those three sides
// solves it: what a result window is opened with.
inline Solucion Resuelta(const Medidas& m) {
    Datos datos;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        datos.Lado(i) = m.Lado(i);
    }
    return Resolver(datos)[0];
}

// Base, angle 2 in degrees and side 3, as a request with those three solves
// them.
inline Solucion ResueltaLAL(double lado1, double grados2, double lado3) {
    Datos datos;
    datos.Lado(1) = lado1;
    datos.Angulo(2) = grados2;
    datos.Lado(3) = lado3;
    return Resolver(datos)[0];
}

}  // namespace pendra::prueba
