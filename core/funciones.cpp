// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "funciones.h"

#include <cmath>

#include "elementales.h"

namespace pendra {

namespace {

bool Finitos(double x, double y, double z) {
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

// A solver answers an arithmetic fault as "no triangle": nothing infinite or
// undefined ever leaves it.
void NingunTriangulo(double& x, double& y, double& z) {
    x = 0;
    y = 0;
    z = 0;
}

void Descartar(double& x, double& y, double& z) {
    if (!Finitos(x, y, z)) {
        NingunTriangulo(x, y, z);
    }
}

}  // namespace

double ArcoSeno(double x) {
    if (x >= 1) {
        return PiMedios;
    }
    if (x <= -1) {
        return -PiMedios;
    }
    return mate::Atan(x / std::sqrt(1 - x * x));
}

double ArcoCoseno(double x) {
    if (x == 0) {
        return PiMedios;
    }
    if (x > 1) {
        x = 1;
    } else if (x < -1) {
        x = -1;
    }
    const double t = mate::Atan(std::sqrt(1 - x * x) / x);
    return x > 0 ? t : t + Pi;
}

void ResolverALA(double A, double c, double B, double& a, double& C, double& b) {
    if (!((A + B) < Pi && c > 0)) {
        NingunTriangulo(a, C, b);
        return;
    }
    C = (Pi - A) - B;
    const double senoC = mate::Sen(C);
    a = (mate::Sen(A) * c) / senoC;
    b = (mate::Sen(B) * c) / senoC;
    Descartar(a, C, b);
}

void ResolverAAL(double A, double B, double a, double& C, double& b, double& c) {
    if (!((A + B) < Pi && a > 0)) {
        NingunTriangulo(C, b, c);
        return;
    }
    C = (Pi - A) - B;
    const double senoA = mate::Sen(A);
    b = (mate::Sen(B) * a) / senoA;
    c = (mate::Sen(C) * a) / senoA;
    Descartar(C, b, c);
}

void ResolverLAL(double b, double A, double c, double& B, double& a, double& C) {
    if (!(b > 0 && c > 0 && A > 0 && A < Pi)) {
        NingunTriangulo(B, a, C);
        return;
    }
    a = std::sqrt((c * c + b * b) - ((2 * b) * c) * mate::Cos(A));
    // The two sides and an angle too close to 0 to tell apart: the third side
    // vanishes and the triangle with it.
    if (!(a > 0)) {
        NingunTriangulo(B, a, C);
        return;
    }
    // The arc sine is taken for the angle opposite the shorter side, which is
    // always acute; the other angle may be obtuse and is the remainder.
    if (b < c) {
        B = ArcoSeno((mate::Sen(A) * b) / a);
        C = (Pi - B) - A;
    } else {
        C = ArcoSeno((mate::Sen(A) * c) / a);
        B = (Pi - A) - C;
    }
    Descartar(B, a, C);
}

void ResolverLLL(double a, double b, double c, double& A, double& B, double& C) {
    if (!((b + c) > a && (a + c) > b && (a + b) > c)) {
        NingunTriangulo(A, B, C);
        return;
    }
    A = ArcoCoseno(((c * c + b * b) - a * a) / ((2 * b) * c));
    B = ArcoCoseno(((c * c + a * a) - b * b) / ((2 * a) * c));
    C = ArcoCoseno(((b * b + a * a) - c * c) / ((2 * a) * b));
    Descartar(A, B, C);
}

void ResolverLLA(double a, double b, double B, double& A1, double& C1, double& c1, double& A2,
                 double& C2, double& c2) {
    // A given angle of a half turn or more leaves no room for a triangle.
    if (!(a > 0 && b > 0 && B > 0 && B < Pi)) {
        NingunTriangulo(A1, C1, c1);
        NingunTriangulo(A2, C2, c2);
        return;
    }
    const double s = (mate::Sen(B) * a) / b;
    if (!(s <= 1 + kToleranciaTangente)) {
        NingunTriangulo(A1, C1, c1);
        NingunTriangulo(A2, C2, c2);
        return;
    }
    if (std::fabs(s - 1) <= kToleranciaTangente) {
        A1 = PiMedios;
        C1 = PiMedios - B;
        if (!(C1 > 0)) {
            NingunTriangulo(A1, C1, c1);
        } else {
            c1 = mate::Sen(C1) * a;
            Descartar(A1, C1, c1);
        }
        NingunTriangulo(A2, C2, c2);
        return;
    }
    A1 = ArcoSeno(s);
    C1 = (Pi - A1) - B;
    if (!(C1 > 0)) {
        NingunTriangulo(A1, C1, c1);
        NingunTriangulo(A2, C2, c2);
        return;
    }
    c1 = (mate::Sen(C1) * a) / s;
    // The second triangle takes the supplementary angle at A.
    A2 = Pi - A1;
    C2 = (Pi - A2) - B;
    if (C2 < 0) {
        NingunTriangulo(A2, C2, c2);
    } else {
        c2 = (mate::Sen(C2) * a) / s;
    }
    Descartar(A1, C1, c1);
    Descartar(A2, C2, c2);
}

double SenoRelativo(double grados) {
    const double x = grados <= 90 ? grados : 180 - grados;
    const double t = x * kRadianesPorGrado;
    if (t < 1e-6) {
        return x - x * (t * t) / 6;
    }
    return mate::Sen(t) / kRadianesPorGrado;
}

double RestoGrados(double a, double b) {
    const double suma = a + b;
    const double bb = suma - a;
    const double error = (a - (suma - bb)) + (b - bb);
    return (180 - suma) - error;
}

double SenoGrados(double grados) {
    const double x = grados <= 90 ? grados : 180 - grados;
    return mate::Sen(x * kRadianesPorGrado);
}

}  // namespace pendra
