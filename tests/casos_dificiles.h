// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Arguments on which correct rounding of the core's elementary functions is
// hard, each with MPFR's correctly rounded result and how close the true value
// lies to a midpoint between two doubles: within 2^-cercania units in the last
// place (999: on it). Table steps, tiny quotients and subnormal results, near
// ties of the hypotenuse and exact ones, arguments near multiples of π/2 and
// beyond 2^20, values in the solver's ranges that the fast step cannot settle
// (cercania above 12: its bound is 2^-64), and values so near a midpoint that
// only the last, exact step settles them (cercania above 38: the double-double
// bound is 2^-90).

#include "elementales.h"

namespace pendra::prueba {

enum class Funcion { Sen, Cos, Atan, Atan2, Asen, Hipot };

struct CasoDificil {
    const char* nombre;
    Funcion funcion;
    double a;  // the argument, or y of atan2(y, x), or a leg
    double b;  // x of atan2(y, x), or the other leg
    double esperado;
    int cercania;
};

inline double Evaluar(Funcion f, double a, double b) {
    switch (f) {
        case Funcion::Sen:
            return mate::Sen(a);
        case Funcion::Cos:
            return mate::Cos(a);
        case Funcion::Atan:
            return mate::Atan(a);
        case Funcion::Atan2:
            return mate::Atan2(a, b);
        case Funcion::Asen:
            return mate::Asen(a);
        case Funcion::Hipot:
            return mate::Hipot(a, b);
    }
    return 0;
}

inline constexpr CasoDificil kCasosDificiles[] = {
    {"sine one unit below the table's half step", Funcion::Sen, 0x1.fffffffffffffp-8, 0x0p+0,
     0x1.fffeaaaaeeeeep-8, 5},
    {"arc tangent one unit below the table's half step", Funcion::Atan, 0x1.fffffffffffffp-8,
     0x0p+0, 0x1.fffd555bbba96p-8, 1},
    {"arc tangent of a quotient one unit below the half step", Funcion::Atan2, 0x1.fffffffffffffp-8,
     0x1p+0, 0x1.fffd555bbba96p-8, 1},
    {"the same quotient of tiny numbers", Funcion::Atan2, 0x1.fffffffffffffp-308, 0x1p-300,
     0x1.fffd555bbba96p-8, 1},
    {"the same quotient of huge numbers", Funcion::Atan2, 0x1.fffffffffffffp+592, 0x1p+600,
     0x1.fffd555bbba96p-8, 1},
    {"the same quotient, scaled by 2^5", Funcion::Atan2, 0x1.fffffffffffffp-3, 0x1p+5,
     0x1.fffd555bbba96p-8, 1},
    {"hypotenuse of 2t and 2t^2, t = 2^26 + 1", Funcion::Hipot, 0x1.0000004p+27,
     0x1.0000008000001p+53, 0x1.0000008000001p+53, 55},
    {"hypotenuse of 2t and 2t^2, t = 2^26 + 3", Funcion::Hipot, 0x1.000000cp+27,
     0x1.0000018000009p+53, 0x1.0000018000009p+53, 55},
    {"hypotenuse of 2t and 2t^2, t just below 2^26.5", Funcion::Hipot, 0x1.6a09e5cp+27,
     0x1.fffffe24f5b11p+53, 0x1.fffffe24f5b11p+53, 55},
    {"hypotenuse exactly on a midpoint", Funcion::Hipot, 0x1.01ffeffffffep+47, 0x1.04000041p+53,
     0x1.0408004p+53, 999},
    {"another hypotenuse exactly on a midpoint", Funcion::Hipot, 0x1.81d62ad9618p+41,
     0x1.00181cc006072p+53, 0x1.00181de2ad962p+53, 999},
    {"hypotenuse of two subnormals, exact", Funcion::Hipot, 0x0.0000000000003p-1022,
     0x0.0000000000004p-1022, 0x0.0000000000005p-1022, 0},
    {"tiny quotient exactly on a subnormal midpoint", Funcion::Atan2, 0x1.fffffffffffffp-356,
     0x1p+667, 0x0.fffffffffffffp-1022, 1993},
    {"tiny quotient on the midpoint above the least subnormal", Funcion::Atan2, 0x1.8p-1000,
     0x1p+74, 0x0.0000000000001p-1022, 2147},
    {"tiny quotient of half the least subnormal", Funcion::Atan2, 0x1p-60, 0x1p+1015, 0x0p+0, 2152},
    {"tiny quotient just above half the least subnormal", Funcion::Atan2, 0x1.0000000000001p-60,
     0x1p+1015, 0x0.0000000000001p-1022, 53},
    {"tiny negative quotient on a subnormal midpoint", Funcion::Atan2, -0x1.fffffffffffffp-356,
     0x1p+667, -0x0.fffffffffffffp-1022, 1993},
    {"sine of the double nearest pi", Funcion::Sen, 0x1.921fb54442d18p+1, 0x0p+0,
     0x1.1a62633145c07p-53, 1},
    {"cosine of the double nearest pi/2", Funcion::Cos, 0x1.921fb54442d18p+0, 0x0p+0,
     0x1.1a62633145c07p-54, 1},
    {"sine of the double nearest 2 pi", Funcion::Sen, 0x1.921fb54442d18p+2, 0x0p+0,
     -0x1.1a62633145c07p-52, 1},
    {"cosine of the double nearest 7 pi/2", Funcion::Cos, 0x1.5fdbbe9bba775p+3, 0x0p+0,
     -0x1.ee2c2d963a10cp-52, 1},
    {"sine of the double nearest 355 pi", Funcion::Sen, 0x1.16d0fc2ed4544p+10, 0x0p+0,
     0x1.53cb37c6a9dcfp-44, 1},
    {"cosine of the double nearest 100001 pi/2", Funcion::Cos, 0x1.32cc9a0b7edcap+17, 0x0p+0,
     -0x1.505e428146ep-37, 1},
    {"sine of the double nearest 200000 pi", Funcion::Sen, 0x1.32cbd0fba43a8p+19, 0x0p+0,
     0x1.aa8ecfb27878ap-35, 1},
    {"sine of the double closest to a multiple of pi/2", Funcion::Sen, 0x1.6ac5b262ca1ffp+849,
     0x0p+0, 0x1p+0, 1},
    {"cosine of the double closest to a multiple of pi/2", Funcion::Cos, 0x1.6ac5b262ca1ffp+849,
     0x0p+0, -0x1.14ae72e6ba22fp-61, 1},
    {"sine of 10^22", Funcion::Sen, 0x1.0f0cf064dd592p+73, 0x0p+0, -0x1.b453ab76bf397p-1, 1},
    {"cosine of 10^22", Funcion::Cos, 0x1.0f0cf064dd592p+73, 0x0p+0, 0x1.0be2cef01c8f4p-1, 3},
    {"sine of the largest double", Funcion::Sen, 0x1.fffffffffffffp+1023, 0x0p+0,
     0x1.452fc98b34e97p-8, 2},
    {"cosine of 2^1000", Funcion::Cos, 0x1p+1000, 0x0p+0, 0x1.f9785160c8815p-1, 1},
    {"cosine of a number just above 2^20", Funcion::Cos, 0x1.0000000000001p+20, 0x0p+0,
     0x1.e33ada9254f48p-1, 3},
    {"sine near a midpoint, about 2^-20", Funcion::Sen, 0x1.a743d020a537cp-20, 0x0p+0,
     0x1.a743d020a476ep-20, 53},
    {"sine near a midpoint, about 2^-20, again", Funcion::Sen, 0x1.3100562eedae6p-20, 0x0p+0,
     0x1.3100562eed663p-20, 52},
    {"sine near a midpoint, about 2^-25", Funcion::Sen, 0x1.8db9cb7511e9ep-25, 0x0p+0,
     0x1.8db9cb7511e9bp-25, 52},
    {"sine near a midpoint, about 2^-14", Funcion::Sen, 0x1.5d76f5b15da25p-14, 0x0p+0,
     0x1.5d76f5aa9509dp-14, 44},
    {"negative sine near a midpoint", Funcion::Sen, -0x1.a743d020a537cp-20, 0x0p+0,
     -0x1.a743d020a476ep-20, 53},
    {"cosine near a midpoint, about 2^-20", Funcion::Cos, 0x1.71bef097ee36dp-20, 0x0p+0,
     0x1.fffffffffde9fp-1, 49},
    {"cosine near a midpoint, about 2^-25", Funcion::Cos, 0x1.2c2fc595456a7p-25, 0x0p+0,
     0x1.ffffffffffffbp-1, 52},
    {"cosine near a midpoint, about 2^-14", Funcion::Cos, 0x1.486261d6124adp-14, 0x0p+0,
     0x1.ffffffe5ac3bfp-1, 42},
    {"arc tangent near a midpoint, about 2^-20", Funcion::Atan, 0x1.c2851289d8a0dp-20, 0x0p+0,
     0x1.c2851289d6cfcp-20, 53},
    {"arc tangent near a midpoint, about 2^-25", Funcion::Atan, 0x1.c74847a112b6ap-25, 0x0p+0,
     0x1.c74847a112b63p-25, 54},
    {"arc tangent near a midpoint, about 2^-14", Funcion::Atan, 0x1.ce6eff58fcb3ap-14, 0x0p+0,
     0x1.ce6eff398d179p-14, 40},
    {"negative arc tangent near a midpoint", Funcion::Atan, -0x1.c74847a112b6ap-25, 0x0p+0,
     -0x1.c74847a112b63p-25, 54},
    {"arc tangent of a hard quotient of huge numbers", Funcion::Atan2, 0x1.c2851289d8a0dp+580,
     0x1p+600, 0x1.c2851289d6cfcp-20, 53},
    {"arc tangent of a hard quotient of tiny numbers", Funcion::Atan2, 0x1.c74847a112b6ap-625,
     0x1p-600, 0x1.c74847a112b63p-25, 54},
    {"arc sine near a midpoint, about 2^-20", Funcion::Asen, 0x1.09082267f8c2cp-20, 0x0p+0,
     0x1.09082267f8f22p-20, 51},
    {"arc sine near a midpoint, about 2^-25", Funcion::Asen, 0x1.4f747439b3489p-25, 0x0p+0,
     0x1.4f747439b348ap-25, 53},
    {"arc sine near a midpoint, about 2^-14", Funcion::Asen, 0x1.316b4acbbf00fp-14, 0x0p+0,
     0x1.316b4ad046413p-14, 42},
    {"negative arc sine near a midpoint", Funcion::Asen, -0x1.4f747439b3489p-25, 0x0p+0,
     -0x1.4f747439b348ap-25, 53},
    {"sine of an angle of the solver near a midpoint", Funcion::Sen, 0x1.2b8ab522130a4p+0, 0x0p+0,
     0x1.d770fb5d54424p-1, 23},
    {"sine of another angle of the solver near a midpoint", Funcion::Sen, 0x1.6e225d5cbddafp-1,
     0x0p+0, 0x1.4fb791de620dap-1, 22},
    {"cosine of an angle of the solver near a midpoint", Funcion::Cos, 0x1.e5d0a627f1ce3p+0, 0x0p+0,
     -0x1.48d55cb2a0632p-2, 23},
    {"cosine of another angle of the solver near a midpoint", Funcion::Cos, 0x1.19209087a195dp-1,
     0x0p+0, 0x1.b4bd4f67d1ccep-1, 21},
    {"arc tangent of a slope near a midpoint", Funcion::Atan, 0x1.dfffc80cc3b07p+0, 0x0p+0,
     0x1.14b1d0fba236cp+0, 22},
    {"arc tangent of a steep slope near a midpoint", Funcion::Atan, 0x1.dcb100fdd0878p+2, 0x0p+0,
     0x1.6ff53a8440f36p+0, 22},
    {"arc sine near a midpoint, about 0.7", Funcion::Asen, 0x1.7090ad08f0baap-1, 0x0p+0,
     0x1.9b705d96b5f48p-1, 23},
    {"arc sine near a midpoint, about 0.53", Funcion::Asen, 0x1.0e9410ff5f564p-1, 0x0p+0,
     0x1.1d1510d018171p-1, 22},
    {"arc tangent of a quotient in the third quadrant near a midpoint", Funcion::Atan2,
     -0x1.7c16fb9d57bc8p+0, -0x1.6e17018e2c3b3p+1, -0x1.54d581072b869p+1, 24},
    {"arc tangent of a quotient in the fourth quadrant near a midpoint", Funcion::Atan2,
     -0x1.5c77f9f76e77dp+1, 0x1.7fb001ab5abe8p+0, -0x1.114a8653117e3p+0, 21},
    {"hypotenuse of the solver's sizes near a midpoint", Funcion::Hipot, 0x1.14e1168e35215p+5,
     0x1.8efa282f83487p+5, 0x1.e5a37f153c18dp+5, 26},
    {"another hypotenuse near a midpoint", Funcion::Hipot, 0x1.694b37872c9d7p+6,
     0x1.399c5d74b8f88p+4, 0x1.71b3eea720aa8p+6, 23},
    {"subnormal hypotenuse rounded twice would miss", Funcion::Hipot, 0x0.5626fda35242cp-1022,
     0x0.24ed64333ee09p-1022, 0x0.5dbb9bc668dc5p-1022, 3},
    {"subnormal hypotenuse rounded twice would miss", Funcion::Hipot, 0x0.46a6d9cb56e5fp-1022,
     0x0.692cc8e56c488p-1022, 0x0.7eb3c14987369p-1022, 3},
};

}  // namespace pendra::prueba
