#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// Standard input one line at a time through a large buffer. Only the first six
// fields of a line are ever kept: past its sixth tab a line is skipped to its
// end, so a line of millions of fields costs no memory.
class LectorLineas {
public:
    // `antesDeEsperar` is written out before every read that may block, so an
    // interactive user gets each answer at once while a waiting batch is
    // answered in large writes.
    LectorLineas(int descriptor, Escritura& antesDeEsperar);

    // The next line, without its line end (and without a carriage return
    // before it). False at the end of the input or on a read error.
    bool Siguiente();
    std::string_view Linea() const { return linea_; }
    // The line had more than six fields; Linea() is then only its start.
    bool Demasiados() const { return tabuladores_ > 5; }
    int Error() const { return error_; }

private:
    bool Llenar();
    // Counts the tabs of a piece of the line; returns where what is kept of
    // it ends.
    const char* Contar(const char* desde, const char* hasta);

    int descriptor_;
    Escritura& antesDeEsperar_;
    std::vector<char> buffer_;
    std::size_t inicio_ = 0;
    std::size_t fin_ = 0;
    bool agotada_ = false;
    int error_ = 0;

    std::string acumulada_;
    std::string_view linea_;
    std::size_t tabuladores_ = 0;
};

// One Spanish line for an input or output error code.
std::string DescribirError(int error);

}  // namespace pendra::cli
