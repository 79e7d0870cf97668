#include "decimal.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

char* Cientifica(double x, char* destino) {
    return std::to_chars(destino, destino + kLargoMaximo, x, std::chars_format::scientific).ptr;
}

char* General(double x, int cifras, char* destino) {
    return std::to_chars(destino, destino + kLargoMaximo, x, std::chars_format::general, cifras)
        .ptr;
}

char* Fija(double x, char* destino) {
    return std::to_chars(destino, destino + kLargoMaximo, x, std::chars_format::fixed).ptr;
}

double Leer(std::string_view texto) {
    double valor = 0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    (void)fin;
    // from_chars leaves the value alone when it is out of range; strtod says
    // which way it went.
    return error == std::errc::result_out_of_range ? portatil::Leer(texto) : valor;
}

#else

char* Cientifica(double x, char* destino) {
    return portatil::Cientifica(x, destino);
}
char* General(double x, int cifras, char* destino) {
    return portatil::General(x, cifras, destino);
}
double Leer(std::string_view texto) {
    return portatil::Leer(texto);
}
char* Fija(double, char*) {
    return nullptr;
}

#endif

}  // namespace pendra::decimal
