// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "acciones.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStringList>
#include <QTextDocument>
#include <optional>

#include "exportar.h"
#include "impresion.h"

namespace pendra {

namespace {

// The file types the drawing can be saved as, the first one the default.
const QString kFiltroSvg = QStringLiteral("Dibujo SVG (*.svg)");
const QString kFiltroPng = QStringLiteral("Imagen PNG (*.png)");
const QString kFiltroPdf = QStringLiteral("Documento PDF (*.pdf)");

// `ruta`, with the extension of the dialog's type `filtro` unless it already
// ends in one of the three: a name's own dots ("triangulo-1.5-2.8500-2")
// make no extension.
QString RutaConExtension(const QString& ruta, const QString& filtro) {
    if (FormatoDeRuta(ruta)) {
        return ruta;
    }
    return ruta + (filtro == kFiltroPng   ? QStringLiteral(".png")
                   : filtro == kFiltroPdf ? QStringLiteral(".pdf")
                                          : QStringLiteral(".svg"));
}

// One page on `dispositivo`, a printer or a PDF writer: the drawing and the
// rows below it. The empty text when the page was painted and ended cleanly.
QString PintarPagina(QPagedPaintDevice& dispositivo, const ContenidoResultado& contenido) {
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) {
        return QStringLiteral("no se pudo empezar la página");
    }
    // The painter's origin is the corner of the printable area.
    const QSize pagina = dispositivo.pageLayout().paintRectPixels(dispositivo.logicalDpiX()).size();
    QTextDocument trabajo;
    trabajo.setHtml(contenido.procedimiento);
    ImprimirPagina(pintor, QRectF(QPointF(0, 0), pagina), contenido.geometria, contenido.etiquetas,
                   contenido.filas, contenido.procedimiento.isEmpty() ? nullptr : &trabajo);
    if (!pintor.end()) {
        return QStringLiteral("no se pudo terminar la página");
    }
    return {};
}

}  // namespace

void Copiar(const ContenidoResultado& contenido) {
    auto* datos = new QMimeData;
    datos->setText(TablaDeFilas(contenido.filas));
    datos->setHtml(TablaHtml(contenido.filas));
    datos->setImageData(
        ImagenDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano, 2));
    datos->setData(QStringLiteral("image/svg+xml"),
                   SvgDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano));
    QGuiApplication::clipboard()->setMimeData(datos);
}

void GuardarComo(QWidget& ventana, const ContenidoResultado& contenido) {
    // The folder of the last successful save, for as long as the program runs:
    // a folder where a save failed is not offered again.
    static QString carpeta = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (carpeta.isEmpty() || !QDir(carpeta).exists()) {
        carpeta = QDir::homePath();
    }
    QFileDialog dialogo(&ventana, QStringLiteral("Guardar el triángulo"), carpeta,
                        QStringList{kFiltroSvg, kFiltroPng, kFiltroPdf}.join(QStringLiteral(";;")));
    dialogo.setObjectName(QStringLiteral("dlgGuardar"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    // The question is asked below, of the name the file will really have.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    dialogo.selectFile(NombrePorDefecto(contenido.etiquetas) + QStringLiteral(".svg"));
    while (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty()) {
        const QString destino =
            RutaConExtension(dialogo.selectedFiles().constFirst(), dialogo.selectedNameFilter());
        if (QFileInfo::exists(destino) &&
            QMessageBox::question(&ventana, QStringLiteral("Guardar el triángulo"),
                                  QStringLiteral("«%1» ya existe. ¿Desea reemplazarlo?")
                                      .arg(QDir::toNativeSeparators(destino)),
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) != QMessageBox::Yes) {
            // Back to the dialog, for another name.
            dialogo.selectFile(QFileInfo(destino).fileName());
            continue;
        }
        if (GuardarEn(ventana, contenido, destino)) {
            carpeta = QFileInfo(destino).absolutePath();
        }
        return;
    }
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
    const QByteArray datos = [&] {
        switch (*formato) {
            case Formato::Png:
                return PngDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano);
            case Formato::Svg:
                return SvgDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano);
            case Formato::Pdf:
                break;
        }
        return PdfDibujo(contenido.geometria, contenido.etiquetas, contenido.tamano);
    }();
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
    ImprimirEn(ventana, impresora, contenido);
}

bool ImprimirEn(QWidget& ventana, QPrinter& impresora, const ContenidoResultado& contenido) {
    const bool aArchivo =
        impresora.outputFormat() == QPrinter::PdfFormat && !impresora.outputFileName().isEmpty();
    const QString destino = aArchivo ? impresora.outputFileName() : impresora.printerName();
    QString error;
    if (aArchivo) {
        // Printed to a file, the page is made in memory with the printer's
        // settings, then written and checked as a saved file is: a failure
        // leaves the file that was there.
        QByteArray pdf;
        QBuffer salida(&pdf);
        salida.open(QIODevice::WriteOnly);
        QPdfWriter escritor(&salida);
        escritor.setResolution(impresora.resolution());
        escritor.setPageLayout(impresora.pageLayout());
        escritor.setTitle(impresora.docName());
        escritor.setCreator(QStringLiteral("Pendra"));
        error = PintarPagina(escritor, contenido);
        if (error.isEmpty()) {
            error = EscribirArchivo(destino, pdf);
        }
    } else {
        error = PintarPagina(impresora, contenido);
    }
    if (!error.isEmpty()) {
        QMessageBox::critical(&ventana, QStringLiteral("No se pudo imprimir"),
                              QStringLiteral("No se pudo imprimir el triángulo en «%1»: %2.")
                                  .arg(QDir::toNativeSeparators(destino), error));
        return false;
    }
    return true;
}

}  // namespace pendra
