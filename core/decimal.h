// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Numbers to decimal text and back, the same bytes on every library. Where
// the standard library has floating std::to_chars and std::from_chars they do
// the work; elsewhere (the WebAssembly build's library) printf and strtod do,
// checked until they give the unique answer the standard functions give.
namespace pendra::decimal {

// Room every writer below needs at its destination.
inline constexpr int kLargoMaximo = 32;

// The decimal digits of a finite x > 0: x is about digitos × 10^exponente.
struct Digitos {
    std::uint64_t digitos = 0;
    int exponente = 0;
};

// 10^0 to 10^19.
inline constexpr auto kPotenciasDeDiez = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k) {
        p[k] = p[k - 1] * 10;
    }
    return p;
}();

// How many decimal digits n >= 1 has. Inline: every number written asks it
// once or twice, and the call cost more than the count.
inline int CuantasCifras(std::uint64_t n) {
    const int t = (static_cast<int>(std::bit_width(n)) * 1233) >> 12;
    return t + (n >= kPotenciasDeDiez[static_cast<std::size_t>(t)] ? 1 : 0);
}
// The decimal digits of n >= 1 written at `destino`, which has room for 20
// characters; returns their end. What lies past the end may be overwritten.
char* EscribirCifras(std::uint64_t n, char* destino);

// The `cifras` = CuantasCifras(n) digits of n < 10^17 with a point after the
// first `enteras` (1 to cifras - 1) of them, at `destino`, which has room for
// 40 characters; returns their end. What lies past the end may be overwritten.
char* EscribirCifrasConPunto(std::uint64_t n, int cifras, int enteras, char* destino);

// The shortest digits that read back to x (finite, > 0), the closest of that
// length to x, ties to even: the digits Cientifica writes.
Digitos Corto(double x);

// x (finite, > 0) rounded to `cifras` (1 to 17) significant digits, ties to
// even as printf rounds: `digitos` has exactly `cifras` digits, or is 0 for
// an x beyond the exact range (General then writes through the library).
Digitos Redondeado(double x, int cifras);

// The shortest digits that read back to x (finite), as "d.ddde+XX".
char* Cientifica(double x, char* destino);

// x (finite) with `cifras` significant digits (1 to 17) as printf's %.*g.
char* General(double x, int cifras, char* destino);

// The correctly rounded value of unsigned decimal text: digits, an optional
// '.', an optional exponent. Too large gives infinity, too small zero.
double Leer(std::string_view texto);

// The printf and strtod path, compiled everywhere so that tests can hold it
// against the standard functions.
namespace portatil {
char* Cientifica(double x, char* destino);
char* General(double x, int cifras, char* destino);
double Leer(std::string_view texto);
}  // namespace portatil

}  // namespace pendra::decimal
