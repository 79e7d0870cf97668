// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include "etiquetas.h"
#include "presentacion.h"
#include "propiedades.h"

namespace pendra {

// The core's rows and names of a solved triangle as Qt strings, and the
// table the clipboard holds in the user's locale.

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
// processors; each line ends with a line feed. The full-precision values
// carry the decimal mark of `locale`, so that a spreadsheet set to it reads
// them as numbers ("36,869…" in Spanish), with no grouping of thousands.
QString TablaDeFilas(const QList<Fila>& filas, const QLocale& locale = QLocale());

// The same table as HTML, for programs that paste tables as tables.
QString TablaHtml(const QList<Fila>& filas, const QLocale& locale = QLocale());

// The triangle in words for a screen reader: a short name and the whole list.
QString NombreAccesible(const EtiquetasTriangulo& etiquetas);
QString DescripcionAccesible(const QList<Fila>& filas);

// A file name that says the triangle by its sides, without the extension:
// "triangulo-3-4-5".
QString NombrePorDefecto(const EtiquetasTriangulo& etiquetas);

}  // namespace pendra
