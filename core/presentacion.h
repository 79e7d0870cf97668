// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formato.h"
#include "propiedades.h"
#include "resolver.h"

namespace pendra {

// What a person reads of a solved triangle beyond its drawing, as every face
// shows it: the rows that are copied, printed and read out, the strip beside
// the window's button, a file name.

// One measure or property: its name, its value in full (fifteen digits, the
// point as decimal mark) and its value as the window labels it.
struct FilaTabla {
    std::string nombre;
    std::string valor;
    std::string etiqueta;
};

// The six measures, sides 1 to 3 then angles 1 to 3 in degrees.
std::vector<FilaTabla> FilasTablaMedidas(const MedidasEnGrados& medidas,
                                         const Etiquetas& etiquetas);
// The area and the perimeter, those the triangle has.
std::vector<FilaTabla> FilasTablaAreaYPerimetro(const Propiedades& propiedades);

// A tab-separated table with a heading line, each line ended by a line feed,
// the values with the point.
std::string TablaTexto(const std::vector<FilaTabla>& filas);

// The triangle in words for a screen reader: a short name and the whole list.
std::string NombreAccesible(const Etiquetas& etiquetas);
std::string DescripcionAccesible(const std::vector<FilaTabla>& filas);

// A file name that says the triangle by its sides, without the extension:
// "triangulo-3-4-5".
std::string NombrePorDefecto(const Etiquetas& etiquetas);

// The texts of the strip, "Área 6   Perímetro 12", longest first: fewer
// digits, then the area alone, then `solucion` alone ("Solución 1 de 2"),
// which heads every other form when there is one. A face shows the first
// that fits its room.
std::vector<std::string> TextosFranja(const Propiedades& propiedades, const std::string& solucion);

// The solution's picture of `ancho` by `alto` pixels as a standalone SVG
// document, the triangle centred, named for screen readers; empty when the
// picture has no room.
std::string SvgDeSolucion(const Solucion& solucion, double ancho, double alto);

// `texto` as a JSON string, quotes included, appended to `salida`.
void AgregarCadenaJson(std::string& salida, std::string_view texto);

}  // namespace pendra
