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
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

void PrepararLote() {}

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

void PrepararFlujos() {}

#if defined(F_SETPIPE_SZ) && defined(F_GETPIPE_SZ)

namespace {

// Four of the batch's writes of 64 KiB. Measured on a batch into a pipe, the
// writer then hardly ever waits for the reader (tens of waits instead of one
// a write), as with 1 MiB.
constexpr long kTuboLote = 256 * 1024;

// The most a batch's output pipe may take: a 256th of the soft limit on all of
// a user's pipes together, past which each new pipe of that user gets the
// smallest buffer. The user's current use cannot be read, so the share is
// kept small enough for hundreds of batches at once. Nothing where the limit
// cannot be read.
long TuboPermitido() {
    std::FILE* archivo = std::fopen("/proc/sys/fs/pipe-user-pages-soft", "r");
    if (archivo == nullptr) {
        return 0;
    }
    long paginas = -1;
    const bool leido = std::fscanf(archivo, "%ld", &paginas) == 1;
    std::fclose(archivo);
    if (!leido || paginas < 0) {
        return 0;
    }
    if (paginas == 0) {  // no soft limit
        return kTuboLote;
    }
    return std::min(kTuboLote, paginas / 256 * sysconf(_SC_PAGESIZE));
}

}  // namespace

void PrepararLote() {
    struct stat datos {};
    if (fstat(kSalida, &datos) != 0 || !S_ISFIFO(datos.st_mode)) {
        return;
    }
    const long tamano = TuboPermitido();
    // A pipe already as large is left alone; a refusal changes nothing.
    if (fcntl(kSalida, F_GETPIPE_SZ) < tamano) {
        fcntl(kSalida, F_SETPIPE_SZ, static_cast<int>(tamano));
    }
}

#else

void PrepararLote() {}

#endif

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
