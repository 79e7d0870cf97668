#pragma once

#include <QList>
#include <QRectF>

#include "etiquetas.h"
#include "filas.h"
#include "geometria.h"

class QPainter;

namespace pendra {

// A printed page: the drawing across the whole width of `pagina`, and the
// rows below it, one a line.
void ImprimirPagina(QPainter& pintor, const QRectF& pagina, const GeometriaTriangulo& geometria,
                    const EtiquetasTriangulo& etiquetas, const QList<Fila>& filas);

}  // namespace pendra
