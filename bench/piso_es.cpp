// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor pendra-cli's batch mode is measured against: a small program that
// does nothing but the input and output a batch needs. For each line of six
// tab-separated fields it writes the six fields read as doubles, each in its
// shortest round-trip text.
//
//   piso-es --atado   through the standard streams (std::getline, std::cout)
//                     with std::cin tied to std::cout, the streams' default:
//                     the output is flushed before every read, one write a line
//   piso-es           through the standard streams, untied: large writes
//   piso-es --crudo   through 64 KiB read and write calls, as pendra-cli does
//   piso-es --respuesta
//                     as --crudo, but writing for each line what a one-triangle
//                     JSON answer holds: 33 shortest round-trip numbers (the
//                     six fields read, and products of them) and six short
//                     strings, so that only the solving is left to compare

#include <unistd.h>

#include <charconv>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kBloque = 64 * 1024;

// Appends the six numbers of one line, tab-separated, with its line end.
void Responder(std::string_view linea, std::string& salida) {
    char numero[32];
    for (int k = 0; k < 6; ++k) {
        const std::size_t tab = linea.find('\t');
        const std::string_view campo = linea.substr(0, tab);
        linea.remove_prefix(tab == std::string_view::npos ? linea.size() : tab + 1);
        double valor = 0;
        std::from_chars(campo.data(), campo.data() + campo.size(), valor);
        salida.append(numero, std::to_chars(numero, numero + sizeof numero, valor).ptr);
        salida.push_back(k < 5 ? '\t' : '\n');
    }
}

// Appends as many numbers and strings as pendra-cli's answer for one triangle.
void ResponderComoUnTriangulo(std::string_view linea, std::string& salida) {
    double valores[6] = {};
    for (double& valor : valores) {
        const std::size_t tab = linea.find('\t');
        const std::string_view campo = linea.substr(0, tab);
        linea.remove_prefix(tab == std::string_view::npos ? linea.size() : tab + 1);
        std::from_chars(campo.data(), campo.data() + campo.size(), valor);
    }
    char numero[32];
    salida += "{\"numeros\": [";
    for (int k = 0; k < 33; ++k) {
        // Full-length digits, as a solved triangle's measures mostly have,
        // also where a field was empty.
        const double x = (valores[k % 6] + 1) * (1.0 + k / 7.0);
        salida.append(numero, std::to_chars(numero, numero + sizeof numero, x).ptr);
        salida += ", ";
    }
    salida += "], \"textos\": [";
    for (int k = 0; k < 6; ++k) {
        salida += "\"36.869\u00BA\", ";
    }
    salida += "]}\n";
}

int ConFlujos(bool atado) {
    // No syncing with C stdio; untied, no flushing before every read either.
    std::ios::sync_with_stdio(false);
    if (!atado) {
        std::cin.tie(nullptr);
    }
    std::string linea;
    std::string salida;
    while (std::getline(std::cin, linea)) {
        salida.clear();
        Responder(linea, salida);
        std::cout.write(salida.data(), static_cast<std::streamsize>(salida.size()));
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

bool Vaciar(std::string& salida) {
    std::size_t hecho = 0;
    while (hecho < salida.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, salida.data() + hecho, salida.size() - hecho);
        if (n <= 0) {
            return false;
        }
        hecho += static_cast<std::size_t>(n);
    }
    salida.clear();
    return true;
}

int Crudo(void (*responder)(std::string_view, std::string&)) {
    std::vector<char> buffer(kBloque);
    std::string resto;
    std::string salida;
    salida.reserve(2 * kBloque);
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer.data(), buffer.size());
        if (n <= 0) {
            break;
        }
        std::string_view datos(buffer.data(), static_cast<std::size_t>(n));
        for (std::size_t salto = datos.find('\n'); salto != std::string_view::npos;
             salto = datos.find('\n')) {
            if (resto.empty()) {
                responder(datos.substr(0, salto), salida);
            } else {
                resto.append(datos.substr(0, salto));
                responder(resto, salida);
                resto.clear();
            }
            datos.remove_prefix(salto + 1);
        }
        resto.append(datos);
        if (salida.size() >= kBloque && !Vaciar(salida)) {
            return 1;
        }
    }
    if (!resto.empty()) {
        responder(resto, salida);
    }
    return Vaciar(salida) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* modo = argc > 1 ? argv[1] : "";
    if (std::strcmp(modo, "--crudo") == 0) {
        return Crudo(Responder);
    }
    if (std::strcmp(modo, "--respuesta") == 0) {
        return Crudo(ResponderComoUnTriangulo);
    }
    return ConFlujos(std::strcmp(modo, "--atado") == 0);
}
