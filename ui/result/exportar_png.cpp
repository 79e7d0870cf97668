// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include "dibujo.h"
#include "exportar.h"

namespace pendra {

QImage ImagenDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                    const QSizeF& tamano, qreal escala) {
    QImage imagen((tamano * escala).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (imagen.isNull()) {
        return imagen;
    }
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::white);
    {
        QPainter pintor(&imagen);
        DibujarAjustado(pintor, QRectF(QPointF(0, 0), tamano), geometria, etiquetas);
    }
    // Told its density, a program that reads it shows it at the window's size.
    // Set afterwards: the drawing is made at the screen's 96 dpi.
    imagen.setDotsPerMeterX(qRound(imagen.dotsPerMeterX() * escala));
    imagen.setDotsPerMeterY(qRound(imagen.dotsPerMeterY() * escala));
    return imagen;
}

QByteArray PngDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano) {
    // Twice the pixels, so the image stays sharp on a dense screen or on paper.
    const QImage imagen = ImagenDibujo(geometria, etiquetas, tamano, 2);
    QByteArray png;
    QBuffer salida(&png);
    salida.open(QIODevice::WriteOnly);
    QImageWriter escritor(&salida, "png");
    if (imagen.isNull() || !escritor.write(imagen)) {
        return {};
    }
    return png;
}

}  // namespace pendra
