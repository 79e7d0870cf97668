// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <QPointer>

#include "acciones.h"
#include "etiquetas.h"
#include "filas.h"
#include "franja.h"
#include "geometria.h"
#include "globales.h"
#include "procedimiento.h"
#include "propiedades.h"

class QAction;
class QPrinter;
class QPushButton;
class QToolButton;

namespace pendra {

class AreaDibujo;
class frmPropiedades;
class frmProcedimiento;

// The result window: one solved triangle drawn to scale, its sides labelled
// in blue and its angles in red. It copies its triangle when it is created and
// depends on nothing outside itself afterwards. A dialog, so that Enter and
// Escape reach "&Cerrar"; but modeless and without an owner, and deleted as
// soon as it closes. Its actions (copy, save, print, in acciones.h) are in its
// context menu and on their shortcuts; where it opens is colocacion.h's
// choice, and the strip beside "&Cerrar" is franja.h's.
class frmGrafico : public QDialog {
    Q_OBJECT

public:
    // The geometry, labels and properties of the triangle `solucion`, which
    // is solution `numero` of the `total` its request gave.
    explicit frmGrafico(const Solucion& solucion, int numero = 1, int total = 1);

    // Creates a window for `solucion`, number `numero` of `total`, and shows
    // it where colocacion.h places it, beside `entrada`, the input window,
    // when given. It has drawn when this returns.
    static frmGrafico* Abrir(const Solucion& solucion, const QWidget* entrada = nullptr,
                             int numero = 1, int total = 1);

    // The outer size in twips, which the layout is stated against: the client
    // area plus a fixed allowance for the frame, so a tall title bar never
    // pushes "&Cerrar" out of view.
    float AnchoTwips() const;
    float AltoTwips() const;

    const GeometriaTriangulo& Geometria() const { return geometria_; }
    const EtiquetasTriangulo& Etiquetas() const { return etiquetas_; }
    AreaDibujo* picTriangulo() const { return picTriangulo_; }
    QPushButton* cmdCerrar() const { return cmdCerrar_; }
    // The strip left of "&Cerrar" with the area and the perimeter; a click on
    // it, the shortcut Ctrl+I or the context menu open the properties view.
    QToolButton* lblPropiedades() const { return lblPropiedades_; }
    QAction* accionPropiedades() const { return accionPropiedades_; }
    // The properties view, while it is open.
    frmPropiedades* VistaPropiedades() const;
    // The working: the button beside the strip, the shortcut Ctrl+D or the
    // context menu open its view.
    QToolButton* cmdProcedimiento() const { return cmdProcedimiento_; }
    QAction* accionProcedimiento() const { return accionProcedimiento_; }
    frmProcedimiento* VistaProcedimiento() const;

    // What the window says of its triangle, in order: the six measures, and
    // whatever else is known of it. Copy, print and the screen reader use it.
    QList<Fila> Filas() const;

    // The actions of acciones.h on this window's triangle.
    void Copiar();
    void GuardarComo();
    bool GuardarEn(const QString& ruta);
    void Imprimir();
    bool ImprimirEn(QPrinter& impresora);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Lays the window out again for its new size, and draws the triangle anew.
    void Disponer();
    void cmdCerrar_Click();
    QAction* AgregarAccion(const QString& texto, const QKeySequence& tecla,
                           void (frmGrafico::*accion)());
    void MostrarMenu(const QPoint& lugar);
    void MostrarMenuEnFoco();
    // The triangle, its rows and the picture's size as the window shows it,
    // for an image or a file.
    ContenidoResultado Contenido() const;
    void CrearPropiedades(int numero, int total);
    void MostrarPropiedades();
    void CrearProcedimiento();
    void MostrarProcedimiento();

    GeometriaTriangulo geometria_;
    EtiquetasTriangulo etiquetas_;
    AreaDibujo* picTriangulo_ = nullptr;
    QPushButton* cmdCerrar_ = nullptr;
    Propiedades propiedades_;
    FranjaPropiedades* lblPropiedades_ = nullptr;
    QAction* accionPropiedades_ = nullptr;
    QPointer<frmPropiedades> vistaPropiedades_;
    Procedimiento procedimiento_;
    QToolButton* cmdProcedimiento_ = nullptr;
    QAction* accionProcedimiento_ = nullptr;
    QPointer<frmProcedimiento> vistaProcedimiento_;
};

}  // namespace pendra
