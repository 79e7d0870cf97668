#include <QApplication>

#include "frmprincipal.h"
#include "globales.h"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pendra"));
    QApplication::setApplicationVersion(QStringLiteral(PENDRA_VERSION_TEXT));

    // Each solution will get its own new, ownerless result window here.
    const auto abrirResultado = [](const pendra::Medidas&) {};

    pendra::frmPrincipal ventana(abrirResultado);
    ventana.show();
    return QApplication::exec();
}
