// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "globales.h"
#include "solicitud.h"

class QPushButton;

namespace pendra {

class CampoMedida;

// The start-up window: six measure fields placed around a triangle diagram,
// four lines of instructions, and the Borrar, Resolver and Terminar buttons.
// It is a dialog because only a dialog gives Enter to its default button.
class frmPrincipal : public QDialog {
    Q_OBJECT

public:
    // Creates and shows a new result window, without an owner, for one
    // solution, number `numero` of the `total` the request gave; `entrada` is
    // the input window, which the new window should leave in view.
    using AbrirResultadoFn =
        std::function<void(const Solucion&, const QWidget& entrada, int numero, int total)>;

    explicit frmPrincipal(AbrirResultadoFn abrirResultado, QWidget* parent = nullptr);

    // The fields, numbered 1 to 3 as the measures are.
    CampoMedida* txtAngulo(std::uint8_t i) const;
    CampoMedida* txtLado(std::uint8_t i) const;
    QPushButton* cmdBorrar() const { return cmdBorrar_; }
    QPushButton* cmdResolver() const { return cmdResolver_; }
    QPushButton* cmdTerminar() const { return cmdTerminar_; }

public Q_SLOTS:
    void cmdBorrar_Click();
    void cmdResolver_Click();
    void cmdTerminar_Click();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    CampoMedida* CampoDe(Campo campo) const;
    void MostrarMensaje(const Mensaje& mensaje);
    // An edit of `campo` was refused: it would have left `largo` characters.
    void AvisarTextoLargo(CampoMedida& campo, qsizetype largo);

    // Index 0 is never used: the measures are numbered from 1.
    std::array<CampoMedida*, 4> txtAngulo_{};
    std::array<CampoMedida*, 4> txtLado_{};
    QPushButton* cmdBorrar_ = nullptr;
    QPushButton* cmdResolver_ = nullptr;
    QPushButton* cmdTerminar_ = nullptr;

    AbrirResultadoFn abrirResultado_;
};

}  // namespace pendra
