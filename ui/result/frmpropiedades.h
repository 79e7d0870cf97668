// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

#include "propiedades.h"

class QTableWidget;

namespace pendra {

// The properties of one result window's triangle, every one with its Spanish
// name: a modeless dialog over that window, closed with it.
class frmPropiedades : public QDialog {
    Q_OBJECT

public:
    frmPropiedades(const Propiedades& propiedades, QWidget* parent);

    QTableWidget* tabla() const { return tabla_; }

private:
    QTableWidget* tabla_ = nullptr;
};

}  // namespace pendra
