// A result window moved between two screens of different pixel ratio, on the
// offscreen platform set up with the two screens of dos_pantallas.json.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>

#include "areadibujo.h"
#include "frmgrafico.h"
#include "triangulos.h"

namespace {

using pendra::frmGrafico;

using pendra::prueba::TresLados;

QStringList Textos(const frmGrafico& ventana) {
    QStringList textos;
    for (const pendra::AreaDibujo::Texto& t : ventana.picTriangulo()->Textos()) {
        textos << t.texto;
    }
    return textos;
}

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

    frmGrafico* ventana = frmGrafico::Abrir(TresLados(3, 4, 5));
    ventana->move(pantallas[0]->geometry().topLeft() + QPoint(100, 100));
    QTest::qWait(20);
    ASSERT_EQ(ventana->screen(), pantallas[0]);
    EXPECT_EQ(ventana->picTriangulo()->ProporcionDibujo(), 1);
    const QStringList textos = Textos(*ventana);
    const QSize tamano = ventana->size();

    // To the dense screen and back: each time the drawing is made again at
    // that screen's ratio, at the same size, with the same labels.
    for (int k : {1, 0}) {
        ventana->move(pantallas[k]->geometry().topLeft() + QPoint(100, 100));
        QTest::qWait(20);
        ASSERT_EQ(ventana->screen(), pantallas[k]);
        EXPECT_EQ(ventana->picTriangulo()->ProporcionDibujo(), pantallas[k]->devicePixelRatio())
            << pantallas[k]->name().toStdString();
        EXPECT_EQ(ventana->size(), tamano);
        EXPECT_EQ(Textos(*ventana), textos);
        const QImage imagen = Mostrada(*ventana);
        EXPECT_EQ(imagen.devicePixelRatio(), pantallas[k]->devicePixelRatio());
    }
    ventana->close();
}

}  // namespace

int main(int argc, char** argv) {
    // Its own screens, whatever platform the other window tests are given.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" PENDRA_DOS_PANTALLAS);
    QApplication aplicacion(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
