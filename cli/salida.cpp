#include "salida.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "decimal.h"
#include "formato.h"
#include "propiedades.h"

namespace pendra::cli {

namespace {

void Cadena(std::string& salida, std::string_view texto) {
    salida.push_back('"');
    // Most texts (labels, names) need no escape: one append.
    if (std::none_of(texto.begin(), texto.end(), [](char c) {
            return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
        })) {
        salida.append(texto);
        salida.push_back('"');
        return;
    }
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
                    salida.push_back(c);
                }
        }
    }
    salida.push_back('"');
}

void Numero(std::string& salida, const Valor& valor) {
    if (valor) {
        AgregarNumeroJson(salida, *valor);
    } else {
        salida += "null";
    }
}

// "[x, y, z]" with each element written by `elemento`.
template <typename Funcion>
void Lista(std::string& salida, Funcion elemento) {
    salida.push_back('[');
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (i > 1) {
            salida += ", ";
        }
        elemento(i);
    }
    salida.push_back(']');
}

void Punto(std::string& salida, const pendra::Punto& punto) {
    salida.push_back('[');
    Numero(salida, punto.x);
    salida += ", ";
    Numero(salida, punto.y);
    salida.push_back(']');
}

void Propiedades(std::string& salida, const pendra::Propiedades& p) {
    const auto valores = [&salida](const std::array<Valor, 3>& v) {
        Lista(salida, [&](std::uint8_t i) { Numero(salida, v[PosicionMedida(i)]); });
    };
    salida += "{\"area\": ";
    Numero(salida, p.area);
    salida += ", \"perimetro\": ";
    Numero(salida, p.perimetro);
    salida += ", \"alturas\": ";
    valores(p.alturas);
    salida += ", \"medianas\": ";
    valores(p.medianas);
    salida += ", \"bisectrices\": ";
    valores(p.bisectrices);
    salida += ", \"radio_inscrito\": ";
    Numero(salida, p.radioInscrito);
    salida += ", \"radio_circunscrito\": ";
    Numero(salida, p.radioCircunscrito);
    salida += ", \"vertices\": ";
    Lista(salida, [&](std::uint8_t i) { Punto(salida, p.vertices[PosicionMedida(i)]); });
    salida += ", \"baricentro\": ";
    Punto(salida, p.baricentro);
    salida += ", \"incentro\": ";
    Punto(salida, p.incentro);
    salida += ", \"circuncentro\": ";
    Punto(salida, p.circuncentro);
    salida += ", \"ortocentro\": ";
    Punto(salida, p.ortocentro);
    salida += ", \"clase\": [";
    Cadena(salida, Nombre(p.porAngulos));
    salida += ", ";
    Cadena(salida, Nombre(p.porLados));
    salida += "]}";
}

void Solucion(std::string& salida, const pendra::Solucion& s) {
    const Medidas& m = s.medidas;
    const Etiquetas etiquetas = EtiquetasDe(s.precisa);
    salida += "{\"angulos\": ";
    Lista(salida, [&](std::uint8_t i) { AgregarNumeroJson(salida, m.Angulo(i)); });
    salida += ", \"lados\": ";
    Lista(salida, [&](std::uint8_t i) { AgregarNumeroJson(salida, m.Lado(i)); });
    salida += ", \"etiquetas\": {\"angulos\": ";
    Lista(salida, [&](std::uint8_t i) {
        Cadena(salida, etiquetas.angulos[PosicionMedida(i)] + kMarcaGrado);
    });
    salida += ", \"lados\": ";
    Lista(salida, [&](std::uint8_t i) { Cadena(salida, etiquetas.lados[PosicionMedida(i)]); });
    salida += "}, \"propiedades\": ";
    Propiedades(salida, PropiedadesDe(s));
    salida.push_back('}');
}

}  // namespace

void EscribirJson(const Respuesta& respuesta, std::string& salida) {
    salida += "{\"mensaje\": ";
    if (respuesta.mensaje) {
        const Mensaje& m = *respuesta.mensaje;
        salida += "{\"titulo\": ";
        Cadena(salida, m.titulo);
        salida += ", \"texto\": ";
        Cadena(salida, m.texto);
        salida += ", \"campo\": ";
        if (m.campo) {
            Cadena(salida, NombreJson(*m.campo));
        } else {
            salida += "null";
        }
        salida.push_back('}');
    } else {
        salida += "null";
    }
    salida += ", \"soluciones\": [";
    for (std::size_t i = 0; i < respuesta.soluciones.size(); ++i) {
        if (i > 0) {
            salida += ", ";
        }
        Solucion(salida, respuesta.soluciones[i]);
    }
    salida += "]}";
}

void EscribirTexto(const Respuesta& respuesta, std::string& salida) {
    if (respuesta.mensaje) {
        salida += respuesta.mensaje->titulo + ": " + respuesta.mensaje->texto + "\n";
        return;
    }
    const std::size_t total = respuesta.soluciones.size();
    for (std::size_t s = 0; s < total; ++s) {
        const pendra::Solucion& solucion = respuesta.soluciones[s];
        const Medidas& m = solucion.medidas;
        const Etiquetas etiquetas = EtiquetasDe(solucion.precisa);
        salida += "Solución " + std::to_string(s + 1) + " de " + std::to_string(total) + "\n";
        for (std::uint8_t i = 1; i <= 3; ++i) {
            salida += "  " + NombreMedida({TipoCampo::Angulo, i}) + ": " +
                      etiquetas.angulos[PosicionMedida(i)] + kMarcaGrado + "  (" +
                      NumeroJson(m.Angulo(i)) + " rad)\n";
        }
        for (std::uint8_t i = 1; i <= 3; ++i) {
            salida += "  " + NombreMedida({TipoCampo::Lado, i}) + ": " +
                      etiquetas.lados[PosicionMedida(i)] + "  (" + NumeroJson(m.Lado(i)) + ")\n";
        }
        salida += "  Propiedades:\n";
        for (const auto& [nombre, valor] : FilasPropiedades(PropiedadesDe(solucion))) {
            salida += "    " + nombre + ": " + valor + "\n";
        }
    }
}

}  // namespace pendra::cli
