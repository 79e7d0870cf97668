#include "propiedades.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

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
    // frexp by hand for normal numbers: it runs for every value of every triangle.
    const auto bits = __builtin_bit_cast(std::uint64_t, x);
    const auto exponente = static_cast<int>(bits >> 52 & 0x7FF);
    if (exponente == 0 || exponente == 0x7FF) {
        Escalado r;
        r.m = std::frexp(x, &r.e);
        return r;
    }
    const std::uint64_t medio = std::uint64_t{1022} << 52;
    return {__builtin_bit_cast(double, (bits & ~(std::uint64_t{0x7FF} << 52)) | medio),
            exponente - 1022};
}

// m from a product, quotient or square root of normalised values, so
// 0.25 <= |m| < 2 or m = 0: one exact step by 2 at most.
Escalado Normal(double m, int e) {
    const double a = std::fabs(m);
    if (a == 0) {
        return {};
    }
    if (a < 0.5) {
        return {m * 2, e - 1};
    }
    if (a >= 1) {
        return {m / 2, e + 1};
    }
    return {m, e};
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
    if (a.e % 2 != 0) {
        a.m *= 2;
        a.e -= 1;
    }
    return Normal(std::sqrt(a.m), a.e / 2);
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
    const double x = std::ldexp(a.m, std::min(e, 1025));
    return std::isfinite(x) ? Valor(x) : std::nullopt;
}

// A coordinate needs no relative precision near 0, only absence beyond range.
Valor Coordenada(Escalado a, int desplazamiento) {
    if (a.m == 0) {
        return 0.0;
    }
    const double x = std::ldexp(a.m, std::clamp(a.e + desplazamiento, -1100, 1025));
    return std::isfinite(x) ? Valor(x) : std::nullopt;
}

Valor Coordenada(double x, int desplazamiento) {
    return Coordenada(Exacto(x), desplazamiento);
}

// Sides scaled so that the longest lies in [2^500, 2^501): sums of sides and
// products of two of them stay in range, and even the shortest side of the
// thinnest triangle a double can show stays a normal number.
constexpr int kExponenteEscala = 500;

}  // namespace

Propiedades PropiedadesDe(const Medidas& medidas) {
    Propiedades p;
    std::array<double, 3> l{medidas.Lado(1), medidas.Lado(2), medidas.Lado(3)};
    for (const double lado : l) {
        if (!(lado > 0) || !std::isfinite(lado)) {
            return p;
        }
    }
    const int k = kExponenteEscala - std::ilogb(std::max({l[0], l[1], l[2]}));
    for (double& lado : l) {
        lado = std::ldexp(lado, k);
    }

    // Kahan's factors, from the sides sorted x >= y >= z with every
    // parenthesis kept: x - y is exact, so none of them cancels.
    std::array<int, 3> orden{0, 1, 2};
    std::sort(orden.begin(), orden.end(), [&l](int i, int j) { return l[i] > l[j]; });
    const double x = l[orden[0]], y = l[orden[1]], z = l[orden[2]];
    const double f1 = x + (y + z);
    const double f2 = std::max(z - (x - y), 0.0);
    const double f3 = z + (x - y);
    const double f4 = x + (y - z);
    // g[i] = perimeter - 2 * side i.
    std::array<double, 3> g{};
    g[orden[0]] = f2;
    g[orden[1]] = f3;
    g[orden[2]] = f4;

    const Escalado area = PorPotencia(Raiz(Exacto(f1) * Exacto(f2) * Exacto(f3) * Exacto(f4)), -2);
    const Escalado dobleArea = PorPotencia(area, 1);
    const bool plano = area.m == 0;
    p.area = Magnitud(area, -2 * k);
    p.perimetro = Magnitud(Exacto(f1), -k);
    const Escalado inscrito = dobleArea / Exacto(f1);
    p.radioInscrito = Magnitud(inscrito, -k);
    if (!plano) {
        p.radioCircunscrito =
            Magnitud(Exacto(l[0]) * Exacto(l[1]) * Exacto(l[2]) / PorPotencia(area, 2), -k);
    }

    // d[i] = 2 * (product of the other two sides) * cos(angle i), as the
    // difference of two products that never cancel more than cos(angle i) does.
    std::array<double, 3> d{};
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, h = (i + 2) % 3;
        d[i] = (g[i] * f1 - g[j] * g[h]) / 2;

        p.alturas[i] = Magnitud(dobleArea / Exacto(l[i]), -k);
        // 4 m² = (b - c)² + (b + c - a)(a + b + c): two terms of one sign.
        const double diferencia = l[j] - l[h];
        const double mediana = g[i] == 0 ? std::fabs(diferencia) / 2
                                         : std::sqrt(diferencia * diferencia + g[i] * f1) / 2;
        p.medianas[i] = Magnitud(Exacto(mediana), -k);
        // t² (b + c)² = b c (a + b + c)(b + c - a).
        p.bisectrices[i] = Magnitud(
            Raiz(Exacto(l[j]) * Exacto(l[h]) * Exacto(f1) * Exacto(g[i])) / Exacto(l[j] + l[h]),
            -k);
    }

    // The apex stands over the point u of the base, u = side 3 * cos(angle 2);
    // v = base - u, taken on its own so that neither cancels.
    const double base = l[0];
    const double u = d[1] / (2 * base);
    const double v = d[2] / (2 * base);
    const Escalado altura = dobleArea / Exacto(base);
    p.vertices[0] = {Coordenada(u, -k), Coordenada(altura, -k)};
    p.vertices[1] = {0.0, 0.0};
    p.vertices[2] = {Coordenada(base, -k), 0.0};
    p.baricentro = {Coordenada((base + u) / 3, -k), Coordenada(altura / Exacto(3), -k)};
    // The incircle touches the base at perimeter / 2 - side 2 from the origin.
    p.incentro = {Coordenada(g[1] / 2, -k), Coordenada(inscrito, -k)};
    p.circuncentro.x = Coordenada(base / 2, -k);
    p.ortocentro.x = p.vertices[0].x;
    if (!plano) {
        // Half the base times the cotangent of angle 1 above it.
        p.circuncentro.y = Coordenada(Exacto(base) * Exacto(d[0]) / PorPotencia(area, 3), -k);
        // The altitudes from the base's ends meet the apex's altitude at u v / height.
        p.ortocentro.y = Coordenada(Exacto(u) * Exacto(v) / altura, -k);
    }

    const double coseno = d[orden[0]];
    if (std::fabs(coseno) <= kToleranciaClase * 2 * y * z) {
        p.porAngulos = ClasePorAngulos::Rectangulo;
    } else {
        p.porAngulos = coseno > 0 ? ClasePorAngulos::Acutangulo : ClasePorAngulos::Obtusangulo;
    }
    if (x - z <= kToleranciaClase * x) {
        p.porLados = ClasePorLados::Equilatero;
    } else if (x - y <= kToleranciaClase * x || y - z <= kToleranciaClase * y) {
        p.porLados = ClasePorLados::Isosceles;
    } else {
        p.porLados = ClasePorLados::Escaleno;
    }
    return p;
}

std::string Nombre(ClasePorAngulos clase) {
    switch (clase) {
        case ClasePorAngulos::Acutangulo:
            return "acutángulo";
        case ClasePorAngulos::Rectangulo:
            return "rectángulo";
        case ClasePorAngulos::Obtusangulo:
            return "obtusángulo";
    }
    return {};
}

std::string Nombre(ClasePorLados clase) {
    switch (clase) {
        case ClasePorLados::Equilatero:
            return "equilátero";
        case ClasePorLados::Isosceles:
            return "isósceles";
        case ClasePorLados::Escaleno:
            return "escaleno";
    }
    return {};
}

std::string TextoValor(const Valor& valor, int cifras) {
    if (!valor) {
        return "fuera de rango";
    }
    if (*valor == 0) {
        return "0";  // never "-0"
    }
    // %G rounds and writes an exponent below 1E-04 and from 1E+<cifras> on,
    // so no magnitude is ever misread.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*G", std::clamp(cifras, 1, 17), *valor);
    return buffer;
}

std::string TextoPunto(const Punto& punto) {
    std::string texto = "(";
    texto += TextoValor(punto.x);
    texto += ", ";
    texto += TextoValor(punto.y);
    return texto + ")";
}

std::vector<std::pair<std::string, std::string>> FilasPropiedades(const Propiedades& p) {
    std::vector<std::pair<std::string, std::string>> filas;
    filas.emplace_back("Área", TextoValor(p.area));
    filas.emplace_back("Perímetro", TextoValor(p.perimetro));
    const auto tres = [&filas](const std::string& nombre, const std::array<Valor, 3>& valores) {
        for (std::size_t i = 0; i < 3; ++i) {
            filas.emplace_back(nombre + std::to_string(i + 1), TextoValor(valores[i]));
        }
    };
    tres("Altura sobre el lado ", p.alturas);
    tres("Mediana al lado ", p.medianas);
    tres("Bisectriz del ángulo ", p.bisectrices);
    filas.emplace_back("Radio inscrito", TextoValor(p.radioInscrito));
    filas.emplace_back("Radio circunscrito", TextoValor(p.radioCircunscrito));
    for (std::size_t i = 0; i < 3; ++i) {
        filas.emplace_back("Vértice del ángulo " + std::to_string(i + 1),
                           TextoPunto(p.vertices[i]));
    }
    filas.emplace_back("Baricentro", TextoPunto(p.baricentro));
    filas.emplace_back("Incentro", TextoPunto(p.incentro));
    filas.emplace_back("Circuncentro", TextoPunto(p.circuncentro));
    filas.emplace_back("Ortocentro", TextoPunto(p.ortocentro));
    filas.emplace_back("Clase por ángulos", Nombre(p.porAngulos));
    filas.emplace_back("Clase por lados", Nombre(p.porLados));
    return filas;
}

}  // namespace pendra
