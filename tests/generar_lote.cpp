// Prints a deterministic batch of field sets for pendra-cli: every case, the
// messages, and numbers at every magnitude. Used to compare two builds.

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

}  // namespace

int main(int argc, char** argv) {
    const long lineas = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    std::mt19937_64 azar(1234567);
    std::uniform_int_distribution<int> campo(0, 5);
    std::uniform_int_distribution<int> cuantos(0, 19);
    for (long n = 0; n < lineas; ++n) {
        std::string campos[6];
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
