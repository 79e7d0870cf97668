#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "globales.h"
#include "solicitud.h"

namespace pendra {

// The four operations without windows: six field texts in, and the messages,
// focus moves and result windows out, in the order they happened. The command
// line, the tests, the benchmarks and the fuzz target all answer through it.
class Grabadora final : public Operaciones {
public:
    struct Evento {
        enum class Tipo { Mensaje, Foco, Ventana } tipo;
        std::string texto;
        std::string titulo;
        Campo campo;
        Medidas medidas;
    };

    // Texts in tab order: angle 1, side 1, angle 2, side 2, angle 3, side 3.
    explicit Grabadora(std::array<std::string, 6> textos) : textos_(std::move(textos)) {}

    std::string TextoCampo(Campo campo) override {
        leidos.push_back(campo);
        return textos_[2U * (campo.indice - 1U) + (campo.tipo == TipoCampo::Lado ? 1U : 0U)];
    }
    void MostrarMensaje(const std::string& texto, const std::string& titulo) override {
        eventos.push_back({Evento::Tipo::Mensaje, texto, titulo, {}, {}});
    }
    void Enfocar(Campo campo) override {
        eventos.push_back({Evento::Tipo::Foco, {}, {}, campo, {}});
    }
    void AbrirResultado(const Medidas& medidas) override {
        eventos.push_back({Evento::Tipo::Ventana, {}, {}, {}, medidas});
    }

    std::vector<Medidas> Ventanas() const {
        std::vector<Medidas> ventanas;
        for (const Evento& e : eventos) {
            if (e.tipo == Evento::Tipo::Ventana) {
                ventanas.push_back(e.medidas);
            }
        }
        return ventanas;
    }

    // Forgets what happened, keeping the texts, for another request.
    void Olvidar() {
        eventos.clear();
        leidos.clear();
    }

    std::vector<Evento> eventos;
    std::vector<Campo> leidos;

private:
    std::array<std::string, 6> textos_;
};

// Runs one solve request on fresh measures.
inline Grabadora Solicitar(std::array<std::string, 6> textos) {
    Grabadora grabadora(std::move(textos));
    Medidas medidas;
    cmdResolver_Click(grabadora, medidas);
    return grabadora;
}

}  // namespace pendra
