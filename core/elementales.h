// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sine, cosine, arc tangents, arc sine and hypotenuse from IEEE additions,
// products, divisions and square roots alone, correctly rounded (to nearest,
// halves to even) on every finite argument, subnormal results included. The
// C library's differ in the last bit from one system to another; these give
// the same bits everywhere, so every build of the solver answers alike.
//
// Each takes three steps, each only where the one before cannot decide the
// rounding from its error bound: a fast double-double evaluation (relative
// error 2^-64), the full series in double-double (2^-90), and last 1280 bits
// of Boost.Multiprecision's binary floating point, whose results are settled
// to 2^-1250 of themselves (a sine or cosine of an argument beyond 2^20 to
// 2^-1270 of the argument, at worst 2^-180 of the result). The values of these
// functions that come closest to a midpoint between two doubles lie about
// 2^-126 of themselves away (the known worst cases of sine, cosine, arc
// tangent and arc sine); no argument is known that the last step leaves
// undecided, and one would round as its 1280-bit value does. The hypotenuse's
// last step is exact integer arithmetic, so a hypotenuse that falls exactly
// on a midpoint goes to the even neighbour.
//
// Sine and cosine reduce any argument by π/2 themselves: to 2^-177 with
// doubles up to 2^20, and beyond with 1280 bits of π.
#include "doble.h"

namespace pendra::mate {

double Sen(double x);
double Cos(double x);
double Atan(double x);
double Atan2(double y, double x);
// atan2(y, x) and atan2(x, y), bit for bit as Atan2 gives each, at about the
// cost of one: the two share the arc tangent of their quotient.
struct ArcosCruzados {
    double yx;
    double xy;
};
ArcosCruzados Atan2Cruzados(double y, double x);
double Asen(double x);
double Hipot(double x, double y);

}  // namespace pendra::mate

namespace pendra {

// sin(x degrees) / (π / 180) for 0 <= x <= 90 in double-double, within a few
// units in 2^-67: the sine in units of one degree's radian, so that the
// tiniest angle keeps every bit.
Doble SenoRelativoDoble(double grados);

// The same in doubles, within a few units in the last place and about a
// tenth of the cost, where twelve digits are enough: the same steps, and
// bits, on every build.
double SenoRelativoCercano(double grados);

// atan2(y, x) and atan2(x, y), and the arc sine, in doubles within a few
// units in the last place, where fifteen digits are what is needed, not the
// correctly rounded bit: the same steps, and bits, on every build. Zeros,
// infinities and extreme quotients or magnitudes are the correctly rounded
// functions' own.
mate::ArcosCruzados Atan2CruzadosCercano(double y, double x);
double AsenCercano(double x);

}  // namespace pendra
