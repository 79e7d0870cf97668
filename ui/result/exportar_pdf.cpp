// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "dibujo.h"
#include "exportar.h"
#include "unidades.h"

namespace pendra {

namespace {

constexpr double kPuntosPorPulgada = 72;

}  // namespace

QByteArray PdfDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano) {
    QByteArray pdf;
    QBuffer salida(&pdf);
    salida.open(QIODevice::WriteOnly);
    QPdfWriter escritor(&salida);
    escritor.setResolution(static_cast<int>(kDpiPantalla));
    escritor.setPageSize(QPageSize(tamano * (kPuntosPorPulgada / kDpiPantalla), QPageSize::Point,
                                   QString(), QPageSize::ExactMatch));
    escritor.setPageMargins(QMarginsF(0, 0, 0, 0));
    escritor.setTitle(NombreAccesible(etiquetas));
    escritor.setCreator(QStringLiteral("Pendra"));
    QPainter pintor;
    if (!pintor.begin(&escritor)) {
        return {};
    }
    DibujarAjustado(pintor, QRectF(QPointF(0, 0), tamano), geometria, etiquetas);
    if (!pintor.end()) {
        return {};
    }
    return pdf;
}

}  // namespace pendra
