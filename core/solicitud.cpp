// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solicitud.h"

#include "formato.h"
#include "procedimiento.h"
#include "texto.h"

namespace pendra {

namespace mensajes {

std::string Negativo(Campo campo) {
    return NombreConArticulo(campo) + " no puede ser negativo.";
}
std::string FueraDeRango(Campo campo) {
    return NombreConArticulo(campo) + " está fuera de rango.";
}
std::string NoEsNumero(Campo campo) {
    return NombreConArticulo(campo) + " no es un número.";
}

}  // namespace mensajes

namespace {

Mensaje Error(std::string texto, const char* titulo, std::string motivo = {}) {
    return Mensaje{titulo, std::move(texto), std::nullopt, std::move(motivo)};
}

// The field's number for the solver (an angle in degrees as typed), or the
// message that ends the request.
std::optional<Mensaje> Leer(const TextosCampos& textos, Campo campo, Datos& datos) {
    LecturaCampo lectura = LeerCampo(textos[PosicionEnOrden(campo)], campo.tipo);
    // An angle must also be told from 0 once in radians; its exact number
    // stays in degrees.
    if (campo.tipo == TipoCampo::Angulo) {
        EnRadianes(lectura);
    }
    if (lectura.noEsNumero) {
        return Mensaje{mensajes::kTituloError, mensajes::NoEsNumero(campo), campo, {}};
    }
    // A negative value is reported first, even when it is also out of range.
    if (lectura.negativo || lectura.valor < 0) {
        return Mensaje{mensajes::kTituloError, mensajes::Negativo(campo), campo, {}};
    }
    if (lectura.fueraDeRango) {
        return Mensaje{mensajes::kTituloError, mensajes::FueraDeRango(campo), campo, {}};
    }
    static const NumeroExacto kCero;
    const NumeroExacto& dato = lectura.valor > 0 ? lectura.exacto : kCero;
    if (campo.tipo == TipoCampo::Angulo) {
        datos.FijarAngulo(campo.indice, dato);
    } else {
        datos.FijarLado(campo.indice, dato);
    }
    return std::nullopt;
}

}  // namespace

Respuesta Responder(const TextosCampos& textos, ConMotivo conMotivo) {
    // One answer, returned from every path, is built where the caller keeps
    // it: two solutions are not copied on the way out.
    Respuesta respuesta;
    Datos datos;
    // The fields from a table made once: a field built byte by byte and then
    // read whole would keep the processor waiting on the stores.
    static constexpr auto kEnOrden = [] {
        std::array<Campo, kCampos> campos{};
        for (std::size_t k = 0; k < kCampos; ++k) {
            campos[k] = CampoEnOrden(k);
        }
        return campos;
    }();
    for (const Campo& campo : kEnOrden) {
        if ((respuesta.mensaje = Leer(textos, campo, datos))) {
            return respuesta;
        }
    }
    int angulos = 0;
    int lados = 0;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        angulos += datos.Angulo(i) > 0 ? 1 : 0;
        lados += datos.Lado(i) > 0 ? 1 : 0;
    }
    if (angulos + lados != 3) {
        respuesta.mensaje = Error(mensajes::kCantidad, mensajes::kTituloError);
    } else if (angulos == 3) {
        respuesta.mensaje = Error(mensajes::kSoloAngulos, mensajes::kTituloError);
    } else {
        Resolver(datos, respuesta.soluciones);
        if (respuesta.soluciones.empty()) {
            respuesta.mensaje = Error(mensajes::kSinSolucion, mensajes::kTituloSinSolucion,
                                      conMotivo == ConMotivo::Si ? Motivo(datos) : std::string());
        }
    }
    return respuesta;
}

}  // namespace pendra
