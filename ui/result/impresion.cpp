// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "impresion.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>

#include "dibujo.h"

namespace pendra {

void ImprimirPagina(QPainter& pintor, const QRectF& pagina, const GeometriaTriangulo& geometria,
                    const EtiquetasTriangulo& etiquetas, const QList<Fila>& filas,
                    QTextDocument* anexo) {
    QFont fuente = FuenteEtiquetas();
    fuente.setPointSizeF(10);
    const QFontMetricsF metricas(fuente, pintor.device());
    if (anexo != nullptr) {
        anexo->documentLayout()->setPaintDevice(pintor.device());
        anexo->setDefaultFont(fuente);
        anexo->setDocumentMargin(0);
        anexo->setTextWidth(pagina.width());
    }
    // A blank line between the rows and the working.
    const double alturaAnexo =
        anexo != nullptr ? metricas.lineSpacing() + anexo->size().height() : 0;
    // A blank line between drawing and rows, the rows, and the working.
    const double alturaTexto = (filas.size() + 2) * metricas.lineSpacing() + alturaAnexo;
    // As tall as the triangle's own proportion asks, while the rows still fit below.
    const double ancho = static_cast<double>(geometria.MaxX()) - geometria.MinX();
    const double alto = static_cast<double>(geometria.MaxY()) - geometria.MinY();
    const double proporcion = ancho > 0 ? alto / ancho : 1;
    const double alturaDibujo =
        std::max(0.0, std::min(pagina.width() * proporcion, pagina.height() - alturaTexto));
    const QRectF area(pagina.topLeft(), QSizeF(pagina.width(), alturaDibujo));
    DibujarAjustado(pintor, area, geometria, etiquetas);

    pintor.save();
    pintor.setFont(fuente);
    pintor.setPen(Qt::black);
    double y = area.bottom() + metricas.lineSpacing() + metricas.ascent();
    for (const Fila& fila : filas) {
        pintor.drawText(QPointF(pagina.left(), y), fila.nombre + QStringLiteral(": ") + fila.valor);
        y += metricas.lineSpacing();
    }
    if (anexo != nullptr) {
        pintor.translate(pagina.left(), y + metricas.lineSpacing() - metricas.ascent());
        anexo->drawContents(&pintor);
    }
    pintor.restore();
}

}  // namespace pendra
