// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "dibujo.h"
#include "exportar.h"
#include "unidades.h"

namespace pendra {

QByteArray SvgDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano) {
    QByteArray svg;
    QBuffer salida(&svg);
    salida.open(QIODevice::WriteOnly);
    QSvgGenerator generador;
    generador.setOutputDevice(&salida);
    generador.setResolution(static_cast<int>(kDpiPantalla));
    generador.setSize(tamano.toSize());
    generador.setViewBox(QRectF(QPointF(0, 0), tamano));
    generador.setTitle(NombreAccesible(etiquetas));
    generador.setDescription(DescripcionAccesible(FilasMedidas(etiquetas)));
    QPainter pintor;
    if (!pintor.begin(&generador)) {
        return {};
    }
    DibujarAjustado(pintor, QRectF(QPointF(0, 0), tamano), geometria, etiquetas);
    if (!pintor.end()) {
        return {};
    }
    return svg;
}

}  // namespace pendra
