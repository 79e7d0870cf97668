#include "solicitud.h"

#include <algorithm>
#include <bit>
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

}  // namespace mensajes

namespace {

// One bit per given measure, in reading order.
constexpr unsigned kA1 = 1U << 0;
constexpr unsigned kL1 = 1U << 1;
constexpr unsigned kA2 = 1U << 2;
constexpr unsigned kL2 = 1U << 3;
constexpr unsigned kA3 = 1U << 4;
constexpr unsigned kL3 = 1U << 5;

bool EsMedida(double x) {
    return std::isfinite(x) && x > 0;
}

class Solicitud {
public:
    Solicitud(Operaciones& operaciones, Medidas& medidas)
        : operaciones_(operaciones), medidas_(medidas) {}

    void Ejecutar();

private:
    bool Leer(Campo campo, double& destino, unsigned bit);
    void Resolver();
    void ResolverCasoAmbiguo(double lado1, double lado2, double angulo, double& anguloOpuesto,
                             double& anguloTercero, double& ladoTercero);
    void Error(const std::string& texto, const char* titulo) {
        operaciones_.MostrarMensaje(texto, titulo);
    }

    double Escalar(double lado) const { return std::ldexp(lado, escala_); }
    // A side too long for a double once scaled back means no triangle.
    double Desescalar(double lado) const {
        const double valor = std::ldexp(lado, -escala_);
        return std::isfinite(valor) ? valor : 0;
    }

    double& A(std::uint8_t i) { return medidas_.Angulo(i); }
    double& L(std::uint8_t i) { return medidas_.Lado(i); }

    Operaciones& operaciones_;
    Medidas& medidas_;
    unsigned dados_ = 0;
    int escala_ = 0;
};

void Solicitud::Ejecutar() {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        const unsigned desplazamiento = 2U * (i - 1U);
        if (!Leer({TipoCampo::Angulo, i}, A(i), kA1 << desplazamiento) ||
            !Leer({TipoCampo::Lado, i}, L(i), kL1 << desplazamiento)) {
            return;
        }
    }
    if (std::popcount(dados_) != 3) {
        Error(mensajes::kCantidad, mensajes::kTituloError);
        return;
    }
    if (dados_ == (kA1 | kA2 | kA3)) {
        Error(mensajes::kSoloAngulos, mensajes::kTituloError);
        return;
    }
    Resolver();
    if (EsTriangulo(medidas_)) {
        operaciones_.AbrirResultado(medidas_);
    } else {
        Error(mensajes::kSinSolucion, mensajes::kTituloSinSolucion);
    }
}

bool Solicitud::Leer(Campo campo, double& destino, unsigned bit) {
    const LecturaCampo lectura = LeerMedida(operaciones_.TextoCampo(campo), campo.tipo);
    const double valor = lectura.valor;
    // A negative value is reported first, even when it is also out of range.
    if (valor < 0 || lectura.fueraDeRango) {
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
        dados_ |= bit;
    }
    return true;
}

void Solicitud::Resolver() {
    // Scaling by a power of two is exact, so ordinary results are unchanged,
    // while sides near the ends of the double range neither overflow nor
    // underflow inside the solvers.
    int exponente = 0;
    std::frexp(std::max({L(1), L(2), L(3)}), &exponente);
    escala_ = -exponente;
    const double l1 = Escalar(L(1));
    const double l2 = Escalar(L(2));
    const double l3 = Escalar(L(3));

    switch (dados_) {
        case kL1 | kL2 | kL3:
            ResolverLLL(l1, l2, l3, A(1), A(2), A(3));
            break;
        case kA1 | kL2 | kL3:
            ResolverLAL(l2, A(1), l3, A(2), L(1), A(3));
            break;
        case kA2 | kL1 | kL3:
            ResolverLAL(l1, A(2), l3, A(1), L(2), A(3));
            break;
        case kA3 | kL1 | kL2:
            ResolverLAL(l1, A(3), l2, A(1), L(3), A(2));
            break;
        case kA1 | kL1 | kL2:
            ResolverCasoAmbiguo(l2, l1, A(1), A(2), A(3), L(3));
            return;
        case kA1 | kL1 | kL3:
            ResolverCasoAmbiguo(l3, l1, A(1), A(3), A(2), L(2));
            return;
        case kA2 | kL1 | kL2:
            ResolverCasoAmbiguo(l1, l2, A(2), A(1), A(3), L(3));
            return;
        case kA2 | kL2 | kL3:
            ResolverCasoAmbiguo(l3, l2, A(2), A(3), A(1), L(1));
            return;
        case kA3 | kL1 | kL3:
            ResolverCasoAmbiguo(l1, l3, A(3), A(1), A(2), L(2));
            return;
        case kA3 | kL2 | kL3:
            ResolverCasoAmbiguo(l2, l3, A(3), A(2), A(1), L(1));
            return;
        case kA1 | kA2 | kL3:
            ResolverALA(A(1), l3, A(2), L(1), A(3), L(2));
            break;
        case kA1 | kA3 | kL2:
            ResolverALA(A(1), l2, A(3), L(1), A(2), L(3));
            break;
        case kA2 | kA3 | kL1:
            ResolverALA(A(2), l1, A(3), L(2), A(1), L(3));
            break;
        case kA1 | kA2 | kL1:
            ResolverAAL(A(1), A(2), l1, A(3), L(2), L(3));
            break;
        case kA1 | kA2 | kL2:
            ResolverAAL(A(2), A(1), l2, A(3), L(1), L(3));
            break;
        case kA1 | kA3 | kL1:
            ResolverAAL(A(1), A(3), l1, A(2), L(3), L(2));
            break;
        case kA1 | kA3 | kL3:
            ResolverAAL(A(3), A(1), l3, A(2), L(1), L(2));
            break;
        case kA2 | kA3 | kL2:
            ResolverAAL(A(2), A(3), l2, A(1), L(3), L(1));
            break;
        case kA2 | kA3 | kL3:
            ResolverAAL(A(3), A(2), l3, A(1), L(2), L(1));
            break;
        default:
            assert(false && "three given measures that fit no case");
            return;
    }
    // The missing sides are the solver's side results, still at the scale
    // the solver saw.
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if ((dados_ & (kL1 << (2U * (i - 1U)))) == 0) {
            L(i) = Desescalar(L(i));
        }
    }
}

void Solicitud::ResolverCasoAmbiguo(double lado1, double lado2, double angulo,
                                    double& anguloOpuesto, double& anguloTercero,
                                    double& ladoTercero) {
    double anguloOpuesto2 = 0;
    double anguloTercero2 = 0;
    double ladoTercero2 = 0;
    ResolverLLA(lado1, lado2, angulo, anguloOpuesto, anguloTercero, ladoTercero, anguloOpuesto2,
                anguloTercero2, ladoTercero2);
    ladoTercero = Desescalar(ladoTercero);
    ladoTercero2 = Desescalar(ladoTercero2);
    const double primera[3] = {anguloOpuesto, anguloTercero, ladoTercero};
    const auto poner = [&](double a, double b, double c) {
        anguloOpuesto = a;
        anguloTercero = b;
        ladoTercero = c;
    };
    poner(anguloOpuesto2, anguloTercero2, ladoTercero2);
    const bool segunda = EsTriangulo(medidas_);
    poner(primera[0], primera[1], primera[2]);
    if (segunda) {
        // The first window takes the first triangle while the record still
        // holds it; only then does the second one take its place.
        if (EsTriangulo(medidas_)) {
            operaciones_.AbrirResultado(medidas_);
        }
        poner(anguloOpuesto2, anguloTercero2, ladoTercero2);
    }
}

}  // namespace

void cmdResolver_Click(Operaciones& operaciones, Medidas& medidas) {
    Solicitud(operaciones, medidas).Ejecutar();
}

bool EsTriangulo(const Medidas& medidas) {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        if (!EsMedida(medidas.Angulo(i)) || !EsMedida(medidas.Lado(i)) ||
            !(medidas.Angulo(i) < Pi)) {
            return false;
        }
    }
    // The decimal half turn lies 3.2e-15 below the true one. When an angle
    // found as a remainder is as small as that, the sines built on it are
    // meaningless and the "triangle" can have one side many times longer than
    // the other two together, or sides that do not match its angles. Such
    // results are refused: the sides must close a triangle and follow the law
    // of sines, both to within a small part of the triangle's size. A thin
    // triangle's tiny angle is only as exact as the formulas allow, but that
    // moves no vertex by more than the tolerance, and it is kept.
    const double a = medidas.Lado(1);
    const double b = medidas.Lado(2);
    const double c = medidas.Lado(3);
    const double holgura = 1 + kToleranciaTriangulo;
    if (!(a <= (b + c) * holgura && b <= (a + c) * holgura && c <= (a + b) * holgura)) {
        return false;
    }
    // Against the longest side and the sine of its angle, so that every
    // ratio stays at most 1 and none overflows.
    std::uint8_t mayor = 1;
    for (std::uint8_t i = 2; i <= 3; ++i) {
        if (medidas.Lado(i) > medidas.Lado(mayor)) {
            mayor = i;
        }
    }
    const double senoMayor = std::sin(medidas.Angulo(mayor));
    for (std::uint8_t i = 1; i <= 3; ++i) {
        const double diferencia =
            medidas.Lado(i) / medidas.Lado(mayor) - std::sin(medidas.Angulo(i)) / senoMayor;
        if (!(std::fabs(diferencia) <= kToleranciaTriangulo)) {
            return false;
        }
    }
    return true;
}

}  // namespace pendra
