// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace pendra {

// Qt's own texts (the buttons of message boxes, the file and print dialogs)
// in Spanish, as the rest of the program, whatever the user's locale. Returns
// the translator, owned by `aplicacion`, or nullptr when `carpeta` holds no
// Spanish translation: then those texts stay in English and nothing else
// changes.
QTranslator* InstalarTraduccionQt(
    QCoreApplication& aplicacion,
    const QString& carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace pendra
