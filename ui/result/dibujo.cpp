// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dibujo.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "formato.h"
#include "unidades.h"

namespace pendra {

namespace {

const QColor kFondo = Qt::white;

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
    const double pixel = pintor.device()->logicalDpiX() / kDpiPantalla;
    return DibujarFigura(pintor, area,
                         FiguraDe(geometria, etiquetas.Textos(), vista, area.width() / pixel,
                                  area.height() / pixel));
}

Trazado DibujarFigura(QPainter& pintor, const QRectF& area, const std::optional<Figura>& figura) {
    Trazado trazado;
    const QPaintDevice* dispositivo = pintor.device();
    const double pixel = dispositivo->logicalDpiX() / kDpiPantalla;
    pintor.save();
    pintor.setClipRect(area, Qt::IntersectClip);
    pintor.fillRect(area, kFondo);
    if (!figura) {
        pintor.restore();
        return trazado;
    }
    // The figure is laid out in pixels of a 96 dpi screen; this device may
    // have more of them.
    const auto aqui = [&](PuntoFigura p) {
        return QPointF(area.left() + p.x * pixel, area.top() + p.y * pixel);
    };
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(kColorLado, pixel));
    for (std::size_t k = 0; k < figura->lados.size(); ++k) {
        trazado.lados[k] = QLineF(aqui(figura->lados[k][0]), aqui(figura->lados[k][1]));
        pintor.drawLine(trazado.lados[k]);
    }
    pintor.setRenderHint(QPainter::Antialiasing, false);

    pintor.setFont(FuenteEtiquetas());
    for (const EtiquetaFigura& e : figura->etiquetas) {
        const QColor color = e.medida.tipo == TipoCampo::Lado ? kColorLongitud : kColorAngulo;
        pintor.setPen(color);
        const double arriba = e.caja.arriba;
        const double abajo = e.caja.abajo;
        const auto parte = [&](const std::string& texto, double desde, double hasta) {
            const QString q = QString::fromStdString(texto);
            pintor.drawText(aqui({desde, e.origen.y}), q);
            trazado.etiquetas.append(
                {q, QRectF(aqui({desde, arriba}), aqui({hasta, abajo})), color});
        };
        parte(e.numero, e.origen.x, e.xMarca);
        if (!e.marca.empty()) {
            parte(e.marca, e.xMarca, e.caja.derecha);
        }
    }
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
    const double pixel = pintor.device()->logicalDpiX() / kDpiPantalla;
    const std::optional<Figura> figura =
        FiguraCentrada(geometria, etiquetas.Textos(), area.width() / pixel, area.height() / pixel);
    if (!figura) {
        return std::nullopt;
    }
    return DibujarFigura(pintor, area, figura);
}

}  // namespace pendra
