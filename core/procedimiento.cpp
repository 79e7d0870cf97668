#include "procedimiento.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

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

// A label in exponent form goes in parentheses, so that a square or a
// product after it reads as meant.
std::string Agrupar(const std::string& etiqueta) {
    return etiqueta.find('E') == std::string::npos ? etiqueta : "(" + etiqueta + ")";
}

// A number that is not a measure: ten significant digits, enough for a
// calculator to reach the step's value.
std::string Cifras(double x) {
    return TextoValor(x, 10);
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

class Pizarra {
public:
    explicit Pizarra(const Solucion& s) : d_(s.datos), m_(s.precisa) {}

    Procedimiento Escribir(const Reparto& x);

private:
    // The measures' labels, as the result window shows them.
    std::string EtA(std::uint8_t i) const { return Agrupar(EtiquetaGrados(m_.Angulo(i))); }
    std::string EtL(std::uint8_t i) const { return Agrupar(EtiquetaLado(m_.Lado(i))); }
    double GradosDe(std::uint8_t i) const { return m_.Angulo(i); }

    void Agregar(const char* regla, std::optional<Campo> calcula, std::string formula,
                 std::string sustitucion, double valor, std::string resultado,
                 std::string nota = {}) {
        pasos_.push_back({regla, calcula, std::move(formula), std::move(sustitucion),
                          std::isfinite(valor) ? std::optional<double>(valor) : std::nullopt,
                          std::move(resultado), std::move(nota)});
    }
    void Angulo(const char* regla, std::uint8_t i, const std::string& formula,
                const std::string& sustitucion, std::string nota = {}) {
        Agregar(regla, Campo{TipoCampo::Angulo, i}, A(i) + " = " + formula,
                A(i) + " = " + sustitucion, GradosDe(i), EtiquetaGrados(m_.Angulo(i)),
                std::move(nota));
    }
    void Lado(const char* regla, std::uint8_t i, const std::string& formula,
              const std::string& sustitucion) {
        Agregar(regla, Campo{TipoCampo::Lado, i}, L(i) + " = " + formula,
                L(i) + " = " + sustitucion, m_.Lado(i), EtiquetaLado(m_.Lado(i)));
    }

    // Angle i from the three sides, opposite i, and j, k beside it.
    void Coseno(std::uint8_t i, std::uint8_t j, std::uint8_t k) {
        if (j > k) {
            std::swap(j, k);
        }
        const auto texto = [&](auto nombre) {
            return "arccos((" + nombre(j) + kCuadrado + " + " + nombre(k) + kCuadrado + kMenos +
                   nombre(i) + kCuadrado + ") / (2" + kPor + nombre(j) + kPor + nombre(k) + "))";
        };
        Angulo(kCoseno, i, texto(L), texto([this](std::uint8_t n) { return EtL(n); }));
    }
    // Angle i as what the other two leave of the half turn.
    void Resto(std::uint8_t i, std::uint8_t j, std::uint8_t k) {
        Angulo(kSuma, i, "180" + std::string(kMarcaGrado) + kMenos + A(j) + kMenos + A(k),
               "180" + std::string(kMarcaGrado) + kMenos + EtA(j) + kMenos + EtA(k));
    }
    // Side i from side j and the sines of their opposite angles.
    void SenoLado(std::uint8_t i, std::uint8_t j) {
        Lado(kSeno, i, L(j) + kPor + "sen " + A(i) + " / sen " + A(j),
             EtL(j) + kPor + "sen " + EtA(i) + " / sen " + EtA(j));
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
            if (GradosDe(a) >= kAnguloFino) {
                Coseno(std::min(a, b), std::max(a, b), c);
                Coseno(std::max(a, b), std::min(a, b), c);
                Resto(c, std::min(a, b), std::max(a, b));
            } else {
                Coseno(c, a, b);
                Angulo(kSeno, a, "arcsen(" + L(a) + kPor + "sen " + A(c) + " / " + L(c) + ")",
                       "arcsen(" + EtL(a) + kPor + "sen " + EtA(c) + " / " + EtL(c) + ")",
                       "Un ángulo tan pequeño se lee mejor en su seno que en su coseno.");
                Resto(b, std::min(a, c), std::max(a, c));
            }
            break;
        }
        case Caso::LAL: {
            Lado(kCoseno, q,
                 std::string(kRaiz) + "(" + L(p) + kCuadrado + " + " + L(r) + kCuadrado + kMenos +
                     "2" + kPor + L(p) + kPor + L(r) + kPor + "cos " + A(q) + ")",
                 std::string(kRaiz) + "(" + EtL(p) + kCuadrado + " + " + EtL(r) + kCuadrado +
                     kMenos + "2" + kPor + EtL(p) + kPor + EtL(r) + kPor + "cos " + EtA(q) + ")");
            // The angle opposite the shorter side is acute, so its arc sine
            // is the angle itself; the other is what remains.
            const std::uint8_t corto = m_.Lado(p) <= m_.Lado(r) ? p : r;
            const std::uint8_t largo = corto == p ? r : p;
            Angulo(kSeno, corto, "arcsen(" + L(corto) + kPor + "sen " + A(q) + " / " + L(q) + ")",
                   "arcsen(" + EtL(corto) + kPor + "sen " + EtA(q) + " / " + EtL(q) + ")",
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
    Agregar(kSeno, std::nullopt, "sen " + A(p) + " = " + L(p) + kPor + "sen " + A(q) + " / " + L(q),
            "sen " + A(p) + " = " + EtL(p) + kPor + "sen " + EtA(q) + " / " + EtL(q), seno,
            tangente ? "1" : Cifras(seno));
    if (tangente) {
        Angulo(kRecto, p, std::string("90") + kMarcaGrado, "arcsen(1)",
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
        const auto candidato = [&](bool deAgudo, const std::optional<double>& hallado,
                                   const std::string& formula, const std::string& sustitucion) {
            const bool este = deAgudo == esAgudo;
            const double valor = este ? GradosDe(p) : hallado.value_or(deAgudo ? arco : 180 - arco);
            const std::string texto = EtiquetaGrados(valor);
            const std::string suma = "Con " + A(q) + " = " + EtA(q) + ", los dos ángulos suman " +
                                     EtA(q) + " + " + Agrupar(texto) + " = " +
                                     EtiquetaGrados(B + valor);
            std::string nota;
            if (este) {
                nota = suma + ", menos de 180" + kMarcaGrado + ": es el ángulo de este triángulo.";
            } else if (hallado) {
                nota = suma + ", menos de 180" + kMarcaGrado + ": da el otro triángulo.";
            } else if (!(RestoGrados(B, valor) > 0)) {
                nota = suma + ", no menos de 180" + kMarcaGrado +
                       ": no deja sitio para el tercer ángulo y se descarta.";
            } else {
                nota = suma +
                       ", pero las medidas de ese triángulo no caben en los números del "
                       "programa y se descarta.";
            }
            Agregar(
                kAmbiguo, este ? std::optional<Campo>(Campo{TipoCampo::Angulo, p}) : std::nullopt,
                A(p) + " = " + formula, A(p) + " = " + sustitucion, valor, texto, std::move(nota));
        };
        candidato(true, agudo, "arcsen(sen " + A(p) + ")", "arcsen(" + Cifras(seno) + ")");
        candidato(false, obtuso,
                  "180" + std::string(kMarcaGrado) + kMenos + "arcsen(sen " + A(p) + ")",
                  "180" + std::string(kMarcaGrado) + kMenos + "arcsen(" + Cifras(seno) + ")");
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
