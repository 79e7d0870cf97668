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

double Producto(QPointF a, QPointF b) {
    return a.x() * b.x() + a.y() * b.y();
}

// `v` made one unit long; `otro`, or else `ultimo`, where `v` has no direction.
QPointF Unitario(QPointF v, QPointF otro, QPointF ultimo) {
    for (const QPointF w : {v, otro}) {
        const double largo = std::sqrt(Producto(w, w));
        if (largo > 0 && std::isfinite(largo)) {
            return w / largo;
        }
    }
    return ultimo;
}

// One text of a label and the box it takes.
struct Parte {
    QString texto;
    QRectF caja;
};

// A label as one piece: a length, or an angle's number with its mark; and
// the way out from the triangle, one unit long, along which it may move.
struct Rotulo {
    std::vector<Parte> partes;
    QColor color;
    QPointF salida;

    QRectF Caja() const {
        QRectF caja;
        for (const Parte& p : partes) {
            caja = caja.united(p.caja);
        }
        return caja;
    }
};

// Whether the segment passes through the inside of `caja` (Liang-Barsky):
// touching an edge or a corner is not crossing.
bool Cruza(const QLineF& linea, const QRectF& caja) {
    double desde = 0;
    double hasta = 1;
    const double dx = linea.dx();
    const double dy = linea.dy();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {linea.x1() - caja.left(), caja.right() - linea.x1(),
                        linea.y1() - caja.top(), caja.bottom() - linea.y1()};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] <= 0) {
                return false;
            }
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) {
            desde = std::max(desde, t);
        } else {
            hasta = std::min(hasta, t);
        }
    }
    return desde < hasta;
}

// Labels that overlap another or that a side crosses are moved, each in turn,
// the least whole number of pixels away from the triangle until they are clear
// of every side and every other label; a label that touches nothing keeps
// its place. Away means along its way out, or as near it as the picture
// allows: turned by up to a right angle to either side where that way would
// leave the picture sooner. A side counts as crossing a label when it runs
// inside the label's box by more than a pixel, so a length that starts on its
// own side stays.
void SepararRotulos(std::array<Rotulo, 6>& rotulos, const std::array<QLineF, 3>& lados,
                    double pixel, const QRectF& area) {
    // A moved label keeps a space's width from the others, so that two
    // lengths of 1 side by side never read as 11.
    const double espacio = 4 * pixel;
    const auto choca = [&](std::size_t i, QPointF desplazamiento) {
        const QRectF caja = rotulos[i].Caja().translated(desplazamiento);
        const double holgura = desplazamiento.isNull() ? 0 : espacio;
        const QRectF dentro = caja.adjusted(pixel, pixel, -pixel, -pixel);
        for (const QLineF& lado : lados) {
            if (dentro.isValid() && Cruza(lado, dentro)) {
                return true;
            }
        }
        for (std::size_t j = 0; j < rotulos.size(); ++j) {
            if (j != i && caja.adjusted(-holgura, 0, holgura, 0).intersects(rotulos[j].Caja())) {
                return true;
            }
        }
        return false;
    };
    // Far enough to cross any picture. The first search keeps the label in
    // the picture; where it cannot, the second lets it leave; a label that
    // finds no room at all keeps its place.
    const int pasos = static_cast<int>(std::ceil((area.width() + area.height()) / pixel));
    const auto lugarLibre = [&](std::size_t i, bool enElArea) -> std::optional<QPointF> {
        const QPointF s = rotulos[i].salida;
        const QPointF izquierda(s.y(), -s.x());
        const QPointF rumbos[] = {s, Unitario(s + izquierda, s, s), Unitario(s - izquierda, s, s),
                                  izquierda, -izquierda};
        for (int paso = 1; paso <= pasos; ++paso) {
            for (const QPointF& rumbo : rumbos) {
                const QPointF desplazamiento = PixelEntero(rumbo * (paso * pixel), pixel);
                if ((!enElArea || area.contains(rotulos[i].Caja().translated(desplazamiento))) &&
                    !choca(i, desplazamiento)) {
                    return desplazamiento;
                }
            }
        }
        return std::nullopt;
    };
    for (std::size_t i = 0; i < rotulos.size(); ++i) {
        if (!choca(i, {})) {
            continue;
        }
        std::optional<QPointF> desplazamiento = lugarLibre(i, true);
        if (!desplazamiento) {
            desplazamiento = lugarLibre(i, false);
        }
        if (desplazamiento) {
            for (Parte& p : rotulos[i].partes) {
                p.caja.translate(*desplazamiento);
            }
        }
    }
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
    const auto parte = [&](const QString& texto, QPointF esquina) {
        return Parte{texto, QRectF(PixelEntero(esquina, pixel),
                                   QSizeF(metricas.horizontalAdvance(texto), metricas.height()))};
    };

    // The midpoints are single precision, like the vertices they come from.
    const float mitadBase = base / 2;
    const float medioX = (base + verticeX) / 2;
    const float mitadX = verticeX / 2;
    const float mitadY = verticeY / 2;
    // Each length stands away from the side it measures, on the side away from
    // the opposite vertex.
    const auto lado = [&](std::uint8_t i, QPointF medio, const QLineF& linea, QPointF opuesto) {
        QPointF normal(-linea.dy(), linea.dx());
        if (Producto(normal, medio - opuesto) < 0) {
            normal = -normal;
        }
        return Rotulo{{parte(QString::fromStdString(etiquetas.Lado(i)), medio)},
                      kColorLongitud,
                      Unitario(normal, medio - opuesto, QPointF(0, 1))};
    };
    // Only the number is centred; the mark stands behind it, outside the
    // centring. Each angle stands away from the triangle's centre.
    const QPointF centro = (apice + origen + extremo) / 3;
    const auto angulo = [&](std::uint8_t i, QPointF vertice, double arriba, QPointF porDefecto) {
        const QString numero = QString::fromStdString(etiquetas.Angulo(i));
        const double ancho = metricas.horizontalAdvance(numero);
        const double izquierda = vertice.x() - ancho / 2;
        return Rotulo{{parte(numero, {izquierda, arriba}),
                       parte(QString::fromUtf8(kMarcaGrado), {izquierda + ancho, arriba})},
                      kColorAngulo,
                      Unitario(vertice - centro, porDefecto, porDefecto)};
    };
    std::array<Rotulo, 6> rotulos{
        lado(1, aArea.map(QPointF(mitadBase, 0)), trazado.lados[1], apice),
        lado(2, aArea.map(QPointF(medioX, mitadY)), trazado.lados[2], origen),
        lado(3, aArea.map(QPointF(mitadX, mitadY)), trazado.lados[0], extremo),
        angulo(1, apice, apice.y() - metricas.lineSpacing(), QPointF(0, -1)),
        angulo(2, origen, origen.y(), QPointF(0, 1)),
        angulo(3, extremo, extremo.y(), QPointF(0, 1)),
    };
    SepararRotulos(rotulos, trazado.lados, pixel, area);

    for (const Rotulo& rotulo : rotulos) {
        pintor.setPen(rotulo.color);
        for (const Parte& p : rotulo.partes) {
            pintor.drawText(p.caja.topLeft() + QPointF(0, metricas.ascent()), p.texto);
            trazado.etiquetas.append({p.texto, p.caja, rotulo.color});
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
    const std::optional<Vista> vista = VistaPara(geometria, area.size());
    if (!vista) {
        return std::nullopt;
    }
    return DibujarTriangulo(pintor, area, *vista, geometria, etiquetas);
}

}  // namespace pendra
