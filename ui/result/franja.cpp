#include "franja.h"

#include <QFontMetrics>
#include <QPushButton>
#include <algorithm>

#include "areadibujo.h"
#include "formato.h"

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

void FranjaPropiedades::ColocarJunto(const QPushButton& boton) {
    const int margen = PixelesDeTwips(60);
    const int ancho = boton.x() - 2 * margen;
    // What the button adds around its text.
    const int relleno = sizeHint().width() - fontMetrics().horizontalAdvance(text());
    const QString texto = TextoFranja(propiedades_, fontMetrics(), ancho - relleno, solucion_);
    setText(texto);
    setVisible(!texto.isEmpty());
    setGeometry(margen, boton.y(), std::min(sizeHint().width(), std::max(ancho, 0)),
                boton.height());
}

QString TextoFranja(const Propiedades& propiedades, const QFontMetrics& metricas, int ancho,
                    const QString& solucion) {
    const QString cabeza = solucion.isEmpty() ? QString() : solucion + QStringLiteral("   ");
    const auto area = [&](int cifras) {
        return cabeza + QStringLiteral("Área ") +
               QString::fromStdString(TextoValor(propiedades.area, cifras));
    };
    const auto ambos = [&](int cifras) {
        return area(cifras) + QStringLiteral("   Perímetro ") +
               QString::fromStdString(TextoValor(propiedades.perimetro, cifras));
    };
    for (const QString& texto : {ambos(10), ambos(4), area(10), area(4), solucion}) {
        if (metricas.horizontalAdvance(texto) <= ancho) {
            return texto;
        }
    }
    return {};
}

}  // namespace pendra
