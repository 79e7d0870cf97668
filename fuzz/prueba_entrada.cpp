#include "prueba_entrada.h"

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
#include "grabadora.h"
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

// What a result window would show for `m` must be a triangle with readable
// labels.
void ComprobarVentana(const Medidas& m) {
    if (!EsTriangulo(m)) {
        Fallar("a window for something that is not a triangle");
    }
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (!(m.Angulo(i) <= Pi)) {
            Fallar("an angle beyond the half turn");
        }
        for (const std::string& etiqueta :
             {FormatoMedida(m.Angulo(i) / RadPorGrado), FormatoMedida(m.Lado(i))}) {
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
    std::array<std::string, 6> textos;
    std::size_t inicio = 0;
    for (std::string& campo : textos) {
        if (inicio > texto.size()) {
            break;
        }
        const std::size_t fin = std::min(texto.find('|', inicio), texto.size());
        campo = texto.substr(inicio, fin - inicio);
        inicio = fin + 1;
    }
    for (const std::string& campo : textos) {
        ComprobarLecturaPorTrozos(campo);
    }
    Grabadora grabadora(textos);
    Medidas medidas;
    cmdResolver_Click(grabadora, medidas);
    int mensajes = 0;
    int ventanas = 0;
    for (const Grabadora::Evento& e : grabadora.eventos) {
        switch (e.tipo) {
            case Grabadora::Evento::Tipo::Mensaje:
                if (e.texto.empty() || e.titulo.empty()) {
                    Fallar("empty message");
                }
                ++mensajes;
                break;
            case Grabadora::Evento::Tipo::Foco:
                if (e.campo.indice < 1 || e.campo.indice > 3 || mensajes != 1) {
                    Fallar("focus moved outside a message");
                }
                break;
            case Grabadora::Evento::Tipo::Ventana:
                ComprobarVentana(e.medidas);
                ++ventanas;
                break;
        }
    }
    const bool unMensaje = mensajes == 1 && ventanas == 0;
    const bool conVentanas = mensajes == 0 && (ventanas == 1 || ventanas == 2);
    if (!unMensaje && !conVentanas) {
        Fallar("a request must end in one message or in one or two windows");
    }
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (std::isnan(medidas.Angulo(i)) || std::isinf(medidas.Angulo(i)) ||
            std::isnan(medidas.Lado(i)) || std::isinf(medidas.Lado(i))) {
            Fallar("an undefined value left in the measures");
        }
    }
}

}  // namespace pendra::fuzz
