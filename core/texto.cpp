#include "texto.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "decimal.h"
#include "funciones.h"
#include "solicitud.h"

namespace pendra {

namespace {

// What the rule tells apart in a text; every other character ends the number.
enum class Signo : std::uint8_t {
    Cifra,
    Punto,
    Coma,
    Mas,
    Menos,
    Exponente,
    Grado,
    Minuto,
    Segundo,
    Otro,
    Fin,
};

bool Empieza(std::string_view texto, std::size_t pos, std::string_view prefijo) {
    return texto.substr(pos, prefijo.size()) == prefijo;
}

// Blanks in UTF-8: space, tab, line feed, the no-break spaces U+00A0 and
// U+202F, and the byte order mark U+FEFF. Returns their length, or 0.
std::size_t LargoBlanco(std::string_view texto, std::size_t pos) {
    const char c = texto[pos];
    if (c == ' ' || c == '\t' || c == '\n') {
        return 1;
    }
    if (static_cast<unsigned char>(c) < 0x80) {
        return 0;
    }
    if (Empieza(texto, pos, "\u00A0")) {
        return 2;
    }
    if (Empieza(texto, pos, "\u202F") || Empieza(texto, pos, "\uFEFF")) {
        return 3;
    }
    return 0;
}

// Walks the text one meaningful symbol at a time, skipping blanks. Copying it
// keeps a place to come back to.
class Lector {
public:
    explicit Lector(std::string_view texto) : texto_(texto) { Mirar(); }
    Signo Actual() const { return signo_; }
    char Cifra() const { return texto_[pos_]; }
    void Avanzar() {
        pos_ += largo_;
        Mirar();
    }

private:
    void Mirar() {
        while (pos_ < texto_.size()) {
            const std::size_t blanco = LargoBlanco(texto_, pos_);
            if (blanco == 0) {
                break;
            }
            pos_ += blanco;
        }
        largo_ = 1;
        if (pos_ >= texto_.size()) {
            signo_ = Signo::Fin;
            largo_ = 0;
            return;
        }
        const char c = texto_[pos_];
        if (c >= '0' && c <= '9') {
            signo_ = Signo::Cifra;
            return;
        }
        switch (c) {
            case '.':
                signo_ = Signo::Punto;
                return;
            case ',':
                signo_ = Signo::Coma;
                return;
            case '+':
                signo_ = Signo::Mas;
                return;
            case '-':
                signo_ = Signo::Menos;
                return;
            case 'e':
            case 'E':
                signo_ = Signo::Exponente;
                return;
            case '"':
                signo_ = Signo::Segundo;
                return;
            case '\'':
                MirarApostrofo();
                return;
            default:
                break;
        }
        signo_ = Signo::Otro;
        if (static_cast<unsigned char>(c) < 0x80) {
            return;
        }
        struct Marca {
            std::string_view texto;
            Signo signo;
        };
        static constexpr Marca kMarcas[] = {
            {"\u2212", Signo::Menos},  {"\u00B0", Signo::Grado},   {"\u00BA", Signo::Grado},
            {"\u2032", Signo::Minuto}, {"\u2033", Signo::Segundo},
        };
        for (const Marca& marca : kMarcas) {
            if (Empieza(texto_, pos_, marca.texto)) {
                signo_ = marca.signo;
                largo_ = marca.texto.size();
                return;
            }
        }
    }

    // One apostrophe marks minutes; two in a row, blanks between them
    // skipped, mark seconds.
    void MirarApostrofo() {
        signo_ = Signo::Minuto;
        std::size_t siguiente = pos_ + 1;
        while (siguiente < texto_.size()) {
            const std::size_t blanco = LargoBlanco(texto_, siguiente);
            if (blanco == 0) {
                break;
            }
            siguiente += blanco;
        }
        if (siguiente < texto_.size() && texto_[siguiente] == '\'') {
            signo_ = Signo::Segundo;
            largo_ = siguiente + 1 - pos_;
        }
    }

    std::string_view texto_;
    std::size_t pos_ = 0;
    std::size_t largo_ = 0;
    Signo signo_ = Signo::Fin;
};

// A decimal exponent beyond any double, kept well inside int64 however many
// digits the exponent has.
constexpr std::int64_t kExponenteTope = 1'000'000'000'000'000;
// Beyond 10^400 every value overflows; below 10^-400 every value is 0.
constexpr std::int64_t kMagnitudTope = 400;
// A double's correct rounding never depends on more than 767 significant
// digits; whatever follows only counts as zero or not.
constexpr std::size_t kCifrasGuardadas = 800;

// The digits of one number, kept in bounded space however long the text.
class Cifras {
public:
    void Agregar(char cifra, bool entera) {
        if (entera) {
            ++enteras_;
        }
        if (guardadas_ == 0 && cifra == '0') {
            ++cerosIniciales_;
        } else if (guardadas_ < kCifrasGuardadas) {
            significativas_[guardadas_++] = cifra;
        } else if (cifra != '0') {
            resto_ = true;
        }
        hay_ = true;
    }
    bool Hay() const { return hay_; }
    bool HayEnteras() const { return enteras_ > 0; }

    // The magnitude of 0.digits x 10^(enteras + exponente), correctly rounded.
    double Valor(std::int64_t exponente) const {
        std::size_t cuantas = guardadas_;
        while (cuantas > 0 && significativas_[cuantas - 1] == '0') {
            --cuantas;
        }
        if (cuantas == 0) {
            return 0;
        }
        // Decimal exponent of the first significant digit.
        const std::int64_t magnitud = enteras_ - cerosIniciales_ - 1 + exponente;
        if (magnitud > kMagnitudTope) {
            return std::numeric_limits<double>::infinity();
        }
        if (magnitud < -kMagnitudTope) {
            return 0;
        }
        // Only the significant digits go to the conversion, as 0.ddd e q, so
        // that neither leading zeros nor a long exponent reach its limits.
        char buffer[kCifrasGuardadas + 32];
        char* p = buffer;
        *p++ = '0';
        *p++ = '.';
        p = std::copy_n(significativas_.data(), cuantas, p);
        if (resto_) {
            *p++ = '1';
        }
        *p++ = 'e';
        p = std::to_chars(p, buffer + sizeof buffer, magnitud + 1).ptr;
        return decimal::Leer(std::string_view(buffer, static_cast<std::size_t>(p - buffer)));
    }

private:
    std::int64_t enteras_ = 0;
    std::int64_t cerosIniciales_ = 0;
    std::array<char, kCifrasGuardadas> significativas_;
    std::size_t guardadas_ = 0;
    bool resto_ = false;
    bool hay_ = false;
};

// Reads one unsigned number: digits, a decimal mark, an optional exponent.
// Without a digit it reads nothing and leaves the reader where it was.
std::optional<double> LeerNumero(Lector& lector) {
    const Lector inicio = lector;
    Cifras cifras;
    while (lector.Actual() == Signo::Cifra) {
        cifras.Agregar(lector.Cifra(), true);
        lector.Avanzar();
    }
    // A comma is the decimal mark only right after digits; before any, it
    // ends the number as any other stray character does.
    if (lector.Actual() == Signo::Punto ||
        (lector.Actual() == Signo::Coma && cifras.HayEnteras())) {
        lector.Avanzar();
        while (lector.Actual() == Signo::Cifra) {
            cifras.Agregar(lector.Cifra(), false);
            lector.Avanzar();
        }
    }
    if (!cifras.Hay()) {
        lector = inicio;
        return std::nullopt;
    }

    std::int64_t exponente = 0;
    if (lector.Actual() == Signo::Exponente) {
        const Lector antes = lector;
        lector.Avanzar();
        bool negativo = false;
        if (lector.Actual() == Signo::Mas || lector.Actual() == Signo::Menos) {
            negativo = lector.Actual() == Signo::Menos;
            lector.Avanzar();
        }
        bool conCifras = false;
        while (lector.Actual() == Signo::Cifra) {
            if (exponente < kExponenteTope) {
                exponente = exponente * 10 + (lector.Cifra() - '0');
            }
            conCifras = true;
            lector.Avanzar();
        }
        if (!conCifras) {
            // An exponent without digits is not part of the number: "12e" is 12.
            lector = antes;
        }
        if (negativo) {
            exponente = -exponente;
        }
    }
    return cifras.Valor(exponente);
}

// The sign at the front, if any: true for a minus.
bool LeerSigno(Lector& lector) {
    const Signo signo = lector.Actual();
    if (signo == Signo::Mas || signo == Signo::Menos) {
        lector.Avanzar();
    }
    return signo == Signo::Menos;
}

// Which of degrees (0), minutes (1) and seconds (2) the mark at the reader
// stands for, or -1.
int Unidad(Signo signo) {
    switch (signo) {
        case Signo::Grado:
            return 0;
        case Signo::Minuto:
            return 1;
        case Signo::Segundo:
            return 2;
        default:
            return -1;
    }
}

// The magnitude of an angle written in degrees, minutes and seconds, starting
// with its first number already read.
double LeerSexagesimal(Lector& lector, double primero) {
    double partes[3] = {0, 0, 0};
    int ultima = -1;
    double numero = primero;
    for (;;) {
        const int unidad = Unidad(lector.Actual());
        if (unidad < 0) {
            // A plain number is degrees; a bare one after a mark is not read.
            if (ultima < 0) {
                partes[0] = numero;
            }
            break;
        }
        if (unidad <= ultima) {
            break;
        }
        partes[unidad] = numero;
        ultima = unidad;
        lector.Avanzar();
        const std::optional<double> siguiente = LeerNumero(lector);
        if (!siguiente) {
            break;
        }
        numero = *siguiente;
    }
    return partes[0] + partes[1] / 60 + partes[2] / 3600;
}

}  // namespace

LecturaCampo LeerCampo(std::string_view texto, TipoCampo tipo) {
    Lector lector(texto);
    const bool negativo = LeerSigno(lector);
    const std::optional<double> numero = LeerNumero(lector);
    if (!numero) {
        return {};
    }
    const double magnitud = tipo == TipoCampo::Angulo ? LeerSexagesimal(lector, *numero) : *numero;
    return {negativo ? -magnitud : magnitud, !std::isfinite(magnitud)};
}

LecturaCampo EnRadianes(LecturaCampo grados) {
    LecturaCampo radianes = grados;
    radianes.valor *= RadPorGrado;
    if (grados.valor > 0 && radianes.valor == 0) {
        radianes.fueraDeRango = true;
    }
    return radianes;
}

bool TieneNumero(std::string_view texto) {
    Lector lector(texto);
    LeerSigno(lector);
    return LeerNumero(lector).has_value();
}

}  // namespace pendra
