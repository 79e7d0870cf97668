// pendra-cli: the solve request without windows, for scripts and batch work.

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "salida.h"

namespace {

constexpr const char* kUso =
    "Uso: pendra-cli [--json] A1 L1 A2 L2 A3 L3\n"
    "     pendra-cli [--json] < archivo\n"
    "\n"
    "Resuelve un triángulo plano a partir de tres de sus seis medidas.\n"
    "Los seis campos van en este orden: ángulo 1, lado 1, ángulo 2, lado 2,\n"
    "ángulo 3, lado 3; los ángulos en grados, \"\" para un campo vacío y el\n"
    "punto como separador decimal.\n"
    "Sin campos, lee una solicitud por línea de la entrada estándar, con los\n"
    "seis campos separados por tabuladores.\n"
    "\n"
    "  --json     una línea de JSON por solicitud\n"
    "  --help     muestra esta ayuda\n"
    "  --version  muestra la versión\n"
    "\n"
    "Estado de salida: 0 si hay solución (o, leyendo la entrada, si se\n"
    "respondió cada línea); 1 si la solicitud terminó en un mensaje;\n"
    "2 si la llamada es incorrecta.\n";

void Escribir(const pendra::cli::Respuesta& respuesta, bool json) {
    if (json) {
        std::cout << pendra::cli::EnJson(respuesta) << '\n';
    } else {
        std::cout << pendra::cli::EnTexto(respuesta);
    }
}

int Lote(bool json) {
    std::string linea;
    unsigned long numero = 0;
    bool primera = true;
    while (std::getline(std::cin, linea)) {
        ++numero;
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
        }
        std::vector<std::string> partes;
        std::size_t inicio = 0;
        for (;;) {
            const std::size_t tab = linea.find('\t', inicio);
            partes.push_back(linea.substr(inicio, tab - inicio));
            if (tab == std::string::npos) {
                break;
            }
            inicio = tab + 1;
        }
        pendra::cli::Respuesta respuesta;
        if (partes.size() == 6) {
            pendra::cli::Campos campos;
            std::copy(partes.begin(), partes.end(), campos.begin());
            respuesta = pendra::cli::Responder(campos);
        } else {
            respuesta.mensaje =
                pendra::cli::Mensaje{"Error en la entrada",
                                     "La línea " + std::to_string(numero) +
                                         " debe tener seis campos separados por tabuladores.",
                                     std::nullopt};
        }
        if (!json && !primera) {
            std::cout << '\n';
        }
        primera = false;
        Escribir(respuesta, json);
        // Each answer goes out as soon as it is ready, for scripts that talk
        // to the program line by line.
        std::cout.flush();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argumentos(argv + 1, argv + argc);
    if (argumentos.size() == 1 && (argumentos[0] == "--help" || argumentos[0] == "-h")) {
        std::cout << kUso;
        return 0;
    }
    if (argumentos.size() == 1 && argumentos[0] == "--version") {
        std::cout << "pendra-cli " PENDRA_VERSION "\n";
        return 0;
    }
    bool json = false;
    // Only the first argument can be an option: a field text such as "-5"
    // must reach the solver as typed.
    if (!argumentos.empty() && argumentos[0] == "--json") {
        json = true;
        argumentos.erase(argumentos.begin());
    }
    if (argumentos.empty()) {
        return Lote(json);
    }
    if (argumentos.size() != 6) {
        std::cerr << "pendra-cli: se esperaban seis campos y se recibieron " << argumentos.size()
                  << ".\n\n"
                  << kUso;
        return 2;
    }
    pendra::cli::Campos campos;
    std::copy(argumentos.begin(), argumentos.end(), campos.begin());
    const pendra::cli::Respuesta respuesta = pendra::cli::Responder(campos);
    Escribir(respuesta, json);
    return respuesta.soluciones.empty() ? 1 : 0;
}
