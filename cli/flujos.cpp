#include "flujos.h"

#include <cerrno>
#include <cstring>

#include "plataforma.h"

namespace pendra::cli {

namespace {

// Large enough that a batch goes out in few system calls, small enough to
// stay in the cache.
constexpr std::size_t kBloque = 64 * 1024;

}  // namespace

void Escritura::Escribir(std::string_view texto) {
    if (error_ != 0) {
        return;
    }
    pendiente_.append(texto);
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
            if (errno == EINTR) {
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
    } while (n < 0 && errno == EINTR);
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

const char* LectorLineas::Contar(const char* desde, const char* hasta) {
    const char* p = desde;
    while (!Demasiados()) {
        const char* tab =
            static_cast<const char*>(std::memchr(p, '\t', static_cast<std::size_t>(hasta - p)));
        if (tab == nullptr) {
            return hasta;
        }
        ++tabuladores_;
        p = tab + 1;
    }
    // Past the sixth tab nothing more is kept.
    return p;
}

bool LectorLineas::Siguiente() {
    acumulada_.clear();
    tabuladores_ = 0;
    bool partida = false;  // the line began in an earlier read
    for (;;) {
        if (inicio_ == fin_ && !Llenar()) {
            if (error_ != 0 || !partida) {
                return false;
            }
            // The last line, without its line end.
            linea_ = acumulada_;
            break;
        }
        const char* desde = buffer_.data() + inicio_;
        const char* hasta = buffer_.data() + fin_;
        const char* salto = static_cast<const char*>(
            std::memchr(desde, '\n', static_cast<std::size_t>(hasta - desde)));
        const char* fin = salto != nullptr ? salto : hasta;
        inicio_ = static_cast<std::size_t>((salto != nullptr ? salto + 1 : hasta) - buffer_.data());
        if (salto != nullptr && !partida) {
            // The whole line is in the buffer: no copy.
            linea_ = std::string_view(desde, static_cast<std::size_t>(Contar(desde, fin) - desde));
            break;
        }
        acumulada_.append(desde, Contar(desde, fin));
        partida = true;
        if (salto != nullptr) {
            linea_ = acumulada_;
            break;
        }
    }
    if (!linea_.empty() && linea_.back() == '\r') {
        linea_.remove_suffix(1);
    }
    return true;
}

std::string DescribirError(int error) {
    switch (error) {
        case EPIPE:
            return "quien leía la salida la ha cerrado";
        case ENOSPC:
            return "no queda espacio en el dispositivo";
#if defined(EDQUOT)
        case EDQUOT:
            return "se ha superado la cuota de disco";
#endif
        case EFBIG:
            return "el archivo ha alcanzado su tamaño máximo";
        case EIO:
            return "error de entrada y salida del dispositivo";
        case EBADF:
            return "el descriptor no está abierto";
        case EISDIR:
            return "es un directorio";
        default:
            return "error del sistema número " + std::to_string(error);
    }
}

}  // namespace pendra::cli
