// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "funciones.h"
#include "solicitud.h"

namespace pendra {
namespace {

struct Caso {
    const char* nombre;
    std::string texto;
    double valor;  // an infinity when out of range, kNoEsNumero for no number
};

const double kInf = std::numeric_limits<double>::infinity();
const double kNoEsNumero = std::numeric_limits<double>::quiet_NaN();

// The tie 1 + 2^-53, exactly, between 1 and the next double.
const std::string kMitad = "1.00000000000000011102230246251565404236316680908203125";

// The same text given to the piecewise reader one byte at a time, so that
// every character of several bytes and every pair of apostrophes is split.
LecturaCampo PorBytes(const std::string& texto, TipoCampo tipo) {
    LectorCampo lector(tipo);
    for (const char c : texto) {
        lector.Leer(std::string_view(&c, 1));
    }
    return lector.Terminar();
}

void EsperarLectura(const LecturaCampo& lectura, double valor, const std::string& caso) {
    EXPECT_EQ(lectura.noEsNumero, std::isnan(valor)) << caso;
    EXPECT_EQ(lectura.valor, std::isnan(valor) ? 0 : valor) << caso;
    EXPECT_EQ(lectura.fueraDeRango, std::isinf(valor)) << caso;
}

// Read the same in an angle field and in a side field.
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
        {"figure space", "\u20071\u20072\u2007", 12},
        {"blanks inside the exponent", "1 e - 2", 0.01},
        {"plus sign", "+3", 3},
        {"minus sign", "-4", -4},
        {"minus sign then blank", "- 4", -4},
        {"two signs are not a number", "+-4", kNoEsNumero},
        {"exponent", "1e3", 1000},
        {"capital exponent with sign", "2.5E+2", 250},
        {"negative exponent", "25e-1", 2.5},
        {"exponent without digits is ignored", "12e", 12},
        {"exponent sign without digits is ignored", "12e+", 12},
        {"exponent alone is not a number", "e5", kNoEsNumero},
        {"stop characters end the number", "12abc", 12},
        {"units after the number", "3cm", 3},
        {"decimal comma", "2,5", 2.5},
        {"decimal comma with an exponent", "1,5e3", 1500},
        {"comma after a point ends the number", "1.5,3", 1.5},
        {"leading comma is a decimal mark", ",5", 0.5},
        {"leading comma after a sign", "-,5e1", -5},
        {"second comma ends the number", "2,5,3", 2.5},
        {"point after a decimal comma ends the number", "2,5.3", 2.5},
        {"trailing comma", "2,", 2},
        {"a point is never a thousands mark", "1.000", 1},
        {"second point ends the number", "1.2.3", 1.2},
        {"letters are not a number", "abc", kNoEsNumero},
        {"lone minus sign", "-", kNoEsNumero},
        {"lone point", ".", kNoEsNumero},
        {"lone comma", ",", kNoEsNumero},
        {"point and exponent without digits", ".e5", kNoEsNumero},
        {"lone degree mark", "°", kNoEsNumero},
        {"mark before the number", "°37'", kNoEsNumero},
        {"tilde before the number", "~37", kNoEsNumero},
        {"letter before the number", "x37", kNoEsNumero},
        {"parentheses", "(37)", kNoEsNumero},
        {"exponent letter before the number", "e37", kNoEsNumero},
        {"two signs before the number", "+-37", kNoEsNumero},
        {"full-width digits", "\uFF13\uFF17", kNoEsNumero},
        {"blanks alone are an empty field", " \t\n\u00A0", 0},
        {"carriage return is not a blank", "\r5", kNoEsNumero},
        {"no-break spaces and byte order mark are blanks", "\uFEFF1\u00A0000\u202F5", 10005},
        {"minus sign U+2212", "\u22123", -3},
        {"minus sign U+2212 in the exponent", "1e\u22122", 0.01},
        {"lone minus sign U+2212", "\u2212", kNoEsNumero},
        {"cut UTF-8 sequence ends the number", "7\xE2\x88", 7},
        {"smallest subnormal", "4.9e-324", std::numeric_limits<double>::denorm_min()},
        {"hexadecimal prefix is not read", "0x1A", 0},
        {"leading zeros", "0007", 7},
        {"correct rounding of long decimals", "0.1", 0.1},
        {"three tenths, not three times a tenth", "0.3", 0.3},
        {"fifteen digits after the point", "0.123456789012345", 0.123456789012345},
        {"sixteen digits round to even", "9007199254740993", 9007199254740992.0},
        {"seventeen digits", "12345678901234567", 12345678901234568.0},
        {"long zero run before a digit", "0." + std::string(400, '0') + "1e401", 1},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"subnormal", "1e-320", 1e-320},
        {"negative underflow reads as 0", "-1e-400", 0},
        {"zero with a huge exponent", "0e999999999999999999999", 0},
        {"400 digits after the point", "0." + std::string(400, '3'), 1.0 / 3},
        {"zeros past the kept digits, then a digit", "2.5" + std::string(800, '0') + "7", 2.5},
        {"801 digits ending in one", "1." + std::string(799, '0') + "1", 1},
        {"802 digits ending in nine", "30." + std::string(800, '0') + "9", 30},
        {"a tie stays even", kMitad, 1},
        {"a far digit breaks a tie upwards", kMitad + std::string(2000, '0') + "1",
         1 + std::numeric_limits<double>::epsilon()},
        {"a far digit breaks a tie right after the kept digits",
         kMitad + std::string(744, '0') + "1", 1 + std::numeric_limits<double>::epsilon()},
        {"just below a tie with many nines",
         "1.00000000000000011102230246251565404236316680908203124" + std::string(3000, '9'), 1},
        {"a thousand integer digits", std::string(1000, '1') + "e-999", 10.0 / 9},
        {"an exponent of a thousand digits", "1e" + std::string(1000, '0') + "5", 100000},
        {"overflow", "1e400", kInf},
        {"just past the largest double", "1.7976931348623159e308", kInf},
        {"400 digits", std::string(400, '9'), kInf},
        {"exponent with more digits than an int holds", "1e99999999999999999999999", kInf},
        {"negative overflow", "-1e400", -kInf},
    };
    for (const Caso& caso : casos) {
        for (const TipoCampo tipo : {TipoCampo::Angulo, TipoCampo::Lado}) {
            EsperarLectura(LeerCampo(caso.texto, tipo), caso.valor, caso.nombre);
            EsperarLectura(PorBytes(caso.texto, tipo), caso.valor, caso.nombre);
        }
    }
}

struct CasoAngulo {
    const char* nombre;
    std::string texto;
    double angulo;  // degrees
    double lado;
};

TEST(LeerCampo, ReadsDegreesMinutesAndSecondsInAngleFieldsOnly) {
    const CasoAngulo casos[] = {
        {"degrees and minutes", "45°30'", 45.5, 45},
        {"ordinal sign, prime and double prime", "45º30′15″", 45.50416666666666666667, 45},
        {"two apostrophes for seconds", "45°30'15''", 45.50416666666666666667, 45},
        {"minutes beyond 60 add on", "45°90'", 46.5, 45},
        {"degrees alone", "45°", 45, 45},
        {"an unmarked last number is minutes after degrees", "45°30", 45.5, 45},
        {"an unmarked last number is seconds after minutes", "45°30'15", 45.50416666666666666667,
         45},
        {"seconds after minutes alone", "30'15", 0.50416666666666666667, 30},
        {"blanks after the last mark", "45° ", 45, 45},
        {"a number after the seconds", "45°15\"3", kNoEsNumero, 45},
        {"marks out of order", "45'30°", kNoEsNumero, 45},
        {"text after a mark", "45º aprox", kNoEsNumero, 45},
        {"text after an unmarked last number", "45°30 aprox", kNoEsNumero, 45},
        {"a mark after a mark", "45°'", kNoEsNumero, 45},
        {"a point after a mark", "45°.", kNoEsNumero, 45},
        {"an exponent letter after a last number", "45°30e", kNoEsNumero, 45},
        {"a comma decimal after a mark", "45°,5'", 45.00833333333333333333, 45},
        {"minutes alone", "30'", 0.5, 30},
        {"degrees and seconds", "45°15\"", 45.00416666666666666667, 45},
        {"minutes and seconds with decimals", "10°7,5'30.25\"", 10.13340277777777777778, 10},
        // Rounded once: the three parts summed in doubles end a unit lower.
        {"seconds with a decimal", "45°30'15.3\"", 45.50425, 45},
        {"rounded once, not three times", "12°34'56.789\"", 12.58244138888888888889, 12},
        {"blanks between the parts", " 45 ° 30 ' ", 45.5, 45},
        {"sign for the whole angle", "\u221245°30'", -45.5, -45},
        {"negative with zero degrees", "-0°30'", -0.5, -0.0},
        {"a sign after the degrees", "45°-30'", kNoEsNumero, 45},
        {"minutes twice", "30'15'", kNoEsNumero, 30},
        {"three apostrophes", "30'''", kNoEsNumero, 30},
        {"exponent without digits before a mark", "12e°30'", 12, 12},
        {"minutes out of range", "1°1e400'", kInf, 1},
        {"sum beyond the largest double", "1.79e308°1e308'", kInf, 1.79e308},
    };
    for (const CasoAngulo& caso : casos) {
        EsperarLectura(LeerCampo(caso.texto, TipoCampo::Angulo), caso.angulo, caso.nombre);
        EsperarLectura(PorBytes(caso.texto, TipoCampo::Angulo), caso.angulo, caso.nombre);
        EsperarLectura(LeerCampo(caso.texto, TipoCampo::Lado), caso.lado, caso.nombre);
    }
}

TEST(EnRadianes, RefusesPositiveAnglesThatVanish) {
    struct CasoRadianes {
        std::string texto;
        double valor;
        bool fueraDeRango;
    };
    const CasoRadianes casos[] = {
        {"90", 90 * RadPorGrado, false},
        {"4.9e-324", 0, true},
        {"1e-322", 0, true},
        {"1e-320", 1e-320 * RadPorGrado, false},
        {"1e-400", 0, true},
        {"-4.9e-324", -0.0, false},
        {"1e400", kInf, true},
    };
    for (const CasoRadianes& caso : casos) {
        LecturaCampo lectura = LeerCampo(caso.texto, TipoCampo::Angulo);
        EnRadianes(lectura);
        EXPECT_EQ(lectura.valor, caso.valor) << caso.texto;
        EXPECT_EQ(lectura.fueraDeRango, caso.fueraDeRango) << caso.texto;
    }
}

TEST(TieneNumero, TellsNegativeNumbersFromOptions) {
    for (const char* numero : {"-30", "\u221230", "-.5", "- 4cm", "-0", "-,5", "-45°-30'"}) {
        EXPECT_TRUE(TieneNumero(numero)) << numero;
    }
    for (const char* opcion : {"-x", "--json", "-", "--5", "-e5"}) {
        EXPECT_FALSE(TieneNumero(opcion)) << opcion;
    }
}

// The exact number behind a field: its double and what the double leaves out.
TEST(LeerCampo, KeepsTheExactNumberBesideItsDouble) {
    struct CasoExacto {
        std::string texto;
        double valor;
        double bajo;  // the number minus valor, rounded
    };
    const CasoExacto casos[] = {
        {"0.1", 0.1, -5.5511151231257827021181583404541015625e-18},
        {"0,3", 0.3, 1.1102230246251565404236316680908203125e-17},
        {"3", 3, 0},
        {"9007199254740993", 9007199254740992, 1},
        {"0.29999999999999999", 0.3, 1.1022302462515655e-18},
        {"1e23", 1e23, 8388608},
        {"1.5e-300", 1.5e-300, -1.204791e-316},
        {"  1 234.5678901234567890123 ", 1234.567890123457, -1.0214815832633972e-13},
    };
    for (const CasoExacto& caso : casos) {
        const LecturaCampo lectura = LeerCampo(caso.texto, TipoCampo::Lado);
        EXPECT_EQ(lectura.valor, caso.valor) << caso.texto;
        EXPECT_EQ(lectura.exacto.Valor(), caso.valor) << caso.texto;
        EXPECT_NEAR(lectura.exacto.Bajo(), caso.bajo, std::fabs(caso.bajo) * 1e-6) << caso.texto;
    }
}

// Positive numbers a double cannot hold are out of range; negative ones are
// negative, however small.
TEST(LeerCampo, RefusesPositiveNumbersTooSmallForADouble) {
    for (const TipoCampo tipo : {TipoCampo::Angulo, TipoCampo::Lado}) {
        for (const char* texto : {"1e-400", "2e-324", "0.000001e-320", "1e-99999999999"}) {
            const LecturaCampo lectura = LeerCampo(texto, tipo);
            EXPECT_TRUE(lectura.fueraDeRango) << texto;
            EXPECT_FALSE(lectura.negativo) << texto;
            EXPECT_EQ(PorBytes(texto, tipo).fueraDeRango, true) << texto;
        }
        EXPECT_TRUE(LeerCampo("-1e-400", tipo).negativo);
        EXPECT_FALSE(LeerCampo("-0", tipo).negativo);
        EXPECT_FALSE(LeerCampo("-0.000", tipo).fueraDeRango);
        EXPECT_FALSE(LeerCampo("3e-324", tipo).fueraDeRango);  // rounds up to the least subnormal
    }
}

TEST(LeerCampo, KeepsTheSignOfNegativeZero) {
    EXPECT_TRUE(std::signbit(LeerCampo("-0", TipoCampo::Lado).valor));
    EXPECT_FALSE(LeerCampo("-0", TipoCampo::Lado).valor < 0);
    EXPECT_FALSE(std::signbit(LeerCampo("0", TipoCampo::Lado).valor));
}

}  // namespace
}  // namespace pendra
