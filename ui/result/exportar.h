#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <optional>

#include "etiquetas.h"
#include "geometria.h"
#include "propiedades.h"

class QPainter;

namespace pendra {

// A solved triangle taken out of its window: as words, as a table, as an
// image, SVG or PDF, and on paper. Every drawing comes from DibujarTriangulo.

// One measure or property of the triangle: its name, its value at full
// precision (the shortest text that reads back to the same double) and its
// value as the window labels it.
struct Fila {
    QString nombre;
    QString valor;
    QString etiqueta;
};

// The six measures, sides 1 to 3 then angles 1 to 3 in degrees.
QList<Fila> FilasMedidas(const EtiquetasTriangulo& etiquetas);

// The area and the perimeter, those the triangle has.
QList<Fila> FilasAreaYPerimetro(const Propiedades& propiedades);

// A tab-separated table with a heading line, for spreadsheets and word
// processors; each line ends with a line feed.
QString TablaDeFilas(const QList<Fila>& filas);

// The triangle in words for a screen reader: a short name and the whole list.
QString NombreAccesible(const EtiquetasTriangulo& etiquetas);
QString DescripcionAccesible(const QList<Fila>& filas);

// A file name that says the triangle by its sides, without the extension:
// "triangulo-3-4-5".
QString NombrePorDefecto(const EtiquetasTriangulo& etiquetas);

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

// A printed page: the drawing across the whole width of `pagina`, and the
// rows below it, one a line.
void ImprimirPagina(QPainter& pintor, const QRectF& pagina, const GeometriaTriangulo& geometria,
                    const EtiquetasTriangulo& etiquetas, const QList<Fila>& filas);

}  // namespace pendra
