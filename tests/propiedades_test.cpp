// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Properties that every solution must have, over seeded random triangles and
// random field texts. The seeds are fixed, so every run checks the same cases.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "exacto.h"
#include "formato.h"
#include "funciones.h"
#include "propiedades.h"
#include "solicitar.h"
#include "solicitud.h"

namespace pendra {
namespace {

using prueba::Solicitar;
using prueba::Ventanas;

std::string Texto(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

// A random triangle that is not too close to degenerate, by its three sides.
std::array<double, 3> LadosAlAzar(std::mt19937_64& azar) {
    std::uniform_real_distribution<double> angulo(8.0, 160.0);
    std::uniform_real_distribution<double> escala(-3.0, 3.0);
    double A = 0, B = 0;
    do {
        A = angulo(azar);
        B = angulo(azar);
    } while (A + B > 172.0);
    const double C = 180.0 - A - B;
    const double k = std::pow(10.0, escala(azar));
    const double g = 3.141592653589793 / 180;
    return {k * std::sin(A * g), k * std::sin(B * g), k * std::sin(C * g)};
}

// Each length and coordinate of the properties with the power of the sides'
// scale it goes with: 2 for the area, 1 for the rest.
std::vector<std::pair<Valor, int>> Longitudes(const Propiedades& p) {
    std::vector<std::pair<Valor, int>> v = {
        {p.area, 2}, {p.perimetro, 1}, {p.radioInscrito, 1}, {p.radioCircunscrito, 1}};
    for (const auto* tres : {&p.alturas, &p.medianas, &p.bisectrices}) {
        for (const Valor& x : *tres) {
            v.emplace_back(x, 1);
        }
    }
    for (const Punto& q : {p.vertices[0], p.vertices[1], p.vertices[2], p.baricentro, p.incentro,
                           p.circuncentro, p.ortocentro}) {
        v.emplace_back(q.x, 1);
        v.emplace_back(q.y, 1);
    }
    return v;
}

void EsperarTriangulo(const Medidas& m, const std::string& caso) {
    ASSERT_TRUE(EsTriangulo(m)) << caso;
    double suma = 0;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        suma += m.Angulo(i);
        EXPECT_LT(m.Angulo(i), Pi) << caso;
    }
    EXPECT_NEAR(suma, Pi, 1e-12) << caso;
    // The law of sines.
    const double r1 = m.Lado(1) / std::sin(m.Angulo(1));
    for (std::uint8_t i = 2; i <= 3; ++i) {
        EXPECT_NEAR(m.Lado(i) / std::sin(m.Angulo(i)) / r1, 1.0, 1e-9) << caso;
    }
}

bool Parecidos(const Medidas& x, const Medidas& y, double tolerancia) {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (std::fabs(x.Angulo(i) - y.Angulo(i)) > tolerancia ||
            std::fabs(x.Lado(i) / y.Lado(i) - 1) > tolerancia) {
            return false;
        }
    }
    return true;
}

TEST(Propiedades, EverySolutionIsATriangleThatSolvingAgainGivesBack) {
    std::mt19937_64 azar(20261207);
    for (int n = 0; n < 1500; ++n) {
        const auto lados = LadosAlAzar(azar);
        const std::vector<Medidas> v =
            Ventanas({"", Texto(lados[0]), "", Texto(lados[1]), "", Texto(lados[2])});
        const std::string caso =
            "sides " + Texto(lados[0]) + " " + Texto(lados[1]) + " " + Texto(lados[2]);
        ASSERT_EQ(v.size(), 1U) << caso;
        const Medidas& t = v[0];
        EsperarTriangulo(t, caso);

        // Any other three measures, except the three angles, give it back.
        for (unsigned mascara = 0; mascara < 64; ++mascara) {
            if (std::popcount(mascara) != 3 || mascara == 0b010101 || mascara == 0b101010) {
                continue;
            }
            std::array<std::string, 6> textos;
            for (std::uint8_t i = 1; i <= 3; ++i) {
                const unsigned a = 2U * (i - 1U);
                textos[a] = (mascara >> a & 1U) ? Texto(t.Angulo(i) / RadPorGrado) : "";
                textos[a + 1] = (mascara >> (a + 1) & 1U) ? Texto(t.Lado(i)) : "";
            }
            const std::vector<Medidas> otra = Ventanas(textos);
            const std::string subcaso = caso + ", given mask " + std::to_string(mascara);
            ASSERT_FALSE(otra.empty()) << subcaso;
            bool encontrado = false;
            for (const Medidas& m : otra) {
                EsperarTriangulo(m, subcaso);
                encontrado = encontrado || Parecidos(m, t, 1e-6);
            }
            EXPECT_TRUE(encontrado) << subcaso;
        }
    }
}

TEST(Propiedades, ScalingTheSidesByAPowerOfTwoScalesTheResultsExactly) {
    std::mt19937_64 azar(7);
    std::uniform_int_distribution<int> exponente(-1000, 1000);
    std::uniform_real_distribution<double> angulo(5.0, 80.0);
    for (int n = 0; n < 2000; ++n) {
        const auto lados = LadosAlAzar(azar);
        const std::string a = Texto(angulo(azar));
        const int k = exponente(azar);
        // Each case in turn: sides only, two sides and an angle, one side.
        const unsigned caso = static_cast<unsigned>(n % 4);
        const auto campos = [&](int escala) {
            // The double's own decimal, every digit of it: a shorter text would
            // be another number once scaled, and the answer is the text's.
            const auto l = [&](int i) {
                return TextoExacto(NumeroExacto(std::ldexp(lados[i], escala)), 800);
            };
            switch (caso) {
                case 0:
                    return std::array<std::string, 6>{"", l(0), "", l(1), "", l(2)};
                case 1:
                    return std::array<std::string, 6>{a, "", "", l(1), "", l(2)};
                case 2:
                    return std::array<std::string, 6>{a, l(0), "", "", "", l(2)};
                default:
                    return std::array<std::string, 6>{a, "", "40", l(1), "", ""};
            }
        };
        const Respuesta respuestaBase = Solicitar(campos(0));
        const Respuesta respuestaEscalada = Solicitar(campos(k));
        const std::vector<Medidas> base = Ventanas(campos(0));
        const std::vector<Medidas> escalado = Ventanas(campos(k));
        ASSERT_EQ(base.size(), escalado.size()) << "case " << caso << ", 2^" << k;
        // The properties go with them: by 2^k, and the area by 2^2k, to the
        // bit wherever that is a normal double; past the range, absent.
        for (std::size_t s = 0; s < base.size(); ++s) {
            const auto antes = Longitudes(PropiedadesDe(respuestaBase.soluciones[s]));
            const auto despues = Longitudes(PropiedadesDe(respuestaEscalada.soluciones[s]));
            for (std::size_t j = 0; j < antes.size(); ++j) {
                if (!antes[j].first) {
                    continue;
                }
                const double esperado = std::ldexp(*antes[j].first, antes[j].second * k);
                if (std::isnormal(esperado)) {
                    EXPECT_EQ(despues[j].first, esperado)
                        << "case " << caso << ", 2^" << k << ", value " << j;
                } else if (std::isinf(esperado)) {
                    EXPECT_FALSE(despues[j].first)
                        << "case " << caso << ", 2^" << k << ", value " << j;
                }
            }
        }
        for (std::size_t s = 0; s < base.size(); ++s) {
            for (std::uint8_t i = 1; i <= 3; ++i) {
                EXPECT_EQ(escalado[s].Angulo(i), base[s].Angulo(i))
                    << "case " << caso << ", 2^" << k;
                EXPECT_EQ(escalado[s].Lado(i), std::ldexp(base[s].Lado(i), k))
                    << "case " << caso << ", 2^" << k;
            }
        }
    }
}

// Field texts made of the characters that matter to the reader, at every
// magnitude: whatever comes back is a real triangle or one message, and no
// label shows an undefined value.
TEST(Propiedades, AnyFieldTextsEndInOneMessageOrRealTriangles) {
    std::mt19937_64 azar(42);
    const std::vector<std::string> piezas = {"",         "",
                                             "",         "0",
                                             "-0",       "1",
                                             "3",        "45",
                                             "90",       "180",
                                             "359",      "179.9999999",
                                             "1e-310",   "1e-200",
                                             "1e-30",    "1e30",
                                             "1e200",    "1.7e308",
                                             "1e400",    "-2",
                                             ".5",       "e",
                                             "1 2",      "abc",
                                             "2,5",      "89.99999999999999",
                                             "0.0000001"};
    std::uniform_int_distribution<std::size_t> elegir(0, piezas.size() - 1);
    for (int n = 0; n < 20000; ++n) {
        std::array<std::string, 6> textos;
        for (std::string& t : textos) {
            t = piezas[elegir(azar)];
        }
        const Respuesta r = Solicitar(textos);
        if (r.soluciones.empty()) {
            EXPECT_TRUE(r.mensaje);
            continue;
        }
        EXPECT_FALSE(r.mensaje);
        for (const Solucion& s : r.soluciones) {
            ASSERT_TRUE(EsTriangulo(s));
            const Etiquetas e = EtiquetasDe(s.precisa);
            for (std::uint8_t i = 1; i <= 3; ++i) {
                // A very flat triangle's largest angle may round to the half turn.
                EXPECT_LE(s.medidas.Angulo(i), Pi);
                for (const std::string& etiqueta :
                     {e.angulos[PosicionMedida(i)], e.lados[PosicionMedida(i)]}) {
                    EXPECT_EQ(etiqueta.find_first_not_of("0123456789.E+-"), std::string::npos)
                        << etiqueta;
                    EXPECT_LE(etiqueta.size(), 16U) << etiqueta;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pendra
