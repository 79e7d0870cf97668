// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the result window takes to open and to redraw, on the offscreen
// platform unless another one is set.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QResizeEvent>
#include <chrono>

#include "areadibujo.h"
#include "frmgrafico.h"
#include "funciones.h"
#include "globales.h"
#include "result/triangulos.h"

namespace {

using Reloj = std::chrono::steady_clock;

using pendra::prueba::TresLados;

// Notes when the picture area has been painted onto its window.
class Pintado final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            ++veces;
        }
        return false;
    }
    int veces = 0;
};

void Cerrar(pendra::frmGrafico* ventana) {
    ventana->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// From the call that opens a window to the moment it has loaded, laid itself
// out and drawn the triangle with its six labels into the picture's image.
void AbrirVentana(benchmark::State& estado) {
    const pendra::Solucion medidas = pendra::prueba::Resuelta(TresLados(3, 4, 5));
    for (auto _ : estado) {
        const Reloj::time_point inicio = Reloj::now();
        pendra::frmGrafico* ventana = pendra::frmGrafico::Abrir(medidas);
        const Reloj::time_point fin = Reloj::now();
        if (ventana->picTriangulo()->ProporcionDibujo() == 0) {
            estado.SkipWithError("the window did not draw its triangle");
        }
        Cerrar(ventana);
        estado.SetIterationTime(std::chrono::duration<double>(fin - inicio).count());
    }
}
BENCHMARK(AbrirVentana)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same, on until the picture has also been painted onto the window, as
// the platform asks for it once the window is shown.
void AbrirVentanaHastaPintarla(benchmark::State& estado) {
    const pendra::Solucion medidas = pendra::prueba::Resuelta(TresLados(3, 4, 5));
    Pintado pintado;
    for (auto _ : estado) {
        const Reloj::time_point inicio = Reloj::now();
        pendra::frmGrafico* ventana = pendra::frmGrafico::Abrir(medidas);
        ventana->picTriangulo()->installEventFilter(&pintado);
        pintado.veces = 0;
        for (int vuelta = 0; pintado.veces == 0 && vuelta < 1000; ++vuelta) {
            QCoreApplication::processEvents();
        }
        const Reloj::time_point fin = Reloj::now();
        if (pintado.veces == 0) {
            estado.SkipWithError("the picture was never painted");
        }
        Cerrar(ventana);
        estado.SetIterationTime(std::chrono::duration<double>(fin - inicio).count());
    }
}
BENCHMARK(AbrirVentanaHastaPintarla)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One relayout of the window: layout, fit, clearing the picture and drawing the triangle
// and its labels again, at a client size of range(0) x range(1) pixels. The
// resize event is sent as the toolkit sends it when the size changes.
void Redibujar(benchmark::State& estado) {
    pendra::frmGrafico* ventana =
        pendra::frmGrafico::Abrir(pendra::prueba::Resuelta(TresLados(3, 4, 5)));
    const QSize tamano(static_cast<int>(estado.range(0)), static_cast<int>(estado.range(1)));
    ventana->resize(tamano);
    QCoreApplication::processEvents();
    for (auto _ : estado) {
        QResizeEvent evento(tamano, tamano);
        QCoreApplication::sendEvent(ventana, &evento);
    }
    if (ventana->size() != tamano || ventana->picTriangulo()->ProporcionDibujo() == 0) {
        estado.SkipWithError("the window did not redraw at that size");
    }
    Cerrar(ventana);
}
// The size it opens at (4680 x 3195 twips), and a full HD screen.
BENCHMARK(Redibujar)->Args({312, 213})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// The same, followed by painting the picture onto the window at once, as a
// person would see it.
void RedibujarYPintar(benchmark::State& estado) {
    pendra::frmGrafico* ventana =
        pendra::frmGrafico::Abrir(pendra::prueba::Resuelta(TresLados(3, 4, 5)));
    const QSize tamano(static_cast<int>(estado.range(0)), static_cast<int>(estado.range(1)));
    ventana->resize(tamano);
    QCoreApplication::processEvents();
    for (auto _ : estado) {
        QResizeEvent evento(tamano, tamano);
        QCoreApplication::sendEvent(ventana, &evento);
        ventana->picTriangulo()->repaint();
    }
    Cerrar(ventana);
}
BENCHMARK(RedibujarYPintar)->Args({312, 213})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
