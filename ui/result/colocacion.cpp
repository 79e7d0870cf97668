// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colocacion.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace pendra {

namespace {

// The gap left between a window and the one it is placed beside.
constexpr int kSeparacion = 8;

// A window's frame as the window system last reported it. A top-level
// widget's own frameGeometry() can keep the frame it saw first, before the
// window manager framed it (no frame, or a 1×1 one), until the window moves.
QRect Marco(const QWidget& ventana) {
    const QWindow* ventanaNativa = ventana.windowHandle();
    return ventanaNativa != nullptr ? ventanaNativa->frameGeometry() : ventana.frameGeometry();
}

// A step down and to the right of `anterior`, or the screen's upper left
// corner when the step would leave the screen.
QPoint Escalonada(const QWidget& anterior, QSize tamano) {
    constexpr int kPaso = 32;
    const QRect disponible = anterior.screen()->availableGeometry();
    const QPoint lugar = Marco(anterior).topLeft() + QPoint(kPaso, kPaso);
    const QSize marco = Marco(anterior).size() - anterior.size();
    if (disponible.contains(QRect(lugar, tamano + marco))) {
        return lugar;
    }
    return disponible.topLeft();
}

// What the placement knows of the screen: the part windows may use, the open
// windows of the program, frames included, and the size of the new window
// with its frame (taken to be as thick as that of a window already shown,
// since it has none before it is shown).
struct Escritorio {
    QRect disponible;
    QList<QRect> ocupados;
    QSize marco;

    bool Libre(const QRect& lugar) const {
        return disponible.contains(lugar) &&
               std::none_of(ocupados.begin(), ocupados.end(),
                            [&lugar](const QRect& otro) { return otro.intersects(lugar); });
    }

    // Beside `vecino`, to its right, else below it, slid along that side as
    // far as it must to stay on the screen; the first of the two that is free.
    std::optional<QPoint> Junto(const QRect& vecino) const {
        for (const QPoint esquina : {QPoint(vecino.right() + 1 + kSeparacion, vecino.top()),
                                     QPoint(vecino.left(), vecino.bottom() + 1 + kSeparacion)}) {
            const QRect lugar(
                QPoint(
                    std::clamp(esquina.x(), disponible.left(),
                               std::max(disponible.left(), disponible.right() + 1 - marco.width())),
                    std::clamp(
                        esquina.y(), disponible.top(),
                        std::max(disponible.top(), disponible.bottom() + 1 - marco.height()))),
                marco);
            if (Libre(lugar)) {
                return lugar.topLeft();
            }
        }
        return std::nullopt;
    }

    // The first free place in reading order among those that touch the
    // screen's edges or the far sides of the open windows.
    std::optional<QPoint> PrimerLugarLibre() const {
        std::vector<int> xs{disponible.left()};
        std::vector<int> ys{disponible.top()};
        for (const QRect& r : ocupados) {
            xs.push_back(r.right() + 1 + kSeparacion);
            ys.push_back(r.bottom() + 1 + kSeparacion);
        }
        std::sort(xs.begin(), xs.end());
        std::sort(ys.begin(), ys.end());
        for (const int y : ys) {
            for (const int x : xs) {
                if (Libre(QRect(QPoint(x, y), marco))) {
                    return QPoint(x, y);
                }
            }
        }
        return std::nullopt;
    }
};

Escritorio EscritorioPara(const QWidget& ventana, const QWidget* referencia) {
    const QScreen* pantalla = referencia != nullptr ? referencia->screen() : ventana.screen();
    Escritorio escritorio{pantalla->availableGeometry(), {}, ventana.size()};
    if (referencia != nullptr) {
        escritorio.marco += Marco(*referencia).size() - referencia->size();
    }
    for (const QWidget* otra : QApplication::topLevelWidgets()) {
        if (otra != &ventana && otra->isVisible() && !otra->isMinimized() &&
            (otra->windowType() == Qt::Window || otra->windowType() == Qt::Dialog)) {
            escritorio.ocupados.append(Marco(*otra));
        }
    }
    return escritorio;
}

// The place for `ventana` among the windows shown now, by their frames as
// far as the window manager has reported them.
std::optional<QPoint> Lugar(QWidget& ventana, const QWidget* entrada, int numero,
                            const QWidget* ultima) {
    if (entrada != nullptr && !entrada->isVisible()) {
        entrada = nullptr;
    }
    const Escritorio escritorio = EscritorioPara(ventana, entrada != nullptr ? entrada : ultima);
    std::optional<QPoint> lugar;
    if (numero == 2 && ultima != nullptr) {
        lugar = escritorio.Junto(Marco(*ultima));
    }
    if (!lugar && entrada != nullptr) {
        lugar = escritorio.Junto(Marco(*entrada));
    }
    if (!lugar && (ultima != nullptr || numero > 1)) {
        lugar = escritorio.PrimerLugarLibre();
        if (!lugar && ultima != nullptr) {
            lugar = Escalonada(*ultima, ventana.size());
        }
    }
    return lugar;
}

// Whether the window's frame covers that of one of `antes`, the windows that
// were there before it: the newer window is the one that yields.
bool CubreOtra(const QWidget& ventana, const std::vector<QPointer<const QWidget>>& antes) {
    const QRect marco = Marco(ventana);
    return std::any_of(antes.begin(), antes.end(), [&](const QPointer<const QWidget>& otra) {
        return !otra.isNull() && otra->isVisible() && !otra->isMinimized() &&
               Marco(*otra).intersects(marco);
    });
}

}  // namespace

void ColocarVentanaNueva(QWidget& ventana, const QWidget* entrada, int numero) {
    // The result windows opened, while they live; the last of them still
    // shown is the first of its request when the new one is the second.
    static std::vector<QPointer<QWidget>> abiertas;
    std::erase_if(abiertas, [](const QPointer<QWidget>& v) { return v.isNull(); });
    const auto visible = std::find_if(abiertas.rbegin(), abiertas.rend(),
                                      [](const QPointer<QWidget>& v) { return v->isVisible(); });
    const QPointer<QWidget> ultima = visible != abiertas.rend() ? *visible : nullptr;
    if (const std::optional<QPoint> lugar = Lugar(ventana, entrada, numero, ultima.data())) {
        ventana.move(*lugar);
    }
    std::vector<QPointer<const QWidget>> antes{entrada};
    for (const QPointer<QWidget>& v : abiertas) {
        antes.emplace_back(v.data());
    }
    abiertas.emplace_back(&ventana);

    // A window manager tells each window's frame only after it is shown, so
    // the place above may have counted a neighbour by its client area alone.
    // Once the frames are known (or a second has passed), a window whose
    // frame covers another's is placed again.
    const QPointer<const QWidget> laEntrada = entrada;
    auto* reloj = new QTimer(&ventana);
    reloj->setInterval(50);
    auto intentos = std::make_shared<int>(0);
    QObject::connect(reloj, &QTimer::timeout, &ventana,
                     [&ventana, reloj, intentos, laEntrada, numero, ultima, antes] {
                         const bool conocido =
                             Marco(ventana) != ventana.geometry() &&
                             (ultima.isNull() || Marco(*ultima) != ultima->geometry());
                         if (!ventana.isVisible() || (!conocido && ++*intentos < 20)) {
                             if (!ventana.isVisible() && ++*intentos >= 20) {
                                 reloj->deleteLater();
                             }
                             return;
                         }
                         reloj->stop();
                         reloj->deleteLater();
                         if (CubreOtra(ventana, antes)) {
                             if (const std::optional<QPoint> lugar =
                                     Lugar(ventana, laEntrada.data(), numero, ultima.data())) {
                                 ventana.move(*lugar);
                             }
                         }
                     });
    reloj->start();
}

}  // namespace pendra
