// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmgrafico.h"
#include "solicitar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "areadibujo.h"
#include "funciones.h"
#include "globales.h"
#include "pixeles.h"
#include "solicitud.h"
#include "triangulos.h"

namespace {

using pendra::AreaDibujo;
using pendra::frmGrafico;
using pendra::Medidas;

using pendra::prueba::DibujoDe;
using pendra::prueba::LadoAnguloLado;
using pendra::prueba::Resuelta;
using pendra::prueba::TresLados;

AreaDibujo* Picture(frmGrafico* ventana) {
    return ventana->picTriangulo();
}

QPushButton* Boton(frmGrafico* ventana) {
    return ventana->cmdCerrar();
}

void BorrarPendientes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The texts the picture shows, in the order they are written.
std::vector<QString> Textos(frmGrafico* ventana) {
    std::vector<QString> textos;
    for (const pendra::EtiquetaDibujada& t : DibujoDe(*ventana).trazado.etiquetas) {
        textos.push_back(t.texto);
    }
    return textos;
}

using pendra::prueba::EsAzul;
using pendra::prueba::EsNegro;
using pendra::prueba::EsRojo;

int Contar(const QImage& imagen, QRect zona, const std::function<bool(QRgb)>& es) {
    zona = zona.intersected(imagen.rect());
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        for (int x = zona.left(); x <= zona.right(); ++x) {
            n += es(imagen.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

QImage Captura(AreaDibujo* picture) {
    QImage imagen = picture->grab().toImage();
    EXPECT_EQ(imagen.devicePixelRatio(), 1.0) << "the checks below count in device pixels";
    return imagen;
}

class VentanaResultado : public testing::Test {
protected:
    void SetUp() override { antes_ = QApplication::topLevelWidgets().size(); }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            w->close();
        }
        BorrarPendientes();
        EXPECT_EQ(QApplication::topLevelWidgets().size(), antes_);
    }

private:
    qsizetype antes_ = 0;
};

TEST_F(VentanaResultado, IsAnOwnerlessModelessWindowCalledResultado) {
    frmGrafico* v = frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)));
    EXPECT_EQ(v->windowTitle(), "Resultado");
    EXPECT_EQ(v->parentWidget(), nullptr);
    EXPECT_FALSE(v->isModal());
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(v->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(Boton(v)->text(), "&Cerrar");
    EXPECT_TRUE(Boton(v)->isDefault());
    EXPECT_EQ(v->size(), QSize(312, 213));  // 4680 x 3195 twips
}

TEST_F(VentanaResultado, OpensWhereItCoversNoWindowAndStepsOnlyWhereThereIsNone) {
    frmGrafico* primera = frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)));
    // With room on the screen, the next window covers none that is open.
    frmGrafico* libre = frmGrafico::Abrir(Resuelta(TresLados(5, 5, 5)));
    EXPECT_FALSE(libre->frameGeometry().intersects(primera->frameGeometry()));
    libre->close();
    // A window that leaves no room: the next is set down and to the right of the last.
    primera->setGeometry(primera->screen()->availableGeometry().adjusted(0, 0, -100, -100));
    frmGrafico* segunda = frmGrafico::Abrir(Resuelta(TresLados(5, 4, 3)));
    // Frames as the window system has them: a widget's own can lag behind.
    EXPECT_EQ(segunda->windowHandle()->framePosition() - primera->windowHandle()->framePosition(),
              QPoint(32, 32));
    // A step that would leave the screen starts again at its upper left corner.
    const QRect pantalla = segunda->screen()->availableGeometry();
    segunda->move(pantalla.bottomRight() - QPoint(segunda->width(), segunda->height()));
    frmGrafico* tercera = frmGrafico::Abrir(Resuelta(TresLados(4, 4, 4)));
    EXPECT_EQ(tercera->pos(), pantalla.topLeft());
}

TEST_F(VentanaResultado, HasDrawnItsTriangleWhenTheCallThatOpensItReturns) {
    frmGrafico* v = frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)));
    // No event processed: the first drawing belongs to the opening call.
    EXPECT_EQ(Picture(v)->ProporcionDibujo(), 1.0);
    EXPECT_EQ(Picture(v)->ParteGuardada(), Picture(v)->contentsRect());
}

TEST_F(VentanaResultado, DrawsTheTriangle3_4_5ToScaleWithATenthOfMargin) {
    frmGrafico* v = frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)));
    AreaDibujo* pic = Picture(v);
    const pendra::Trazado trazado = DibujoDe(*v).trazado;
    const QPointF v1 = trazado.lados[0].p1();
    const QPointF v2 = trazado.lados[1].p1();
    const QPointF v3 = trazado.lados[1].p2();
    const QRectF area = pic->contentsRect();

    // Side 1 along the bottom, the apex straight above vertex 3 at 4/3 of the
    // base; the proportions come from the picture's outer size and the
    // drawing from its inner area, a difference of about 1 % at this size.
    EXPECT_NEAR(v1.x(), v3.x(), 0.01);
    EXPECT_NEAR((v3.y() - v1.y()) / (v3.x() - v2.x()), 4.0 / 3.0, 0.02);
    // The triangle fills the height between margins of a twelfth of the whole
    // (a tenth of the extent); the spare width lies on the right.
    EXPECT_NEAR(v1.y() - area.top(), area.height() / 12, 0.5);
    EXPECT_NEAR(area.bottom() - v2.y(), area.height() / 12, 0.5);
    EXPECT_NEAR(v2.x() - area.left(), area.width() / 12, 0.5);
    EXPECT_GT(area.right() - v3.x(), area.width() / 2);

    const QImage imagen = Captura(pic);
    const std::pair<QPointF, QPointF> lados[] = {{v1, v2}, {v2, v3}, {v3, v1}};
    for (const auto& [a, b] : lados) {
        for (const double t : {0.15, 0.3, 0.7, 0.85}) {
            const QPoint p = (a + t * (b - a)).toPoint();
            EXPECT_GT(Contar(imagen, QRect(p - QPoint(1, 1), QSize(3, 3)), EsNegro), 0)
                << "no line at " << p.x() << ", " << p.y();
        }
    }
    // Lengths in blue beside each midpoint, angles in red beside each vertex,
    // wherever they had to move to stand clear of the sides.
    for (const QPointF& medio : {(v2 + v3) / 2, (v3 + v1) / 2, (v1 + v2) / 2}) {
        const QPoint p = medio.toPoint();
        EXPECT_GT(Contar(imagen, QRect(p - QPoint(20, 20), QSize(40, 40)), EsAzul), 0)
            << "no length near " << p.x() << ", " << p.y();
    }
    for (const QPointF& vertice : {v1, v2, v3}) {
        EXPECT_GT(Contar(imagen, QRect(vertice.toPoint() - QPoint(30, 30), QSize(60, 60)), EsRojo),
                  0);
    }
}

TEST_F(VentanaResultado, WritesNothingBelowAVeryFlatTriangle) {
    frmGrafico* v = frmGrafico::Abrir(Resuelta(LadoAnguloLado(10, 5 * pendra::RadPorGrado, 5)));
    v->resize(450, 600);
    AreaDibujo* pic = Picture(v);
    const pendra::GeometriaTriangulo& g = v->Geometria();
    const pendra::Vista vista = g.VistaAjustada();
    const QRectF area = pic->contentsRect();
    const double linea = QFontMetricsF(pendra::FuenteEtiquetas()).lineSpacing();
    const double base = DibujoDe(*v).trazado.lados[1].p1().y();
    // Measuring a label by printing it would put the three angle numbers at
    // (0, -VerticeY), well inside the visible area of this picture.
    const double medida =
        area.top() + (-g.VerticeY() - vista.arriba) * area.height() / (vista.abajo - vista.arriba);
    ASSERT_GT(medida, base + 8);
    ASSERT_LT(medida + linea, area.bottom());

    const QImage imagen = Captura(pic);
    const QRect debajo(area.left(), base + linea + 2, area.width(), area.bottom() - base);
    EXPECT_EQ(Contar(imagen, debajo, EsRojo), 0);
    // The angle labels themselves are there, hanging from the base.
    EXPECT_GT(Contar(imagen, QRect(area.left(), base, area.width(), linea), EsRojo), 0);
}

struct ModoDeCierre {
    const char* nombre;
    std::function<void(frmGrafico*)> cerrar;
};

void PrintTo(const ModoDeCierre& t, std::ostream* salida) {
    *salida << t.nombre;
}

void PulsarEn(frmGrafico* v, Qt::Key tecla) {
    v->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    QWidget* destino = QApplication::focusWidget();
    QTest::keyClick(destino != nullptr ? destino : v, tecla);
}

class Cierre : public VentanaResultado, public testing::WithParamInterface<ModoDeCierre> {};

TEST_P(Cierre, ClosesAndDeletesOnlyThatWindow) {
    QWidget entrada;  // stands in for the input window
    entrada.show();
    QPointer<frmGrafico> otra = frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)));
    QPointer<frmGrafico> esta = frmGrafico::Abrir(Resuelta(TresLados(5, 4, 3)));
    GetParam().cerrar(esta);
    BorrarPendientes();
    EXPECT_TRUE(esta.isNull());
    ASSERT_FALSE(otra.isNull());
    EXPECT_TRUE(otra->isVisible());
    EXPECT_TRUE(entrada.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    VentanaResultado, Cierre,
    testing::Values(ModoDeCierre{"Escape", [](frmGrafico* v) { PulsarEn(v, Qt::Key_Escape); }},
                    ModoDeCierre{"Enter", [](frmGrafico* v) { PulsarEn(v, Qt::Key_Return); }},
                    ModoDeCierre{"AltC",
                                 [](frmGrafico* v) {
                                     v->activateWindow();
                                     ASSERT_TRUE(QTest::qWaitForWindowActive(v));
                                     QPointer<frmGrafico> ventana = v;
                                     QTest::keyClick(v, Qt::Key_C, Qt::AltModifier);
                                     // The access key presses the button visibly, then clicks.
                                     EXPECT_TRUE(
                                         QTest::qWaitFor([&ventana] { return ventana.isNull(); }));
                                 }},
                    ModoDeCierre{
                        "CerrarClicked",
                        [](frmGrafico* v) { QTest::mouseClick(Boton(v), Qt::LeftButton); }},
                    ModoDeCierre{"CloseBox", [](frmGrafico* v) { v->close(); }}),
    [](const testing::TestParamInfo<ModoDeCierre>& info) {
        return std::string(info.param.nombre);
    });

// The solve request's answer, with a real result window for each solution.
struct SolicitudConVentanas {
    std::vector<QPointer<frmGrafico>> ventanas;
    std::vector<std::string> mensajes;

    void Resolver(const pendra::prueba::Textos& textos) {
        const pendra::Respuesta respuesta = pendra::prueba::Solicitar(textos);
        if (respuesta.mensaje) {
            mensajes.push_back(respuesta.mensaje->texto);
        }
        for (const pendra::Solucion& solucion : respuesta.soluciones) {
            ventanas.emplace_back(frmGrafico::Abrir(solucion));
        }
    }
};

TEST_F(VentanaResultado, OpenedBeforeALaterSolveShowsItsOwnNumbersAfterAResize) {
    SolicitudConVentanas solicitud;
    solicitud.Resolver({"", "3", "", "4", "", "5"});
    solicitud.Resolver({"30", "1.5", "", "", "", "2"});
    ASSERT_EQ(solicitud.ventanas.size(), 3U);
    EXPECT_TRUE(solicitud.mensajes.empty());

    frmGrafico* primera = solicitud.ventanas[0];
    primera->resize(500, 300);
    const std::vector<QString> propios = {"3",      "4",      "5",  "36.869", "\u00BA",
                                          "53.130", "\u00BA", "90", "\u00BA"};
    EXPECT_EQ(Textos(primera), propios);
    EXPECT_EQ(primera->Geometria().Base(), 3.0F);
}

TEST_F(VentanaResultado, AmbiguousCaseOpensTheAcuteSolutionFirstAndTheObtuseOneLast) {
    SolicitudConVentanas solicitud;
    solicitud.Resolver({"30", "1.5", "", "", "", "2"});
    ASSERT_EQ(solicitud.ventanas.size(), 2U);
    // Labels in order: sides 1 to 3, then the angle numbers 1, 2, 3 with their marks.
    const std::vector<QString> primera = Textos(solicitud.ventanas[0]);
    const std::vector<QString> segunda = Textos(solicitud.ventanas[1]);
    ASSERT_EQ(primera.size(), 9U);
    ASSERT_EQ(segunda.size(), 9U);
    EXPECT_EQ(primera[1], "2.8500");
    EXPECT_EQ(primera[5], "108.18");
    EXPECT_EQ(primera[7], "41.810");
    EXPECT_EQ(segunda[1], ".61401");
    EXPECT_EQ(segunda[5], "11.810");
    EXPECT_EQ(segunda[7], "138.18");
}

TEST_F(VentanaResultado, PictureWithoutRoomIsNotDrawnUntilItHasRoomAgain) {
    frmGrafico* v = frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)));
    v->resize(200, 30);
    EXPECT_EQ(Picture(v)->height(), 0);
    v->resize(200, 0);
    v->resize(400, 300);
    ASSERT_EQ(Textos(v).size(), 9U);
    const QImage imagen = Captura(Picture(v));
    EXPECT_GT(Contar(imagen, imagen.rect(), EsNegro), 0);
    EXPECT_GT(Contar(imagen, imagen.rect(), EsRojo), 0);
}

TEST_F(VentanaResultado, DrawsSidesBeyondSinglePrecisionWithTheirTrueLengths) {
    Medidas m = TresLados(3, 4, 5);
    m.Lado(1) = 3e39;
    m.Lado(2) = 4e39;
    m.Lado(3) = 5e39;
    frmGrafico* v = frmGrafico::Abrir(Resuelta(m));
    const std::vector<QString> textos = Textos(v);
    ASSERT_EQ(textos.size(), 9U);
    EXPECT_EQ(textos[0], "3E+39");
    EXPECT_EQ(textos[2], "5E+39");
    const QImage imagen = Captura(Picture(v));
    EXPECT_GT(Contar(imagen, imagen.rect(), EsNegro), 20);
}

TEST_F(VentanaResultado, CoveringAndUncoveringKeepsTheDrawing) {
    frmGrafico* v = frmGrafico::Abrir(Resuelta(TresLados(3, 4, 5)));
    const QImage antes = Captura(Picture(v));
    v->hide();
    v->show();
    Picture(v)->repaint();
    EXPECT_EQ(Captura(Picture(v)), antes);
}

}  // namespace
