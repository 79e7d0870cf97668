#include "solicitud.h"

#include <cmath>

#include "funciones.h"
#include "texto.h"

namespace pendra {

namespace mensajes {

namespace {
std::string Nombre(Campo campo) {
    return (campo.tipo == TipoCampo::Angulo ? "El ángulo " : "El lado ") +
           std::to_string(campo.indice);
}
}  // namespace

std::string Negativo(Campo campo) {
    return Nombre(campo) + " no puede ser negativo.";
}
std::string FueraDeRango(Campo campo) {
    return Nombre(campo) + " está fuera de rango.";
}
std::string NoEsNumero(Campo campo) {
    return Nombre(campo) + " no es un número.";
}

}  // namespace mensajes

namespace {

class Solicitud {
public:
    Solicitud(Operaciones& operaciones, Medidas& medidas)
        : operaciones_(operaciones), medidas_(medidas) {}

    void Ejecutar();

private:
    bool Leer(Campo campo, double& destino, double& dato);
    void Error(const std::string& texto, const char* titulo) {
        operaciones_.MostrarMensaje(texto, titulo);
    }

    Operaciones& operaciones_;
    Medidas& medidas_;
    Datos datos_;
    int angulos_ = 0;
    int lados_ = 0;
};

void Solicitud::Ejecutar() {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (!Leer({TipoCampo::Angulo, i}, medidas_.Angulo(i), datos_.Grados(i)) ||
            !Leer({TipoCampo::Lado, i}, medidas_.Lado(i), datos_.Lado(i))) {
            return;
        }
    }
    if (angulos_ + lados_ != 3) {
        Error(mensajes::kCantidad, mensajes::kTituloError);
        return;
    }
    if (angulos_ == 3) {
        Error(mensajes::kSoloAngulos, mensajes::kTituloError);
        return;
    }
    const Soluciones soluciones = Resolver(datos_);
    if (soluciones.empty()) {
        Error(mensajes::kSinSolucion, mensajes::kTituloSinSolucion);
        return;
    }
    for (const Medidas& solucion : soluciones) {
        medidas_ = solucion;
        operaciones_.AbrirResultado(medidas_);
    }
}

// Stores the field's value in the record (angles in radians) and in the data
// for the solver (angles in degrees as typed).
bool Solicitud::Leer(Campo campo, double& destino, double& dato) {
    const LecturaCampo lectura = LeerCampo(operaciones_.TextoCampo(campo), campo.tipo);
    const bool angulo = campo.tipo == TipoCampo::Angulo;
    const LecturaCampo medida = angulo ? EnRadianes(lectura) : lectura;
    if (lectura.noEsNumero) {
        Error(mensajes::NoEsNumero(campo), mensajes::kTituloError);
        operaciones_.Enfocar(campo);
        return false;
    }
    const double valor = medida.valor;
    // A negative value is reported first, even when it is also out of range.
    if (valor < 0 || medida.fueraDeRango) {
        if (std::isfinite(valor)) {
            destino = valor;
        }
        Error(valor < 0 ? mensajes::Negativo(campo) : mensajes::FueraDeRango(campo),
              mensajes::kTituloError);
        operaciones_.Enfocar(campo);
        return false;
    }
    destino = valor;
    if (valor > 0) {
        dato = lectura.valor;
        ++(angulo ? angulos_ : lados_);
    }
    return true;
}

}  // namespace

void cmdResolver_Click(Operaciones& operaciones, Medidas& medidas) {
    Solicitud(operaciones, medidas).Ejecutar();
}

}  // namespace pendra
