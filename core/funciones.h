// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Angle functions and the five case solvers. Every solver takes its known
// measures by value and writes the missing ones through its references; it
// writes 0 there when the data admit no triangle. Angles are in radians.

#include <numbers>

namespace pendra {

// The half turn as a 15-digit decimal; every comparison with a half turn uses
// this value, not the double nearest to pi.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double PiMedios = Pi / 2;
// The classic degree: a decimal of its own, not Pi / 180, so 180 degrees come
// out slightly above Pi. Every measure shown in radians is scaled by it.
inline constexpr double RadPorGrado = 0.0174532925199433;
// The true degree, pi / 180 from the double nearest pi: the formulas that do
// not cancel work with it, and it turns their radians back into degrees.
inline constexpr double kRadianesPorGrado = std::numbers::pi / 180;

// The classic solver of two sides and an angle opposite one of them takes a
// sine this close to 1 as a tangent. A request shows its answer only where
// it agrees with the exact one (Resolver), which finds a tangent only where
// the sine is exactly 1.
inline constexpr double kToleranciaTangente = 1e-12;

// Sines of angles in degrees, 0 to 180, for the formulas that do
// not cancel: past 90 degrees from the supplement, which is exact in degrees.
// SenoRelativo is sin(x degrees) / kRadianesPorGrado, the sine in units of one
// degree's radian, which keeps full precision for the tiniest angles.
double SenoRelativo(double grados);
double SenoGrados(double grados);

// 180 - a - b degrees, with the rounding error of a + b carried along so that
// two angles that almost make a half turn leave their true remainder. Its
// sine, when it is past 90 degrees, is that of a + b.
double RestoGrados(double a, double b);

// Arc sine and arc cosine on the arc tangent. An argument beyond +-1 can only
// come from rounding in the callers, so it is taken as +-1.
double ArcoSeno(double x);
double ArcoCoseno(double x);

// Two angles and the side between their vertices.
void ResolverALA(double A, double c, double B, double& a, double& C, double& b);
// The angle opposite the given side, the other angle, the given side.
void ResolverAAL(double A, double B, double a, double& C, double& b, double& c);
// Two sides and the angle between them.
void ResolverLAL(double b, double A, double c, double& B, double& a, double& C);
// Three sides.
void ResolverLLL(double a, double b, double c, double& A, double& B, double& C);
// Two sides and the angle opposite the second: none, one or two triangles.
// A sine of the sought angle within kToleranciaTangente of 1 is taken as 1.
void ResolverLLA(double a, double b, double B, double& A1, double& C1, double& c1, double& A2,
                 double& C2, double& c2);

}  // namespace pendra
