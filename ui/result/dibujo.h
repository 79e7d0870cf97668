// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>

#include "etiquetas.h"
#include "figura.h"
#include "geometria.h"

class QPainter;

namespace pendra {

// The colours of a drawing: black sides, blue lengths, red angles.
inline const QColor kColorLado{kRgbLado};
inline const QColor kColorLongitud{kRgbLongitud};
inline const QColor kColorAngulo{kRgbAngulo};

// One label as it was written: its text, the box it takes and its colour.
struct EtiquetaDibujada {
    QString texto;
    QRectF caja;
    QColor color;
};

// What a drawing put where, in the painter's coordinates: the sides in the
// order they are drawn (3 from the apex, 1 along the base, 2 back to the apex),
// then the labels: the lengths of sides 1 to 3, then for angles 1 to 3 the
// number and its degree mark.
struct Trazado {
    std::array<QLineF, 3> lados;
    QList<EtiquetaDibujada> etiquetas;
};

// Arial 8.25 pt, or a sans serif with the same metrics where Arial is missing.
QFont FuenteEtiquetas();

// Draws a figure laid out by the core on any painter, in `area`, which is
// cleared to white first; nothing is drawn outside it. Lines and text keep
// their size whatever the device: a line is one pixel of a 96 dpi screen wide
// and the labels are FuenteEtiquetas. Where there is no figure the area is
// only cleared.
Trazado DibujarFigura(QPainter& pintor, const QRectF& area, const std::optional<Figura>& figura);

// The window's drawing: the part of the plane that `vista` names fills `area`.
Trazado DibujarTriangulo(QPainter& pintor, const QRectF& area, const Vista& vista,
                         const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas);

// The view that fits the triangle into a picture of `tamano`, as a result
// window fits its own picture; none when the picture has no room.
std::optional<Vista> VistaPara(const GeometriaTriangulo& geometria, const QSizeF& tamano);

// The triangle drawn in `area` as a picture that stands on its own, centred
// in it; an area without room is left as it is and nothing is reported.
std::optional<Trazado> DibujarAjustado(QPainter& pintor, const QRectF& area,
                                       const GeometriaTriangulo& geometria,
                                       const EtiquetasTriangulo& etiquetas);

}  // namespace pendra
