// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "prueba_entrada.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "formato.h"
#include "funciones.h"
#include "globales.h"
#include "solicitud.h"
#include "texto.h"

namespace pendra::fuzz {

namespace {

// The longest label: fifteen integer digits, or four mantissa characters
// followed by E, a sign and three exponent digits.
constexpr std::size_t kEtiquetaMaxima = 15;

[[noreturn]] void Fallar(const char* motivo) {
    std::fprintf(stderr, "pendra fuzz: %s\n", motivo);
    std::abort();
}

// What a result window would show for `s` must be a triangle with readable
// labels.
void ComprobarVentana(const Solucion& s) {
    if (!EsTriangulo(s)) {
        Fallar("a window for something that is not a triangle");
    }
    const Etiquetas etiquetas = EtiquetasDe(s.precisa);
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (!(s.medidas.Angulo(i) <= Pi) || !(s.precisa.Angulo(i) <= 180)) {
            Fallar("an angle beyond the half turn");
        }
        for (const std::string& etiqueta :
             {etiquetas.angulos[PosicionMedida(i)], etiquetas.lados[PosicionMedida(i)]}) {
            if (etiqueta.empty() || etiqueta.size() > kEtiquetaMaxima ||
                etiqueta.find_first_not_of("0123456789.E+-") != std::string::npos) {
                Fallar("a label that is not a number");
            }
        }
    }
}

// Reading a text in pieces must give what reading it whole gives, bit for bit:
// pendra-cli relies on it for fields too long to keep.
void ComprobarLecturaPorTrozos(std::string_view texto) {
    for (const TipoCampo tipo : {TipoCampo::Angulo, TipoCampo::Lado}) {
        const LecturaCampo entera = LeerCampo(texto, tipo);
        LectorCampo lector(tipo);
        for (std::size_t i = 0; i < texto.size(); ++i) {
            lector.Leer(texto.substr(i, 1));
        }
        const LecturaCampo trozos = lector.Terminar();
        if (std::memcmp(&entera.valor, &trozos.valor, sizeof(double)) != 0 ||
            entera.fueraDeRango != trozos.fueraDeRango || entera.noEsNumero != trozos.noEsNumero) {
            Fallar("a field read in pieces reads otherwise");
        }
    }
}

}  // namespace

void ProbarEntrada(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    TextosCampos textos;
    std::size_t inicio = 0;
    for (std::string_view& campo : textos) {
        if (inicio > texto.size()) {
            break;
        }
        const std::size_t fin = std::min(texto.find('|', inicio), texto.size());
        campo = texto.substr(inicio, fin - inicio);
        inicio = fin + 1;
    }
    for (const std::string_view campo : textos) {
        ComprobarLecturaPorTrozos(campo);
    }
    const Respuesta respuesta = Responder(textos, ConMotivo::Si);
    if (respuesta.mensaje) {
        const Mensaje& m = *respuesta.mensaje;
        if (m.texto.empty() || m.titulo.empty()) {
            Fallar("empty message");
        }
        if (m.titulo == mensajes::kTituloSinSolucion && m.motivo.empty()) {
            Fallar("no triangle, and no reason given");
        }
        if (m.campo && (m.campo->indice < 1 || m.campo->indice > 3)) {
            Fallar("focus on a field that does not exist");
        }
        if (!respuesta.soluciones.empty()) {
            Fallar("a request must end in one message or in one or two windows");
        }
        return;
    }
    if (respuesta.soluciones.empty()) {
        Fallar("a request must end in one message or in one or two windows");
    }
    for (const Solucion& s : respuesta.soluciones) {
        ComprobarVentana(s);
    }
}

}  // namespace pendra::fuzz
