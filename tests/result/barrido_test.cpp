// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every way of giving three of the six measures, each drawn from values at and
// beyond the ends of what a field can hold, through the solve request and on
// into the result windows: no undefined value anywhere, only real triangles
// shown, and every one of them fitted and drawn.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QString>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "areadibujo.h"
#include "frmgrafico.h"
#include "funciones.h"
#include "globales.h"
#include "pixeles.h"
#include "solicitar.h"
#include "solicitud.h"

namespace pendra {
namespace {

// Zeros of both signs, a subnormal, the ends of the double range and beyond
// it, ordinary numbers, and angles at and past the right and the half turn.
constexpr std::array<const char*, 15> kValores = {"0",     "-0", "1e-310",      "1e-200", "1e-30",
                                                  "1",     "3",  "1e30",        "1e200",  "1.7e308",
                                                  "1e400", "90", "179.9999999", "180",    "359"};

// The six fields in tab order; bit i of a mask stands for field i.
constexpr std::array<const char*, 6> kCampos = {"A1", "L1", "A2", "L2", "A3", "L3"};
constexpr unsigned kSoloAngulos = 0b010101;

std::vector<unsigned> Combinaciones() {
    std::vector<unsigned> mascaras;
    for (unsigned m = 0; m < 64; ++m) {
        if (std::popcount(m) == 3) {
            mascaras.push_back(m);
        }
    }
    return mascaras;
}

std::string NombreCombinacion(unsigned mascara) {
    std::string nombre;
    for (unsigned i = 0; i < 6; ++i) {
        if ((mascara & (1U << i)) != 0) {
            if (!nombre.empty()) {
                nombre += '_';
            }
            nombre += kCampos[i];
        }
    }
    return nombre;
}

std::string Describir(const std::array<std::string, 6>& textos) {
    std::ostringstream s;
    for (unsigned i = 0; i < 6; ++i) {
        if (!textos[i].empty()) {
            s << kCampos[i] << '=' << textos[i] << ' ';
        }
    }
    return s.str();
}

std::string Describir(const Medidas& m) {
    std::ostringstream s;
    s.precision(17);
    for (std::uint8_t i = 1; i <= 3; ++i) {
        s << " A" << int(i) << '=' << m.Angulo(i) << " L" << int(i) << '=' << m.Lado(i);
    }
    return s.str();
}

bool Finitas(const Medidas& m) {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (!std::isfinite(m.Angulo(i)) || !std::isfinite(m.Lado(i))) {
            return false;
        }
    }
    return true;
}

// Whether the measures are a real triangle, checked here on their own terms
// to within 1e-5 of the longest side (the precision tests hold the values
// themselves): in floating point a legitimately thin triangle can have one
// side equal to the other two together, or longer by a relative 1e-15. Sums
// and ratios are taken in long double, whose range holds them even for sides
// near the largest double.
testing::AssertionResult EsTrianguloReal(const Medidas& m) {
    using Largo = long double;
    constexpr Largo kTolerancia = 1e-5L;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (!(m.Lado(i) > 0) || !std::isfinite(m.Lado(i))) {
            return testing::AssertionFailure() << "side " << int(i) << " not positive";
        }
        if (!(m.Angulo(i) > 0 && m.Angulo(i) < Pi)) {
            return testing::AssertionFailure() << "angle " << int(i) << " outside (0, Pi)";
        }
    }
    const Largo a = m.Lado(1);
    const Largo b = m.Lado(2);
    const Largo c = m.Lado(3);
    if (a > (b + c) * (1 + kTolerancia) || b > (a + c) * (1 + kTolerancia) ||
        c > (a + b) * (1 + kTolerancia)) {
        return testing::AssertionFailure() << "a side longer than the other two together";
    }
    // Each side against the sine of its angle, in proportion to the longest
    // side and its angle's sine.
    std::uint8_t k = 1;
    for (std::uint8_t i = 2; i <= 3; ++i) {
        k = m.Lado(i) > m.Lado(k) ? i : k;
    }
    // An obtuse angle's sine is that of the other two together: its own value
    // next to the half turn has lost the digits that matter.
    const auto senoDe = [&m](std::uint8_t i) {
        const Largo otros = static_cast<Largo>(m.Angulo(i % 3 + 1)) + m.Angulo((i + 1) % 3 + 1);
        return std::sin(m.Angulo(i) > PiMedios ? otros : static_cast<Largo>(m.Angulo(i)));
    };
    const Largo seno = senoDe(k);
    for (std::uint8_t i = 1; i <= 3; ++i) {
        const Largo lejos = std::fabs(static_cast<Largo>(m.Lado(i)) / m.Lado(k) - senoDe(i) / seno);
        // Long double sines differ from the program's in the last bits.
        if (lejos > kTolerancia * (1 + 1e-9L)) {
            return testing::AssertionFailure()
                   << "sides not in proportion to the sines, off by " << static_cast<double>(lejos);
        }
    }
    // The angles of a plane triangle make a half turn.
    const Largo suma = static_cast<Largo>(m.Angulo(1)) + m.Angulo(2) + m.Angulo(3);
    if (std::fabs(suma - std::numbers::pi_v<Largo>) > kTolerancia) {
        return testing::AssertionFailure()
               << "angles add up to " << static_cast<double>(suma) << ", not a half turn";
    }
    return testing::AssertionSuccess();
}

// The first few failures in full; a fault that hits thousands of requests
// should not bury the report.
class Fallos {
public:
    void Anotar(const std::string& caso, const std::string& que) {
        if (++cuantos_ <= 12) {
            ADD_FAILURE() << caso << ": " << que;
        }
    }
    int Cuantos() const { return cuantos_; }

private:
    int cuantos_ = 0;
};

using Clave = std::array<std::uint64_t, 6>;

Clave ClaveDe(const Medidas& m) {
    Clave clave{};
    for (std::uint8_t i = 1; i <= 3; ++i) {
        clave[2U * (i - 1U)] = std::bit_cast<std::uint64_t>(m.Angulo(i));
        clave[2U * (i - 1U) + 1U] = std::bit_cast<std::uint64_t>(m.Lado(i));
    }
    return clave;
}

struct Hallada {
    std::string caso;  // the first request that found it
    pendra::Solucion resuelta;
};

// What is wrong with the window opened for `m`, or an empty text.
std::string DefectoDeVentana(frmGrafico* v) {
    const GeometriaTriangulo& g = v->Geometria();
    for (const float valor : {g.VerticeX(), g.VerticeY(), g.Base(), g.MinX(), g.MaxX(), g.MaxY(),
                              g.RangoX(), g.RangoY()}) {
        if (!std::isfinite(valor)) {
            return "geometry not finite";
        }
    }
    const Vista vista = g.VistaAjustada();
    for (const float valor : {vista.izquierda, vista.arriba, vista.derecha, vista.abajo}) {
        if (!std::isfinite(valor)) {
            return "view not finite";
        }
    }
    if (!(vista.derecha > vista.izquierda) || !(vista.arriba > vista.abajo)) {
        return "view without extent";
    }
    // The triangle fits: its three vertices lie in the picture's drawing area.
    AreaDibujo* pic = v->picTriangulo();
    const QRectF area = QRectF(pic->contentsRect()).adjusted(-1, -1, 1, 1);
    const Trazado trazado = prueba::DibujoDe(*v).trazado;
    for (const QLineF& lado : trazado.lados) {
        if (!area.contains(lado.p1())) {
            return "a vertex outside the picture";
        }
    }
    const QList<EtiquetaDibujada>& textos = trazado.etiquetas;
    if (textos.size() != 9) {
        return "not every label written";
    }
    for (const EtiquetaDibujada& t : textos) {
        if (t.texto.contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
            t.texto.contains(QStringLiteral("inf"), Qt::CaseInsensitive)) {
            return "label " + t.texto.toStdString();
        }
    }
    const prueba::ColoresDelDibujo colores =
        prueba::ContarColores(pic->grab().toImage(), pic->contentsRect());
    if (colores.negros == 0 || colores.azules == 0 || colores.rojos == 0) {
        return "the drawing lacks a colour";
    }
    return {};
}

class Barrido : public testing::TestWithParam<unsigned> {};

TEST_P(Barrido, LeavesNoUndefinedValueAndOpensOnlyRealTrianglesThatDraw) {
    const unsigned mascara = GetParam();
    std::vector<unsigned> dados;
    for (unsigned i = 0; i < 6; ++i) {
        if ((mascara & (1U << i)) != 0) {
            dados.push_back(i);
        }
    }
    ASSERT_EQ(dados.size(), 3U);

    Fallos fallos;
    std::map<Clave, Hallada> soluciones;
    for (const char* x : kValores) {
        for (const char* y : kValores) {
            for (const char* z : kValores) {
                std::array<std::string, 6> textos{};
                textos[dados[0]] = x;
                textos[dados[1]] = y;
                textos[dados[2]] = z;
                const std::string caso = Describir(textos);
                const Respuesta respuesta = prueba::Solicitar(textos);
                // Each request ends in exactly one message or in its windows.
                const Soluciones& ventanas = respuesta.soluciones;
                const int mensajes = respuesta.mensaje ? 1 : 0;
                if (mensajes + (ventanas.empty() ? 0 : 1) != 1 || ventanas.size() > 2) {
                    fallos.Anotar(caso, "answered with " + std::to_string(mensajes) +
                                            " messages and " + std::to_string(ventanas.size()) +
                                            " windows");
                }
                for (const pendra::Solucion& resuelta : ventanas) {
                    const Medidas& m = resuelta.medidas;
                    if (!Finitas(m)) {
                        fallos.Anotar(caso, "undefined value in a solution:" + Describir(m));
                    } else if (const testing::AssertionResult real = EsTrianguloReal(m); !real) {
                        fallos.Anotar(caso, std::string(real.message()) + ":" + Describir(m));
                    }
                    soluciones.try_emplace(ClaveDe(m), Hallada{caso, resuelta});
                }
            }
        }
    }
    RecordProperty("soluciones_distintas", static_cast<int>(soluciones.size()));
    if (mascara == kSoloAngulos) {
        EXPECT_TRUE(soluciones.empty()) << "three angles fix no triangle";
    } else {
        EXPECT_FALSE(soluciones.empty()) << "the sweep found no triangle to draw";
    }

    // One window for each distinct solution, closed before the next one opens.
    int abiertas = 0;
    for (const auto& [clave, solucion] : soluciones) {
        frmGrafico* v = frmGrafico::Abrir(solucion.resuelta);
        if (const std::string defecto = DefectoDeVentana(v); !defecto.empty()) {
            fallos.Anotar(solucion.caso,
                          "window: " + defecto + ";" + Describir(solucion.resuelta.medidas));
        }
        v->close();
        if (++abiertas % 64 == 0) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_EQ(fallos.Cuantos(), 0);
}

INSTANTIATE_TEST_SUITE_P(TresCampos, Barrido, testing::ValuesIn(Combinaciones()),
                         [](const testing::TestParamInfo<unsigned>& info) {
                             return NombreCombinacion(info.param);
                         });

}  // namespace
}  // namespace pendra
