// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "errores.h"
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

QString RazonDeError(const QIODevice& dispositivo) {
    const QString texto = dispositivo.errorString();
    // Qt words the system's reasons in English, with no error number kept:
    // they are recognised by the text Qt gives for each number.
    for (const ErrorDelSistema& razon : ErroresDelSistema()) {
        const QString delSistema = qt_error_string(razon.numero);
        if (!delSistema.isEmpty() && texto.contains(delSistema, Qt::CaseInsensitive)) {
            return QString::fromUtf8(razon.texto);
        }
    }
    const auto* archivo = qobject_cast<const QFileDevice*>(&dispositivo);
    switch (archivo != nullptr ? archivo->error() : QFileDevice::UnspecifiedError) {
        case QFileDevice::PermissionsError:
            return QStringLiteral("permiso denegado");
        case QFileDevice::OpenError:
            return QStringLiteral("no se pudo abrir el archivo para escribir");
        case QFileDevice::RenameError:
            return QStringLiteral("no se pudo reemplazar el archivo");
        case QFileDevice::ResourceError:
            return QStringLiteral("faltan recursos del sistema");
        default:
            return QStringLiteral("no se pudo escribir el archivo");
    }
}

QString EscribirDatos(QIODevice& destino, const QByteArray& contenido) {
    // A device may take fewer bytes than offered; what is left is offered again
    // until it takes none.
    qint64 escritos = 0;
    while (escritos < contenido.size()) {
        const qint64 n =
            destino.write(contenido.constData() + escritos, contenido.size() - escritos);
        if (n <= 0) {
            return RazonDeError(destino);
        }
        escritos += n;
    }
    if (const auto* archivo = qobject_cast<QFileDevice*>(&destino);
        archivo != nullptr && archivo->error() != QFileDevice::NoError) {
        return RazonDeError(destino);
    }
    return {};
}

QString EscribirArchivo(const QString& ruta, const QByteArray& contenido) {
    if (QFileInfo(ruta).isDir()) {
        return QStringLiteral("es una carpeta");
    }
    QSaveFile archivo(ruta);
    // Unbuffered, each write goes to the system as it is made: a disk that
    // fills part way through one gives the system's reason on the next. A
    // buffer's flush cut short would fail with no reason at all.
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // A file there that may not be written is refused without the
        // system's reason; opening it to append, which changes nothing, gets it.
        QFile existente(ruta);
        if (existente.exists() &&
            !existente.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly)) {
            return RazonDeError(existente);
        }
        return RazonDeError(archivo);
    }
    QString razon = EscribirDatos(archivo, contenido);
    if (razon.isEmpty() && !archivo.flush()) {
        razon = RazonDeError(archivo);
    }
    if (!razon.isEmpty()) {
        archivo.cancelWriting();
        return razon;
    }
    if (!archivo.commit()) {
        return RazonDeError(archivo);
    }
    return {};
}

}  // namespace pendra
