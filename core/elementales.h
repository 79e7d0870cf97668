// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sine, cosine, arc tangents, arc sine and hypotenuse from IEEE additions,
// products, divisions and square roots alone, correctly rounded
// but for cases rarer than one in 2^40. The C library's differ in the last
// bit from one system to another; these give the same bits everywhere, so
// every build of the solver answers alike. Each works in double-double: a
// fast evaluation whose rounding is checked against its error bound, and
// the full series when that bound cannot decide.
#include "doble.h"

namespace pendra::mate {

double Sen(double x);
double Cos(double x);
double Atan(double x);
double Atan2(double y, double x);
double Asen(double x);
double Hipot(double x, double y);

}  // namespace pendra::mate

namespace pendra {

// sin(x degrees) / (π / 180) for 0 <= x <= 90 in double-double, within a few
// units in 2^-67: the sine in units of one degree's radian, so that the
// tiniest angle keeps every bit.
Doble SenoRelativoDoble(double grados);

}  // namespace pendra
