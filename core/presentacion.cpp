// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentacion.h"

#include <cstdint>
#include <optional>

#include "figura.h"
#include "geometria.h"

namespace pendra {

std::vector<FilaTabla> FilasTablaMedidas(const MedidasEnGrados& m, const Etiquetas& etiquetas) {
    std::vector<FilaTabla> filas;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        filas.push_back({NombreEnTabla({TipoCampo::Lado, i}), TextoCompleto(m.Lado(i)),
                         etiquetas.lados[PosicionMedida(i)]});
    }
    for (std::uint8_t i = 1; i <= 3; ++i) {
        filas.push_back({NombreEnTabla({TipoCampo::Angulo, i}), TextoCompleto(m.Angulo(i)),
                         etiquetas.angulos[PosicionMedida(i)] + kMarcaGrado});
    }
    return filas;
}

std::vector<FilaTabla> FilasTablaAreaYPerimetro(const Propiedades& p) {
    std::vector<FilaTabla> filas;
    for (const auto& [nombre, valor] : {std::pair{"Área", p.area}, {"Perímetro", p.perimetro}}) {
        if (valor) {
            filas.push_back({nombre, TextoCompleto(*valor), TextoValor(valor)});
        }
    }
    return filas;
}

std::string TablaTexto(const std::vector<FilaTabla>& filas) {
    std::string tabla = "Medida\tValor\n";
    for (const FilaTabla& fila : filas) {
        tabla += fila.nombre + "\t" + fila.valor + "\n";
    }
    return tabla;
}

std::string NombreAccesible(const Etiquetas& e) {
    return "Triángulo de lados " + e.lados[0] + ", " + e.lados[1] + " y " + e.lados[2];
}

std::string DescripcionAccesible(const std::vector<FilaTabla>& filas) {
    std::string texto;
    for (const FilaTabla& fila : filas) {
        // "º" is read out as an ordinal sign; the word is what is meant.
        std::string etiqueta = fila.etiqueta;
        if (etiqueta.ends_with(kMarcaGrado)) {
            etiqueta.resize(etiqueta.size() - std::string_view(kMarcaGrado).size());
            etiqueta += " grados";
        }
        std::string nombre = fila.nombre;
        if (const auto unidad = nombre.find(" (grados)"); unidad != std::string::npos) {
            nombre.erase(unidad);
        }
        texto += (texto.empty() ? "" : "; ") + nombre + ": " + etiqueta;
    }
    return texto + ".";
}

std::string NombrePorDefecto(const Etiquetas& e) {
    return "triangulo-" + e.lados[0] + "-" + e.lados[1] + "-" + e.lados[2];
}

std::vector<std::string> TextosFranja(const Propiedades& p, const std::string& solucion) {
    const std::string cabeza = solucion.empty() ? "" : solucion + "   ";
    const auto area = [&](int cifras) { return cabeza + "Área " + TextoValor(p.area, cifras); };
    const auto ambos = [&](int cifras) {
        return area(cifras) + "   Perímetro " + TextoValor(p.perimetro, cifras);
    };
    std::vector<std::string> textos{ambos(10), ambos(4), area(10), area(4)};
    if (!solucion.empty()) {
        textos.push_back(solucion);
    }
    return textos;
}

std::string SvgDeSolucion(const Solucion& s, double ancho, double alto) {
    const Etiquetas etiquetas = EtiquetasDe(s.precisa);
    const std::optional<Figura> figura =
        FiguraCentrada(GeometriaTriangulo(s.medidas), etiquetas, ancho, alto);
    if (!figura) {
        return {};
    }
    return SvgDe(*figura, NombreAccesible(etiquetas),
                 DescripcionAccesible(FilasTablaMedidas(s.precisa, etiquetas)));
}

void AgregarCadenaJson(std::string& salida, std::string_view texto) {
    salida.push_back('"');
    for (const char c : texto) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            salida.push_back('\\');
            salida.push_back(c);
        } else if (u < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            salida += "\\u00";
            salida.push_back(kHex[u >> 4]);
            salida.push_back(kHex[u & 0xF]);
        } else {
            salida.push_back(c);
        }
    }
    salida.push_back('"');
}

}  // namespace pendra
