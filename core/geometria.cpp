// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometria.h"

#include <algorithm>
#include <cmath>

#include "elementales.h"
#include "escala.h"

namespace pendra {

namespace {

// Sides whose larger one lies within 2^-65 to 2^64 are stored as they are:
// with a picture up to 2^17 twips wide, every product and quotient of the fit
// then stays far inside single precision.
constexpr int kExponenteLibre = 64;

int ExponenteEscala(double mayor) {
    // Brought to [0.5, 1) only when it lies outside the free range.
    const int exponente = Escala(mayor, 0).Desescala();
    return exponente > kExponenteLibre || exponente < -kExponenteLibre ? -exponente : 0;
}

}  // namespace

GeometriaTriangulo::GeometriaTriangulo(const Medidas& medidas) {
    escala_ = ExponenteEscala(std::max(medidas.Lado(1), medidas.Lado(3)));
    // Scaling by a power of two is exact, so the shape is kept to the last bit.
    const double lado1 = std::ldexp(medidas.Lado(1), escala_);
    const double lado3 = std::ldexp(medidas.Lado(3), escala_);
    const double angulo2 = medidas.Angulo(2);

    // The apex, side 3 away from the origin at angle 2 above the base.
    VerticeX_ = static_cast<float>(mate::Cos(angulo2) * lado3);
    VerticeY_ = static_cast<float>(mate::Sen(angulo2) * lado3);
    Base_ = static_cast<float>(lado1);
    // The extents compare the stored single-precision values; on a tie they
    // take the apex's x, which then equals 0 or the base.
    MinX_ = VerticeX_ > 0 ? 0.0F : VerticeX_;
    MaxX_ = VerticeX_ < Base_ ? Base_ : VerticeX_;
    MaxY_ = VerticeY_;
    MinY_ = 0;
    ReiniciarRangos();
}

void GeometriaTriangulo::ReiniciarRangos() {
    RangoX_ = MaxX_ - MinX_;
    RangoY_ = MaxY_ - MinY_;
}

bool GeometriaTriangulo::AjustarRangos(float ancho, float alto) {
    if (!(ancho > 0 && alto > 0)) {
        return false;
    }
    const double w = ancho;
    const double h = alto;
    const auto p = static_cast<float>(w * RangoY_);
    const auto q = static_cast<float>(h * RangoX_);
    if (p > q) {
        RangoX_ = static_cast<float>(w * RangoY_ / h);
    } else {
        RangoY_ = static_cast<float>(h * RangoX_ / w);
    }
    // Only a triangle without extent (not a solution) gets here with nothing
    // to show; it must not reach the drawing as an empty or undefined view.
    return RangoX_ > 0 && RangoY_ > 0 && std::isfinite(RangoX_) && std::isfinite(RangoY_);
}

Vista GeometriaTriangulo::VistaAjustada() const {
    const double minX = MinX_;
    const double minY = MinY_;
    const double rangoX = RangoX_;
    const double rangoY = RangoY_;
    return Vista{
        .izquierda = static_cast<float>(minX - rangoX / 10),
        .arriba = static_cast<float>((minY + rangoY) + rangoY / 10),
        .derecha = static_cast<float>((minX + rangoX) + rangoX / 10),
        .abajo = static_cast<float>(minY - rangoY / 10),
    };
}

Vista GeometriaTriangulo::VistaCentrada() const {
    // The room the fit added goes half to each side of the triangle's own
    // extents; the tenth around it is the same as in VistaAjustada.
    const double centroX = (static_cast<double>(MinX_) + MaxX_) / 2;
    const double centroY = (static_cast<double>(MinY_) + MaxY_) / 2;
    const double mitadX = static_cast<double>(RangoX_) / 2 + static_cast<double>(RangoX_) / 10;
    const double mitadY = static_cast<double>(RangoY_) / 2 + static_cast<double>(RangoY_) / 10;
    return Vista{
        .izquierda = static_cast<float>(centroX - mitadX),
        .arriba = static_cast<float>(centroY + mitadY),
        .derecha = static_cast<float>(centroX + mitadX),
        .abajo = static_cast<float>(centroY - mitadY),
    };
}

}  // namespace pendra
