// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "etiquetas.h"
#include "figura.h"
#include "funciones.h"
#include "globales.h"
#include "solicitar.h"
#include "triangulos.h"

namespace pendra {
namespace {

// Base, angle 2 and side 3 are the three measures the geometry reads.
using prueba::LadoAnguloLado;
using prueba::TresLados;

// A single-precision value as a person reads it: up to seven
// significant digits.
std::string Impreso(float x) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.7g", static_cast<double>(x));
    return texto;
}

std::optional<Vista> Ajustar(GeometriaTriangulo& g, float ancho, float alto) {
    g.ReiniciarRangos();
    if (!g.AjustarRangos(ancho, alto)) {
        return std::nullopt;
    }
    return g.VistaAjustada();
}

struct Ejemplo {
    const char* nombre;
    double lado1, angulo2, lado3;
    const char *verticeX, *verticeY, *minX, *maxX, *rangoX, *rangoY;
    const char *izquierda, *arriba, *derecha, *abajo;
};

void PrintTo(const Ejemplo& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class EjemploResuelto : public testing::TestWithParam<Ejemplo> {};

TEST_P(EjemploResuelto, ComesOutToThePrintedDigitsInAPicture4695By2620) {
    const Ejemplo& e = GetParam();
    GeometriaTriangulo g(LadoAnguloLado(e.lado1, e.angulo2, e.lado3));
    EXPECT_EQ(Impreso(g.VerticeX()), e.verticeX);
    EXPECT_EQ(Impreso(g.VerticeY()), e.verticeY);
    EXPECT_EQ(g.Base(), static_cast<float>(e.lado1));
    EXPECT_EQ(Impreso(g.MinX()), e.minX);
    EXPECT_EQ(Impreso(g.MaxX()), e.maxX);
    EXPECT_EQ(g.MaxY(), g.VerticeY());
    EXPECT_EQ(g.MinY(), 0.0F);
    EXPECT_EQ(g.Escala(), 0);

    const std::optional<Vista> v = Ajustar(g, 4695, 2620);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(Impreso(g.RangoX()), e.rangoX);
    EXPECT_EQ(Impreso(g.RangoY()), e.rangoY);
    EXPECT_EQ(Impreso(v->izquierda), e.izquierda);
    EXPECT_EQ(Impreso(v->arriba), e.arriba);
    EXPECT_EQ(Impreso(v->derecha), e.derecha);
    EXPECT_EQ(Impreso(v->abajo), e.abajo);
}

INSTANTIATE_TEST_SUITE_P(
    Geometria, EjemploResuelto,
    testing::Values(
        // p = 18780 > q = 7860: widened horizontally, the spare room on the right.
        Ejemplo{"Sides3_4_5", 3, ArcoCoseno(0.6), 5, "3", "4", "0", "3", "7.167939", "4",
                "-0.7167939", "4.4", "7.884733", "-0.4"},
        // p = 11268 is not above q = 13100: widened vertically.
        Ejemplo{"Sides5_4_3", 5, ArcoCoseno(0.6), 3, "1.8", "2.4", "0", "5", "5", "2.790202",
                "-0.5", "3.069223", "5.5", "-0.2790202"},
        Ejemplo{"ObtuseAngle2", 4, 120 * RadPorGrado, 3, "-1.5", "2.598076", "-1.5", "4", "5.5",
                "3.069223", "-2.05", "3.376145", "4.55", "-0.3069223"}),
    [](const testing::TestParamInfo<Ejemplo>& info) { return std::string(info.param.nombre); });

TEST(Geometria, ApexOfAnObtuseAngle3LiesRightOfTheBase) {
    // Base 2, side 3 = 3 at 30 degrees from the base: angle 3 is obtuse.
    GeometriaTriangulo g(LadoAnguloLado(2, 30 * RadPorGrado, 3));
    EXPECT_GT(g.VerticeX(), g.Base());
    EXPECT_EQ(g.MaxX(), g.VerticeX());
    EXPECT_EQ(g.MinX(), 0.0F);
    EXPECT_EQ(g.RangoX(), g.VerticeX());
    const std::optional<Vista> v = Ajustar(g, 4695, 2620);
    ASSERT_TRUE(v.has_value());
    EXPECT_GT(v->derecha, g.VerticeX());
    EXPECT_LT(v->izquierda, 0.0F);
}

TEST(Geometria, FittingTwiceToTheSameSizeGivesTheSameView) {
    GeometriaTriangulo g(TresLados(3, 4, 5));
    const std::optional<Vista> primera = Ajustar(g, 4695, 2625);
    const float rangoX = g.RangoX();
    const std::optional<Vista> otra = Ajustar(g, 9000, 1500);
    const std::optional<Vista> segunda = Ajustar(g, 4695, 2625);
    ASSERT_TRUE(primera && otra && segunda);
    EXPECT_NE(otra->derecha, primera->derecha);
    EXPECT_EQ(g.RangoX(), rangoX);
    EXPECT_EQ(segunda->izquierda, primera->izquierda);
    EXPECT_EQ(segunda->arriba, primera->arriba);
    EXPECT_EQ(segunda->derecha, primera->derecha);
    EXPECT_EQ(segunda->abajo, primera->abajo);
}

struct Tamano {
    const char* nombre;
    float ancho, alto;
};

void PrintTo(const Tamano& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class PictureWithoutRoom : public testing::TestWithParam<Tamano> {};

TEST_P(PictureWithoutRoom, HasNothingToDrawAndLeavesTheOwnExtents) {
    GeometriaTriangulo g(TresLados(3, 4, 5));
    g.ReiniciarRangos();
    EXPECT_FALSE(g.AjustarRangos(GetParam().ancho, GetParam().alto));
    EXPECT_EQ(g.RangoX(), 3.0F);
    EXPECT_EQ(g.RangoY(), 4.0F);
}

INSTANTIATE_TEST_SUITE_P(Geometria, PictureWithoutRoom,
                         testing::Values(Tamano{"ZeroWide", 0, 2620}, Tamano{"ZeroHigh", 4695, 0},
                                         Tamano{"NegativeHigh", 4695, -375},
                                         Tamano{"NegativeWide", -15, 2620},
                                         Tamano{"NegativeBoth", -100, -980}),
                         [](const testing::TestParamInfo<Tamano>& info) {
                             return std::string(info.param.nombre);
                         });

TEST(Geometria, TriangleWithoutExtentHasNothingToDraw) {
    GeometriaTriangulo g{Medidas{}};
    g.ReiniciarRangos();
    EXPECT_FALSE(g.AjustarRangos(4695, 2625));
}

// Sides beyond the single-precision range, or near its lower end, are stored
// scaled by a power of two. The stored shape must then be exactly that of the
// same triangle at an ordinary size.
struct Extremo {
    const char* nombre;
    double lado;
};

void PrintTo(const Extremo& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class SidesAtTheEdgeOfSinglePrecision : public testing::TestWithParam<Extremo> {};

// The 3-4-5 triangle with its base `lado` long; the angles do not depend on
// the size, so they are solved once at an ordinary one.
Medidas Rectangulo(double lado) {
    Medidas m = TresLados(1, 0.8, 0.6);
    m.Lado(1) = lado;
    m.Lado(2) = 0.8 * lado;
    m.Lado(3) = 0.6 * lado;
    return m;
}

TEST_P(SidesAtTheEdgeOfSinglePrecision, AreStoredScaledByAPowerOfTwoWithTheirShapeKept) {
    const double lado = GetParam().lado;
    GeometriaTriangulo g(Rectangulo(lado));
    EXPECT_NE(g.Escala(), 0);

    const double ordinario = std::ldexp(lado, g.Escala());
    EXPECT_GE(ordinario, 0.5);
    EXPECT_LT(ordinario, 1.0);
    GeometriaTriangulo referencia(Rectangulo(ordinario));
    EXPECT_EQ(referencia.Escala(), 0);
    EXPECT_EQ(g.Base(), referencia.Base());
    EXPECT_EQ(g.VerticeX(), referencia.VerticeX());
    EXPECT_EQ(g.VerticeY(), referencia.VerticeY());
    EXPECT_GT(g.VerticeY(), 0.0F);

    const std::optional<Vista> v = Ajustar(g, 4695, 2625);
    const std::optional<Vista> r = Ajustar(referencia, 4695, 2625);
    ASSERT_TRUE(v && r);
    EXPECT_TRUE(std::isfinite(v->izquierda) && std::isfinite(v->derecha));
    EXPECT_TRUE(std::isfinite(v->arriba) && std::isfinite(v->abajo));
    EXPECT_LT(v->izquierda, v->derecha);
    EXPECT_GT(v->arriba, v->abajo);
    EXPECT_EQ(v->izquierda, r->izquierda);
    EXPECT_EQ(v->arriba, r->arriba);
    EXPECT_EQ(v->derecha, r->derecha);
    EXPECT_EQ(v->abajo, r->abajo);
}

INSTANTIATE_TEST_SUITE_P(Geometria, SidesAtTheEdgeOfSinglePrecision,
                         testing::Values(Extremo{"Sides1e39", 1e39}, Extremo{"Sides1e_30", 1e-30},
                                         Extremo{"Sides1e300", 1e300},
                                         Extremo{"Sides1e_300", 1e-300}),
                         [](const testing::TestParamInfo<Extremo>& info) {
                             return std::string(info.param.nombre);
                         });

TEST(Geometria, OrdinarySidesAreStoredAsTheyAre) {
    for (const double lado : {1e-12, 0.001, 1.0, 1234567.0, 1e15}) {
        GeometriaTriangulo g(TresLados(lado, lado, lado));
        EXPECT_EQ(g.Escala(), 0) << lado;
        EXPECT_EQ(g.Base(), static_cast<float>(lado)) << lado;
    }
}

TEST(Etiquetas, ShowSidesAndAnglesInDegreesOfTheTriangle3_4_5) {
    EtiquetasTriangulo etiquetas(prueba::Resuelta(TresLados(3, 4, 5)));
    EXPECT_EQ(etiquetas.Lado(1), "3");
    EXPECT_EQ(etiquetas.Lado(2), "4");
    EXPECT_EQ(etiquetas.Lado(3), "5");
    EXPECT_EQ(etiquetas.Angulo(1), "36.869");
    EXPECT_EQ(etiquetas.Angulo(2), "53.130");
    // The right angle, whose classic value lies a hair under 90 degrees.
    EXPECT_EQ(etiquetas.Angulo(3), "90");
}

}  // namespace
}  // namespace pendra

namespace pendra {
namespace {

// How far a label's box stands from a segment, its picture's edge and the
// other labels: sampled along the segment, so that the check shares nothing
// with the placement it checks.
bool Toca(const CajaFigura& c, PuntoFigura a, PuntoFigura b, double holgura) {
    for (int k = 0; k <= 400; ++k) {
        const double t = k / 400.0;
        const double x = a.x + t * (b.x - a.x);
        const double y = a.y + t * (b.y - a.y);
        if (x > c.izquierda - holgura && x < c.derecha + holgura && y > c.arriba - holgura &&
            y < c.abajo + holgura) {
            return true;
        }
    }
    return false;
}

bool Solapan(const CajaFigura& a, const CajaFigura& b) {
    return a.izquierda < b.derecha && b.izquierda < a.derecha && a.arriba < b.abajo &&
           b.arriba < a.abajo;
}

// Wherever the picture has room, no label touches a side, another label or
// the picture's edge: needles, flat and obtuse triangles, the ambiguous
// pair, long and exponent labels, in the window's fit and standing alone.
TEST(Figura, LabelsStandClearOfSidesLabelsAndEdges) {
    const prueba::Textos datos[] = {
        {"", "3", "", "4", "", "5"},
        {"9", "46", "", "", "", "39"},
        {"", "1", "", "1000000", "", "1000000"},
        {"", "1000000", "", "1", "", "1000000"},
        {"", "2", "", "1.5", "", "3.4999"},
        {"179.9", "", "", "1", "", "1"},
        {"30", "1.5", "", "", "", "2"},
        {"", "12345678901", "", "12345678902", "", "3"},
        {"", "0.00001234", "", "0.00001235", "", "0.00002"},
        {"120", "", "", "5", "", "10"},
        {"30", "0.5", "", "0.99999999999998477", "", ""},
    };
    const std::pair<double, double> tamanos[] = {{313, 175}, {800, 446}, {1600, 892}};
    int figuras = 0;
    for (const prueba::Textos& textos : datos) {
        for (const Solucion& s : prueba::Resueltos(textos)) {
            for (const auto& [ancho, alto] : tamanos) {
                GeometriaTriangulo g(s.medidas);
                ASSERT_TRUE(g.AjustarRangos(static_cast<float>(ancho), static_cast<float>(alto)));
                const Etiquetas e = EtiquetasDe(s.precisa);
                for (const std::optional<Figura>& f :
                     {FiguraCentrada(g, e, ancho, alto),
                      FiguraDe(g, e, g.VistaAjustada(), ancho, alto)}) {
                    ASSERT_TRUE(f);
                    ++figuras;
                    const std::string donde = textos[0] + "|" + textos[1] + "|" + textos[2] + "|" +
                                              textos[3] + "|" + textos[4] + "|" + textos[5] +
                                              " at " + std::to_string(int(ancho));
                    for (std::size_t i = 0; i < 6; ++i) {
                        const CajaFigura& c = f->etiquetas[i].caja;
                        EXPECT_TRUE(c.izquierda >= 0 && c.arriba >= 0 && c.derecha <= ancho &&
                                    c.abajo <= alto)
                            << donde << ": " << f->etiquetas[i].numero << " leaves the picture";
                        for (const auto& [a, b] : f->lados) {
                            EXPECT_FALSE(Toca(c, a, b, 1))
                                << donde << ": " << f->etiquetas[i].numero << " touches a side";
                        }
                        for (std::size_t j = i + 1; j < 6; ++j) {
                            EXPECT_FALSE(Solapan(c, f->etiquetas[j].caja))
                                << donde << ": " << f->etiquetas[i].numero << " and "
                                << f->etiquetas[j].numero;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(figuras, 60);
}

// A picture too small for its labels still places every one of them, inside
// where it fits, and ends.
TEST(Figura, PlacesEveryLabelInAPictureTooSmallForThem) {
    for (const prueba::Textos& textos :
         {prueba::Textos{"", "3", "", "4", "", "5"},
          prueba::Textos{"", "123456789012345", "", "123456789012345", "", "1e-5"}}) {
        const Solucion s = prueba::Resueltos(textos).at(0);
        for (const auto& [ancho, alto] : {std::pair{1.0, 1.0}, {8.0, 5.0}, {40.0, 12.0}}) {
            const std::optional<Figura> f =
                FiguraCentrada(GeometriaTriangulo(s.medidas), EtiquetasDe(s.precisa), ancho, alto);
            ASSERT_TRUE(f);
            for (const EtiquetaFigura& e : f->etiquetas) {
                EXPECT_TRUE(std::isfinite(e.caja.izquierda) && std::isfinite(e.caja.arriba));
                EXPECT_LE(std::fabs(e.caja.izquierda), ancho + e.caja.Ancho() + 1);
            }
        }
    }
}

}  // namespace
}  // namespace pendra
