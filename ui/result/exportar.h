// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
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
// image at `escala` times its pixels, that image as a PNG file, as SVG and as
// a one-page PDF of that size. The labels of SVG and PDF stay text. A file's
// bytes are empty when its painter or encoder did not finish cleanly.
QImage ImagenDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                    const QSizeF& tamano, qreal escala);
QByteArray PngDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano);
QByteArray SvgDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano);
QByteArray PdfDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano);

enum class Formato { Png, Svg, Pdf };

// The format a file name asks for by its extension, if it is one of ours.
std::optional<Formato> FormatoDeRuta(const QString& ruta);

// Writes every byte of `contenido` to `destino`, which is open for writing.
// The empty text on success, otherwise the reason in Spanish, for the user.
QString EscribirDatos(QIODevice& destino, const QByteArray& contenido);

// Writes `contenido` to `ruta` through a temporary file that replaces it only
// once every byte is written and flushed to the disk, so a failure leaves
// neither a half-written file nor a changed one. The empty text on success,
// otherwise the reason in Spanish, for the user.
QString EscribirArchivo(const QString& ruta, const QByteArray& contenido);

// The reason a device gives for its last failure, in Spanish: the system's
// reasons for the usual errors by name ("no queda espacio en el disco"), and
// a general one for the kind of failure otherwise.
QString RazonDeError(const QIODevice& dispositivo);

}  // namespace pendra
