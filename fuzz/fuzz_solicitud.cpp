// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry: arbitrary bytes as the six field texts.

#include <cstddef>
#include <cstdint>

#include "prueba_entrada.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    pendra::fuzz::ProbarEntrada(datos, tamano);
    return 0;
}
