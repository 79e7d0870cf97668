#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

#include "etiquetas.h"
#include "filas.h"
#include "geometria.h"

namespace pendra {

// The drawing of a solved triangle taken out of its window, one device to a
// file: the image (exportar_png.cpp), SVG (exportar_svg.cpp), PDF
// (exportar_pdf.cpp), and the file that receives any of them (archivo.cpp).
// Every drawing comes from DibujarTriangulo.

// The drawing of a picture `tamano` device-independent pixels large: as an
// image at `escala` times its pixels, as SVG and as a one-page PDF of that
// size. The labels of SVG and PDF stay text.
QImage ImagenDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                    const QSizeF& tamano, qreal escala);
QByteArray SvgDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano);
QByteArray PdfDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano);

enum class Formato { Png, Svg, Pdf };

// The format a file name asks for by its extension, if it is one of ours.
std::optional<Formato> FormatoDeRuta(const QString& ruta);

// Writes `contenido` to `ruta` through a temporary file that replaces it only
// once complete, so a failure leaves neither a half-written file nor a changed
// one. The empty text on success, otherwise the reason, for the user.
QString EscribirArchivo(const QString& ruta, const QByteArray& contenido);

}  // namespace pendra
