// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// pendra-cli: the solve request without windows, for scripts and batch work.

#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "flujos.h"
#include "plataforma.h"
#include "presentacion.h"
#include "salida.h"
#include "texto.h"

namespace {

using pendra::cli::Escritura;

// The answers could not be written, or the input could not be read.
constexpr int kEstadoEntradaSalida = 3;

constexpr const char* kUso =
    "Uso: pendra-cli [--json] [--procedimiento] [--svg ANCHOxALTO] A1 L1 A2 L2 A3 L3\n"
    "     pendra-cli [--json] [--procedimiento] [--svg ANCHOxALTO] < archivo\n"
    "     pendra-cli --svg ANCHOxALTO [--solucion N] A1 L1 A2 L2 A3 L3 > figura.svg\n"
    "\n"
    "Resuelve un triángulo plano a partir de tres de sus seis medidas.\n"
    "Los seis campos van en este orden: ángulo 1, lado 1, ángulo 2, lado 2,\n"
    "ángulo 3, lado 3; \"\" para un campo vacío. Los ángulos van en grados,\n"
    "también con minutos y segundos (45°30'15\"); el separador decimal es el\n"
    "punto o la coma (2.5 o 2,5).\n"
    "Sin campos, lee una solicitud por línea de la entrada estándar, con los\n"
    "seis campos separados por tabuladores.\n"
    "\n"
    "  --json           una línea de JSON por solicitud\n"
    "  --procedimiento  añade el procedimiento de cada solución (caso, teoremas\n"
    "                   y cuentas) y, si no hay triángulo, el motivo\n"
    "  --svg ANCHOxALTO el dibujo de cada solución como documento SVG de ese\n"
    "                   tamaño en píxeles (800x446): con --json, en \"svg\";\n"
    "                   sin --json, el documento solo, en la salida estándar\n"
    "  --solucion N     con --svg sin --json, la solución que se dibuja (1 o 2)\n"
    "  --help           muestra esta ayuda\n"
    "  --version        muestra la versión\n"
    "\n"
    "Estado de salida: 0 si hay solución (o, leyendo la entrada, si se\n"
    "respondió cada línea); 1 si la solicitud terminó en un mensaje;\n"
    "2 si la llamada es incorrecta; 3 si no se pudo escribir la salida o\n"
    "leer la entrada.\n";

int ErrorDeUso(const std::string& motivo) {
    std::cerr << "pendra-cli: " << motivo << "\n\n" << kUso;
    return 2;
}

int ErrorDeEntradaSalida(const char* que, int error) {
    std::cerr << "pendra-cli: no se pudo " << que << ": " << pendra::cli::DescribirError(error)
              << ".\n";
    return kEstadoEntradaSalida;
}

// Writes out what is left; the status of a run whose answers all went out.
int Terminar(Escritura& salida, int estado) {
    if (!salida.Vaciar()) {
        return ErrorDeEntradaSalida("escribir la salida", salida.Error());
    }
    return estado;
}

// What the options ask of the output.
struct Opciones {
    bool json = false;
    bool procedimiento = false;
    std::optional<pendra::cli::TamanoSvg> svg;
    int solucion = 0;  // with --svg alone: the solution drawn, 0 for the first
};

// The largest picture side --svg draws, in pixels.
constexpr int kLadoSvgMaximo = 10000;

// "800x446" (or with ×): both sides whole pixels from 1 to kLadoSvgMaximo.
std::optional<pendra::cli::TamanoSvg> LeerTamano(std::string_view texto) {
    std::size_t x = texto.find('x');
    std::size_t largoX = 1;
    if (x == std::string_view::npos) {
        x = texto.find("\u00D7");
        largoX = 2;
    }
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto numero = [](std::string_view t) -> std::optional<int> {
        int n = 0;
        const auto [fin, error] = std::from_chars(t.data(), t.data() + t.size(), n);
        if (error != std::errc() || fin != t.data() + t.size() || n < 1 || n > kLadoSvgMaximo) {
            return std::nullopt;
        }
        return n;
    };
    const std::optional<int> ancho = numero(texto.substr(0, x));
    const std::optional<int> alto = numero(texto.substr(x + largoX));
    if (!ancho || !alto) {
        return std::nullopt;
    }
    return pendra::cli::TamanoSvg{*ancho, *alto};
}

void Escribir(Escritura& salida, const pendra::Respuesta& respuesta, const Opciones& opciones) {
    std::string& buffer = salida.Pendiente();
    if (opciones.json) {
        pendra::cli::EscribirJson(respuesta, buffer, opciones.procedimiento,
                                  opciones.svg ? &*opciones.svg : nullptr);
        buffer.push_back('\n');
    } else {
        pendra::cli::EscribirTexto(respuesta, buffer, opciones.procedimiento);
    }
    salida.Revisar();
}

// --svg without --json: the picture of one solution alone on standard output,
// for a script that makes figures; what is not a picture goes to standard
// error.
int Dibujar(const pendra::Respuesta& respuesta, const Opciones& opciones) {
    if (respuesta.mensaje) {
        std::cerr << pendra::cli::EnTexto(respuesta);
        return 1;
    }
    const std::size_t total = respuesta.soluciones.size();
    const std::size_t cual =
        opciones.solucion > 0 ? static_cast<std::size_t>(opciones.solucion) : 1;
    if (cual > total) {
        std::cerr << "pendra-cli: esos datos tienen " << total << " solución"
                  << (total == 1 ? "" : "es") << "; no hay solución " << cual << ".\n";
        return 1;
    }
    if (total == 2 && opciones.solucion == 0) {
        std::cerr << "pendra-cli: esos datos tienen dos soluciones; este es el dibujo de la "
                     "primera (--solucion 2 da el de la segunda).\n";
    }
    Escritura salida(pendra::cli::kSalida);
    salida.Escribir(pendra::SvgDeSolucion(respuesta.soluciones[cual - 1], opciones.svg->ancho,
                                          opciones.svg->alto));
    return Terminar(salida, 0);
}

int Lote(const Opciones& opciones) {
    if (pendra::cli::EsTerminal(pendra::cli::kEntrada)) {
        std::cerr << "pendra-cli: lee una solicitud por línea, con seis campos separados por "
                     "tabuladores, hasta el final de la entrada ("
                  << pendra::cli::FinDeEntrada() << ").\n";
    }
    pendra::cli::PrepararLote();
    Escritura salida(pendra::cli::kSalida);
    pendra::cli::LectorLineas entrada(pendra::cli::kEntrada, salida);
    unsigned long numero = 0;
    while (!salida.Fallo() && entrada.Siguiente()) {
        ++numero;
        pendra::Respuesta respuesta;
        if (entrada.SeisCampos()) {
            const std::array<std::string, 6>& textos = entrada.Campos();
            respuesta = pendra::Responder(
                pendra::TextosCampos{textos[0], textos[1], textos[2], textos[3], textos[4],
                                     textos[5]},
                opciones.procedimiento ? pendra::ConMotivo::Si : pendra::ConMotivo::No);
        } else {
            respuesta.mensaje =
                pendra::Mensaje{"Error en la entrada",
                                "La línea " + std::to_string(numero) +
                                    " debe tener seis campos separados por tabuladores.",
                                std::nullopt,
                                {}};
        }
        if (!opciones.json && numero > 1) {
            salida.Escribir("\n");
        }
        Escribir(salida, respuesta, opciones);
    }
    const int estado = Terminar(salida, 0);
    if (estado == 0 && entrada.Error() != 0) {
        return ErrorDeEntradaSalida("leer la entrada", entrada.Error());
    }
    return estado;
}

}  // namespace

int main(int argc, char** argv) {
    pendra::cli::PrepararFlujos();
    std::vector<std::string> argumentos = pendra::cli::Argumentos(argc, argv);
    if (argumentos.size() == 1 &&
        (argumentos[0] == "--help" || argumentos[0] == "-h" || argumentos[0] == "--version")) {
        Escritura salida(pendra::cli::kSalida);
        salida.Escribir(argumentos[0] == "--version" ? "pendra-cli " PENDRA_VERSION "\n" : kUso);
        return Terminar(salida, 0);
    }
    Opciones opciones;
    // Options come first, each once, in any order: a field text such as "-5"
    // must reach the solver as typed.
    while (!argumentos.empty()) {
        const std::string opcion = argumentos[0];
        bool* bandera = opcion == "--json"            ? &opciones.json
                        : opcion == "--procedimiento" ? &opciones.procedimiento
                                                      : nullptr;
        if (bandera != nullptr && !*bandera) {
            *bandera = true;
            argumentos.erase(argumentos.begin());
            continue;
        }
        const bool svg = opcion == "--svg" || opcion.starts_with("--svg=");
        const bool solucion = opcion == "--solucion" || opcion.starts_with("--solucion=");
        if ((!svg && !solucion) || (svg && opciones.svg) || (solucion && opciones.solucion)) {
            break;
        }
        const std::size_t igual = opcion.find('=');
        std::string valor;
        if (igual != std::string::npos) {
            valor = opcion.substr(igual + 1);
            argumentos.erase(argumentos.begin());
        } else if (argumentos.size() >= 2) {
            valor = argumentos[1];
            argumentos.erase(argumentos.begin(), argumentos.begin() + 2);
        } else {
            return ErrorDeUso(svg ? "--svg necesita un tamaño, como 800x446."
                                  : "--solucion necesita el número de la solución, 1 o 2.");
        }
        if (svg) {
            opciones.svg = LeerTamano(valor);
            if (!opciones.svg) {
                return ErrorDeUso("el tamaño de --svg es ANCHOxALTO en píxeles, de 1 a " +
                                  std::to_string(kLadoSvgMaximo) + " cada uno, como 800x446: «" +
                                  valor + "».");
            }
        } else if (valor == "1" || valor == "2") {
            opciones.solucion = valor[0] - '0';
        } else {
            return ErrorDeUso("--solucion es 1 o 2: «" + valor + "».");
        }
    }
    // Anything else that starts with "-" and holds no number is a mistyped
    // or misplaced option, never a field.
    for (const std::string& argumento : argumentos) {
        if (argumento.starts_with('-') && !pendra::TieneNumero(argumento)) {
            const bool conocida = argumento == "--json" || argumento == "--procedimiento" ||
                                  argumento == "--help" || argumento == "-h" ||
                                  argumento == "--version" || argumento.starts_with("--svg") ||
                                  argumento.starts_with("--solucion");
            return ErrorDeUso(conocida ? "la opción «" + argumento + "» no va en ese lugar."
                                       : "opción desconocida: «" + argumento + "».");
        }
    }
    const bool soloDibujo = opciones.svg && !opciones.json;
    if (opciones.solucion > 0 && !soloDibujo) {
        return ErrorDeUso("--solucion elige el dibujo de --svg sin --json.");
    }
    if (soloDibujo && opciones.procedimiento) {
        return ErrorDeUso(
            "--svg sin --json escribe solo el dibujo; --procedimiento va con --json "
            "o sin --svg.");
    }
    if (soloDibujo && argumentos.empty()) {
        return ErrorDeUso("--svg sin --json dibuja una sola solicitud: dé sus seis campos.");
    }
    if (argumentos.empty()) {
        return Lote(opciones);
    }
    if (argumentos.size() != 6) {
        return ErrorDeUso("se esperaban seis campos y se recibieron " +
                          std::to_string(argumentos.size()) + ".");
    }
    pendra::TextosCampos campos;
    std::copy(argumentos.begin(), argumentos.end(), campos.begin());
    const pendra::Respuesta respuesta = pendra::Responder(
        campos, opciones.procedimiento ? pendra::ConMotivo::Si : pendra::ConMotivo::No);
    if (soloDibujo) {
        return Dibujar(respuesta, opciones);
    }
    Escritura salida(pendra::cli::kSalida);
    Escribir(salida, respuesta, opciones);
    return Terminar(salida, respuesta.soluciones.empty() ? 1 : 0);
}
