// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "procedimiento.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "decimal.h"
#include "elementales.h"
#include "exacto.h"
#include "formato.h"
#include "funciones.h"

namespace pendra {

namespace {

// The typographic signs of the formulas: minus sign, middle dot, square root.
constexpr const char* kMenos = " \u2212 ";
constexpr const char* kPor = "\u00B7";
constexpr const char* kRaiz = "\u221A";
constexpr const char* kCuadrado = "\u00B2";

// The letter with subscript i: U+2081 … U+2083 in UTF-8.
std::string ConSubindice(char letra, std::uint8_t i) {
    return {letra, '\xE2', '\x82', static_cast<char>(0x80 + i)};
}
std::string A(std::uint8_t i) {
    return ConSubindice('A', i);
}
std::string L(std::uint8_t i) {
    return ConSubindice('L', i);
}

// A number in exponent form goes in parentheses, so that a square or a
// product after it reads as meant.
std::string Agrupar(const std::string& texto) {
    return texto.find('E') == std::string::npos ? texto : "(" + texto + ")";
}

// The value a calculator reads from a number's text.
double Leido(const std::string& texto) {
    return texto.starts_with('-') ? -decimal::Leer(std::string_view(texto).substr(1))
                                  : decimal::Leer(texto);
}

// Significant digits of a measure the working finds, and of the other
// numbers it finds on the way (a sine).
constexpr int kCifrasMedida = 6;
constexpr int kCifrasIntermedias = 10;

// The shortest text that reads back to a typed value: what the user typed,
// as far as a double keeps it.
std::string Tecleado(double x) {
    // Plain digits wherever the labels write them plainly: 30, not 3E+01.
    const bool llano = std::fabs(x) >= 1e-4 && std::fabs(x) < 1e15;
    for (int cifras = 1; cifras < 17; ++cifras) {
        const std::string texto = TextoValor(x, cifras);
        if (Leido(texto) == x && (!llano || texto.find('E') == std::string::npos)) {
            return texto;
        }
    }
    return TextoValor(x, 17);
}

// A number put into a formula: its value, whether the user typed it, and
// whether it is an angle in degrees.
struct Numero {
    double valor = 0;
    bool dado = false;
    bool grados = false;
    std::string simbolo;  // its name in the formula: "L₁", "A₂", "sen A₁"
    // An angle so near a half turn that a double cannot hold its distance to
    // 180º is written as 180º less that distance, which is kept here.
    double suplemento = 0;
};

// The text of a number with `cifras` significant digits, rounded; a typed
// one as typed. The value a calculator reads from that text.
std::string TextoDe(const Numero& n, int cifras) {
    if (n.suplemento > 0) {
        return "(180" + std::string(kMarcaGrado) + kMenos +
               Agrupar(TextoValor(n.suplemento, cifras) + kMarcaGrado) + ")";
    }
    const std::string texto = n.dado ? Tecleado(n.valor) : TextoValor(n.valor, cifras);
    return Agrupar(texto + (n.grados ? kMarcaGrado : ""));
}
// A supplement form goes to the formulas as minus its distance to 180º, so
// that they lose none of it: Seno and Resto below read it.
double ValorDe(const Numero& n, int cifras) {
    if (n.suplemento > 0) {
        return -Leido(TextoValor(n.suplemento, cifras));
    }
    return n.dado ? n.valor : Leido(TextoValor(n.valor, cifras));
}
double Seno(double grados) {
    return SenoGrados(std::fabs(grados));
}
double RestoDe(double a, double b) {
    if (a < 0) {
        return -a - b;
    }
    if (b < 0) {
        return -b - a;
    }
    return 180 - a - b;
}

// One unit of the last of the `cifras` digits of a number written by
// TextoValor: of its last digit, or finer where trailing zeros were dropped.
double Unidad(const std::string& texto, int cifras) {
    const std::size_t e = texto.find('E');
    const int exponente = e == std::string::npos ? 0 : std::stoi(texto.substr(e + 1));
    const std::string mantisa = texto.substr(0, e);
    const std::size_t primera = mantisa.find_first_of("123456789");
    const std::size_t punto = mantisa.find('.');
    // The power of ten of the first significant digit.
    int potencia = 0;
    if (primera == std::string::npos) {
        return 0;
    }
    if (punto == std::string::npos || primera < punto) {
        potencia =
            static_cast<int>((punto == std::string::npos ? mantisa.size() : punto) - primera) - 1;
    } else {
        potencia = -static_cast<int>(primera - punto);
    }
    return std::pow(10.0, exponente + potencia - (cifras - 1));
}

// What a step shows of its arithmetic: the formula with the numbers put in,
// and its result.
struct Cuenta {
    std::string sustitucion;
    std::string resultado;
};

// Puts the numbers into a formula with as many digits as they need for the
// formula, evaluated on the numbers as shown, to land within one unit of the
// last digit of the result shown (`cifras` digits, rounded). `texto` writes
// the formula from the numbers' texts; `valor` evaluates it, in a form that
// does not cancel, so that it says what exact arithmetic on those numbers
// gives.
template <typename Texto, typename Valor>
Cuenta Contar(const std::vector<Numero>& numeros, Texto texto, Valor valor, double resultado,
              int cifras, bool grados) {
    Cuenta cuenta;
    cuenta.resultado = TextoValor(resultado, cifras) + (grados ? kMarcaGrado : "");
    const std::string escrito = TextoValor(resultado, cifras);
    const double mostrado = Leido(escrito);
    const double unidad = Unidad(escrito, cifras);
    std::vector<std::string> textos(numeros.size());
    std::vector<double> valores(numeros.size());
    for (int c = cifras; c <= 17; ++c) {
        for (std::size_t k = 0; k < numeros.size(); ++k) {
            textos[k] = TextoDe(numeros[k], c);
            valores[k] = ValorDe(numeros[k], c);
        }
        const double v = valor(valores);
        if (std::fabs(v - mostrado) <= 0.9 * unidad) {
            break;
        }
    }
    cuenta.sustitucion = texto(textos);
    return cuenta;
}

// The angle in degrees opposite side `a` of the sides a, b, c, by the half
// angle's tangent on sorted sides with every parenthesis kept (Kahan): it
// does not cancel, however flat or thin the triangle.
double AnguloOpuesto(double a, double b, double c) {
    double x = a;
    double y = b;
    double z = c;
    if (x < y)
        std::swap(x, y);
    if (y < z)
        std::swap(y, z);
    if (x < y)
        std::swap(x, y);
    const double p1 = x + (y + z);
    const double p2 = z - (x - y);
    const double p3 = z + (x - y);
    const double p4 = x + (y - z);
    if (!(p2 >= 0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // 2(s - a) over the others, for the side asked.
    const double num = a == x ? p3 * p4 : a == y ? p2 * p4 : p2 * p3;
    const double den = a == x ? p1 * p2 : a == y ? p1 * p3 : p1 * p4;
    return 2 * mate::Atan(std::sqrt(num / den)) / kRadianesPorGrado;
}

double ArcoSenoGrados(double x) {
    return x > 1 || x < -1 ? std::numeric_limits<double>::quiet_NaN()
                           : ArcoSeno(x) / kRadianesPorGrado;
}

const char* NombreCaso(Caso caso) {
    switch (caso) {
        case Caso::LLL:
            return "LLL";
        case Caso::LAL:
            return "LAL";
        case Caso::ALA:
            return "ALA";
        case Caso::AAL:
            return "AAL";
        case Caso::LLA:
            return "LLA";
    }
    return "";
}

const char* DescripcionCaso(Caso caso) {
    switch (caso) {
        case Caso::LLL:
            return "tres lados";
        case Caso::LAL:
            return "dos lados y el ángulo que forman";
        case Caso::ALA:
            return "dos ángulos y el lado entre ellos";
        case Caso::AAL:
            return "dos ángulos y el lado opuesto a uno de ellos";
        case Caso::LLA:
            return "dos lados y el ángulo opuesto a uno de ellos (caso ambiguo)";
    }
    return "";
}

// Below this angle (degrees) an arc cosine of the labels' numbers loses the
// angle to cancellation; the law of sines keeps it.
constexpr double kAnguloFino = 1;

constexpr const char* kCoseno = "teorema del coseno";
constexpr const char* kSeno = "teorema del seno";
constexpr const char* kSuma = "suma de los ángulos";
constexpr const char* kAmbiguo = "caso ambiguo";
constexpr const char* kRecto = "ángulo recto";

// The rule as the head of a step: its first letter in capitals, the accented
// one included ("Ángulo recto").
std::string Titulo(const std::string& regla) {
    if (regla.starts_with("\u00E1")) {
        return "\u00C1" + regla.substr(2);
    }
    std::string titulo = regla;
    if (!titulo.empty() && titulo[0] >= 'a' && titulo[0] <= 'z') {
        titulo[0] = static_cast<char>(titulo[0] - 'a' + 'A');
    }
    return titulo;
}

using Textos = std::vector<std::string>;
using Valores = std::vector<double>;

class Pizarra {
public:
    explicit Pizarra(const Solucion& s) : d_(s.datos), m_(s.precisa) {}

    Procedimiento Escribir(const Reparto& x);

private:
    // Measure i as a number to put into a formula: as typed where it was
    // given, else the exact solution's.
    Numero NA(std::uint8_t i) const {
        const bool dado = d_.Angulo(i) > 0;
        Numero n{dado ? d_.Angulo(i) : m_.Angulo(i), dado, true, A(i)};
        if (!dado && n.valor > 179) {
            double otros = 0;
            for (std::uint8_t j = 1; j <= 3; ++j) {
                otros += j == i ? 0 : m_.Angulo(j);
            }
            // Only where 180º less the others is no longer the angle's double.
            if (180 - otros == n.valor && otros < 1e-9) {
                n.suplemento = otros;
            }
        }
        return n;
    }
    Numero NL(std::uint8_t i) const {
        const bool dado = d_.Lado(i) > 0;
        return {dado ? d_.Lado(i) : m_.Lado(i), dado, false, L(i)};
    }
    double GradosDe(std::uint8_t i) const { return m_.Angulo(i); }

    void Agregar(const char* regla, std::optional<Campo> calcula, std::string formula,
                 std::string sustitucion, double valor, std::string resultado,
                 std::string nota = {}) {
        pasos_.push_back({regla, Titulo(regla), calcula, std::move(formula), std::move(sustitucion),
                          std::isfinite(valor) ? std::optional<double>(valor) : std::nullopt,
                          std::move(resultado), std::move(nota)});
    }

    // A step that finds measure `medida` from `numeros` by the formula that
    // `texto` writes and `valor` evaluates: once with the measures' names,
    // once with the numbers.
    template <typename Texto, typename Valor>
    void Medida(const char* regla, Campo medida, const std::vector<Numero>& numeros, Texto texto,
                Valor valor, std::string nota = {}) {
        const bool angulo = medida.tipo == TipoCampo::Angulo;
        const double resultado = angulo ? m_.Angulo(medida.indice) : m_.Lado(medida.indice);
        const std::string nombre = angulo ? A(medida.indice) : L(medida.indice);
        const Cuenta cuenta = Contar(numeros, texto, valor, resultado, kCifrasMedida, angulo);
        Agregar(regla, medida, nombre + " = " + texto(Simbolos(numeros)),
                nombre + " = " + cuenta.sustitucion, resultado, cuenta.resultado, std::move(nota));
    }
    static Textos Simbolos(const std::vector<Numero>& numeros) {
        Textos simbolos;
        for (const Numero& n : numeros) {
            simbolos.push_back(n.simbolo);
        }
        return simbolos;
    }

    // Angle i from the three sides, opposite i, and j, k beside it.
    void Coseno(std::uint8_t i, std::uint8_t j, std::uint8_t k) {
        if (j > k) {
            std::swap(j, k);
        }
        Medida(
            kCoseno, {TipoCampo::Angulo, i}, {NL(j), NL(k), NL(i)},
            [](const Textos& t) {
                return "arccos((" + t[0] + kCuadrado + " + " + t[1] + kCuadrado + kMenos + t[2] +
                       kCuadrado + ") / (2" + kPor + t[0] + kPor + t[1] + "))";
            },
            [](const Valores& v) { return AnguloOpuesto(v[2], v[0], v[1]); });
    }
    // Angle i as what the other two leave of the half turn.
    void Resto(std::uint8_t i, std::uint8_t j, std::uint8_t k) {
        Medida(
            kSuma, {TipoCampo::Angulo, i}, {NA(j), NA(k)},
            [](const Textos& t) {
                return "180" + std::string(kMarcaGrado) + kMenos + t[0] + kMenos + t[1];
            },
            [](const Valores& v) { return RestoDe(v[0], v[1]); });
    }
    // Side i from side j and the sines of their opposite angles.
    void SenoLado(std::uint8_t i, std::uint8_t j) {
        Medida(
            kSeno, {TipoCampo::Lado, i}, {NL(j), NA(i), NA(j)},
            [](const Textos& t) { return t[0] + kPor + "sen " + t[1] + " / sen " + t[2]; },
            [](const Valores& v) { return v[0] * Seno(v[1]) / Seno(v[2]); });
    }
    // Angle i from its side, another side j and that one's angle k, by the
    // arc sine of the law of sines.
    void SenoAngulo(std::uint8_t i, std::uint8_t j, std::string nota) {
        Medida(
            kSeno, {TipoCampo::Angulo, i}, {NL(i), NA(j), NL(j)},
            [](const Textos& t) {
                return "arcsen(" + t[0] + kPor + "sen " + t[1] + " / " + t[2] + ")";
            },
            [](const Valores& v) { return ArcoSenoGrados(v[0] * Seno(v[1]) / v[2]); },
            std::move(nota));
    }

    void LLA(const Reparto& x);

    const Datos& d_;
    const MedidasEnGrados& m_;  // the exact solution
    std::vector<Paso> pasos_;
};

Procedimiento Pizarra::Escribir(const Reparto& x) {
    const auto p = x.p;
    const auto q = x.q;
    const auto r = x.r;
    switch (x.caso) {
        case Caso::LLL: {
            // By the sides' lengths: c the longest, a the shortest. The
            // cosines give the two smaller angles and the sum the largest,
            // unless the smallest is so thin that an arc cosine near 1 would
            // lose it: then the cosines give the largest, the sines (which
            // keep a thin angle whole) the smallest, and the sum the middle.
            std::uint8_t i[3] = {p, q, r};
            std::stable_sort(i, i + 3, [&](auto x, auto y) { return m_.Lado(x) < m_.Lado(y); });
            const auto [a, b, c] = i;
            // A flat triangle (its largest angle near 180º) has two thin
            // angles: their cosines, from the sides as typed, give both.
            if (GradosDe(a) >= kAnguloFino || GradosDe(c) > 179) {
                Coseno(std::min(a, b), std::max(a, b), c);
                Coseno(std::max(a, b), std::min(a, b), c);
                Resto(c, std::min(a, b), std::max(a, b));
            } else {
                Coseno(c, a, b);
                SenoAngulo(a, c, "Un ángulo tan pequeño se lee mejor en su seno que en su coseno.");
                Resto(b, std::min(a, c), std::max(a, c));
            }
            break;
        }
        case Caso::LAL: {
            Medida(
                kCoseno, {TipoCampo::Lado, q}, {NL(p), NL(r), NA(q)},
                [](const Textos& t) {
                    return std::string(kRaiz) + "(" + t[0] + kCuadrado + " + " + t[1] + kCuadrado +
                           kMenos + "2" + kPor + t[0] + kPor + t[1] + kPor + "cos " + t[2] + ")";
                },
                // (b - c)² + 4bc·sin²(A/2) is the same number, without the
                // cancellation of b² + c² - 2bc·cos A.
                [](const Valores& v) {
                    const double seno = SenoGrados(v[2] / 2);
                    return std::sqrt((v[0] - v[1]) * (v[0] - v[1]) + 4 * v[0] * v[1] * seno * seno);
                });
            // The angle opposite the shorter side is acute, so its arc sine
            // is the angle itself; the other is what remains.
            const std::uint8_t corto = m_.Lado(p) <= m_.Lado(r) ? p : r;
            const std::uint8_t largo = corto == p ? r : p;
            SenoAngulo(corto, q,
                       "El ángulo opuesto al lado menor es agudo: su seno lo da sin ambigüedad.");
            Resto(largo, q, corto);
            break;
        }
        case Caso::ALA:
            Resto(q, p, r);
            SenoLado(p, q);
            SenoLado(r, q);
            break;
        case Caso::AAL:
            Resto(r, p, q);
            SenoLado(q, p);
            SenoLado(r, p);
            break;
        case Caso::LLA:
            LLA(x);
            break;
    }
    return {NombreCaso(x.caso), DescripcionCaso(x.caso), std::move(pasos_)};
}

// Side a = L(p), side b = L(q) and the angle B = A(q) opposite b. The law of
// sines gives sin A; an arc sine then has two candidates, A and 180º - A, and
// each gives a triangle only where it leaves room for the third angle.
void Pizarra::LLA(const Reparto& x) {
    const auto p = x.p;
    const auto q = x.q;
    const auto r = x.r;
    const double B = d_.Angulo(q);
    const double seno = d_.Lado(p) / d_.Lado(q) * SenoGrados(B);
    // Exactly: a tangent only where sin A(q) is rational.
    const bool tangente = AlcanceLLA(d_, x) == 0;
    const std::vector<Numero> datosSeno = {NL(p), NA(q), NL(q)};
    const auto textoSeno = [](const Textos& t) {
        return t[0] + kPor + "sen " + t[1] + " / " + t[2];
    };
    const Cuenta cuentaSeno = Contar(
        datosSeno, textoSeno, [](const Valores& v) { return v[0] * SenoGrados(v[1]) / v[2]; }, seno,
        kCifrasIntermedias, false);
    Agregar(kSeno, std::nullopt, "sen " + A(p) + " = " + textoSeno(Simbolos(datosSeno)),
            "sen " + A(p) + " = " + cuentaSeno.sustitucion, seno,
            tangente ? "1" : cuentaSeno.resultado);
    if (tangente) {
        Agregar(kRecto, Campo{TipoCampo::Angulo, p}, A(p) + " = 90" + kMarcaGrado,
                A(p) + " = arcsen(1)", GradosDe(p), "90" + std::string(kMarcaGrado),
                "sen " + A(p) + " = 1: el lado " + std::to_string(q) + " llega justo a la altura " +
                    L(p) + kPor + "sen " + A(q) + ", y hay un solo triángulo, recto en " + A(p) +
                    ".");
    } else {
        // Which candidates the solver kept: the acute one is the triangle
        // whose angle at p is below 90º.
        const Soluciones soluciones = Resolver(d_);
        std::optional<double> agudo;
        std::optional<double> obtuso;
        for (const Solucion& s : soluciones) {
            const double g = s.precisa.Angulo(p);
            (g < 90 ? agudo : obtuso) = g;
        }
        const bool esAgudo = GradosDe(p) < 90;
        const double arco = ArcoSeno(std::min(seno, 1.0)) / kRadianesPorGrado;
        const Numero senoHallado{seno, false, false, "sen " + A(p)};
        const auto candidato = [&](bool deAgudo, const std::optional<double>& hallado) {
            const bool este = deAgudo == esAgudo;
            const double valor = este ? GradosDe(p) : hallado.value_or(deAgudo ? arco : 180 - arco);
            const auto texto = [deAgudo](const Textos& t) {
                return (deAgudo ? "" : "180" + std::string(kMarcaGrado) + kMenos) + "arcsen(" +
                       t[0] + ")";
            };
            const Cuenta cuenta = Contar(
                {senoHallado}, texto,
                [deAgudo](const Valores& v) {
                    const double a = ArcoSenoGrados(v[0]);
                    return deAgudo ? a : 180 - a;
                },
                valor, kCifrasMedida, true);
            const Cuenta suma = Contar(
                {NA(q), Numero{valor, false, true, A(p)}},
                [](const Textos& t) { return t[0] + " + " + t[1]; },
                [](const Valores& v) { return v[0] + v[1]; }, B + valor, kCifrasMedida, true);
            const std::string frase = "Con " + A(q) + " = " + TextoDe(NA(q), kCifrasMedida) +
                                      ", los dos ángulos suman " + suma.sustitucion + " = " +
                                      suma.resultado;
            std::string nota;
            if (este) {
                nota = frase + ", menos de 180" + kMarcaGrado + ": es el ángulo de este triángulo.";
            } else if (hallado) {
                nota = frase + ", menos de 180" + kMarcaGrado + ": da el otro triángulo.";
            } else if (!(RestoGrados(B, valor) > 0)) {
                nota = frase + ", no menos de 180" + kMarcaGrado +
                       ": no deja sitio para el tercer ángulo y se descarta.";
            } else {
                nota = frase +
                       ", pero las medidas de ese triángulo no caben en los números del "
                       "programa y se descarta.";
            }
            Agregar(kAmbiguo,
                    este ? std::optional<Campo>(Campo{TipoCampo::Angulo, p}) : std::nullopt,
                    A(p) + " = " + texto({senoHallado.simbolo}), A(p) + " = " + cuenta.sustitucion,
                    valor, cuenta.resultado, std::move(nota));
        };
        candidato(true, agudo);
        candidato(false, obtuso);
    }
    Resto(r, q, p);
    SenoLado(r, q);
}

}  // namespace

Procedimiento ProcedimientoDe(const Solucion& solucion) {
    const std::optional<Reparto> reparto = Repartir(solucion.datos);
    if (!reparto) {
        return {};
    }
    return Pizarra(solucion).Escribir(*reparto);
}

std::string Motivo(const Datos& d) {
    const std::optional<Reparto> reparto = Repartir(d);
    if (!reparto) {
        return {};
    }
    // Every test on the exact numbers typed, and every number in them, or
    // their exact sums, written in full: the sentence never contradicts itself.
    std::array<NumeroExacto, 3> angulos;
    std::array<NumeroExacto, 3> lados;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        angulos[PosicionMedida(i)] = d.AnguloExacto(i);
        lados[PosicionMedida(i)] = d.LadoExacto(i);
    }
    const auto Ae = [&](std::uint8_t i) -> const NumeroExacto& {
        return angulos[PosicionMedida(i)];
    };
    const auto Le = [&](std::uint8_t i) -> const NumeroExacto& { return lados[PosicionMedida(i)]; };
    const auto angulo = [&](std::uint8_t i) { return TextoExacto(Ae(i)) + kMarcaGrado; };
    const auto lado = [&](std::uint8_t i) { return TextoExacto(Le(i)); };
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (d.Angulo(i) > 0 && Sumar(180, {{-1, &Ae(i)}}).signo <= 0) {
            return "El ángulo " + std::to_string(i) + " mide " + angulo(i) +
                   ", y cada ángulo de un triángulo mide menos de 180" + kMarcaGrado + ".";
        }
    }
    const auto [caso, p, q, r] = *reparto;
    switch (caso) {
        case Caso::LLL: {
            for (std::uint8_t i = 1; i <= 3; ++i) {
                const std::uint8_t a = i == 1 ? 2 : 1;
                const std::uint8_t b = i == 3 ? 2 : 3;
                if (Sumar(0, {{-1, &Le(i)}, {1, &Le(a)}, {1, &Le(b)}}).signo <= 0) {
                    return "El lado " + std::to_string(i) + " mide " + lado(i) +
                           ", y no es menor que la suma de los otros dos: " + lado(a) + " + " +
                           lado(b) + " = " + TextoExacto(SumaExactaDe(Le(a), Le(b))) +
                           ". Cada lado de un triángulo es menor que la suma de los otros dos.";
                }
            }
            break;
        }
        case Caso::ALA:
        case Caso::AAL: {
            const std::uint8_t a = std::min(p, caso == Caso::ALA ? r : q);
            const std::uint8_t b = std::max(p, caso == Caso::ALA ? r : q);
            if (Sumar(180, {{-1, &Ae(a)}, {-1, &Ae(b)}}).signo <= 0) {
                return "Los ángulos dados suman " + angulo(a) + " + " + angulo(b) + " = " +
                       TextoExacto(SumaExactaDe(Ae(a), Ae(b))) + kMarcaGrado +
                       ", y los tres ángulos de un triángulo suman 180" + kMarcaGrado +
                       ": no queda nada para el ángulo " + std::to_string(6 - a - b) + ".";
            }
            break;
        }
        case Caso::LLA: {
            if (AlcanceLLA(d, *reparto) < 0) {
                const double B = d.Angulo(q);
                // Where the sine is rational the height is an exact decimal;
                // elsewhere it gets the digits that tell it from side q.
                std::string altura;
                if ((B == 30 || B == 90 || B == 150) && Sumar(-B, {{1, &Ae(q)}}).signo == 0) {
                    altura = B == 90 ? lado(p) : TextoExacto(MitadExacta(Le(p)));
                } else {
                    altura = TextoAlturaMayor(Le(p), Ae(q), Le(q));
                }
                return "El lado " + std::to_string(q) + ", opuesto al ángulo " + std::to_string(q) +
                       ", mide " + lado(q) +
                       ": es más corto que la altura que debe alcanzar, lado " + std::to_string(p) +
                       " × sen(ángulo " + std::to_string(q) + ") = " + lado(p) + " × sen " +
                       angulo(q) + " = " + altura + ", y no llega a cerrar el triángulo.";
            }
            if (Sumar(90, {{-1, &Ae(q)}}).signo <= 0 &&
                Sumar(0, {{1, &Le(q)}, {-1, &Le(p)}}).signo <= 0) {
                return "El ángulo " + std::to_string(q) + " mide " + angulo(q) +
                       " y no es agudo, así que el lado opuesto a él, el lado " +
                       std::to_string(q) + " (" + lado(q) +
                       "), tendría que ser el mayor del triángulo; pero el lado " +
                       std::to_string(p) + " mide " + lado(p) + ".";
            }
            break;
        }
        case Caso::LAL:
            break;
    }
    return "Alguna medida de ese triángulo sería demasiado grande o demasiado pequeña para los "
           "números que el programa puede representar.";
}

}  // namespace pendra
