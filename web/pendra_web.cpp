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
#include "geometria.h"
#include "propiedades.h"
#include "salida.h"
#include "solicitud.h"

namespace {

using pendra::NumeroJson;

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
    std::string salida = "\"";
    for (const char c : texto) {
        if (c == '"' || c == '\\') {
            salida += '\\';
        }
        salida += c;
    }
    return salida + '"';
}

// What the page shows of one solution beyond pendra-cli's answer: the strip
// under the drawing, the properties as the desktop lists them, and the
// measures as the desktop copies them.
std::string Detalles(const pendra::Solucion& s) {
    const pendra::Propiedades p = pendra::PropiedadesDe(s);
    const pendra::MedidasEnGrados& m = s.precisa;
    std::string salida =
        "{\"franja\": " + Cadena("Área " + pendra::TextoValor(p.area) + "   Perímetro " +
                                 pendra::TextoValor(p.perimetro));
    salida += ", \"filas\": [";
    bool primera = true;
    for (const auto& [nombre, valor] : pendra::FilasPropiedades(p)) {
        salida += (primera ? "[" : ", [") + Cadena(nombre) + ", " + Cadena(valor) + "]";
        primera = false;
    }
    std::string copia = "Medida\tValor\n";
    for (std::uint8_t i = 1; i <= 3; ++i) {
        copia += pendra::NombreEnTabla({pendra::TipoCampo::Lado, i}) + "\t" +
                 pendra::TextoCompleto(m.Lado(i)) + "\n";
    }
    for (std::uint8_t i = 1; i <= 3; ++i) {
        copia += pendra::NombreEnTabla({pendra::TipoCampo::Angulo, i}) + "\t" +
                 pendra::TextoCompleto(m.Angulo(i)) + "\n";
    }
    for (const auto& [nombre, valor] : {std::pair{"Área", p.area}, {"Perímetro", p.perimetro}}) {
        if (valor) {
            copia += std::string(nombre) + "\t" + pendra::TextoCompleto(*valor) + "\n";
        }
    }
    // The copy holds tabs and line ends: escaped as JSON wants them.
    std::string escapada;
    for (const char c : copia) {
        escapada += c == '\t'   ? std::string("\\t")
                    : c == '\n' ? std::string("\\n")
                                : std::string(1, c);
    }
    return salida + "], \"copia\": \"" + escapada + "\"}";
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

// Solution i of the last request placed and fitted to a picture `ancho` by
// `alto` as the result window fits it: the apex, the base's far end (the
// origin is the other vertex) and the view [left, top, right, bottom], in
// the drawing plane; null when the picture has no room.
EMSCRIPTEN_KEEPALIVE const char* pendra_vista(std::size_t i, double ancho, double alto) {
    if (i >= soluciones.size()) {
        return Guardar("null");
    }
    pendra::GeometriaTriangulo g(soluciones[i].medidas);
    if (!g.AjustarRangos(static_cast<float>(ancho), static_cast<float>(alto))) {
        return Guardar("null");
    }
    const pendra::Vista v = g.VistaAjustada();
    const auto n = [](float x) { return NumeroJson(x); };
    return Guardar("{\"apice\": [" + n(g.VerticeX()) + ", " + n(g.VerticeY()) +
                   "], \"base\": " + n(g.Base()) + ", \"vista\": [" + n(v.izquierda) + ", " +
                   n(v.arriba) + ", " + n(v.derecha) + ", " + n(v.abajo) + "]}");
}

// The length in bytes of the last answer.
EMSCRIPTEN_KEEPALIVE std::size_t pendra_largo() {
    return respuesta.size();
}

}  // extern "C"
