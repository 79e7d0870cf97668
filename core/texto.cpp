// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texto.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "decimal.h"
#include "funciones.h"

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
    Apostrofo,  // one, or the first of two that mark seconds
    Otro,
    Fin,
};

// The characters of more than one byte in UTF-8 that the rule knows.
struct Multibyte {
    std::string_view texto;
    Signo signo;
    bool blanco;
};
constexpr Multibyte kMultibytes[] = {
    {"\u00A0", Signo::Otro, true},     {"\u2007", Signo::Otro, true},
    {"\u202F", Signo::Otro, true},     {"\uFEFF", Signo::Otro, true},
    {"\u2212", Signo::Menos, false},   {"\u00B0", Signo::Grado, false},
    {"\u00BA", Signo::Grado, false},   {"\u2032", Signo::Minuto, false},
    {"\u2033", Signo::Segundo, false},
};
constexpr std::size_t kMultibyteMayor = 3;

// A decimal exponent beyond any double, kept well inside int64 however many
// digits the exponent has.
constexpr std::int64_t kExponenteTope = 1'000'000'000'000'000;
// Beyond 10^400 every value overflows; below 10^-400 every value is 0.
constexpr std::int64_t kMagnitudTope = 400;
// A double's correct rounding never depends on more than 767 significant
// digits; whatever follows only counts as zero or not.
constexpr std::size_t kCifrasGuardadas = 800;

// The value of 0.cifras x 10^exponente, correctly rounded, with |exponente|
// at most a little over 400. The only place where decimal digits become a
// double, so that a platform without a correct from_chars can swap it.
double ConvertirDecimal(std::string_view cifras, int exponente) {
    char buffer[kCifrasGuardadas + 32];
    char* p = buffer;
    *p++ = '0';
    *p++ = '.';
    p = std::copy(cifras.begin(), cifras.end(), p);
    *p++ = 'e';
    p = std::to_chars(p, buffer + sizeof buffer, exponente).ptr;
    return decimal::Leer(std::string_view(buffer, static_cast<std::size_t>(p - buffer)));
}

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

    // Whether some digit is not 0.
    bool NoCero() const { return guardadas_ > 0; }

    // The magnitude of the digits x 10^exponente: its exact number (the kept
    // digits, then a 1 for any non-zero digit dropped past them) and its
    // correctly rounded double, infinite beyond the range of a double, 0
    // below it.
    NumeroExacto Valor(std::int64_t exponente) const {
        std::size_t cuantas = guardadas_;
        if (!resto_) {
            while (cuantas > 0 && significativas_[cuantas - 1] == '0') {
                --cuantas;
            }
        }
        if (cuantas == 0) {
            return NumeroExacto();
        }
        // Decimal exponent of the first significant digit.
        const std::int64_t magnitud = enteras_ - cerosIniciales_ - 1 + exponente;
        if (magnitud > kMagnitudTope) {
            return NumeroExacto(std::numeric_limits<double>::infinity());
        }
        if (magnitud < -kMagnitudTope) {
            return NumeroExacto();
        }
        // A non-zero digit dropped past the kept ones stands as one more digit
        // right after them (never after the last non-zero kept one): it can
        // only break a tie, as the whole tail would.
        char cifras[kCifrasGuardadas + 1];
        char* fin = std::copy_n(significativas_.data(), cuantas, cifras);
        if (resto_) {
            *fin++ = '1';
        }
        const std::string_view todas(cifras, static_cast<std::size_t>(fin - cifras));
        const double valor = ConvertirDecimal(todas, static_cast<int>(magnitud + 1));
        if (valor == 0 || !std::isfinite(valor)) {
            return NumeroExacto(valor);
        }
        return NumeroExacto::Cifras(todas, magnitud + 1, valor);
    }

private:
    std::int64_t enteras_ = 0;
    std::int64_t cerosIniciales_ = 0;
    std::array<char, kCifrasGuardadas> significativas_;
    std::size_t guardadas_ = 0;
    bool resto_ = false;
    bool hay_ = false;
};

// Which of degrees (0), minutes (1) and seconds (2) a mark stands for, or -1.
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

// The field rule as a machine fed one byte at a time, so that a text can
// come in pieces of any size and cost no more memory than a short one. Bytes
// become symbols (blanks skipped, characters of several bytes put together),
// and symbols move the reading from step to step.
class Lectura {
public:
    explicit Lectura(TipoCampo tipo) : tipo_(tipo) {}

    void Leer(std::string_view trozo) {
        for (const char c : trozo) {
            if (paso_ == Paso::Hecho) {
                return;
            }
            Byte(static_cast<unsigned char>(c));
        }
    }

    LecturaCampo Terminar() {
        if (paso_ != Paso::Hecho && largoPendiente_ > 0) {
            // A character cut short.
            Emitir(Signo::Otro);
        }
        if (paso_ != Paso::Hecho) {
            Emitir(Signo::Fin);
        }
        return resultado_;
    }

    bool Vacio() const { return vacio_; }

private:
    enum class Paso : std::uint8_t {
        Inicio,
        TrasSigno,
        Entera,
        Fraccion,
        ExponenteInicio,
        ExponenteSigno,
        ExponenteCifras,
        TrasMarca,
        Hecho,
    };

    void Byte(unsigned char c) {
        if (largoPendiente_ > 0 || c >= 0x80) {
            Juntar(c);
            return;
        }
        if (c >= '0' && c <= '9') {
            Emitir(Signo::Cifra, static_cast<char>(c));
            return;
        }
        switch (c) {
            case ' ':
            case '\t':
            case '\n':
                return;
            case '.':
                Emitir(Signo::Punto);
                return;
            case ',':
                Emitir(Signo::Coma);
                return;
            case '+':
                Emitir(Signo::Mas);
                return;
            case '-':
                Emitir(Signo::Menos);
                return;
            case 'e':
            case 'E':
                Emitir(Signo::Exponente);
                return;
            case '"':
                Emitir(Signo::Segundo);
                return;
            case '\'':
                Emitir(Signo::Apostrofo);
                return;
            default:
                Emitir(Signo::Otro);
                return;
        }
    }

    // Gathers the bytes of one character until they match a known one or no
    // longer can; an unknown character is just another stop.
    void Juntar(unsigned char c) {
        pendiente_[largoPendiente_++] = static_cast<char>(c);
        const std::string_view leido(pendiente_.data(), largoPendiente_);
        bool prefijo = false;
        for (const Multibyte& conocido : kMultibytes) {
            if (conocido.texto == leido) {
                largoPendiente_ = 0;
                if (!conocido.blanco) {
                    Emitir(conocido.signo);
                }
                return;
            }
            prefijo = prefijo || conocido.texto.starts_with(leido);
        }
        if (!prefijo) {
            largoPendiente_ = 0;
            Emitir(Signo::Otro);
        }
    }

    // One apostrophe marks minutes; two in a row, blanks between them
    // skipped, mark seconds. Which one it is shows at the next symbol.
    void Emitir(Signo signo, char cifra = 0) {
        if (apostrofo_) {
            apostrofo_ = false;
            if (signo == Signo::Apostrofo) {
                Avanzar(Signo::Segundo, 0);
                return;
            }
            Avanzar(Signo::Minuto, 0);
            if (paso_ == Paso::Hecho) {
                return;
            }
        }
        if (signo == Signo::Apostrofo) {
            apostrofo_ = true;
            return;
        }
        Avanzar(signo, cifra);
    }

    void Avanzar(Signo signo, char cifra) {
        switch (paso_) {
            case Paso::Inicio:
                if (signo == Signo::Fin) {
                    vacio_ = true;
                    Cerrar();
                    return;
                }
                if (signo == Signo::Mas || signo == Signo::Menos) {
                    negativo_ = signo == Signo::Menos;
                    paso_ = Paso::TrasSigno;
                    return;
                }
                [[fallthrough]];
            case Paso::TrasSigno:
                if (!EmpezarNumero(signo, cifra)) {
                    NoEsNumero();
                }
                return;
            case Paso::TrasMarca:
                if (signo == Signo::Fin) {
                    Cerrar();
                } else if (!EmpezarNumero(signo, cifra)) {
                    NoEsNumero();
                }
                return;
            case Paso::Entera:
                if (signo == Signo::Cifra) {
                    cifras_.Agregar(cifra, true);
                    return;
                }
                if (signo == Signo::Punto || signo == Signo::Coma) {
                    paso_ = Paso::Fraccion;
                    return;
                }
                break;
            case Paso::Fraccion:
                if (signo == Signo::Cifra) {
                    cifras_.Agregar(cifra, false);
                    return;
                }
                break;
            case Paso::ExponenteInicio:
                if (signo == Signo::Mas || signo == Signo::Menos) {
                    exponenteNegativo_ = signo == Signo::Menos;
                    paso_ = Paso::ExponenteSigno;
                    return;
                }
                [[fallthrough]];
            case Paso::ExponenteSigno:
                if (signo == Signo::Cifra) {
                    paso_ = Paso::ExponenteCifras;
                    SumarExponente(cifra);
                } else {
                    // An exponent without digits is not part of the number:
                    // "12e" is 12 followed by the letter.
                    exponente_ = 0;
                    TerminarNumero(Signo::Exponente);
                }
                return;
            case Paso::ExponenteCifras:
                if (signo == Signo::Cifra) {
                    SumarExponente(cifra);
                } else {
                    TerminarNumero(signo);
                }
                return;
            case Paso::Hecho:
                return;
        }
        // After the digits of the mantissa.
        if (signo == Signo::Exponente && cifras_.Hay()) {
            paso_ = Paso::ExponenteInicio;
            return;
        }
        TerminarNumero(signo);
    }

    bool EmpezarNumero(Signo signo, char cifra) {
        if (signo != Signo::Cifra && signo != Signo::Punto && signo != Signo::Coma) {
            return false;
        }
        cifras_ = Cifras();
        exponente_ = 0;
        exponenteNegativo_ = false;
        if (signo == Signo::Cifra) {
            cifras_.Agregar(cifra, true);
            paso_ = Paso::Entera;
        } else {
            paso_ = Paso::Fraccion;
        }
        return true;
    }

    void SumarExponente(char cifra) {
        if (exponente_ < kExponenteTope) {
            exponente_ = exponente_ * 10 + (cifra - '0');
        }
    }

    // A number has ended at `siguiente`, the symbol after it.
    void TerminarNumero(Signo siguiente) {
        if (!cifras_.Hay()) {
            NoEsNumero();
            return;
        }
        const NumeroExacto numero = cifras_.Valor(exponenteNegativo_ ? -exponente_ : exponente_);
        noCero_ = noCero_ || cifras_.NoCero();
        if (tipo_ == TipoCampo::Lado) {
            partes_[0] = numero;
            Cerrar();
            return;
        }
        const int unidad = Unidad(siguiente);
        if (ultima_ < 0) {
            if (unidad < 0) {
                // A plain number of degrees; what follows it is ignored.
                partes_[0] = numero;
                Cerrar();
                return;
            }
        } else if (unidad < 0) {
            // Unmarked after a mark: the next unit, if the text ends here.
            if (siguiente == Signo::Fin && ultima_ < 2) {
                partes_[ultima_ + 1] = numero;
                Cerrar();
            } else {
                NoEsNumero();
            }
            return;
        } else if (unidad <= ultima_) {
            NoEsNumero();
            return;
        }
        partes_[unidad] = numero;
        ultima_ = unidad;
        paso_ = Paso::TrasMarca;
    }

    void Cerrar() {
        bool infinita = false;
        for (const NumeroExacto& parte : partes_) {
            infinita = infinita || !std::isfinite(parte.Valor());
        }
        resultado_ = {};
        if (infinita) {
            resultado_.valor = HUGE_VAL;
            resultado_.fueraDeRango = true;
        } else {
            // Degrees, minutes and seconds are one exact number, rounded once.
            resultado_.exacto = NumeroExacto::Sexagesimal(partes_[0], partes_[1], partes_[2]);
            resultado_.valor = resultado_.exacto.Valor();
            // Positive, and too small for a double.
            resultado_.fueraDeRango = !std::isfinite(resultado_.valor) ||
                                      (resultado_.valor == 0 && noCero_ && !negativo_);
        }
        resultado_.negativo = negativo_ && noCero_;
        if (negativo_) {
            resultado_.valor = -resultado_.valor;
        }
        paso_ = Paso::Hecho;
    }

    void NoEsNumero() {
        resultado_ = {};
        resultado_.noEsNumero = true;
        paso_ = Paso::Hecho;
    }

    TipoCampo tipo_;
    Paso paso_ = Paso::Inicio;
    std::array<char, kMultibyteMayor> pendiente_{};
    std::size_t largoPendiente_ = 0;
    bool apostrofo_ = false;

    bool negativo_ = false;
    Cifras cifras_;
    std::int64_t exponente_ = 0;
    bool exponenteNegativo_ = false;
    NumeroExacto partes_[3];
    int ultima_ = -1;      // the unit of the last mark read
    bool noCero_ = false;  // some digit of the number is not 0

    LecturaCampo resultado_;
    bool vacio_ = false;
};

}  // namespace

namespace {

// An empty field, or one of digits with at most one decimal mark, no longer
// than sixteen characters: what a batch mostly holds, read without stepping through the
// rule: the digits as an integer (below 2^53 with a mark) and the power of
// ten are both exact doubles, so one division rounds the value correctly, as
// the rule does.
bool LeerLlano(std::string_view texto, LecturaCampo& lectura) {
    constexpr std::size_t kLargoLlano = 16;
    static constexpr std::array<double, kLargoLlano> kPotencias = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (texto.size() > kLargoLlano) {
        return false;
    }
    std::uint64_t entero = 0;
    int cifras = 0;
    int decimales = 0;
    bool marca = false;
    for (const char c : texto) {
        if (c >= '0' && c <= '9') {
            entero = entero * 10 + static_cast<std::uint64_t>(c - '0');
            ++cifras;
            decimales += marca ? 1 : 0;
        } else if ((c == '.' || c == ',') && !marca) {
            marca = true;
        } else {
            return false;
        }
    }
    if (cifras == 0) {
        return texto.empty();  // an empty field reads as 0
    }
    lectura.valor = static_cast<double>(entero) / kPotencias[static_cast<std::size_t>(decimales)];
    lectura.exacto = NumeroExacto::Decimal(entero, -decimales, lectura.valor);
    return true;
}

}  // namespace

LecturaCampo LeerCampo(std::string_view texto, TipoCampo tipo) {
    if (LecturaCampo lectura; LeerLlano(texto, lectura)) {
        return lectura;
    }
    Lectura lectura(tipo);
    lectura.Leer(texto);
    return lectura.Terminar();
}

struct LectorCampo::Estado : Lectura {
    using Lectura::Lectura;
};

LectorCampo::LectorCampo(TipoCampo tipo) : estado_(std::make_unique<Estado>(tipo)) {}
LectorCampo::~LectorCampo() = default;
LectorCampo::LectorCampo(LectorCampo&&) noexcept = default;
LectorCampo& LectorCampo::operator=(LectorCampo&&) noexcept = default;

void LectorCampo::Leer(std::string_view trozo) {
    estado_->Leer(trozo);
}

LecturaCampo LectorCampo::Terminar() {
    return estado_->Terminar();
}

void EnRadianes(LecturaCampo& lectura) {
    const double grados = lectura.valor;
    lectura.valor *= RadPorGrado;
    if (grados > 0 && lectura.valor == 0) {
        lectura.fueraDeRango = true;
    }
}

bool TieneNumero(std::string_view texto) {
    Lectura lectura(TipoCampo::Lado);
    lectura.Leer(texto);
    return !lectura.Terminar().noEsNumero && !lectura.Vacio();
}

}  // namespace pendra
