#include <QApplication>

#include "frmgrafico.h"
#include "frmprincipal.h"
#include "globales.h"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pendra"));
    QApplication::setApplicationVersion(QStringLiteral(PENDRA_VERSION_TEXT));

    // Each solution gets its own new, ownerless result window, which has
    // copied its triangle and drawn it before the solve request goes on.
    const auto abrirResultado = [](const pendra::Medidas& medidas) {
        pendra::frmGrafico::Abrir(medidas);
    };

    pendra::frmPrincipal ventana(abrirResultado);
    ventana.show();
    return QApplication::exec();
}
