// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include "frmgrafico.h"
#include "frmprincipal.h"
#include "globales.h"
#include "linea_de_ordenes.h"
#include "traduccion.h"

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Pendra"));
    QApplication::setApplicationVersion(QStringLiteral(PENDRA_VERSION));
    if (const auto estado = pendra::AntesDeLaPantalla(argc, argv)) {
        return *estado;
    }
    QApplication aplicacion(argc, argv);
    if (const auto estado = pendra::ConLaPantalla()) {
        return *estado;
    }
    pendra::InstalarTraduccionQt(aplicacion);
    // Wayland compositors and task bars find the menu entry and its icon by
    // this name, without the extension.
    QGuiApplication::setDesktopFileName(QStringLiteral(PENDRA_ID));

    // Read as PNG by name: guessing the format would load every image plug-in
    // (SVG and JPEG among them) and cost a quarter of the start-up. The window
    // carries the three small sizes only: the 256 px image made X start-up a
    // tenth slower, and menus and docks take the large icon from the theme.
    QIcon icono;
    for (int lado : {16, 32, 48}) {
        QImageReader lector(QStringLiteral(":/iconos/pendra-%1.png").arg(lado), "png");
        lector.setAutoDetectImageFormat(false);
        icono.addPixmap(QPixmap::fromImage(lector.read()));
    }
    QApplication::setWindowIcon(icono);

    // Each solution gets its own new, ownerless result window, which has
    // copied its triangle and drawn it before the solve request goes on.
    const auto abrirResultado = [](const pendra::Solucion& solucion, const QWidget& entrada,
                                   int numero, int total) {
        pendra::frmGrafico::Abrir(solucion, &entrada, numero, total);
    };

    pendra::frmPrincipal ventana(abrirResultado);
    ventana.show();
    return QApplication::exec();
}
