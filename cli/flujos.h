// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texto.h"

namespace pendra::cli {

// Standard output through one large buffer, written out when it fills or when
// asked. A failed write is kept, not thrown: the caller reports it once and
// ends the run. With SIGPIPE at its default a closed reader ends the process
// as usual; only when the signal is ignored does the error come back here.
class Escritura {
public:
    explicit Escritura(int descriptor) : descriptor_(descriptor) {}

    void Escribir(std::string_view texto);
    // The buffer itself, for writers that append straight into it; Revisar
    // then writes it out once it is full.
    std::string& Pendiente() { return pendiente_; }
    void Revisar();
    // Writes out everything buffered; false once any write has failed.
    bool Vaciar();
    bool Fallo() const { return error_ != 0; }
    int Error() const { return error_; }

private:
    int descriptor_;
    std::string pendiente_;
    int error_ = 0;
};

// Standard input one line at a time, split into its tab-separated fields, in
// bounded memory whatever the input. Only the first six fields are kept: past
// the sixth tab a line is skipped to its end. A field is kept as typed up to a
// length; a longer one is read by the field rule as it comes and kept as a
// short text that reads the same, so a field of any length costs no more.
class LectorLineas {
public:
    // `antesDeEsperar` is written out before every read that may block, so an
    // interactive user gets each answer at once while a waiting batch is
    // answered in large writes.
    LectorLineas(int descriptor, Escritura& antesDeEsperar);

    // The next line, without its line end (nor the carriage returns,
    // vertical tabs and form feeds before it). False at the end of the input
    // or on a read error.
    bool Siguiente();
    // The line had exactly six fields; Campos() then holds their texts.
    bool SeisCampos() const { return tabuladores_ == 5; }
    const std::array<std::string, 6>& Campos() const { return campos_; }
    int Error() const { return error_; }

private:
    bool Llenar();
    // A piece of the line up to its next tab or its end.
    void Repartir(const char* desde, const char* hasta);
    void Agregar(std::size_t campo, const char* desde, const char* hasta);
    // A piece of a field too long to keep, to its reader.
    void LeerLargo(std::size_t campo, std::string_view trozo);
    // The field ended at a tab or at the line end.
    void Cerrar(std::size_t campo, bool finDeLinea);

    int descriptor_;
    Escritura& antesDeEsperar_;
    std::vector<char> buffer_;
    std::size_t inicio_ = 0;
    std::size_t fin_ = 0;
    bool agotada_ = false;
    int error_ = 0;

    std::array<std::string, 6> campos_;
    // The fields too long to keep as typed, read as they come.
    std::array<std::optional<LectorCampo>, 6> largos_;
    // The first of the carriage returns, vertical tabs and form feeds that
    // end a long field so far, held back until it is known not to end the
    // line ('\0' for none). Only the first: the field rule stops reading at
    // it, and what follows cannot change the reading.
    std::array<char, 6> retenido_{};
    std::size_t tabuladores_ = 0;
};

// One Spanish line for an input or output error code.
std::string DescribirError(int error);

}  // namespace pendra::cli
