// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Put in front of decimal.cpp by the test builds of its other paths. The
// standard headers are read first, with this compiler's own macros; then the
// macros decimal.cpp looks at are set as another compiler or machine sets
// them, so that this machine builds and runs the code those take.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

// No SSE2 (MSVC names it otherwise; most other processors have none).
#undef __SSE2__

// MSVC: no 128-bit integer and none of the compilers' byte-order macros.
#if defined(PENDRA_PRUEBA_SIN_INT128)
#undef __SIZEOF_INT128__
#endif
#if defined(PENDRA_PRUEBA_SIN_ORDEN)
#undef __BYTE_ORDER__
#undef __ORDER_LITTLE_ENDIAN__
#undef __ORDER_BIG_ENDIAN__
#endif

// A big-endian machine: its macros, and the byte-by-byte stores it takes.
#if defined(PENDRA_PRUEBA_GRANDE)
#undef __BYTE_ORDER__
#define __BYTE_ORDER__ __ORDER_BIG_ENDIAN__
#define PENDRA_DECIMAL_BYTES_SUELTOS
#endif
