#include "franja.h"

#include <QFontMetrics>
#include <QPushButton>
#include <algorithm>

#include "areadibujo.h"
#include "formato.h"

namespace pendra {

FranjaPropiedades::FranjaPropiedades(const Propiedades& propiedades, QWidget* parent)
    : QToolButton(parent), propiedades_(propiedades) {
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
    const QString texto = TextoFranja(propiedades_, fontMetrics(), ancho - relleno);
    setText(texto);
    setVisible(!texto.isEmpty());
    setGeometry(margen, boton.y(), std::min(sizeHint().width(), std::max(ancho, 0)),
                boton.height());
}

QString TextoFranja(const Propiedades& propiedades, const QFontMetrics& metricas, int ancho) {
    const auto area = [&](int cifras) {
        return QStringLiteral("Área ") +
               QString::fromStdString(TextoValor(propiedades.area, cifras));
    };
    const auto ambos = [&](int cifras) {
        return area(cifras) + QStringLiteral("   Perímetro ") +
               QString::fromStdString(TextoValor(propiedades.perimetro, cifras));
    };
    for (const QString& texto : {ambos(10), ambos(4), area(10), area(4)}) {
        if (metricas.horizontalAdvance(texto) <= ancho) {
            return texto;
        }
    }
    return {};
}

}  // namespace pendra
