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

constexpr auto kPotenciasDeDiez = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t k = 1; k < p.size(); ++k) {
        p[k] = p[k - 1] * 10;
    }
    return p;
}();

constexpr auto kPares = [] {
    std::array<char, 200> pares{};
    for (std::size_t i = 0; i < 100; ++i) {
        pares[2 * i] = static_cast<char>('0' + i / 10);
        pares[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pares;
}();

// The digits of n < 10^8 written backwards from `fin`, two at a time.
void CifrasHacia(std::uint32_t n, char* fin) {
    while (n >= 100) {
        fin -= 2;
        std::memcpy(fin, &kPares[2 * (n % 100)], 2);
        n /= 100;
    }
    if (n >= 10) {
        std::memcpy(fin - 2, &kPares[2 * n], 2);
    } else {
        fin[-1] = static_cast<char>('0' + n);
    }
}

// Exactly eight digits of n < 10^8, zeros in front, ending at `fin`. n / 10^6
// as a fixed-point number with 57 fraction bits (the multiplier rounded up,
// whose error stays below the last pair's unit): each pair is its integer
// part, then the fraction times 100 gives the next.
void OchoCifras(std::uint32_t n, char* fin) {
    constexpr int kBits = 57;
    constexpr std::uint64_t kMascara = (std::uint64_t{1} << kBits) - 1;
    constexpr std::uint64_t kMultiplicador = (std::uint64_t{1} << kBits) / 1000000 + 1;
    std::uint64_t f = n * kMultiplicador;
    for (int par = 8; par > 0; par -= 2) {
        std::memcpy(fin - par, &kPares[2 * (f >> kBits)], 2);
        f = (f & kMascara) * 100;
    }
}

// Trailing zeros moved from the digits into the exponent.
Digitos SinCerosFinales(Digitos d) {
    if (d.digitos % 10 != 0) {
        return d;  // most computed values
    }
    const auto bloque = [&d]<int C>(std::integral_constant<int, C>) {
        constexpr std::uint64_t kBloque = kPotenciasDeDiez[C];
        if (d.digitos % kBloque == 0) {
            d.digitos /= kBloque;
            d.exponente += C;
        }
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
// arithmetic: about twice as fast as the library's writers, and the same
// bytes on every platform. The scaled values below stay under 2^127 there;
// outside, the library writes.
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
// two) and 5^k fits in 64 bits. At the scale 10^k that makes the gap between
// neighbours 1 to 10 units, the halfway points hold at most one multiple of
// ten: the answer is that multiple, or else the integer next to x that lies
// between them, the closer one where both do. Same digits as the general
// walk below, found without it. Everything is compared in the unit 2^-S of
// the scale, in which 2x and the halfway points are the integers 2m 5^k and
// (2m ± 1) 5^k; the answer is picked by arithmetic rather than branches, as
// which candidate wins is as good as random from one number to the next.
Digitos CortoEntreVecinos(std::uint64_t m, int e) {
    const int k = -Log10DePotenciaDeDos(e);
    const int S = 1 - e - k;
    if (k < 0 || k > 27 || S < 1) {
        return {};
    }
    const auto cinco = static_cast<std::uint64_t>(kPotenciasDeCinco[static_cast<std::size_t>(k)]);
    const U128 doble = static_cast<U128>(2 * m) * cinco;
    const U128 bajo = doble - cinco;
    const U128 alto = doble + cinco;
    // Reading rounds ties to even: with m even the halfway points read as x.
    const bool par = m % 2 == 0;
    const auto desdeBajo = [&](std::uint64_t c) {
        const U128 u = static_cast<U128>(c) << S;
        return par ? u >= bajo : u > bajo;
    };
    const auto hastaAlto = [&](std::uint64_t c) {
        const U128 u = static_cast<U128>(c) << S;
        return par ? u <= alto : u < alto;
    };
    const auto s = static_cast<std::uint64_t>(doble >> S);
    const std::uint64_t decenas = s / 10;
    const bool decenaDentro = desdeBajo(decenas * 10);
    const bool decena = decenaDentro != hastaAlto(decenas * 10 + 10);
    // Closer to s + 1 when 2x passes 2s + 1; a tie goes to the even one.
    const U128 medio = static_cast<U128>(2 * s + 1) << S;
    const U128 dosX = doble << 1;
    const bool arriba = dosX > medio || (dosX == medio && s % 2 == 1);
    const bool subir = hastaAlto(s + 1) && (!desdeBajo(s) || arriba);
    const std::uint64_t cercano = s + (subir ? 1 : 0);
    const std::uint64_t multiplo = decenas + (decenaDentro ? 0 : 1);
    const std::uint64_t elegir = 0 - static_cast<std::uint64_t>(decena);
    return SinCerosFinales({cercano ^ ((cercano ^ multiplo) & elegir), -k + (decena ? 1 : 0)});
}

// The shortest digits between the two halfway points to x's neighbours
// (those points included when x's last bit is even, as reading rounds to
// even), rounded to nearest, ties to even: the digits the standard library's
// shortest writer gives. The bounds start with 17 to 19 digits, at least one
// more than any double needs, and lose a digit while they stay apart.
Digitos CortoExacto(double x) {
    if (!(x >= kDesde && x < kHasta)) {
        return {};
    }
    const auto [m, e] = Descomponer(x);
    // Where m is a power of two the neighbour below is half as far.
    const bool potencia = m == (std::uint64_t{1} << 52);
    if (!potencia) {
        if (const Digitos d = CortoEntreVecinos(m, e); d.digitos != 0) {
            return d;
        }
    }
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

int CuantasCifras(std::uint64_t n) {
    const int t = (static_cast<int>(std::bit_width(n)) * 1233) >> 12;
    return t + (n >= kPotenciasDeDiez[static_cast<std::size_t>(t)] ? 1 : 0);
}

// The low eight digits in one block each: no chain of divisions runs through
// all of them.
char* EscribirCifras(std::uint64_t n, char* destino) {
    constexpr std::uint64_t kOcho = 100000000;
    char* const fin = destino + CuantasCifras(n);
    char* p = fin;
    if (n >= kOcho) {
        OchoCifras(static_cast<std::uint32_t>(n % kOcho), p);
        n /= kOcho;
        p -= 8;
        if (n >= kOcho) {
            OchoCifras(static_cast<std::uint32_t>(n % kOcho), p);
            n /= kOcho;
            p -= 8;
        }
    }
    CifrasHacia(static_cast<std::uint32_t>(n), p);
    return fin;
}

namespace {
// Apart from Corto, so that the common path sets up no buffer on the stack.
[[gnu::noinline]] Digitos CortoDeBiblioteca(double x) {
    char texto[kLargoMaximo];
    return LeerCientifica(texto, CientificaDeBiblioteca(x, texto));
}
}  // namespace

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
