#include "frmgrafico.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "areadibujo.h"
#include "dibujo.h"
#include "frmpropiedades.h"

namespace pendra {

namespace {

// The frame around the client area that the layout was designed with.
constexpr float kMarcoAncho = 120;
constexpr float kMarcoAlto = 405;

void FijarGeometria(QWidget* control, float left, float top, float width, float height) {
    control->setGeometry(PixelesDeTwips(left), PixelesDeTwips(top), PixelesDeTwips(width),
                         PixelesDeTwips(height));
}

// The file types the drawing can be saved as, the first one the default.
const QString kFiltroSvg = QStringLiteral("Dibujo SVG (*.svg)");
const QString kFiltroPng = QStringLiteral("Imagen PNG (*.png)");
const QString kFiltroPdf = QStringLiteral("Documento PDF (*.pdf)");

// A step down and to the right of `anterior`, or the screen's upper left
// corner when the step would leave the screen.
QPoint Escalonada(const QWidget& anterior, QSize tamano) {
    constexpr int kPaso = 32;
    const QRect disponible = anterior.screen()->availableGeometry();
    const QPoint lugar = anterior.pos() + QPoint(kPaso, kPaso);
    const QSize marco = anterior.frameGeometry().size() - anterior.size();
    if (disponible.contains(QRect(lugar, tamano + marco))) {
        return lugar;
    }
    return disponible.topLeft();
}

// Beside `entrada`, so that its fields stay in view: to its right where the
// screen has room, else below it. The window slides along that side as far as
// it must to stay on the screen, frame included (its frame taken to be as
// thick as that of `entrada`, since it has none before it is shown). Nothing
// when neither place is free.
std::optional<QPoint> Junto(const QWidget& entrada, QSize tamano) {
    constexpr int kSeparacion = 8;
    const QRect disponible = entrada.screen()->availableGeometry();
    const QRect ocupado = entrada.frameGeometry();
    const QSize marco = tamano + (ocupado.size() - entrada.size());
    if (marco.width() > disponible.width() || marco.height() > disponible.height()) {
        return std::nullopt;
    }
    for (const QPoint esquina : {QPoint(ocupado.right() + 1 + kSeparacion, ocupado.top()),
                                 QPoint(ocupado.left(), ocupado.bottom() + 1 + kSeparacion)}) {
        const QRect lugar(QPoint(std::clamp(esquina.x(), disponible.left(),
                                            disponible.right() + 1 - marco.width()),
                                 std::clamp(esquina.y(), disponible.top(),
                                            disponible.bottom() + 1 - marco.height())),
                          marco);
        if (!lugar.intersects(ocupado)) {
            return lugar.topLeft();
        }
    }
    return std::nullopt;
}

}  // namespace

frmGrafico::frmGrafico(const Medidas& medidas)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      geometria_(medidas),
      etiquetas_(medidas),
      propiedades_(PropiedadesDe(medidas)) {
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
    CrearPropiedades();
    resize(PixelesDeTwips(4680), PixelesDeTwips(3195));
}

frmGrafico* frmGrafico::Abrir(const Medidas& medidas, const QWidget* entrada) {
    // The last window opened, while it is open. The next one is set down and
    // to the right of it, so that the first triangle of the ambiguous case is
    // not hidden exactly under the second. With none open, the window goes
    // beside the input window where there is room, else the dialog's own
    // placement centres it.
    static QPointer<frmGrafico> ultima;
    auto* ventana = new frmGrafico(medidas);
    if (ultima && ultima->isVisible()) {
        ventana->move(Escalonada(*ultima, ventana->size()));
    } else if (entrada != nullptr && entrada->isVisible()) {
        if (const std::optional<QPoint> lugar = Junto(*entrada, ventana->size())) {
            ventana->move(*lugar);
        }
    }
    ultima = ventana;
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
    Form_Resize();
}

void frmGrafico::Form_Resize() {
    // The button keeps its distance from the lower right corner.
    cmdCerrar_->move(cmdCerrar_->x(), PixelesDeTwips(AltoTwips() - 920));
    cmdCerrar_->move(PixelesDeTwips(AnchoTwips() - 1400), cmdCerrar_->y());
    ColocarPropiedades();
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
    // fills its inner area, as the window has always drawn it.
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

QSizeF frmGrafico::TamanoDibujo() const {
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
    return tamano;
}

void frmGrafico::Copiar() {
    const QSizeF tamano = TamanoDibujo();
    auto* datos = new QMimeData;
    datos->setText(TablaDeFilas(Filas()));
    datos->setImageData(ImagenDibujo(geometria_, etiquetas_, tamano, 2));
    datos->setData(QStringLiteral("image/svg+xml"), SvgDibujo(geometria_, etiquetas_, tamano));
    QGuiApplication::clipboard()->setMimeData(datos);
}

void frmGrafico::GuardarComo() {
    // The folder of the last save, for as long as the program runs.
    static QString carpeta = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (carpeta.isEmpty() || !QDir(carpeta).exists()) {
        carpeta = QDir::homePath();
    }
    QString filtro = kFiltroSvg;
    const QString ruta = QFileDialog::getSaveFileName(
        this, QStringLiteral("Guardar el triángulo"),
        QDir(carpeta).filePath(NombrePorDefecto(etiquetas_) + QStringLiteral(".svg")),
        QStringList{kFiltroSvg, kFiltroPng, kFiltroPdf}.join(QStringLiteral(";;")), &filtro);
    if (ruta.isEmpty()) {
        return;
    }
    carpeta = QFileInfo(ruta).absolutePath();
    // A name typed without an extension takes the one of the chosen type.
    QString destino = ruta;
    if (QFileInfo(ruta).suffix().isEmpty()) {
        destino += filtro == kFiltroPng   ? QStringLiteral(".png")
                   : filtro == kFiltroPdf ? QStringLiteral(".pdf")
                                          : QStringLiteral(".svg");
    }
    GuardarEn(destino);
}

bool frmGrafico::GuardarEn(const QString& ruta) {
    const QString titulo = QStringLiteral("No se pudo guardar");
    const std::optional<Formato> formato = FormatoDeRuta(ruta);
    if (!formato) {
        QMessageBox::critical(
            this, titulo,
            QStringLiteral("No se puede guardar el triángulo en «%1»: el nombre debe terminar "
                           "en .svg, .png o .pdf.")
                .arg(QDir::toNativeSeparators(ruta)));
        return false;
    }
    const QSizeF tamano = TamanoDibujo();
    QByteArray contenido;
    switch (*formato) {
        case Formato::Png: {
            QBuffer salida(&contenido);
            salida.open(QIODevice::WriteOnly);
            ImagenDibujo(geometria_, etiquetas_, tamano, 2).save(&salida, "PNG");
            break;
        }
        case Formato::Svg:
            contenido = SvgDibujo(geometria_, etiquetas_, tamano);
            break;
        case Formato::Pdf:
            contenido = PdfDibujo(geometria_, etiquetas_, tamano);
            break;
    }
    const QString error = contenido.isEmpty() ? QStringLiteral("no se pudo preparar el dibujo")
                                              : EscribirArchivo(ruta, contenido);
    if (!error.isEmpty()) {
        QMessageBox::critical(this, titulo,
                              QStringLiteral("No se pudo guardar el triángulo en «%1»: %2.")
                                  .arg(QDir::toNativeSeparators(ruta), error));
        return false;
    }
    return true;
}

void frmGrafico::Imprimir() {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(NombrePorDefecto(etiquetas_));
    QPrintDialog dialogo(&impresora, this);
    dialogo.setWindowTitle(QStringLiteral("Imprimir el triángulo"));
    if (dialogo.exec() != QDialog::Accepted) {
        return;
    }
    QPainter pintor;
    if (!pintor.begin(&impresora)) {
        QMessageBox::critical(
            this, QStringLiteral("No se pudo imprimir"),
            QStringLiteral("No se pudo imprimir el triángulo en «%1».")
                .arg(impresora.printerName().isEmpty() ? impresora.outputFileName()
                                                       : impresora.printerName()));
        return;
    }
    // The painter's origin is the corner of the printable area.
    const QSize pagina = impresora.pageLayout().paintRectPixels(impresora.resolution()).size();
    ImprimirPagina(pintor, QRectF(QPointF(0, 0), pagina), geometria_, etiquetas_, Filas());
}

void frmGrafico::CrearPropiedades() {
    accionPropiedades_ =
        AgregarAccion(QStringLiteral("&Propiedades…"), QKeySequence(Qt::CTRL | Qt::Key_I),
                      &frmGrafico::MostrarPropiedades);
    accionPropiedades_->setObjectName(QStringLiteral("accionPropiedades"));
    accionPropiedades_->setToolTip(QStringLiteral("Propiedades del triángulo (Ctrl+I)"));

    // Looks like text until the pointer is over it; in the window's own font.
    lblPropiedades_ = new QToolButton(this);
    lblPropiedades_->setObjectName(QStringLiteral("lblPropiedades"));
    lblPropiedades_->setAccessibleName(QStringLiteral("Área y perímetro"));
    lblPropiedades_->setToolTip(accionPropiedades_->toolTip());
    lblPropiedades_->setAutoRaise(true);
    lblPropiedades_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    lblPropiedades_->setFont(font());
    connect(lblPropiedades_, &QToolButton::clicked, this, &frmGrafico::MostrarPropiedades);
    setTabOrder(picTriangulo_, lblPropiedades_);
    setTabOrder(lblPropiedades_, cmdCerrar_);
}

void frmGrafico::ColocarPropiedades() {
    // From the left edge to a little short of the button, as high as the button.
    const int margen = PixelesDeTwips(60);
    const int ancho = cmdCerrar_->x() - 2 * margen;
    // What the button adds around its text.
    const int relleno = lblPropiedades_->sizeHint().width() -
                        lblPropiedades_->fontMetrics().horizontalAdvance(lblPropiedades_->text());
    const QString texto =
        TextoFranja(propiedades_, lblPropiedades_->fontMetrics(), ancho - relleno);
    lblPropiedades_->setText(texto);
    lblPropiedades_->setVisible(!texto.isEmpty());
    const int alto = cmdCerrar_->height();
    lblPropiedades_->setGeometry(margen, cmdCerrar_->y(),
                                 std::min(lblPropiedades_->sizeHint().width(), std::max(ancho, 0)),
                                 alto);
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

}  // namespace pendra
