// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exacto.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "enorme.h"

namespace pendra {

namespace mp = boost::multiprecision;
using Racional = mp::cpp_rational;
using Entero = mp::cpp_int;

struct RacionalGrande {
    Racional q;
};

namespace {

// 10^k for 0 <= k <= 22: exact doubles.
constexpr std::array<double, 23> kPotencias = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Beyond 10^44 a decimal is kept as a rational.
constexpr int kExponenteDoble = 44;

// Whether entero x 10^exponente is a double: an integer below 2^53, or one
// whose quotient by 5^k (k = -exponente) is, over 2^k.
bool EsDobleExacto(std::uint64_t entero, int exponente) {
    constexpr std::uint64_t kMaximo = std::uint64_t{1} << 53;
    if (exponente >= 0) {
        for (int k = 0; k < exponente && entero <= kMaximo; ++k) {
            entero *= 10;
        }
        return entero <= kMaximo;
    }
    for (int k = 0; k < -exponente; ++k) {
        if (entero % 5 != 0) {
            return false;
        }
        entero /= 5;
    }
    return entero <= kMaximo;
}

// 10^k, 0 <= k <= 44, exactly as a double-double.
Doble PotenciaDeDiez(int k) {
    if (k <= 22) {
        return {kPotencias[static_cast<std::size_t>(k)], 0};
    }
    return ProductoExacto(kPotencias[22], kPotencias[static_cast<std::size_t>(k - 22)]);
}

Entero PotenciaEntera(unsigned base, std::int64_t k) {
    return mp::pow(Entero(base), static_cast<unsigned>(k));
}

Racional PorPotenciaDeDiez(Entero n, std::int64_t exponente) {
    if (exponente >= 0) {
        return Racional(n * PotenciaEntera(10, exponente));
    }
    return Racional(n, PotenciaEntera(10, -exponente));
}

// The rational value of a finite double.
Racional DeDoble(double x) {
    if (x == 0) {
        return 0;
    }
    int e = 0;
    const double m = std::frexp(x, &e);
    // m has at most 53 significant bits.
    const auto entero = static_cast<std::int64_t>(std::ldexp(m, 53));
    e -= 53;
    Racional q(entero);
    if (e >= 0) {
        q *= Racional(Entero(1) << e);
    } else {
        q /= Racional(Entero(1) << -e);
    }
    return q;
}

// The correctly rounded double of q, ties to even; infinite beyond range.
double Redondear(const Racional& q) {
    if (q == 0) {
        return 0;
    }
    const bool negativo = q < 0;
    const Entero num = mp::abs(mp::numerator(q));
    const Entero den = mp::denominator(q);
    const auto t = static_cast<long>(mp::msb(num)) - static_cast<long>(mp::msb(den));
    if (t > 1100) {
        return negativo ? -HUGE_VAL : HUGE_VAL;
    }
    if (t < -1200) {
        return negativo ? -0.0 : 0.0;
    }
    // The value lies in [2^(t-1), 2^(t+1)): its last kept bit has weight 2^L.
    long L = std::max(t - 53, -1074L);
    Entero cociente;
    Entero resto;
    for (;;) {
        Entero n = num;
        Entero d = den;
        if (L >= 0) {
            d <<= static_cast<unsigned>(L);
        } else {
            n <<= static_cast<unsigned>(-L);
        }
        mp::divide_qr(n, d, cociente, resto);
        if (cociente >= (Entero(1) << 53) && L > -1074) {
            ++L;  // one bit too many
            continue;
        }
        // Half the last unit against the remainder.
        const Entero doble = resto * 2;
        const int mitad = doble > d ? 1 : (doble == d ? 0 : -1);
        if (mitad > 0 || (mitad == 0 && mp::bit_test(cociente, 0))) {
            ++cociente;
        }
        break;
    }
    const double r = std::ldexp(cociente.convert_to<double>(), static_cast<int>(L));
    return negativo ? -r : r;
}

}  // namespace

// Access to the forms, for this file only.
struct Exacta {
    static Racional Valor(const NumeroExacto& x) {
        switch (x.forma_) {
            case NumeroExacto::Forma::Binaria:
                return DeDoble(x.hi_);
            case NumeroExacto::Forma::Decimal:
                return PorPotenciaDeDiez(Entero(x.entero_), x.exponente_);
            case NumeroExacto::Forma::Grande:
                return x.grande_->q;
        }
        return 0;
    }

    static NumeroExacto Grande(Racional q) {
        NumeroExacto x;
        x.hi_ = Redondear(q);
        if (std::isfinite(x.hi_)) {
            x.lo_ = Redondear(q - DeDoble(x.hi_));
        }
        x.forma_ = NumeroExacto::Forma::Grande;
        x.esDoble_ = false;
        x.grande_ = std::make_shared<const RacionalGrande>(RacionalGrande{std::move(q)});
        return x;
    }

    static NumeroExacto Decimal(std::uint64_t entero, int exponente, double valor) {
        if (std::abs(exponente) > kExponenteDoble) {
            return Grande(PorPotenciaDeDiez(Entero(entero), exponente));
        }
        NumeroExacto x;
        x.hi_ = valor;
        x.forma_ = NumeroExacto::Forma::Decimal;
        x.entero_ = entero;
        x.exponente_ = exponente;
        x.esDoble_ = EsDobleExacto(entero, exponente);
        if (x.esDoble_) {
            return x;
        }
        if (entero <= (std::uint64_t{1} << 53) && std::abs(exponente) <= 22) {
            // Both factors are doubles: the remainder of the product or
            // quotient is exact, and rounds once.
            const double n = static_cast<double>(entero);
            const double p = kPotencias[static_cast<std::size_t>(std::abs(exponente))];
            x.lo_ = exponente >= 0 ? ErrorProducto(n, p, valor) : Residuo(n, valor, p) / p;
            return x;
        }
        // The remainder in double-double: within 2^-100 of the value, which is
        // all the quick sums need of it.
        const double alto = static_cast<double>(entero);
        const auto altoEntero = static_cast<std::uint64_t>(alto);
        const double bajo = altoEntero >= entero ? -static_cast<double>(altoEntero - entero)
                                                 : static_cast<double>(entero - altoEntero);
        const Doble e = SumaRapida(alto, bajo);
        const Doble p = PotenciaDeDiez(std::abs(exponente));
        const Doble exacto = exponente >= 0 ? e * p : e / p;
        const Doble resto = exacto - Doble{valor, 0};
        x.lo_ = resto.hi + resto.lo;
        return x;
    }
};

NumeroExacto NumeroExacto::Decimal(std::uint64_t entero, int exponente) {
    // Exactly rounded where both factors are exact doubles; otherwise from
    // the rational.
    if (entero <= (std::uint64_t{1} << 53) && std::abs(exponente) <= 22) {
        const double n = static_cast<double>(entero);
        const double p = kPotencias[static_cast<std::size_t>(std::abs(exponente))];
        return Exacta::Decimal(entero, exponente, exponente >= 0 ? n * p : n / p);
    }
    return Exacta::Grande(PorPotenciaDeDiez(Entero(entero), exponente));
}

NumeroExacto NumeroExacto::Decimal(std::uint64_t entero, int exponente, double valor) {
    return Exacta::Decimal(entero, exponente, valor);
}

NumeroExacto NumeroExacto::Cifras(std::string_view cifras, std::int64_t exponente, double valor) {
    // Short digits stay a decimal of one integer.
    const std::int64_t e = exponente - static_cast<std::int64_t>(cifras.size());
    if (cifras.size() <= 19) {
        std::uint64_t n = 0;
        for (const char c : cifras) {
            n = n * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (e >= -kExponenteDoble && e <= kExponenteDoble) {
            return Exacta::Decimal(n, static_cast<int>(e), valor);
        }
        return Exacta::Grande(PorPotenciaDeDiez(Entero(n), e));
    }
    return Exacta::Grande(PorPotenciaDeDiez(Entero(std::string(cifras)), e));
}

NumeroExacto NumeroExacto::Sexagesimal(const NumeroExacto& grados, const NumeroExacto& minutos,
                                       const NumeroExacto& segundos) {
    if (minutos.EsCero() && segundos.EsCero()) {
        return grados;
    }
    return Exacta::Grande(Exacta::Valor(grados) + Exacta::Valor(minutos) / 60 +
                          Exacta::Valor(segundos) / 3600);
}

SumaExactaRedondeada SumarDespacio(double constante, std::initializer_list<Termino> terminos) {
    // The quick sum: the doubles added with their errors kept (two-sum), the
    // remainders beside them; every remainder is within 2^-100 of its
    // term, so the sum lies within 2^-97 of the sum of the magnitudes.
    double alto = constante;
    double errores = 0;
    double magnitud = std::fabs(constante);
    // The least magnitude of a term: every term being a double, their sum is
    // a multiple of its last place.
    double menor = constante == 0 ? HUGE_VAL : std::fabs(constante);
    bool rapida = true;
    bool dobles = true;
    for (const Termino& t : terminos) {
        const double x = t.signo < 0 ? -t.x->Valor() : t.x->Valor();
        const double n = alto + x;
        const double xx = n - alto;
        errores += ((alto - (n - xx)) + (x - xx)) + (t.signo < 0 ? -t.x->Bajo() : t.x->Bajo());
        alto = n;
        const double v = std::fabs(x);
        magnitud += v;
        rapida = rapida && (v == 0 || v > 0x1p-900);
        dobles = dobles && t.x->EsDoble();
        menor = v == 0 ? menor : std::min(menor, v);
    }
    const Doble suma = SumaExacta(alto, errores);
    if (rapida && magnitud < 0x1p900 && suma.hi == 0 && dobles &&
        magnitud * 0x1p-97 < menor * 0x1p-54) {
        return {0, 0, 0};
    }
    if (rapida && magnitud < 0x1p900 && suma.hi != 0) {
        const double cota = magnitud * 0x1p-97;
        // Half a unit in the last place of suma.hi, on the side the
        // remainder points to (smaller below a power of two); 0 for a
        // subnormal, which the exact sum then decides.
        const double potencia = __builtin_bit_cast(
            double, __builtin_bit_cast(std::uint64_t, std::fabs(suma.hi)) & 0x7FF0000000000000);
        double medio = potencia * 0x1p-53;
        if (std::fabs(suma.hi) == potencia && (suma.lo < 0) != (suma.hi < 0)) {
            medio /= 2;
        }
        if (std::fabs(suma.lo) + cota < medio) {
            return {suma.hi, suma.lo, suma.hi > 0 ? 1 : -1};
        }
    }
    Racional q(DeDoble(constante));
    for (const Termino& t : terminos) {
        const Racional x = Exacta::Valor(*t.x);
        if (t.signo < 0) {
            q -= x;
        } else {
            q += x;
        }
    }
    const double valor = Redondear(q);
    const double bajo = std::isfinite(valor) ? Redondear(q - DeDoble(valor)) : 0;
    return {valor, bajo, q.sign()};
}

namespace {

using mate::Enorme;

Enorme EnEnorme(const NumeroExacto& x) {
    const Racional q = Exacta::Valor(x);
    return Enorme(mp::numerator(q)) / Enorme(mp::denominator(q));
}

// sin(B degrees), 0 <= B <= 180, to about 1270 bits: the series at B or at
// 180 - B, whichever is at most a right angle.
Enorme SenoPreciso(const NumeroExacto& B) {
    const Enorme& pi = mate::PiEnorme();
    Enorme x = EnEnorme(B) * pi / 180;
    if (x > pi / 2) {
        x = pi - x;
    }
    return mate::SenoCosenoSerie(x, false);
}

// The decimal digits of n >= 0, a block of 19 at a time. Boost's own
// conversion goes through lexical_cast and brings the whole stream and
// locale library into the page.
std::string DigitosDe(Entero n) {
    constexpr std::uint64_t kBloque = 10'000'000'000'000'000'000U;  // 10^19
    std::vector<std::uint64_t> bloques;
    Entero cociente;
    Entero resto;
    while (n >= kBloque) {
        mp::divide_qr(n, Entero(kBloque), cociente, resto);
        bloques.push_back(resto.convert_to<std::uint64_t>());
        n = cociente;
    }
    std::string texto = std::to_string(n.convert_to<std::uint64_t>());
    for (auto b = bloques.rbegin(); b != bloques.rend(); ++b) {
        const std::string bloque = std::to_string(*b);
        texto += std::string(19 - bloque.size(), '0') + bloque;
    }
    return texto;
}

struct Redondeo {
    Entero n;
    std::int64_t exponente;
};

// q > 0 rounded half up to `cifras` significant digits: n x 10^exponente.
Redondeo RedondeoDecimal(const Racional& q, int cifras) {
    // The first digit's exponent from the bit lengths, then set right.
    const auto bits = static_cast<std::int64_t>(mp::msb(mp::numerator(q))) -
                      static_cast<std::int64_t>(mp::msb(mp::denominator(q)));
    auto primera = static_cast<std::int64_t>(std::floor(static_cast<double>(bits) * 0.30102999566));
    for (;;) {
        // q / 10^e = num / den, and n = floor(num / den + 1/2).
        const std::int64_t e = primera - cifras + 1;
        Entero num = mp::numerator(q);
        Entero den = mp::denominator(q);
        if (e >= 0) {
            den *= PotenciaEntera(10, e);
        } else {
            num *= PotenciaEntera(10, -e);
        }
        Entero n = (2 * num + den) / (2 * den);
        if (n >= PotenciaEntera(10, cifras)) {
            ++primera;
        } else if (n < PotenciaEntera(10, cifras - 1)) {
            --primera;
        } else {
            return {std::move(n), e};
        }
    }
}

// The number in decimal: exactly when it ends within `exactas` significant
// digits, otherwise rounded to `redondeadas`.
std::string TextoDe(Racional q, int exactas, int redondeadas) {
    if (q == 0) {
        return "0";
    }
    const bool negativo = q < 0;
    q = mp::abs(q);
    // Whether the decimal ends: the denominator holds no prime but 2 and 5.
    Entero den = mp::denominator(q);
    int dos = 0;
    int cinco = 0;
    while (den > 1 && !mp::bit_test(den, 0)) {
        den >>= 1;
        ++dos;
    }
    while (den > 1 && den % 5 == 0) {
        den /= 5;
        ++cinco;
    }
    std::string cifras;
    std::int64_t exponente = 0;  // of the last digit
    if (den == 1) {
        const int k = std::max(dos, cinco);
        const Entero n = mp::numerator(q) * PotenciaEntera(10, k) / mp::denominator(q);
        cifras = DigitosDe(n);
        exponente = -k;
        while (cifras.size() > 1 && cifras.back() == '0') {
            cifras.pop_back();
            ++exponente;
        }
    }
    if (den != 1 || static_cast<int>(cifras.size()) > exactas) {
        const auto [n, e] = RedondeoDecimal(q, redondeadas);
        cifras = DigitosDe(n);
        exponente = e;
        while (cifras.size() > 1 && cifras.back() == '0') {
            cifras.pop_back();
            ++exponente;
        }
    }
    // Position of the point: after `enteras` digits.
    const auto n = static_cast<std::int64_t>(cifras.size());
    const std::int64_t primera = exponente + n - 1;  // exponent of the first digit
    std::string texto = negativo ? "-" : "";
    if (primera >= 21 || primera < -6) {
        texto += cifras.substr(0, 1);
        if (n > 1) {
            texto += "." + cifras.substr(1);
        }
        texto += primera < 0 ? "E-" : "E+";
        const std::string e = std::to_string(primera < 0 ? -primera : primera);
        texto += (e.size() < 2 ? "0" : "") + e;
    } else if (exponente >= 0) {
        texto += cifras + std::string(static_cast<std::size_t>(exponente), '0');
    } else if (primera >= 0) {
        const auto enteras = static_cast<std::size_t>(primera + 1);
        texto += cifras.substr(0, enteras) + "." + cifras.substr(enteras);
    } else {
        texto += "0." + std::string(static_cast<std::size_t>(-primera - 1), '0') + cifras;
    }
    return texto;
}

// The exact value of a binary float.
Racional ValorDe(const Enorme& x) {
    int e = 0;
    const Enorme m = mp::frexp(x, &e);  // in [1/2, 1)
    const Entero n(mp::ldexp(m, std::numeric_limits<Enorme>::digits));
    const std::int64_t potencia = e - std::numeric_limits<Enorme>::digits;
    return potencia >= 0 ? Racional(n << potencia) : Racional(n, Entero(1) << -potencia);
}

}  // namespace

std::string TextoAlturaMayor(const NumeroExacto& a, const NumeroExacto& B, const NumeroExacto& b) {
    const Racional altura = ValorDe(EnEnorme(a) * SenoPreciso(B));
    const Racional lado = Exacta::Valor(b);
    std::string texto;
    for (int cifras = 10; cifras <= 40; ++cifras) {
        const auto [n, e] = RedondeoDecimal(altura, cifras);
        const Racional redondeada = PorPotenciaDeDiez(n, e);
        texto = TextoDe(redondeada, cifras, cifras);
        if (redondeada > lado) {
            break;
        }
    }
    return texto;
}

Doble DiferenciaAlturaPrecisa(const NumeroExacto& a, const NumeroExacto& b, const NumeroExacto& B) {
    const Enorme fa = EnEnorme(a);
    const Enorme fb = EnEnorme(b);
    const Enorme d = (fb - fa * SenoPreciso(B)) / fb;
    const double hi = d.convert_to<double>();
    return {hi, Enorme(d - hi).convert_to<double>()};
}

NumeroExacto SumaExactaDe(const NumeroExacto& x, const NumeroExacto& y, int signo) {
    const Racional a = Exacta::Valor(x);
    const Racional b = Exacta::Valor(y);
    return Exacta::Grande(signo < 0 ? Racional(a - b) : Racional(a + b));
}

NumeroExacto MitadExacta(const NumeroExacto& x) {
    return Exacta::Grande(Exacta::Valor(x) / 2);
}

std::string TextoExacto(const NumeroExacto& x, int exactas, int redondeadas) {
    return TextoDe(Exacta::Valor(x), exactas, redondeadas);
}

}  // namespace pendra
