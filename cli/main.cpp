// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// pendra-cli: the solve request without windows, for scripts and batch work.

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "flujos.h"
#include "plataforma.h"
#include "salida.h"
#include "texto.h"

namespace {

using pendra::cli::Escritura;

// The answers could not be written, or the input could not be read.
constexpr int kEstadoEntradaSalida = 3;

constexpr const char* kUso =
    "Uso: pendra-cli [--json] [--procedimiento] A1 L1 A2 L2 A3 L3\n"
    "     pendra-cli [--json] [--procedimiento] < archivo\n"
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
};

void Escribir(Escritura& salida, const pendra::Respuesta& respuesta, Opciones opciones) {
    std::string& buffer = salida.Pendiente();
    if (opciones.json) {
        pendra::cli::EscribirJson(respuesta, buffer, opciones.procedimiento);
        buffer.push_back('\n');
    } else {
        pendra::cli::EscribirTexto(respuesta, buffer, opciones.procedimiento);
    }
    salida.Revisar();
}

int Lote(Opciones opciones) {
    if (pendra::cli::EsTerminal(pendra::cli::kEntrada)) {
        std::cerr << "pendra-cli: lee una solicitud por línea, con seis campos separados por "
                     "tabuladores, hasta el final de la entrada ("
                  << pendra::cli::FinDeEntrada() << ").\n";
    }
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
        bool* opcion = argumentos[0] == "--json"            ? &opciones.json
                       : argumentos[0] == "--procedimiento" ? &opciones.procedimiento
                                                            : nullptr;
        if (opcion == nullptr || *opcion) {
            break;
        }
        *opcion = true;
        argumentos.erase(argumentos.begin());
    }
    // Anything else that starts with "-" and holds no number is a mistyped
    // or misplaced option, never a field.
    for (const std::string& argumento : argumentos) {
        if (argumento.starts_with('-') && !pendra::TieneNumero(argumento)) {
            const bool conocida = argumento == "--json" || argumento == "--procedimiento" ||
                                  argumento == "--help" || argumento == "-h" ||
                                  argumento == "--version";
            return ErrorDeUso(conocida ? "la opción «" + argumento + "» no va en ese lugar."
                                       : "opción desconocida: «" + argumento + "».");
        }
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
    Escritura salida(pendra::cli::kSalida);
    Escribir(salida, respuesta, opciones);
    return Terminar(salida, respuesta.soluciones.empty() ? 1 : 0);
}
