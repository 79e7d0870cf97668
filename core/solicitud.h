#pragma once

#include <cstdint>
#include <string>

#include "globales.h"
#include "resolver.h"

namespace pendra {

enum class TipoCampo : std::uint8_t { Angulo, Lado };

// One of the six input fields: txtAngulo(indice) or txtLado(indice).
struct Campo {
    TipoCampo tipo = TipoCampo::Angulo;
    std::uint8_t indice = 1;

    friend bool operator==(const Campo&, const Campo&) = default;
};

// What the solve request needs of its surroundings, and nothing more. The
// input window supplies it with widgets; the command line and the tests with
// plain code.
class Operaciones {
public:
    virtual ~Operaciones() = default;

    virtual std::string TextoCampo(Campo campo) = 0;
    // A modal message with the critical icon and one OK button; returns when
    // the user has dismissed it.
    virtual void MostrarMensaje(const std::string& texto, const std::string& titulo) = 0;
    // Moves the keyboard focus to the field, which selects its whole text.
    virtual void Enfocar(Campo campo) = 0;
    // Creates and shows a new result window for the triangle in `medidas`. The
    // window copies what it needs before this returns.
    virtual void AbrirResultado(const Medidas& medidas) = 0;
};

// The titles and prompts of the solve request's messages.
namespace mensajes {
inline constexpr const char* kTituloError = "Error en los datos";
inline constexpr const char* kTituloSinSolucion = "Datos inválidos";
inline constexpr const char* kCantidad = "El número de datos debe ser igual a 3.";
inline constexpr const char* kSoloAngulos = "No hay solución si sólo se conocen los ángulos.";
inline constexpr const char* kSinSolucion = "No hay solución para esos datos.";
std::string Negativo(Campo campo);
std::string FueraDeRango(Campo campo);
std::string NoEsNumero(Campo campo);
}  // namespace mensajes

// The Resolver button: reads the six fields into `medidas`, validates them,
// solves them (Resolver) and opens one result window per triangle, in order,
// or shows one message. Afterwards `medidas` holds the last triangle shown, or
// the measures as read with zeros for the missing ones. Each run depends on
// nothing left by an earlier one.
void cmdResolver_Click(Operaciones& operaciones, Medidas& medidas);

}  // namespace pendra
