#pragma once

// Sine, cosine, arc tangents, arc sine and hypotenuse written out here rather
// than taken from the system's mathematics library: every library rounds
// some arguments differently in the last bit, so the desktop, Windows and
// browser builds would answer the same request with different digits. These
// give the same bits wherever doubles are IEEE and nothing is contracted.
namespace pendra::elemental {

double sin(double x);
double cos(double x);
double atan(double x);
double atan2(double y, double x);
double asin(double x);
double hypot(double x, double y);

}  // namespace pendra::elemental
