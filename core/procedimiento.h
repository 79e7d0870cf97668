// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "campo.h"
#include "globales.h"
#include "resolver.h"

namespace pendra {

// The working a teacher would write on the board to reach a triangle from
// its data: which case the data form, then one step per line of reasoning.
// Formulas use L₁, L₂, L₃ for the sides and A₁, A₂, A₃ for the angles (Aᵢ
// opposite Lᵢ), with Unicode subscripts and ², so that they read as written
// in plain text too.

struct Paso {
    std::string regla;             // "teorema del coseno", "suma de los ángulos", …
    std::string titulo;            // the rule as a heading: "Teorema del coseno"
    std::optional<Campo> calcula;  // the measure the step finds, if any
    std::string formula;  // "A₁ = arccos((L₂² + L₃² − L₁²) / (2·L₂·L₃))"
    // The formula with the numbers put in: typed values as typed, the others
    // rounded, each with enough digits that the formula evaluated on them
    // lands within one unit of the last digit of `resultado`.
    std::string sustitucion;
    std::optional<double> valor;  // degrees for an angle; none when not finite
    std::string resultado;        // the value rounded to six digits, or ten for a sine
    std::string nota;             // why, where the step needs a word; may be empty
};

struct Procedimiento {
    std::string caso;         // "LLL", "LAL", "ALA", "AAL" or "LLA"
    std::string descripcion;  // the case in words: "tres lados", …
    std::vector<Paso> pasos;
};

// The working that leads from the solution's data to it. The values are the
// exact solution's (degrees for angles). Empty (no case, no steps) when the
// data form no case.
Procedimiento ProcedimientoDe(const Solucion& solucion);

// Why data that form a case fix no triangle, for a student, with the numbers:
// angles that reach a half turn, a side as long as the other two together, a
// side shorter than the height it must reach, or measures beyond what a
// double holds. Empty when the data form no case.
std::string Motivo(const Datos& datos);

}  // namespace pendra
