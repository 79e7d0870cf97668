// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Replays every file of a corpus folder through the same checks as the
// fuzzer, so builds without libFuzzer exercise it too.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "prueba_entrada.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA\n", argv[0]);
        return 2;
    }
    std::size_t archivos = 0;
    for (const auto& entrada : std::filesystem::directory_iterator(argv[1])) {
        if (!entrada.is_regular_file()) {
            continue;
        }
        std::ifstream archivo(entrada.path(), std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(archivo)),
                                      std::istreambuf_iterator<char>());
        pendra::fuzz::ProbarEntrada(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                    bytes.size());
        ++archivos;
    }
    std::printf("%zu entradas reproducidas\n", archivos);
    return archivos > 0 ? 0 : 1;
}
