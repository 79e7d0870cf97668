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

Respuesta Error(std::string texto, const char* titulo, std::optional<Campo> campo = {},
                std::string motivo = {}) {
    Respuesta respuesta;
    respuesta.mensaje = Mensaje{titulo, std::move(texto), campo, std::move(motivo)};
    return respuesta;
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
    Datos datos;
    int angulos = 0;
    int lados = 0;
    // The fields from a table: a field built byte by byte and then read
    // whole would keep the processor waiting on the stores.
    static constexpr std::array<Campo, kCampos> kEnOrden = {{{TipoCampo::Angulo, 1},
                                                             {TipoCampo::Lado, 1},
                                                             {TipoCampo::Angulo, 2},
                                                             {TipoCampo::Lado, 2},
                                                             {TipoCampo::Angulo, 3},
                                                             {TipoCampo::Lado, 3}}};
    for (const Campo& campo : kEnOrden) {
        const bool angulo = campo.tipo == TipoCampo::Angulo;
        if (std::optional<Mensaje> mensaje = Leer(textos, campo, datos)) {
            Respuesta respuesta;
            respuesta.mensaje = std::move(mensaje);
            return respuesta;
        }
        if ((angulo ? datos.Angulo(campo.indice) : datos.Lado(campo.indice)) > 0) {
            ++(angulo ? angulos : lados);
        }
    }
    if (angulos + lados != 3) {
        return Error(mensajes::kCantidad, mensajes::kTituloError);
    }
    if (angulos == 3) {
        return Error(mensajes::kSoloAngulos, mensajes::kTituloError);
    }
    Respuesta respuesta;
    Resolver(datos, respuesta.soluciones);
    if (respuesta.soluciones.empty()) {
        return Error(mensajes::kSinSolucion, mensajes::kTituloSinSolucion, std::nullopt,
                     conMotivo == ConMotivo::Si ? Motivo(datos) : std::string());
    }
    return respuesta;
}

}  // namespace pendra
