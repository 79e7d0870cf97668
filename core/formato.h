#pragma once

#include <string>

namespace pendra {

// The runtime's Str text of a number: a blank (or a minus sign), then at most
// 15 significant digits, "." as the point, no trailing zeros, no zero before
// the point, and an exponent form (1E+15, 1E-05) for large and small values.
std::string TextoStr(double x);

// The label of a measure: the Str text without its leading blank, cut after
// six characters (cut, never rounded). The cut never reaches into the integer
// digits or the exponent, so a label never misstates a magnitude; an exponent
// form keeps at most four characters of its mantissa.
std::string FormatoMedida(double x);

// The texts a solved triangle is labelled with, in the result window and in
// pendra-cli alike.
// The degree mark written right behind an angle's number.
inline constexpr const char* kMarcaGrado = "\u00BA";
// An angle, given in radians, as the number of degrees of its label.
std::string NumeroAngulo(double radianes);
// The whole label of an angle: NumeroAngulo and the degree mark ("36.869º").
std::string EtiquetaAngulo(double radianes);
// The label of a side: its length ("5").
std::string EtiquetaLado(double lado);

}  // namespace pendra
