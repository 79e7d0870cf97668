// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "campo.h"
#include "globales.h"
#include "propiedades.h"

// Every rule that turns a number into text, and every Spanish name of a
// measure: the labels, the full-precision and JSON numbers, the properties'
// rounded values. Windows, pendra-cli and the tests all ask here.

namespace pendra {

// A number as the labels write it: a blank (or a minus sign), then at most
// 15 significant digits, "." as the point, no trailing zeros, no zero before
// the point, and an exponent form (1E+15, 1E-05) for large and small values.
std::string TextoStr(double x);

// The label of a measure: TextoStr without its leading blank, cut after six
// characters (cut, never rounded). The cut never reaches into the integer
// digits or the exponent, so a label never misstates a magnitude; an exponent
// form keeps at most four characters of its mantissa.
std::string FormatoMedida(double x);
// Room EscribirEtiqueta needs at its destination.
inline constexpr std::size_t kLargoEtiquetaMaximo = 24;
// FormatoMedida's text of a finite x written at `destino`; returns its end.
char* EscribirEtiqueta(double x, char* destino);

// The degree mark written right behind an angle's number.
inline constexpr const char* kMarcaGrado = "\u00BA";
// The whole label of an angle in degrees: its number and the degree mark
// ("36.869º").
std::string EtiquetaGrados(double grados);
// The label of a side: its length ("5").
std::string EtiquetaLado(double lado);

// The six labels of a solved triangle, from its exact solution: the angles'
// numbers (without the degree mark) and the sides'.
struct Etiquetas {
    std::array<std::string, 3> angulos;
    std::array<std::string, 3> lados;
};
Etiquetas EtiquetasDe(const MedidasEnGrados& precisa);

// A value for people in full: the exact solution's 15 significant digits,
// as many as a double holds for every decimal ("36.869897645844", "90",
// "1e-05"); the copied, printed and exported tables write these.
std::string TextoCompleto(double x);

// The shortest text that reads back as the same double, laid out for JSON
// readers: plain decimals for ordinary magnitudes, an exponent far out and
// from 2^53 on. AgregarNumeroJson appends it; EscribirNumeroJson writes it
// at `destino`, which has room for kLargoNumeroJson characters.
std::string NumeroJson(double x);
void AgregarNumeroJson(std::string& salida, double x);
inline constexpr std::size_t kLargoNumeroJson = 48;
char* EscribirNumeroJson(double x, char* destino);

// A property for people: rounded to at most `cifras` significant digits, in
// the exponent form of the labels (1.5E-20) where plain digits would mislead
// or run long; "fuera de rango" when absent.
std::string TextoValor(const Valor& valor, int cifras = 10);
// "(3, 4)".
std::string TextoPunto(const Punto& punto);

// "acutángulo", "rectángulo", "obtusángulo"; "equilátero", "isósceles", "escaleno".
std::string Nombre(ClasePorAngulos clase);
std::string Nombre(ClasePorLados clase);

// Every property as a readable Spanish name and its value text, in the order
// people read them; the window's properties view and pendra-cli's text answer
// both list these.
std::vector<std::pair<std::string, std::string>> FilasPropiedades(const Propiedades& propiedades);

// A field or measure by name: "Ángulo 1", "Lado 2" (NombreMedida), "ángulo
// 1", "lado 2" (NombreEnFrase, inside a sentence), "El ángulo 1", "El lado 2"
// (NombreConArticulo, to begin a sentence), "angulo1", "lado2" (NombreJson,
// for pendra-cli's JSON).
std::string NombreMedida(Campo campo);
std::string NombreEnFrase(Campo campo);
std::string NombreConArticulo(Campo campo);
std::string NombreJson(Campo campo);
// The name of a measure's row in the copied, printed and exported tables,
// with its unit where it has one: "Lado 1", "Ángulo 1 (grados)".
std::string NombreEnTabla(Campo campo);

}  // namespace pendra
