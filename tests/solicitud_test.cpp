// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solicitud.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "formato.h"
#include "funciones.h"
#include "solicitar.h"

namespace pendra {
namespace {

using prueba::Solicitar;
using prueba::Ventanas;

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
// its arguments in the right order, and the ambiguous case opens its acute
// triangle first.

struct Ruta {
    const char* dados;  // the given fields, in tab order
    // Per window, the three measures found, in tab order; angles in degrees.
    std::vector<std::array<double, 3>> halladas;
};

TEST(Solicitud, RoutesEachCaseToItsSolverWithItsArgumentsInOrder) {
    // Every row takes its given fields from angles 40, 50, 60 and sides 7, 8, 9.
    const std::array<std::string, 6> valores = {"40", "7", "50", "8", "60", "9"};
    const std::array<std::string, 6> nombres = {"A1", "L1", "A2", "L2", "A3", "L3"};
    const Ruta rutas[] = {
        {"A1 L1 A2", {{8.342275148159, 90, 10.89006678802}}},
        {"A1 L1 L2",
         {{47.27464438099, 92.72535561901, 10.87774936789},
          {132.725355619, 7.27464438099, 1.378961722016}}},
        {"A1 A2 L2", {{6.712797049418, 90, 10.44325831466}}},
        {"L1 A2 L2", {{42.08936521099, 87.91063478901, 10.43631540761}}},
        {"A1 L1 A3", {{80, 10.72462220367, 9.431074487337}}},
        {"L1 A2 A3", {{70, 5.706452283671, 6.451234895748}}},
        {"A1 L2 A3", {{5.221629157329, 80, 7.035081932575}}},
        {"L1 L2 A3", {{53.41322444637, 66.58677555363, 7.549834435271}}},
        {"A2 L2 A3", {{70, 9.813452775245, 9.044126998777}}},
        {"A1 L1 L3",
         {{84.26511869452, 10.8355611362, 55.73488130548},
          {15.73488130548, 2.953238839943, 124.2651186945}}},
        {"A1 A2 L3", {{5.785088487179, 6.894399988071, 90}}},
        {"L1 A2 L3", {{49.99389676902, 7.000625770565, 80.00610323098}}},
        {"A1 L2 L3", {{5.889787788271, 60.81944926613, 79.18055073387}}},
        {"L1 L2 L3", {{48.18968510422, 58.4118644948, 73.39845040098}}},
        {"A2 L2 L3",
         {{70.48070865292, 9.843074293523, 59.51929134708},
          {9.519291347075, 1.727102680835, 120.4807086529}}},
        {"A1 A3 L3", {{6.680044790717, 80, 10.23442238343}}},
        {"L1 A3 L3", {{42.34361264736, 77.65638735264, 10.15206734783}}},
        {"A2 A3 L3", {{70, 9.765572176192, 7.960967378027}}},
        {"L2 A3 L3", {{69.66403535712, 9.744562646538, 50.33596464288}}},
    };
    for (const Ruta& ruta : rutas) {
        std::array<std::string, 6> textos;
        for (unsigned k = 0; k < 6; ++k) {
            textos[k] =
                std::string(ruta.dados).find(nombres[k]) != std::string::npos ? valores[k] : "";
        }
        const std::vector<Medidas> v = Ventanas(textos);
        ASSERT_EQ(v.size(), ruta.halladas.size()) << ruta.dados;
        for (std::size_t s = 0; s < v.size(); ++s) {
            std::size_t n = 0;
            for (unsigned k = 0; k < 6; ++k) {
                const std::uint8_t i = static_cast<std::uint8_t>(k / 2 + 1);
                const double valor = k % 2 ? v[s].Lado(i) : Grados(v[s], i);
                const double esperado =
                    textos[k].empty() ? ruta.halladas[s][n++] : std::stod(textos[k]);
                EXPECT_NEAR(valor, esperado, 1e-11 * esperado)
                    << ruta.dados << ", field " << nombres[k];
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Messages: prompt, title and focus, and which check wins when several apply.

struct CasoMensaje {
    const char* nombre;
    std::array<std::string, 6> textos;
    const char* texto;
    const char* titulo;
    std::optional<Campo> foco;
    // Why there is no triangle, for the student; only that message has one.
    const char* motivo = "";
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
        {"a positive side too small for a double",
         {"", "3", "", "1e-400", "", "5"},
         "El lado 2 está fuera de rango.",
         kError,
         L(2)},
        {"a side below the smallest subnormal",
         {"", "2e-324", "", "4", "", "5"},
         "El lado 1 está fuera de rango.",
         kError,
         L(1)},
        {"a positive angle too small for a double",
         {"1e-400", "3", "", "4", "", "5"},
         "El ángulo 1 está fuera de rango.",
         kError,
         A(1)},
        {"a negative number too small for a double is negative",
         {"", "-1e-400", "", "4", "", "5"},
         "El lado 1 no puede ser negativo.",
         kError,
         L(1)},
        {"minus sign U+2212",
         {"", "\u22123", "", "4", "", "5"},
         "El lado 1 no puede ser negativo.",
         kError,
         L(1)},
        {"text that holds no number",
         {"30", "abc", "", "4", "", "5"},
         "El lado 1 no es un número.",
         kError,
         L(1)},
        {"no number wins over the count",
         {"abc", "3", "", "4", "", "5"},
         "El ángulo 1 no es un número.",
         kError,
         A(1)},
        {"a part of the angle that would be lost",
         {"", "3", "45°-30'", "4", "", ""},
         "El ángulo 2 no es un número.",
         kError,
         A(2)},
        {"no number in reading order before a negative",
         {"", "", "", "", "~37", "-5"},
         "El ángulo 3 no es un número.",
         kError,
         A(3)},
        {"a negative in reading order before no number",
         {"", "", "", "-5", "~37", ""},
         "El lado 2 no puede ser negativo.",
         kError,
         L(2)},
        {"out of range in reading order before no number",
         {"", "1e400", "x", "", "", ""},
         "El lado 1 está fuera de rango.",
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
         std::nullopt,
         "El lado 1, opuesto al ángulo 1, mide 0.5: es más corto que la altura que debe alcanzar, "
         "lado 3 × sen(ángulo 1) = 2 × sen 30º = 1, y no llega a cerrar el triángulo."},
        {"short of the height by a hair",
         {"30", "1", "", "2.0000000000000001", "", ""},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "El lado 1, opuesto al ángulo 1, mide 1: es más corto que la altura que debe alcanzar, "
         "lado 2 × sen(ángulo 1) = 2.0000000000000001 × sen 30º = 1.00000000000000005, y no "
         "llega a cerrar el triángulo."},
        {"short of an irrational height",
         {"45", "1", "", "1.41421356237309505", "", ""},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "El lado 1, opuesto al ángulo 1, mide 1: es más corto que la altura que debe alcanzar, "
         "lado 2 × sen(ángulo 1) = 1.41421356237309505 × sen 45º = 1.000000000000000001, y no "
         "llega a cerrar el triángulo."},
        {"sides that sum exactly",
         {"", "0.1", "", "0.2", "", "0.3"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "El lado 3 mide 0.3, y no es menor que la suma de los otros dos: 0.1 + 0.2 = 0.3. Cada "
         "lado de un triángulo es menor que la suma de los otros dos."},
        {"the longest side first",
         {"", "0.7", "", "0.1", "", "0.6"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "El lado 1 mide 0.7, y no es menor que la suma de los otros dos: 0.1 + 0.6 = 0.7. Cada "
         "lado de un triángulo es menor que la suma de los otros dos."},
        {"angles that sum exactly to a half turn",
         {"100.3", "", "79.7", "", "", "1"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "Los ángulos dados suman 100.3º + 79.7º = 180º, y los tres ángulos de un triángulo suman "
         "180º: no queda nada para el ángulo 3."},
        {"degrees and minutes that sum to a half turn",
         {"", "2", "45°20'", "", "134°40'", ""},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "Los ángulos dados suman 45.3333333333333º + 134.666666666667º = 180º, y los tres "
         "ángulos de un triángulo suman 180º: no queda nada para el ángulo 1."},
        {"an obtuse angle whose opposite side is the same",
         {"90", "1", "", "1", "", ""},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "El ángulo 1 mide 90º y no es agudo, así que el lado opuesto a él, el lado 1 (1), tendría "
         "que ser el mayor del triángulo; pero el lado 2 mide 1."},
        {"an obtuse angle at a tangent",
         {"150", "1", "", "2", "", ""},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "El ángulo 1 mide 150º y no es agudo, así que el lado opuesto a él, el lado 1 (1), "
         "tendría que ser el mayor del triángulo; pero el lado 2 mide 2."},
        {"degenerate sides",
         {"", "1", "", "2", "", "3"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "El lado 3 mide 3, y no es menor que la suma de los otros dos: 1 + 2 = 3. Cada lado de "
         "un triángulo es menor que la suma de los otros dos."},
        {"angles of 100 and 90",
         {"100", "", "90", "", "", "4"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "Los ángulos dados suman 100º + 90º = 190º, y los tres ángulos de un triángulo suman "
         "180º: no queda nada para el ángulo 3."},
        {"a given angle of 200 in the ambiguous case",
         {"200", "1", "", "", "", "2"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "El ángulo 1 mide 200º, y cada ángulo de un triángulo mide menos de 180º."},
        // The third side overflows the double range when scaled back.
        {"a result beyond the double range",
         {"89.99999", "", "90", "", "", "1e308"},
         "No hay solución para esos datos.",
         "Datos inválidos",
         std::nullopt,
         "Alguna medida de ese triángulo sería demasiado grande o demasiado pequeña para los "
         "números que el programa puede representar."},
    };
    for (const CasoMensaje& caso : casos) {
        const Respuesta r = Solicitar(caso.textos);
        EXPECT_EQ(r.mensaje, (Mensaje{caso.titulo, caso.texto, caso.foco, caso.motivo}))
            << caso.nombre;
        EXPECT_TRUE(r.soluciones.empty()) << caso.nombre;
    }
}

// ---------------------------------------------------------------------------
// Solutions.

TEST(Solicitud, SolvesThreeSidesWithTheRightAngleOppositeTheLongest) {
    const std::vector<Medidas> v = Ventanas({"", "3", "", "4", "", "5"});
    ASSERT_EQ(v.size(), 1U);
    EXPECT_NEAR(Grados(v[0], 1), 36.87, 0.01);
    EXPECT_NEAR(Grados(v[0], 2), 53.13, 0.01);
    EXPECT_EQ(v[0].Angulo(3), PiMedios);
}

TEST(Solicitud, OpensTheAcuteAmbiguousTriangleFirst) {
    const std::vector<Medidas> v = Ventanas({"30", "1.5", "", "", "", "2"});
    ASSERT_EQ(v.size(), 2U);
    EXPECT_NEAR(Grados(v[0], 3), 41.81, 0.01);
    EXPECT_NEAR(Grados(v[0], 2), 108.19, 0.01);
    EXPECT_NEAR(v[0].Lado(2), 2.850, 0.001);
    EXPECT_NEAR(Grados(v[1], 3), 138.19, 0.01);
    EXPECT_NEAR(Grados(v[1], 2), 11.81, 0.01);
    EXPECT_NEAR(v[1].Lado(2), 0.614, 0.001);
}

TEST(Solicitud, OpensOneWindowWhenTheSecondAmbiguousTriangleIsMissing) {
    const std::vector<Medidas> v = Ventanas({"30", "2", "", "", "", "1.5"});
    ASSERT_EQ(v.size(), 1U);
    EXPECT_NEAR(Grados(v[0], 3), 22.02, 0.01);
    EXPECT_NEAR(Grados(v[0], 2), 127.98, 0.01);
}

// ---------------------------------------------------------------------------
// Decimal data whose answer turns on exactness: the sum of the decimals
// typed, not of their doubles, decides whether there is a triangle, and the
// labels are cut from the triangle of the decimals. Each row: how many
// triangles, and for the first one the labels that the exact arithmetic
// fixes ("" where a label is not checked); angles 1 to 3, then sides 1 to 3.
// One or two of each family here; the precision tests draw hundreds of each
// (DecimalFamiliesGetTheAnswerOfTheDecimals).

struct CasoExacto {
    const char* nombre;
    prueba::Textos textos;
    std::size_t triangulos;
    std::array<const char*, 6> etiquetas{};  // null or "": not checked
};

TEST(Solicitud, AnswersForTheDecimalsTyped) {
    const CasoExacto casos[] = {
        // A side that is the sum of the other two.
        {"0.1 + 0.2 = 0.3", {"", "0.1", "", "0.2", "", "0.3"}, 0},
        {"four decimals", {"", "12.34", "", "0.0066", "", "12.3466"}, 0},
        {"a comma and a point", {"", "4,35", "", "1.15", "", "3.2"}, 0},
        {"longer by 1e-17", {"", "0.1", "", "0.2", "", "0.30000000000000001"}, 0},
        {"shorter by 1e-17: the same double as 0.3",
         {"", "0.1", "", "0.2", "", "0.29999999999999999"},
         1,
         {"", "", "", ".1", ".2", ".3"}},
        // Two angles that make a half turn, and small remainders.
        {"100.3 + 79.7 = 180", {"100.3", "", "79.7", "", "", "1"}, 0},
        {"in degrees and minutes", {"45°30'", "", "134°30'", "", "", "2"}, 0},
        {"a remainder of 1e-14",
         {"100.3", "", "79.69999999999999", "", "", "1"},
         1,
         {"100.3", "79.7", "1E-14", "", "", "1"}},
        {"a remainder of 0.1", {"50.3", "", "129.6", "", "", "1"}, 1, {"50.3", "129.6", ".1"}},
        {"a remainder of 0.01", {"10", "1", "169.99", "", "", ""}, 1, {"10", "169.99", ".01"}},
        {"a remainder of 0.109", {"140.891", "", "39", "", "", "1"}, 1, {"140.89", "39", ".109"}},
        {"a right angle left", {"30.1", "", "59.9", "", "", "1"}, 1, {"30.1", "59.9", "90"}},
        // Flat isosceles triangles: the two small angles are half of what
        // the large one leaves.
        {"179.9 between sides of 1",
         {"179.9", "", "", "1", "", "1"},
         1,
         {"179.9", ".05", ".05", "", "1", "1"}},
        {"179.998 as angle 2", {"", "2", "179.998", "", "", "2"}, 1, {".001", "179.99", ".001"}},
        {"179.9999 between sides of 0.001",
         {"179.9999", "", "", "0.001", "", "0.001"},
         1,
         {"179.99", "5E-05", "5E-05", "", ".001", ".001"}},
        // Tangents: only where the sine is rational, and then exactly.
        {"30, 5 and 10: one right triangle",
         {"30", "5", "", "10", "", ""},
         1,
         {"30", "90", "60", "5", "10", "8.6602"}},
        {"30 next to a tangent: two triangles",
         {"30", "0.5", "", "0.99999999999998477", "", ""},
         2},
        {"30 beyond a tangent by 1e-17", {"30", "1", "", "2.0000000000000001", "", ""}, 0},
        {"30 short of a tangent by 1e-17: the same doubles as a tangent",
         {"30", "1", "", "1.9999999999999999", "", ""},
         2},
        {"90 with the other side a hair shorter",
         {"90", "5", "", "4.9999999999999", "", ""},
         1,
         {"90", "89.999", "", "5", "4.9999", ""}},
        {"90 with equal sides", {"90", "1", "", "1", "", ""}, 0},
        {"150 at its tangent", {"150", "1", "", "2", "", ""}, 0},
        {"150 with a longer opposite side", {"150", "2", "", "1.9999999999999999", "", ""}, 1},
        {"45 beyond the tangent by 1e-18", {"45", "1", "", "1.41421356237309505", "", ""}, 0},
        {"45 short of the tangent by 1e-18: the same doubles",
         {"45", "1", "", "1.41421356237309504", "", ""},
         2},
        {"an obtuse angle never has a second triangle",
         {"120", "1", "", "0.99999999999999999", "", ""},
         1,
         {"120", "", "", "1", "1", ""}},
        // A needle of subnormal sides beside a normal one: a quotient of the
        // sides overflows a double, their triangles do not.
        {"a side of 0.0383 beside two of 1e-320", {"", "0.0383", "1e-320", "3.72e-320", "", ""}, 2},
    };
    for (const CasoExacto& caso : casos) {
        const std::vector<Solucion> s = prueba::Resueltos(caso.textos);
        ASSERT_EQ(s.size(), caso.triangulos) << caso.nombre;
        if (s.empty()) {
            continue;
        }
        const Etiquetas e = EtiquetasDe(s[0].precisa);
        for (std::size_t k = 0; k < 6; ++k) {
            if (caso.etiquetas[k] != nullptr && *caso.etiquetas[k] != '\0') {
                EXPECT_EQ(k < 3 ? e.angulos[k] : e.lados[k - 3], caso.etiquetas[k])
                    << caso.nombre << ", measure " << k;
            }
        }
        // Two triangles are two: they differ in the angle the sides leave open.
        if (s.size() == 2) {
            EXPECT_NE(s[0].precisa.Angulo(1) + s[0].precisa.Angulo(2) + s[0].precisa.Lado(3),
                      s[1].precisa.Angulo(1) + s[1].precisa.Angulo(2) + s[1].precisa.Lado(3))
                << caso.nombre;
        }
    }
}

struct CasoLectura {
    const char* nombre;
    std::array<std::string, 6> textos;
    std::array<std::string, 6> equivalentes;
};

TEST(Solicitud, ReadsFieldTextsByTheFieldRule) {
    const CasoLectura casos[] = {
        {"a 0 counts as not given", {"0", "3", "", "4", "", "5"}, {"", "3", "", "4", "", "5"}},
        {"blanks alone count as not given",
         {"30", " \t", "", "4", "", "5"},
         {"30", "", "", "4", "", "5"}},
        {"leading decimal comma",
         {"", ",5", "", ".5", "", ".7"},
         {"", "0.5", "", "0.5", "", "0.7"}},
        {"minutes without their mark",
         {"45°30", "", "", "4", "", "5"},
         {"45.5", "", "", "4", "", "5"}},
        {"digits past the kept ones",
         {"", "2.5" + std::string(800, '0') + "7", "", "3", "", "4"},
         {"", "2.5", "", "3", "", "4"}},
        {"decimal comma", {"", "2,5", "", "3cm", "", "4"}, {"", "2.5", "", "3", "", "4"}},
        {"degrees and minutes", {"45°30'", "", "", "4", "", "5"}, {"45.5", "", "", "4", "", "5"}},
        {"negative zero is not negative",
         {"-0", "3", "", "4", "", "5"},
         {"", "3", "", "4", "", "5"}},
        {"figure space is a blank",
         {"", "\u20073", "", "4\u2007", "", "5"},
         {"", "3", "", "4", "", "5"}},
    };
    for (const CasoLectura& caso : casos) {
        const std::vector<Medidas> v = Ventanas(caso.textos);
        const std::vector<Medidas> w = Ventanas(caso.equivalentes);
        ASSERT_EQ(v.size(), 1U) << caso.nombre;
        ASSERT_EQ(w.size(), 1U) << caso.nombre;
        EsperarIguales(v[0], w[0], caso.nombre);
    }
}

// Sides anywhere in the double range: scaling by a power of two is exact, so
// angles stay bit-identical and sides scale exactly.
TEST(Solicitud, SolvesAtAnyScaleOfSides) {
    const Medidas base = Ventanas({"", "3", "", "4", "", "5"}).at(0);
    for (const int k : {-1060, -1000, -600, -200, 200, 600, 1000, 1020}) {
        const auto texto = [k](double x) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%.17g", std::ldexp(x, k));
            return std::string(buffer);
        };
        const std::vector<Medidas> v = Ventanas({"", texto(3), "", texto(4), "", texto(5)});
        ASSERT_EQ(v.size(), 1U) << "2^" << k;
        for (std::uint8_t i = 1; i <= 3; ++i) {
            EXPECT_EQ(v[0].Angulo(i), base.Angulo(i)) << "2^" << k;
            EXPECT_EQ(v[0].Lado(i), std::ldexp(base.Lado(i), k)) << "2^" << k;
        }
    }
}

TEST(Solicitud, OpensAWindowForATinyTriangleWhoseProductUnderflows) {
    const std::vector<Medidas> v = Ventanas({"", "1e-200", "", "1e-200", "", "1e-200"});
    ASSERT_EQ(v.size(), 1U);
    EXPECT_NEAR(Grados(v[0], 1), 60, 1e-9);
}

TEST(Solicitud, SolvesSidesWhoseSquaresWouldOverflow) {
    const std::vector<Medidas> v = Ventanas({"90", "", "", "1e200", "", "1e200"});
    ASSERT_EQ(v.size(), 1U);
    EXPECT_NEAR(v[0].Lado(1) / 1e200, std::sqrt(2.0), 1e-12);
}

}  // namespace
}  // namespace pendra

namespace pendra {
namespace {

TEST(Solicitud, OpensOnlyTheAmbiguousTriangleWhoseSidesFitADouble) {
    // At 1e300 both triangles fit; at 1e308 the first one's third side
    // overflows, and only the second, obtuse one is shown.
    const std::vector<Medidas> ambos = Ventanas({"40", "1.6e300", "", "1.7e300", "", ""});
    ASSERT_EQ(ambos.size(), 2U);
    const std::vector<Medidas> v = Ventanas({"40", "1.6e308", "", "1.7e308", "", ""});
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
    // Only finiteness and sign: the data fixed the triangle, and no test of
    // closure could tell a thin triangle from the rounding of its angles.
    const CasoTriangulo casos[] = {
        {"3-4-5", {36.86989764584402, 53.13010235415598, 90, 3, 4, 5}, true},
        {"a missing measure", {36.86989764584402, 53.13010235415598, 0, 3, 4, 5}, false},
        {"a negative angle", {-1, 91, 90, 3, 4, 5}, false},
        {"an infinite side", {60, 60, 60, 1, 1, HUGE_VAL}, false},
        {"an undefined side", {60, 60, 60, 1, NAN, 1}, false},
        {"a thin triangle near the half turn", {Pi * r, 1e-9, 1e-9, 2, 1, 1}, true},
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
