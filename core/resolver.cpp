#include "resolver.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "funciones.h"

namespace pendra {

namespace {

enum class Caso : std::uint8_t { LLL, LAL, LLA, ALA, AAL };

// Which measure plays which part in the case's solver, by index 1 to 3:
//   LLL  sides p, q, r;
//   LAL  sides p and r with the angle q between them;
//   LLA  side p, side q and its opposite angle q, r the third vertex;
//   ALA  angles p and r with the side q between them;
//   AAL  angle p with its opposite side p, angle q, r the third vertex.
struct Reparto {
    Caso caso;
    std::uint8_t p, q, r;
};

std::optional<Reparto> Repartir(const Datos& d) {
    std::uint8_t angulos[3] = {};
    std::uint8_t lados[3] = {};
    int na = 0;
    int nl = 0;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (!(std::isfinite(d.Grados(i)) && d.Grados(i) >= 0 && std::isfinite(d.Lado(i)) &&
              d.Lado(i) >= 0)) {
            return std::nullopt;
        }
        if (d.Grados(i) > 0) {
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

// The sides are solved at a power-of-two scale chosen from the longest given
// side: exact, so ordinary results are unchanged, while sides near either end
// of the double range neither overflow nor underflow inside the formulas.
class Escala {
public:
    explicit Escala(const Datos& d) {
        int exponente = 0;
        std::frexp(std::max({d.Lado(1), d.Lado(2), d.Lado(3)}), &exponente);
        exponente_ = -exponente;
    }
    double Reducir(double lado) const { return std::ldexp(lado, exponente_); }
    // A side beyond the double range once scaled back becomes infinite and
    // fails the outcome test.
    double Devolver(double lado) const { return std::ldexp(lado, -exponente_); }

private:
    int exponente_ = 0;
};

// The measures as given: angles in radians, sides as typed.
Medidas Dadas(const Datos& d) {
    Medidas m;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        m.Angulo(i) = d.Grados(i) * RadPorGrado;
        m.Lado(i) = d.Lado(i);
    }
    return m;
}

void AgregarSiEsTriangulo(Soluciones& soluciones, const Medidas& m) {
    if (EsTriangulo(m)) {
        soluciones.Agregar(m);
    }
}

// The classic case solvers, on the scaled sides.
Soluciones ResolverClasico(const Datos& d, const Reparto& x, const Escala& escala) {
    const Medidas dadas = Dadas(d);
    Medidas m = dadas;
    const auto l = [&](std::uint8_t i) { return escala.Reducir(d.Lado(i)); };
    const auto A = [&](std::uint8_t i) -> double& { return m.Angulo(i); };
    const auto L = [&](std::uint8_t i) -> double& { return m.Lado(i); };
    const auto p = x.p;
    const auto q = x.q;
    const auto r = x.r;
    Soluciones soluciones;
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

}  // namespace

Soluciones Resolver(const Datos& datos) {
    const std::optional<Reparto> reparto = Repartir(datos);
    if (!reparto) {
        return {};
    }
    const Escala escala(datos);
    return ResolverClasico(datos, *reparto, escala);
}

bool EsTriangulo(const Medidas& medidas) {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        for (const double x : {medidas.Angulo(i), medidas.Lado(i)}) {
            if (!(std::isfinite(x) && x > 0)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace pendra
