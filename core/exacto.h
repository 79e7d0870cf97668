// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

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
    explicit NumeroExacto(double x) : hi_(x), esDoble_(true) {}
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
    // Whether the number is its double, exactly (known for the short forms).
    bool EsDoble() const { return esDoble_; }

    // All but the rational of the long form, in a plain value that copies
    // as bytes; the double is kept apart.
    struct Compacto {
        double bajo = 0;
        std::uint64_t entero = 0;
        std::int32_t exponente = 0;
        std::uint8_t forma = 0;
        bool esDoble = true;
    };
    Compacto Compactar() const {
        return {lo_, entero_, exponente_, static_cast<std::uint8_t>(forma_), esDoble_};
    }
    // The number of a Compacto of a short form and its double.
    static NumeroExacto DeCompacto(double valor, const Compacto& c) {
        NumeroExacto x(valor);
        x.lo_ = c.bajo;
        x.entero_ = c.entero;
        x.exponente_ = c.exponente;
        x.forma_ = static_cast<Forma>(c.forma);
        x.esDoble_ = c.esDoble;
        return x;
    }
    // Whether the number needs its rational (a long decimal, minutes and
    // seconds), which Compacto leaves out.
    bool EsLargo() const { return forma_ == Forma::Grande; }

private:
    friend struct Exacta;
    enum class Forma : std::uint8_t { Binaria, Decimal, Grande };

    double hi_ = 0;
    double lo_ = 0;
    std::uint64_t entero_ = 0;
    int exponente_ = 0;
    Forma forma_ = Forma::Binaria;
    bool esDoble_ = true;
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
SumaExactaRedondeada SumarDespacio(double constante, std::initializer_list<Termino> terminos);
inline SumaExactaRedondeada Sumar(double constante, std::initializer_list<Termino> terminos) {
    // Terms that are doubles whose running sum stays exact (small integers,
    // halves): the sum of doubles is then the answer, at once.
    double suma = constante;
    bool exacta = true;
    for (const Termino& t : terminos) {
        const double x = t.signo < 0 ? -t.x->Valor() : t.x->Valor();
        const double s = suma + x;
        const double xx = s - suma;
        exacta = exacta && t.x->EsDoble() && (suma - (s - xx)) + (x - xx) == 0;
        suma = s;
    }
    if (exacta && suma - suma == 0) {
        return {suma, 0, suma > 0 ? 1 : (suma < 0 ? -1 : 0)};
    }
    return SumarDespacio(constante, terminos);
}

// b - a sin(B degrees) for B from 0 to 180, in units of b (a relative
// difference), to about 1270 bits before its rounding to double-double: for
// data so close to a tangent that double-double cannot tell the sign.
Doble DiferenciaAlturaPrecisa(const NumeroExacto& a, const NumeroExacto& b, const NumeroExacto& B);

// The exact sum x + y (z - w when signo is -1) as a number of its own.
NumeroExacto SumaExactaDe(const NumeroExacto& x, const NumeroExacto& y, int signo = 1);

// The height a sin(B degrees) that side b falls short of (b < a sin B), in
// the fewest significant digits, ten or more, whose rounded value still lies
// beyond b, so that a sentence never shows the two equal or the other way
// round: "1.000000000000000001" for a = 1.41421356237309505, B = 45, b = 1.
std::string TextoAlturaMayor(const NumeroExacto& a, const NumeroExacto& B, const NumeroExacto& b);

// x / 2, exactly.
NumeroExacto MitadExacta(const NumeroExacto& x);

// The number in decimal with the point: exactly, when its decimal ends within
// `exactas` significant digits ("0.3", "179.9", "1.25E-300"), otherwise
// rounded to `redondeadas` of them.
std::string TextoExacto(const NumeroExacto& x, int exactas = 40, int redondeadas = 15);

}  // namespace pendra
