// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "procedimiento.h"

#include <gtest/gtest.h>
#include <mpreal.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "funciones.h"
#include "solicitar.h"

namespace pendra {
namespace {

using prueba::Resueltos;
using prueba::Solicitar;
using prueba::Textos;

using Mp = mpfr::mpreal;
// Set before any number is made.
const bool kPrecision = (Mp::set_default_prec(1100), true);

// Reads a step's substitution back as a calculator would, exactly (to 1100
// bits, which hold 180º less an angle of 1e-300º): the numbers as shown, º for degrees, sen, cos,
// arcsen, arccos, √, ², ·, /, +, −. False when the text does not read or leaves a domain.
class Calculadora {
public:
    explicit Calculadora(std::string texto) : t_(std::move(texto)) {}

    bool Evaluar(Mp& valor) {
        p_ = 0;
        valor = Suma();
        return p_ == t_.size() && mpfr::isfinite(valor);
    }

private:
    static Mp Rad() { return mpfr::const_pi() / 180; }

    bool Toma(std::string_view s) {
        while (p_ < t_.size() && t_[p_] == ' ') {
            ++p_;
        }
        if (t_.compare(p_, s.size(), s) == 0) {
            p_ += s.size();
            return true;
        }
        return false;
    }
    Mp Suma() {
        Mp x = Producto();
        for (;;) {
            if (Toma("+")) {
                x += Producto();
            } else if (Toma("\u2212")) {
                x -= Producto();
            } else {
                return x;
            }
        }
    }
    Mp Producto() {
        Mp x = Factor();
        for (;;) {
            if (Toma("\u00B7")) {
                x *= Factor();
            } else if (Toma("/")) {
                x /= Factor();
            } else {
                return x;
            }
        }
    }
    Mp Factor() {
        Mp x = Primario();
        while (Toma("\u00B2")) {
            x *= x;
        }
        return x;
    }
    Mp Primario() {
        if (Toma("arcsen(")) {
            return mpfr::asin(Cierra(Suma())) / Rad();
        }
        if (Toma("arccos(")) {
            return mpfr::acos(Cierra(Suma())) / Rad();
        }
        if (Toma("sen ")) {
            return mpfr::sin(Primario() * Rad());
        }
        if (Toma("cos ")) {
            return mpfr::cos(Primario() * Rad());
        }
        if (Toma("\u221A(")) {
            return mpfr::sqrt(Cierra(Suma()));
        }
        if (Toma("(")) {
            return Cierra(Suma());
        }
        return Numero();
    }
    Mp Cierra(const Mp& x) {
        if (!Toma(")")) {
            p_ = t_.size() + 1;  // fails the whole reading
        }
        Toma("\u00BA");
        return x;
    }
    Mp Numero() {
        Toma("");
        const std::size_t inicio = p_;
        while (p_ < t_.size() &&
               (std::isdigit(static_cast<unsigned char>(t_[p_])) || t_[p_] == '.' ||
                t_[p_] == 'E' || ((t_[p_] == '-' || t_[p_] == '+') && t_[p_ - 1] == 'E'))) {
            ++p_;
        }
        if (p_ == inicio) {
            p_ = t_.size() + 1;
            return 0;
        }
        const Mp x(t_.substr(inicio, p_ - inicio));
        Toma("\u00BA");
        return x;
    }

    std::string t_;
    std::size_t p_ = 0;
};

// A result as shown and one unit of its last digit: "41.8103º" is 41.8103
// and 0.0001, "5.72958E-08" is 5.72958e-08 and 1e-13, "90º" is 90 and 1.
void LeerResultado(std::string texto, Mp& valor, Mp& unidad) {
    if (texto.ends_with("\u00BA")) {
        texto.resize(texto.size() - 2);
    }
    valor = Mp(texto);
    const std::size_t e = texto.find('E');
    const std::string mantisa = texto.substr(0, e);
    const int exponente = e == std::string::npos ? 0 : std::stoi(texto.substr(e + 1));
    const std::size_t punto = mantisa.find('.');
    const int decimales =
        punto == std::string::npos ? 0 : static_cast<int>(mantisa.size() - punto - 1);
    unidad = mpfr::pow(Mp(10), exponente - decimales);
}

// The arithmetic "a ± b ± … = r" a calculator redoes: true when it reaches
// the result shown within one unit of its last digit.
::testing::AssertionResult Rehace(const std::string& cuenta, const std::string& resultado) {
    Mp valor;
    if (!Calculadora(cuenta).Evaluar(valor)) {
        return ::testing::AssertionFailure() << "cannot read back " << cuenta;
    }
    Mp mostrado;
    Mp unidad;
    LeerResultado(resultado, mostrado, unidad);
    if (mpfr::abs(valor - mostrado) > unidad * (1 + 1e-9)) {
        return ::testing::AssertionFailure()
               << cuenta << " = " << valor.toString(20) << ", shown as " << resultado;
    }
    return ::testing::AssertionSuccess();
}

// Each measure the data left missing has a step that finds it, the last such
// step giving the exact solution's value (degrees for an angle); the given
// ones are never "found".
void ComprobarMedidas(const Procedimiento& pr, const Solucion& s, const std::string& caso) {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        for (const bool angulo : {true, false}) {
            const Campo campo{angulo ? TipoCampo::Angulo : TipoCampo::Lado, i};
            const Paso* ultimo = nullptr;
            for (const Paso& paso : pr.pasos) {
                ultimo = paso.calcula == campo ? &paso : ultimo;
            }
            if ((angulo ? s.datos.Angulo(i) : s.datos.Lado(i)) > 0) {
                EXPECT_EQ(ultimo, nullptr) << caso << ": a given measure is found";
                continue;
            }
            const double medida = angulo ? s.precisa.Angulo(i) : s.precisa.Lado(i);
            ASSERT_TRUE(ultimo != nullptr && ultimo->valor)
                << caso << ": nothing finds " << (angulo ? "angle " : "side ") << int(i);
            EXPECT_LE(std::fabs(*ultimo->valor - medida), 1e-12 * medida)
                << caso << ": " << ultimo->formula;
            // And the number given out for it agrees to the same twelve digits.
            const double dada = angulo ? s.medidas.Angulo(i) / RadPorGrado : s.medidas.Lado(i);
            EXPECT_LE(std::fabs(*ultimo->valor - dada), 1e-12 * dada)
                << caso << ": given out as " << dada;
        }
    }
}

// Every step, and every sum in its note, redone with a calculator from the
// numbers shown, reaches the result shown within one unit of its last digit.
void ComprobarPasos(const Procedimiento& pr, const Solucion& s, const std::string& caso) {
    for (const Paso& paso : pr.pasos) {
        const std::string expresion = paso.sustitucion.substr(paso.sustitucion.find(" = ") + 3);
        EXPECT_TRUE(Rehace(expresion, paso.resultado)) << caso << ": " << paso.sustitucion;
        const std::size_t suman = paso.nota.find("suman ");
        if (suman != std::string::npos) {
            const std::string cuenta =
                paso.nota.substr(suman + 6, paso.nota.find(", ", suman) - suman - 6);
            const std::size_t igual = cuenta.find(" = ");
            EXPECT_TRUE(Rehace(cuenta.substr(0, igual), cuenta.substr(igual + 3)))
                << caso << ": " << paso.nota;
        }
    }
    ComprobarMedidas(pr, s, caso);
}

struct CasoProcedimiento {
    const char* nombre;
    Textos textos;
    const char* caso;
    // Per triangle, in window order: the rules of its steps, in order.
    std::vector<std::vector<std::string>> reglas;
};

const std::vector<std::string> kLLL = {"teorema del coseno", "teorema del coseno",
                                       "suma de los ángulos"};
// A thin angle is found by its sine, never by an arc cosine near 1.
const std::vector<std::string> kAguja = {"teorema del coseno", "teorema del seno",
                                         "suma de los ángulos"};
const std::vector<std::string> kLAL = {"teorema del coseno", "teorema del seno",
                                       "suma de los ángulos"};
const std::vector<std::string> kSenos = {"suma de los ángulos", "teorema del seno",
                                         "teorema del seno"};
const std::vector<std::string> kAmbiguo = {"teorema del seno", "caso ambiguo", "caso ambiguo",
                                           "suma de los ángulos", "teorema del seno"};

TEST(Procedimiento, WorksEveryCaseStepByStepToTheMeasuresShown) {
    const CasoProcedimiento casos[] = {
        {"three sides, right angle", {"", "3", "", "4", "", "5"}, "LLL", {kLLL}},
        {"three sides, obtuse", {"", "7", "", "3", "", "5"}, "LLL", {kLLL}},
        {"two sides and their angle", {"", "6", "30", "", "", "10"}, "LAL", {kLAL}},
        {"two sides and an obtuse angle", {"120", "", "", "5", "", "10"}, "LAL", {kLAL}},
        {"two angles and the side between", {"40", "", "", "7", "75", ""}, "ALA", {kSenos}},
        {"two angles and a side opposite", {"40", "7", "75", "", "", ""}, "AAL", {kSenos}},
        {"ambiguous with two triangles",
         {"30", "6", "", "", "", "10"},
         "LLA",
         {kAmbiguo, kAmbiguo}},
        {"ambiguous with one, obtuse angle given",
         {"120", "10", "", "", "", "5"},
         "LLA",
         {kAmbiguo}},
        {"ambiguous with one, longer opposite side",
         {"30", "10", "", "", "", "6"},
         "LLA",
         {kAmbiguo}},
        {"ambiguous, isosceles", {"", "5", "", "", "40", "5"}, "LLA", {kAmbiguo}},
        {"ambiguous, tangent",
         {"30", "5", "", "", "", "10"},
         "LLA",
         {{"teorema del seno", "ángulo recto", "suma de los ángulos", "teorema del seno"}}},
        {"needle of three sides", {"", "1", "", "1", "", "1e-9"}, "LLL", {kAguja}},
        // Flat: both thin angles from their cosines, the largest from the sum.
        {"thin, a degree short of flat", {"", "2", "", "1.5", "", "3.4999"}, "LLL", {kLLL}},
        {"two thin angles given, the third near a half turn",
         {"1e-200", "", "", "5", "3e-200", ""},
         "ALA",
         {kSenos}},
    };
    for (const CasoProcedimiento& caso : casos) {
        const std::vector<Solucion> ventanas = Resueltos(caso.textos);
        ASSERT_EQ(ventanas.size(), caso.reglas.size()) << caso.nombre;
        for (std::size_t k = 0; k < ventanas.size(); ++k) {
            const Procedimiento pr = ProcedimientoDe(ventanas[k]);
            EXPECT_EQ(pr.caso, caso.caso) << caso.nombre;
            std::vector<std::string> reglas;
            for (const Paso& paso : pr.pasos) {
                reglas.push_back(paso.regla);
            }
            EXPECT_EQ(reglas, caso.reglas[k]) << caso.nombre << ", triangle " << k + 1;
            ComprobarPasos(pr, ventanas[k], caso.nombre);
        }
    }
}

// In the ambiguous case each candidate says whether it gives a triangle.
TEST(Procedimiento, SaysWhichAmbiguousCandidateGivesATriangle) {
    const struct {
        const char* nombre;
        Textos textos;
        std::vector<std::string> finales;  // how the notes of the two candidates end
    } casos[] = {
        {"two triangles, the first",
         {"30", "6", "", "", "", "10"},
         {"es el ángulo de este triángulo.", "da el otro triángulo."}},
        {"one, the obtuse candidate leaves no room",
         {"120", "10", "", "", "", "5"},
         {"es el ángulo de este triángulo.", "no deja sitio para el tercer ángulo y se descarta."}},
    };
    for (const auto& caso : casos) {
        const Procedimiento pr = ProcedimientoDe(Resueltos(caso.textos).at(0));
        ASSERT_GE(pr.pasos.size(), 3U) << caso.nombre;
        for (std::size_t k = 0; k < 2; ++k) {
            EXPECT_TRUE(pr.pasos[k + 1].nota.ends_with(caso.finales[k]))
                << caso.nombre << ": " << pr.pasos[k + 1].nota;
        }
    }
}

// Each reason for no triangle, with its numbers.
TEST(Procedimiento, ExplainsWhyThereIsNoTriangle) {
    const struct {
        const char* nombre;
        Textos textos;
        const char* motivo;
    } casos[] = {
        {"angles sum past a half turn",
         {"100", "", "90", "", "", "4"},
         "Los ángulos dados suman 100º + 90º = 190º, y los tres ángulos de un triángulo suman "
         "180º: no queda nada para el ángulo 3."},
        {"angles sum to exactly a half turn",
         {"100", "4", "80", "", "", ""},
         "Los ángulos dados suman 100º + 80º = 180º, y los tres ángulos de un triángulo suman "
         "180º: no queda nada para el ángulo 3."},
        {"a side as long as the other two",
         {"", "1", "", "2", "", "3"},
         "El lado 3 mide 3, y no es menor que la suma de los otros dos: 1 + 2 = 3. Cada lado de "
         "un triángulo es menor que la suma de los otros dos."},
        {"a side longer than the other two",
         {"", "10", "", "3", "", "4"},
         "El lado 1 mide 10, y no es menor que la suma de los otros dos: 3 + 4 = 7. Cada lado de "
         "un triángulo es menor que la suma de los otros dos."},
        {"opposite side short of the height",
         {"30", "3", "", "", "", "10"},
         "El lado 1, opuesto al ángulo 1, mide 3: es más corto que la altura que debe alcanzar, "
         "lado 3 × sen(ángulo 1) = 10 × sen 30º = 5, y no llega a cerrar el triángulo."},
        {"obtuse angle opposite the shorter side",
         {"120", "9", "", "", "", "10"},
         "El ángulo 1 mide 120º y no es agudo, así que el lado opuesto a él, el lado 1 (9), "
         "tendría que ser el mayor del triángulo; pero el lado 3 mide 10."},
        {"a given angle of a half turn",
         {"", "3", "180", "", "", "4"},
         "El ángulo 2 mide 180º, y cada ángulo de un triángulo mide menos de 180º."},
        {"a given angle past a half turn, ambiguous case",
         {"200", "1", "", "", "", "2"},
         "El ángulo 1 mide 200º, y cada ángulo de un triángulo mide menos de 180º."},
        {"a side beyond the double range",
         {"89.99999", "", "90", "", "", "1e308"},
         "Alguna medida de ese triángulo sería demasiado grande o demasiado pequeña para los "
         "números que el programa puede representar."},
    };
    for (const auto& caso : casos) {
        const Respuesta r = Solicitar(caso.textos);
        ASSERT_TRUE(r.mensaje && r.soluciones.empty()) << caso.nombre;
        EXPECT_EQ(r.mensaje->motivo, caso.motivo) << caso.nombre;
    }
}

// A large batch of data at every magnitude: every triangle shown has a step
// for each missing measure that gives exactly its value, every step redoes
// with a calculator, and every request that shows none says why.
TEST(Procedimiento, ExplainsEveryAnswerOfALargeBatch) {
    std::mt19937_64 azar(20261207);
    std::uniform_int_distribution<int> caso(0, 19);
    const auto numero = [&]() -> std::string {
        char texto[40];
        if (caso(azar) == 0) {
            std::snprintf(texto, sizeof texto, "%.17g",
                          std::pow(10.0, std::uniform_real_distribution<double>(-300, 300)(azar)));
        } else {
            std::snprintf(texto, sizeof texto, "%.*g",
                          std::uniform_int_distribution<int>(1, 17)(azar),
                          std::uniform_real_distribution<double>(0.001, 190)(azar));
        }
        return texto;
    };
    int triangulos = 0;
    int sinTriangulo = 0;
    for (int n = 0; n < 20000; ++n) {
        Textos textos;
        int dados = 0;
        while (dados < 3) {
            std::string& campo = textos[std::uniform_int_distribution<std::size_t>(0, 5)(azar)];
            if (campo.empty()) {
                campo = numero();
                ++dados;
            }
        }
        const Respuesta r = Solicitar(textos);
        const std::string lugar = textos[0] + "|" + textos[1] + "|" + textos[2] + "|" + textos[3] +
                                  "|" + textos[4] + "|" + textos[5];
        if (r.mensaje) {
            // Only "no triangle" has a reason; the prompt stays as it was.
            const bool sin = r.mensaje->texto == mensajes::kSinSolucion;
            sinTriangulo += sin ? 1 : 0;
            EXPECT_EQ(r.mensaje->motivo.empty(), !sin) << lugar << ": " << r.mensaje->texto;
        }
        for (const Solucion& s : r.soluciones) {
            ++triangulos;
            ComprobarPasos(ProcedimientoDe(s), s, lugar);
        }
    }
    // The batch reaches both answers in numbers.
    EXPECT_GT(triangulos, 5000);
    EXPECT_GT(sinTriangulo, 1000);
}

}  // namespace
}  // namespace pendra
