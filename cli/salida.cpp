#include "salida.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "decimal.h"
#include "formato.h"
#include "grabadora.h"
#include "propiedades.h"

namespace pendra::cli {

namespace {

std::string NombreCampo(Campo campo) {
    return (campo.tipo == TipoCampo::Angulo ? "angulo" : "lado") + std::to_string(campo.indice);
}

std::string CadenaJson(const std::string& texto) {
    std::string salida = "\"";
    for (const char c : texto) {
        switch (c) {
            case '"':
                salida += "\\\"";
                break;
            case '\\':
                salida += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    salida += escape;
                } else {
                    salida += c;
                }
        }
    }
    return salida + "\"";
}

template <typename Funcion>
std::string Lista(const Medidas& medidas, Funcion elemento) {
    std::string salida = "[";
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (i > 1) {
            salida += ", ";
        }
        salida += elemento(medidas, i);
    }
    return salida + "]";
}

std::string ValorJson(const Valor& valor) {
    return valor ? NumeroJson(*valor) : "null";
}

std::string PuntoJson(const Punto& punto) {
    std::string salida = "[";
    salida += ValorJson(punto.x);
    salida += ", ";
    salida += ValorJson(punto.y);
    return salida + "]";
}

template <typename T, typename Funcion>
std::string ListaDe(const std::array<T, 3>& valores, Funcion elemento) {
    std::string salida = "[";
    for (std::size_t i = 0; i < 3; ++i) {
        salida += i > 0 ? ", " : "";
        salida += elemento(valores[i]);
    }
    return salida + "]";
}

std::string PropiedadesJson(const Propiedades& p) {
    return "{\"area\": " + ValorJson(p.area) + ", \"perimetro\": " + ValorJson(p.perimetro) +
           ", \"alturas\": " + ListaDe(p.alturas, ValorJson) +
           ", \"medianas\": " + ListaDe(p.medianas, ValorJson) +
           ", \"bisectrices\": " + ListaDe(p.bisectrices, ValorJson) +
           ", \"radio_inscrito\": " + ValorJson(p.radioInscrito) +
           ", \"radio_circunscrito\": " + ValorJson(p.radioCircunscrito) +
           ", \"vertices\": " + ListaDe(p.vertices, PuntoJson) +
           ", \"baricentro\": " + PuntoJson(p.baricentro) +
           ", \"incentro\": " + PuntoJson(p.incentro) +
           ", \"circuncentro\": " + PuntoJson(p.circuncentro) +
           ", \"ortocentro\": " + PuntoJson(p.ortocentro) + ", \"clase\": [" +
           CadenaJson(Nombre(p.porAngulos)) + ", " + CadenaJson(Nombre(p.porLados)) + "]}";
}

std::string SolucionJson(const Medidas& m) {
    const auto angulo = [](const Medidas& x, std::uint8_t i) { return NumeroJson(x.Angulo(i)); };
    const auto lado = [](const Medidas& x, std::uint8_t i) { return NumeroJson(x.Lado(i)); };
    const auto etiquetaAngulo = [](const Medidas& x, std::uint8_t i) {
        return CadenaJson(EtiquetaAngulo(x.Angulo(i)));
    };
    const auto etiquetaLado = [](const Medidas& x, std::uint8_t i) {
        return CadenaJson(EtiquetaLado(x.Lado(i)));
    };
    return "{\"angulos\": " + Lista(m, angulo) + ", \"lados\": " + Lista(m, lado) +
           ", \"etiquetas\": {\"angulos\": " + Lista(m, etiquetaAngulo) +
           ", \"lados\": " + Lista(m, etiquetaLado) +
           "}, \"propiedades\": " + PropiedadesJson(PropiedadesDe(m)) + "}";
}

}  // namespace

Respuesta Responder(const Campos& campos) {
    Grabadora grabadora(campos);
    Medidas medidas;
    cmdResolver_Click(grabadora, medidas);
    Respuesta respuesta;
    for (const Grabadora::Evento& e : grabadora.eventos) {
        switch (e.tipo) {
            case Grabadora::Evento::Tipo::Mensaje:
                respuesta.mensaje = Mensaje{e.titulo, e.texto, std::nullopt};
                break;
            case Grabadora::Evento::Tipo::Foco:
                if (respuesta.mensaje) {
                    respuesta.mensaje->campo = e.campo;
                }
                break;
            case Grabadora::Evento::Tipo::Ventana:
                respuesta.soluciones.push_back(e.medidas);
                break;
        }
    }
    return respuesta;
}

std::string NumeroJson(double x) {
    if (x == 0) {
        return "0";
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
    return std::string(texto, p);
}

std::string EnJson(const Respuesta& respuesta) {
    std::string salida = "{\"mensaje\": ";
    if (respuesta.mensaje) {
        const Mensaje& m = *respuesta.mensaje;
        salida += "{\"titulo\": " + CadenaJson(m.titulo) + ", \"texto\": " + CadenaJson(m.texto) +
                  ", \"campo\": " + (m.campo ? CadenaJson(NombreCampo(*m.campo)) : "null") + "}";
    } else {
        salida += "null";
    }
    salida += ", \"soluciones\": [";
    for (std::size_t i = 0; i < respuesta.soluciones.size(); ++i) {
        if (i > 0) {
            salida += ", ";
        }
        salida += SolucionJson(respuesta.soluciones[i]);
    }
    return salida + "]}";
}

std::string EnTexto(const Respuesta& respuesta) {
    if (respuesta.mensaje) {
        return respuesta.mensaje->titulo + ": " + respuesta.mensaje->texto + "\n";
    }
    std::string salida;
    const std::size_t total = respuesta.soluciones.size();
    for (std::size_t s = 0; s < total; ++s) {
        const Medidas& m = respuesta.soluciones[s];
        salida += "Solución " + std::to_string(s + 1) + " de " + std::to_string(total) + "\n";
        for (std::uint8_t i = 1; i <= 3; ++i) {
            salida += "  Ángulo " + std::to_string(i) + ": " + EtiquetaAngulo(m.Angulo(i)) + "  (" +
                      NumeroJson(m.Angulo(i)) + " rad)\n";
        }
        for (std::uint8_t i = 1; i <= 3; ++i) {
            salida += "  Lado " + std::to_string(i) + ": " + EtiquetaLado(m.Lado(i)) + "  (" +
                      NumeroJson(m.Lado(i)) + ")\n";
        }
        salida += "  Propiedades:\n";
        for (const auto& [nombre, valor] : FilasPropiedades(PropiedadesDe(m))) {
            salida += "    " + nombre + ": " + valor + "\n";
        }
    }
    return salida;
}

}  // namespace pendra::cli
