#include "formato.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

void AgregarNumeroJson(std::string& salida, double x) {
    if (x == 0) {
        salida.push_back('0');
        return;
    }
    // Where the digits' exponent lies well inside the plain range, the fixed
    // shortest text is the same text, written in one step.
    if (const double a = std::fabs(x); a >= 1e-5 && a < 0x1p53) {
        char texto[decimal::kLargoMaximo + 1];
        char* p = texto;
        if (x < 0) {
            *p++ = '-';
        }
        if (char* fin = decimal::Fija(a, p)) {
            salida.append(texto, fin);
            return;
        }
    }
    // Shortest round-trip digits, then laid out as a reader expects them:
    // plain decimals for ordinary magnitudes, an exponent only far out. From
    // 2^53 on, where not every integer is a double, always an exponent: a
    // reader that keeps long integers exact would read another number.
    char cientifico[32];
    const char* fin = decimal::Cientifica(std::fabs(x), cientifico);
    const char* e = std::find(static_cast<const char*>(cientifico), fin, 'e');
    char digitos[24];
    std::size_t k = 0;
    for (const char* c = cientifico; c != e; ++c) {
        if (*c != '.') {
            digitos[k++] = *c;
        }
    }
    int exponente = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), fin, exponente);
    const std::string_view d(digitos, k);
    const int n = exponente + 1;  // digits before the point
    const std::size_t enteras = n > 0 ? static_cast<std::size_t>(n) : 0;

    char texto[48];
    char* p = texto;
    if (x < 0) {
        *p++ = '-';
    }
    // Below 2^53 there are at most 16 digits before the point.
    const bool llano = std::fabs(x) < 0x1p53;
    if (llano && n > 0 && k <= enteras) {
        p = std::copy(d.begin(), d.end(), p);
        p = std::fill_n(p, enteras - k, '0');
    } else if (llano && n > 0) {
        p = std::copy_n(d.begin(), enteras, p);
        *p++ = '.';
        p = std::copy(d.begin() + static_cast<std::ptrdiff_t>(enteras), d.end(), p);
    } else if (-6 < n && n <= 0) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -n, '0');
        p = std::copy(d.begin(), d.end(), p);
    } else {
        *p++ = d[0];
        if (k > 1) {
            *p++ = '.';
            p = std::copy(d.begin() + 1, d.end(), p);
        }
        *p++ = 'e';
        *p++ = n - 1 < 0 ? '-' : '+';
        p = std::to_chars(p, texto + sizeof texto, std::abs(n - 1)).ptr;
    }
    salida.append(texto, p);
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
    // %G rounds and writes an exponent below 1E-04 and from 1E+<cifras> on,
    // so no magnitude is ever misread.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*G", std::clamp(cifras, 1, 17), *valor);
    return buffer;
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
