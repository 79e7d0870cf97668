// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flujos.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include "errores.h"
#include "exacto.h"
#include "formato.h"
#include "plataforma.h"
#include "solicitud.h"

namespace pendra::cli {

namespace {

// Large enough that a batch goes out in few system calls, small enough to
// stay in the cache.
constexpr std::size_t kBloque = 64 * 1024;

// A field longer than this is read as it comes instead of kept as typed; no
// one types that much, and six of them still fit in well under a megabyte.
constexpr std::size_t kCampoGuardado = 64 * 1024;

// Where a text ends once the carriage returns, vertical tabs and form feeds
// at its end are left off: at the end of a line they are part of its end.
std::size_t FinSinCierre(std::string_view texto) {
    const std::size_t ultimo = texto.find_last_not_of("\r\v\f");
    return ultimo == std::string_view::npos ? 0 : ultimo + 1;
}

// The call would block on a descriptor set not to block.
bool Ocupado(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

// A short text that the field rule reads exactly as it read a long one: the
// value's shortest decimal, which reads back to the same double.
std::string TextoEquivalente(const LecturaCampo& lectura) {
    if (lectura.noEsNumero) {
        return "?";
    }
    if (std::isinf(lectura.valor)) {
        return lectura.valor < 0 ? "-1e400" : "1e400";
    }
    if (lectura.fueraDeRango) {
        return lectura.negativo ? "-1e-400" : "1e-400";
    }
    // The exact number read, not its double: sums of fields are exact. Its
    // digits are bounded as the reading is.
    const std::string numero = TextoExacto(lectura.exacto, 2000, 820);
    return lectura.negativo || std::signbit(lectura.valor) ? "-" + numero : numero;
}

}  // namespace

void Escritura::Escribir(std::string_view texto) {
    if (error_ != 0) {
        return;
    }
    pendiente_.append(texto);
    Revisar();
}

void Escritura::Revisar() {
    if (pendiente_.size() >= kBloque) {
        Vaciar();
    }
}

bool Escritura::Vaciar() {
    if (error_ != 0) {
        return false;
    }
    std::size_t hecho = 0;
    while (hecho < pendiente_.size()) {
        const long n =
            cli::Escribir(descriptor_, pendiente_.data() + hecho, pendiente_.size() - hecho);
        if (n < 0) {
            if (errno == EINTR || (Ocupado(errno) && EsperarListo(descriptor_, true))) {
                continue;
            }
            error_ = errno;
            pendiente_.clear();
            return false;
        }
        hecho += static_cast<std::size_t>(n);
    }
    pendiente_.clear();
    return true;
}

LectorLineas::LectorLineas(int descriptor, Escritura& antesDeEsperar)
    : descriptor_(descriptor), antesDeEsperar_(antesDeEsperar), buffer_(kBloque) {}

bool LectorLineas::Llenar() {
    if (agotada_) {
        return false;
    }
    antesDeEsperar_.Vaciar();
    long n = 0;
    do {
        n = Leer(descriptor_, buffer_.data(), buffer_.size());
    } while (n < 0 && (errno == EINTR || (Ocupado(errno) && EsperarListo(descriptor_, false))));
    if (n < 0) {
        error_ = errno;
    }
    if (n <= 0) {
        agotada_ = true;
        return false;
    }
    inicio_ = 0;
    fin_ = static_cast<std::size_t>(n);
    return true;
}

void LectorLineas::Repartir(const char* desde, const char* hasta) {
    const char* p = desde;
    while (tabuladores_ <= 5) {
        const char* tab =
            static_cast<const char*>(std::memchr(p, '\t', static_cast<std::size_t>(hasta - p)));
        Agregar(tabuladores_, p, tab != nullptr ? tab : hasta);
        if (tab == nullptr) {
            return;
        }
        Cerrar(tabuladores_, false);
        ++tabuladores_;
        p = tab + 1;
    }
    // Past the sixth tab nothing more is kept.
}

void LectorLineas::Agregar(std::size_t campo, const char* desde, const char* hasta) {
    if (desde == hasta) {
        return;
    }
    std::string& texto = campos_[campo];
    std::optional<LectorCampo>& largo = largos_[campo];
    const std::size_t n = static_cast<std::size_t>(hasta - desde);
    if (!largo && texto.size() + n <= kCampoGuardado) {
        texto.append(desde, n);
        return;
    }
    if (!largo) {
        largo.emplace(campo % 2 == 0 ? TipoCampo::Angulo : TipoCampo::Lado);
        LeerLargo(campo, texto);
        texto.clear();
    }
    LeerLargo(campo, std::string_view(desde, n));
}

void LectorLineas::LeerLargo(std::size_t campo, std::string_view trozo) {
    const std::size_t cuerpo = FinSinCierre(trozo);
    if (cuerpo > 0) {
        if (retenido_[campo] != '\0') {
            largos_[campo]->Leer(std::string_view(&retenido_[campo], 1));
            retenido_[campo] = '\0';
        }
        largos_[campo]->Leer(trozo.substr(0, cuerpo));
    }
    if (cuerpo < trozo.size() && retenido_[campo] == '\0') {
        retenido_[campo] = trozo[cuerpo];
    }
}

void LectorLineas::Cerrar(std::size_t campo, bool finDeLinea) {
    std::optional<LectorCampo>& largo = largos_[campo];
    if (!largo) {
        if (finDeLinea) {
            campos_[campo].resize(FinSinCierre(campos_[campo]));
        }
        return;
    }
    if (retenido_[campo] != '\0' && !finDeLinea) {
        largo->Leer(std::string_view(&retenido_[campo], 1));
    }
    retenido_[campo] = '\0';
    campos_[campo] = TextoEquivalente(largo->Terminar());
    largo.reset();
}

bool LectorLineas::Siguiente() {
    for (std::size_t campo = 0; campo < campos_.size(); ++campo) {
        campos_[campo].clear();
        largos_[campo].reset();
        retenido_[campo] = '\0';
    }
    tabuladores_ = 0;
    bool leida = false;  // some of the line has been read
    for (;;) {
        if (inicio_ == fin_ && !Llenar()) {
            if (error_ != 0 || !leida) {
                return false;
            }
            // The last line, without its line end.
            break;
        }
        leida = true;
        const char* desde = buffer_.data() + inicio_;
        const char* hasta = buffer_.data() + fin_;
        const char* salto = static_cast<const char*>(
            std::memchr(desde, '\n', static_cast<std::size_t>(hasta - desde)));
        Repartir(desde, salto != nullptr ? salto : hasta);
        inicio_ = static_cast<std::size_t>((salto != nullptr ? salto + 1 : hasta) - buffer_.data());
        if (salto != nullptr) {
            break;
        }
    }
    if (tabuladores_ <= 5) {
        Cerrar(tabuladores_, true);
    }
    return true;
}

std::string DescribirError(int error) {
    return TextoDeError(error);
}

}  // namespace pendra::cli
