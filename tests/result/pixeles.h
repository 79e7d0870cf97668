// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainter>
#include <QRgb>

#include "areadibujo.h"
#include "dibujo.h"
#include "frmgrafico.h"

#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << texto.toStdString();
}
inline void PrintTo(const QStringList& textos, std::ostream* salida) {
    *salida << '{' << textos.join(QStringLiteral("|")).toStdString() << '}';
}

namespace pendra::prueba {

// The colours of a drawing, with room for anti-aliased edges.
inline bool EsNegro(QRgb c) {
    return qRed(c) < 110 && qGreen(c) < 110 && qBlue(c) < 110;
}
inline bool EsAzul(QRgb c) {
    return qBlue(c) > 160 && qRed(c) < 110 && qGreen(c) < 110;
}
inline bool EsRojo(QRgb c) {
    return qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110;
}

struct ColoresDelDibujo {
    int negros = 0;
    int azules = 0;
    int rojos = 0;
};

// How many pixels of each drawing colour the image holds inside `zona`.
inline ColoresDelDibujo ContarColores(const QImage& imagen, QRect zona) {
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    zona = zona.intersected(rgb.rect());
    ColoresDelDibujo n;
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = zona.left(); x <= zona.right(); ++x) {
            n.negros += EsNegro(fila[x]) ? 1 : 0;
            n.azules += EsAzul(fila[x]) ? 1 : 0;
            n.rojos += EsRojo(fila[x]) ? 1 : 0;
        }
    }
    return n;
}

// The window's drawing made again by the drawing function, on an image of the
// picture's size at `escala`: what it reports is where the window's lines and
// labels are, in the picture's coordinates, and the image is what the picture
// must show.
struct DibujoDeVentana {
    Trazado trazado;
    QImage imagen;
};

inline DibujoDeVentana DibujoDe(const frmGrafico& ventana, qreal escala = 1) {
    const AreaDibujo* pic = ventana.picTriangulo();
    DibujoDeVentana dibujo;
    dibujo.imagen = QImage(pic->size() * escala, QImage::Format_ARGB32_Premultiplied);
    dibujo.imagen.setDevicePixelRatio(escala);
    dibujo.imagen.fill(Qt::white);
    QPainter pintor(&dibujo.imagen);
    dibujo.trazado =
        DibujarTriangulo(pintor, pic->contentsRect(), ventana.Geometria().VistaAjustada(),
                         ventana.Geometria(), ventana.Etiquetas());
    return dibujo;
}

// The part of an image inside `zona` (device-independent pixels), in device pixels.
inline QImage Recorte(const QImage& imagen, QRect zona) {
    const qreal r = imagen.devicePixelRatio();
    return imagen.copy(QRect(zona.topLeft() * r, zona.size() * r))
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace pendra::prueba
