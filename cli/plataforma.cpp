// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plataforma.h"

#include <algorithm>
#include <climits>
#include <utility>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace pendra::cli {

#if defined(_WIN32)

namespace {

// The Windows calls take an unsigned int count.
unsigned int Acotar(std::size_t cuantos) {
    return cuantos > INT_MAX ? INT_MAX : static_cast<unsigned int>(cuantos);
}

}  // namespace

void PrepararFlujos() {
    // Typed input stays in text mode, where Ctrl+Z ends it; a file or a pipe
    // is read as it is.
    if (!EsTerminal(kEntrada)) {
        _setmode(kEntrada, _O_BINARY);
    }
    _setmode(kSalida, _O_BINARY);
    _setmode(2, _O_BINARY);
    if (EsTerminal(kSalida) || EsTerminal(2)) {
        SetConsoleOutputCP(CP_UTF8);
    }
}

std::vector<std::string> Argumentos(int argc, char** argv) {
    int n = 0;
    wchar_t** anchos = CommandLineToArgvW(GetCommandLineW(), &n);
    if (anchos == nullptr) {
        return {argv + std::min(argc, 1), argv + argc};
    }
    std::vector<std::string> argumentos;
    for (int i = 1; i < n; ++i) {
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, anchos[i], -1, nullptr, 0, nullptr, nullptr);
        std::string texto(static_cast<std::size_t>(std::max(bytes, 1)), '\0');
        WideCharToMultiByte(CP_UTF8, 0, anchos[i], -1, texto.data(), bytes, nullptr, nullptr);
        texto.pop_back();  // the terminating zero
        argumentos.push_back(std::move(texto));
    }
    LocalFree(anchos);
    return argumentos;
}

bool EsTerminal(int descriptor) {
    return _isatty(descriptor) != 0;
}

long Leer(int descriptor, char* destino, std::size_t cuantos) {
    return _read(descriptor, destino, Acotar(cuantos));
}

long Escribir(int descriptor, const char* origen, std::size_t cuantos) {
    return _write(descriptor, origen, Acotar(cuantos));
}

bool EsperarListo(int, bool) {
    return false;
}

const char* FinDeEntrada() {
    return "Ctrl+Z y Intro";
}

#else

void PrepararFlujos() {
#if defined(F_SETPIPE_SZ)
    // Into a pipe, a batch's answers are 1.7 times the size of its questions
    // and more: with the pipe as large as an unprivileged process may make
    // it, neither end keeps stopping to wait for the other, which cost the
    // kernel about as much as solving. Anything else refuses, and that is fine.
    fcntl(kSalida, F_SETPIPE_SZ, 1 << 20);
#endif
}

std::vector<std::string> Argumentos(int argc, char** argv) {
    return {argv + std::min(argc, 1), argv + argc};
}

bool EsTerminal(int descriptor) {
    return isatty(descriptor) == 1;
}

long Leer(int descriptor, char* destino, std::size_t cuantos) {
    return ::read(descriptor, destino, cuantos);
}

long Escribir(int descriptor, const char* origen, std::size_t cuantos) {
    return ::write(descriptor, origen, cuantos);
}

bool EsperarListo(int descriptor, bool paraEscribir) {
    pollfd espera{descriptor, static_cast<short>(paraEscribir ? POLLOUT : POLLIN), 0};
    while (::poll(&espera, 1, -1) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

const char* FinDeEntrada() {
    return "Ctrl+D";
}

#endif

}  // namespace pendra::cli
