// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errores.h"

#include <cerrno>

namespace pendra {

namespace {

constexpr ErrorDelSistema kErrores[] = {
    {ENOSPC, "no queda espacio en el disco"},
#if defined(EDQUOT)  // not in every C library, mingw-w64's among them
    {EDQUOT, "se ha superado la cuota de disco"},
#endif
    {EROFS, "el sistema de archivos es de solo lectura"},
    {EACCES, "permiso denegado"},
    {EPERM, "operación no permitida"},
    {ENOENT, "la carpeta no existe"},
    {ENOTDIR, "una parte de la ruta no es una carpeta"},
    {EISDIR, "es una carpeta"},
    {ENAMETOOLONG, "el nombre es demasiado largo"},
    {EFBIG, "el archivo es demasiado grande"},
    {EIO, "error de entrada o salida en el dispositivo"},
    {EMFILE, "hay demasiados archivos abiertos"},
    {ENFILE, "hay demasiados archivos abiertos en el sistema"},
    {ELOOP, "hay demasiados enlaces simbólicos en la ruta"},
    {EBUSY, "el dispositivo está ocupado"},
    {ETXTBSY, "el archivo está en uso"},
    {EPIPE, "quien leía la salida la ha cerrado"},
    {EBADF, "el descriptor no está abierto"},
};

}  // namespace

std::span<const ErrorDelSistema> ErroresDelSistema() {
    return kErrores;
}

std::string TextoDeError(int numero) {
    for (const ErrorDelSistema& e : kErrores) {
        if (e.numero == numero) {
            return e.texto;
        }
    }
    return "error del sistema número " + std::to_string(numero);
}

}  // namespace pendra
