// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmpropiedades.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "formato.h"

namespace pendra {

frmPropiedades::frmPropiedades(const Propiedades& propiedades, QWidget* parent) : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Propiedades del triángulo"));

    auto* clase = new QLabel(QStringLiteral("Triángulo %1 %2")
                                 .arg(QString::fromStdString(Nombre(propiedades.porAngulos)),
                                      QString::fromStdString(Nombre(propiedades.porLados))),
                             this);
    clase->setObjectName(QStringLiteral("lblClase"));
    clase->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const auto filas = FilasPropiedades(propiedades);
    tabla_ = new QTableWidget(static_cast<int>(filas.size()), 2, this);
    tabla_->setObjectName(QStringLiteral("tblPropiedades"));
    tabla_->setAccessibleName(QStringLiteral("Propiedades"));
    tabla_->setHorizontalHeaderLabels({QStringLiteral("Propiedad"), QStringLiteral("Valor")});
    tabla_->verticalHeader()->hide();
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setWordWrap(false);
    for (int fila = 0; fila < tabla_->rowCount(); ++fila) {
        const auto& [nombre, valor] = filas[static_cast<std::size_t>(fila)];
        tabla_->setItem(fila, 0, new QTableWidgetItem(QString::fromStdString(nombre)));
        tabla_->setItem(fila, 1, new QTableWidgetItem(QString::fromStdString(valor)));
    }
    tabla_->resizeColumnsToContents();
    tabla_->resizeRowsToContents();
    tabla_->horizontalHeader()->setStretchLastSection(true);
    // Room for every row where the screen has it; a scroll bar where not.
    const int marco = 2 * tabla_->frameWidth();
    const int ancho = tabla_->columnWidth(0) + tabla_->columnWidth(1) + marco +
                      tabla_->verticalScrollBar()->sizeHint().width();
    int alto = tabla_->horizontalHeader()->sizeHint().height() + marco;
    for (int fila = 0; fila < tabla_->rowCount(); ++fila) {
        alto += tabla_->rowHeight(fila);
    }
    const int altoPantalla =
        parent != nullptr ? parent->screen()->availableGeometry().height() * 3 / 4 : alto;
    tabla_->setMinimumSize(ancho, std::min(alto, altoPantalla));

    auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("cmdCerrar"));
    cerrar->setDefault(true);
    // The focus on the button, not on a cell: Enter and Escape close at once.
    cerrar->setFocus();
    connect(cerrar, &QPushButton::clicked, this, &QDialog::close);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(clase);
    disposicion->addWidget(tabla_, 1);
    disposicion->addWidget(cerrar, 0, Qt::AlignRight);
}

}  // namespace pendra
