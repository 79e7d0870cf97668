// The page's and pendra-cli.mjs's way into the core: field texts in, the JSON
// answer pendra-cli --json gives out. Texts go in as bytes with their lengths,
// so nothing is decoded or lost on the way.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "salida.h"

namespace {

std::string respuesta;

const char* Guardar(const pendra::cli::Respuesta& r) {
    respuesta = pendra::cli::EnJson(r);
    return respuesta.c_str();
}

}  // namespace

extern "C" {

// The six fields in tab order, each at textos[i] with largos[i] bytes.
EMSCRIPTEN_KEEPALIVE const char* pendra_responder(const char* const* textos,
                                                  const std::size_t* largos) {
    pendra::cli::Campos campos;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        campos[i].assign(textos[i], largos[i]);
    }
    return Guardar(pendra::cli::Responder(campos));
}

// One input line of pendra-cli (line end removed) and its number, answered as
// pendra-cli answers it: six tab-separated fields, or the message it gives.
EMSCRIPTEN_KEEPALIVE const char* pendra_linea(const char* texto, std::size_t largo,
                                              unsigned long numero) {
    std::string_view linea(texto, largo);
    if (std::count(linea.begin(), linea.end(), '\t') != 5) {
        pendra::cli::Respuesta r;
        r.mensaje = pendra::cli::Mensaje{
            "Error en la entrada",
            "La línea " + std::to_string(numero) +
                " debe tener seis campos separados por tabuladores.",
            std::nullopt};
        return Guardar(r);
    }
    pendra::cli::Campos campos;
    for (std::string& campo : campos) {
        const std::size_t tab = std::min(linea.find('\t'), linea.size());
        campo.assign(linea.substr(0, tab));
        linea.remove_prefix(std::min(tab + 1, linea.size()));
    }
    return Guardar(pendra::cli::Responder(campos));
}

// The length in bytes of the last answer.
EMSCRIPTEN_KEEPALIVE std::size_t pendra_largo() { return respuesta.size(); }

}  // extern "C"
