// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "campomedida.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace pendra {

CampoMedida::CampoMedida(QWidget* parent) : QLineEdit(parent) {
    // Far more than any measure needs, and short enough that pasting a
    // whole document into a field is cut at once instead of laid out.
    setMaxLength(kLargoMaximo);
}

void CampoMedida::SeleccionarTodo() {
    selectAll();
}

void CampoMedida::focusInEvent(QFocusEvent* evento) {
    QLineEdit::focusInEvent(evento);
    switch (evento->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            // Coming back to the window is no move between fields: whatever
            // the user had selected stays as it was.
            break;
        case Qt::MouseFocusReason:
            seleccionarAlSoltar_ = true;
            break;
        default:
            SeleccionarTodo();
            break;
    }
}

void CampoMedida::focusOutEvent(QFocusEvent* evento) {
    seleccionarAlSoltar_ = false;
    QLineEdit::focusOutEvent(evento);
}

void CampoMedida::mouseReleaseEvent(QMouseEvent* evento) {
    QLineEdit::mouseReleaseEvent(evento);
    if (seleccionarAlSoltar_) {
        seleccionarAlSoltar_ = false;
        if (!hasSelectedText()) {
            SeleccionarTodo();
        }
    }
}

}  // namespace pendra
