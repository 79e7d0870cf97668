// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRectF>

#include "etiquetas.h"
#include "filas.h"
#include "geometria.h"

class QPainter;
class QTextDocument;

namespace pendra {

// A printed page: the drawing across the whole width of `pagina`, the rows
// below it, one a line, and below them `anexo` (the working), when given.
void ImprimirPagina(QPainter& pintor, const QRectF& pagina, const GeometriaTriangulo& geometria,
                    const EtiquetasTriangulo& etiquetas, const QList<Fila>& filas,
                    QTextDocument* anexo = nullptr);

}  // namespace pendra
