#include "salida.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

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
        salida += (i > 1 ? ", " : "") + elemento(medidas, i);
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
    // plain decimals for ordinary magnitudes, an exponent only far out.
    char buffer[64];
    const auto fin =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
    std::string cientifico(buffer, fin.ptr);
    std::string salida;
    if (cientifico[0] == '-') {
        salida = "-";
        cientifico.erase(0, 1);
    }
    const std::size_t e = cientifico.find('e');
    std::string digitos = cientifico.substr(0, e);
    if (digitos.size() > 1) {
        digitos.erase(1, 1);  // the point after the first digit
    }
    const int exponente = std::atoi(cientifico.c_str() + e + 1);
    const int k = static_cast<int>(digitos.size());
    const int n = exponente + 1;  // digits before the point
    if (k <= n && n <= 21) {
        salida += digitos + std::string(static_cast<std::size_t>(n - k), '0');
    } else if (0 < n && n <= 21) {
        salida.append(digitos, 0, static_cast<std::size_t>(n));
        salida += '.';
        salida.append(digitos, static_cast<std::size_t>(n));
    } else if (-6 < n && n <= 0) {
        salida += "0.";
        salida.append(static_cast<std::size_t>(-n), '0');
        salida += digitos;
    } else {
        salida += digitos.substr(0, 1);
        if (k > 1) {
            salida += '.';
            salida.append(digitos, 1);
        }
        salida += n - 1 < 0 ? "e-" : "e+";
        salida += std::to_string(std::abs(n - 1));
    }
    return salida;
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
        salida += (i > 0 ? ", " : "") + SolucionJson(respuesta.soluciones[i]);
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
