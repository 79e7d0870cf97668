#include "formato.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "decimal.h"
#include "funciones.h"

namespace pendra {

namespace {

constexpr std::size_t kLargoEtiqueta = 6;
constexpr std::size_t kLargoMantisa = 4;

// The Str text into `texto`, at most 24 characters; returns its end.
char* EscribirStr(double x, char* texto) {
    *texto++ = std::signbit(x) && x != 0 ? '-' : ' ';
    // %G with 15 digits switches to the exponent form exactly where the
    // runtime does: below 1E-04 and from 1E+15 on. to_chars writes what
    // printf's %.15g writes, correctly rounded, many times faster.
    char* fin = decimal::General(std::fabs(x), 15, texto);
    std::replace(texto, fin, 'e', 'E');
    if (fin - texto > 1 && texto[0] == '0' && texto[1] == '.') {
        fin = std::copy(texto + 1, fin, texto);
    }
    return fin;
}

}  // namespace

std::string TextoStr(double x) {
    if (std::isnan(x)) {
        return " NaN";
    }
    if (std::isinf(x)) {
        return x > 0 ? " Infinito" : "-Infinito";
    }
    char texto[32];
    return std::string(texto, EscribirStr(x, texto));
}

std::string FormatoMedida(double x) {
    if (!std::isfinite(x)) {
        return TextoStr(x).substr(x < 0 ? 0 : 1);
    }
    char buffer[32];
    const char* fin = EscribirStr(x, buffer);
    const char* inicio = buffer[0] == ' ' ? buffer + 1 : buffer;
    const std::string_view texto(inicio, static_cast<std::size_t>(fin - inicio));
    const std::size_t e = texto.find('E');
    if (e != std::string_view::npos) {
        const std::size_t mantisa = std::min(e, kLargoMantisa + (texto[0] == '-' ? 1 : 0));
        std::string etiqueta(texto.substr(0, mantisa));
        etiqueta.append(texto.substr(e));
        return etiqueta;
    }
    const std::size_t entera = std::min(texto.find('.'), texto.size());
    return std::string(texto.substr(0, std::max(kLargoEtiqueta, entera)));
}

std::string NumeroAngulo(double radianes) {
    return FormatoMedida(radianes / RadPorGrado);
}

std::string EtiquetaAngulo(double radianes) {
    return NumeroAngulo(radianes) + kMarcaGrado;
}

std::string EtiquetaLado(double lado) {
    return FormatoMedida(lado);
}

}  // namespace pendra
