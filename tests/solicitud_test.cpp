#include "solicitud.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "funciones.h"
#include "registro.h"

namespace pendra {
namespace {

using prueba::Registro;
using prueba::Solicitar;
using Tipo = Registro::Evento::Tipo;

constexpr Campo A(std::uint8_t i) {
    return {TipoCampo::Angulo, i};
}
constexpr Campo L(std::uint8_t i) {
    return {TipoCampo::Lado, i};
}

double Grados(const Medidas& m, std::uint8_t i) {
    return m.Angulo(i) / RadPorGrado;
}

void EsperarIguales(const Medidas& real, const Medidas& esperado, const std::string& caso) {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(real.Angulo(i), esperado.Angulo(i)) << caso << ", angle " << int(i);
        EXPECT_EQ(real.Lado(i), esperado.Lado(i)) << caso << ", side " << int(i);
    }
}

// ---------------------------------------------------------------------------
// Routing: every way of giving three measures reaches the right solver with
// its arguments in the right order. The expectations call the solvers
// directly on the same values; the request must match them bit for bit.

// Field values used by every row: angles 40, 50, 60 degrees and sides 7, 8, 9.
const char* const kTextos[6] = {"40", "7", "50", "8", "60", "9"};

Medidas Dados(unsigned mascara) {
    Medidas m;
    const double valores[6] = {40 * RadPorGrado, 7, 50 * RadPorGrado, 8, 60 * RadPorGrado, 9};
    for (std::uint8_t i = 1; i <= 3; ++i) {
        m.Angulo(i) = (mascara & (1U << (2 * (i - 1)))) ? valores[2 * (i - 1)] : 0;
        m.Lado(i) = (mascara & (1U << (2 * (i - 1) + 1))) ? valores[2 * (i - 1) + 1] : 0;
    }
    return m;
}

std::vector<Medidas> Unico(const Medidas& m) {
    return {m};
}

// The two-sides-and-opposite-angle case: first side p, side q opposite the
// given angle r; results into angle oa (opposite p), angle ot, side ol.
std::vector<Medidas> Ambiguo(Medidas m, int p, int q, int r, int oa, int ot, int ol) {
    double A1 = 0, C1 = 0, c1 = 0, A2 = 0, C2 = 0, c2 = 0;
    ResolverLLA(m.Lado(p), m.Lado(q), m.Angulo(r), A1, C1, c1, A2, C2, c2);
    std::vector<Medidas> ventanas;
    m.Angulo(oa) = A1;
    m.Angulo(ot) = C1;
    m.Lado(ol) = c1;
    ventanas.push_back(m);
    if (A2 * C2 * c2 != 0) {
        m.Angulo(oa) = A2;
        m.Angulo(ot) = C2;
        m.Lado(ol) = c2;
        ventanas.push_back(m);
    }
    return ventanas;
}

struct Fila {
    const char* nombre;
    unsigned mascara;  // bits in reading order: A1 L1 A2 L2 A3 L3
    std::function<std::vector<Medidas>(Medidas)> esperado;
};

constexpr unsigned a1 = 1, l1 = 2, a2 = 4, l2 = 8, a3 = 16, l3 = 32;

const Fila kFilas[] = {
    {"L1 L2 L3", l1 | l2 | l3,
     [](Medidas m) {
         ResolverLLL(m.Lado(1), m.Lado(2), m.Lado(3), m.Angulo(1), m.Angulo(2), m.Angulo(3));
         return Unico(m);
     }},
    {"A1 L2 L3", a1 | l2 | l3,
     [](Medidas m) {
         ResolverLAL(m.Lado(2), m.Angulo(1), m.Lado(3), m.Angulo(2), m.Lado(1), m.Angulo(3));
         return Unico(m);
     }},
    {"A2 L1 L3", a2 | l1 | l3,
     [](Medidas m) {
         ResolverLAL(m.Lado(1), m.Angulo(2), m.Lado(3), m.Angulo(1), m.Lado(2), m.Angulo(3));
         return Unico(m);
     }},
    {"A3 L1 L2", a3 | l1 | l2,
     [](Medidas m) {
         ResolverLAL(m.Lado(1), m.Angulo(3), m.Lado(2), m.Angulo(1), m.Lado(3), m.Angulo(2));
         return Unico(m);
     }},
    {"A1 L1 L2", a1 | l1 | l2, [](Medidas m) { return Ambiguo(m, 2, 1, 1, 2, 3, 3); }},
    {"A1 L1 L3", a1 | l1 | l3, [](Medidas m) { return Ambiguo(m, 3, 1, 1, 3, 2, 2); }},
    {"A2 L1 L2", a2 | l1 | l2, [](Medidas m) { return Ambiguo(m, 1, 2, 2, 1, 3, 3); }},
    {"A2 L2 L3", a2 | l2 | l3, [](Medidas m) { return Ambiguo(m, 3, 2, 2, 3, 1, 1); }},
    {"A3 L1 L3", a3 | l1 | l3, [](Medidas m) { return Ambiguo(m, 1, 3, 3, 1, 2, 2); }},
    {"A3 L2 L3", a3 | l2 | l3, [](Medidas m) { return Ambiguo(m, 2, 3, 3, 2, 1, 1); }},
    {"A1 A2 L3", a1 | a2 | l3,
     [](Medidas m) {
         ResolverALA(m.Angulo(1), m.Lado(3), m.Angulo(2), m.Lado(1), m.Angulo(3), m.Lado(2));
         return Unico(m);
     }},
    {"A1 A3 L2", a1 | a3 | l2,
     [](Medidas m) {
         ResolverALA(m.Angulo(1), m.Lado(2), m.Angulo(3), m.Lado(1), m.Angulo(2), m.Lado(3));
         return Unico(m);
     }},
    {"A2 A3 L1", a2 | a3 | l1,
     [](Medidas m) {
         ResolverALA(m.Angulo(2), m.Lado(1), m.Angulo(3), m.Lado(2), m.Angulo(1), m.Lado(3));
         return Unico(m);
     }},
    {"A1 A2 L1", a1 | a2 | l1,
     [](Medidas m) {
         ResolverAAL(m.Angulo(1), m.Angulo(2), m.Lado(1), m.Angulo(3), m.Lado(2), m.Lado(3));
         return Unico(m);
     }},
    {"A1 A2 L2", a1 | a2 | l2,
     [](Medidas m) {
         ResolverAAL(m.Angulo(2), m.Angulo(1), m.Lado(2), m.Angulo(3), m.Lado(1), m.Lado(3));
         return Unico(m);
     }},
    {"A1 A3 L1", a1 | a3 | l1,
     [](Medidas m) {
         ResolverAAL(m.Angulo(1), m.Angulo(3), m.Lado(1), m.Angulo(2), m.Lado(3), m.Lado(2));
         return Unico(m);
     }},
    {"A1 A3 L3", a1 | a3 | l3,
     [](Medidas m) {
         ResolverAAL(m.Angulo(3), m.Angulo(1), m.Lado(3), m.Angulo(2), m.Lado(1), m.Lado(2));
         return Unico(m);
     }},
    {"A2 A3 L2", a2 | a3 | l2,
     [](Medidas m) {
         ResolverAAL(m.Angulo(2), m.Angulo(3), m.Lado(2), m.Angulo(1), m.Lado(3), m.Lado(1));
         return Unico(m);
     }},
    {"A2 A3 L3", a2 | a3 | l3,
     [](Medidas m) {
         ResolverAAL(m.Angulo(3), m.Angulo(2), m.Lado(3), m.Angulo(1), m.Lado(2), m.Lado(1));
         return Unico(m);
     }},
};

TEST(Solicitud, RoutesEachCaseToItsSolverWithItsArgumentsInOrder) {
    unsigned ambiguosConDos = 0;
    for (const Fila& fila : kFilas) {
        std::array<std::string, 6> textos;
        for (unsigned k = 0; k < 6; ++k) {
            textos[k] = (fila.mascara & (1U << k)) ? kTextos[k] : "";
        }
        const Registro r = Solicitar(textos);
        const std::vector<Medidas> esperadas = fila.esperado(Dados(fila.mascara));
        const std::vector<Medidas> ventanas = r.Ventanas();
        ASSERT_EQ(ventanas.size(), esperadas.size()) << fila.nombre;
        ASSERT_EQ(r.eventos.size(), esperadas.size()) << fila.nombre << ": no message expected";
        for (std::size_t k = 0; k < ventanas.size(); ++k) {
            EsperarIguales(ventanas[k], esperadas[k], fila.nombre);
            EXPECT_TRUE(EsTriangulo(ventanas[k])) << fila.nombre;
        }
        ambiguosConDos += esperadas.size() == 2;
    }
    // The data are chosen so that the ambiguous rows cover both outcomes.
    EXPECT_GE(ambiguosConDos, 2U);
    EXPECT_LT(ambiguosConDos, 6U);
}

TEST(Solicitud, ReadsTheFieldsInTabOrder) {
    const Registro r = Solicitar({"", "3", "", "4", "", "5"});
    const std::vector<Campo> orden = {A(1), L(1), A(2), L(2), A(3), L(3)};
    EXPECT_EQ(r.leidos, orden);
}

// ---------------------------------------------------------------------------
// Messages: prompt, title and focus, and which check wins when several apply.

struct CasoMensaje {
    const char* nombre;
    std::array<std::string, 6> textos;
    const char* texto;
    const char* titulo;
    std::optional<Campo> foco;
};

TEST(Solicitud, AnswersBadDataWithOneMessage) {
    const char* const kError = "Error en los datos";
    const CasoMensaje casos[] = {
        {"negative angle",
         {"-10", "", "", "", "", ""},
         "El ángulo 1 no puede ser negativo.",
         kError,
         A(1)},
        {"negative side",
         {"", "", "", "-4", "", ""},
         "El lado 2 no puede ser negativo.",
         kError,
         L(2)},
        {"side 2 is read before angle 3",
         {"", "", "", "-4", "-10", ""},
         "El lado 2 no puede ser negativo.",
         kError,
         L(2)},
        {"side 1 is read before angle 2",
         {"", "-4", "-10", "", "", ""},
         "El lado 1 no puede ser negativo.",
         kError,
         L(1)},
        {"negative wins over the count",
         {"30", "3", "4", "5", "6", "-1"},
         "El lado 3 no puede ser negativo.",
         kError,
         L(3)},
        {"angle out of range",
         {"1e400", "3", "", "4", "", "5"},
         "El ángulo 1 está fuera de rango.",
         kError,
         A(1)},
        {"side out of range",
         {"", "3", "", std::string(400, '9'), "", "5"},
         "El lado 2 está fuera de rango.",
         kError,
         L(2)},
        {"negative overflow is negative",
         {"", "-1e400", "", "4", "", "5"},
         "El lado 1 no puede ser negativo.",
         kError,
         L(1)},
        {"positive angle that vanishes in radians",
         {"4.9e-324", "3", "", "4", "", "5"},
         "El ángulo 1 está fuera de rango.",
         kError,
         A(1)},
        {"minus sign U+2212",
         {"", "\u22123", "", "4", "", "5"},
         "El lado 1 no puede ser negativo.",
         kError,
         L(1)},
        {"out of range in reading order",
         {"1e999", "-5", "", "", "", ""},
         "El ángulo 1 está fuera de rango.",
         kError,
         A(1)},
        {"no field",
         {"", "", "", "", "", ""},
         "El número de datos debe ser igual a 3.",
         kError,
         std::nullopt},
        {"two fields",
         {"", "3", "", "4", "", ""},
         "El número de datos debe ser igual a 3.",
         kError,
         std::nullopt},
        {"four fields",
         {"30", "3", "", "4", "", "5"},
         "El número de datos debe ser igual a 3.",
         kError,
         std::nullopt},
        {"three angles and a side is the count",
         {"60", "3", "60", "", "60", ""},
         "El número de datos debe ser igual a 3.",
         kError,
         std::nullopt},
        {"three angles",
         {"60", "", "60", "", "60", ""},
         "No hay solución si sólo se conocen los ángulos.",
         kError,
         std::nullopt},
        {"three angles, sum not checked",
         {"10", "", "20", "", "30", ""},
         "No hay solución si sólo se conocen los ángulos.",
         kError,
         std::nullopt},
        {"no triangle",
         {"30", "0.5", "", "", "", "2"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt},
        {"degenerate sides",
         {"", "1", "", "2", "", "3"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt},
        {"angles of 100 and 90",
         {"100", "", "90", "", "", "4"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt},
        {"a given angle of 200 in the ambiguous case",
         {"200", "1", "", "", "", "2"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt},
        {"a vanishing third side",
         {"0.0000001", "", "", "1", "", "1"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt},
        // The third side overflows the double range when scaled back.
        {"a result beyond the double range",
         {"89.99999", "", "90", "", "", "1e308"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt},
    };
    for (const CasoMensaje& caso : casos) {
        const Registro r = Solicitar(caso.textos);
        ASSERT_FALSE(r.eventos.empty()) << caso.nombre;
        EXPECT_EQ(r.eventos[0].tipo, Tipo::Mensaje) << caso.nombre;
        EXPECT_EQ(r.eventos[0].texto, caso.texto) << caso.nombre;
        EXPECT_EQ(r.eventos[0].titulo, caso.titulo) << caso.nombre;
        if (caso.foco) {
            ASSERT_EQ(r.eventos.size(), 2U) << caso.nombre;
            EXPECT_EQ(r.eventos[1].tipo, Tipo::Foco) << caso.nombre;
            EXPECT_EQ(r.eventos[1].campo, *caso.foco) << caso.nombre;
        } else {
            EXPECT_EQ(r.eventos.size(), 1U) << caso.nombre;
        }
    }
}

TEST(Solicitud, StopsReadingAtTheFirstNegativeField) {
    Registro r({"10", "-4", "20", "5", "", ""});
    Medidas m;
    m.Angulo(2) = 99;
    m.Lado(3) = 98;
    cmdResolver_Click(r, m);
    EXPECT_EQ(m.Angulo(1), 10 * RadPorGrado);
    EXPECT_EQ(m.Lado(1), -4);
    // Fields after the offending one are not read and keep what they had.
    EXPECT_EQ(m.Angulo(2), 99);
    EXPECT_EQ(m.Lado(3), 98);
    EXPECT_EQ(r.leidos.size(), 2U);
}

TEST(Solicitud, NeverStoresAnInfinityFromAnOutOfRangeField) {
    Registro r({"", "1e400", "", "", "", ""});
    Medidas m;
    cmdResolver_Click(r, m);
    EXPECT_TRUE(std::isfinite(m.Lado(1)));
}

// ---------------------------------------------------------------------------
// Solutions.

TEST(Solicitud, SolvesThreeSidesWithTheRightAngleOppositeTheLongest) {
    const std::vector<Medidas> v = Solicitar({"", "3", "", "4", "", "5"}).Ventanas();
    ASSERT_EQ(v.size(), 1U);
    EXPECT_NEAR(Grados(v[0], 1), 36.87, 0.01);
    EXPECT_NEAR(Grados(v[0], 2), 53.13, 0.01);
    EXPECT_EQ(v[0].Angulo(3), PiMedios);
}

TEST(Solicitud, OpensTheAcuteAmbiguousTriangleFirst) {
    const std::vector<Medidas> v = Solicitar({"30", "1.5", "", "", "", "2"}).Ventanas();
    ASSERT_EQ(v.size(), 2U);
    EXPECT_NEAR(Grados(v[0], 3), 41.81, 0.01);
    EXPECT_NEAR(Grados(v[0], 2), 108.19, 0.01);
    EXPECT_NEAR(v[0].Lado(2), 2.850, 0.001);
    EXPECT_NEAR(Grados(v[1], 3), 138.19, 0.01);
    EXPECT_NEAR(Grados(v[1], 2), 11.81, 0.01);
    EXPECT_NEAR(v[1].Lado(2), 0.614, 0.001);
}

TEST(Solicitud, OpensOneWindowWhenTheSecondAmbiguousTriangleIsMissing) {
    const std::vector<Medidas> v = Solicitar({"30", "2", "", "", "", "1.5"}).Ventanas();
    ASSERT_EQ(v.size(), 1U);
    EXPECT_NEAR(Grados(v[0], 3), 22.02, 0.01);
    EXPECT_NEAR(Grados(v[0], 2), 127.98, 0.01);
}

struct CasoLectura {
    const char* nombre;
    std::array<std::string, 6> textos;
    std::array<std::string, 6> equivalentes;
};

TEST(Solicitud, ReadsFieldTextsByTheFieldRule) {
    const CasoLectura casos[] = {
        {"a 0 counts as not given", {"0", "3", "", "4", "", "5"}, {"", "3", "", "4", "", "5"}},
        {"text counts as not given", {"30", "abc", "", "4", "", "5"}, {"30", "", "", "4", "", "5"}},
        {"decimal comma", {"", "2,5", "", "3cm", "", "4"}, {"", "2.5", "", "3", "", "4"}},
        {"degrees and minutes", {"45°30'", "", "", "4", "", "5"}, {"45.5", "", "", "4", "", "5"}},
        {"negative zero is not negative",
         {"-0", "3", "", "4", "", "5"},
         {"", "3", "", "4", "", "5"}},
        {"an angle too small for a double is not given",
         {"1e-400", "3", "", "4", "", "5"},
         {"", "3", "", "4", "", "5"}},
    };
    for (const CasoLectura& caso : casos) {
        const std::vector<Medidas> v = Solicitar(caso.textos).Ventanas();
        const std::vector<Medidas> w = Solicitar(caso.equivalentes).Ventanas();
        ASSERT_EQ(v.size(), 1U) << caso.nombre;
        ASSERT_EQ(w.size(), 1U) << caso.nombre;
        EsperarIguales(v[0], w[0], caso.nombre);
    }
}

TEST(Solicitud, AnswersEveryPressAfresh) {
    Registro r({"", "3", "", "4", "", "5"});
    Medidas m;
    cmdResolver_Click(r, m);
    cmdResolver_Click(r, m);
    const std::vector<Medidas> v = r.Ventanas();
    ASSERT_EQ(v.size(), 2U);
    EsperarIguales(v[0], v[1], "second press");
}

// Sides anywhere in the double range: scaling by a power of two is exact, so
// angles stay bit-identical and sides scale exactly.
TEST(Solicitud, SolvesAtAnyScaleOfSides) {
    const Medidas base = Solicitar({"", "3", "", "4", "", "5"}).Ventanas().at(0);
    for (const int k : {-1060, -1000, -600, -200, 200, 600, 1000, 1020}) {
        const auto texto = [k](double x) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%.17g", std::ldexp(x, k));
            return std::string(buffer);
        };
        const std::vector<Medidas> v =
            Solicitar({"", texto(3), "", texto(4), "", texto(5)}).Ventanas();
        ASSERT_EQ(v.size(), 1U) << "2^" << k;
        for (std::uint8_t i = 1; i <= 3; ++i) {
            EXPECT_EQ(v[0].Angulo(i), base.Angulo(i)) << "2^" << k;
            EXPECT_EQ(v[0].Lado(i), std::ldexp(base.Lado(i), k)) << "2^" << k;
        }
    }
}

TEST(Solicitud, OpensAWindowForATinyTriangleWhoseProductUnderflows) {
    const std::vector<Medidas> v = Solicitar({"", "1e-200", "", "1e-200", "", "1e-200"}).Ventanas();
    ASSERT_EQ(v.size(), 1U);
    EXPECT_NEAR(Grados(v[0], 1), 60, 1e-9);
}

TEST(Solicitud, SolvesSidesWhoseSquaresWouldOverflow) {
    const std::vector<Medidas> v = Solicitar({"90", "", "", "1e200", "", "1e200"}).Ventanas();
    ASSERT_EQ(v.size(), 1U);
    EXPECT_NEAR(v[0].Lado(1) / 1e200, std::sqrt(2.0), 1e-12);
}

TEST(Solicitud, RejectsATriangleWithAnAngleBelowZeroFromRounding) {
    // An included angle a hair below the half turn: the remainder to the
    // rounded half turn comes out negative, which is no triangle.
    const Registro r = Solicitar({"179.99999999999974", "", "", "1", "", "1"});
    EXPECT_TRUE(r.Ventanas().empty());
    ASSERT_EQ(r.eventos.size(), 1U);
    EXPECT_EQ(r.eventos[0].texto, mensajes::kSinSolucion);
}

}  // namespace
}  // namespace pendra

namespace pendra {
namespace {

struct CasoCierre {
    const char* nombre;
    std::array<std::string, 6> textos;
    std::size_t ventanas;
};

// Angles a few ulps from the half turn make the solvers' sines meaningless:
// sides that close no triangle, or angles out of proportion with the sides.
// Those are refused; thin triangles that are right to the label's precision
// are kept.
TEST(Solicitud, ShowsOnlyTrianglesThatClose) {
    const CasoCierre casos[] = {
        {"two tiny angles give a side 1e60 times too long",
         {"3.5e-75", "120.58", "", "98.75", "", ""},
         0},
        {"tiny angles and tiny side", {"1e-310", "1e-310", "1e-310", "", "", ""}, 0},
        {"an included angle of 3e-14 degrees",
         {"", "", "3.1133434384262536e-14", "58.2732736415951", "", "94.461325"},
         0},
        {"a thin triangle with a tiny given angle",
         {"", "", "48.863577732", "47.3023", "6.7759616149942228e-172", ""},
         1},
        {"an included angle a tenth of a microdegree from flat",
         {"", "60.93654274758", "179.9999999", "", "", "50"},
         1},
        {"a right triangle with legs 1 and 1e30", {"90", "", "", "1", "", "1e30"}, 1},
        // The tiny angle comes out of the cosine rule a few parts in 1e5 off,
        // which moves no vertex visibly: the triangles are shown.
        {"sides 1, 1 and 1e-6", {"", "1", "", "1", "", "1e-6"}, 1},
        {"sides 1, 1 and an included angle of 1e-5 degrees", {"", "1", "", "1", "1e-5", ""}, 1},
    };
    for (const CasoCierre& caso : casos) {
        const Registro r = Solicitar(caso.textos);
        EXPECT_EQ(r.Ventanas().size(), caso.ventanas) << caso.nombre;
        if (caso.ventanas == 0) {
            ASSERT_EQ(r.eventos.size(), 1U) << caso.nombre;
            EXPECT_EQ(r.eventos[0].texto, mensajes::kSinSolucion) << caso.nombre;
        }
    }
}

TEST(Solicitud, OpensOnlyTheAmbiguousTriangleWhoseSidesFitADouble) {
    // At 1e300 both triangles fit; at 1e308 the first one's third side
    // overflows, and only the second, obtuse one is shown.
    const std::vector<Medidas> ambos =
        Solicitar({"40", "1.6e300", "", "1.7e300", "", ""}).Ventanas();
    ASSERT_EQ(ambos.size(), 2U);
    const std::vector<Medidas> v = Solicitar({"40", "1.6e308", "", "1.7e308", "", ""}).Ventanas();
    ASSERT_EQ(v.size(), 1U);
    EXPECT_EQ(v[0].Angulo(2), ambos[1].Angulo(2));
    EXPECT_GT(Grados(v[0], 2), 90);
    EXPECT_NEAR(v[0].Lado(3) / ambos[1].Lado(3), 1e8, 1e-6);
}

struct CasoTriangulo {
    const char* nombre;
    std::array<double, 6> medidas;  // A1 A2 A3 in degrees, then L1 L2 L3
    bool esTriangulo;
};

TEST(EsTriangulo, AcceptsOnlyRealTriangles) {
    const double r = 1 / RadPorGrado;
    const CasoTriangulo casos[] = {
        {"3-4-5", {36.86989764584402, 53.13010235415598, 90, 3, 4, 5}, true},
        {"a missing measure", {36.86989764584402, 53.13010235415598, 0, 3, 4, 5}, false},
        {"a negative angle", {-1, 91, 90, 3, 4, 5}, false},
        {"an infinite side", {60, 60, 60, 1, 1, HUGE_VAL}, false},
        {"a half turn", {Pi * r, 1e-9, 1e-9, 2, 1, 1}, false},
        {"a side longer than the other two", {60, 60, 60, 1, 1, 3}, false},
        {"sides out of proportion with the angles", {30, 60, 90, 1, 1, 1}, false},
        {"off by less than a label shows", {60, 60, 60, 1, 1, 1.000001}, true},
        {"a tiny side one part in 1e4 off its angle",
         {90, 90 - 1e-6, 1e-6, 1, 1, 1.0001e-6 / r},
         true},
        {"a side one part in 1e4 off its angle", {60, 60, 60, 1, 1, 1.0001}, false},
    };
    for (const CasoTriangulo& caso : casos) {
        Medidas m;
        for (std::uint8_t i = 1; i <= 3; ++i) {
            m.Angulo(i) = caso.medidas[i - 1] * RadPorGrado;
            m.Lado(i) = caso.medidas[i + 2];
        }
        EXPECT_EQ(EsTriangulo(m), caso.esTriangulo) << caso.nombre;
    }
}

}  // namespace
}  // namespace pendra
