// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A triangle's properties against a 113-bit reference, over seeded ordinary,
// needle, flat and extreme triangles, and the few cases worth checking by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "formato.h"
#include "funciones.h"
#include "propiedades.h"
#include "resolver.h"

namespace pendra {
namespace {

// 113 bits of precision and exponents far beyond a double's: squares and
// products of sides never leave its range.
using Q = __float128;

Q Abs(Q x) {
    return x < 0 ? -x : x;
}

// Newton's iteration from the double square root, scaled into a double's range.
Q Raiz(Q v) {
    if (v <= 0) {
        return 0;
    }
    Q escala = 1;
    for (; v > Q(0x1p+600); v *= Q(0x1p-600)) {
        escala *= Q(0x1p+300);
    }
    for (; v < Q(0x1p-600); v *= Q(0x1p+600)) {
        escala *= Q(0x1p-300);
    }
    Q y = std::sqrt(static_cast<double>(v));
    for (int i = 0; i < 3; ++i) {
        y = (y + v / y) / 2;
    }
    return y * escala;
}

Medidas Lados(double a, double b, double c) {
    Medidas m;
    m.Lado(1) = a;
    m.Lado(2) = b;
    m.Lado(3) = c;
    return m;
}

// The triangle the data fix, solved as a request solves it; none when they
// fix none.
std::optional<Solucion> Resuelto(const Datos& datos) {
    const Soluciones s = Resolver(datos);
    return s.empty() ? std::nullopt : std::optional<Solucion>(s[0]);
}

std::optional<Solucion> Resuelto(const Medidas& lados) {
    Datos datos;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        datos.Lado(i) = lados.Lado(i);
    }
    return Resuelto(datos);
}

// One value of the reference beside the program's, and how it is compared.
struct Par {
    std::string nombre;
    Valor valor;
    Q referencia;
    bool coordenada;
};

// The exact properties of three double sides, to about 1e-30: differences of
// doubles are exact at this precision, and no formula here cancels.
std::vector<Par> Comparar(const Medidas& m, const Propiedades& p) {
    const Q a = m.Lado(1), b = m.Lado(2), c = m.Lado(3);
    const Q l[3] = {a, b, c};
    const Q f1 = a + b + c;
    // Perimeter minus twice each side, the two longest sides subtracted first
    // so that even here nothing rounds away a needle's short side.
    Q g[3];
    int o[3] = {0, 1, 2};
    std::sort(o, o + 3, [&l](int i, int j) { return l[i] > l[j]; });
    g[o[0]] = l[o[2]] - (l[o[0]] - l[o[1]]);
    g[o[1]] = l[o[2]] + (l[o[0]] - l[o[1]]);
    g[o[2]] = l[o[0]] + (l[o[1]] - l[o[2]]);
    if (g[0] <= 0 || g[1] <= 0 || g[2] <= 0) {
        return {};  // no triangle: the sides do not close
    }
    const Q area = Raiz(f1 * g[0] * g[1] * g[2]) / 4;
    const Q u = (a * a + (c - b) * (c + b)) / (2 * a);
    const Q v = (a * a + (b - c) * (b + c)) / (2 * a);
    const Q h = 2 * area / a;
    const Q cosenoA = (g[0] * f1 - g[1] * g[2]) / 2;  // 2 b c cos(angle 1)
    std::vector<Par> pares{
        {"area", p.area, area, false},
        {"perimetro", p.perimetro, f1, false},
        {"radio inscrito", p.radioInscrito, 2 * area / f1, false},
        {"radio circunscrito", p.radioCircunscrito, a * b * c / (4 * area), false},
        {"vertice 1 x", p.vertices[0].x, u, true},
        {"vertice 1 y", p.vertices[0].y, h, true},
        {"vertice 3 x", p.vertices[2].x, a, true},
        {"baricentro x", p.baricentro.x, (a + u) / 3, true},
        {"baricentro y", p.baricentro.y, h / 3, true},
        {"incentro x", p.incentro.x, a * (u + c) / f1, true},
        {"incentro y", p.incentro.y, a * h / f1, true},
        {"circuncentro x", p.circuncentro.x, a / 2, true},
        {"circuncentro y", p.circuncentro.y, a * cosenoA / (8 * area), true},
        {"ortocentro x", p.ortocentro.x, u, true},
        {"ortocentro y", p.ortocentro.y, u * v / h, true},
    };
    for (int i = 0; i < 3; ++i) {
        const Q x = l[(i + 1) % 3], y = l[(i + 2) % 3];
        const std::string n = std::to_string(i + 1);
        pares.push_back({"altura " + n, p.alturas[i], 2 * area / l[i], false});
        pares.push_back(
            {"mediana " + n, p.medianas[i], Raiz((x - y) * (x - y) + g[i] * f1) / 2, false});
        pares.push_back(
            {"bisectriz " + n, p.bisectrices[i], Raiz(x * y * f1 * g[i]) / (x + y), false});
    }
    return pares;
}

// Sides from three angles in degrees, scaled by 2^escala.
Medidas PorAngulos(double A, double B, int escala) {
    const double g = 3.14159265358979323846 / 180;
    const double C = 180 - A - B;
    return Lados(std::ldexp(std::sin(A * g), escala), std::ldexp(std::sin(B * g), escala),
                 std::ldexp(std::sin(C * g), escala));
}

// Seeded triangles of one family: ordinary, needles (an angle down to 1e-300
// degrees), flat (the longest side short of the others' sum by a few units in
// its last place to a part in a million) and extreme (sides scaled to 2^-1070
// ... 2^1022).
Medidas AlAzar(int familia, std::mt19937_64& r) {
    using U = std::uniform_real_distribution<double>;
    using E = std::uniform_int_distribution<int>;
    const double b = U(0.001, 1)(r), c = U(0.5, 1)(r);
    switch (familia) {
        case 0:
            return PorAngulos(U(5, 85)(r), U(5, 85)(r), E(-10, 10)(r));
        case 1:
            return PorAngulos(U(1, 179)(r) * std::pow(10, -E(5, 300)(r)), U(1, 179)(r), 0);
        case 2:
            return Lados((b + c) * (1 - std::ldexp(U(1, 2)(r), -E(20, 52)(r))), b, c);
        default: {
            const double corto = b * std::pow(10, -E(0, 15)(r));
            const int k = E(-1070, 1022)(r);
            return Lados(std::ldexp(U(c - corto, c + corto)(r), k), std::ldexp(c, k),
                         std::ldexp(corto, k));
        }
    }
}

TEST(PropiedadesExactas, EveryValueIsWithin1e12OfTheExactOneOnOrdinaryThinAndExtremeTriangles) {
    for (int familia = 0; familia < 4; ++familia) {
        std::mt19937_64 azar(12);
        int fallos = 0;
        for (int n = 0; n < 3000 && fallos < 5; ++n) {
            const Medidas m = AlAzar(familia, azar);
            if (!(m.Lado(1) > 0 && m.Lado(2) > 0 && m.Lado(3) > 0)) {
                continue;
            }
            const Q mayor = std::max({m.Lado(1), m.Lado(2), m.Lado(3)});
            const std::optional<Solucion> solucion = Resuelto(m);
            if (!solucion) {
                // Sides that do not close fix no triangle, here as exactly.
                EXPECT_TRUE(Comparar(m, Propiedades{}).empty());
                continue;
            }
            for (const Par& par : Comparar(m, PropiedadesDe(*solucion))) {
                const Q magnitud = Abs(par.referencia);
                const bool fuera = magnitud > DBL_MAX ||
                                   (!par.coordenada && magnitud != 0 && magnitud < 0x1p-1030);
                const Q escala = par.coordenada ? std::max(magnitud, mayor) : magnitud;
                // A coordinate in the subnormal range is as close as a double gets.
                const Q tolerancia = escala * Q(1e-12) + (par.coordenada ? 0x1p-1074 : 0);
                const bool bien = fuera
                                      ? !par.valor
                                      : par.valor && Abs(*par.valor - par.referencia) <= tolerancia;
                if (!bien) {
                    ++fallos;
                    const auto t = [](double x) { return testing::PrintToString(x); };
                    ADD_FAILURE() << "family " << familia << ", sides " << t(m.Lado(1)) << " "
                                  << t(m.Lado(2)) << " " << t(m.Lado(3)) << ": " << par.nombre
                                  << " is " << (par.valor ? t(*par.valor) : "absent")
                                  << ", exactly " << t(static_cast<double>(par.referencia));
                }
            }
        }
    }
}

TEST(PropiedadesExactas, TextbookValuesAndKinds) {
    const Propiedades p = PropiedadesDe(*Resuelto(Lados(3, 4, 5)));
    EXPECT_EQ(p.area, 6.0);
    EXPECT_EQ(p.radioInscrito, 1.0);
    EXPECT_EQ(p.radioCircunscrito, 2.5);
    EXPECT_EQ(p.ortocentro.x, 3.0);  // at the right angle, angle 3's vertex (3, 0)
    EXPECT_EQ(p.ortocentro.y, 0.0);
    // 30-60-90 from two angles and the side between them.
    Datos treintaSesenta;
    treintaSesenta.Angulo(1) = 30;
    treintaSesenta.Lado(3) = 2;
    treintaSesenta.Angulo(2) = 60;
    const struct {
        const char* nombre;
        std::optional<Solucion> s;
        ClasePorAngulos angulos;
        ClasePorLados lados;
    } casos[] = {
        {"3-4-5", Resuelto(Lados(3, 4, 5)), ClasePorAngulos::Rectangulo, ClasePorLados::Escaleno},
        {"30-60-90", Resuelto(treintaSesenta), ClasePorAngulos::Rectangulo,
         ClasePorLados::Escaleno},
        {"1-1-1", Resuelto(Lados(1, 1, 1)), ClasePorAngulos::Acutangulo, ClasePorLados::Equilatero},
        {"3-2-3", Resuelto(Lados(3, 2, 3)), ClasePorAngulos::Acutangulo, ClasePorLados::Isosceles},
        {"2-3-4", Resuelto(Lados(2, 3, 4)), ClasePorAngulos::Obtusangulo, ClasePorLados::Escaleno},
        {"1-1-1.0000001", Resuelto(Lados(1, 1, 1.0000001)), ClasePorAngulos::Acutangulo,
         ClasePorLados::Isosceles},
    };
    for (const auto& caso : casos) {
        ASSERT_TRUE(caso.s) << caso.nombre;
        const Propiedades p = PropiedadesDe(*caso.s);
        EXPECT_EQ(Nombre(p.porAngulos), Nombre(caso.angulos)) << caso.nombre;
        EXPECT_EQ(Nombre(p.porLados), Nombre(caso.lados)) << caso.nombre;
    }
    EXPECT_EQ(TextoValor(std::nullopt), "fuera de rango");
    EXPECT_EQ(TextoValor(1.0 / 3), "0.3333333333");
    EXPECT_EQ(TextoValor(123456789012.0), "1.23456789E+11");
}

}  // namespace
}  // namespace pendra
