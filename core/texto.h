#pragma once

#include <string_view>

namespace pendra {

// What a field's text reads as. Out of range means beyond the largest double;
// the value is then an infinity of the text's sign and must not be stored.
struct LecturaCampo {
    double valor = 0;
    bool fueraDeRango = false;
};

// The field rule: blanks (space, tab, line feed) are skipped wherever they
// stand; an optional sign, digits with at most one point, an optional exponent
// (E or e, optional sign, digits); reading stops at the first character that
// does not continue that pattern. Text without a digit reads as 0. The point is
// the only decimal separator, whatever the locale.
LecturaCampo LeerCampo(std::string_view texto);

}  // namespace pendra
