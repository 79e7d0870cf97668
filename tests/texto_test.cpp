#include "texto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace pendra {
namespace {

struct Caso {
    const char* nombre;
    std::string texto;
    double valor;
    bool fueraDeRango = false;
};

const double kInf = std::numeric_limits<double>::infinity();

TEST(LeerCampo, FollowsTheFieldRule) {
    const Caso casos[] = {
        {"empty", "", 0},
        {"plain integer", "12", 12},
        {"decimal", "12.5", 12.5},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"blanks around", "  7 ", 7},
        {"blank between digits", "1 2", 12},
        {"tab and line feed anywhere", "\t1\n2.\t5", 12.5},
        {"blanks inside the exponent", "1 e - 2", 0.01},
        {"plus sign", "+3", 3},
        {"minus sign", "-4", -4},
        {"minus sign then blank", "- 4", -4},
        {"two signs stop at once", "+-4", 0},
        {"exponent", "1e3", 1000},
        {"capital exponent with sign", "2.5E+2", 250},
        {"negative exponent", "25e-1", 2.5},
        {"exponent without digits is ignored", "12e", 12},
        {"exponent sign without digits is ignored", "12e+", 12},
        {"exponent alone has no digits", "e5", 0},
        {"stop characters end the number", "12abc", 12},
        {"units after the number", "3cm", 3},
        {"comma ends the number", "2,5", 2},
        {"second point ends the number", "1.2.3", 1.2},
        {"no digits", "abc", 0},
        {"lone minus sign", "-", 0},
        {"lone point", ".", 0},
        {"carriage return is not a blank", "\r5", 0},
        {"non-breaking space is not a blank",
         "\xC2\xA0"
         "5",
         0},
        {"hexadecimal prefix is not read", "0x1A", 0},
        {"leading zeros", "0007", 7},
        {"correct rounding of long decimals", "0.1", 0.1},
        {"long zero run before a digit", "0." + std::string(400, '0') + "1e401", 1},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"subnormal", "1e-320", 1e-320},
        {"below the smallest subnormal reads as 0", "1e-400", 0},
        {"negative underflow reads as 0", "-1e-400", 0},
        {"zero with a huge exponent", "0e999999999999999999999", 0},
        {"400 digits after the point", "0." + std::string(400, '3'), 1.0 / 3},
        {"overflow", "1e400", kInf, true},
        {"just past the largest double", "1.7976931348623159e308", kInf, true},
        {"400 digits", std::string(400, '9'), kInf, true},
        {"exponent with more digits than an int holds", "1e99999999999999999999999", kInf, true},
        {"negative overflow", "-1e400", -kInf, true},
    };
    for (const Caso& caso : casos) {
        const LecturaCampo lectura = LeerCampo(caso.texto);
        EXPECT_EQ(lectura.valor, caso.valor) << caso.nombre;
        EXPECT_EQ(lectura.fueraDeRango, caso.fueraDeRango) << caso.nombre;
    }
}

TEST(LeerCampo, KeepsTheSignOfNegativeZero) {
    EXPECT_TRUE(std::signbit(LeerCampo("-0").valor));
    EXPECT_FALSE(LeerCampo("-0").valor < 0);
    EXPECT_FALSE(std::signbit(LeerCampo("0").valor));
}

TEST(LeerCampo, RoundsTiesBrokenByFarDigitsCorrectly) {
    // 1 + 2^-53 is halfway between two doubles; any later non-zero digit must
    // round it up, however far out it stands.
    const std::string mitad = "1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(LeerCampo(mitad).valor, 1.0);
    EXPECT_EQ(LeerCampo(mitad + std::string(2000, '0') + "1").valor, std::nextafter(1.0, 2.0));
}

}  // namespace
}  // namespace pendra
