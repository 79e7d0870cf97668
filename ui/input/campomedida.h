// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace pendra {

// A measure field. Whenever it receives the focus (Tab, a click, or the solve
// request sending it there) its whole text is selected, so the next value typed
// replaces the old one.
class CampoMedida : public QLineEdit {
    Q_OBJECT

public:
    // The most characters a field holds. An edit that would leave more, typed,
    // pasted or dropped, is refused whole and reported by TextoDemasiadoLargo:
    // a number cut short would be read as another number.
    static constexpr int kLargoMaximo = 4096;

    explicit CampoMedida(QWidget* parent = nullptr);

    // Selection start 0, selection length the whole text.
    void SeleccionarTodo();

Q_SIGNALS:
    // An edit was refused: it would have left `largo` characters in the field.
    void TextoDemasiadoLargo(qsizetype largo);

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    class ValidadorLargo;
    ValidadorLargo* validador_ = nullptr;
    // The press that gave the focus also placed the cursor; the selection is
    // made when that click ends, unless the user dragged out a selection.
    bool seleccionarAlSoltar_ = false;
};

}  // namespace pendra
