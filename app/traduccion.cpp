// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "traduccion.h"

#include <QCoreApplication>
#include <QTranslator>

namespace pendra {

QTranslator* InstalarTraduccionQt(QCoreApplication& aplicacion, const QString& carpeta) {
    // qtbase alone: it holds every text of the widgets the program shows,
    // while the catalogue qt_es also opens the translations of modules the
    // program never loads.
    auto* traductor = new QTranslator(&aplicacion);
    if (!traductor->load(QStringLiteral("qtbase_es"), carpeta) ||
        !QCoreApplication::installTranslator(traductor)) {
        delete traductor;
        return nullptr;
    }
    return traductor;
}

}  // namespace pendra
