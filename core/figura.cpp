// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figura.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace pendra {

namespace {

// Advances of Arial's (and Liberation Sans') glyphs, in 2048ths of the size:
// the characters a label holds. Anything else counts as a digit, the widest.
double Avance(char32_t c) {
    switch (c) {
        case '.':
        case ',':
        case ' ':
            return 569;
        case 'E':
            return 1366;
        case '+':
            return 1196;
        case '-':
        case '(':
        case ')':
            return 682;
        case U'\u00BA':
            return 748;
        default:
            return 1139;
    }
}

double Producto(PuntoFigura a, PuntoFigura b) {
    return a.x * b.x + a.y * b.y;
}

PuntoFigura Resta(PuntoFigura a, PuntoFigura b) {
    return {a.x - b.x, a.y - b.y};
}

// `v` one unit long; `otro`, or else `ultimo`, where `v` has no direction.
PuntoFigura Unitario(PuntoFigura v, PuntoFigura otro, PuntoFigura ultimo) {
    for (const PuntoFigura w : {v, otro}) {
        const double largo = std::sqrt(Producto(w, w));
        if (largo > 0 && std::isfinite(largo)) {
            return {w.x / largo, w.y / largo};
        }
    }
    return ultimo;
}

CajaFigura Ampliada(const CajaFigura& c, double dx, double dy) {
    return {c.izquierda - dx, c.arriba - dy, c.derecha + dx, c.abajo + dy};
}

CajaFigura Movida(const CajaFigura& c, PuntoFigura d) {
    return {c.izquierda + d.x, c.arriba + d.y, c.derecha + d.x, c.abajo + d.y};
}

// The area two boxes share; 0 when they do not meet.
double Comun(const CajaFigura& a, const CajaFigura& b) {
    const double ancho = std::min(a.derecha, b.derecha) - std::max(a.izquierda, b.izquierda);
    const double alto = std::min(a.abajo, b.abajo) - std::max(a.arriba, b.arriba);
    return ancho > 0 && alto > 0 ? ancho * alto : 0;
}

// The length of the part of segment ab inside the closed box (Liang-Barsky);
// a negative value when it misses the box, 0 when it only touches it.
double Dentro(PuntoFigura a, PuntoFigura b, const CajaFigura& c) {
    double desde = 0;
    double hasta = 1;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - c.izquierda, c.derecha - a.x, a.y - c.arriba, c.abajo - a.y};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) {
                return -1;
            }
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) {
            desde = std::max(desde, t);
        } else {
            hasta = std::min(hasta, t);
        }
    }
    return desde <= hasta ? (hasta - desde) * std::sqrt(dx * dx + dy * dy) : -1;
}

using Lados = std::array<std::array<PuntoFigura, 2>, 3>;

// How far a label's box at `caja` is from standing clear: 0 when it is clear
// of the sides, the other labels and the edge, more the more it overlaps.
double Choque(const CajaFigura& caja, std::size_t i, const std::array<EtiquetaFigura, 6>& todas,
              const Lados& lados, double ancho, double alto) {
    double choque = 0;
    const CajaFigura marco{kHolguraBorde, kHolguraBorde, ancho - kHolguraBorde,
                           alto - kHolguraBorde};
    const double area = caja.Ancho() * caja.Alto();
    const double fuera = area - Comun(caja, marco);
    if (fuera > 0 || caja.izquierda < marco.izquierda || caja.arriba < marco.arriba ||
        caja.derecha > marco.derecha || caja.abajo > marco.abajo) {
        choque += std::max(fuera, 0.5);
    }
    const CajaFigura conHolgura = Ampliada(caja, kHolguraLado, kHolguraLado);
    for (const auto& [a, b] : lados) {
        const double tramo = Dentro(a, b, conHolgura);
        if (tramo >= 0) {
            choque += 1 + tramo * 2 * kHolguraLado;
        }
    }
    const CajaFigura aparte = Ampliada(caja, kHolguraEnLinea, kHolguraEntreLineas);
    for (std::size_t j = 0; j < todas.size(); ++j) {
        if (j != i) {
            const CajaFigura& otra = todas[j].caja;
            if (aparte.izquierda < otra.derecha && otra.izquierda < aparte.derecha &&
                aparte.arriba < otra.abajo && otra.arriba < aparte.abajo) {
                choque += 1 + Comun(caja, otra);
            }
        }
    }
    return choque;
}

// A coordinate for SVG: to a hundredth of a pixel, in the shortest text.
std::string Coordenada(double x) {
    const double redondeado = std::round(x * 100) / 100;
    return NumeroJson(redondeado == 0 ? 0.0 : redondeado);
}

void EscaparXml(std::string& salida, std::string_view texto) {
    for (const char c : texto) {
        switch (c) {
            case '&':
                salida += "&amp;";
                break;
            case '<':
                salida += "&lt;";
                break;
            case '>':
                salida += "&gt;";
                break;
            case '"':
                salida += "&quot;";
                break;
            default:
                salida += c;
        }
    }
}

}  // namespace

double AnchoTexto(std::string_view utf8) {
    double unidades = 0;
    for (std::size_t k = 0; k < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[k]);
        const std::size_t largo = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = largo == 1 ? byte : byte & (0x7F >> largo);
        for (std::size_t m = 1; m < largo && k + m < utf8.size(); ++m) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[k + m]) & 0x3F);
        }
        unidades += Avance(c);
        k += largo;
    }
    return unidades / 2048 * kTamanoFuente;
}

void ColocarEtiquetas(std::array<EtiquetaFigura, 6>& etiquetas, const Lados& lados, double ancho,
                      double alto, const std::array<PuntoFigura, 6>& salidas) {
    // Far enough to cross the picture.
    const int pasos = static_cast<int>(std::min(std::ceil(ancho + alto), 1e5)) + 1;
    // Cosine and sine of the turns from the way out: 0, ±22.5º, ±45º, ±67.5º,
    // ±90º, then on round to the way in; written out so that every build
    // turns by the same bits.
    constexpr double kC1 = 0.92387953251128674;
    constexpr double kC2 = 0.70710678118654757;
    constexpr double kC3 = 0.38268343236508978;
    constexpr double kGiros[][2] = {{1, 0},       {kC1, kC3},  {kC1, -kC3},  {kC2, kC2},
                                    {kC2, -kC2},  {kC3, kC1},  {kC3, -kC1},  {0, 1},
                                    {0, -1},      {-kC3, kC1}, {-kC3, -kC1}, {-kC2, kC2},
                                    {-kC2, -kC2}, {-kC1, kC3}, {-kC1, -kC3}, {-1, 0}};
    // The first nine turns lead away from the triangle; the others, into it,
    // count twice their distance, so that a label goes in only where the way
    // out is more than twice as long (no room between the triangle and the
    // picture's edge).
    constexpr std::size_t kFuera = 9;
    for (std::size_t i = 0; i < etiquetas.size(); ++i) {
        EtiquetaFigura& e = etiquetas[i];
        double mejor = Choque(e.caja, i, etiquetas, lados, ancho, alto);
        if (mejor == 0) {
            continue;
        }
        PuntoFigura desplazamiento{0, 0};
        const PuntoFigura s = salidas[i];
        // By cost, and at equal cost in the order of the turns.
        for (int costo = 1; costo <= 2 * pasos && mejor > 0; ++costo) {
            for (std::size_t k = 0; k < std::size(kGiros); ++k) {
                const bool fuera = k < kFuera;
                if ((fuera && costo > pasos) || (!fuera && costo % 2 != 0)) {
                    continue;
                }
                const int paso = fuera ? costo : costo / 2;
                const double c = kGiros[k][0];
                const double n = kGiros[k][1];
                const PuntoFigura d{std::round((s.x * c - s.y * n) * paso),
                                    std::round((s.x * n + s.y * c) * paso)};
                const double choque = Choque(Movida(e.caja, d), i, etiquetas, lados, ancho, alto);
                if (choque < mejor) {
                    mejor = choque;
                    desplazamiento = d;
                    if (choque == 0) {
                        break;
                    }
                }
            }
        }
        e.caja = Movida(e.caja, desplazamiento);
        e.origen = {e.origen.x + desplazamiento.x, e.origen.y + desplazamiento.y};
        e.xMarca += desplazamiento.x;
    }
}

std::optional<Figura> FiguraDe(const GeometriaTriangulo& geometria, const Etiquetas& etiquetas,
                               const Vista& vista, double ancho, double alto) {
    const double sx = ancho / (static_cast<double>(vista.derecha) - vista.izquierda);
    const double sy = alto / (static_cast<double>(vista.abajo) - vista.arriba);
    if (!(ancho > 0 && alto > 0 && std::isfinite(sx) && std::isfinite(sy) && sx != 0 && sy != 0)) {
        return std::nullopt;
    }
    const auto punto = [&](double x, double y) {
        return PuntoFigura{(x - vista.izquierda) * sx, (y - vista.arriba) * sy};
    };
    const auto centro = [](PuntoFigura p) {
        return PuntoFigura{std::floor(p.x) + 0.5, std::floor(p.y) + 0.5};
    };
    Figura f;
    f.ancho = ancho;
    f.alto = alto;
    const float verticeX = geometria.VerticeX();
    const float verticeY = geometria.VerticeY();
    const float base = geometria.Base();
    const PuntoFigura apice = punto(verticeX, verticeY);
    const PuntoFigura origen = punto(0, 0);
    const PuntoFigura extremo = punto(base, 0);
    f.vertices = {apice, origen, extremo};
    f.lados = {{{centro(apice), centro(origen)},
                {centro(origen), centro(extremo)},
                {centro(extremo), centro(apice)}}};

    const auto caja = [](double izquierda, double arriba, double anchoTexto) {
        const double x = std::round(izquierda);
        const double y = std::round(arriba);
        return CajaFigura{x, y, x + anchoTexto, y + kAscensoFuente + kDescensoFuente};
    };
    // The midpoints are single precision, like the vertices they come from.
    const float mitadBase = base / 2;
    const float medioX = (base + verticeX) / 2;
    const float mitadX = verticeX / 2;
    const float mitadY = verticeY / 2;
    const PuntoFigura medios[3] = {punto(mitadBase, 0), punto(medioX, mitadY),
                                   punto(mitadX, mitadY)};
    // Each length leaves its side away from the opposite vertex.
    const std::array<PuntoFigura, 3> opuestos = {apice, origen, extremo};
    const std::array<const std::array<PuntoFigura, 2>*, 3> suyos = {&f.lados[1], &f.lados[2],
                                                                    &f.lados[0]};
    std::array<PuntoFigura, 6> salidas;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        const std::size_t k = i - 1U;
        EtiquetaFigura& e = f.etiquetas[k];
        e.medida = {TipoCampo::Lado, i};
        e.numero = etiquetas.lados[k];
        e.caja = caja(medios[k].x, medios[k].y, AnchoTexto(e.numero));
        e.origen = {e.caja.izquierda, e.caja.arriba + kAscensoFuente};
        e.xMarca = e.caja.derecha;
        const auto& [a, b] = *suyos[k];
        PuntoFigura normal{-(b.y - a.y), b.x - a.x};
        if (Producto(normal, Resta(medios[k], opuestos[k])) < 0) {
            normal = {-normal.x, -normal.y};
        }
        salidas[k] = Unitario(normal, Resta(medios[k], opuestos[k]), {0, 1});
    }
    // Only the number is centred; the mark stands behind it. Each angle
    // leaves its vertex away from the triangle's centre.
    const PuntoFigura centroide{(apice.x + origen.x + extremo.x) / 3,
                                (apice.y + origen.y + extremo.y) / 3};
    for (std::uint8_t i = 1; i <= 3; ++i) {
        const std::size_t k = i - 1U;
        const PuntoFigura v = f.vertices[k];
        EtiquetaFigura& e = f.etiquetas[3 + k];
        e.medida = {TipoCampo::Angulo, i};
        e.numero = etiquetas.angulos[k];
        e.marca = kMarcaGrado;
        const double anchoNumero = AnchoTexto(e.numero);
        const double arriba = i == 1 ? v.y - kInterlineaFuente : v.y;
        e.caja = caja(v.x - anchoNumero / 2, arriba, anchoNumero + AnchoTexto(e.marca));
        e.origen = {e.caja.izquierda, e.caja.arriba + kAscensoFuente};
        e.xMarca = e.caja.izquierda + anchoNumero;
        const PuntoFigura porDefecto{0, i == 1 ? -1.0 : 1.0};
        salidas[3 + k] = Unitario(Resta(v, centroide), porDefecto, porDefecto);
    }
    ColocarEtiquetas(f.etiquetas, f.lados, ancho, alto, salidas);
    return f;
}

std::optional<Figura> FiguraCentrada(const GeometriaTriangulo& geometria,
                                     const Etiquetas& etiquetas, double ancho, double alto) {
    GeometriaTriangulo ajustada = geometria;
    ajustada.ReiniciarRangos();
    if (!ajustada.AjustarRangos(static_cast<float>(ancho), static_cast<float>(alto))) {
        return std::nullopt;
    }
    return FiguraDe(ajustada, etiquetas, ajustada.VistaCentrada(), ancho, alto);
}

std::string SvgDe(const Figura& f, std::string_view titulo, std::string_view descripcion) {
    const std::string ancho = Coordenada(f.ancho);
    const std::string alto = Coordenada(f.alto);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + ancho + "\" height=\"" + alto +
           "\" viewBox=\"0 0 " + ancho + " " + alto + "\">\n<title>";
    EscaparXml(svg, titulo);
    svg += "</title>\n<desc>";
    EscaparXml(svg, descripcion);
    svg += "</desc>\n<rect width=\"" + ancho + "\" height=\"" + alto +
           "\" fill=\"#ffffff\"/>\n<polygon points=\"";
    for (std::size_t k = 0; k < f.lados.size(); ++k) {
        svg += (k > 0 ? " " : "") + Coordenada(f.lados[k][0].x) + "," + Coordenada(f.lados[k][0].y);
    }
    svg += "\" fill=\"none\" stroke=\"" + std::string(kRgbLado) +
           "\" stroke-width=\"1\" stroke-linejoin=\"round\"/>\n<g font-family=\"" +
           kFamiliasFuente + "\" font-size=\"" + Coordenada(kTamanoFuente) + "\">\n";
    for (const EtiquetaFigura& e : f.etiquetas) {
        const bool angulo = e.medida.tipo == TipoCampo::Angulo;
        svg += "<text class=\"" + std::string(angulo ? "angulo" : "lado") + "\" x=\"" +
               Coordenada(e.origen.x) + "\" y=\"" + Coordenada(e.origen.y) + "\" fill=\"" +
               (angulo ? kRgbAngulo : kRgbLongitud) + "\">";
        EscaparXml(svg, e.numero);
        if (!e.marca.empty()) {
            svg += "<tspan>";
            EscaparXml(svg, e.marca);
            svg += "</tspan>";
        }
        svg += "</text>\n";
    }
    return svg + "</g>\n</svg>\n";
}

}  // namespace pendra
