// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "campomedida.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QValidator>
#include <limits>
#include <utility>

namespace pendra {

// Refuses a text longer than a field holds, and keeps its length for the
// report. An edit the validator refuses is undone before it is laid out, so
// pasting a whole document costs no more than holding it.
class CampoMedida::ValidadorLargo : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& texto, int&) const override {
        rechazado_ = texto.size() > kLargoMaximo ? texto.size() : 0;
        return rechazado_ == 0 ? Acceptable : Invalid;
    }
    // The length last refused, once.
    qsizetype Rechazado() { return std::exchange(rechazado_, 0); }

private:
    mutable qsizetype rechazado_ = 0;
};

CampoMedida::CampoMedida(QWidget* parent)
    : QLineEdit(parent), validador_(new ValidadorLargo(this)) {
    // The validator, not the maximum length, bounds the text: the maximum
    // length would cut an edit silently.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(validador_);
    connect(this, &QLineEdit::inputRejected, this, [this] {
        if (const qsizetype largo = validador_->Rechazado(); largo > 0) {
            Q_EMIT TextoDemasiadoLargo(largo);
        }
    });
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
