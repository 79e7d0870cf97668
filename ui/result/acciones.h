// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

#include "etiquetas.h"
#include "filas.h"
#include "geometria.h"

class QPrinter;
class QWidget;

namespace pendra {

// What a result window's actions take from it: its triangle, what it says of
// it, and the size its picture shows.
struct ContenidoResultado {
    const GeometriaTriangulo& geometria;
    const EtiquetasTriangulo& etiquetas;
    QList<Fila> filas;
    QSizeF tamano;
    // The working as HTML, which a printed page carries below the rows; may be empty.
    QString procedimiento;
};

// The measures as a table, in text and HTML with the user's decimal mark, and
// the drawing as an image and as SVG, to the clipboard.
void Copiar(const ContenidoResultado& contenido);

// Asks for a file, then saves the drawing in the format its name asks for.
// Before replacing a file it asks, of the name the file will have once the
// chosen type's extension is added to a name typed without one.
void GuardarComo(QWidget& ventana, const ContenidoResultado& contenido);

// Saves the drawing to `ruta` as PNG, SVG or PDF by its extension. On
// failure a message box over `ventana` says why, and nothing is left at `ruta`.
bool GuardarEn(QWidget& ventana, const ContenidoResultado& contenido, const QString& ruta);

// The print dialog, then ImprimirEn.
void Imprimir(QWidget& ventana, const ContenidoResultado& contenido);

// One page on `impresora` as the print dialog left it: the drawing and the
// measures below it. Printed to a PDF file, the file is written and checked
// as GuardarEn writes one. On failure a message box over `ventana` says why.
bool ImprimirEn(QWidget& ventana, QPrinter& impresora, const ContenidoResultado& contenido);

}  // namespace pendra
