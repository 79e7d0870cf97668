// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's and pendra-cli.mjs's way into the core. Texts go in as bytes
// with their lengths and answers come out as JSON bytes, so nothing is
// decoded or lost on the way. Each answer stays valid until the next call.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formato.h"
#include "presentacion.h"
#include "propiedades.h"
#include "salida.h"
#include "solicitud.h"

namespace {

std::string respuesta;
std::vector<pendra::Solucion> soluciones;  // of the last request, for the page's details

const char* Guardar(std::string texto) {
    respuesta = std::move(texto);
    return respuesta.c_str();
}

// The page's answer carries the working and the reason for no triangle, as
// pendra-cli --json --procedimiento gives them; pendra-cli.mjs's does not.
const char* Responder(const pendra::TextosCampos& campos, bool procedimiento) {
    const pendra::Respuesta r =
        pendra::Responder(campos, procedimiento ? pendra::ConMotivo::Si : pendra::ConMotivo::No);
    soluciones.assign(r.soluciones.begin(), r.soluciones.end());
    return Guardar(pendra::cli::EnJson(r, procedimiento));
}

std::string Cadena(std::string_view texto) {
    std::string salida;
    pendra::AgregarCadenaJson(salida, texto);
    return salida;
}

// What the page shows of one solution beyond pendra-cli's answer: the
// strip's texts, longest first, the properties as the desktop lists them,
// the file name, what a screen reader says of the drawing, and the measures
// as the desktop copies them.
std::string Detalles(const pendra::Solucion& s) {
    const pendra::Propiedades p = pendra::PropiedadesDe(s);
    std::string salida = "{\"franja\": [";
    bool primera = true;
    for (const std::string& texto : pendra::TextosFranja(p, {})) {
        salida += (primera ? "" : ", ") + Cadena(texto);
        primera = false;
    }
    salida += "], \"filas\": [";
    primera = true;
    for (const auto& [nombre, valor] : pendra::FilasPropiedades(p)) {
        salida += (primera ? "[" : ", [") + Cadena(nombre) + ", " + Cadena(valor) + "]";
        primera = false;
    }
    const pendra::Etiquetas etiquetas = pendra::EtiquetasDe(s.precisa);
    std::vector<pendra::FilaTabla> filas = pendra::FilasTablaMedidas(s.precisa, etiquetas);
    salida +=
        "], \"nombre\": " + Cadena(pendra::NombrePorDefecto(etiquetas)) + ", \"accesible\": " +
        Cadena(pendra::NombreAccesible(etiquetas) + "; " + pendra::DescripcionAccesible(filas));
    for (pendra::FilaTabla& fila : pendra::FilasTablaAreaYPerimetro(p)) {
        filas.push_back(std::move(fila));
    }
    return salida + ", \"copia\": " + Cadena(pendra::TablaTexto(filas)) + "}";
}

}  // namespace

extern "C" {

// The six fields in tab order, each at textos[i] with largos[i] bytes.
EMSCRIPTEN_KEEPALIVE const char* pendra_responder(const char* const* textos,
                                                  const std::size_t* largos) {
    pendra::TextosCampos campos;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        campos[i] = std::string_view(textos[i], largos[i]);
    }
    return Responder(campos, true);
}

// One input line of pendra-cli (line end removed) and its number, answered as
// pendra-cli answers it: six tab-separated fields, or the message it gives.
EMSCRIPTEN_KEEPALIVE const char* pendra_linea(const char* texto, std::size_t largo,
                                              unsigned long numero) {
    std::string_view linea(texto, largo);
    if (std::count(linea.begin(), linea.end(), '\t') != 5) {
        pendra::Respuesta r;
        r.mensaje = pendra::Mensaje{"Error en la entrada",
                                    "La línea " + std::to_string(numero) +
                                        " debe tener seis campos separados por tabuladores.",
                                    std::nullopt,
                                    {}};
        soluciones.clear();
        return Guardar(pendra::cli::EnJson(r));
    }
    pendra::TextosCampos campos;
    for (std::string_view& campo : campos) {
        const std::size_t tab = std::min(linea.find('\t'), linea.size());
        campo = linea.substr(0, tab);
        linea.remove_prefix(std::min(tab + 1, linea.size()));
    }
    return Responder(campos, false);
}

// The details of every solution of the last request, as a JSON list.
EMSCRIPTEN_KEEPALIVE const char* pendra_detalles() {
    std::string salida = "[";
    for (std::size_t i = 0; i < soluciones.size(); ++i) {
        salida += (i > 0 ? ", " : "") + Detalles(soluciones[i]);
    }
    return Guardar(salida + "]");
}

// Solution i of the last request as a standalone SVG picture `ancho` by
// `alto` pixels, laid out as every face lays it out; empty when there is no
// such solution or the picture has no room.
EMSCRIPTEN_KEEPALIVE const char* pendra_svg(std::size_t i, double ancho, double alto) {
    if (i >= soluciones.size()) {
        return Guardar({});
    }
    return Guardar(pendra::SvgDeSolucion(soluciones[i], ancho, alto));
}

// The length in bytes of the last answer.
EMSCRIPTEN_KEEPALIVE std::size_t pendra_largo() {
    return respuesta.size();
}

}  // extern "C"
