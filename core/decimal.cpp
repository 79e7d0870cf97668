// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pendra::decimal {

namespace portatil {

namespace {

// printf and strtod follow the C locale's decimal mark, which a windowed
// program may have set to a comma.
std::string_view MarcaLocal() {
    const char* marca = std::localeconv()->decimal_point;
    return marca != nullptr && *marca != '\0' ? marca : ".";
}

// printf into `destino`, with the locale's mark turned back into '.'.
template <typename... Args>
char* Imprimir(char* destino, const char* formato, Args... args) {
    char texto[kLargoMaximo + 16];
    const int n = std::snprintf(texto, sizeof texto, formato, args...);
    const std::string_view escrito(texto, static_cast<std::size_t>(std::max(n, 0)));
    const std::string_view marca = MarcaLocal();
    const std::size_t donde = marca == "." ? std::string_view::npos : escrito.find(marca);
    if (donde == std::string_view::npos) {
        return std::copy(escrito.begin(), escrito.end(), destino);
    }
    destino = std::copy_n(escrito.begin(), donde, destino);
    *destino++ = '.';
    return std::copy(escrito.begin() + static_cast<std::ptrdiff_t>(donde + marca.size()),
                     escrito.end(), destino);
}

// The last mantissa digit of "[-]d.ddde+XX" moved one unit up or down in
// magnitude; false when that would change the number of digits.
bool Vecino(std::string& texto, bool arriba) {
    const std::size_t primera = texto[0] == '-' ? 1 : 0;
    const std::size_t e = texto.find('e');
    for (std::size_t i = e; i-- > primera;) {
        char& c = texto[i];
        if (c == '.') {
            continue;
        }
        if (arriba ? c != '9' : c != '0') {
            c = static_cast<char>(arriba ? c + 1 : c - 1);
            return !(i == primera && c == '0');
        }
        c = arriba ? '0' : '9';
    }
    return false;
}

}  // namespace

double Leer(std::string_view texto) {
    std::string local(texto);
    const std::string_view marca = MarcaLocal();
    if (marca != ".") {
        const std::size_t punto = local.find('.');
        if (punto != std::string::npos) {
            local.replace(punto, 1, marca);
        }
    }
    // strtod rounds correctly and saturates to infinity or zero by itself.
    return std::strtod(local.c_str(), nullptr);
}

char* Cientifica(double x, char* destino) {
    // The digits printf rounds to are the closest of their length. Only next
    // to a power of two, where the gap below is half the gap above, may the
    // closest miss while its neighbour on the other side of x reads back.
    // Whether some text of a length reads back only grows with the length,
    // so the shortest is found by halving; 17 digits always read back.
    const auto conCifras = [x](int precision, std::string& texto) {
        char escrito[kLargoMaximo];
        texto.assign(escrito, Imprimir(escrito, "%.*e", precision, x));
        const double leido = Leer(texto);
        return leido == x || (Vecino(texto, std::fabs(leido) < std::fabs(x)) && Leer(texto) == x);
    };
    // Most computed values need 16 or 17 digits: 16 is tried first.
    std::string texto;
    std::string hallado;
    int desde = 0;
    int hasta = 15;
    if (!conCifras(hasta, hallado)) {
        conCifras(16, hallado);
        return std::copy(hallado.begin(), hallado.end(), destino);
    }
    while (desde < hasta) {
        const int medio = (desde + hasta) / 2;
        if (conCifras(medio, texto)) {
            hasta = medio;
            hallado = texto;
        } else {
            desde = medio + 1;
        }
    }
    return std::copy(hallado.begin(), hallado.end(), destino);
}

char* General(double x, int cifras, char* destino) {
    return Imprimir(destino, "%.*g", cifras, x);
}

}  // namespace portatil

namespace {

// Words of digits go to memory with one copy where the machine stores a
// word's lowest byte first; elsewhere (big-endian machines) byte by byte, in
// an order that holds whatever the machine's. std::endian, not the compiler's
// byte-order macros, which some compilers do not define. A test build forces
// the byte-by-byte stores on this machine, as a big-endian one takes them.
#if defined(PENDRA_DECIMAL_BYTES_SUELTOS)
constexpr bool kMenorPrimero = false;
#else
constexpr bool kMenorPrimero = std::endian::native == std::endian::little;
#endif

// The eight bytes of `bytes` at `destino`, its lowest byte first.
void GuardarPalabra(std::uint64_t bytes, char* destino) {
    if constexpr (kMenorPrimero) {
        std::memcpy(destino, &bytes, 8);
    } else {
        for (int i = 0; i < 8; ++i) {
            destino[i] = static_cast<char>(bytes >> (8 * i));
        }
    }
}

// The eight digits of n < 10^8, zeros in front, as the bytes of a word, the
// first digit in its lowest byte: the halves of four digits, their pairs and
// the pairs' digits each split in all lanes at once by multiplying with
// reciprocals exact over a lane's values (10486 / 2^20 for 100 below 10^4,
// 103 / 2^10 for 10 below 100), no lane's product reaching the next.
std::uint64_t OchoCifras(std::uint32_t n) {
    const std::uint32_t alta = n / 10000;
    std::uint64_t x = alta | (static_cast<std::uint64_t>(n - alta * 10000) << 32);
    const std::uint64_t pares = ((x * 10486) >> 20) & 0x0000007F0000007FU;
    x = pares | ((x - pares * 100) << 16);
    const std::uint64_t decenas = ((x * 103) >> 10) & 0x000F000F000F000FU;
    x = decenas | ((x - decenas * 10) << 8);
    return x | 0x3030303030303030U;
}

// The last `cifras` (0 to 8) of a block's eight digits at `destino`, and
// 8 - `cifras` bytes of no meaning after them.
void Guardar(std::uint64_t bytes, int cifras, char* destino) {
    // With no digits the whole block goes in, for the next one to cover.
    GuardarPalabra(bytes >> ((8 * (8 - cifras)) & 63), destino);
}

// Trailing zeros moved from the digits into the exponent, in blocks of 16,
// 8, 4, 2 and 1.
Digitos SinCerosFinales(Digitos d) {
    if (d.digitos % 10 != 0) {
        return d;  // most computed values
    }
    // n is a multiple of 10^C exactly when n times the inverse of 5^C modulo
    // 2^64, rotated C bits right, is at most (2^64 - 1) / 10^C, and that is
    // then the quotient: a product and a rotation, where a division by a
    // constant takes two products, and the five steps wait on each other.
    const auto bloque = [&d]<int C>(std::integral_constant<int, C>) {
        constexpr std::uint64_t kBloque = kPotenciasDeDiez[C];
        constexpr std::uint64_t kCinco = kBloque >> C;
        constexpr std::uint64_t kInverso = [] {
            std::uint64_t x = kCinco;  // right to 3 bits; each step doubles them
            for (int k = 0; k < 5; ++k) {
                x *= 2 - kCinco * x;
            }
            return x;
        }();
        static_assert(kCinco * kInverso == 1);
        const std::uint64_t cociente = std::rotr(d.digitos * kInverso, C);
        const std::uint64_t exacto = 0 - static_cast<std::uint64_t>(cociente <= ~0ULL / kBloque);
        d.digitos = (cociente & exacto) | (d.digitos & ~exacto);
        d.exponente += static_cast<int>(exacto & C);
    };
    bloque(std::integral_constant<int, 16>{});
    bloque(std::integral_constant<int, 8>{});
    bloque(std::integral_constant<int, 4>{});
    bloque(std::integral_constant<int, 2>{});
    bloque(std::integral_constant<int, 1>{});
    return d;
}

// The library's writers, for what the exact digits below leave out.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

char* CientificaDeBiblioteca(double x, char* destino) {
    return std::to_chars(destino, destino + kLargoMaximo, x, std::chars_format::scientific).ptr;
}

char* GeneralDeBiblioteca(double x, int cifras, char* destino) {
    return std::to_chars(destino, destino + kLargoMaximo, x, std::chars_format::general, cifras)
        .ptr;
}

#else

char* CientificaDeBiblioteca(double x, char* destino) {
    return portatil::Cientifica(x, destino);
}
char* GeneralDeBiblioteca(double x, int cifras, char* destino) {
    return portatil::General(x, cifras, destino);
}

#endif

// Every double from 1e-13 to 1e17 (all a triangle's measures and properties
// but the extreme ones) gets its digits from exact 128-bit integer
// arithmetic, the same bytes on every platform. Measured with pendra-bench
// --benchmark_filter=Numeros (GCC 12, libstdc++, x86-64, three runs): a
// computed value's JSON text, digits and layout, takes 0.5 to 0.6 of the
// processor time std::to_chars takes for its shortest text, a typed value's
// (a few digits) 0.75 to 0.9. The scaled values below stay under 2^127 there; outside,
// and where the compiler has no 128-bit integer, the library writes.
#if defined(__SIZEOF_INT128__)

// __extension__: the pedantic build knows the type is not standard.
__extension__ typedef unsigned __int128 U128;

constexpr double kDesde = 1e-13;
constexpr double kHasta = 1e17;
constexpr int kMaximaEscala = 31;  // 5^31 < 2^72, times a 55-bit integer

constexpr auto kPotenciasDeCinco = [] {
    std::array<U128, kMaximaEscala + 1> p{};
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k) {
        p[k] = p[k - 1] * 5;
    }
    return p;
}();

// floor(log10(2^n)), exact for |n| up to well over a thousand.
constexpr int Log10DePotenciaDeDos(int n) {
    return (n * 78913) >> 18;
}

// A normal double as m × 2^e, m with its hidden bit.
struct Binario {
    std::uint64_t m;
    int e;
};

Binario Descomponer(double x) {
    // The builtin: the page's C++ library has no std::bit_cast.
    const auto bits = __builtin_bit_cast(std::uint64_t, x);
    constexpr std::uint64_t kOculto = std::uint64_t{1} << 52;
    return {(bits & (kOculto - 1)) | kOculto, static_cast<int>(bits >> 52) - 1075};
}

// floor(v × 10^q × 2^e) and what the floor cut off: `resto` / 2^`corte`.
struct Escalado {
    std::uint64_t entero = 0;
    U128 resto = 0;
    int corte = 0;
};

Escalado Escalar(std::uint64_t v, int q, int e) {
    const U128 producto = v * kPotenciasDeCinco[static_cast<std::size_t>(q)];
    const int doses = e + q;
    if (doses >= 0) {
        return {static_cast<std::uint64_t>(producto << doses), 0, 0};
    }
    const int corte = -doses;
    return {static_cast<std::uint64_t>(producto >> corte), producto & ((U128{1} << corte) - 1),
            corte};
}

// The shortest digits where x's neighbours are equally far (m not a power of
// two), 5^k fits in 64 bits and the scale's unit 2^S in 61 bits. At the
// scale 10^k that makes the gap between neighbours 1 to 10 units, the halfway
// points hold at most one multiple of ten: the answer is that multiple, or
// else the integer next to x that lies between them, the closer one where
// both do. Same digits as the general walk below, found without it. In the
// unit 2^-S of the scale x is the integer 2m 5^k, its halfway points lie 5^k
// either side, and every distance compared below is under 10 · 2^60, so only
// the one product needs 128 bits; the answer is picked by arithmetic rather
// than branches, as which candidate wins is as good as random from one number
// to the next.
Digitos CortoEntreVecinos(std::uint64_t m, int e) {
    const int k = -Log10DePotenciaDeDos(e);
    const int S = 1 - e - k;
    if (k < 0 || k > 27 || S < 1 || S > 60) {
        return {};
    }
    const auto medio = static_cast<std::uint64_t>(kPotenciasDeCinco[static_cast<std::size_t>(k)]);
    const U128 x = static_cast<U128>(2 * m) * medio;
    const std::uint64_t unidad = std::uint64_t{1} << S;
    const auto s = static_cast<std::uint64_t>(x >> S);
    const std::uint64_t f = static_cast<std::uint64_t>(x) & (unidad - 1);
    // Reading rounds ties to even: with m even the halfway points read as x.
    // Flags are 0 or 1 and combined with bit operations: a branch on any of
    // them would be mispredicted half the time.
    const std::uint64_t limite = medio + ((m & 1) ^ 1);
    const auto dentro = [limite](std::uint64_t distancia) {
        return static_cast<std::uint64_t>(distancia < limite);
    };
    const std::uint64_t decenas = s / 10;
    const std::uint64_t r = s - 10 * decenas;
    const std::uint64_t decenaDentro = dentro(r * unidad + f);
    const std::uint64_t decena = decenaDentro | dentro((10 - r) * unidad - f);
    // Closer to s + 1 past the half unit; a tie goes to the even one.
    const std::uint64_t mitad = unidad / 2;
    const std::uint64_t arriba =
        static_cast<std::uint64_t>(f > mitad) | (static_cast<std::uint64_t>(f == mitad) & s);
    const std::uint64_t subir = dentro(unidad - f) & ((dentro(f) ^ 1) | (arriba & 1));
    const std::uint64_t cercano = s + subir;
    const std::uint64_t multiplo = decenas + (decenaDentro ^ 1);
    const std::uint64_t elegir = 0 - decena;
    return SinCerosFinales(
        {cercano ^ ((cercano ^ multiplo) & elegir), -k + static_cast<int>(decena)});
}

// The shortest digits between the two halfway points to x's neighbours
// (those points included when x's last bit is even, as reading rounds to
// even), rounded to nearest, ties to even: the digits the standard library's
// shortest writer gives. The bounds start with 17 to 19 digits, at least one
// more than any double needs, and lose a digit while they stay apart.
// Apart from CortoExacto, which it would load with registers to save on
// every call: powers of two and the far ends of the range are few.
[[gnu::noinline]] Digitos CortoPorBloques(std::uint64_t m, int e) {
    const bool potencia = m == (std::uint64_t{1} << 52);
    const bool par = m % 2 == 0;
    const std::uint64_t abajo = potencia ? 1 : 2;
    const int q = 17 - Log10DePotenciaDeDos(e + 52);
    const Escalado valor = Escalar(4 * m, q, e - 2);
    const Escalado alto = Escalar(4 * m + 2, q, e - 2);
    const Escalado bajo = Escalar(4 * m - abajo, q, e - 2);
    std::uint64_t vr = valor.entero;
    std::uint64_t vp = alto.entero - (!par && alto.resto == 0 ? 1 : 0);
    std::uint64_t vm = bajo.entero;
    bool bajoExacto = par && bajo.resto == 0;
    // The first digit cut from the value, and whether any after it is not 0.
    int ultima = 0;
    bool restoCero = true;
    if (valor.corte > 0) {
        const U128 diez = valor.resto * 10;
        ultima = static_cast<int>(diez >> valor.corte);
        restoCero = (diez & ((U128{1} << valor.corte) - 1)) == 0;
    }
    // Digits go in blocks of 16, 8, 4, 2 and 1, the divisors known to the
    // compiler: bounds that still differ with k digits cut also differ with
    // fewer, so the blocks cut as many as going one at a time would.
    int quitadas = 0;
    const auto quitar = [&]<int C>(std::integral_constant<int, C>) {
        constexpr std::uint64_t kBloque = kPotenciasDeDiez[C];
        constexpr std::uint64_t kUltima = kPotenciasDeDiez[C - 1];
        const std::uint64_t cortado = vr % kBloque;
        restoCero = restoCero && ultima == 0 && cortado % kUltima == 0;
        ultima = static_cast<int>(cortado / kUltima);
        vr /= kBloque;
        vp /= kBloque;
        vm /= kBloque;
        quitadas += C;
    };
    const auto separadas = [&]<int C>(std::integral_constant<int, C> c) {
        constexpr std::uint64_t kBloque = kPotenciasDeDiez[C];
        if (vp / kBloque > vm / kBloque) {
            bajoExacto = bajoExacto && vm % kBloque == 0;
            quitar(c);
        }
    };
    separadas(std::integral_constant<int, 16>{});
    separadas(std::integral_constant<int, 8>{});
    separadas(std::integral_constant<int, 4>{});
    separadas(std::integral_constant<int, 2>{});
    separadas(std::integral_constant<int, 1>{});
    // An exact, admitted lower bound may allow still fewer digits.
    if (bajoExacto) {
        const auto ceros = [&]<int C>(std::integral_constant<int, C> c) {
            constexpr std::uint64_t kBloque = kPotenciasDeDiez[C];
            if (vm % kBloque == 0) {
                quitar(c);
            }
        };
        ceros(std::integral_constant<int, 16>{});
        ceros(std::integral_constant<int, 8>{});
        ceros(std::integral_constant<int, 4>{});
        ceros(std::integral_constant<int, 2>{});
        ceros(std::integral_constant<int, 1>{});
    }
    if (restoCero && ultima == 5 && vr % 2 == 0) {
        ultima = 4;  // exactly halfway: to even
    }
    const bool subir = (vr == vm && !bajoExacto) || ultima >= 5;
    return {vr + (subir ? 1 : 0), quitadas - q};
}

Digitos CortoExacto(double x) {
    if (!(x >= kDesde && x < kHasta)) {
        return {};
    }
    const auto [m, e] = Descomponer(x);
    // Where m is a power of two the neighbour below is half as far.
    if (m != (std::uint64_t{1} << 52)) {
        if (const Digitos d = CortoEntreVecinos(m, e); d.digitos != 0) {
            return d;
        }
    }
    return CortoPorBloques(m, e);
}

// x rounded to `cifras` significant digits, ties to even, as printf rounds.
Digitos RedondeadoExacto(double x, int cifras) {
    if (!(x >= kDesde && x < kHasta) || cifras < 1 || cifras > 17) {
        return {};
    }
    const auto [m, e] = Descomponer(x);
    // 10^k <= 2^(e + 52) <= x < 10^(k + 2): n has `cifras` digits or one more.
    int q = cifras - 1 - Log10DePotenciaDeDos(e + 52);
    if (q < 0 || q > kMaximaEscala) {
        return {};
    }
    const Escalado escalado = Escalar(m, q, e);
    std::uint64_t n = escalado.entero;
    const std::uint64_t tope = kPotenciasDeDiez[static_cast<std::size_t>(cifras)];
    bool subir = false;
    if (n >= tope) {
        const auto cortada = n % 10;
        n /= 10;
        --q;
        subir = cortada > 5 || (cortada == 5 && (escalado.resto != 0 || n % 2 == 1));
    } else if (escalado.corte > 0) {
        const U128 mitad = U128{1} << (escalado.corte - 1);
        subir = escalado.resto > mitad || (escalado.resto == mitad && n % 2 == 1);
    }
    n += subir ? 1 : 0;
    if (n == tope) {  // 9.99… rounded up to 10.0…
        n /= 10;
        --q;
    }
    return {n, -q};
}

#else

Digitos CortoExacto(double) {
    return {};
}
Digitos RedondeadoExacto(double, int) {
    return {};
}

#endif

// "d.ddde+XX" from the digits, trailing zeros dropped, as printf's %e and
// to_chars write: at least two exponent digits.
char* EscribirCientifica(Digitos d, char* destino) {
    d = SinCerosFinales(d);
    char cifras[20] = {};
    char* fin = EscribirCifras(d.digitos, cifras);
    const auto n = static_cast<int>(fin - cifras);
    *destino++ = cifras[0];
    if (n > 1) {
        *destino++ = '.';
        destino = std::copy(cifras + 1, fin, destino);
    }
    const int exponente = d.exponente + n - 1;
    *destino++ = 'e';
    *destino++ = exponente < 0 ? '-' : '+';
    if (std::abs(exponente) < 10) {
        *destino++ = '0';
    }
    return std::to_chars(destino, destino + 4, std::abs(exponente)).ptr;
}

// printf's %.*g from digits already rounded to `cifras`: the exponent form
// below 1e-4 and from 10^cifras on, trailing zeros dropped.
char* EscribirGeneral(Digitos d, int cifras, char* destino) {
    d = SinCerosFinales(d);
    char texto[20];
    char* fin = EscribirCifras(d.digitos, texto);
    const auto n = static_cast<int>(fin - texto);
    const int exponente = d.exponente + n - 1;
    if (exponente < -4 || exponente >= cifras) {
        return EscribirCientifica(d, destino);
    }
    if (exponente < 0) {
        *destino++ = '0';
        *destino++ = '.';
        destino = std::fill_n(destino, -exponente - 1, '0');
        return std::copy(texto, fin, destino);
    }
    const int enteras = exponente + 1;
    if (n <= enteras) {
        destino = std::copy(texto, fin, destino);
        return std::fill_n(destino, enteras - n, '0');
    }
    destino = std::copy(texto, texto + enteras, destino);
    *destino++ = '.';
    return std::copy(texto + enteras, fin, destino);
}

// The digits of "d.ddde±XX".
[[gnu::noinline]] Digitos LeerCientifica(const char* texto, const char* fin) {
    Digitos d;
    const char* c = texto;
    int decimales = 0;
    bool punto = false;
    for (; c != fin && *c != 'e'; ++c) {
        if (*c == '.') {
            punto = true;
        } else {
            d.digitos = d.digitos * 10 + static_cast<std::uint64_t>(*c - '0');
            decimales += punto ? 1 : 0;
        }
    }
    int exponente = 0;
    if (c != fin) {
        ++c;
        std::from_chars(c + (*c == '+' ? 1 : 0), fin, exponente);
    }
    d.exponente = exponente - decimales;
    return d;
}

}  // namespace

namespace {

// The digits in three blocks of eight, the first ones as long as they need
// to be (none, for short numbers), each stored over the meaningless bytes of
// the one before. No branch on the length: 16 and 17 digits come about
// equally often.
char* EscribirCifrasPorBloques(std::uint64_t n, char* destino) {
    constexpr std::uint64_t kOcho = 100000000;
    const int cifras = CuantasCifras(n);
    const std::uint64_t altas = n / kOcho;
    // max(x, 0) by the sign's mask: the compiler turns std::max into a branch.
    const auto noNegativo = [](int x) { return x & ~(x >> 31); };
    const int enPrimeras = noNegativo(cifras - 16);
    const int enMedias = noNegativo(cifras - 8) - enPrimeras;
    const int enUltimas = cifras - enPrimeras - enMedias;
    Guardar(OchoCifras(static_cast<std::uint32_t>(altas / kOcho)), enPrimeras, destino);
    destino += enPrimeras;
    Guardar(OchoCifras(static_cast<std::uint32_t>(altas % kOcho)), enMedias, destino);
    destino += enMedias;
    Guardar(OchoCifras(static_cast<std::uint32_t>(n % kOcho)), enUltimas, destino);
    return destino + enUltimas;
}

// The digits one place on, then the integer ones moved back before the point.
char* ConPuntoMovido(std::uint64_t n, int enteras, char* destino) {
    char* fin = EscribirCifrasPorBloques(n, destino + 1);
    std::memmove(destino, destino + 1, static_cast<std::size_t>(enteras));
    destino[enteras] = '.';
    return fin;
}

}  // namespace

// Sixteen digits in one 128-bit word where the compiler has the type and a
// word's lowest byte is stored first; three words of eight elsewhere, where
// the word's functions are compiled all the same, and left unused.
#if defined(__SIZEOF_INT128__)

namespace {

__extension__ typedef unsigned __int128 Bytes16;

// The sixteen digits of n < 10^16, zeros in front, as the bytes of a 128-bit
// word, the first digit in its lowest byte. With SSE2 the two halves of eight go
// through the steps of OchoCifras in the lanes of one register: blocks of
// four by (v · 109951163) >> 40, exact below 10^8, pairs by (v · 5243) >> 19,
// exact below 10^4, and digits by (v · 6554) >> 16, exact below 100.
Bytes16 DieciseisCifras(std::uint64_t n) {
    constexpr std::uint64_t kOcho = 100000000;
    const std::uint64_t altas = n / kOcho;
    const std::uint64_t bajas = n - altas * kOcho;
#if defined(__SSE2__)
    __m128i v = _mm_set_epi64x(static_cast<long long>(bajas), static_cast<long long>(altas));
    const __m128i cuatro = _mm_srli_epi64(_mm_mul_epu32(v, _mm_set1_epi64x(109951163)), 40);
    v = _mm_or_si128(
        cuatro,
        _mm_slli_epi64(_mm_sub_epi32(v, _mm_mul_epu32(cuatro, _mm_set1_epi64x(10000))), 32));
    const __m128i pares = _mm_srli_epi16(_mm_mulhi_epu16(v, _mm_set1_epi32(5243)), 3);
    v = _mm_or_si128(
        pares, _mm_slli_epi32(_mm_sub_epi16(v, _mm_mullo_epi16(pares, _mm_set1_epi32(100))), 16));
    const __m128i decenas = _mm_mulhi_epu16(v, _mm_set1_epi16(6554));
    v = _mm_or_si128(
        decenas, _mm_slli_epi16(_mm_sub_epi16(v, _mm_mullo_epi16(decenas, _mm_set1_epi16(10))), 8));
    v = _mm_add_epi8(v, _mm_set1_epi8('0'));
    // The halves through registers: a copy through memory would wait on the store.
    const auto bajo = static_cast<std::uint64_t>(_mm_cvtsi128_si64(v));
    const auto alto = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(v, v)));
    return bajo | static_cast<Bytes16>(alto) << 64;
#else
    return OchoCifras(static_cast<std::uint32_t>(altas)) |
           static_cast<Bytes16>(OchoCifras(static_cast<std::uint32_t>(bajas))) << 64;
#endif
}

// The last sixteen digits in one word, shifted so that the first of them
// that counts comes first, after at most four before them (a 64-bit n has
// up to twenty). One store each, no branch on the length: 16 and 17 digits
// come about equally often.
[[maybe_unused]] char* EscribirCifrasEnDieciseis(std::uint64_t n, char* destino) {
    constexpr std::uint64_t kDieciseis = 10000000000000000;
    const int cifras = CuantasCifras(n);
    const std::uint64_t primeras = n / kDieciseis;
    const int enPrimeras = cifras > 16 ? cifras - 16 : 0;
    if (enPrimeras > 1) {
        Guardar(OchoCifras(static_cast<std::uint32_t>(primeras)), enPrimeras, destino);
    } else {
        *destino = static_cast<char>('0' + primeras);  // covered below if there is none
    }
    destino += enPrimeras;
    const int enUltimas = cifras - enPrimeras;
    const Bytes16 ultimas = DieciseisCifras(n - primeras * kDieciseis) >> (8 * (16 - enUltimas));
    std::memcpy(destino, &ultimas, sizeof ultimas);
    return destino + enUltimas;
}

// The word of digits stored once, and its part after the point stored again
// one place on: stores only, none read back.
[[maybe_unused]] char* ConPuntoEnDieciseis(std::uint64_t n, int cifras, int enteras,
                                           char* destino) {
    constexpr std::uint64_t kDieciseis = 10000000000000000;
    const std::uint64_t primera = n / kDieciseis;  // 0, or the first of 17
    const int enPrimera = cifras > 16 ? 1 : 0;
    *destino = static_cast<char>('0' + primera);
    const int enUltimas = cifras - enPrimera;
    const Bytes16 ultimas = DieciseisCifras(n - primera * kDieciseis) >> (8 * (16 - enUltimas));
    std::memcpy(destino + enPrimera, &ultimas, sizeof ultimas);
    destino[enteras] = '.';
    const Bytes16 decimales = ultimas >> (8 * (enteras - enPrimera));
    std::memcpy(destino + enteras + 1, &decimales, sizeof decimales);
    return destino + cifras + 1;
}

}  // namespace

#endif

char* EscribirCifras(std::uint64_t n, char* destino) {
#if defined(__SIZEOF_INT128__)
    if constexpr (kMenorPrimero) {
        return EscribirCifrasEnDieciseis(n, destino);
    }
#endif
    return EscribirCifrasPorBloques(n, destino);
}

char* EscribirCifrasConPunto(std::uint64_t n, int cifras, int enteras, char* destino) {
#if defined(__SIZEOF_INT128__)
    if constexpr (kMenorPrimero) {
        return ConPuntoEnDieciseis(n, cifras, enteras, destino);
    }
#endif
    (void)cifras;
    return ConPuntoMovido(n, enteras, destino);
}

namespace {
// Apart from Corto, so that the common path sets up no buffer on the stack.
[[gnu::noinline]] Digitos CortoDeBiblioteca(double x) {
    char texto[kLargoMaximo];
    return LeerCientifica(texto, CientificaDeBiblioteca(x, texto));
}
}  // namespace

Digitos Redondeado(double x, int cifras) {
    return RedondeadoExacto(x, cifras);
}

Digitos Corto(double x) {
    const Digitos d = CortoExacto(x);
    return d.digitos != 0 ? d : CortoDeBiblioteca(x);
}

char* Cientifica(double x, char* destino) {
    if (const Digitos d = CortoExacto(std::fabs(x)); d.digitos != 0) {
        if (x < 0) {
            *destino++ = '-';
        }
        return EscribirCientifica(d, destino);
    }
    return CientificaDeBiblioteca(x, destino);
}

char* General(double x, int cifras, char* destino) {
    if (const Digitos d = RedondeadoExacto(std::fabs(x), cifras); d.digitos != 0) {
        if (x < 0) {
            *destino++ = '-';
        }
        return EscribirGeneral(d, cifras, destino);
    }
    return GeneralDeBiblioteca(x, cifras, destino);
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

double Leer(std::string_view texto) {
    double valor = 0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    (void)fin;
    // from_chars leaves the value alone when it is out of range; strtod says
    // which way it went.
    return error == std::errc::result_out_of_range ? portatil::Leer(texto) : valor;
}

#else

double Leer(std::string_view texto) {
    return portatil::Leer(texto);
}

#endif

}  // namespace pendra::decimal
