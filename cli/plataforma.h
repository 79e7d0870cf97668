// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The few system calls pendra-cli makes, the same on POSIX systems and on
// Windows: descriptors 0 and 1, raw reads and writes, whether one is a
// terminal.
namespace pendra::cli {

inline constexpr int kEntrada = 0;
inline constexpr int kSalida = 1;

// Sets the standard streams up for bytes as they are: on Windows no "\n" to
// "\r\n" in the output (a "\r\n" in the input is accepted as a line end
// anyway), and UTF-8 on a console so that Spanish text reads right.
void PrepararFlujos();

// Before a batch, on Linux: an output pipe smaller than 256 KiB is enlarged
// to that, or to a 256th of the system's soft limit on a user's pipes where
// that is less, so that writer and reader do not keep waiting for each
// other. Nothing else is touched.
void PrepararLote();

// The arguments after the program's name, in UTF-8. On Windows they come
// from the UTF-16 command line, not from the ANSI code page's argv, which
// cannot hold "−30" and mangles "45°30'".
std::vector<std::string> Argumentos(int argc, char** argv);

bool EsTerminal(int descriptor);

// As read(2) and write(2): bytes moved, or -1 with errno set.
long Leer(int descriptor, char* destino, std::size_t cuantos);
long Escribir(int descriptor, const char* origen, std::size_t cuantos);

// Waits until a descriptor set not to block can be read (or written): a
// caller that reads or writes late is waited for, not given up on. False when
// the wait itself fails, or where descriptors cannot be waited on.
bool EsperarListo(int descriptor, bool paraEscribir);

// How a user ends typed input at this system's terminal.
const char* FinDeEntrada();

}  // namespace pendra::cli
