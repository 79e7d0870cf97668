#include "salida.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "decimal.h"
#include "formato.h"
#include "procedimiento.h"
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

// {"caso": "LLL", "descripcion": …, "pasos": [{"regla", "calcula", "formula",
// "sustitucion", "valor", "nota"}, …]}, with "calcula" and "nota" null where a
// step has none and "valor" in degrees for an angle.
void Trabajo(std::string& salida, const Procedimiento& procedimiento) {
    salida += "{\"caso\": ";
    Cadena(salida, procedimiento.caso);
    salida += ", \"descripcion\": ";
    Cadena(salida, procedimiento.descripcion);
    salida += ", \"pasos\": [";
    for (std::size_t i = 0; i < procedimiento.pasos.size(); ++i) {
        const Paso& paso = procedimiento.pasos[i];
        salida += i > 0 ? ", {\"regla\": " : "{\"regla\": ";
        Cadena(salida, paso.regla);
        salida += ", \"calcula\": ";
        if (paso.calcula) {
            Cadena(salida, NombreEnFrase(*paso.calcula));
        } else {
            salida += "null";
        }
        salida += ", \"formula\": ";
        Cadena(salida, paso.formula);
        salida += ", \"sustitucion\": ";
        Cadena(salida, paso.sustitucion);
        salida += ", \"valor\": ";
        Numero(salida, paso.valor);
        salida += ", \"nota\": ";
        if (paso.nota.empty()) {
            salida += "null";
        } else {
            Cadena(salida, paso.nota);
        }
        salida.push_back('}');
    }
    salida += "]}";
}

// The rule as the head of a line: its first letter in capitals ("Teorema",
// "Ángulo"), the accented one included.
std::string Titulo(const std::string& regla) {
    if (regla.starts_with("\u00E1")) {
        return "\u00C1" + regla.substr(2);
    }
    std::string titulo = regla;
    if (!titulo.empty() && titulo[0] >= 'a' && titulo[0] <= 'z') {
        titulo[0] = static_cast<char>(titulo[0] - 'a' + 'A');
    }
    return titulo;
}

// The working as lines of text, each indented by two blanks under the solution.
void TrabajoTexto(std::string& salida, const Procedimiento& procedimiento) {
    salida += "  Procedimiento (" + procedimiento.caso + ": " + procedimiento.descripcion + "):\n";
    for (std::size_t i = 0; i < procedimiento.pasos.size(); ++i) {
        const Paso& paso = procedimiento.pasos[i];
        salida += "    " + std::to_string(i + 1) + ". " + Titulo(paso.regla);
        salida += paso.calcula ? ", " + NombreEnFrase(*paso.calcula) + ":\n" : ":\n";
        salida += "       " + paso.formula + "\n";
        salida += "       " + paso.sustitucion + " = " + paso.resultado + "\n";
        if (!paso.nota.empty()) {
            salida += "       " + paso.nota + "\n";
        }
    }
}

void Solucion(std::string& salida, const pendra::Solucion& s, bool procedimiento) {
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
    if (procedimiento) {
        salida += ", \"procedimiento\": ";
        Trabajo(salida, ProcedimientoDe(s));
    }
    salida.push_back('}');
}

}  // namespace

void EscribirJson(const Respuesta& respuesta, std::string& salida, bool procedimiento) {
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
        if (procedimiento && !m.motivo.empty()) {
            salida += ", \"motivo\": ";
            Cadena(salida, m.motivo);
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
        Solucion(salida, respuesta.soluciones[i], procedimiento);
    }
    salida += "]}";
}

void EscribirTexto(const Respuesta& respuesta, std::string& salida, bool procedimiento) {
    if (respuesta.mensaje) {
        const Mensaje& m = *respuesta.mensaje;
        salida += m.titulo + ": " + m.texto + "\n";
        if (procedimiento && !m.motivo.empty()) {
            salida += "  Motivo: " + m.motivo + "\n";
        }
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
        if (procedimiento) {
            TrabajoTexto(salida, ProcedimientoDe(solucion));
        }
    }
}

}  // namespace pendra::cli
