// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "campo.h"
#include "exacto.h"

namespace pendra {

// What a field's text reads as. Out of range means beyond the largest double,
// or a positive number too small for one; the value is then an infinity of
// the text's sign, or 0, and must not be stored. A text that holds something
// besides blanks but no number where the rule expects one is not a number;
// its value is then 0 and means nothing.
struct LecturaCampo {
    double valor = 0;  // the exact number's correctly rounded double
    bool fueraDeRango = false;
    bool noEsNumero = false;
    // Below 0: a minus sign before a number that is not 0, however small.
    bool negativo = false;
    // The magnitude of the number the text stands for, exactly (bounded as
    // the reading is: the first 800 significant digits, and a 1 after them
    // for anything else that is not 0); 0 when out of range.
    NumeroExacto exacto;
};

// The field rule. Blanks (space, tab, line feed, the no-break and figure
// spaces and the byte order mark) are skipped wherever they stand; a text of blanks alone reads
// as 0. What is read: an optional sign (+, - or the minus sign U+2212), digits
// with at most one decimal mark, an optional exponent (E or e, optional sign,
// digits). The decimal mark is the point or the comma, whatever the locale:
// "2,5" and ",5" read 2.5 and 0.5. Reading stops at the first character that
// does not continue the pattern, and the rest is ignored ("3cm" reads 3). A
// text with no digit before that stop is not a number ("abc", "-", "e5").
// The number is the exact value of the whole decimal text, however many
// digits it has, and the value its correctly rounded double.
//
// An angle may also be written in degrees, minutes and seconds: each number
// followed by its mark (° or º; ' or ′; " or ″ or ''), in that order, any of
// them left out, the sign only at the front. It reads as the exact
// grados + minutos / 60 + segundos / 3600, rounded once. The last number may go without its
// mark and is then the unit after the previous mark ("45°30" reads 45.5).
// Anything else after a mark (a mark out of order or repeated, a sign, other
// text) makes the field not a number, since a part of the angle would be lost.
LecturaCampo LeerCampo(std::string_view texto, TipoCampo tipo);

// The same rule for a text that comes in pieces, in bounded memory however
// long the text: what reading the pieces one after another, then Terminar(),
// gives is what LeerCampo gives for the whole text.
class LectorCampo {
public:
    explicit LectorCampo(TipoCampo tipo);
    ~LectorCampo();
    LectorCampo(LectorCampo&&) noexcept;
    LectorCampo& operator=(LectorCampo&&) noexcept;

    void Leer(std::string_view trozo);
    // The text has ended; the reader must not be given more.
    LecturaCampo Terminar();

private:
    struct Estado;
    std::unique_ptr<Estado> estado_;
};

// An angle field's reading turned to radians, as the solve request stores
// it; its exact number stays in degrees. A positive angle too small to be
// told from 0 in radians is out of range.
void EnRadianes(LecturaCampo& lectura);

// True when the rule finds a number at the front of the text, read as a side,
// so that "-30" is a field value and "-x" is not.
bool TieneNumero(std::string_view texto);

}  // namespace pendra
