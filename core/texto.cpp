#include "texto.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace pendra {

namespace {

bool EsBlanco(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text one meaningful character at a time, skipping blanks.
class Lector {
public:
    explicit Lector(std::string_view texto) : texto_(texto) { Saltar(); }
    bool Fin() const { return pos_ >= texto_.size(); }
    char Actual() const { return texto_[pos_]; }
    void Avanzar() {
        ++pos_;
        Saltar();
    }

private:
    void Saltar() {
        while (pos_ < texto_.size() && EsBlanco(texto_[pos_])) {
            ++pos_;
        }
    }

    std::string_view texto_;
    std::size_t pos_ = 0;
};

// A decimal exponent beyond any double, kept well inside int64 however many
// digits the exponent has.
constexpr std::int64_t kExponenteTope = 1'000'000'000'000'000;
// Beyond 10^400 every value overflows; below 10^-400 every value is 0.
constexpr std::int64_t kMagnitudTope = 400;

}  // namespace

LecturaCampo LeerCampo(std::string_view texto) {
    Lector lector(texto);
    bool negativo = false;
    if (!lector.Fin() && (lector.Actual() == '+' || lector.Actual() == '-')) {
        negativo = lector.Actual() == '-';
        lector.Avanzar();
    }

    std::string entera;
    std::string fraccion;
    while (!lector.Fin() && EsDigito(lector.Actual())) {
        entera.push_back(lector.Actual());
        lector.Avanzar();
    }
    if (!lector.Fin() && lector.Actual() == '.') {
        lector.Avanzar();
        while (!lector.Fin() && EsDigito(lector.Actual())) {
            fraccion.push_back(lector.Actual());
            lector.Avanzar();
        }
    }
    if (entera.empty() && fraccion.empty()) {
        return {};
    }

    std::int64_t exponente = 0;
    if (!lector.Fin() && (lector.Actual() == 'e' || lector.Actual() == 'E')) {
        lector.Avanzar();
        bool exponenteNegativo = false;
        if (!lector.Fin() && (lector.Actual() == '+' || lector.Actual() == '-')) {
            exponenteNegativo = lector.Actual() == '-';
            lector.Avanzar();
        }
        // An exponent without digits is not part of the number: "12e" is 12.
        while (!lector.Fin() && EsDigito(lector.Actual())) {
            if (exponente < kExponenteTope) {
                exponente = exponente * 10 + (lector.Actual() - '0');
            }
            lector.Avanzar();
        }
        if (exponenteNegativo) {
            exponente = -exponente;
        }
    }

    const double cero = negativo ? -0.0 : 0.0;
    const double infinito = negativo ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();

    // Only the significant digits go to the conversion, as 0.ddd e q, so that
    // neither leading zeros nor a long exponent can reach its limits.
    const std::string digitos = entera + fraccion;
    const std::size_t primero = digitos.find_first_not_of('0');
    if (primero == std::string::npos) {
        return {cero, false};
    }
    const std::size_t ultimo = digitos.find_last_not_of('0');
    // Decimal exponent of the first significant digit.
    const std::int64_t magnitud = static_cast<std::int64_t>(entera.size()) -
                                  static_cast<std::int64_t>(primero) - 1 + exponente;
    if (magnitud > kMagnitudTope) {
        return {infinito, true};
    }
    if (magnitud < -kMagnitudTope) {
        return {cero, false};
    }

    std::string limpio = negativo ? "-0." : "0.";
    limpio.append(digitos, primero, ultimo - primero + 1);
    limpio.push_back('e');
    limpio.append(std::to_string(magnitud + 1));

    double valor = 0;
    const auto [fin, error] = std::from_chars(limpio.data(), limpio.data() + limpio.size(), valor);
    (void)fin;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on a range error; the magnitude
        // says which way it went.
        return magnitud > 0 ? LecturaCampo{infinito, true} : LecturaCampo{cero, false};
    }
    return {valor, false};
}

}  // namespace pendra
