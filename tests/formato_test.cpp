#include "formato.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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
        // A label never drops a minus sign.
        {-2.5, "-2.5"},
        {-0.25, "-.25"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(FormatoMedida(caso.valor), caso.texto) << caso.valor;
    }
}

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
