// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "exportar.h"

namespace pendra {

namespace {

// The system's reasons a save meets, in Spanish. Qt words them in English
// (or in the language of its own translations), with no error number kept:
// they are recognised by the text Qt gives for each number.
struct RazonDelSistema {
    int numero;
    const char* texto;
};
constexpr RazonDelSistema kRazones[] = {
    {ENOSPC, "no queda espacio en el disco"},
    {EDQUOT, "se ha superado la cuota de disco"},
    {EROFS, "el sistema de archivos es de solo lectura"},
    {EACCES, "permiso denegado"},
    {EPERM, "operación no permitida"},
    {ENOENT, "la carpeta no existe"},
    {ENOTDIR, "una parte de la ruta no es una carpeta"},
    {EISDIR, "es una carpeta"},
    {ENAMETOOLONG, "el nombre es demasiado largo"},
    {EFBIG, "el archivo es demasiado grande"},
    {EIO, "error de entrada o salida en el dispositivo"},
    {EMFILE, "hay demasiados archivos abiertos"},
    {ENFILE, "hay demasiados archivos abiertos en el sistema"},
    {ELOOP, "hay demasiados enlaces simbólicos en la ruta"},
    {EBUSY, "el dispositivo está ocupado"},
    {ETXTBSY, "el archivo está en uso"},
};

}  // namespace

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
    for (const RazonDelSistema& razon : kRazones) {
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
    if (!archivo.open(QIODevice::WriteOnly)) {
        return RazonDeError(archivo);
    }
    // Written through Qt's buffer: a full disk shows on the flush, before the
    // commit, or on the commit's own flush and sync to the disk.
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
