#include "formato.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "funciones.h"

namespace pendra {

namespace {

constexpr std::size_t kLargoEtiqueta = 6;
constexpr std::size_t kLargoMantisa = 4;

}  // namespace

std::string TextoStr(double x) {
    if (std::isnan(x)) {
        return " NaN";
    }
    if (std::isinf(x)) {
        return x > 0 ? " Infinito" : "-Infinito";
    }
    // %G with 15 digits switches to the exponent form exactly where the
    // runtime does: below 1E-04 and from 1E+15 on.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", std::fabs(x));
    std::string numero(buffer);
    if (numero.size() > 1 && numero[0] == '0' && numero[1] == '.') {
        numero.erase(0, 1);
    }
    return (std::signbit(x) && x != 0 ? "-" : " ") + numero;
}

std::string FormatoMedida(double x) {
    std::string texto = TextoStr(x);
    if (texto[0] == ' ') {
        texto.erase(0, 1);
    }
    const std::size_t e = texto.find('E');
    if (e != std::string::npos) {
        const std::size_t mantisa = std::min(e, kLargoMantisa + (texto[0] == '-' ? 1 : 0));
        return texto.substr(0, mantisa) + texto.substr(e);
    }
    const std::size_t entera = std::min(texto.find('.'), texto.size());
    return texto.substr(0, std::max(kLargoEtiqueta, entera));
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
