// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmgrafico.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include "areadibujo.h"
#include "colocacion.h"
#include "dibujo.h"
#include "frmprocedimiento.h"
#include "frmpropiedades.h"

namespace pendra {

namespace {

// The allowance for the frame around the client area that the layout is
// stated against.
constexpr float kMarcoAncho = 120;
constexpr float kMarcoAlto = 405;

void FijarGeometria(QWidget* control, float left, float top, float width, float height) {
    control->setGeometry(PixelesDeTwips(left), PixelesDeTwips(top), PixelesDeTwips(width),
                         PixelesDeTwips(height));
}

}  // namespace

frmGrafico::frmGrafico(const Solucion& solucion, int numero, int total)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      geometria_(solucion.medidas),
      etiquetas_(solucion),
      propiedades_(PropiedadesDe(solucion)),
      procedimiento_(ProcedimientoDe(solucion)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Resultado"));

    picTriangulo_ = new AreaDibujo(this);
    picTriangulo_->setObjectName(QStringLiteral("picTriangulo"));
    picTriangulo_->setAccessibleName(NombreAccesible(etiquetas_));
    picTriangulo_->setAccessibleDescription(DescripcionAccesible(Filas()));
    picTriangulo_->setFocusPolicy(Qt::StrongFocus);
    FijarGeometria(picTriangulo_, 0, 0, 4695, 2620);

    cmdCerrar_ = new QPushButton(QStringLiteral("&Cerrar"), this);
    cmdCerrar_->setObjectName(QStringLiteral("cmdCerrar"));
    cmdCerrar_->setAccessibleName(QStringLiteral("Cerrar"));
    cmdCerrar_->setDefault(true);
    FijarGeometria(cmdCerrar_, 3360, 2640, 1215, 495);
    connect(cmdCerrar_, &QPushButton::clicked, this, &frmGrafico::cmdCerrar_Click);

    // The window's actions, in the order of the context menu: one line each.
    AgregarAccion(QStringLiteral("&Copiar"), QKeySequence::Copy, &frmGrafico::Copiar);
    AgregarAccion(QStringLiteral("&Guardar como…"), QKeySequence::Save, &frmGrafico::GuardarComo);
    AgregarAccion(QStringLiteral("&Imprimir…"), QKeySequence::Print, &frmGrafico::Imprimir);
    // The menu from the keyboard, as desktops offer it: Shift+F10 (the Menu
    // key reaches contextMenuEvent by itself).
    auto* teclaMenu = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(teclaMenu, &QShortcut::activated, this, &frmGrafico::MostrarMenuEnFoco);

    setTabOrder(picTriangulo_, cmdCerrar_);
    CrearPropiedades(numero, total);
    CrearProcedimiento();
    resize(PixelesDeTwips(4680), PixelesDeTwips(3195));
}

frmGrafico* frmGrafico::Abrir(const Solucion& solucion, const QWidget* entrada, int numero,
                              int total) {
    auto* ventana = new frmGrafico(solucion, numero, total);
    ColocarVentanaNueva(*ventana, entrada, numero);
    // Showing delivers the pending resize at once, and with it the first drawing.
    ventana->show();
    return ventana;
}

float frmGrafico::AnchoTwips() const {
    return static_cast<float>(width()) * kTwipsPorPixel + kMarcoAncho;
}

float frmGrafico::AltoTwips() const {
    return static_cast<float>(height()) * kTwipsPorPixel + kMarcoAlto;
}

void frmGrafico::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Disponer();
}

void frmGrafico::Disponer() {
    // The button keeps its distance from the lower right corner.
    cmdCerrar_->move(cmdCerrar_->x(), PixelesDeTwips(AltoTwips() - 920));
    cmdCerrar_->move(PixelesDeTwips(AnchoTwips() - 1400), cmdCerrar_->y());
    lblPropiedades_->ColocarJunto(*cmdProcedimiento_, *cmdCerrar_);
    // Every fit starts again from the triangle's own extents.
    geometria_.ReiniciarRangos();
    // The picture fills the window above the button.
    picTriangulo_->FijarAltoTwips(AltoTwips() - 980);
    picTriangulo_->FijarAnchoTwips(AnchoTwips() - 100);
    // The fit reads the size back, as the pixel adjustment left it. A
    // picture with no room left keeps its last drawing, unseen, until the
    // window grows again.
    if (!geometria_.AjustarRangos(picTriangulo_->AnchoTwips(), picTriangulo_->AltoTwips())) {
        return;
    }
    // The proportion comes from the picture's outer size, and the drawing
    // fills its inner area: the border is left out of the fit.
    picTriangulo_->Dibujar(
        [this, vista = geometria_.VistaAjustada()](QPainter& pintor, const QRectF& area) {
            DibujarTriangulo(pintor, area, vista, geometria_, etiquetas_);
        });
}

void frmGrafico::cmdCerrar_Click() {
    close();
}

QAction* frmGrafico::AgregarAccion(const QString& texto, const QKeySequence& tecla,
                                   void (frmGrafico::*accion)()) {
    auto* nueva = new QAction(texto, this);
    nueva->setShortcut(tecla);
    nueva->setShortcutContext(Qt::WindowShortcut);
    connect(nueva, &QAction::triggered, this, accion);
    // Added to the window, its shortcut works without the menu open.
    addAction(nueva);
    return nueva;
}

void frmGrafico::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        MostrarMenuEnFoco();
    } else {
        MostrarMenu(event->globalPos());
    }
    event->accept();
}

void frmGrafico::MostrarMenuEnFoco() {
    // From the keyboard the menu opens over the widget that has the focus.
    const QWidget* foco = focusWidget() != nullptr ? focusWidget() : picTriangulo_;
    MostrarMenu(foco->mapToGlobal(foco->rect().center()));
}

void frmGrafico::MostrarMenu(const QPoint& lugar) {
    QMenu menu(this);
    menu.setAccessibleName(QStringLiteral("Acciones del resultado"));
    menu.addActions(actions());
    menu.exec(lugar);
}

QList<Fila> frmGrafico::Filas() const {
    QList<Fila> filas = FilasMedidas(etiquetas_);
    filas.append(FilasAreaYPerimetro(propiedades_));
    return filas;
}

ContenidoResultado frmGrafico::Contenido() const {
    QSizeF tamano = picTriangulo_->contentsRect().size();
    if (tamano.isEmpty()) {
        tamano = picTriangulo_->sizeHint();
    }
    // No larger than the desktop: a window dragged huge makes no huge image.
    if (const QScreen* pantalla = screen()) {
        const QSizeF escritorio = pantalla->virtualGeometry().size();
        if (tamano.width() > escritorio.width() || tamano.height() > escritorio.height()) {
            tamano.scale(escritorio, Qt::KeepAspectRatio);
        }
    }
    return {geometria_, etiquetas_, Filas(), tamano, HtmlProcedimiento(procedimiento_)};
}

void frmGrafico::Copiar() {
    pendra::Copiar(Contenido());
}

void frmGrafico::GuardarComo() {
    pendra::GuardarComo(*this, Contenido());
}

bool frmGrafico::GuardarEn(const QString& ruta) {
    return pendra::GuardarEn(*this, Contenido(), ruta);
}

void frmGrafico::Imprimir() {
    pendra::Imprimir(*this, Contenido());
}

bool frmGrafico::ImprimirEn(QPrinter& impresora) {
    return pendra::ImprimirEn(*this, impresora, Contenido());
}

void frmGrafico::CrearPropiedades(int numero, int total) {
    accionPropiedades_ =
        AgregarAccion(QStringLiteral("&Propiedades…"), QKeySequence(Qt::CTRL | Qt::Key_I),
                      &frmGrafico::MostrarPropiedades);
    accionPropiedades_->setObjectName(QStringLiteral("accionPropiedades"));
    accionPropiedades_->setToolTip(QStringLiteral("Propiedades del triángulo (Ctrl+I)"));

    // With more than one solution, each strip says which one its window shows.
    lblPropiedades_ = new FranjaPropiedades(
        propiedades_,
        total > 1 ? QStringLiteral("Solución %1 de %2").arg(numero).arg(total) : QString(), this);
    lblPropiedades_->setToolTip(accionPropiedades_->toolTip());
    connect(lblPropiedades_, &QToolButton::clicked, this, &frmGrafico::MostrarPropiedades);
    setTabOrder(picTriangulo_, lblPropiedades_);
    setTabOrder(lblPropiedades_, cmdCerrar_);
}

frmPropiedades* frmGrafico::VistaPropiedades() const {
    return vistaPropiedades_;
}

void frmGrafico::MostrarPropiedades() {
    if (!vistaPropiedades_) {
        vistaPropiedades_ = new frmPropiedades(propiedades_, this);
    }
    vistaPropiedades_->show();
    vistaPropiedades_->raise();
    vistaPropiedades_->activateWindow();
}

void frmGrafico::CrearProcedimiento() {
    accionProcedimiento_ =
        AgregarAccion(QStringLiteral("P&rocedimiento…"), QKeySequence(Qt::CTRL | Qt::Key_D),
                      &frmGrafico::MostrarProcedimiento);
    accionProcedimiento_->setObjectName(QStringLiteral("accionProcedimiento"));
    accionProcedimiento_->setToolTip(
        QStringLiteral("Procedimiento: cómo se resuelve, paso a paso (Ctrl+D)"));
    cmdProcedimiento_ = new QToolButton(this);
    cmdProcedimiento_->setObjectName(QStringLiteral("cmdProcedimiento"));
    // Short, so that the strip keeps its room in the default window.
    cmdProcedimiento_->setText(QStringLiteral("Pasos…"));
    cmdProcedimiento_->setAccessibleName(QStringLiteral("Procedimiento"));
    cmdProcedimiento_->setToolTip(accionProcedimiento_->toolTip());
    cmdProcedimiento_->setFont(font());
    connect(cmdProcedimiento_, &QToolButton::clicked, this, &frmGrafico::MostrarProcedimiento);
    setTabOrder(lblPropiedades_, cmdProcedimiento_);
    setTabOrder(cmdProcedimiento_, cmdCerrar_);
}

frmProcedimiento* frmGrafico::VistaProcedimiento() const {
    return vistaProcedimiento_;
}

void frmGrafico::MostrarProcedimiento() {
    if (!vistaProcedimiento_) {
        vistaProcedimiento_ = new frmProcedimiento(procedimiento_, this);
    }
    vistaProcedimiento_->show();
    vistaProcedimiento_->raise();
    vistaProcedimiento_->activateWindow();
}

}  // namespace pendra
