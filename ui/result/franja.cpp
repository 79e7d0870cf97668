// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "franja.h"

#include <QFontMetrics>
#include <QPushButton>
#include <algorithm>

#include "areadibujo.h"
#include "presentacion.h"

namespace pendra {

FranjaPropiedades::FranjaPropiedades(const Propiedades& propiedades, const QString& solucion,
                                     QWidget* parent)
    : QToolButton(parent), propiedades_(propiedades), solucion_(solucion) {
    setObjectName(QStringLiteral("lblPropiedades"));
    setAccessibleName(QStringLiteral("Área y perímetro"));
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    // In the window's own font, not the smaller one of tool buttons.
    setFont(parent->font());
}

void FranjaPropiedades::ColocarJunto(QWidget& boton, const QPushButton& cerrar) {
    const int margen = PixelesDeTwips(60);
    // What the strip adds around its text.
    const int relleno = sizeHint().width() - fontMetrics().horizontalAdvance(text());
    const int anchoBoton = boton.sizeHint().width();
    const int conBoton = cerrar.x() - 3 * margen - anchoBoton;
    // The button yields before the strip loses its shortest text (its
    // solution's number, else the area), which is all TextoFranja's smallest
    // non-empty answer holds.
    const bool cabe =
        conBoton >= 0 &&
        !TextoFranja(propiedades_, fontMetrics(), conBoton - relleno, solucion_).isEmpty();
    boton.setVisible(cabe);
    boton.setGeometry(cerrar.x() - margen - anchoBoton, cerrar.y(), anchoBoton, cerrar.height());
    const QWidget& vecino = cabe ? boton : static_cast<const QWidget&>(cerrar);
    const int ancho = vecino.x() - 2 * margen;
    const QString texto = TextoFranja(propiedades_, fontMetrics(), ancho - relleno, solucion_);
    setText(texto);
    setVisible(!texto.isEmpty());
    setGeometry(margen, cerrar.y(), std::min(sizeHint().width(), std::max(ancho, 0)),
                cerrar.height());
}

QString TextoFranja(const Propiedades& propiedades, const QFontMetrics& metricas, int ancho,
                    const QString& solucion) {
    for (const std::string& texto : TextosFranja(propiedades, solucion.toStdString())) {
        const QString q = QString::fromStdString(texto);
        if (metricas.horizontalAdvance(q) <= ancho) {
            return q;
        }
    }
    return {};
}

}  // namespace pendra
