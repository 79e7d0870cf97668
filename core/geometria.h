// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "globales.h"

namespace pendra {

// The part of the drawing plane a picture shows: (izquierda, arriba) is its
// upper-left corner and (derecha, abajo) its lower-right one. arriba is greater
// than abajo, so y grows upward on the screen.
struct Vista {
    float izquierda = 0;
    float arriba = 0;
    float derecha = 0;
    float abajo = 0;
};

// Where a solved triangle lies in its drawing plane, and how much of the plane a
// picture of a given size shows. Vertex 2 is the origin, side 1 runs along +x
// and the apex lies above it. Everything is single precision, stored after each
// step, so every view of the same triangle and size comes out to the same
// digits and the same pixels.
class GeometriaTriangulo {
public:
    // Places the triangle when its window loads: the apex from side 3 and
    // angle 2, the base from side 1, and the extents of the three vertices.
    // Reads Angulo(2), Lado(1) and Lado(3) only.
    explicit GeometriaTriangulo(const Medidas& medidas);

    // Every fit starts again from the triangle's own extents, so the widening
    // of an earlier fit never accumulates.
    void ReiniciarRangos();

    // Widens one extent so that the ranges take the proportion of a picture
    // `ancho` wide and `alto` high (its outer size; only the proportion
    // counts). False when there is nothing to draw: a picture without positive
    // width and height cannot hold a view, and the ranges are then left as
    // ReiniciarRangos set them.
    bool AjustarRangos(float ancho, float alto);

    // The ranges enlarged by a tenth on every side. Meaningful only after
    // AjustarRangos has returned true.
    Vista VistaAjustada() const;
    // The same ranges and tenth, with the triangle in the middle: the view of
    // a picture that stands on its own (a file, the clipboard, the page).
    Vista VistaCentrada() const;

    float VerticeX() const { return VerticeX_; }
    float VerticeY() const { return VerticeY_; }
    float Base() const { return Base_; }
    float MinX() const { return MinX_; }
    float MaxX() const { return MaxX_; }
    float MaxY() const { return MaxY_; }
    float MinY() const { return MinY_; }
    float RangoX() const { return RangoX_; }
    float RangoY() const { return RangoY_; }

    // The coordinates are the true ones times 2 to this power. It is 0 for any
    // triangle whose sides a user would type; sides too long or too short for
    // single precision are brought into range without losing their shape.
    int Escala() const { return escala_; }

private:
    int escala_ = 0;
    float VerticeX_ = 0;
    float VerticeY_ = 0;
    float Base_ = 0;
    float MinX_ = 0;
    float MaxX_ = 0;
    float MaxY_ = 0;
    float MinY_ = 0;
    float RangoX_ = 0;
    float RangoY_ = 0;
};

}  // namespace pendra
