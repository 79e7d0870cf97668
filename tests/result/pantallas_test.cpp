// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Result windows on the offscreen platform set up with the two screens of
// dos_pantallas.json: where they open beside the input window, and moved
// between screens of different pixel ratio.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>

#include "areadibujo.h"
#include "frmgrafico.h"
#include "frmprincipal.h"
#include "pixeles.h"
#include "triangulos.h"

namespace {

using pendra::frmGrafico;
using pendra::frmPrincipal;

using pendra::prueba::Resuelta;
using pendra::prueba::TresLados;

// The window's picture as the screen shows it, in device pixels.
QImage Mostrada(const frmGrafico& ventana) {
    return ventana.picTriangulo()->grab().toImage();
}

TEST(VentanaEntrePantallas, RedrawsAtThePixelRatioOfTheScreenItMovesTo) {
    // The normal screen first, then the dense one.
    QList<QScreen*> pantallas = QGuiApplication::screens();
    ASSERT_EQ(pantallas.size(), 2) << "the two screens of dos_pantallas.json";
    if (pantallas[0]->devicePixelRatio() > pantallas[1]->devicePixelRatio()) {
        pantallas.swapItemsAt(0, 1);
    }
    ASSERT_EQ(pantallas[0]->devicePixelRatio(), 1);
    ASSERT_EQ(pantallas[1]->devicePixelRatio(), 2);

    frmGrafico* ventana = frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)));
    ventana->move(pantallas[0]->geometry().topLeft() + QPoint(100, 100));
    QTest::qWait(20);
    ASSERT_EQ(ventana->screen(), pantallas[0]);
    EXPECT_EQ(ventana->picTriangulo()->ProporcionDibujo(), 1);
    const QSize tamano = ventana->size();

    // To the dense screen and back: each time the drawing is made again at
    // that screen's ratio and size, and is what the drawing function makes.
    for (int k : {1, 0}) {
        ventana->move(pantallas[k]->geometry().topLeft() + QPoint(100, 100));
        QTest::qWait(20);
        ASSERT_EQ(ventana->screen(), pantallas[k]);
        EXPECT_EQ(ventana->picTriangulo()->ProporcionDibujo(), pantallas[k]->devicePixelRatio())
            << pantallas[k]->name().toStdString();
        EXPECT_EQ(ventana->size(), tamano);
        const QImage imagen = Mostrada(*ventana);
        const qreal ratio = pantallas[k]->devicePixelRatio();
        EXPECT_EQ(imagen.devicePixelRatio(), ratio);
        const QRect area = ventana->picTriangulo()->contentsRect();
        EXPECT_EQ(pendra::prueba::Recorte(imagen, area),
                  pendra::prueba::Recorte(pendra::prueba::DibujoDe(*ventana, ratio).imagen, area));
    }
    ventana->close();
}

TEST(VentanaJuntoALaEntrada, OpensBesideTheInputWindowTheSecondSolutionBesideTheFirst) {
    const QScreen* normal = QGuiApplication::screenAt({0, 0});
    ASSERT_EQ(normal->geometry(), QRect(0, 0, 1280, 800));
    // Frame corners: the input window (403 x 268 with its frame), then the two
    // windows of one request (316 x 217), then the window of a later request.
    const struct {
        const char* nombre;
        QPoint entrada, primera, segunda, tercera;
    } casos[] = {
        {"centred: to its right, the second below the first, the later one below the input",
         {438, 266},
         {849, 266},
         {849, 491},
         {438, 542}},
        {"at the right edge: below it; no room beside the first, so the first free places",
         {877, 100},
         {877, 376},
         {0, 0},
         {324, 0}},
        {"half off the bottom: right, slid up; the second to the right of the first",
         {0, 650},
         {411, 583},
         {735, 583},
         {0, 0}},
        {"in the lower right corner: centred, as a dialog; the second to its right",
         {877, 532},
         {482, 292},
         {806, 292},
         {0, 0}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        frmPrincipal entrada([](const pendra::Solucion&, const QWidget&, int, int) {});
        entrada.move(caso.entrada);
        entrada.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&entrada));
        const frmGrafico* ventanas[] = {
            frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)), &entrada, 1, 2),
            frmGrafico::Abrir(Resuelta(TresLados(5, 4, 3)), &entrada, 2, 2),
            frmGrafico::Abrir(Resuelta(TresLados(4, 4, 4)), &entrada)};
        EXPECT_EQ(ventanas[0]->frameGeometry().topLeft(), caso.primera);
        EXPECT_EQ(ventanas[1]->frameGeometry().topLeft(), caso.segunda);
        EXPECT_EQ(ventanas[2]->frameGeometry().topLeft(), caso.tercera);
        // No window covers another, and each is wholly on the screen.
        const QRect marcos[] = {entrada.frameGeometry(), ventanas[0]->frameGeometry(),
                                ventanas[1]->frameGeometry(), ventanas[2]->frameGeometry()};
        for (std::size_t i = 0; i < std::size(marcos); ++i) {
            for (std::size_t j = i + 1; j < std::size(marcos); ++j) {
                EXPECT_FALSE(marcos[i].intersects(marcos[j])) << i << " and " << j;
            }
        }
        for (const frmGrafico* ventana : ventanas) {
            EXPECT_TRUE(normal->availableGeometry().contains(ventana->frameGeometry()));
            delete ventana;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Its own screens, whatever platform the other window tests are given.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" PENDRA_DOS_PANTALLAS);
    QApplication aplicacion(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
