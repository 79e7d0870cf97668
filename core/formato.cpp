// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formato.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "decimal.h"

namespace pendra {

namespace {

constexpr std::size_t kLargoEtiqueta = 6;
constexpr std::size_t kLargoMantisa = 4;

// TextoStr into `texto`, at most 24 characters; returns its end.
char* EscribirStr(double x, char* texto) {
    *texto++ = std::signbit(x) && x != 0 ? '-' : ' ';
    // Fifteen digits switch to the exponent form below 1E-04 and from 1E+15
    // on; to_chars writes what printf's %.15G writes, correctly rounded, many
    // times faster.
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

namespace {

// The label of an x whose fifteen digits are written plainly, 1E-04 <= x <
// 1E+15, straight from the digits: the same characters as cutting the text
// below, without writing the text first. nullptr for any other x.
char* EtiquetaLlana(double x, char* destino) {
    if (!(x > 0)) {
        return nullptr;
    }
    const decimal::Digitos d = decimal::Redondeado(x, 15);
    const int e = d.exponente + 14;  // the first digit's power of ten
    if (d.digitos == 0 || e < -4 || e > 14) {
        return nullptr;
    }
    char cifras[20];
    decimal::EscribirCifras(d.digitos, cifras);  // 15 digits, and room past them
    int largo = 15;                              // without the zeros %G drops at the end
    while (cifras[largo - 1] == '0') {
        --largo;
    }
    // Copies of fixed lengths, cut by the length returned: a label has room
    // for 24 characters, and no copy here reaches past 16.
    constexpr int kCifrasEnEtiqueta = static_cast<int>(kLargoEtiqueta) - 1;
    if (e < 0) {
        // ".000ddd": the point, the zeros after it, the digits, six in all.
        const int ceros = -e - 1;
        std::memcpy(destino, ".000", 4);
        std::memcpy(destino + 1 + ceros, cifras, 8);
        return destino + 1 + ceros + std::min(largo, kCifrasEnEtiqueta - ceros);
    }
    // Every integer digit, and the point and decimals up to six characters.
    const int enteras = e + 1;
    std::memcpy(destino, cifras, 16);
    if (largo <= enteras || enteras > kCifrasEnEtiqueta) {
        return destino + enteras;
    }
    destino[enteras] = '.';
    std::memcpy(destino + enteras + 1, cifras + enteras, 8);
    return destino + std::min(largo, kCifrasEnEtiqueta) + 1;
}

}  // namespace

char* EscribirEtiqueta(double x, char* destino) {
    if (char* fin = EtiquetaLlana(x, destino)) {
        return fin;
    }
    char buffer[32];
    const char* fin = EscribirStr(x, buffer);
    const char* inicio = buffer[0] == ' ' ? buffer + 1 : buffer;
    const std::string_view texto(inicio, static_cast<std::size_t>(fin - inicio));
    const std::size_t e = texto.find('E');
    if (e != std::string_view::npos) {
        const std::size_t mantisa = std::min(e, kLargoMantisa + (texto[0] == '-' ? 1 : 0));
        destino = std::copy_n(texto.begin(), mantisa, destino);
        return std::copy(texto.begin() + static_cast<std::ptrdiff_t>(e), texto.end(), destino);
    }
    const std::size_t entera = std::min(texto.find('.'), texto.size());
    return std::copy_n(texto.begin(), std::min(texto.size(), std::max(kLargoEtiqueta, entera)),
                       destino);
}

std::string FormatoMedida(double x) {
    if (!std::isfinite(x)) {
        return TextoStr(x).substr(x < 0 ? 0 : 1);
    }
    char texto[kLargoEtiquetaMaximo];
    return std::string(texto, EscribirEtiqueta(x, texto));
}

std::string EtiquetaGrados(double grados) {
    return FormatoMedida(grados) + kMarcaGrado;
}

std::string EtiquetaLado(double lado) {
    return FormatoMedida(lado);
}

Etiquetas EtiquetasDe(const MedidasEnGrados& precisa) {
    Etiquetas etiquetas;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        etiquetas.angulos[PosicionMedida(i)] = FormatoMedida(precisa.Angulo(i));
        etiquetas.lados[PosicionMedida(i)] = FormatoMedida(precisa.Lado(i));
    }
    return etiquetas;
}

std::string TextoCompleto(double x) {
    char texto[32];
    return std::string(texto, decimal::General(x, 15, texto));
}

char* EscribirNumeroJson(double x, char* p) {
    if (x == 0) {
        *p++ = '0';
        return p;
    }
    if (x < 0) {
        *p++ = '-';
    }
    // Shortest round-trip digits, laid out as a reader expects them: plain
    // decimals for ordinary magnitudes, an exponent only far out. From 2^53
    // on, where not every integer is a double, always an exponent: a reader
    // that keeps long integers exact would read another number.
    const decimal::Digitos corto = decimal::Corto(std::fabs(x));
    const int k = decimal::CuantasCifras(corto.digitos);
    const int n = corto.exponente + k;  // digits before the point
    // Below 2^53 there are at most 16 digits before the point.
    const bool llano = std::fabs(x) < 0x1p53;
    if (llano && n > 0 && k <= n) {
        return std::fill_n(decimal::EscribirCifras(corto.digitos, p), n - k, '0');
    }
    if (llano && n > 0) {
        return decimal::EscribirCifrasConPunto(corto.digitos, k, n, p);
    }
    if (-6 < n && n <= 0) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -n, '0');
        return decimal::EscribirCifras(corto.digitos, p);
    }
    decimal::EscribirCifras(corto.digitos, p + 1);
    p[0] = p[1];
    if (k > 1) {
        p[1] = '.';
        p += k + 1;
    } else {
        p += 1;
    }
    *p++ = 'e';
    *p++ = n - 1 < 0 ? '-' : '+';
    return std::to_chars(p, p + 4, std::abs(n - 1)).ptr;
}

void AgregarNumeroJson(std::string& salida, double x) {
    char texto[kLargoNumeroJson];
    salida.append(texto, EscribirNumeroJson(x, texto));
}

std::string NumeroJson(double x) {
    std::string texto;
    AgregarNumeroJson(texto, x);
    return texto;
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
    // Rounded as %G rounds, with an exponent below 1E-04 and from
    // 1E+<cifras> on, so no magnitude is ever misread; the point whatever
    // the locale.
    char buffer[decimal::kLargoMaximo];
    char* fin = decimal::General(*valor, std::clamp(cifras, 1, 17), buffer);
    std::replace(buffer, fin, 'e', 'E');
    return {buffer, fin};
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

std::string NombreMedida(Campo campo) {
    return (campo.tipo == TipoCampo::Angulo ? "Ángulo " : "Lado ") + std::to_string(campo.indice);
}

std::string NombreEnFrase(Campo campo) {
    return (campo.tipo == TipoCampo::Angulo ? "ángulo " : "lado ") + std::to_string(campo.indice);
}

std::string NombreConArticulo(Campo campo) {
    return "El " + NombreEnFrase(campo);
}

std::string NombreEnTabla(Campo campo) {
    return NombreMedida(campo) + (campo.tipo == TipoCampo::Angulo ? " (grados)" : "");
}

std::string NombreJson(Campo campo) {
    return (campo.tipo == TipoCampo::Angulo ? "angulo" : "lado") + std::to_string(campo.indice);
}

}  // namespace pendra
