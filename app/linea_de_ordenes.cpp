// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linea_de_ordenes.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace pendra {
namespace {

struct Retenido {
    QtMsgType tipo;
    QByteArray archivo, funcion, categoria;
    int linea;
    QString texto;
};

QtMessageHandler anterior = nullptr;
QList<Retenido> retenidos;

void Escribir(std::FILE* destino, const QString& texto) {
    std::fputs(texto.toUtf8().constData(), destino);
}

// Qt aborts right after a fatal message: the program ends before that, with
// what the user can act on.
void Retener(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtFatalMsg) {
        const QString pantalla = qEnvironmentVariable("DISPLAY");
        const bool ninguna = pantalla.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                             qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
        Escribir(stderr,
                 QStringLiteral("pendra: %1; pendra-cli resuelve triángulos sin ventanas.\n")
                     .arg(ninguna ? QStringLiteral("no hay pantalla gráfica (DISPLAY está vacía)")
                                  : QStringLiteral("no se pudo abrir la pantalla gráfica %1")
                                        .arg(pantalla)
                                        .trimmed()));
        std::_Exit(1);
    }
    retenidos.append(
        {tipo, contexto.file, contexto.function, contexto.category, contexto.line, texto});
}

// Qt's own help text is in English, and Qt's options are not known before
// the QApplication takes them: the help is written here.
QString Ayuda(const QList<QCommandLineOption>& opciones) {
    QString texto = QStringLiteral(
        "Uso: pendra [opciones]\n"
        "Resuelve triángulos planos: escriba tres de las seis medidas de un triángulo\n"
        "y Pendra dibuja a escala cada triángulo que admiten.\n\nOpciones:\n");
    for (const QCommandLineOption& opcion : opciones) {
        const QString nombres =
            QStringLiteral("-%1, --%2").arg(opcion.names().value(0), opcion.names().value(1));
        texto += QStringLiteral("  %1  %2\n").arg(nombres, -13).arg(opcion.description());
    }
    return texto + QStringLiteral(
                       "\nAdmite también las opciones de Qt, como -platform o -style.\n"
                       "pendra-cli resuelve los mismos triángulos sin ventanas.\n");
}

}  // namespace

std::optional<int> AntesDeLaPantalla(int argc, char* argv[]) {
    const QCommandLineOption ayuda({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Muestra esta ayuda y termina."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Muestra la versión y termina."));
    QCommandLineParser analizador;
    // Qt's options are words after one dash: -reverse must not read as -v.
    analizador.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    analizador.addOptions({ayuda, version});
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) {
        argumentos << QString::fromLocal8Bit(argv[i]);
    }
    // Qt's options are unknown here; they are left for the QApplication.
    analizador.parse(argumentos);
    if (analizador.isSet(ayuda)) {
        Escribir(stdout, Ayuda({ayuda, version}));
        return 0;
    }
    if (analizador.isSet(version)) {
        Escribir(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
        return 0;
    }
    anterior = qInstallMessageHandler(Retener);
    return std::nullopt;
}

std::optional<int> ConLaPantalla() {
    qInstallMessageHandler(anterior);
    for (const Retenido& r : std::as_const(retenidos)) {
        const QMessageLogContext contexto(r.archivo.constData(), r.linea, r.funcion.constData(),
                                          r.categoria.constData());
        anterior(r.tipo, contexto, r.texto);
    }
    retenidos.clear();
    const QStringList sobrantes = QCoreApplication::arguments().mid(1);
    if (!sobrantes.isEmpty()) {
        Escribir(stderr, QStringLiteral("pendra: no se esperaba «%1»; pendra --help muestra las "
                                        "opciones.\n")
                             .arg(sobrantes.first()));
        return 2;
    }
    return std::nullopt;
}

}  // namespace pendra
