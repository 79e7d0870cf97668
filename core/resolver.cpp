// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resolver.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "doble.h"
#include "elementales.h"
#include "escala.h"
#include "funciones.h"

namespace pendra {

std::optional<Reparto> Repartir(const Datos& d) {
    std::uint8_t angulos[3] = {};
    std::uint8_t lados[3] = {};
    int na = 0;
    int nl = 0;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (!(std::isfinite(d.Angulo(i)) && d.Angulo(i) >= 0 && std::isfinite(d.Lado(i)) &&
              d.Lado(i) >= 0)) {
            return std::nullopt;
        }
        if (d.Angulo(i) > 0) {
            if (na == 3) {
                return std::nullopt;
            }
            angulos[na++] = i;
        }
        if (d.Lado(i) > 0) {
            if (nl == 3) {
                return std::nullopt;
            }
            lados[nl++] = i;
        }
    }
    if (na + nl != 3 || nl == 0) {
        return std::nullopt;
    }
    const auto otro = [](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(6 - x - y);
    };
    switch (na) {
        case 0:
            return Reparto{Caso::LLL, 1, 2, 3};
        case 1: {
            const std::uint8_t q = angulos[0];
            if (d.Lado(q) > 0) {
                const std::uint8_t p = lados[0] == q ? lados[1] : lados[0];
                return Reparto{Caso::LLA, p, q, otro(p, q)};
            }
            return Reparto{Caso::LAL, lados[0], q, lados[1]};
        }
        default: {
            const std::uint8_t z = lados[0];
            if (z != angulos[0] && z != angulos[1]) {
                return Reparto{Caso::ALA, angulos[0], z, angulos[1]};
            }
            const std::uint8_t q = z == angulos[0] ? angulos[1] : angulos[0];
            return Reparto{Caso::AAL, z, q, otro(z, q)};
        }
    }
}

namespace {

// The sides are solved at a power-of-two scale chosen from the longest given
// side: ordinary results are unchanged, while sides near either end of the
// double range neither overflow nor underflow inside the formulas.
Escala EscalaDe(const Datos& d) {
    return Escala(std::max({d.Lado(1), d.Lado(2), d.Lado(3)}), 0);
}

// The measures as given: angles in radians, sides as typed.
Medidas Dadas(const Datos& d) {
    Medidas m;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        m.Angulo(i) = d.Angulo(i) * RadPorGrado;
        m.Lado(i) = d.Lado(i);
    }
    return m;
}

using Clasicas = HastaDos<Medidas>;

template <typename T>
void AgregarSiEsTriangulo(HastaDos<T>& soluciones, const T& m) {
    if (EsTriangulo(m)) {
        soluciones.Agregar(m);
    }
}

// The classic case solvers, on the scaled sides.
Clasicas ResolverClasico(const Datos& d, const Reparto& x, const Escala& escala) {
    const Medidas dadas = Dadas(d);
    Medidas m = dadas;
    const auto l = [&](std::uint8_t i) { return escala.Reducir(d.Lado(i)); };
    const auto A = [&](std::uint8_t i) -> double& { return m.Angulo(i); };
    const auto L = [&](std::uint8_t i) -> double& { return m.Lado(i); };
    const auto p = x.p;
    const auto q = x.q;
    const auto r = x.r;
    Clasicas soluciones;
    switch (x.caso) {
        case Caso::LLL:
            ResolverLLL(l(p), l(q), l(r), A(p), A(q), A(r));
            break;
        case Caso::LAL:
            ResolverLAL(l(p), A(q), l(r), A(p), L(q), A(r));
            L(q) = escala.Devolver(L(q));
            break;
        case Caso::ALA:
            ResolverALA(A(p), l(q), A(r), L(p), A(q), L(r));
            L(p) = escala.Devolver(L(p));
            L(r) = escala.Devolver(L(r));
            break;
        case Caso::AAL:
            ResolverAAL(A(p), A(q), l(p), A(r), L(q), L(r));
            L(q) = escala.Devolver(L(q));
            L(r) = escala.Devolver(L(r));
            break;
        case Caso::LLA: {
            Medidas segunda = dadas;
            ResolverLLA(l(p), l(q), A(q), A(p), A(r), L(r), segunda.Angulo(p), segunda.Angulo(r),
                        segunda.Lado(r));
            L(r) = escala.Devolver(L(r));
            segunda.Lado(r) = escala.Devolver(segunda.Lado(r));
            AgregarSiEsTriangulo(soluciones, m);
            AgregarSiEsTriangulo(soluciones, segunda);
            return soluciones;
        }
    }
    AgregarSiEsTriangulo(soluciones, m);
    return soluciones;
}

// ---------------------------------------------------------------------------
// Formulas that do not cancel, for the triangles the classic ones get wrong:
// needles, flat triangles and angles near the half turn. Given angles are used
// in degrees as typed, so a remainder such as 180 - A - B is exact where the
// decimal half turn would be off by 3.2e-15 rad; sines of angles past 90
// degrees come from the supplement, which is exact in degrees.

// Every angle shown stays below the decimal half turn, as the classic ones do:
// the double just below Pi, written out so that it is a constant even while
// other files' constants are still being made.
constexpr double kAnguloMaximo = 0x1.921fb54442d10p+1;
static_assert(kAnguloMaximo < Pi && Pi - kAnguloMaximo < 1e-15);

double Acotar(double angulo) {
    return std::min(angulo, kAnguloMaximo);
}

// 90 - (180 - a - b) = (a + b) - 90, the larger angle's part first: exact
// where it is next to 90.
double ComplementoDelResto(double a, double b) {
    return (std::max(a, b) - 90) + std::min(a, b);
}

// lado * numerador / denominador, then scaled back, with the exponents kept
// apart so that no intermediate overflows or underflows.
double Cociente(double lado, double numerador, double denominador, int desescala) {
    int el = 0;
    int en = 0;
    int ed = 0;
    const double m =
        std::frexp(lado, &el) * std::frexp(numerador, &en) / std::frexp(denominador, &ed);
    return PorPotenciaDeDos(m, el + en - ed + desescala);
}

// Kahan's angle opposite side c of a triangle with sides a, b, c, or 0 when
// the sides close no triangle. Every parenthesis matters.
double AnguloKahan(double a, double b, double c) {
    if (a < b) {
        std::swap(a, b);
    }
    const double mu = b >= c ? c - (a - b) : b - (a - c);
    if (!(mu > 0)) {
        return 0;
    }
    // Two square roots instead of one of the product: no underflow on needles.
    const double t = std::sqrt(((a - b) + c) / (a + (b + c))) * std::sqrt(mu / ((a - c) + b));
    return 2 * mate::Atan(t);
}

// The angle opposite side b of the triangle with sides b and c and the angle
// A (degrees) between them: atan2 of b sin A over c - b cos A, the latter
// written so that it does not cancel; and its distance to a right angle,
// the arc tangent the other way round.
struct AnguloYComplemento {
    double angulo;
    double complemento;
};

AnguloYComplemento AnguloLAL(double b, double A, double c) {
    double abajo = 0;
    if (A <= 90) {
        const double h = SenoGrados(A / 2);
        abajo = (c - b) + 2 * b * (h * h);
    } else {
        abajo = c + b * SenoGrados(A - 90);
    }
    const double arriba = b * SenoGrados(A);
    return {mate::Atan2(arriba, abajo), mate::Atan2(abajo, arriba)};
}

// sqrt(b² - a² sin² B) for sides a, b and the angle B (degrees) opposite b,
// where a sin B < b. Next to a tangent it hangs on b - a sin B, of which a
// double keeps only a few digits: it is taken in double-double arithmetic,
// relative to b's binary exponent so that no part underflows, and near a
// right angle at B as (b - a) + a (1 - sin B), 1 - sin B = 2 sin²(|90 - B| / 2).
double RaizTangente(double a, double b, double B) {
    int ea = 0;
    int eb = 0;
    const double am = std::frexp(a, &ea);
    const double bm = std::frexp(b, &eb);
    // 180 - B is exact past 90.
    const Doble seno = SenoRelativoDoble(B <= 90 ? B : 180 - B);
    int es = 0;
    const double sm = std::frexp(seno.hi, &es);
    const Doble senoM{sm, PorPotenciaDeDos(seno.lo, -es)};
    // a sin B / 2^eb, near b's mantissa when it matters.
    const Doble aSeno = Escalar(senoM * am * kRadianDoble, ea + es - eb);
    Doble diferencia = Doble{bm, 0} - aSeno;
    if (B >= 45 && B <= 135) {
        const Doble h = SenoRelativoDoble(std::fabs(90 - B) / 2) * kRadianDoble;
        const double aRelativo = PorPotenciaDeDos(a, -eb);
        diferencia = SumaExacta(bm, -aRelativo) + h * h * (2 * aRelativo);
    }
    return PorPotenciaDeDos(Raiz(diferencia * (Doble{bm, 0} + aSeno)), eb);
}

// A solution being built by the formulas that do not cancel: each measure
// goes both to the numbers shown (radians, capped below Pi) and to the exact
// record (degrees).
class EnCurso {
public:
    explicit EnCurso(const Datos& d) {
        s_.medidas = Dadas(d);
        s_.precisa = d;
        s_.datos = d;
        for (std::uint8_t i = 1; i <= 3; ++i) {
            Complemento(i) = 90 - d.Angulo(i);
        }
    }
    // An angle found in radians, with the true degree, and its distance to a
    // right angle where it was found apart.
    void Radianes(std::uint8_t i, double radianes) { Radianes(i, radianes, PiMedios - radianes); }
    void Radianes(std::uint8_t i, double radianes, double complemento) {
        s_.medidas.Angulo(i) = Acotar(radianes);
        s_.precisa.Angulo(i) = radianes / kRadianesPorGrado;
        Complemento(i) = complemento / kRadianesPorGrado;
    }
    void Radianes(std::uint8_t i, AnguloYComplemento a) { Radianes(i, a.angulo, a.complemento); }
    // An angle found in degrees, shown with the classic degree as a given
    // angle is, and 90 minus it as found from the angles it came from.
    void Grados(std::uint8_t i, double grados, double complemento) {
        s_.medidas.Angulo(i) = Acotar(grados * RadPorGrado);
        s_.precisa.Angulo(i) = grados;
        Complemento(i) = complemento;
    }
    void Recto(std::uint8_t i) {
        s_.medidas.Angulo(i) = PiMedios;
        s_.precisa.Angulo(i) = 90;
        Complemento(i) = 0;
    }
    void Lado(std::uint8_t i, double lado) {
        s_.medidas.Lado(i) = lado;
        s_.precisa.Lado(i) = lado;
    }
    const Solucion& Hecha() const { return s_; }

private:
    double& Complemento(std::uint8_t i) { return s_.complementos[PosicionMedida(i)]; }

    Solucion s_;
};

class Estable {
public:
    Estable(const Datos& d, const Reparto& x, const Escala& escala)
        : d_(d), x_(x), escala_(escala) {}

    Soluciones Resolver();

private:
    double l(std::uint8_t i) const { return escala_.Reducir(d_.Lado(i)); }
    double g(std::uint8_t i) const { return d_.Angulo(i); }
    double Devolver(double lado) const { return escala_.Devolver(lado); }
    // lado * num / den, scaled back.
    double Lado(double lado, double num, double den) const {
        return Cociente(lado, num, den, escala_.Desescala());
    }
    EnCurso Nueva() const { return EnCurso(d_); }
    void Agregar(const EnCurso& m) { AgregarSiEsTriangulo(soluciones_, m.Hecha()); }

    void LLL();
    void LAL();
    void ALA();
    void AAL();
    void LLA();

    const Datos& d_;
    const Reparto& x_;
    const Escala& escala_;
    Soluciones soluciones_;
};

Soluciones Estable::Resolver() {
    switch (x_.caso) {
        case Caso::LLL:
            LLL();
            break;
        case Caso::LAL:
            LAL();
            break;
        case Caso::ALA:
            ALA();
            break;
        case Caso::AAL:
            AAL();
            break;
        case Caso::LLA:
            LLA();
            break;
    }
    return soluciones_;
}

void Estable::LLL() {
    EnCurso m = Nueva();
    const std::uint8_t i[3] = {x_.p, x_.q, x_.r};
    for (int k = 0; k < 3; ++k) {
        const std::uint8_t este = i[k];
        const std::uint8_t uno = i[(k + 1) % 3];
        const std::uint8_t otro = i[(k + 2) % 3];
        m.Radianes(este, AnguloKahan(l(uno), l(otro), l(este)));
    }
    Agregar(m);
}

void Estable::LAL() {
    const double b = l(x_.p);
    const double c = l(x_.r);
    const double A = g(x_.q);
    if (!(A < 180)) {
        return;
    }
    EnCurso m = Nueva();
    // a² = (b - c)² + 4bc sin²(A/2), without squaring a side.
    const double a = mate::Hipot(b - c, 2 * SenoGrados(A / 2) * std::sqrt(b) * std::sqrt(c));
    m.Lado(x_.q, Devolver(a));
    m.Radianes(x_.p, AnguloLAL(b, A, c));
    m.Radianes(x_.r, AnguloLAL(c, A, b));
    Agregar(m);
}

void Estable::ALA() {
    const double A = g(x_.p);
    const double B = g(x_.r);
    const double C = RestoGrados(A, B);
    if (!(C > 0)) {
        return;
    }
    EnCurso m = Nueva();
    const double c = l(x_.q);
    const double senoC = SenoRelativo(C > 90 ? A + B : C);
    m.Grados(x_.q, C, ComplementoDelResto(A, B));
    m.Lado(x_.p, Lado(c, SenoRelativo(A), senoC));
    m.Lado(x_.r, Lado(c, SenoRelativo(B), senoC));
    Agregar(m);
}

void Estable::AAL() {
    const double A = g(x_.p);
    const double B = g(x_.q);
    const double C = RestoGrados(A, B);
    if (!(C > 0)) {
        return;
    }
    EnCurso m = Nueva();
    const double a = l(x_.p);
    const double senoA = SenoRelativo(A);
    m.Grados(x_.r, C, ComplementoDelResto(A, B));
    m.Lado(x_.q, Lado(a, SenoRelativo(B), senoA));
    m.Lado(x_.r, Lado(a, SenoRelativo(C > 90 ? A + B : C), senoA));
    Agregar(m);
}

// Side a = L(p), side b = L(q) and its opposite angle B. The third side c
// solves c² - 2ac cos B + (a² - b²) = 0; the root that would cancel comes
// from the product of the two, a² - b², so an isosceles pair gives exactly
// one triangle. Each angle at A then follows from c - a cos B = ±r.
void Estable::LLA() {
    const double a = l(x_.p);
    const double b = l(x_.q);
    const double B = g(x_.q);
    if (!(B < 180)) {
        return;
    }
    const double senoB = SenoGrados(B);
    const double s = a / b * senoB;
    if (!(s <= 1 + kToleranciaTangente)) {
        return;
    }
    if (std::fabs(s - 1) <= kToleranciaTangente) {
        const double C = 90 - B;
        if (C > 0) {
            EnCurso m = Nueva();
            m.Recto(x_.p);
            m.Grados(x_.r, C, B);
            m.Lado(x_.r, Cociente(a, SenoRelativo(C), 1 / kRadianesPorGrado, escala_.Desescala()));
            Agregar(m);
        }
        return;
    }
    const double r = RaizTangente(a, b, B);
    const double aSenoB = a * senoB;
    const double p = a * CosenoGrados(B);
    const auto solucion = [&](double c, AnguloYComplemento anguloA) {
        if (!(c > 0)) {
            return;
        }
        EnCurso m = Nueva();
        m.Radianes(x_.p, anguloA);
        m.Lado(x_.r, Devolver(c));
        // The third angle as a remainder where it is large, otherwise from
        // its sine, sin C = c sin B / b, which keeps a tiny one exact.
        const double gradosA = anguloA.angulo * (1 / kRadianesPorGrado);
        const double resto = (180 - B) - gradosA;
        if (resto >= 45) {
            m.Grados(x_.r, resto, (B - 90) + gradosA);
        } else {
            m.Radianes(x_.r, mate::Asen(std::min(1.0, c / b * senoB)));
        }
        Agregar(m);
    };
    if (p > 0) {
        const double c1 = p + r;
        solucion(c1, {mate::Atan2(aSenoB, r), mate::Atan2(r, aSenoB)});
        solucion((a - b) * ((a + b) / c1), {mate::Atan2(aSenoB, -r), mate::Atan2(-r, aSenoB)});
    } else {
        solucion((b - a) * ((b + a) / (r - p)), {mate::Atan2(aSenoB, r), mate::Atan2(r, aSenoB)});
    }
}

// The classic formulas stand whenever they show a triangle whose every angle
// they get right to the label; below this angle (radians) they may not.
constexpr double kAnguloFiable = 1e-5;

// Whether the classic solutions are the same triangles as the exact ones, to
// within this part of each measure: then the numbers given out and the
// values every text and the working come from agree to twelve digits.
constexpr double kCoincidencia = 1e-12;

bool Coinciden(const Clasicas& x, const Soluciones& y) {
    if (x.size() != y.size()) {
        return false;
    }
    for (std::size_t k = 0; k < x.size(); ++k) {
        for (std::uint8_t i = 1; i <= 3; ++i) {
            for (const auto& [u, v] : {std::pair{x[k].Angulo(i), y[k].medidas.Angulo(i)},
                                       std::pair{x[k].Lado(i), y[k].medidas.Lado(i)}}) {
                if (!(std::fabs(u - v) <= kCoincidencia * v)) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool Fiables(const Clasicas& soluciones) {
    if (soluciones.empty()) {
        return false;
    }
    for (const Medidas& m : soluciones) {
        for (std::uint8_t i = 1; i <= 3; ++i) {
            if (!(m.Angulo(i) >= kAnguloFiable)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

Soluciones Resolver(const Datos& datos) {
    const std::optional<Reparto> reparto = Repartir(datos);
    if (!reparto) {
        return {};
    }
    const Escala escala = EscalaDe(datos);
    // The classic formulas stand, bit for bit, where they are right; where an
    // angle of theirs is tiny or they lose digits to cancellation (the arc
    // sine near 1 of a needle), the formulas that do not cancel decide.
    const Clasicas clasicas = ResolverClasico(datos, *reparto, escala);
    const Soluciones estables = Estable(datos, *reparto, escala).Resolver();
    if (!Fiables(clasicas) || !Coinciden(clasicas, estables)) {
        return estables;
    }
    // Texts and properties come from the exact solution in either case.
    Soluciones soluciones;
    for (std::size_t k = 0; k < clasicas.size(); ++k) {
        Solucion s = estables[k];
        s.medidas = clasicas[k];
        soluciones.Agregar(s);
    }
    return soluciones;
}

namespace {
template <UnidadAngulo Unidad>
bool Positivas(const SeisMedidas<Unidad>& medidas) {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        for (const double x : {medidas.Angulo(i), medidas.Lado(i)}) {
            if (!(std::isfinite(x) && x > 0)) {
                return false;
            }
        }
    }
    return true;
}
}  // namespace

bool EsTriangulo(const Medidas& medidas) {
    return Positivas(medidas);
}

bool EsTriangulo(const Solucion& solucion) {
    return Positivas(solucion.medidas) && Positivas(solucion.precisa);
}

}  // namespace pendra
