// The solutions shown against a reference computed with 320-bit MPFR
// arithmetic, over seeded sweeps of needles, flat triangles, tangent cases and
// extreme magnitudes, every way of giving three measures: the count of
// triangles, every number and every label.

#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "formato.h"
#include "funciones.h"
#include "registro.h"

namespace pendra {
namespace {

// An MPFR number with value semantics, for the few operations used here.
class Mp {
public:
    static constexpr mpfr_prec_t kBits = 320;
    Mp(double x = 0) {
        mpfr_init2(v_, kBits);
        mpfr_set_d(v_, x, MPFR_RNDN);
    }
    Mp(const Mp& o) {
        mpfr_init2(v_, kBits);
        mpfr_set(v_, o.v_, MPFR_RNDN);
    }
    Mp& operator=(const Mp& o) {
        mpfr_set(v_, o.v_, MPFR_RNDN);
        return *this;
    }
    ~Mp() { mpfr_clear(v_); }

    static Mp Pi() {
        Mp r;
        mpfr_const_pi(r.v_, MPFR_RNDN);
        return r;
    }
    double Double() const { return mpfr_get_d(v_, MPFR_RNDN); }
    int Signo() const { return mpfr_sgn(v_); }

    template <typename F>
    static Mp Aplicar(F f, const Mp& x) {
        Mp r;
        f(r.v_, x.v_, MPFR_RNDN);
        return r;
    }
    template <typename F>
    static Mp Aplicar(F f, const Mp& x, const Mp& y) {
        Mp r;
        f(r.v_, x.v_, y.v_, MPFR_RNDN);
        return r;
    }

private:
    mpfr_t v_;
};

Mp operator+(const Mp& x, const Mp& y) {
    return Mp::Aplicar(mpfr_add, x, y);
}
Mp operator-(const Mp& x, const Mp& y) {
    return Mp::Aplicar(mpfr_sub, x, y);
}
Mp operator*(const Mp& x, const Mp& y) {
    return Mp::Aplicar(mpfr_mul, x, y);
}
Mp operator/(const Mp& x, const Mp& y) {
    return Mp::Aplicar(mpfr_div, x, y);
}
Mp Sin(const Mp& x) {
    return Mp::Aplicar(mpfr_sin, x);
}
Mp Asin(const Mp& x) {
    return Mp::Aplicar(mpfr_asin, x);
}
Mp Sqrt(const Mp& x) {
    return Mp::Aplicar(mpfr_sqrt, x);
}
Mp Atan2(const Mp& y, const Mp& x) {
    return Mp::Aplicar(mpfr_atan2, y, x);
}

// A triangle in high precision: angles in radians and sides, indexed 0 to 2.
struct Verdad {
    std::array<Mp, 3> angulo;
    std::array<Mp, 3> lado;
};

// Every triangle the given measures fix, from the law of cosines in its
// half-angle form and the law of sines; at 320 bits nothing that the doubles
// can express cancels. `grados` and `lados` hold 0 for a missing measure.
std::vector<Verdad> Referencia(const std::array<double, 3>& grados,
                               const std::array<double, 3>& lados) {
    const Mp pi = Mp::Pi();
    const auto rad = [&](int i) { return Mp(grados[i]) * pi / Mp(180); };
    std::vector<int> angulos;
    std::vector<int> dados;
    for (int i = 0; i < 3; ++i) {
        if (grados[i] > 0) {
            angulos.push_back(i);
        }
        if (lados[i] > 0) {
            dados.push_back(i);
        }
    }
    Verdad t;
    for (int i = 0; i < 3; ++i) {
        t.angulo[i] = rad(i);
        t.lado[i] = Mp(lados[i]);
    }
    // The angle opposite side i from the three sides: atan2(4K, b² + c² - a²)
    // with the area K from Heron's formula on sorted sides.
    const auto anguloDeLados = [&](const Verdad& v, int i) {
        const Mp& a = v.lado[i];
        const Mp& b = v.lado[(i + 1) % 3];
        const Mp& c = v.lado[(i + 2) % 3];
        std::array<double, 3> o = {a.Double(), b.Double(), c.Double()};
        std::array<Mp, 3> s = {a, b, c};
        for (int x = 0; x < 3; ++x) {
            for (int y = x + 1; y < 3; ++y) {
                if (o[y] > o[x]) {
                    std::swap(o[x], o[y]);
                    std::swap(s[x], s[y]);
                }
            }
        }
        const Mp k4 = Sqrt((s[0] + (s[1] + s[2])) * (s[2] - (s[0] - s[1])) *
                           (s[2] + (s[0] - s[1])) * (s[0] + (s[1] - s[2])));
        return Atan2(k4, b * b + c * c - a * a);
    };
    const auto resto = [&](Verdad& v, int i) {
        v.angulo[i] = pi - v.angulo[(i + 1) % 3] - v.angulo[(i + 2) % 3];
    };
    if (angulos.empty()) {
        std::array<double, 3> o = lados;
        std::sort(o.begin(), o.end());
        if (!(o[0] - (o[2] - o[1]) > 0)) {
            return {};
        }
        for (int i = 0; i < 3; ++i) {
            t.angulo[i] = anguloDeLados(t, i);
        }
        return {t};
    }
    if (angulos.size() == 2) {
        const int q = 3 - angulos[0] - angulos[1];
        resto(t, q);
        if (t.angulo[q].Signo() <= 0) {
            return {};
        }
        const int z = dados[0];
        const Mp diametro = t.lado[z] / Sin(t.angulo[z]);
        for (int i = 0; i < 3; ++i) {
            t.lado[i] = diametro * Sin(t.angulo[i]);
        }
        return {t};
    }
    const int q = angulos[0];
    if (lados[q] == 0) {
        // Two sides and the angle between them.
        if (!(grados[q] < 180)) {
            return {};
        }
        const Mp& b = t.lado[(q + 1) % 3];
        const Mp& c = t.lado[(q + 2) % 3];
        const Mp h = Sin(t.angulo[q] / Mp(2));
        t.lado[q] = Sqrt((b - c) * (b - c) + Mp(4) * b * c * h * h);
        t.angulo[(q + 1) % 3] = anguloDeLados(t, (q + 1) % 3);
        resto(t, (q + 2) % 3);
        return {t};
    }
    // Two sides and an angle opposite one of them.
    const int p = dados[0] == q ? dados[1] : dados[0];
    const int r = 3 - p - q;
    if (!(grados[q] < 180)) {
        return {};
    }
    const Mp s = t.lado[p] * Sin(t.angulo[q]) / t.lado[q];
    const double d = (s - Mp(1)).Double();
    const auto completar = [&](Verdad v) {
        resto(v, r);
        v.lado[r] = v.lado[q] * Sin(v.angulo[r]) / Sin(v.angulo[q]);
        return v;
    };
    if (std::fabs(d) <= kToleranciaTangente) {
        t.angulo[p] = pi / Mp(2);
        return grados[q] < 90 ? std::vector<Verdad>{completar(t)} : std::vector<Verdad>{};
    }
    if (d > 0) {
        return {};
    }
    std::vector<Verdad> v;
    const double a = lados[p];
    const double b = lados[q];
    // Exactly: an acute given angle has a second triangle when the side
    // opposite it is the shorter; an obtuse one has a triangle only then.
    if (grados[q] < 90 ? true : a < b) {
        t.angulo[p] = Asin(s);
        v.push_back(completar(t));
    }
    if (grados[q] < 90 && a > b) {
        t.angulo[p] = pi - Asin(s);
        v.push_back(completar(t));
    }
    return v;
}

// The value of a label's text and one unit of its last digit.
void LeerEtiqueta(const std::string& etiqueta, double& valor, double& unidad) {
    valor = std::strtod(etiqueta.c_str(), nullptr);
    const std::size_t e = etiqueta.find('E');
    const std::string mantisa = etiqueta.substr(0, e);
    const std::size_t punto = mantisa.find('.');
    const int decimales =
        punto == std::string::npos ? 0 : static_cast<int>(mantisa.size() - punto - 1);
    const int exponente = e == std::string::npos ? 0 : std::atoi(etiqueta.c_str() + e + 1);
    unidad = std::pow(10.0, exponente - decimales);
}

// Whether a shown number and its label agree with the true value. A label is
// cut, not rounded, so it may lie up to one unit below; rounding in the last
// bits may move the cut by one more.
std::string Comparar(const char* que, double real, double verdad, double tolerancia) {
    char texto[160];
    if (!(std::fabs(real - verdad) <= tolerancia * verdad)) {
        std::snprintf(texto, sizeof texto, "%s %.17g, true %.17g", que, real, verdad);
        return texto;
    }
    return "";
}

std::string CompararEtiqueta(const char* que, const std::string& etiqueta, double verdad) {
    double valor = 0;
    double unidad = 0;
    LeerEtiqueta(etiqueta, valor, unidad);
    if (!(std::fabs(valor - verdad) <= unidad * (1 + 1e-9))) {
        char texto[160];
        std::snprintf(texto, sizeof texto, "%s label %s, true %.17g", que, etiqueta.c_str(),
                      verdad);
        return texto;
    }
    return "";
}

std::string Texto(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

// One request against the reference: what is wrong (empty when nothing), the
// triangles shown and the largest relative error of their numbers.
struct Cotejo {
    std::vector<std::string> fallos;
    int triangulos = 0;
    double peor = 0;
};

Cotejo Cotejar(const std::array<std::string, 6>& textos) {
    std::array<double, 3> grados{};
    std::array<double, 3> lados{};
    for (int i = 0; i < 3; ++i) {
        grados[i] = std::strtod(textos[2 * i].c_str(), nullptr);
        lados[i] = std::strtod(textos[2 * i + 1].c_str(), nullptr);
    }
    const std::vector<Verdad> verdad = Referencia(grados, lados);
    const std::vector<Medidas> v = prueba::Solicitar(textos).Ventanas();
    Cotejo cotejo;
    std::string caso;
    for (const std::string& t : textos) {
        caso += " \"" + t + "\"";
    }
    if (v.size() != verdad.size()) {
        cotejo.fallos.push_back(caso + ": " + std::to_string(v.size()) + " triangles, true " +
                                std::to_string(verdad.size()));
        return cotejo;
    }
    for (std::size_t k = 0; k < v.size(); ++k) {
        ++cotejo.triangulos;
        for (std::uint8_t i = 1; i <= 3; ++i) {
            const double angulo = verdad[k].angulo[i - 1].Double();
            const double lado = verdad[k].lado[i - 1].Double();
            cotejo.peor = std::max({cotejo.peor, std::fabs(v[k].Angulo(i) / angulo - 1),
                                    std::fabs(v[k].Lado(i) / lado - 1)});
            for (const std::string& falla :
                 {Comparar("angle", v[k].Angulo(i), angulo, 1e-9),
                  Comparar("side", v[k].Lado(i), lado, 1e-9),
                  CompararEtiqueta("angle", FormatoMedida(v[k].Angulo(i) / RadPorGrado),
                                   angulo * 180 / std::numbers::pi),
                  CompararEtiqueta("side", FormatoMedida(v[k].Lado(i)), lado)}) {
                if (!falla.empty()) {
                    cotejo.fallos.push_back(caso + ", solution " + std::to_string(k + 1) + ", " +
                                            std::to_string(i) + ": " + falla);
                }
            }
        }
    }
    return cotejo;
}

// What users typed and were refused or shown wrong labels, and requests once
// refused as not closing: each must give what the reference gives.
TEST(Precision, SolvesThinFlatAndTangentRequestsAsTheReferenceDoes) {
    const std::array<std::string, 6> casos[] = {
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
        {"", "1", "", "1", "", "1e-6"},
        {"", "1", "", "1", "1e-5", ""},
        {"", "1e-300", "", "1e-300", "", "1e-310"},
        // Tangents: 30 degrees, 5 and 10 touch at one right angle.
        {"30", "5", "", "10", "", ""},
        {"", "1", "", "2", "30.000000000001", ""},
        {"", "1", "", "2", "30.00000001", ""},
        {"90", "1", "", "1", "", ""},
        // An isosceles needle whose classic arc sine is near 1.
        {"0.000773620583231613", "", "", "100.6736705347092", "", "100.6736705347092"},
    };
    for (const auto& textos : casos) {
        for (const std::string& falla : Cotejar(textos).fallos) {
            ADD_FAILURE() << falla;
        }
    }
}

// A sweep: a family of triangles by their true angles in degrees and the
// magnitude of their sides.
struct Barrido {
    const char* nombre;
    std::uint64_t semilla;
    // Fills three angles in degrees that add up to 180.
    void (*angulos)(std::mt19937_64&, std::array<double, 3>&);
    double exponenteMinimo;
    double exponenteMaximo;
};

double Uniforme(std::mt19937_64& azar, double desde, double hasta) {
    return std::uniform_real_distribution<double>(desde, hasta)(azar);
}

void Cerrar(std::array<double, 3>& g) {
    g[2] = (180 - g[0]) - g[1];
}

const Barrido kBarridos[] = {
    {"needles", 11,
     [](std::mt19937_64& azar, std::array<double, 3>& g) {
         g[0] = std::pow(10.0, Uniforme(azar, -12, -3));
         g[1] = Uniforme(azar, 1, 179);
         Cerrar(g);
     },
     -3, 3},
    {"flat triangles", 12,
     [](std::mt19937_64& azar, std::array<double, 3>& g) {
         g[0] = std::pow(10.0, Uniforme(azar, -11, -3));
         g[1] = g[0] * Uniforme(azar, 0.01, 100);
         Cerrar(g);
     },
     -3, 3},
    {"isosceles needles", 13,
     [](std::mt19937_64& azar, std::array<double, 3>& g) {
         g[0] = std::pow(10.0, Uniforme(azar, -12, -2));
         g[1] = (180 - g[0]) / 2;
         Cerrar(g);
     },
     -3, 3},
    {"tangent cases", 14,
     [](std::mt19937_64& azar, std::array<double, 3>& g) {
         g[0] = 90;
         g[1] = Uniforme(azar, 1, 89);
         Cerrar(g);
     },
     -3, 3},
    {"near tangents", 16,
     [](std::mt19937_64& azar, std::array<double, 3>& g) {
         g[0] = 90 - std::pow(10.0, Uniforme(azar, -5, 1));
         g[1] = Uniforme(azar, 1, 179 - g[0]);
         Cerrar(g);
     },
     -3, 3},
    {"extreme magnitudes", 15,
     [](std::mt19937_64& azar, std::array<double, 3>& g) {
         g[0] = std::pow(10.0, Uniforme(azar, -10, 1.9));
         g[1] = Uniforme(azar, 0, 180 - g[0]);
         Cerrar(g);
     },
     -280, 280},
};

TEST(Precision, SweepsGiveEveryTriangleRightToTheLabelAndToOnePartInABillion) {
    for (const Barrido& barrido : kBarridos) {
        std::mt19937_64 azar(barrido.semilla);
        int fallos = 0;
        int triangulos = 0;
        double peor = 0;
        for (int n = 0; n < 1500 && fallos < 10; ++n) {
            std::array<double, 3> g{};
            barrido.angulos(azar, g);
            if (!(g[2] > 0)) {
                continue;
            }
            const double escala =
                std::pow(10.0, Uniforme(azar, barrido.exponenteMinimo, barrido.exponenteMaximo));
            // Shuffled, so each family lands on every index.
            std::shuffle(g.begin(), g.end(), azar);
            std::array<double, 3> l{};
            for (int i = 0; i < 3; ++i) {
                l[i] = escala * std::sin(g[i] * std::numbers::pi / 180);
            }
            // Any three measures but the three angles.
            unsigned mascara = 0;
            do {
                mascara = std::uniform_int_distribution<unsigned>(0, 63)(azar);
            } while (std::popcount(mascara) != 3 || mascara == 0b010101);
            std::array<std::string, 6> textos;
            for (int i = 0; i < 3; ++i) {
                if (mascara >> (2 * i) & 1U) {
                    textos[2 * i] = Texto(g[i]);
                }
                if (mascara >> (2 * i + 1) & 1U) {
                    textos[2 * i + 1] = Texto(l[i]);
                }
            }
            const Cotejo cotejo = Cotejar(textos);
            for (const std::string& falla : cotejo.fallos) {
                ADD_FAILURE() << barrido.nombre << ":" << falla;
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

}  // namespace
}  // namespace pendra
