#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

#include "etiquetas.h"
#include "filas.h"
#include "geometria.h"

class QWidget;

namespace pendra {

// What a result window's actions take from it: its triangle, what it says of
// it, and the size its picture shows.
struct ContenidoResultado {
    const GeometriaTriangulo& geometria;
    const EtiquetasTriangulo& etiquetas;
    QList<Fila> filas;
    QSizeF tamano;
};

// The measures as text and the drawing as an image and as SVG, to the clipboard.
void Copiar(const ContenidoResultado& contenido);

// Asks for a file, then saves the drawing in the format its name asks for.
void GuardarComo(QWidget& ventana, const ContenidoResultado& contenido);

// Saves the drawing to `ruta` as PNG, SVG or PDF by its extension. On
// failure a message box over `ventana` says why, and nothing is left at `ruta`.
bool GuardarEn(QWidget& ventana, const ContenidoResultado& contenido, const QString& ruta);

// The print dialog, then one page: the drawing and the measures below it.
void Imprimir(QWidget& ventana, const ContenidoResultado& contenido);

}  // namespace pendra
