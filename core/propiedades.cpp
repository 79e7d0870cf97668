// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "propiedades.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

#include "doble.h"
#include "elementales.h"
#include "escala.h"
#include "exacto.h"
#include "funciones.h"

namespace pendra {

namespace {

// m * 2^e with 0.5 <= |m| < 1, or m = 0. Products, quotients and square roots
// round as doubles do but never overflow or underflow on the way, so only a
// final value that a double cannot hold is lost.
struct Escalado {
    double m = 0;
    int e = 0;
};

Escalado Exacto(double x) {
    Escalado r;
    r.m = Frexp(x, &r.e);
    return r;
}

// m from a product, quotient or square root of normalised values, so
// 0.25 <= |m| < 2 or m = 0: one exact step by 2 at most.
[[gnu::noinline]] Escalado NormalFueraDeRango(double m, int e) {
    const double a = std::fabs(m);
    if (a == 0) {
        return {};
    }
    if (a < 0.5) {
        return {m * 2, e - 1};
    }
    return a >= 1 ? Escalado{m / 2, e + 1} : Escalado{m, e};
}

Escalado Normal(double m, int e) {
    // The step taken straight from the exponent's bits: which of the three a
    // value needs is as good as random, and a branch on it is mispredicted.
    const auto bits = __builtin_bit_cast(std::uint64_t, m);
    const auto exponente = static_cast<int>(bits >> 52 & 0x7FF);
    if (exponente == 0 || exponente == 0x7FF) {
        return NormalFueraDeRango(m, e);  // 0, or what no double holds
    }
    const int paso = exponente - 1022;  // -1, 0 or 1
    return {__builtin_bit_cast(double, bits - (static_cast<std::uint64_t>(paso) << 52)), e + paso};
}

Escalado operator*(Escalado a, Escalado b) {
    return Normal(a.m * b.m, a.e + b.e);
}

Escalado operator/(Escalado a, Escalado b) {
    return Normal(a.m / b.m, a.e - b.e);
}

// Times 2^n: exact.
Escalado PorPotencia(Escalado a, int n) {
    return {a.m, a.m == 0 ? 0 : a.e + n};
}

Escalado Raiz(Escalado a) {
    // An odd exponent lends a factor 2 to m, without a branch on its parity.
    const int impar = a.e & 1;
    return Normal(std::sqrt(a.m * static_cast<double>(1 + impar)), (a.e - impar) / 2);
}

// Below 2^-1030 a double is subnormal with fewer than 44 significant bits;
// a length or area there is taken as absent rather than shown imprecise.
constexpr int kExponenteMinimo = -1029;

// A length or an area: the value times 2^desplazamiento, absent beyond range.
Valor Magnitud(Escalado a, int desplazamiento) {
    if (a.m == 0) {
        return 0.0;
    }
    const int e = a.e + desplazamiento;
    if (e < kExponenteMinimo) {
        return std::nullopt;
    }
    const double x = PorPotenciaDeDos(a.m, std::min(e, 1025));
    return std::isfinite(x) ? Valor(x) : std::nullopt;
}

// A coordinate needs no relative precision near 0, only absence beyond range.
Valor Coordenada(Escalado a, int desplazamiento) {
    if (a.m == 0) {
        return 0.0;
    }
    const double x = PorPotenciaDeDos(a.m, std::clamp(a.e + desplazamiento, -1100, 1025));
    return std::isfinite(x) ? Valor(x) : std::nullopt;
}

// Whether x times a power of two came out a normal double, and so exact, as
// the scaled value would give it.
bool EsNormal(double x) {
    return std::fabs(x) >= std::numeric_limits<double>::min() &&
           std::fabs(x) <= std::numeric_limits<double>::max();
}

[[gnu::noinline]] Valor CoordenadaLejos(double x, int desplazamiento) {
    return Coordenada(Exacto(x), desplazamiento);
}

// The same formulas in plain doubles, for a triangle whose sides, sines and
// sums all lie far from both ends of the double range once its longest side
// is near 1: there every product, quotient and root rounds exactly as its
// Escalado does, at a fraction of the cost.
template <typename N>
N Como(double x);
template <>
Escalado Como<Escalado>(double x) {
    return Exacto(x);
}
template <>
double Como<double>(double x) {
    return x;
}
double PorPotencia(double a, int n) {
    return PorPotenciaDeDos(a, n);
}
double Raiz(double a) {
    return std::sqrt(a);
}
[[gnu::noinline]] Valor MagnitudLejos(double a, int desplazamiento) {
    return Magnitud(Exacto(a), desplazamiento);
}

// A length or an area, and a coordinate, put in place. In plain doubles a
// normal result is a product by a power of two, stored at once: an optional
// built apart and copied over goes through memory in pieces of other sizes
// than the copy reads, and the processor waits on them.
void PonerMagnitud(Valor& destino, Escalado a, int desplazamiento) {
    destino = Magnitud(a, desplazamiento);
}
// x times 2^desplazamiento, or, where that is not a normal double, what
// `lejos` makes of it.
void PonerEscalado(Valor& destino, double x, int desplazamiento, Valor (*lejos)(double, int)) {
    const double y = PorPotenciaDeDos(x, desplazamiento);
    if (EsNormal(y)) {
        destino.emplace(y);
    } else {
        destino = lejos(x, desplazamiento);
    }
}
void PonerMagnitud(Valor& destino, double a, int desplazamiento) {
    PonerEscalado(destino, a, desplazamiento, MagnitudLejos);
}
void PonerCoordenada(Valor& destino, Escalado a, int desplazamiento) {
    destino = Coordenada(a, desplazamiento);
}
void PonerCoordenada(Valor& destino, double x, int desplazamiento) {
    PonerEscalado(destino, x, desplazamiento, CoordenadaLejos);
}
bool EsCero(Escalado a) {
    return a.m == 0;
}
bool EsCero(double a) {
    return a == 0;
}
double ADoble(Escalado a) {
    return PorPotenciaDeDos(a.m, a.e);
}
double ADoble(double a) {
    return a;
}

// Sums of three typed sides that must not cancel: the perimeter,
// g[i] = perimeter - 2 side i and diferencias[i] = side j - side k, j = i + 1
// and k = i + 2 (mod 3), by index minus 1.
struct Factores {
    double perimetro = 0;
    std::array<double, 3> g{};
    std::array<double, 3> diferencias{};
};

// Sides scaled so that the longest lies in [2^500, 2^501): sums of sides and
// products of two of them stay in range, and even the shortest side of the
// thinnest triangle a double can show stays a normal number.
constexpr int kExponenteEscala = 500;

// What places the vertices and centres in the drawing's plane, in the
// scaled unit: the base, the foot u of the apex's height on it and v = base - u
// (each found on its own, so that neither cancels), twice the area, the
// inradius and g1 = perimeter - 2 * side 2.
template <typename N>
struct Pie {
    double base;
    double u;
    double v;
    N dobleArea;
    N inscrito;
    double g1;
};

// The vertices, the centroid, the incentre, the circumcentre's x and the
// orthocentre; a flat triangle has no orthocentre's height.
template <typename N>
void Situar(Propiedades& p, const Pie<N>& pie, int k) {
    const N altura = pie.dobleArea / Como<N>(pie.base);
    PonerCoordenada(p.vertices[0].x, pie.u, -k);
    PonerCoordenada(p.vertices[0].y, altura, -k);
    p.vertices[1] = {0.0, 0.0};
    PonerCoordenada(p.vertices[2].x, pie.base, -k);
    p.vertices[2].y = 0.0;
    PonerCoordenada(p.baricentro.x, (pie.base + pie.u) / 3, -k);
    PonerCoordenada(p.baricentro.y, altura / Como<N>(3), -k);
    // The incircle touches the base at perimeter / 2 - side 2 from the origin.
    PonerCoordenada(p.incentro.x, pie.g1 / 2, -k);
    PonerCoordenada(p.incentro.y, pie.inscrito, -k);
    PonerCoordenada(p.circuncentro.x, pie.base / 2, -k);
    // Copied by its parts, which were just stored one by one.
    if (const Valor& x = p.vertices[0].x) {
        p.ortocentro.x.emplace(*x);
    }
    if (!EsCero(altura)) {
        // The altitudes from the base's ends meet the apex's altitude at u v / height.
        PonerCoordenada(p.ortocentro.y, Como<N>(pie.u) * Como<N>(pie.v) / altura, -k);
    }
}

// Everything but the kinds, from the scaled sides alone (k is the scale's
// exponent) by Kahan's factors: exact for the sides given, and right for the
// triangle wherever no side is close to the sum of the other two.
template <typename N>
double DeLados(const std::array<double, 3>& l, const Factores& exactos, const Escala& escala, int k,
               Propiedades& p) {
    // Kahan's factors, from the sides sorted x >= y >= z: the sums of the
    // typed sides, each exact and rounded once, so none of them cancels.
    std::array<int, 3> orden{0, 1, 2};
    std::sort(orden.begin(), orden.end(), [&l](int i, int j) { return l[i] > l[j]; });
    const double y = l[orden[1]], z = l[orden[2]];
    // g[i] = perimeter - 2 * side i.
    std::array<double, 3> g{};
    for (int i = 0; i < 3; ++i) {
        g[i] = escala.Reducir(exactos.g[i]);
    }
    const double f1 = escala.Reducir(exactos.perimetro);
    const double f2 = g[orden[0]];
    const double f3 = g[orden[1]];
    const double f4 = g[orden[2]];

    const N area = PorPotencia(Raiz(Como<N>(f1) * Como<N>(f2) * Como<N>(f3) * Como<N>(f4)), -2);
    const N dobleArea = PorPotencia(area, 1);
    const bool plano = EsCero(area);
    PonerMagnitud(p.area, area, -2 * k);
    PonerMagnitud(p.perimetro, Como<N>(f1), -k);
    const N inscrito = dobleArea / Como<N>(f1);
    PonerMagnitud(p.radioInscrito, inscrito, -k);
    if (!plano) {
        PonerMagnitud(p.radioCircunscrito,
                      Como<N>(l[0]) * Como<N>(l[1]) * Como<N>(l[2]) / PorPotencia(area, 2), -k);
    }

    // d[i] = 2 * (product of the other two sides) * cos(angle i), as the
    // difference of two products that never cancel more than cos(angle i) does.
    std::array<double, 3> d{};
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, h = (i + 2) % 3;
        d[i] = (g[i] * f1 - g[j] * g[h]) / 2;

        PonerMagnitud(p.alturas[i], dobleArea / Como<N>(l[i]), -k);
        // 4 m² = (b - c)² + (b + c - a)(a + b + c): two terms of one sign.
        const double diferencia = escala.Reducir(exactos.diferencias[i]);
        const double mediana = g[i] == 0 ? std::fabs(diferencia) / 2
                                         : std::sqrt(diferencia * diferencia + g[i] * f1) / 2;
        PonerMagnitud(p.medianas[i], Como<N>(mediana), -k);
        // t² (b + c)² = b c (a + b + c)(b + c - a).
        PonerMagnitud(p.bisectrices[i],
                      Raiz(Como<N>(l[j]) * Como<N>(l[h]) * Como<N>(f1) * Como<N>(g[i])) /
                          Como<N>(l[j] + l[h]),
                      -k);
    }

    // u = side 3 * cos(angle 2) and v = base - u, each taken on its own.
    const double base = l[0];
    Situar<N>(p, {base, d[1] / (2 * base), d[2] / (2 * base), dobleArea, inscrito, g[1]}, k);
    if (!plano) {
        // Half the base times the cotangent of angle 1 above it.
        PonerCoordenada(p.circuncentro.y, Como<N>(base) * Como<N>(d[0]) / PorPotencia(area, 3), -k);
    }
    // cos(largest angle), for the kind.
    return d[orden[0]] / (2 * y * z);
}

// Everything but the kinds, from the scaled sides and the angles in degrees:
// for needles and flat triangles, whose sides alone no longer fix them to
// twelve digits, while their angles, each known relative to itself, do.
template <typename N>
double DeAngulos(const std::array<double, 3>& l, const std::array<double, 3>& A,
                 const std::array<double, 3>& complemento, int k, Propiedades& p) {
    // Ten sines a triangle, each needed to twelve digits, not to the last bit.
    // cos(A_i) as the sine of 90 - A_i, which the solution keeps apart.
    std::array<double, 3> coseno{};
    for (int i = 0; i < 3; ++i) {
        coseno[i] = std::copysign(
            SenoRelativoCercano(std::fabs(complemento[i])) * kRadianesPorGrado, complemento[i]);
    }
    // The smallest angle's sine is known to full precision relative to
    // itself, whatever the shape: the area and the circumradius come from it.
    const int menor = static_cast<int>(std::min_element(A.begin(), A.end()) - A.begin());
    const int j0 = (menor + 1) % 3;
    const int h0 = (menor + 2) % 3;
    const N senoMenor = Como<N>(SenoRelativoCercano(A[menor])) * Como<N>(kRadianesPorGrado);
    const N area = PorPotencia(Como<N>(l[j0]) * Como<N>(l[h0]) * senoMenor, -1);
    const N dobleArea = PorPotencia(area, 1);
    const N circunscrito = PorPotencia(Como<N>(l[menor]) / senoMenor, -1);
    const double perimetro = l[0] + l[1] + l[2];
    PonerMagnitud(p.area, area, -2 * k);
    PonerMagnitud(p.perimetro, Como<N>(perimetro), -k);
    const N inscrito = dobleArea / Como<N>(perimetro);
    PonerMagnitud(p.radioInscrito, inscrito, -k);
    PonerMagnitud(p.radioCircunscrito, circunscrito, -k);

    // g[i] = perimeter - 2 * side i = 8 R cos(A_i/2) sin(A_j/2) sin(A_h/2),
    // from the half angles: never a difference of sides, which a needle's
    // short side would drown in. cos(A_i/2) is the sine of the half sum of
    // the other two, exact even where A_i is next to the half turn.
    std::array<double, 3> g{};
    const auto seno = [](double grados) {
        return Como<N>(SenoRelativoCercano(grados)) * Como<N>(kRadianesPorGrado);
    };
    // Each half angle's sine serves two of the g.
    const std::array<N, 3> mitad = {seno(A[0] / 2), seno(A[1] / 2), seno(A[2] / 2)};
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, h = (i + 2) % 3;
        const N semisuma = seno((A[j] + A[h]) / 2);
        const N gi = PorPotencia(circunscrito, 3) * semisuma * mitad[j] * mitad[h];
        g[i] = ADoble(gi);

        PonerMagnitud(p.alturas[i], dobleArea / Como<N>(l[i]), -k);
        // 4 m² = (b - c)² + (b + c - a)(a + b + c): two terms of one sign.
        const double diferencia = l[j] - l[h];
        PonerMagnitud(p.medianas[i],
                      Como<N>(std::sqrt(diferencia * diferencia + g[i] * perimetro) / 2), -k);
        // t = 2 b c cos(A/2) / (b + c).
        PonerMagnitud(
            p.bisectrices[i],
            PorPotencia(Como<N>(l[j]) * Como<N>(l[h]) * semisuma / Como<N>(l[j] + l[h]), 1), -k);
    }

    // u = side 3 * cos(angle 2) and v = base - u = side 2 * cos(angle 3).
    Situar<N>(p, {l[0], l[2] * coseno[1], l[1] * coseno[2], dobleArea, inscrito, g[1]}, k);
    // R cos(angle 1) above the middle of the base.
    PonerCoordenada(p.circuncentro.y, circunscrito * Como<N>(coseno[0]), -k);

    return coseno[static_cast<std::size_t>(std::max_element(A.begin(), A.end()) - A.begin())];
}

// Kahan's factors of three typed sides, each exact and rounded once.
Factores FactoresDe(const Datos& d) {
    const NumeroExacto l[3] = {d.LadoExacto(1), d.LadoExacto(2), d.LadoExacto(3)};
    Factores f;
    f.perimetro = Sumar(0, {{1, &l[0]}, {1, &l[1]}, {1, &l[2]}}).valor;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        const int h = (i + 2) % 3;
        f.g[i] = std::max(Sumar(0, {{-1, &l[i]}, {1, &l[j]}, {1, &l[h]}}).valor, 0.0);
        f.diferencias[i] = Sumar(0, {{1, &l[j]}, {-1, &l[h]}}).valor;
    }
    return f;
}

}  // namespace

Propiedades PropiedadesDe(const Solucion& solucion) {
    const MedidasEnGrados& t = solucion.precisa;
    Propiedades p;
    std::array<double, 3> l{};
    std::array<double, 3> A{};
    std::array<bool, 3> dado{};
    for (std::uint8_t i = 1; i <= 3; ++i) {
        l[PosicionMedida(i)] = t.Lado(i);
        A[PosicionMedida(i)] = t.Angulo(i);
        dado[PosicionMedida(i)] = solucion.datos.Angulo(i) > 0;
    }
    for (int i = 0; i < 3; ++i) {
        if (!(l[i] > 0 && std::isfinite(l[i]) && A[i] > 0 && A[i] <= 180)) {
            return p;
        }
    }
    // Three given sides are the triangle, to the last bit: Kahan's factors
    // give it exactly, needle or flat. Found sides carry the rounding of
    // what they were found from, and there the angles decide.
    const bool tresLados = !dado[0] && !dado[1] && !dado[2];
    Factores exactos;
    if (tresLados) {
        exactos = FactoresDe(solucion.datos);
    }
    // Plain doubles where, with the longest side in [1, 2), every side, sum
    // and sine is 0 or above 2^-200: no product of a few of them leaves the
    // normal range.
    const double mayor = std::max({l[0], l[1], l[2]});
    const Escala unidad(mayor, 1);
    const auto lejos = [&unidad](double x) {
        return x != 0 && !(std::fabs(unidad.Reducir(x)) >= 0x1p-200);
    };
    bool llano = !lejos(l[0]) && !lejos(l[1]) && !lejos(l[2]);
    for (int i = 0; i < 3; ++i) {
        llano =
            llano && (tresLados ? !lejos(exactos.g[i]) && !lejos(exactos.diferencias[i])
                                : A[i] >= 1e-50 && (solucion.complementos[i] == 0 ||
                                                    std::fabs(solucion.complementos[i]) >= 1e-50));
    }
    const Escala escala = llano ? unidad : Escala(mayor, kExponenteEscala + 1);
    const int k = -escala.Desescala();
    for (double& lado : l) {
        lado = escala.Reducir(lado);
    }
    double coseno = 0;
    if (tresLados) {
        coseno = llano ? DeLados<double>(l, exactos, escala, k, p)
                       : DeLados<Escalado>(l, exactos, escala, k, p);
    } else {
        coseno = llano ? DeAngulos<double>(l, A, solucion.complementos, k, p)
                       : DeAngulos<Escalado>(l, A, solucion.complementos, k, p);
    }

    if (std::fabs(coseno) <= kToleranciaClase) {
        p.porAngulos = ClasePorAngulos::Rectangulo;
    } else {
        p.porAngulos = coseno > 0 ? ClasePorAngulos::Acutangulo : ClasePorAngulos::Obtusangulo;
    }
    std::array<double, 3> o = l;
    std::sort(o.begin(), o.end(), std::greater<>());
    const double x = o[0], y = o[1], z = o[2];
    if (x - z <= kToleranciaClase * x) {
        p.porLados = ClasePorLados::Equilatero;
    } else if (x - y <= kToleranciaClase * x || y - z <= kToleranciaClase * y) {
        p.porLados = ClasePorLados::Isosceles;
    } else {
        p.porLados = ClasePorLados::Escaleno;
    }
    return p;
}

}  // namespace pendra
