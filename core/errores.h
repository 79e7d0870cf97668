// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>

namespace pendra {

// The system's reasons for a failed read or write, in Spanish, by error
// number: one table for pendra-cli's messages and the window's saves.
struct ErrorDelSistema {
    int numero;
    const char* texto;
};
std::span<const ErrorDelSistema> ErroresDelSistema();

// The reason for `numero`: its line of the table, or the number itself.
std::string TextoDeError(int numero);

}  // namespace pendra
