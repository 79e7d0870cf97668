#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "doble.h"

// The exact numbers that field texts stand for, and the few sums of them a
// solution needs, each rounded once. A quick sum in double-double decides
// nearly always; where it cannot (a sum that cancels to nothing, or lies next
// to a rounding boundary) the sum is taken in exact rational arithmetic.

namespace pendra {

struct RacionalGrande;

// A non-negative exact number: a double, a decimal entero x 10^exponente, or
// any rational (a long decimal, degrees with minutes and seconds). It carries
// its correctly rounded double and the rounded remainder beside it.
class NumeroExacto {
public:
    NumeroExacto() = default;  // 0
    // Exactly x (finite, not negative).
    explicit NumeroExacto(double x) : hi_(x) {}
    // entero x 10^exponente.
    static NumeroExacto Decimal(std::uint64_t entero, int exponente);
    // The same, whose correctly rounded double is known to be valor.
    static NumeroExacto Decimal(std::uint64_t entero, int exponente, double valor);
    // The decimal 0.cifras x 10^exponente, cifras of ASCII digits, whose
    // correctly rounded double is valor.
    static NumeroExacto Cifras(std::string_view cifras, std::int64_t exponente, double valor);
    // grados + minutos / 60 + segundos / 3600.
    static NumeroExacto Sexagesimal(const NumeroExacto& grados, const NumeroExacto& minutos,
                                    const NumeroExacto& segundos);

    // The correctly rounded double; infinite beyond the double range.
    double Valor() const { return hi_; }
    // The exact number minus Valor(), rounded.
    double Bajo() const { return lo_; }
    Doble ComoDoble() const { return {hi_, lo_}; }
    bool EsCero() const { return hi_ == 0 && forma_ != Forma::Grande; }

private:
    friend struct Exacta;
    enum class Forma : std::uint8_t { Binaria, Decimal, Grande };

    double hi_ = 0;
    double lo_ = 0;
    std::uint64_t entero_ = 0;
    int exponente_ = 0;
    Forma forma_ = Forma::Binaria;
    std::shared_ptr<const RacionalGrande> grande_;
};

// One term of a sum: +x or -x.
struct Termino {
    int signo;
    const NumeroExacto* x;
};

// A sum rounded once: its double, the rounded remainder and its exact sign
// (a sum too small for a double still has one).
struct SumaExactaRedondeada {
    double valor = 0;
    double bajo = 0;
    int signo = 0;
};

// constante + the terms, exactly, rounded once. The constant is a double
// taken exactly.
SumaExactaRedondeada Sumar(double constante, std::initializer_list<Termino> terminos);

// b - a sin(B degrees) for B from 0 to 180, in units of b (a relative
// difference), to about 300 bits before its rounding to double-double: for
// data so close to a tangent that double-double cannot tell the sign.
Doble DiferenciaAlturaPrecisa(const NumeroExacto& a, const NumeroExacto& b,
                              const NumeroExacto& B);

// The exact sum x + y (z - w when signo is -1) as a number of its own.
NumeroExacto SumaExactaDe(const NumeroExacto& x, const NumeroExacto& y, int signo = 1);

// The height a sin(B degrees) that side b falls short of (b < a sin B), in
// the fewest significant digits, ten or more, whose rounded value still lies
// beyond b, so that a sentence never shows the two equal or the other way
// round: "1.000000000000000001" for a = 1.41421356237309505, B = 45, b = 1.
std::string TextoAlturaMayor(const NumeroExacto& a, const NumeroExacto& B,
                             const NumeroExacto& b);

// x / 2, exactly.
NumeroExacto MitadExacta(const NumeroExacto& x);

// The number in decimal with the point: exactly, when its decimal ends within
// 40 significant digits ("0.3", "179.9", "1.25E-300"), otherwise rounded to 15
// of them.
std::string TextoExacto(const NumeroExacto& x);

}  // namespace pendra
