#include "prueba_entrada.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "formato.h"
#include "funciones.h"
#include "globales.h"
#include "solicitud.h"

namespace pendra::fuzz {

namespace {

// The longest label: fifteen integer digits, or four mantissa characters
// followed by E, a sign and three exponent digits.
constexpr std::size_t kEtiquetaMaxima = 15;

[[noreturn]] void Fallar(const char* motivo) {
    std::fprintf(stderr, "pendra fuzz: %s\n", motivo);
    std::abort();
}

class Operaciones final : public pendra::Operaciones {
public:
    explicit Operaciones(const std::array<std::string, 6>& textos) : textos_(textos) {}

    std::string TextoCampo(Campo c) override {
        return textos_[2U * (c.indice - 1U) + (c.tipo == TipoCampo::Lado ? 1U : 0U)];
    }
    void MostrarMensaje(const std::string& texto, const std::string& titulo) override {
        if (texto.empty() || titulo.empty()) {
            Fallar("empty message");
        }
        ++mensajes;
    }
    void Enfocar(Campo c) override {
        if (c.indice < 1 || c.indice > 3 || mensajes != 1) {
            Fallar("focus moved outside a message");
        }
    }
    void AbrirResultado(const Medidas& m) override {
        ++ventanas;
        if (!EsTriangulo(m)) {
            Fallar("a window for something that is not a triangle");
        }
        for (std::uint8_t i = 1; i <= 3; ++i) {
            if (!(m.Angulo(i) <= Pi)) {
                Fallar("an angle beyond the half turn");
            }
            for (const std::string& etiqueta :
                 {FormatoMedida(m.Angulo(i) / RadPorGrado), FormatoMedida(m.Lado(i))}) {
                if (etiqueta.empty() || etiqueta.size() > kEtiquetaMaxima ||
                    etiqueta.find_first_not_of("0123456789.E+-") != std::string::npos) {
                    Fallar("a label that is not a number");
                }
            }
        }
    }

    int mensajes = 0;
    int ventanas = 0;

private:
    const std::array<std::string, 6>& textos_;
};

}  // namespace

void ProbarEntrada(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    std::array<std::string, 6> textos;
    std::size_t inicio = 0;
    for (std::string& campo : textos) {
        if (inicio > texto.size()) {
            break;
        }
        const std::size_t fin = std::min(texto.find('|', inicio), texto.size());
        campo = texto.substr(inicio, fin - inicio);
        inicio = fin + 1;
    }
    Operaciones operaciones(textos);
    Medidas medidas;
    cmdResolver_Click(operaciones, medidas);
    const bool unMensaje = operaciones.mensajes == 1 && operaciones.ventanas == 0;
    const bool ventanas =
        operaciones.mensajes == 0 && (operaciones.ventanas == 1 || operaciones.ventanas == 2);
    if (!unMensaje && !ventanas) {
        Fallar("a request must end in one message or in one or two windows");
    }
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (std::isnan(medidas.Angulo(i)) || std::isinf(medidas.Angulo(i)) ||
            std::isnan(medidas.Lado(i)) || std::isinf(medidas.Lado(i))) {
            Fallar("an undefined value left in the measures");
        }
    }
}

}  // namespace pendra::fuzz
