#include "impresion.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "dibujo.h"

namespace pendra {

void ImprimirPagina(QPainter& pintor, const QRectF& pagina, const GeometriaTriangulo& geometria,
                    const EtiquetasTriangulo& etiquetas, const QList<Fila>& filas) {
    QFont fuente = FuenteEtiquetas();
    fuente.setPointSizeF(10);
    const QFontMetricsF metricas(fuente, pintor.device());
    // A blank line between drawing and rows, and the rows.
    const double alturaTexto = (filas.size() + 2) * metricas.lineSpacing();
    // As tall as the triangle's own proportion asks, while the rows still fit below.
    const double ancho = static_cast<double>(geometria.MaxX()) - geometria.MinX();
    const double alto = static_cast<double>(geometria.MaxY()) - geometria.MinY();
    const double proporcion = ancho > 0 ? alto / ancho : 1;
    const double alturaDibujo =
        std::min(pagina.width() * proporcion, pagina.height() - alturaTexto);
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
    pintor.restore();
}

}  // namespace pendra
