#pragma once

#include <string_view>

#include "campo.h"

namespace pendra {

// What a field's text reads as. Out of range means beyond the largest double;
// the value is then an infinity of the text's sign and must not be stored.
struct LecturaCampo {
    double valor = 0;
    bool fueraDeRango = false;
};

// The field rule. Blanks (space, tab, line feed, no-break spaces and the byte
// order mark) are skipped wherever they stand. What is read: an optional sign
// (+, - or the minus sign U+2212), digits with at most one decimal mark, an
// optional exponent (E or e, optional sign, digits). The decimal mark is the
// point, or a comma right after the integer digits: "2,5" reads 2.5 whatever
// the locale. Reading stops at the first character that does not continue the
// pattern, and text without a digit reads as 0.
//
// An angle may also be written in degrees, minutes and seconds: each number
// followed by its mark (° or º; ' or ′; " or ″ or ''), in that order, any of
// them left out, the sign only at the front. It reads as
// grados + minutos / 60 + segundos / 3600. A number after the last mark that
// does not carry a later mark of its own is not read: "45°30" reads 45.
LecturaCampo LeerCampo(std::string_view texto, TipoCampo tipo);

// An angle field's reading in radians, as the solve request stores it. A
// positive angle too small to be told from 0 in radians is out of range.
LecturaCampo EnRadianes(LecturaCampo grados);

// True when the rule finds a number in the text (a digit before it stops), so
// that "-30" is a field value and "-x" is not.
bool TieneNumero(std::string_view texto);

}  // namespace pendra
