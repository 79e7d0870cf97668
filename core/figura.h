// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formato.h"
#include "geometria.h"

namespace pendra {

// The picture of a solved triangle as every face draws it: where its sides
// run and where each label stands, decided here once, so that the window,
// print, saved files, the page and pendra-cli show the same thing. Positions
// are in pixels of a 96 dpi screen from the picture's upper-left corner, y
// downwards; a face on another device only scales them.

struct PuntoFigura {
    double x = 0;
    double y = 0;
};

struct CajaFigura {
    double izquierda = 0;
    double arriba = 0;
    double derecha = 0;
    double abajo = 0;

    double Ancho() const { return derecha - izquierda; }
    double Alto() const { return abajo - arriba; }
};

// The labels' font: Arial, or Liberation Sans with the same metrics, of 11
// pixels (8.25 points on a 96 dpi screen). Its ascent, descent and line
// spacing, and the advance of a text, from the font's own tables.
inline constexpr double kTamanoFuente = 11;
inline constexpr double kAscensoFuente = 1854.0 / 2048 * kTamanoFuente;
inline constexpr double kDescensoFuente = 434.0 / 2048 * kTamanoFuente;
inline constexpr double kInterlineaFuente = (1854.0 + 434 + 67) / 2048 * kTamanoFuente;
inline constexpr const char* kFamiliasFuente = "Arial, 'Liberation Sans', Arimo, sans-serif";
double AnchoTexto(std::string_view utf8);

// The colours: black sides, blue lengths, red angles, on white.
inline constexpr const char* kRgbLado = "#000000";
inline constexpr const char* kRgbLongitud = "#0000ff";
inline constexpr const char* kRgbAngulo = "#ff0000";

// One label where it stands: a length's number, or an angle's number with
// the degree mark behind it.
struct EtiquetaFigura {
    Campo medida;
    std::string numero;
    std::string marca;  // kMarcaGrado for an angle, empty for a length
    CajaFigura caja;    // number and mark, ascent to descent
    // Where the text starts and its baseline; the mark starts at xMarca.
    PuntoFigura origen;
    double xMarca = 0;
};

struct Figura {
    double ancho = 0;
    double alto = 0;
    // The vertices of angles 1 (the apex), 2 (the origin) and 3, where the
    // view puts them.
    std::array<PuntoFigura, 3> vertices;
    // The sides as drawn, through pixel centres so that a level side is one
    // sharp pixel: side 3 from the apex, side 1 along the base, side 2 back.
    std::array<std::array<PuntoFigura, 2>, 3> lados;
    // The lengths of sides 1 to 3, then the angles 1 to 3.
    std::array<EtiquetaFigura, 6> etiquetas;
};

// The picture of `ancho` by `alto` pixels that shows `vista` of the plane;
// none when it has no room or the view is not a view.
std::optional<Figura> FiguraDe(const GeometriaTriangulo& geometria, const Etiquetas& etiquetas,
                               const Vista& vista, double ancho, double alto);

// A picture that stands on its own: the triangle in its middle, with the
// window's tenth of margin around it.
std::optional<Figura> FiguraCentrada(const GeometriaTriangulo& geometria,
                                     const Etiquetas& etiquetas, double ancho, double alto);

// Each label starts where the triangle's layout puts it: a length with its
// upper-left corner at the midpoint of its side, an angle's number centred
// on its vertex, one line above the apex or hanging below the base. A label
// that would touch a side, another label or the picture's edge moves the
// least whole number of pixels that clears all of them, away from the
// triangle; the others keep their place to the pixel. Where no place clears
// a label (a picture too small for it), it takes the place of least overlap.
// `lados` are the drawn sides. Exposed for the tests.
void ColocarEtiquetas(std::array<EtiquetaFigura, 6>& etiquetas,
                      const std::array<std::array<PuntoFigura, 2>, 3>& lados, double ancho,
                      double alto, const std::array<PuntoFigura, 6>& salidas);

// The picture as a standalone SVG document: white ground, the sides as one
// polygon, the labels as text in the labels' font and colours; `titulo` and
// `descripcion` name it for screen readers.
std::string SvgDe(const Figura& figura, std::string_view titulo, std::string_view descripcion);

// How close a label may come: to a side (from the line's centre), to the
// picture's edge, and to another label across and along a line of text.
inline constexpr double kHolguraLado = 1.5;
inline constexpr double kHolguraBorde = 1;
inline constexpr double kHolguraEntreLineas = 1;
inline constexpr double kHolguraEnLinea = 4;

}  // namespace pendra
