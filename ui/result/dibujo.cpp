#include "dibujo.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <cmath>
#include <cstdint>

#include "formato.h"
#include "unidades.h"

namespace pendra {

namespace {

const QColor kFondo = Qt::white;

// The plane's view onto the area: x to the right, and y upward when the view's
// top is above its bottom.
QTransform DeVistaAArea(const QRectF& area, const Vista& vista) {
    const double sx = area.width() / (static_cast<double>(vista.derecha) - vista.izquierda);
    const double sy = area.height() / (static_cast<double>(vista.abajo) - vista.arriba);
    return {sx, 0, 0, sy, area.left() - vista.izquierda * sx, area.top() - vista.arriba * sy};
}

// Lines run through pixel centres so a horizontal or vertical side is one
// sharp pixel wide instead of two half-grey ones.
QPointF CentroDePixel(QPointF p, double pixel) {
    return {(std::floor(p.x() / pixel) + 0.5) * pixel, (std::floor(p.y() / pixel) + 0.5) * pixel};
}

// Whole pixels keep the glyphs as sharp as the font can make them.
QPointF PixelEntero(QPointF p, double pixel) {
    return {std::round(p.x() / pixel) * pixel, std::round(p.y() / pixel) * pixel};
}

}  // namespace

QFont FuenteEtiquetas() {
    QFont fuente;
    fuente.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPointSizeF(8.25);
    fuente.setWeight(QFont::Normal);
    return fuente;
}

Trazado DibujarTriangulo(QPainter& pintor, const QRectF& area, const Vista& vista,
                         const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas) {
    Trazado trazado;
    const QPaintDevice* dispositivo = pintor.device();
    const double pixel = dispositivo->logicalDpiX() / kDpiPantalla;
    pintor.save();
    pintor.setClipRect(area, Qt::IntersectClip);
    pintor.fillRect(area, kFondo);

    const QTransform aArea = DeVistaAArea(area, vista);
    const float verticeX = geometria.VerticeX();
    const float verticeY = geometria.VerticeY();
    const float base = geometria.Base();
    const QPointF apice = aArea.map(QPointF(verticeX, verticeY));
    const QPointF origen = aArea.map(QPointF(0, 0));
    const QPointF extremo = aArea.map(QPointF(base, 0));

    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(kColorLado, pixel));
    trazado.lados = {QLineF(CentroDePixel(apice, pixel), CentroDePixel(origen, pixel)),
                     QLineF(CentroDePixel(origen, pixel), CentroDePixel(extremo, pixel)),
                     QLineF(CentroDePixel(extremo, pixel), CentroDePixel(apice, pixel))};
    for (const QLineF& lado : trazado.lados) {
        pintor.drawLine(lado);
    }
    pintor.setRenderHint(QPainter::Antialiasing, false);

    pintor.setFont(FuenteEtiquetas());
    const QFontMetricsF metricas(pintor.font(), dispositivo);
    const auto escribir = [&](const QString& texto, QPointF esquina, const QColor& color) {
        const QPointF lugar = PixelEntero(esquina, pixel);
        pintor.setPen(color);
        pintor.drawText(lugar + QPointF(0, metricas.ascent()), texto);
        trazado.etiquetas.append(
            {texto, QRectF(lugar, QSizeF(metricas.horizontalAdvance(texto), metricas.height())),
             color});
    };

    // The midpoints are single precision, like the vertices they come from.
    const float mitadBase = base / 2;
    const float medioX = (base + verticeX) / 2;
    const float mitadX = verticeX / 2;
    const float mitadY = verticeY / 2;
    escribir(QString::fromStdString(etiquetas.Lado(1)), aArea.map(QPointF(mitadBase, 0)),
             kColorLongitud);
    escribir(QString::fromStdString(etiquetas.Lado(2)), aArea.map(QPointF(medioX, mitadY)),
             kColorLongitud);
    escribir(QString::fromStdString(etiquetas.Lado(3)), aArea.map(QPointF(mitadX, mitadY)),
             kColorLongitud);

    // Only the number is centred; the mark stands behind it, outside the centring.
    const auto angulo = [&](std::uint8_t i, QPointF vertice, double arriba) {
        const QString numero = QString::fromStdString(etiquetas.Angulo(i));
        const double ancho = metricas.horizontalAdvance(numero);
        const double izquierda = vertice.x() - ancho / 2;
        escribir(numero, {izquierda, arriba}, kColorAngulo);
        escribir(QString::fromUtf8(kMarcaGrado), {izquierda + ancho, arriba}, kColorAngulo);
    };
    angulo(1, apice, apice.y() - metricas.lineSpacing());
    angulo(2, origen, origen.y());
    angulo(3, extremo, extremo.y());

    pintor.restore();
    return trazado;
}

std::optional<Vista> VistaPara(const GeometriaTriangulo& geometria, const QSizeF& tamano) {
    GeometriaTriangulo ajustada = geometria;
    ajustada.ReiniciarRangos();
    if (!ajustada.AjustarRangos(static_cast<float>(tamano.width()),
                                static_cast<float>(tamano.height()))) {
        return std::nullopt;
    }
    return ajustada.VistaAjustada();
}

std::optional<Trazado> DibujarAjustado(QPainter& pintor, const QRectF& area,
                                       const GeometriaTriangulo& geometria,
                                       const EtiquetasTriangulo& etiquetas) {
    const std::optional<Vista> vista = VistaPara(geometria, area.size());
    if (!vista) {
        return std::nullopt;
    }
    return DibujarTriangulo(pintor, area, *vista, geometria, etiquetas);
}

}  // namespace pendra
