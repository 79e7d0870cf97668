// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The solutions shown against a reference in 320-bit MPFR arithmetic, over
// requests users tried and seeded sweeps of needles, flat triangles, tangent
// cases and extreme magnitudes: the count of triangles, every number to one
// part in a billion and every label to one unit of its last digit.

#include <gtest/gtest.h>
#include <mpreal.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "casos_dificiles.h"
#include "doble.h"
#include "elementales.h"
#include "formato.h"
#include "funciones.h"
#include "propiedades.h"
#include "solicitar.h"

namespace pendra {
namespace {

using Mp = mpfr::mpreal;

struct Verdad {
    std::array<Mp, 3> angulo;  // radians
    std::array<Mp, 3> lado;
};

Mp PiVerdadero() {
    return mpfr::const_pi();
}

// The angle opposite side i: atan2(4K, b² + c² - a²), the area K by Heron's
// formula on the sorted sides.
Mp AnguloDeLados(const Verdad& t, int i) {
    const Mp& a = t.lado[i];
    const Mp& b = t.lado[(i + 1) % 3];
    const Mp& c = t.lado[(i + 2) % 3];
    std::array<Mp, 3> s = t.lado;
    std::sort(s.begin(), s.end(), std::greater<>());
    const Mp k4 = sqrt((s[0] + (s[1] + s[2])) * (s[2] - (s[0] - s[1])) * (s[2] + (s[0] - s[1])) *
                       (s[0] + (s[1] - s[2])));
    return atan2(k4, b * b + c * c - a * a);
}

// Every triangle the six field texts fix (tab order, degrees, empty for a
// missing measure), read as the exact decimals they write; at 320 bits
// nothing the data can express cancels, and a sine of 1 is a tangent only
// where sin A is rational (30, 90 and 150 degrees).
std::vector<Verdad> Referencia(const std::array<std::string, 6>& textos) {
    std::array<Mp, 6> dados;
    for (int k = 0; k < 6; ++k) {
        dados[k] = textos[k].empty() ? Mp(0) : Mp(textos[k]);
    }
    Verdad t;
    std::vector<int> angulos;
    std::vector<int> lados;
    for (int i = 0; i < 3; ++i) {
        t.angulo[i] = dados[2 * i] * PiVerdadero() / 180;
        t.lado[i] = dados[2 * i + 1];
        if (dados[2 * i] > 0) {
            angulos.push_back(i);
        }
        if (dados[2 * i + 1] > 0) {
            lados.push_back(i);
        }
    }
    const auto resto = [](Verdad& v, int i) {
        v.angulo[i] = PiVerdadero() - v.angulo[(i + 1) % 3] - v.angulo[(i + 2) % 3];
    };
    if (angulos.empty()) {
        std::array<Mp, 3> o = t.lado;
        std::sort(o.begin(), o.end());
        // A sum of decimals that is exactly 0 leaves less than 2^-300 of
        // rounding at 320 bits; one that is not, far more.
        if (!(o[0] - (o[2] - o[1]) > o[2] * Mp("1e-80"))) {
            return {};
        }
        for (int i = 0; i < 3; ++i) {
            t.angulo[i] = AnguloDeLados(t, i);
        }
        return {t};
    }
    if (angulos.size() == 2) {
        const int r = 3 - angulos[0] - angulos[1];
        resto(t, r);
        if (!(180 - dados[2 * angulos[0]] - dados[2 * angulos[1]] > Mp("1e-80"))) {
            return {};
        }
        const Mp diametro = t.lado[lados[0]] / sin(t.angulo[lados[0]]);
        for (int i = 0; i < 3; ++i) {
            t.lado[i] = diametro * sin(t.angulo[i]);
        }
        return {t};
    }
    const int q = angulos[0];
    if (!(dados[2 * q] < 180)) {
        return {};
    }
    if (dados[2 * q + 1] == 0) {  // two sides and the angle between them
        const Mp& b = t.lado[(q + 1) % 3];
        const Mp& c = t.lado[(q + 2) % 3];
        const Mp h = sin(t.angulo[q] / 2);
        t.lado[q] = sqrt((b - c) * (b - c) + 4 * b * c * h * h);
        t.angulo[(q + 1) % 3] = AnguloDeLados(t, (q + 1) % 3);
        resto(t, (q + 2) % 3);
        return {t};
    }
    // Two sides and an angle opposite one of them.
    const int p = lados[0] == q ? lados[1] : lados[0];
    const int r = 3 - p - q;
    const Mp s = t.lado[p] * sin(t.angulo[q]) / t.lado[q];
    const auto completar = [&](const Mp& anguloP) {
        Verdad v = t;
        v.angulo[p] = anguloP;
        resto(v, r);
        // From side p, whose angle is a right one at a tangent.
        v.lado[r] = v.lado[p] * sin(v.angulo[r]) / sin(v.angulo[p]);
        return v;
    };
    const bool agudo = dados[2 * q] < 90;
    if (abs(s - 1) < Mp("1e-80")) {
        if (!agudo) {
            return {};
        }
        return {completar(PiVerdadero() / 2)};
    }
    if (s > 1) {
        return {};
    }
    std::vector<Verdad> v;
    // An obtuse given angle needs the longer side opposite it; an acute one
    // has a second triangle when that side is the shorter.
    if (agudo || dados[2 * p + 1] < dados[2 * q + 1]) {
        v.push_back(completar(asin(s)));
    }
    if (agudo && dados[2 * p + 1] > dados[2 * q + 1]) {
        v.push_back(completar(PiVerdadero() - asin(s)));
    }
    return v;
}

// A label is cut, not rounded: its value lies within one unit of its last
// digit of the truth.
bool EtiquetaCorrecta(const std::string& e, double verdad) {
    const std::size_t exponente = e.find('E');
    const std::size_t punto = e.find('.');
    const int decimales =
        punto == std::string::npos ? 0 : int(std::min(exponente, e.size()) - punto - 1);
    const int potencia = exponente == std::string::npos ? 0 : std::atoi(e.c_str() + exponente + 1);
    return std::fabs(std::strtod(e.c_str(), nullptr) - verdad) <=
           std::pow(10.0, potencia - decimales) * (1 + 1e-9);
}

// The properties of the true triangle, each beside the program's, with the
// scale its error is measured against: its own size, or for a coordinate the
// larger of that and the longest side.
struct ParPropiedad {
    const char* nombre;
    Valor valor;
    Mp verdad;
    bool coordenada;
};

std::vector<ParPropiedad> PropiedadesVerdaderas(const Verdad& t, const Propiedades& p) {
    const Mp &a = t.lado[0], &b = t.lado[1], &c = t.lado[2];
    const Mp perimetro = a + b + c;
    const Mp area = b * c * sin(t.angulo[0]) / 2;
    const Mp radio = a / (2 * sin(t.angulo[0]));
    const Mp u = c * cos(t.angulo[1]);
    const Mp y = c * sin(t.angulo[1]);
    std::vector<ParPropiedad> pares = {
        {"area", p.area, area, false},
        {"perimeter", p.perimetro, perimetro, false},
        {"inradius", p.radioInscrito, 2 * area / perimetro, false},
        {"circumradius", p.radioCircunscrito, radio, false},
        {"apex x", p.vertices[0].x, u, true},
        {"apex y", p.vertices[0].y, y, true},
        {"centroid x", p.baricentro.x, (a + u) / 3, true},
        {"centroid y", p.baricentro.y, y / 3, true},
        {"incentre x", p.incentro.x, (a * u + c * a) / perimetro, true},
        {"incentre y", p.incentro.y, a * y / perimetro, true},
        {"circumcentre y", p.circuncentro.y, radio * cos(t.angulo[0]), true},
        {"orthocentre y", p.ortocentro.y, u * (a - u) / y, true},
    };
    for (int i = 0; i < 3; ++i) {
        const Mp& x = t.lado[(i + 1) % 3];
        const Mp& z = t.lado[(i + 2) % 3];
        pares.push_back({"height", p.alturas[i], 2 * area / t.lado[i], false});
        pares.push_back({"median", p.medianas[i],
                         sqrt(2 * x * x + 2 * z * z - t.lado[i] * t.lado[i]) / 2, false});
        pares.push_back(
            {"bisector", p.bisectrices[i], 2 * x * z * cos(t.angulo[i] / 2) / (x + z), false});
    }
    return pares;
}

// The first property further than 1e-12 from the truth, or an empty text. A
// value beyond what a double holds (or, for a length, below 2^-1030) must be
// absent.
std::string CotejarPropiedades(const Verdad& t, const Propiedades& p) {
    const Mp mayor = max(t.lado[0], max(t.lado[1], t.lado[2]));
    for (const ParPropiedad& par : PropiedadesVerdaderas(t, p)) {
        const Mp magnitud = abs(par.verdad);
        const bool fuera =
            magnitud > DBL_MAX || (!par.coordenada && magnitud != 0 && magnitud < Mp(0x1p-1030));
        const Mp escala = par.coordenada ? max(magnitud, mayor) : magnitud;
        const bool bien = fuera ? !par.valor
                                : par.valor && abs(Mp(*par.valor) - par.verdad) <=
                                                   escala * Mp(1e-12) + Mp(0x1p-1074);
        if (!bien) {
            char texto[160];
            std::snprintf(texto, sizeof texto, ": %s is %.17g, true %.17g", par.nombre,
                          par.valor ? *par.valor : NAN, par.verdad.toDouble());
            return texto;
        }
    }
    return {};
}

struct Cotejo {
    std::string fallo;  // empty when all is right
    int triangulos = 0;
    double peor = 0;  // the largest relative error of a number shown
};

Cotejo Cotejar(const std::array<std::string, 6>& textos) {
    std::string caso;
    for (int k = 0; k < 6; ++k) {
        caso += " \"" + textos[k] + "\"";
    }
    const std::vector<Verdad> verdad = Referencia(textos);
    const std::vector<Solucion> resueltos = prueba::Resueltos(textos);
    std::vector<Medidas> v;
    for (const Solucion& s : resueltos) {
        v.push_back(s.medidas);
    }
    Cotejo cotejo;
    if (v.size() != verdad.size()) {
        cotejo.fallo = caso + ": " + std::to_string(v.size()) + " triangles, the data fix " +
                       std::to_string(verdad.size());
    }
    for (std::size_t k = 0; k < v.size() && cotejo.fallo.empty(); ++k, ++cotejo.triangulos) {
        for (std::uint8_t i = 1; i <= 3; ++i) {
            const double angulo = verdad[k].angulo[i - 1].toDouble();
            const double lado = verdad[k].lado[i - 1].toDouble();
            const double error = std::max(std::fabs(v[k].Angulo(i) / angulo - 1),
                                          std::fabs(v[k].Lado(i) / lado - 1));
            cotejo.peor = std::max(cotejo.peor, error);
            const Etiquetas etiquetas = EtiquetasDe(resueltos[k].precisa);
            if (!(error <= 1e-9) ||
                !EtiquetaCorrecta(etiquetas.angulos[i - 1], angulo * 180 / std::numbers::pi) ||
                !EtiquetaCorrecta(etiquetas.lados[i - 1], lado)) {
                char texto[200];
                std::snprintf(texto, sizeof texto,
                              ", solution %zu, index %d: %.17g and %.17g, true %.17g and %.17g",
                              k + 1, i, v[k].Angulo(i), v[k].Lado(i), angulo, lado);
                cotejo.fallo = caso + texto;
            }
        }
        if (const std::string propiedad =
                CotejarPropiedades(verdad[k], PropiedadesDe(resueltos[k]));
            cotejo.fallo.empty() && !propiedad.empty()) {
            cotejo.fallo = caso + ", solution " + std::to_string(k + 1) + propiedad;
        }
    }
    return cotejo;
}

class Precision : public testing::Test {
protected:
    static void SetUpTestSuite() { Mp::set_default_prec(320); }
};

TEST_F(Precision, SolvesThinFlatAndTangentRequestsAsTheReferenceDoes) {
    const std::array<std::string, 6> casos[] = {
        // Refused or mislabelled once.
        {"", "825.9316146", "5.102989e-11", "", "", "889.6435504278705"},
        {"", "3.5138159460106695", "", "13.000484736634583", "", "9.486668790625213"},
        {"179.999999999", "", "", "1", "", "1"},
        {"", "1", "", "1", "", "1e-10"},
        {"0.0000001", "", "", "1", "", "1"},
        {"120.50667259572155", "", "59.49332740427835", "84.58361", "", ""},
        {"", "1.029551427904389", "", "1.9582268538307106e-08", "", "1.0295514293315855"},
        {"48.371505", "6", "", "6", "", ""},
        {"179.99999999999974", "", "", "1", "", "1"},
        {"3.5e-75", "120.58", "", "98.75", "", ""},
        {"", "", "3.1133434384262536e-14", "58.2732736415951", "", "94.461325"},
        {"", "", "48.863577732", "47.3023", "6.7759616149942228e-172", ""},
        {"", "60.93654274758", "179.9999999", "", "", "50"},
        {"", "1e-300", "", "1e-300", "", "1e-310"},
        // An isosceles needle whose classic arc sine is taken next to 1.
        {"0.000773620583231613", "", "", "100.6736705347092", "", "100.6736705347092"},
        // Tangents: 30 degrees, 5 and 10 touch at one right angle.
        {"30", "5", "", "10", "", ""},
        {"", "1", "", "2", "30.000000000001", ""},
        {"", "1", "", "2", "30.00000001", ""},
        {"90", "1", "", "1", "", ""},
        // Properties of thin triangles once taken from their rounded sides.
        {"", "2", "158", "", "", "3.949e+10"},
        {"0.08262280812383392", "930.3016447229642", "", "48", "", ""},
        {"", "5.514e-28", "", "89.787398", "179.098302", ""},
    };
    for (const auto& textos : casos) {
        EXPECT_EQ(Cotejar(textos).fallo, "");
    }
}

// Textbook triangles, given each way a student gives them, read with their
// true digits: no right angle labelled 89.999º, no side of 1 labelled .99999.
TEST_F(Precision, LabelsTextbookTrianglesWithTheirTrueDigits) {
    const struct {
        std::array<std::string, 6> textos;
        std::array<const char*, 6> etiquetas;  // angles 1 to 3, then sides 1 to 3
    } casos[] = {
        {{"60", "", "60", "1", "", ""}, {"60", "60", "60", "1", "1", "1"}},
        {{"60", "1", "60", "", "", ""}, {"60", "60", "60", "1", "1", "1"}},
        {{"", "1", "", "1", "", "1"}, {"60", "60", "60", "1", "1", "1"}},
        {{"", "3", "", "4", "", "5"}, {"36.869", "53.130", "90", "3", "4", "5"}},
        {{"", "5", "", "12", "", "13"}, {"22.619", "67.380", "90", "5", "12", "13"}},
        {{"", "3", "", "4", "90", ""}, {"36.869", "53.130", "90", "3", "4", "5"}},
        {{"30", "1", "", "", "", "2"}, {"30", "60", "90", "1", "1.7320", "2"}},
        {{"30", "1", "60", "", "", ""}, {"30", "60", "90", "1", "1.7320", "2"}},
        {{"", "1", "", "1", "90", ""}, {"45", "45", "90", "1", "1", "1.4142"}},
        {{"45", "", "45", "", "", "1.4142135623730951"}, {"45", "45", "90", "1", "1", "1.4142"}},
        // The remainder of two typed angles, not a unit of its last digit below.
        {{"140.891", "", "39", "", "", "1"}, {"140.89", "39", ".109", "331.57", "330.80", "1"}},
    };
    for (const auto& caso : casos) {
        const std::vector<Solucion> s = prueba::Resueltos(caso.textos);
        ASSERT_EQ(s.size(), 1U) << caso.textos[0] << " " << caso.textos[1];
        const Etiquetas e = EtiquetasDe(s[0].precisa);
        const std::array<std::string, 6> leidas = {e.angulos[0], e.angulos[1], e.angulos[2],
                                                   e.lados[0],   e.lados[1],   e.lados[2]};
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(leidas[k], caso.etiquetas[k])
                << "request " << caso.textos[0] << "|" << caso.textos[1] << "|" << caso.textos[2]
                << "|" << caso.textos[3] << "|" << caso.textos[4] << "|" << caso.textos[5];
        }
        EXPECT_EQ(Cotejar(caso.textos).fallo, "");
    }
}

std::string Texto(double x);

// The double-double sine in units of a degree's radian, within 2^-65 of the
// true value (beyond the 64 bits of an x87 long double), from the tiniest
// angle to the right angle.
TEST_F(Precision, SinesOfDegreesAreGoodToTheirBounds) {
    const double grados[] = {
        4.9406564584124654e-324,
        1e-300,
        1e-150,
        1e-8,
        0.001,
        0.5,
        1,
        7.25,
        30,
        44.999999999999993,
        45,
        45.000000000000007,
        60,
        89.9,
        89.99999999999999,
        90,
    };
    // The doubles-only sine, for the properties, on those and on a sweep.
    std::vector<double> todos(std::begin(grados), std::end(grados));
    std::mt19937_64 azar(20261208);
    for (int i = 0; i < 2000; ++i) {
        todos.push_back(std::uniform_real_distribution<double>(0, 90)(azar));
    }
    const Mp radian = PiVerdadero() / 180;
    for (std::size_t i = 0; i < todos.size(); ++i) {
        const double g = todos[i];
        const Mp verdad = sin(Mp(g) * radian) / radian;
        if (i < std::size(grados)) {
            const Doble s = SenoRelativoDoble(g);
            const Mp error = abs((Mp(s.hi) + Mp(s.lo) - verdad) / verdad);
            EXPECT_LT(error, Mp(std::ldexp(1.0, -65))) << Texto(g) << ": " << error.toDouble();
        }
        const Mp error = abs((Mp(SenoRelativoCercano(g)) - verdad) / verdad);
        EXPECT_LT(error, Mp(std::ldexp(1.0, -50))) << Texto(g) << ": " << error.toDouble();
    }
}

double Uniforme(std::mt19937_64& azar, double desde, double hasta) {
    return std::uniform_real_distribution<double>(desde, hasta)(azar);
}

// The arcs in doubles, for the solution that does not cancel: atan2 both ways
// in every quadrant, on quotients from 1 to 2^-1100 (the extreme ones are the
// correctly rounded functions'), and the arc sine up to a hair from 1.
TEST_F(Precision, ArcsInDoublesAreGoodToTheirBound) {
    std::mt19937_64 azar(20261208);
    const auto cerca = [](double obtenido, const Mp& verdad) {
        return abs(Mp(obtenido) - verdad) <= Mp(0x1p-51) * abs(verdad) + Mp(0x1p-1074);
    };
    int fallos = 0;
    for (int n = 0; n < 20000 && fallos < 5; ++n) {
        const int k = std::uniform_int_distribution<int>(0, n % 2 == 0 ? 8 : 1100)(azar);
        const double y = std::ldexp(Uniforme(azar, -3, 3), -k);
        const double x = Uniforme(azar, -3, 3);
        const double s = std::copysign(1 - std::ldexp(Uniforme(azar, 0, 1), -k % 60), y);
        const mate::ArcosCruzados a = Atan2CruzadosCercano(y, x);
        if (!cerca(a.yx, atan2(Mp(y), Mp(x))) || !cerca(a.xy, atan2(Mp(x), Mp(y))) ||
            !cerca(AsenCercano(s), asin(Mp(s)))) {
            ADD_FAILURE() << Texto(y) << ", " << Texto(x) << ": " << Texto(a.yx) << ", "
                          << Texto(a.xy) << "; arc sine of " << Texto(s);
            ++fallos;
        }
    }
}

// One elementary function against MPFR's correctly rounded one, on seeded
// arguments: x in [desde, hasta], scaled by 2^-escala for up to `escala`.
struct Elemental {
    const char* nombre;
    double (*funcion)(double, double);
    Mp (*referencia)(const Mp&, const Mp&);
    double desde;
    double hasta;
    int escala;
};

const Elemental kElementales[] = {
    {"sine", [](double x, double) { return mate::Sen(x); },
     [](const Mp& x, const Mp&) { return sin(x); }, -1e5, 1e5, 0},
    {"sine of small angles", [](double x, double) { return mate::Sen(x); },
     [](const Mp& x, const Mp&) { return sin(x); }, -4, 4, 40},
    {"cosine", [](double x, double) { return mate::Cos(x); },
     [](const Mp& x, const Mp&) { return cos(x); }, -7, 7, 30},
    {"arc tangent", [](double x, double) { return mate::Atan(x); },
     [](const Mp& x, const Mp&) { return atan(x); }, -4, 4, 60},
    {"arc tangent of a quotient", [](double y, double x) { return mate::Atan2(y, x); },
     [](const Mp& y, const Mp& x) { return atan2(y, x); }, -3, 3, 70},
    {"arc sine", [](double x, double) { return mate::Asen(x); },
     [](const Mp& x, const Mp&) { return asin(x); }, -1, 1, 30},
    {"hypotenuse", [](double x, double y) { return mate::Hipot(x, y); },
     [](const Mp& x, const Mp& y) { return hypot(x, y); }, -3, 3, 1000},
    {"sine beyond 2^20", [](double x, double) { return mate::Sen(x); },
     [](const Mp& x, const Mp&) { return sin(x); }, -1e300, 1e300, 930},
    {"cosine beyond 2^20", [](double x, double) { return mate::Cos(x); },
     [](const Mp& x, const Mp&) { return cos(x); }, -1e300, 1e300, 930},
    {"arc tangent of quotients of any size", [](double y, double x) { return mate::Atan2(y, x); },
     [](const Mp& y, const Mp& x) { return atan2(y, x); }, -1e300, 1e300, 2000},
    {"hypotenuse of subnormals", [](double x, double y) { return mate::Hipot(x, y); },
     [](const Mp& x, const Mp& y) { return hypot(x, y); }, 0, 0x1p-1022, 60},
};

TEST_F(Precision, ElementaryFunctionsAreCorrectlyRounded) {
    std::mt19937_64 azar(7);
    for (const Elemental& e : kElementales) {
        int fallos = 0;
        for (int n = 0; n < 10000 && fallos < 5; ++n) {
            const auto argumento = [&] {
                const int k = std::uniform_int_distribution<int>(0, e.escala)(azar);
                return std::ldexp(Uniforme(azar, e.desde, e.hasta), -k);
            };
            const double x = argumento();
            const double y = argumento();
            const double obtenido = e.funcion(x, y);
            const double esperado = e.referencia(Mp(x), Mp(y)).toDouble();
            if (std::bit_cast<std::uint64_t>(obtenido) != std::bit_cast<std::uint64_t>(esperado)) {
                ADD_FAILURE() << e.nombre << " of " << Texto(x) << ", " << Texto(y) << ": "
                              << Texto(obtenido) << " instead of " << Texto(esperado);
                ++fallos;
            }
        }
    }
}

// MPFR's correctly rounded value, on the subnormals' grid where it falls
// below the normal doubles, and how many units in the last place it lies from
// the nearest midpoint.
struct Verificado {
    double redondeado;
    Mp distancia;
};

Verificado Verificar(prueba::Funcion f, double a, double b) {
    Mp v;
    switch (f) {
        case prueba::Funcion::Sen:
            v = sin(Mp(a));
            break;
        case prueba::Funcion::Cos:
            v = cos(Mp(a));
            break;
        case prueba::Funcion::Atan:
            v = atan(Mp(a));
            break;
        case prueba::Funcion::Atan2:
            v = atan2(Mp(a), Mp(b));
            break;
        case prueba::Funcion::Asen:
            v = asin(Mp(a));
            break;
        case prueba::Funcion::Hipot:
            v = hypot(Mp(a), Mp(b));
            break;
    }
    const long ulp = std::max<long>(mpfr_get_exp(v.mpfr_srcptr()) - 53, -1074);
    const Mp unidades = abs(ldexp(v, static_cast<int>(-ulp)));
    const Mp entero = floor(unidades);
    const Mp fraccion = unidades - entero;
    const bool arriba = fraccion > 0.5 || (fraccion == 0.5 && fmod(entero, Mp(2)) == 1);
    const double r = ldexp(entero + (arriba ? 1 : 0), static_cast<int>(ulp)).toDouble();
    return {v < 0 ? -r : r, abs(fraccion - 0.5)};
}

// The hard cases' table holds MPFR's results, and its cases are as close to a
// midpoint as it says (at 2400 bits: the arc tangent of a quotient near 2^-1022
// lies 2^-2046 of itself below it).
TEST_F(Precision, HardCasesAreRightAndAsHardAsTheTableSays) {
    Mp::set_default_prec(2400);
    for (const prueba::CasoDificil& caso : prueba::kCasosDificiles) {
        const Verificado v = Verificar(caso.funcion, caso.a, caso.b);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(v.redondeado),
                  std::bit_cast<std::uint64_t>(caso.esperado))
            << caso.nombre;
        if (caso.cercania == 999) {
            EXPECT_EQ(v.distancia, 0) << caso.nombre;
        } else {
            EXPECT_LE(v.distancia, ldexp(Mp(1), -caso.cercania)) << caso.nombre;
            EXPECT_GE(v.distancia, ldexp(Mp(1), -caso.cercania - 1)) << caso.nombre;
        }
    }
    Mp::set_default_prec(320);
}

// A family of triangles: two of their angles in degrees and the decimal
// exponents of their size.
struct Barrido {
    const char* nombre;
    std::array<double, 2> (*angulos)(std::mt19937_64&);
    double exponenteMinimo;
    double exponenteMaximo;
};

const Barrido kBarridos[] = {
    {"needles",
     [](std::mt19937_64& a) {
         return std::array{std::pow(10.0, Uniforme(a, -12, -3)), Uniforme(a, 1, 179)};
     },
     -3, 3},
    {"flat triangles",
     [](std::mt19937_64& a) {
         const double t = std::pow(10.0, Uniforme(a, -11, -3));
         return std::array{t, t * Uniforme(a, 0.01, 100)};
     },
     -3, 3},
    {"isosceles needles",
     [](std::mt19937_64& a) {
         const double t = std::pow(10.0, Uniforme(a, -12, -2));
         return std::array{t, (180 - t) / 2};
     },
     -3, 3},
    {"tangents",
     [](std::mt19937_64& a) {
         return std::array{90.0, Uniforme(a, 1, 89)};
     },
     -3, 3},
    {"near tangents",
     [](std::mt19937_64& a) {
         const double A = 90 - std::pow(10.0, Uniforme(a, -5, 1));
         return std::array{A, Uniforme(a, 1, 179 - A)};
     },
     -3, 3},
    {"extreme magnitudes",
     [](std::mt19937_64& a) {
         const double A = std::pow(10.0, Uniforme(a, -10, 1.9));
         return std::array{A, Uniforme(a, 0, 180 - A)};
     },
     -280, 280},
};

std::string Texto(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

TEST_F(Precision, SweepsGiveEveryTriangleRightToTheLabelAndToOnePartInABillion) {
    std::mt19937_64 azar(20261207);
    for (const Barrido& barrido : kBarridos) {
        int fallos = 0;
        int triangulos = 0;
        double peor = 0;
        for (int n = 0; n < 1500 && fallos < 10; ++n) {
            const auto [x, y] = barrido.angulos(azar);
            std::array<double, 3> g = {x, y, (180 - x) - y};
            std::shuffle(g.begin(), g.end(), azar);
            const double escala =
                std::pow(10.0, Uniforme(azar, barrido.exponenteMinimo, barrido.exponenteMaximo));
            // Any three measures but the three angles.
            unsigned mascara = 0;
            while (std::popcount(mascara) != 3 || mascara == 0b010101) {
                mascara = std::uniform_int_distribution<unsigned>(0, 63)(azar);
            }
            std::array<std::string, 6> textos;
            for (int i = 0; i < 3; ++i) {
                const double lado = escala * std::sin(g[i] * std::numbers::pi / 180);
                textos[2 * i] = (mascara >> (2 * i) & 1U) ? Texto(g[i]) : "";
                textos[2 * i + 1] = (mascara >> (2 * i + 1) & 1U) ? Texto(lado) : "";
            }
            const Cotejo cotejo = Cotejar(textos);
            if (!cotejo.fallo.empty()) {
                ADD_FAILURE() << barrido.nombre << ":" << cotejo.fallo;
                ++fallos;
            }
            triangulos += cotejo.triangulos;
            peor = std::max(peor, cotejo.peor);
        }
        EXPECT_GT(triangulos, 1000) << barrido.nombre;
        std::printf("%s: %d triangles, worst relative error %.2g\n", barrido.nombre, triangulos,
                    peor);
    }
}

// A decimal n / 10^k written out, and exact sums of such, for the families
// below.
struct Decimal {
    long long n;
    int k;
};

Decimal EnLugares(Decimal x, int k) {
    for (; x.k < k; ++x.k) {
        x.n *= 10;
    }
    return x;
}

Decimal Mas(Decimal x, Decimal y, int signo = 1) {
    const int k = std::max(x.k, y.k);
    x = EnLugares(x, k);
    y = EnLugares(y, k);
    return {x.n + signo * y.n, k};
}

std::string Texto(Decimal x) {
    const std::string cifras = std::to_string(x.n);
    if (x.k == 0) {
        return cifras;
    }
    const auto k = static_cast<std::size_t>(x.k);
    const std::string relleno =
        cifras.size() <= k ? std::string(k + 1 - cifras.size(), '0') + cifras : cifras;
    return relleno.substr(0, relleno.size() - k) + "." + relleno.substr(relleno.size() - k);
}

// Data typed as short decimals whose answer turns on exact arithmetic: sides
// with c = a + b, angles that sum to 180 degrees, small remainders, flat
// isosceles triangles and tangents. Every answer is the reference's: the
// count of triangles, each number to one part in a billion and each label to
// a unit of its last digit; where the truth is itself a short decimal (a
// remainder, half of one), the label is its cut.
TEST_F(Precision, DecimalFamiliesGetTheAnswerOfTheDecimals) {
    std::mt19937_64 azar(28);
    const auto decimal = [&](long long desde, long long hasta, int k) {
        return Decimal{std::uniform_int_distribution<long long>(desde, hasta)(azar), k};
    };
    const auto lugares = [&] { return std::uniform_int_distribution<int>(1, 4)(azar); };
    struct Peticion {
        std::array<std::string, 6> textos;
        std::size_t triangulos;  // as the exact arithmetic says, when known
        int angulo = -1;         // an angle whose truth is a short decimal
        Decimal verdad{0, 0};
    };
    const std::function<Peticion()> familias[] = {
        // c = a + b; every other request a unit of c's last place shorter.
        [&] {
            const int k = lugares();
            const Decimal a = decimal(1, 99999, k);
            const Decimal b = decimal(1, 99999, lugares());
            const bool corto = decimal(0, 1, 0).n == 1;
            const Decimal c = Mas(Mas(a, b), Decimal{corto ? 1 : 0, 6}, -1);
            return Peticion{{"", Texto(a), "", Texto(b), "", Texto(c)}, corto ? 1U : 0U};
        },
        // Two angles that leave nothing, or a remainder of one unit of
        // their last place.
        [&] {
            const Decimal A = decimal(1, 1799, 1);
            const Decimal r{decimal(0, 1, 0).n, lugares() + 1};
            const Decimal B = Mas(Mas(Decimal{180, 0}, A, -1), r, -1);
            Peticion x{{Texto(A), "", Texto(B), "", "", Texto(decimal(1, 9999, 2))}, r.n ? 1U : 0U};
            if (r.n != 0) {
                x.angulo = 2;
                x.verdad = r;
            }
            return x;
        },
        // Remainders of small decimals between two large angles.
        [&] {
            const Decimal r = decimal(1, 99, lugares());
            const Decimal A = decimal(1, 17900, 2);
            const Decimal B = Mas(Mas(Decimal{180, 0}, A, -1), r, -1);
            if (B.n <= 0) {
                return Peticion{{"", "1", "", "1", "", "1"}, 1};
            }
            return Peticion{{Texto(A), Texto(decimal(1, 999, 1)), Texto(B), "", "", ""}, 1, 2, r};
        },
        // Flat isosceles triangles: the small angles are half of what the
        // large one leaves.
        [&] {
            const Decimal t = decimal(2, 998, 2 + lugares());
            const Decimal A = Mas(Decimal{180, 0}, t, -1);
            const std::string lado = Texto(decimal(1, 99999, lugares()));
            return Peticion{{Texto(A), "", "", lado, "", lado}, 1, 1, Decimal{t.n * 5, t.k + 1}};
        },
        // Tangents at 30 and 150 degrees, exactly or a unit away.
        [&] {
            const Decimal b = decimal(1, 99999, lugares());
            const long long paso = decimal(-1, 1, 0).n;
            const Decimal a = Mas(Mas(b, b), Decimal{paso, 14});
            const bool treinta = decimal(0, 1, 0).n == 1;
            const std::size_t n = treinta ? (paso == 0 ? 1U : paso < 0 ? 2U : 0U) : 0U;
            return Peticion{{treinta ? "30" : "150", Texto(b), "", Texto(a), "", ""}, n};
        },
        // Near tangents elsewhere: side q a hair from the height.
        [&] {
            const Decimal B = decimal(10, 1790, 1);
            const Decimal b = decimal(1, 99999, lugares());
            const double altura =
                std::strtod(Texto(b).c_str(), nullptr) /
                std::sin(std::strtod(Texto(B).c_str(), nullptr) * std::numbers::pi / 180);
            char a[40];
            std::snprintf(a, sizeof a, "%.17g", altura * (1 + Uniforme(azar, -1e-15, 1e-15)));
            return Peticion{{Texto(B), Texto(b), "", a, "", ""}, 3};
        },
    };
    for (const auto& familia : familias) {
        int fallos = 0;
        std::array<int, 3> cuantos{};  // requests with 0, 1 and 2 triangles
        for (int n = 0; n < 300 && fallos < 5; ++n) {
            const Peticion x = familia();
            const std::vector<Solucion> s = prueba::Resueltos(x.textos);
            ++cuantos[s.size()];
            const std::string caso = x.textos[0] + "|" + x.textos[1] + "|" + x.textos[2] + "|" +
                                     x.textos[3] + "|" + x.textos[4] + "|" + x.textos[5];
            bool bien = x.triangulos > 2 || s.size() == x.triangulos;
            EXPECT_TRUE(bien) << caso << ": " << s.size() << " triangles";
            const Cotejo cotejo = Cotejar(x.textos);
            EXPECT_EQ(cotejo.fallo, "");
            bien = bien && cotejo.fallo.empty();
            if (x.angulo >= 0 && !s.empty()) {
                const double verdad = std::strtod(Texto(x.verdad).c_str(), nullptr);
                const std::string etiqueta = EtiquetasDe(s[0].precisa).angulos[x.angulo];
                EXPECT_EQ(etiqueta, FormatoMedida(verdad)) << caso;
                bien = bien && etiqueta == FormatoMedida(verdad);
            }
            fallos += bien ? 0 : 1;
        }
        std::printf("family %td: %d, %d and %d requests with 0, 1 and 2 triangles\n",
                    &familia - familias, cuantos[0], cuantos[1], cuantos[2]);
    }
}

}  // namespace
}  // namespace pendra
