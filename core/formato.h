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

}  // namespace pendra
