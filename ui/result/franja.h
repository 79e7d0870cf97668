// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QToolButton>

#include "propiedades.h"

class QFontMetrics;
class QPushButton;

namespace pendra {

// The strip left of a result window's "&Cerrar": the area and the perimeter,
// looking like text until the pointer is over it; a click opens the
// properties view.
class FranjaPropiedades : public QToolButton {
    Q_OBJECT

public:
    // `solucion`, when not empty, heads the strip: "Solución 1 de 2".
    FranjaPropiedades(const Propiedades& propiedades, const QString& solucion, QWidget* parent);

    // From the window's left edge to a little short of `cerrar`, as high as
    // it, with as much of the text as fits there; hidden when none does.
    // `boton`, the working's, goes between them, a little apart, while the
    // strip keeps its shortest text beside it; otherwise it yields and hides.
    void ColocarJunto(QWidget& boton, const QPushButton& cerrar);

private:
    Propiedades propiedades_;
    QString solucion_;
};

// The text of the strip, "Área 6   Perímetro 12", in the longest form that
// fits `ancho` pixels: fewer digits, then the area alone, then nothing. A
// `solucion` heads every form and is the last thing left.
QString TextoFranja(const Propiedades& propiedades, const QFontMetrics& metricas, int ancho,
                    const QString& solucion = {});

}  // namespace pendra
