// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "presentacion.h"
#include "procedimiento.h"
#include "propiedades.h"
#include "solicitar.h"

namespace pendra {
namespace {

struct Caso {
    double valor;
    const char* texto;
};

TEST(TextoStr, WritesTheRuntimeText) {
    const Caso casos[] = {
        {0, " 0"},
        {5, " 5"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {-12.25, "-12.25"},
        {1.0 / 3, " .333333333333333"},
        {123456789012345, " 123456789012345"},
        {1e15, " 1E+15"},
        {1234567890123456, " 1.23456789012346E+15"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {1.5e-20, " 1.5E-20"},
        {1e200, " 1E+200"},
        {89.9999999999999, " 89.9999999999999"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(TextoStr(caso.valor), caso.texto) << caso.valor;
    }
}

TEST(FormatoMedida, CutsLabelsToSixCharactersWithoutMisstatingMagnitude) {
    const Caso casos[] = {
        {5, "5"},
        {100, "100"},
        {3.14159265, "3.1415"},
        {36.8698976458, "36.869"},
        {0.5, ".5"},
        {1.0 / 3, ".33333"},
        {89.9999999999999, "89.999"},
        {89.99999999999991, "89.999"},
        // The integer digits are never cut.
        {1234567, "1234567"},
        {1234567.891, "1234567"},
        {123456.7, "123456"},
        {123456789012345, "123456789012345"},
        // The exponent is never cut; the mantissa keeps four characters.
        {1.5e-20, "1.5E-20"},
        {1.23456789e25, "1.23E+25"},
        {1e15, "1E+15"},
        {0.00001, "1E-05"},
        {1.7976931348623157e308, "1.79E+308"},
        {0.000123456, ".00012"},
        // Five integer digits leave room for the point alone; zeros inside
        // the six stay when digits follow them; rounding to fifteen digits
        // may carry into a new first digit.
        {12345.678, "12345."},
        {1.20003, "1.2000"},
        {0.0123, ".0123"},
        {9.9999999999999999, "10"},
        {0.00099999999999999999, ".001"},
        {999999999999999.9, "1E+15"},
        // A label never drops a minus sign.
        {-2.5, "-2.5"},
        {-0.25, "-.25"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(FormatoMedida(caso.valor), caso.texto) << caso.valor;
    }
}

#if !defined(_WIN32)
// The rule itself, with the C library's correctly rounded %.15G as the
// witness: the text without the zero before its point, the integer digits
// whole, six characters in all; in the exponent form four of the mantissa.
// (Windows' printf does not round its digits correctly.)
TEST(FormatoMedida, IsTheCutOfTheFifteenDigitText) {
    std::mt19937_64 azar(11);
    std::uniform_real_distribution<double> exponente(-6, 17);
    for (int i = 0; i < 100000; ++i) {
        double x = std::pow(10.0, exponente(azar));
        if (i % 3 == 0) {
            x = std::round(x * 1e4) / 1e4;  // a few decimals, as typed
        }
        char texto[40];
        std::snprintf(texto, sizeof texto, "%.15G", x);
        std::string t = texto;
        if (t.starts_with("0.")) {
            t.erase(0, 1);
        }
        const std::size_t e = t.find('E');
        const std::string esperado =
            e != std::string::npos
                ? t.substr(0, std::min<std::size_t>(e, 4)) + t.substr(e)
                : t.substr(0, std::max<std::size_t>(6, std::min(t.find('.'), t.size())));
        ASSERT_EQ(FormatoMedida(x), esperado) << texto;
    }
}
#endif

TEST(NumeroJson, WritesTheShortestTextThatReadsBack) {
    const Caso casos[] = {
        {0, "0"},
        {5, "5"},
        {100000, "100000"},
        {1.5, "1.5"},
        {0.1, "0.1"},
        {0.000001, "0.000001"},
        {1e-7, "1e-7"},
        {1e21, "1e+21"},
        {9007199254740991.0, "9007199254740991"},
        {9007199254740992.0, "9.007199254740992e+15"},
        {-910035585888825500.0, "-9.100355858888255e+17"},
        {123456789012345680000.0, "1.2345678901234568e+20"},
        {1.570796326794895, "1.570796326794895"},
        {-2.5, "-2.5"},
        // The core's own digits: seventeen of them, a typed value, an
        // integer with its zeros, a power of two, the ends of its range.
        {0.30000000000000004, "0.30000000000000004"},
        {4.91204, "4.91204"},
        {1e15, "1000000000000000"},
        {0x1p-20, "9.5367431640625e-7"},
        {1e-13, "1e-13"},
        {99999999999999984.0, "9.999999999999998e+16"},
        // The point after every count of integer digits, with sixteen and
        // seventeen digits in all.
        {1.0000000000000002, "1.0000000000000002"},
        {10.000000000000002, "10.000000000000002"},
        {12345678.5, "12345678.5"},
        {123456789.25, "123456789.25"},
        {1234567890123.4, "1234567890123.4"},
        {999999999999999.9, "999999999999999.9"},
        {4.9406564584124654e-324, "5e-324"},
        {1.7976931348623157e308, "1.7976931348623157e+308"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(NumeroJson(caso.valor), caso.texto);
        EXPECT_EQ(std::strtod(NumeroJson(caso.valor).c_str(), nullptr), caso.valor);
    }
}

}  // namespace
}  // namespace pendra

namespace pendra {
namespace {

// In a language that writes the comma, every number a person reads still
// carries the point: the properties, the strip, the working.
TEST(UnaMarcaDecimal, IsThePointWhateverTheLocale) {
#ifdef _WIN32
    const char* const local = "Spanish_Spain.1252";
#else
    const char* const local = "es_ES.UTF-8";  // scripts/setup.sh makes it
#endif
    const std::string antes = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, local), nullptr) << local << " is not installed";
    char coma[16];
    std::snprintf(coma, sizeof coma, "%.1f", 1.5);
    EXPECT_STREQ(coma, "1,5");  // the locale is really in force

    const std::vector<Solucion> s = prueba::Resueltos({"30", "1.5", "", "", "", "2"});
    ASSERT_EQ(s.size(), 2U);
    const Propiedades p = PropiedadesDe(s[0]);
    std::string textos;
    for (const auto& [nombre, valor] : FilasPropiedades(p)) {
        textos += valor + "\n";
    }
    for (const std::string& franja : TextosFranja(p, "Solución 1 de 2")) {
        textos += franja + "\n";
    }
    for (const Paso& paso : ProcedimientoDe(s[0]).pasos) {
        textos += paso.sustitucion + " = " + paso.resultado + "\n" + paso.nota + "\n";
    }
    std::setlocale(LC_ALL, antes.c_str());
    EXPECT_NE(textos.find("(0.75, 1.299038106)"), std::string::npos) << textos;
    for (std::size_t k = 1; k + 1 < textos.size(); ++k) {
        EXPECT_FALSE(textos[k] == ',' && std::isdigit(static_cast<unsigned char>(textos[k - 1])) &&
                     std::isdigit(static_cast<unsigned char>(textos[k + 1])))
            << textos.substr(k - std::min<std::size_t>(k, 20), 40);
    }
}

}  // namespace
}  // namespace pendra
