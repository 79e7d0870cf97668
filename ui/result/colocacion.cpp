#include "colocacion.h"

#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace pendra {

namespace {

// A step down and to the right of `anterior`, or the screen's upper left
// corner when the step would leave the screen.
QPoint Escalonada(const QWidget& anterior, QSize tamano) {
    constexpr int kPaso = 32;
    const QRect disponible = anterior.screen()->availableGeometry();
    const QPoint lugar = anterior.pos() + QPoint(kPaso, kPaso);
    const QSize marco = anterior.frameGeometry().size() - anterior.size();
    if (disponible.contains(QRect(lugar, tamano + marco))) {
        return lugar;
    }
    return disponible.topLeft();
}

// Beside `entrada`, so that its fields stay in view: to its right where the
// screen has room, else below it. The window slides along that side as far as
// it must to stay on the screen, frame included (its frame taken to be as
// thick as that of `entrada`, since it has none before it is shown). Nothing
// when neither place is free.
std::optional<QPoint> Junto(const QWidget& entrada, QSize tamano) {
    constexpr int kSeparacion = 8;
    const QRect disponible = entrada.screen()->availableGeometry();
    const QRect ocupado = entrada.frameGeometry();
    const QSize marco = tamano + (ocupado.size() - entrada.size());
    if (marco.width() > disponible.width() || marco.height() > disponible.height()) {
        return std::nullopt;
    }
    for (const QPoint esquina : {QPoint(ocupado.right() + 1 + kSeparacion, ocupado.top()),
                                 QPoint(ocupado.left(), ocupado.bottom() + 1 + kSeparacion)}) {
        const QRect lugar(QPoint(std::clamp(esquina.x(), disponible.left(),
                                            disponible.right() + 1 - marco.width()),
                                 std::clamp(esquina.y(), disponible.top(),
                                            disponible.bottom() + 1 - marco.height())),
                          marco);
        if (!lugar.intersects(ocupado)) {
            return lugar.topLeft();
        }
    }
    return std::nullopt;
}

}  // namespace

void ColocarVentanaNueva(QWidget& ventana, const QWidget* entrada) {
    static QPointer<QWidget> ultima;
    if (ultima && ultima->isVisible()) {
        ventana.move(Escalonada(*ultima, ventana.size()));
    } else if (entrada != nullptr && entrada->isVisible()) {
        if (const std::optional<QPoint> lugar = Junto(*entrada, ventana.size())) {
            ventana.move(*lugar);
        }
    }
    ultima = &ventana;
}

}  // namespace pendra
