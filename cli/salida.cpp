// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "salida.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "decimal.h"
#include "formato.h"
#include "presentacion.h"
#include "procedimiento.h"
#include "propiedades.h"

namespace pendra::cli {

namespace {

void Cadena(std::string& salida, std::string_view texto) {
    AgregarCadenaJson(salida, texto);
}

void Numero(std::string& salida, const Valor& valor) {
    if (valor) {
        AgregarNumeroJson(salida, *valor);
    } else {
        salida += "null";
    }
}

// One solution's measures, labels and properties written into a buffer of
// their known greatest size and appended in one step: a batch writes
// millions of these, and small appends to a string are what cost most.
class Escritor {
public:
    template <std::size_t N>
    Escritor& operator<<(const char (&literal)[N]) {
        std::memcpy(p_, literal, N - 1);
        p_ += N - 1;
        return *this;
    }
    Escritor& operator<<(double x) {
        p_ = EscribirNumeroJson(x, p_);
        return *this;
    }
    Escritor& operator<<(const Valor& valor) { return valor ? *this << *valor : *this << "null"; }
    Escritor& operator<<(const pendra::Punto& punto) {
        return *this << "[" << punto.x << ", " << punto.y << "]";
    }
    // Three values in their order, as "[x, y, z]".
    template <typename Funcion>
    Escritor& Lista(Funcion valor) {
        return *this << "[" << valor(1) << ", " << valor(2) << ", " << valor(3) << "]";
    }
    // A label in quotes: digits, point, sign and exponent need no escape.
    Escritor& Etiqueta(double x, bool grados) {
        *p_++ = '"';
        p_ = EscribirEtiqueta(x, p_);
        if (grados) {
            p_ = std::copy_n(kMarcaGrado, std::char_traits<char>::length(kMarcaGrado), p_);
        }
        *p_++ = '"';
        return *this;
    }
    // Where a number's text went, to copy it where the same double comes again.
    struct Marca {
        std::uint64_t bits = 0;
        std::size_t desde = 0;
        std::size_t largo = 0;
    };
    Escritor& Marcado(const Valor& valor, Marca& marca) {
        if (!valor) {
            return *this << "null";
        }
        const auto bits = __builtin_bit_cast(std::uint64_t, *valor);
        if (marca.largo > 0 && marca.bits == bits) {
            p_ = std::copy_n(buffer_.data() + marca.desde, marca.largo, p_);
            return *this;
        }
        char* const desde = p_;
        *this << *valor;
        marca = {bits, static_cast<std::size_t>(desde - buffer_.data()),
                 static_cast<std::size_t>(p_ - desde)};
        return *this;
    }
    // A name of the program's own, without quotes or controls to escape.
    Escritor& Nombre(std::string_view nombre) {
        *p_++ = '"';
        p_ = std::copy(nombre.begin(), nombre.end(), p_);
        *p_++ = '"';
        return *this;
    }
    std::string_view Escrito() const {
        return {buffer_.data(), static_cast<std::size_t>(p_ - buffer_.data())};
    }

private:
    // 33 numbers, six labels, two class names and the keys come to well
    // under half of this.
    std::array<char, 4096> buffer_;
    char* p_ = buffer_.data();
};

void MedidasYEtiquetas(Escritor& e, const pendra::Solucion& s) {
    const pendra::Medidas& m = s.medidas;
    const MedidasEnGrados& g = s.precisa;
    e << "{\"angulos\": ";
    e.Lista([&](std::uint8_t i) { return m.Angulo(i); });
    e << ", \"lados\": ";
    e.Lista([&](std::uint8_t i) { return m.Lado(i); });
    e << ", \"etiquetas\": {\"angulos\": [";
    e.Etiqueta(g.Angulo(1), true) << ", ";
    e.Etiqueta(g.Angulo(2), true) << ", ";
    e.Etiqueta(g.Angulo(3), true) << "], \"lados\": [";
    e.Etiqueta(g.Lado(1), false) << ", ";
    e.Etiqueta(g.Lado(2), false) << ", ";
    e.Etiqueta(g.Lado(3), false) << "]}";
}

void Propiedades(Escritor& e, const pendra::Propiedades& p) {
    const auto tres = [&e](const std::array<Valor, 3>& v) {
        e.Lista([&](std::uint8_t i) { return v[PosicionMedida(i)]; });
    };
    // The apex's height and its y, the inradius and the incentre's y, the
    // apex's x and the orthocentre's are mostly the same doubles: the second
    // time, their text is copied.
    Escritor::Marca altura;
    Escritor::Marca inscrito;
    Escritor::Marca apice;
    const pendra::Punto& v1 = p.vertices[PosicionMedida(1)];
    e << "{\"area\": " << p.area << ", \"perimetro\": " << p.perimetro << ", \"alturas\": [";
    e.Marcado(p.alturas[PosicionMedida(1)], altura)
        << ", " << p.alturas[PosicionMedida(2)] << ", " << p.alturas[PosicionMedida(3)]
        << "], \"medianas\": ";
    tres(p.medianas);
    e << ", \"bisectrices\": ";
    tres(p.bisectrices);
    e << ", \"radio_inscrito\": ";
    e.Marcado(p.radioInscrito, inscrito)
        << ", \"radio_circunscrito\": " << p.radioCircunscrito << ", \"vertices\": [[";
    e.Marcado(v1.x, apice) << ", ";
    e.Marcado(v1.y, altura) << "], " << p.vertices[PosicionMedida(2)] << ", "
                            << p.vertices[PosicionMedida(3)]
                            << "], \"baricentro\": " << p.baricentro << ", \"incentro\": ["
                            << p.incentro.x << ", ";
    e.Marcado(p.incentro.y, inscrito)
        << "], \"circuncentro\": " << p.circuncentro << ", \"ortocentro\": [";
    e.Marcado(p.ortocentro.x, apice) << ", " << p.ortocentro.y << "], \"clase\": [";
    e.Nombre(Nombre(p.porAngulos)) << ", ";
    e.Nombre(Nombre(p.porLados)) << "]}";
}

// {"caso": "LLL", "descripcion": …, "pasos": [{"regla", "titulo", "calcula",
// "formula", "sustitucion", "valor", "resultado", "nota"}, …]}, with "calcula"
// and "nota" null where a step has none, "valor" in degrees for an angle and
// "resultado" the value as the working writes it.
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
        salida += ", \"titulo\": ";
        Cadena(salida, paso.titulo);
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
        salida += ", \"resultado\": ";
        Cadena(salida, paso.resultado);
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

// The working as lines of text, each indented by two blanks under the solution.
void TrabajoTexto(std::string& salida, const Procedimiento& procedimiento) {
    salida += "  Procedimiento (" + procedimiento.caso + ": " + procedimiento.descripcion + "):\n";
    for (std::size_t i = 0; i < procedimiento.pasos.size(); ++i) {
        const Paso& paso = procedimiento.pasos[i];
        salida += "    " + std::to_string(i + 1) + ". " + paso.titulo;
        salida += paso.calcula ? ", " + NombreEnFrase(*paso.calcula) + ":\n" : ":\n";
        salida += "       " + paso.formula + "\n";
        salida += "       " + paso.sustitucion + " = " + paso.resultado + "\n";
        if (!paso.nota.empty()) {
            salida += "       " + paso.nota + "\n";
        }
    }
}

void Solucion(std::string& salida, const pendra::Solucion& s, bool procedimiento,
              const TamanoSvg* svg) {
    Escritor e;
    MedidasYEtiquetas(e, s);
    e << ", \"propiedades\": ";
    Propiedades(e, PropiedadesDe(s));
    salida.append(e.Escrito());
    if (procedimiento) {
        salida += ", \"procedimiento\": ";
        Trabajo(salida, ProcedimientoDe(s));
    }
    if (svg != nullptr) {
        salida += ", \"svg\": ";
        Cadena(salida, SvgDeSolucion(s, svg->ancho, svg->alto));
    }
    salida.push_back('}');
}

}  // namespace

void EscribirJson(const Respuesta& respuesta, std::string& salida, bool procedimiento,
                  const TamanoSvg* svg) {
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
        Solucion(salida, respuesta.soluciones[i], procedimiento, svg);
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
