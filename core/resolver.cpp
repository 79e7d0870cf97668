// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resolver.h"

#include <algorithm>
#include <cassert>
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

// lado * numerador / denominador, then scaled back, with the exponents kept
// apart so that no intermediate overflows or underflows.
double Cociente(double lado, double numerador, double denominador, int desescala) {
    int el = 0;
    int en = 0;
    int ed = 0;
    const double m = Frexp(lado, &el) * Frexp(numerador, &en) / Frexp(denominador, &ed);
    return PorPotenciaDeDos(m, el + en - ed + desescala);
}

// The angle opposite side b of the triangle with sides b and c and the angle
// A (degrees) between them: atan2 of b sin A over c - b cos A, the latter
// written so that it does not cancel; and its distance to a right angle,
// the arc tangent the other way round. Past 90 degrees the sines come from
// 180 - A and A - 90, and below it c - b is used, each exact and rounded once.
struct AnguloYComplemento {
    double angulo;
    double complemento;
};

struct Abertura {
    double A;             // the angle, rounded
    double suplemento;    // 180 - A
    double menosNoventa;  // A - 90
    // Its sines, taken once for the third side and both angles.
    double senoMitad;   // sin(A / 2)
    double seno;        // sin A, from the supplement past 90 degrees
    double senoExceso;  // sin(A - 90), past 90 degrees
};

// sin(x degrees) for 0 <= x <= 90, in doubles to a few units in the last
// place: the solution that does not cancel needs fifteen digits.
double SenoCercano(double grados) {
    return SenoRelativoCercano(grados) * kRadianesPorGrado;
}

AnguloYComplemento AnguloLAL(double b, const Abertura& A, double c, double cMenosB) {
    const double abajo =
        A.A <= 90 ? cMenosB + 2 * b * (A.senoMitad * A.senoMitad) : c + b * A.senoExceso;
    const mate::ArcosCruzados arcos = Atan2CruzadosCercano(b * A.seno, abajo);
    return {arcos.yx, arcos.xy};
}

// sin(x degrees) / kRadianesPorGrado for x = hi + lo, 0 <= x <= 90, in
// double-double: the remainder enters through the derivative, cos(x
// degrees), of which a few digits are plenty, lo being below an ulp of hi.
Doble SenoRelativoExacto(Doble x) {
    const Doble seno = SenoRelativoDoble(x.hi);
    if (x.lo == 0) {
        return seno;
    }
    return seno + Doble{SenoCercano(90 - x.hi) * x.lo, 0};
}

}  // namespace

// Side b = L(q) against the height a sin B it must reach, a = L(p) and B =
// A(q) < 180 degrees, all relative to b's binary exponent so that no part
// overflows or underflows: b - a sin B and a sin B. Where sin B is rational
// (30, 90 and 150 degrees) the difference is exact; elsewhere it is never 0,
// and double-double tells its sign but for data a hair from a tangent, which
// 1280-bit arithmetic decides.
struct AlturaLLA {
    int signo = 0;
    Doble diferencia;  // (b - a sin B) / 2^eb
    Doble aSeno;       // a sin B / 2^eb
    Doble b;           // b / 2^eb
    int eb = 0;
};

namespace {

AlturaLLA MedirAltura(const NumeroExacto& a, const NumeroExacto& b, const NumeroExacto& B,
                      const SumaExactaRedondeada& suplemento,
                      const SumaExactaRedondeada& noventaMenosB) {
    AlturaLLA h;
    int ea = 0;
    const double am = Frexp(a.Valor(), &ea);
    const double bm = Frexp(b.Valor(), &h.eb);
    const Doble aM{am, PorPotenciaDeDos(a.Bajo(), -ea)};
    h.b = {bm, PorPotenciaDeDos(b.Bajo(), -h.eb)};
    const Doble& bM = h.b;
    const double g = B.Valor();
    if ((g == 30 || g == 90 || g == 150) && Sumar(-g, {{1, &B}}).signo == 0) {
        // k b - a, sin B = 1 / k.
        const SumaExactaRedondeada d =
            g == 90 ? Sumar(0, {{1, &b}, {-1, &a}}) : Sumar(0, {{1, &b}, {1, &b}, {-1, &a}});
        const double k = g == 90 ? 1 : 2;
        h.signo = d.signo;
        h.diferencia = Escalar(Doble{d.valor, d.bajo}, -h.eb) / k;
        h.aSeno = Escalar(aM, ea - h.eb) / k;
        return h;
    }
    // sin B in units of a degree's radian, from the supplement past 90.
    const Doble x = g <= 90 ? B.ComoDoble() : Doble{suplemento.valor, suplemento.bajo};
    const Doble senoRelativo = SenoRelativoExacto(x);
    int es = 0;
    const double sm = Frexp(senoRelativo.hi, &es);
    const Doble senoM{sm, PorPotenciaDeDos(senoRelativo.lo, -es)};
    h.aSeno = Escalar(senoM * aM * kRadianDoble, ea + es - h.eb);
    if (g >= 45 && g <= 135) {
        // (b - a) + a (1 - sin B), 1 - sin B = 2 sin²(|90 - B| / 2).
        const Doble mitad =
            Doble{std::fabs(noventaMenosB.valor) / 2,
                  (noventaMenosB.valor < 0 ? -noventaMenosB.bajo : noventaMenosB.bajo) / 2};
        const Doble seno = SenoRelativoExacto(mitad) * kRadianDoble;
        const SumaExactaRedondeada bMenosA = Sumar(0, {{1, &b}, {-1, &a}});
        h.diferencia = Escalar(Doble{bMenosA.valor, bMenosA.bajo}, -h.eb) +
                       seno * seno * Escalar(aM, ea - h.eb + 1);
    } else {
        h.diferencia = bM - h.aSeno;
    }
    // A height beyond a double's range over b (a side of b far below a sin B)
    // is out of b's reach: nothing to refine, and no difference to take.
    if (!std::isfinite(h.aSeno.hi)) {
        h.signo = -1;
        return h;
    }
    // The sine is good to 2^-65 of itself.
    if (!(std::fabs(h.diferencia.hi) > 0x1p-58)) {
        h.diferencia = DiferenciaAlturaPrecisa(a, b, B) * bm;
    }
    h.signo = h.diferencia.hi > 0 ? 1 : (h.diferencia.hi < 0 ? -1 : 0);
    return h;
}

// A solution being built by the formulas that do not cancel: each measure
// goes both to the numbers shown (radians, capped below Pi) and to the exact
// record (degrees). It is built in the list of solutions itself, and taken
// out again unless it is kept as a triangle.
class EnCurso {
public:
    EnCurso(Soluciones& lista, const Datos& d, const std::array<double, 3>& complementos)
        : lista_(lista), s_(lista.Agregar(Dadas(d), d, d, complementos)) {}
    EnCurso(const EnCurso&) = delete;
    EnCurso& operator=(const EnCurso&) = delete;
    ~EnCurso() {
        // Solutions are built one at a time: this one is the last.
        if (!guardada_) {
            assert(&lista_.Modificar(lista_.size() - 1) == &s_);
            lista_.QuitarUltimo();
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
    // Kept in the list when it is a triangle.
    void Guardar() { guardada_ = EsTriangulo(s_); }

private:
    double& Complemento(std::uint8_t i) { return s_.complementos[PosicionMedida(i)]; }

    Soluciones& lista_;
    Solucion& s_;
    bool guardada_ = false;
};

class Estable {
public:
    // The solutions go straight to `salida`, which is not copied on the way.
    Estable(const Datos& d, const Reparto& x, const Escala& escala, Soluciones& salida)
        : d_(d),
          x_(x),
          escala_(escala),
          angulos_{d.AnguloExacto(1), d.AnguloExacto(2), d.AnguloExacto(3)},
          lados_{d.LadoExacto(1), d.LadoExacto(2), d.LadoExacto(3)},
          soluciones_(salida) {
        for (std::uint8_t i = 1; i <= 3; ++i) {
            // 90 minus a given angle, exact and rounded once.
            complementos_[PosicionMedida(i)] =
                d.Angulo(i) > 0 ? Sumar(90, {{-1, &Ae(i)}}).valor : 90;
        }
    }

    void Resolver();

private:
    double l(std::uint8_t i) const { return escala_.Reducir(d_.Lado(i)); }
    double g(std::uint8_t i) const { return d_.Angulo(i); }
    const NumeroExacto& Ae(std::uint8_t i) const { return angulos_[PosicionMedida(i)]; }
    const NumeroExacto& Le(std::uint8_t i) const { return lados_[PosicionMedida(i)]; }
    double Devolver(double lado) const { return escala_.Devolver(lado); }
    double Reducir(double lado) const { return escala_.Reducir(lado); }
    // lado * num / den, scaled back.
    double Lado(double lado, double num, double den) const {
        return Cociente(lado, num, den, escala_.Desescala());
    }
    // The sine of a given angle in units of a degree's radian, past 90
    // degrees from its exact supplement.
    double SenoDado(std::uint8_t i) const {
        return SenoRelativoCercano(g(i) <= 90 ? g(i) : Sumar(180, {{-1, &Ae(i)}}).valor);
    }
    EnCurso Nueva() { return EnCurso(soluciones_, d_, complementos_); }

    void LLL();
    void LAL();
    void ALA();
    void AAL();
    void LLA();
    // The third angle of two given ones; false when they leave none.
    bool Tercero(EnCurso& m, std::uint8_t i, std::uint8_t j, std::uint8_t k, double& senoK);

    const Datos& d_;
    const Reparto& x_;
    const Escala& escala_;
    std::array<NumeroExacto, 3> angulos_;
    std::array<NumeroExacto, 3> lados_;
    std::array<double, 3> complementos_{};
    Soluciones& soluciones_;
};

void Estable::Resolver() {
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
}

// Kahan's angles from the perimeter P and g_i = P - 2 side i, each exact and
// rounded once: tan(A_i / 2) = sqrt(g_j g_k / (P g_i)). The sides close a
// triangle exactly when every g_i is positive.
void Estable::LLL() {
    const SumaExactaRedondeada perimetro = Sumar(0, {{1, &Le(1)}, {1, &Le(2)}, {1, &Le(3)}});
    std::array<double, 3> g{};
    for (std::uint8_t i = 1; i <= 3; ++i) {
        const std::uint8_t j = i % 3 + 1;
        const std::uint8_t k = j % 3 + 1;
        const SumaExactaRedondeada gi = Sumar(0, {{-1, &Le(i)}, {1, &Le(j)}, {1, &Le(k)}});
        if (gi.signo <= 0) {
            return;
        }
        g[PosicionMedida(i)] = Reducir(gi.valor);
    }
    EnCurso m = Nueva();
    const double P = Reducir(perimetro.valor);
    for (std::uint8_t i = 1; i <= 3; ++i) {
        const std::uint8_t j = i % 3 + 1;
        const std::uint8_t k = j % 3 + 1;
        // Quotients of square roots rather than roots of the products or
        // quotients: neither underflows on a needle nor overflows where a
        // side is a subnormal.
        const auto raiz = [&](std::uint8_t n) { return std::sqrt(g[PosicionMedida(n)]); };
        m.Radianes(i,
                   2 * Atan2CruzadosCercano((raiz(j) / std::sqrt(P)) * (raiz(k) / raiz(i)), 1).yx);
    }
    m.Guardar();
}

void Estable::LAL() {
    const double b = l(x_.p);
    const double c = l(x_.r);
    const NumeroExacto& eA = Ae(x_.q);
    const SumaExactaRedondeada suplemento = Sumar(180, {{-1, &eA}});
    if (suplemento.signo <= 0) {
        return;
    }
    Abertura A{g(x_.q), suplemento.valor, Sumar(-90, {{1, &eA}}).valor, 0, 0, 0};
    A.senoMitad = SenoCercano(A.A / 2);
    const SumaExactaRedondeada bMenosC = Sumar(0, {{1, &Le(x_.p)}, {-1, &Le(x_.r)}});
    const double diferencia = Reducir(bMenosC.valor);
    EnCurso m = Nueva();
    // a² = (b - c)² + 4bc sin²(A/2), without squaring a side.
    const double a = mate::Hipot(diferencia, 2 * A.senoMitad * std::sqrt(b) * std::sqrt(c));
    m.Lado(x_.q, Devolver(a));
    if (bMenosC.signo == 0) {
        // Two equal sides: each other angle is half what A leaves.
        m.Grados(x_.p, A.suplemento / 2, A.A / 2);
        m.Grados(x_.r, A.suplemento / 2, A.A / 2);
    } else {
        A.seno = SenoCercano(A.A <= 90 ? A.A : A.suplemento);
        A.senoExceso = A.A <= 90 ? 0 : SenoCercano(A.menosNoventa);
        m.Radianes(x_.p, AnguloLAL(b, A, c, -diferencia));
        m.Radianes(x_.r, AnguloLAL(c, A, b, diferencia));
    }
    m.Guardar();
}

bool Estable::Tercero(EnCurso& m, std::uint8_t i, std::uint8_t j, std::uint8_t k, double& senoK) {
    const SumaExactaRedondeada C = Sumar(180, {{-1, &Ae(i)}, {-1, &Ae(j)}});
    if (C.signo <= 0) {
        return false;
    }
    // 90 - C = (A + B) - 90; past 90 degrees C's sine is that of A + B.
    const double complemento = Sumar(-90, {{1, &Ae(i)}, {1, &Ae(j)}}).valor;
    senoK =
        SenoRelativoCercano(C.valor > 90 ? Sumar(0, {{1, &Ae(i)}, {1, &Ae(j)}}).valor : C.valor);
    m.Grados(k, C.valor, complemento);
    return true;
}

void Estable::ALA() {
    EnCurso m = Nueva();
    double senoC = 0;
    if (!Tercero(m, x_.p, x_.r, x_.q, senoC)) {
        return;
    }
    const double c = l(x_.q);
    m.Lado(x_.p, Lado(c, SenoDado(x_.p), senoC));
    m.Lado(x_.r, Lado(c, SenoDado(x_.r), senoC));
    m.Guardar();
}

void Estable::AAL() {
    EnCurso m = Nueva();
    double senoC = 0;
    if (!Tercero(m, x_.p, x_.q, x_.r, senoC)) {
        return;
    }
    const double a = l(x_.p);
    const double senoA = SenoDado(x_.p);
    m.Lado(x_.q, Lado(a, SenoDado(x_.q), senoA));
    m.Lado(x_.r, Lado(a, senoC, senoA));
    m.Guardar();
}

// Side a = L(p), side b = L(q) and its opposite angle B. The third side c
// solves c² - 2ac cos B + (a² - b²) = 0; the root that would cancel comes
// from the product of the two, a² - b², so an isosceles pair gives exactly
// one triangle. Each angle at A then follows from c - a cos B = ±r. A given
// angle of 90 degrees or more has at most one triangle, b > a; a tangent
// (sin A = 1) happens only at B = 30 degrees.
void Estable::LLA() {
    const NumeroExacto& eB = Ae(x_.q);
    const SumaExactaRedondeada suplemento = Sumar(180, {{-1, &eB}});
    if (suplemento.signo <= 0) {
        return;
    }
    const double a = l(x_.p);
    const double B = g(x_.q);
    const SumaExactaRedondeada noventaMenosB = Sumar(90, {{-1, &eB}});
    const SumaExactaRedondeada aMenosB = Sumar(0, {{1, &Le(x_.p)}, {-1, &Le(x_.q)}});
    const bool agudo = noventaMenosB.signo > 0;
    if (!agudo && aMenosB.signo >= 0) {
        return;
    }
    const AlturaLLA h = MedirAltura(Le(x_.p), Le(x_.q), eB, suplemento, noventaMenosB);
    if (h.signo < 0) {
        return;
    }
    if (h.signo == 0) {
        EnCurso m = Nueva();
        m.Recto(x_.p);
        m.Grados(x_.r, noventaMenosB.valor, B);
        m.Lado(x_.r, Cociente(a, SenoRelativo(noventaMenosB.valor), 1 / kRadianesPorGrado,
                              escala_.Desescala()));
        m.Guardar();
        return;
    }
    const int eb = h.eb - escala_.Desescala();  // b's exponent at the solving scale
    // r = sqrt(b² - a² sin² B) and a sin B, relative to 2^eb, and r at the
    // solving scale.
    const double rRelativo = Raiz(h.diferencia * (h.b + h.aSeno));
    const double aSenoRelativo = h.aSeno.hi;
    const double r = PorPotenciaDeDos(rRelativo, eb);
    const double b = l(x_.q);
    const double senoB = SenoCercano(agudo ? B : suplemento.valor);
    const double cosenoB =
        agudo ? SenoCercano(noventaMenosB.valor) : -SenoCercano(-noventaMenosB.valor);
    const double p = a * cosenoB;
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
        const double resto = suplemento.valor - gradosA;
        if (resto >= 45) {
            m.Grados(x_.r, resto, gradosA - noventaMenosB.valor);
        } else {
            m.Radianes(x_.r, AsenCercano(std::min(1.0, Cociente(c, senoB, b, 0))));
        }
        m.Guardar();
    };
    const mate::ArcosCruzados arcos = Atan2CruzadosCercano(aSenoRelativo, rRelativo);
    const AnguloYComplemento agudoEnA{arcos.yx, arcos.xy};
    if (agudo) {
        const double c1 = p + r;
        solucion(c1, agudoEnA);
        if (aMenosB.signo > 0) {
            // atan2(-r, x) is -atan2(r, x) to the bit.
            solucion(Reducir(aMenosB.valor) * ((a + b) / c1),
                     {Atan2CruzadosCercano(aSenoRelativo, -rRelativo).yx, -agudoEnA.complemento});
        }
    } else {
        solucion(Reducir(-aMenosB.valor) * ((b + a) / (r - p)), agudoEnA);
    }
}

}  // namespace

int AlcanceLLA(const Datos& d, const Reparto& x) {
    const NumeroExacto B = d.AnguloExacto(x.q);
    return MedirAltura(d.LadoExacto(x.p), d.LadoExacto(x.q), B, Sumar(180, {{-1, &B}}),
                       Sumar(90, {{-1, &B}}))
        .signo;
}

namespace {

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
    Soluciones soluciones;
    Resolver(datos, soluciones);
    return soluciones;
}

void Resolver(const Datos& datos, Soluciones& soluciones) {
    assert(soluciones.empty() && "solutions go into an empty list");
    const std::optional<Reparto> reparto = Repartir(datos);
    if (!reparto) {
        return;
    }
    const Escala escala = EscalaDe(datos);
    // The classic formulas stand, bit for bit, where they are right; where an
    // angle of theirs is tiny or they lose digits to cancellation (the arc
    // sine near 1 of a needle), the formulas that do not cancel decide.
    const Clasicas clasicas = ResolverClasico(datos, *reparto, escala);
    Estable(datos, *reparto, escala, soluciones).Resolver();
    if (Fiables(clasicas) && Coinciden(clasicas, soluciones)) {
        // Texts and properties come from the exact solution in either case.
        for (std::size_t k = 0; k < clasicas.size(); ++k) {
            soluciones.Modificar(k).medidas = clasicas[k];
        }
    }
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
