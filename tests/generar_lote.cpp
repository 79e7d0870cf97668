// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints a deterministic batch of field sets for pendra-cli: every case, the
// messages, and numbers at every magnitude; or, given "delicadas", needles,
// flat triangles and near tangents, where the solving formulas work hardest.
// Used to compare two builds.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

std::string Numero(std::mt19937_64& azar) {
    std::uniform_int_distribution<int> tipo(0, 9);
    char buffer[64];
    switch (tipo(azar)) {
        case 0:  // whole degrees or units
            std::snprintf(buffer, sizeof buffer, "%d",
                          std::uniform_int_distribution<int>(1, 200)(azar));
            break;
        case 1:  // any magnitude
            std::snprintf(buffer, sizeof buffer, "%.17g",
                          std::pow(10.0, std::uniform_real_distribution<double>(-320, 308)(azar)));
            break;
        case 2:  // odd texts
        {
            static const char* const raros[] = {"abc",    "2,5",    "3cm", "-0", "1e400",
                                                "-1e400", ".5",     "1 2", "e5", "179.9999999",
                                                "180",    "1e-310", ""};
            return raros[std::uniform_int_distribution<int>(0, 12)(azar)];
        }
        default:
            std::snprintf(buffer, sizeof buffer, "%.*g",
                          std::uniform_int_distribution<int>(1, 17)(azar),
                          std::uniform_real_distribution<double>(0.001, 170)(azar));
    }
    return buffer;
}

double Uniforme(std::mt19937_64& azar, double desde, double hasta) {
    return std::uniform_real_distribution<double>(desde, hasta)(azar);
}

std::string Texto(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

// Three of the six measures of a needle, a flat triangle or a triangle at
// any magnitude, or two sides and an angle opposite one a hair off a tangent.
void Delicada(std::mt19937_64& azar, std::string (&campos)[6]) {
    constexpr double kRadian = 3.141592653589793 / 180;
    const double escala = std::pow(10.0, Uniforme(azar, -3, 3));
    double angulos[3] = {};
    switch (std::uniform_int_distribution<int>(0, 3)(azar)) {
        case 0:  // needles
            angulos[0] = std::pow(10.0, Uniforme(azar, -12, -2));
            angulos[1] = Uniforme(azar, 1, 179 - angulos[0]);
            break;
        case 1:  // flat: two tiny angles
            angulos[0] = std::pow(10.0, Uniforme(azar, -11, -3));
            angulos[1] = angulos[0] * Uniforme(azar, 0.01, 100);
            break;
        case 2: {  // side a, side b and the angle B with a sin B a hair from b
            const int a = std::uniform_int_distribution<int>(0, 2)(azar);
            const int b = (a + 1 + std::uniform_int_distribution<int>(0, 1)(azar)) % 3;
            const double B = Uniforme(azar, 1, 179);
            const double casi = std::pow(10.0, Uniforme(azar, -15, -4));
            const double signo = std::uniform_int_distribution<int>(0, 1)(azar) ? 1 : -1;
            campos[2 * a + 1] = Texto(escala);
            campos[2 * b + 1] = Texto(escala * std::sin(B * kRadian) * (1 + signo * casi));
            campos[2 * b] = Texto(B);
            return;
        }
        default:  // any angles at the ends of the double range
            angulos[0] = std::pow(10.0, Uniforme(azar, -10, 1.9));
            angulos[1] = Uniforme(azar, 0, 180 - angulos[0]);
    }
    angulos[2] = (180 - angulos[0]) - angulos[1];
    std::shuffle(angulos, angulos + 3, azar);
    const double tamano = escala * std::pow(10.0, Uniforme(azar, -250, 250) * (angulos[0] > 1));
    // Any three measures but the three angles.
    unsigned mascara = 0;
    while (std::popcount(mascara) != 3 || mascara == 0b010101) {
        mascara = std::uniform_int_distribution<unsigned>(0, 63)(azar);
    }
    for (int i = 0; i < 3; ++i) {
        if ((mascara >> (2 * i)) & 1U) {
            campos[2 * i] = Texto(angulos[i]);
        }
        if ((mascara >> (2 * i + 1)) & 1U) {
            const double x = angulos[i] <= 90 ? angulos[i] : 180 - angulos[i];
            campos[2 * i + 1] = Texto(tamano * std::sin(x * kRadian));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const long lineas = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    const bool delicadas = argc > 2 && std::strcmp(argv[2], "delicadas") == 0;
    std::mt19937_64 azar(1234567);
    std::uniform_int_distribution<int> campo(0, 5);
    std::uniform_int_distribution<int> cuantos(0, 19);
    for (long n = 0; n < lineas; ++n) {
        std::string campos[6];
        if (delicadas) {
            Delicada(azar, campos);
            for (int k = 0; k < 6; ++k) {
                std::printf("%s%c", campos[k].c_str(), k < 5 ? '\t' : '\n');
            }
            continue;
        }
        // Mostly three fields, sometimes more or fewer, sometimes negative.
        const int c = cuantos(azar);
        const int dados = c == 0 ? 2 : c == 1 ? 4 : 3;
        for (int k = 0; k < dados; ++k) {
            campos[campo(azar)] = Numero(azar);
        }
        if (cuantos(azar) == 0) {
            std::string& negativo = campos[campo(azar)];
            negativo = Numero(azar);
            negativo.insert(negativo.begin(), '-');
        }
        for (int k = 0; k < 6; ++k) {
            std::printf("%s%c", campos[k].c_str(), k < 5 ? '\t' : '\n');
        }
    }
    return 0;
}
