// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

namespace pendra::fuzz {

// Splits the bytes at '|' into the six field texts (missing ones are empty,
// extra ones dropped), runs one solve request and aborts if anything it shows
// is undefined: a NaN or infinite measure or label, a solution that is not a
// triangle, a label longer than a label can be, or a request that ends in
// neither one message nor one or two windows.
void ProbarEntrada(const std::uint8_t* datos, std::size_t tamano);

}  // namespace pendra::fuzz
