#include "acciones.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

#include "exportar.h"
#include "impresion.h"

namespace pendra {

namespace {

// The file types the drawing can be saved as, the first one the default.
const QString kFiltroSvg = QStringLiteral("Dibujo SVG (*.svg)");
const QString kFiltroPng = QStringLiteral("Imagen PNG (*.png)");
const QString kFiltroPdf = QStringLiteral("Documento PDF (*.pdf)");

}  // namespace

void Copiar(const ContenidoResultado& contenido) {
    auto* datos = new QMimeData;
    datos->setText(TablaDeFilas(contenido.filas));
    datos->setImageData(
        ImagenDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano, 2));
    datos->setData(QStringLiteral("image/svg+xml"),
                   SvgDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano));
    QGuiApplication::clipboard()->setMimeData(datos);
}

void GuardarComo(QWidget& ventana, const ContenidoResultado& contenido) {
    // The folder of the last save, for as long as the program runs.
    static QString carpeta = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (carpeta.isEmpty() || !QDir(carpeta).exists()) {
        carpeta = QDir::homePath();
    }
    QString filtro = kFiltroSvg;
    const QString ruta = QFileDialog::getSaveFileName(
        &ventana, QStringLiteral("Guardar el triángulo"),
        QDir(carpeta).filePath(NombrePorDefecto(contenido.etiquetas) + QStringLiteral(".svg")),
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
    GuardarEn(ventana, contenido, destino);
}

bool GuardarEn(QWidget& ventana, const ContenidoResultado& contenido, const QString& ruta) {
    const QString titulo = QStringLiteral("No se pudo guardar");
    const std::optional<Formato> formato = FormatoDeRuta(ruta);
    if (!formato) {
        QMessageBox::critical(
            &ventana, titulo,
            QStringLiteral("No se puede guardar el triángulo en «%1»: el nombre debe terminar "
                           "en .svg, .png o .pdf.")
                .arg(QDir::toNativeSeparators(ruta)));
        return false;
    }
    QByteArray datos;
    switch (*formato) {
        case Formato::Png: {
            QBuffer salida(&datos);
            salida.open(QIODevice::WriteOnly);
            ImagenDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano, 2)
                .save(&salida, "PNG");
            break;
        }
        case Formato::Svg:
            datos = SvgDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano);
            break;
        case Formato::Pdf:
            datos = PdfDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano);
            break;
    }
    const QString error = datos.isEmpty() ? QStringLiteral("no se pudo preparar el dibujo")
                                          : EscribirArchivo(ruta, datos);
    if (!error.isEmpty()) {
        QMessageBox::critical(&ventana, titulo,
                              QStringLiteral("No se pudo guardar el triángulo en «%1»: %2.")
                                  .arg(QDir::toNativeSeparators(ruta), error));
        return false;
    }
    return true;
}

void Imprimir(QWidget& ventana, const ContenidoResultado& contenido) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(NombrePorDefecto(contenido.etiquetas));
    QPrintDialog dialogo(&impresora, &ventana);
    dialogo.setWindowTitle(QStringLiteral("Imprimir el triángulo"));
    if (dialogo.exec() != QDialog::Accepted) {
        return;
    }
    QPainter pintor;
    if (!pintor.begin(&impresora)) {
        QMessageBox::critical(
            &ventana, QStringLiteral("No se pudo imprimir"),
            QStringLiteral("No se pudo imprimir el triángulo en «%1».")
                .arg(impresora.printerName().isEmpty() ? impresora.outputFileName()
                                                       : impresora.printerName()));
        return;
    }
    // The painter's origin is the corner of the printable area.
    const QSize pagina = impresora.pageLayout().paintRectPixels(impresora.resolution()).size();
    ImprimirPagina(pintor, QRectF(QPointF(0, 0), pagina), contenido.geometria,
                   contenido.etiquetas, contenido.filas);
}

}  // namespace pendra
