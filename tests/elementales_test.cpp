// The core's own sine, cosine, arc tangents, arc sine and hypotenuse against
// MPFR's correctly rounded values: within one unit in the last place (two
// for atan2).

#include "elementales.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace pendra::elemental {
namespace {

// Units in the last place between x and the exact f(args) at 256 bits.
double ErrorUlp(double x, const std::function<int(mpfr_t, mpfr_t, mpfr_t)>& exacta, double a,
                double b) {
    mpfr_t ma, mb, r;
    mpfr_inits2(256, ma, mb, r, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(ma, a, MPFR_RNDN);
    mpfr_set_d(mb, b, MPFR_RNDN);
    exacta(r, ma, mb);
    const double redondeado = mpfr_get_d(r, MPFR_RNDN);
    mpfr_sub_d(r, r, x, MPFR_RNDN);
    const double diferencia = std::fabs(mpfr_get_d(r, MPFR_RNDN));
    mpfr_clears(ma, mb, r, static_cast<mpfr_ptr>(nullptr));
    const double ulp = std::nextafter(std::fabs(redondeado), 1e308) - std::fabs(redondeado);
    return diferencia / ulp;
}

struct Funcion {
    const char* nombre;
    double (*propia)(double, double);
    std::function<int(mpfr_t, mpfr_t, mpfr_t)> exacta;
    double desde;  // arguments drawn from [desde, hasta], both for two-argument ones
    double hasta;
    double tope = 1.0;  // ulps
};

TEST(Elementales, WithinOneUlpOfTheCorrectlyRoundedValue) {
    const Funcion funciones[] = {
        {"sin", [](double a, double) { return sin(a); },
         [](mpfr_t r, mpfr_t a, mpfr_t) { return mpfr_sin(r, a, MPFR_RNDN); }, -10, 10},
        {"sin of huge arguments", [](double a, double) { return sin(a); },
         [](mpfr_t r, mpfr_t a, mpfr_t) { return mpfr_sin(r, a, MPFR_RNDN); }, 1e6, 1e300},
        {"cos", [](double a, double) { return cos(a); },
         [](mpfr_t r, mpfr_t a, mpfr_t) { return mpfr_cos(r, a, MPFR_RNDN); }, -10, 10},
        {"cos of huge arguments", [](double a, double) { return cos(a); },
         [](mpfr_t r, mpfr_t a, mpfr_t) { return mpfr_cos(r, a, MPFR_RNDN); }, 1e6, 1e300},
        {"atan", [](double a, double) { return atan(a); },
         [](mpfr_t r, mpfr_t a, mpfr_t) { return mpfr_atan(r, a, MPFR_RNDN); }, -1e3, 1e3},
        {"asin", [](double a, double) { return asin(a); },
         [](mpfr_t r, mpfr_t a, mpfr_t) { return mpfr_asin(r, a, MPFR_RNDN); }, -1, 1},
        {"atan2", [](double a, double b) { return atan2(a, b); },
         [](mpfr_t r, mpfr_t a, mpfr_t b) { return mpfr_atan2(r, a, b, MPFR_RNDN); }, -1e3, 1e3,
         // y / x is rounded before its arc tangent is taken.
         2.0},
        {"hypot", [](double a, double b) { return hypot(a, b); },
         [](mpfr_t r, mpfr_t a, mpfr_t b) { return mpfr_hypot(r, a, b, MPFR_RNDN); }, -1e3, 1e3},
    };
    std::mt19937_64 azar(20261207);
    for (const Funcion& f : funciones) {
        const bool logaritmica = f.desde > 0;
        std::uniform_real_distribution<double> reparto(logaritmica ? std::log(f.desde) : f.desde,
                                                       logaritmica ? std::log(f.hasta) : f.hasta);
        double peor = 0;
        for (int n = 0; n < 20000; ++n) {
            double a = reparto(azar);
            double b = reparto(azar);
            if (logaritmica) {
                a = std::exp(a);
                b = std::exp(b);
            }
            peor = std::max(peor, ErrorUlp(f.propia(a, b), f.exacta, a, b));
        }
        EXPECT_LT(peor, f.tope) << f.nombre;
    }
}

TEST(Elementales, SpecialArguments) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kPi = 3.141592653589793;
    EXPECT_EQ(sin(0.0), 0.0);
    EXPECT_TRUE(std::signbit(sin(-0.0)));
    EXPECT_EQ(cos(0.0), 1.0);
    EXPECT_TRUE(std::isnan(sin(kInf)));
    EXPECT_TRUE(std::isnan(cos(-kInf)));
    EXPECT_TRUE(std::isnan(asin(1.5)));
    EXPECT_EQ(asin(1.0), kPi / 2);
    EXPECT_EQ(atan(kInf), kPi / 2);
    EXPECT_EQ(atan2(0.0, -1.0), kPi);
    EXPECT_EQ(atan2(1.0, 0.0), kPi / 2);
    EXPECT_EQ(hypot(3.0, 4.0), 5.0);
    EXPECT_EQ(hypot(3e300, 4e300), 5e300);
    EXPECT_EQ(hypot(0x3p-1060, 0x4p-1060), 0x5p-1060);
    EXPECT_EQ(hypot(kInf, std::nan("")), kInf);
    // Next to multiples of pi/2, where the reduction cancels.
    EXPECT_NEAR(sin(kPi), 1.2246467991473532e-16, 1e-31);
    EXPECT_NEAR(cos(kPi / 2), 6.123233995736766e-17, 1e-32);
    EXPECT_NEAR(sin(2 * kPi), -2.4492935982947064e-16, 1e-31);
}

}  // namespace
}  // namespace pendra::elemental
