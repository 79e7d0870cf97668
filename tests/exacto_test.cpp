// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exacto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "texto.h"

namespace pendra {
namespace {

NumeroExacto Numero(const std::string& texto) {
    return LeerCampo(texto, TipoCampo::Angulo).exacto;
}

// A sum of typed numbers, exactly, rounded once: against values worked out
// by hand, ties and sums that vanish included.
TEST(Sumar, RoundsTheExactSumOnce) {
    struct Caso {
        const char* nombre;
        double constante;
        std::vector<std::pair<int, std::string>> terminos;
        double valor;
        int signo;
    };
    const Caso casos[] = {
        {"0.1 + 0.2 is the double of 0.3", 0, {{1, "0.1"}, {1, "0.2"}}, 0.3, 1},
        {"0.1 + 0.2 - 0.3 vanishes", 0, {{1, "0.1"}, {1, "0.2"}, {-1, "0.3"}}, 0, 0},
        {"180 - 100.3 - 79.7 vanishes", 180, {{-1, "100.3"}, {-1, "79.7"}}, 0, 0},
        {"180 - 179.9 is the double of 0.1", 180, {{-1, "179.9"}}, 0.1, 1},
        {"180 - 50.3 - 129.6", 180, {{-1, "50.3"}, {-1, "129.6"}}, 0.1, 1},
        {"90 - 30.1 - 59.9 vanishes", 90, {{-1, "30.1"}, {-1, "59.9"}}, 0, 0},
        {"degrees and minutes", 180, {{-1, "45°20'"}, {-1, "134°40'"}}, 0, 0},
        {"a third of a minute left", 180, {{-1, "45°20'"}, {-1, "134°39'40\""}}, 1.0 / 180, 1},
        {"below zero", 0, {{1, "0.1"}, {1, "0.2"}, {-1, "0.30000000000000001"}}, -1e-17, -1},
        {"a tie rounds to even", 0, {{1, "9007199254740992"}, {1, "1"}}, 9007199254740992, 1},
        {"past a tie rounds up",
         0,
         {{1, "9007199254740992"}, {1, "1"}, {1, "0.000001"}},
         9007199254740994,
         1},
        {"a tie of the next binade rounds to even",
         0,
         {{1, "9007199254740994"}, {1, "1"}},
         9007199254740996,
         1},
        {"a difference of tiny numbers",
         0,
         {{1, "1.0000000000000000000001e-300"}, {-1, "1e-300"}},
         1e-322,
         1},
        {"a difference below the least double keeps its sign",
         0,
         {{1, "1.00000000000000000000000000000001e-300"}, {-1, "1e-300"}},
         0,
         1},
        {"long digits", 0, {{1, "0.1" + std::string(60, '0') + "1"}, {-1, "0.1"}}, 1e-62, 1},
    };
    for (const Caso& caso : casos) {
        std::vector<NumeroExacto> numeros;
        for (const auto& t : caso.terminos) {
            numeros.push_back(Numero(t.second));
        }
        const auto termino = [&](std::size_t k) {
            return Termino{caso.terminos[k].first, &numeros[k]};
        };
        SumaExactaRedondeada suma;
        if (numeros.size() == 1) {
            suma = Sumar(caso.constante, {termino(0)});
        } else if (numeros.size() == 2) {
            suma = Sumar(caso.constante, {termino(0), termino(1)});
        } else {
            suma = Sumar(caso.constante, {termino(0), termino(1), termino(2)});
        }
        EXPECT_EQ(suma.valor, caso.valor) << caso.nombre;
        EXPECT_EQ(suma.signo, caso.signo) << caso.nombre;
    }
}

TEST(TextoExacto, WritesTheExactDecimal) {
    struct Caso {
        NumeroExacto numero;
        const char* texto;
    };
    const Caso casos[] = {
        {SumaExactaDe(Numero("0.1"), Numero("0.2")), "0.3"},
        {SumaExactaDe(Numero("100.3"), Numero("79.7")), "180"},
        {SumaExactaDe(Numero("180"), Numero("179.9"), -1), "0.1"},
        {Numero("45°30'"), "45.5"},
        {Numero("45°20'"), "45.3333333333333"},
        {Numero("0.0000001"), "1E-07"},
        {Numero("1.25e-300"), "1.25E-300"},
        {Numero("1234567890123456789012"), "1.234567890123456789012E+21"},
        {Numero("12345678901234567890"), "12345678901234567890"},
        {SumaExactaDe(Numero("0.1"), Numero("0.0000000000000000000000000001")),
         "0.1000000000000000000000000001"},
        {MitadExacta(Numero("2.0000000000000001")), "1.00000000000000005"},
        {NumeroExacto(0x1p-20), "9.5367431640625E-07"},
        {NumeroExacto(0.1), "0.1"},  // 55 digits: rounded to 15
        {Numero("1000000000000000000000000000000000000007"),
         "1.000000000000000000000000000000000000007E+39"},
        {Numero("9°59'59.99999999999999999''"), "10"},  // rounded up into a digit more
        {Numero("0°0'0.00000000000000000001''"), "2.77777777777778E-24"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(TextoExacto(caso.numero), caso.texto);
    }
}

TEST(TextoAlturaMayor, TakesTheFewestDigitsThatStayAboveTheSide) {
    EXPECT_EQ(TextoAlturaMayor(Numero("1.41421356237309505"), Numero("45"), Numero("1")),
              "1.000000000000000001");
    EXPECT_EQ(TextoAlturaMayor(Numero("3"), Numero("30"), Numero("1.4")), "1.5");
    EXPECT_EQ(TextoAlturaMayor(Numero("2"), Numero("60"), Numero("1.7320508")), "1.732050808");
}

}  // namespace
}  // namespace pendra
