#include <QFileInfo>
#include <QSaveFile>

#include "exportar.h"

namespace pendra {

std::optional<Formato> FormatoDeRuta(const QString& ruta) {
    const QString extension = QFileInfo(ruta).suffix().toLower();
    if (extension == QLatin1String("png")) {
        return Formato::Png;
    }
    if (extension == QLatin1String("svg")) {
        return Formato::Svg;
    }
    if (extension == QLatin1String("pdf")) {
        return Formato::Pdf;
    }
    return std::nullopt;
}

QString EscribirArchivo(const QString& ruta, const QByteArray& contenido) {
    QSaveFile archivo(ruta);
    const auto razon = [&archivo] {
        const QString texto = archivo.errorString();
        return texto.isEmpty() ? QStringLiteral("error desconocido") : texto;
    };
    if (!archivo.open(QIODevice::WriteOnly)) {
        return razon();
    }
    if (archivo.write(contenido) != contenido.size()) {
        const QString texto = razon();
        archivo.cancelWriting();
        return texto;
    }
    if (!archivo.commit()) {
        return razon();
    }
    return {};
}

}  // namespace pendra
