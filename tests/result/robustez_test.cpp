// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A result window taken through sizes no one would choose, and opened and
// closed a thousand times: no fault, the right drawing at the end, nothing left.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "areadibujo.h"
#include "frmgrafico.h"
#include "funciones.h"
#include "globales.h"
#include "pixeles.h"
#include "triangulos.h"

// Failure messages show sizes and texts readably.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QSize& s, std::ostream* salida) {
    *salida << s.width() << 'x' << s.height();
}
QT_END_NAMESPACE

namespace pendra {
namespace {

void BorrarPendientes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Triangulo {
    const char* nombre;
    Solucion solucion;
};

void PrintTo(const Triangulo& t, std::ostream* salida) {
    *salida << t.nombre;
}

// Base, angle 2 in degrees and side 3; the rest solved.
Triangulo LadoAnguloLado(const char* nombre, double lado1, double grados2, double lado3) {
    return {nombre, prueba::ResueltaLAL(lado1, grados2, lado3)};
}

const Triangulo kTriangulos[] = {
    LadoAnguloLado("RightAngled3_4_5", 3, 90, 4),
    LadoAnguloLado("ObtuseAtVertex2", 4, 120, 3),
    // Far taller than wide and far wider than tall: each aspect ratio of the
    // window meets a triangle that needs the opposite widening.
    LadoAnguloLado("Needle", 1e-6, 90, 1),
    LadoAnguloLado("Sliver", 1, 0.001, 1),
    // Coordinates beyond single precision, drawn scaled by a power of two.
    LadoAnguloLado("Huge", 3e300, 60, 4e300),
};

// One thing done to a window: a new client size in pixels, or a change of state.
struct Paso {
    enum class Tipo { Tamano, Minimizar, Restaurar } tipo;
    QSize tamano;
};

Paso Tamano(int ancho, int alto) {
    return {Paso::Tipo::Tamano, {ancho, alto}};
}
const Paso kMinimizar{Paso::Tipo::Minimizar, {}};
const Paso kRestaurar{Paso::Tipo::Restaurar, {}};

struct Recorrido {
    const char* nombre;
    std::vector<Paso> pasos;
};

void PrintTo(const Recorrido& r, std::ostream* salida) {
    *salida << r.nombre;
}

void Aplicar(frmGrafico* v, const Paso& paso) {
    switch (paso.tipo) {
        case Paso::Tipo::Tamano:
            v->resize(paso.tamano);
            break;
        case Paso::Tipo::Minimizar:
            v->showMinimized();
            break;
        case Paso::Tipo::Restaurar:
            v->showNormal();
            break;
    }
    // Whatever the platform makes of it arrives before the next step.
    QCoreApplication::processEvents();
}

const Recorrido kRecorridos[] = {
    {"ThroughNothing", {Tamano(0, 0), Tamano(312, 213)}},
    {"ThroughOnePixel", {Tamano(1, 1), Tamano(640, 480)}},
    {"ThroughVeryWide", {Tamano(4000, 50), Tamano(312, 213)}},
    {"ThroughVeryTall", {Tamano(50, 4000), Tamano(500, 700)}},
    {"Through8000By8000", {Tamano(8000, 8000), Tamano(312, 213)}},
    {"MinimisedAndRestored", {kMinimizar, kRestaurar}},
    {"ResizedWhileMinimised", {kMinimizar, Tamano(1, 1), Tamano(700, 500), kRestaurar}},
    // The huge size is left out here: alone it costs more than all the rest.
    {"EveryOtherOddSizeInTurn",
     {Tamano(0, 0), Tamano(1, 1), Tamano(4000, 50), Tamano(50, 4000), kMinimizar, kRestaurar,
      Tamano(1, 1), kMinimizar, kRestaurar, Tamano(450, 320)}},
};

class Robustez : public testing::TestWithParam<std::tuple<Recorrido, Triangulo>> {
protected:
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            w->close();
        }
        BorrarPendientes();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }
};

TEST_P(Robustez, EndsWithTheDrawingOfAWindowNeverResizedOddly) {
    const auto& [recorrido, triangulo] = GetParam();
    frmGrafico* v = frmGrafico::Abrir(triangulo.solucion);
    for (const Paso& paso : recorrido.pasos) {
        Aplicar(v, paso);
        // Wherever the picture has room, it holds a drawing.
        if (!v->picTriangulo()->contentsRect().isEmpty()) {
            EXPECT_FALSE(v->picTriangulo()->ParteGuardada().isEmpty());
        }
    }
    const QSize final = v->size();
    ASSERT_FALSE(v->isMinimized());

    frmGrafico* referencia = frmGrafico::Abrir(triangulo.solucion);
    referencia->resize(final);
    QCoreApplication::processEvents();
    ASSERT_EQ(referencia->size(), final);

    EXPECT_EQ(v->cmdCerrar()->geometry(), referencia->cmdCerrar()->geometry());
    AreaDibujo* pic = v->picTriangulo();
    AreaDibujo* picReferencia = referencia->picTriangulo();
    ASSERT_EQ(pic->geometry(), picReferencia->geometry());

    const GeometriaTriangulo& g = v->Geometria();
    const GeometriaTriangulo& gr = referencia->Geometria();
    EXPECT_EQ(g.RangoX(), gr.RangoX());
    EXPECT_EQ(g.RangoY(), gr.RangoY());
    const Vista vista = g.VistaAjustada();
    const Vista vistaReferencia = gr.VistaAjustada();
    EXPECT_EQ(vista.izquierda, vistaReferencia.izquierda);
    EXPECT_EQ(vista.arriba, vistaReferencia.arriba);
    EXPECT_EQ(vista.derecha, vistaReferencia.derecha);
    EXPECT_EQ(vista.abajo, vistaReferencia.abajo);

    const QImage imagen = pic->grab().toImage();
    EXPECT_EQ(imagen, picReferencia->grab().toImage());
    // And it is a drawing, not two equally empty pictures.
    const prueba::ColoresDelDibujo colores = prueba::ContarColores(imagen, pic->contentsRect());
    EXPECT_GT(colores.negros, 0);
    EXPECT_GT(colores.azules, 0);
    EXPECT_GT(colores.rojos, 0);
}

INSTANTIATE_TEST_SUITE_P(VentanaResultado, Robustez,
                         testing::Combine(testing::ValuesIn(kRecorridos),
                                          testing::ValuesIn(kTriangulos)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nombre) + "_" +
                                    std::get<1>(info.param).nombre;
                         });

// Every size in turn, each tried alone, so a fault names its size.
class TamanoExtremo : public testing::TestWithParam<QSize> {};

TEST_P(TamanoExtremo, IsLaidOutAndFittedOrLeftUndrawnWithoutAFault) {
    frmGrafico* v = frmGrafico::Abrir(kTriangulos[0].solucion);
    // The layout it opens with: "&Cerrar" held to the lower right corner, and
    // the picture filling the width above it.
    const QRect boton = v->cmdCerrar()->geometry();
    const QSize esquina(v->width() - boton.left(), v->height() - boton.top());
    const QRect abierto = v->picTriangulo()->geometry();
    const int sobreBoton = boton.top() - abierto.bottom();
    const int ancho = abierto.width() - v->width();
    v->resize(GetParam());
    QCoreApplication::processEvents();
    AreaDibujo* pic = v->picTriangulo();
    EXPECT_EQ(v->cmdCerrar()->size(), boton.size());
    EXPECT_EQ(QSize(v->width() - v->cmdCerrar()->x(), v->height() - v->cmdCerrar()->y()), esquina);
    EXPECT_EQ(pic->pos(), QPoint(0, 0));
    EXPECT_EQ(pic->width(), std::max(v->width() + ancho, 0));
    if (pic->height() > 0) {
        EXPECT_EQ(v->cmdCerrar()->y() - pic->geometry().bottom(), sobreBoton);
    }
    EXPECT_GE(pic->width(), 0);
    EXPECT_GE(pic->height(), 0);
    if (!pic->contentsRect().isEmpty()) {
        const Vista vista = v->Geometria().VistaAjustada();
        EXPECT_GT(vista.derecha, vista.izquierda);
        EXPECT_GT(vista.arriba, vista.abajo);
        // The drawing's apex lies inside the picture, whatever its shape.
        const QPointF apice = prueba::DibujoDe(*v).trazado.lados[0].p1();
        EXPECT_TRUE(QRectF(pic->contentsRect()).adjusted(-1, -1, 1, 1).contains(apice));
    }
    v->close();
    BorrarPendientes();
}

INSTANTIATE_TEST_SUITE_P(
    VentanaResultado, TamanoExtremo,
    testing::Values(QSize(312, 213), QSize(600, 400), QSize(100, 80), QSize(0, 0), QSize(1, 1),
                    QSize(4000, 50), QSize(50, 4000), QSize(8000, 8000),
                    // The last height without a picture, the first with
                    // one, and a picture of a few pixels.
                    QSize(200, 38), QSize(200, 39), QSize(1, 44), QSize(1, 8000), QSize(8000, 1)),
    [](const testing::TestParamInfo<QSize>& info) {
        return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
    });

// Run under LeakSanitizer, whatever a window allocates and does not give back
// is reported when this test's process ends; here, no widget may be left.
TEST(VentanaResultado, AThousandWindowsOpenedAndClosedLeaveNothingBehind) {
    const qsizetype ventanas = QApplication::topLevelWidgets().size();
    const qsizetype widgets = QApplication::allWidgets().size();
    for (int i = 0; i < 1000; ++i) {
        frmGrafico* v = frmGrafico::Abrir(kTriangulos[i % std::size(kTriangulos)].solucion);
        v->resize(300 + i % 50, 200 + i % 70);
        if (i % 2 == 0) {
            v->cmdCerrar()->click();
        } else {
            v->close();
        }
        if (i % 100 == 99) {
            BorrarPendientes();
        }
    }
    BorrarPendientes();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), ventanas);
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
}

}  // namespace
}  // namespace pendra
