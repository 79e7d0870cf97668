// Result windows on the offscreen platform set up with the two screens of
// dos_pantallas.json: where they open beside the input window, and moved
// between screens of different pixel ratio.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <utility>
#include <vector>

#include "areadibujo.h"
#include "campomedida.h"
#include "frmgrafico.h"
#include "frmprincipal.h"
#include "triangulos.h"

namespace {

using pendra::frmGrafico;
using pendra::frmPrincipal;

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

// The corner of a window's frame, as gtest prints it.
std::pair<int, int> Esquina(const QWidget& ventana) {
    const QPoint esquina = ventana.frameGeometry().topLeft();
    return {esquina.x(), esquina.y()};
}

TEST(VentanaJuntoALaEntrada, OpensBesideTheInputWindowThenStepsOnAllOnTheScreen) {
    const QScreen* normal = QGuiApplication::screenAt({0, 0});
    ASSERT_EQ(normal->geometry(), QRect(0, 0, 1280, 800));
    // Frame corners on the 1280 x 800 screen: the input window (403 x 268
    // with the frame), then the two result windows (316 x 217) of the
    // ambiguous case.
    struct Caso {
        const char* nombre;
        QPoint entrada;
        std::pair<int, int> primera;
        std::pair<int, int> segunda;
    };
    const Caso casos[] = {
        {"centred: to its right", {438, 266}, {849, 266}, {881, 298}},
        {"at the right edge: below it", {877, 100}, {877, 376}, {909, 408}},
        {"half under the bottom: to its right, slid up; no room for a step",
         {0, 650},
         {411, 583},
         {0, 0}},
        {"in the lower right corner: centred, as a dialog", {877, 532}, {482, 292}, {514, 324}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        std::vector<frmGrafico*> ventanas;
        frmPrincipal entrada([&ventanas](const pendra::Medidas& medidas, const QWidget& junto) {
            ventanas.push_back(frmGrafico::Abrir(medidas, &junto));
        });
        entrada.move(caso.entrada);
        entrada.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&entrada));
        entrada.txtAngulo(1)->setText(QStringLiteral("30"));
        entrada.txtLado(1)->setText(QStringLiteral("1.5"));
        entrada.txtLado(3)->setText(QStringLiteral("2"));
        entrada.cmdResolver_Click();
        ASSERT_EQ(ventanas.size(), 2U);
        EXPECT_EQ(Esquina(*ventanas[0]), caso.primera);
        EXPECT_EQ(Esquina(*ventanas[1]), caso.segunda);
        for (const frmGrafico* ventana : ventanas) {
            EXPECT_FALSE(ventana->frameGeometry().intersects(entrada.frameGeometry()));
            EXPECT_TRUE(normal->availableGeometry().contains(ventana->frameGeometry()));
        }
        qDeleteAll(ventanas);
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
