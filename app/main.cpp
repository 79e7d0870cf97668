#include <QApplication>
#include <QIcon>

#include "frmgrafico.h"
#include "frmprincipal.h"
#include "globales.h"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pendra"));
    QApplication::setApplicationVersion(QStringLiteral(PENDRA_VERSION_TEXT));
    // Wayland compositors and task bars find the menu entry and its icon by
    // this name, without the extension.
    QGuiApplication::setDesktopFileName(QStringLiteral(PENDRA_ID));

    QIcon icono;
    for (int lado : {16, 32, 48, 256}) {
        icono.addFile(QStringLiteral(":/iconos/pendra-%1.png").arg(lado), QSize(lado, lado));
    }
    QApplication::setWindowIcon(icono);

    // Each solution gets its own new, ownerless result window, which has
    // copied its triangle and drawn it before the solve request goes on.
    const auto abrirResultado = [](const pendra::Medidas& medidas) {
        pendra::frmGrafico::Abrir(medidas);
    };

    pendra::frmPrincipal ventana(abrirResultado);
    ventana.show();
    return QApplication::exec();
}
