#pragma once

#include <QDialog>
#include <cstdint>

#include "etiquetas.h"
#include "geometria.h"
#include "globales.h"

class QPushButton;

namespace pendra {

class AreaDibujo;

// The result window: one solved triangle drawn to scale, its sides labelled
// in blue and its angles in red. It copies its triangle when it loads and
// depends on nothing outside itself afterwards. A dialog, so that Enter and
// Escape reach "&Cerrar"; but modeless and without an owner, and deleted as
// soon as it closes.
class frmGrafico : public QDialog {
    Q_OBJECT

public:
    // Form_Load: the geometry and the label values of the triangle in `medidas`.
    explicit frmGrafico(const Medidas& medidas);

    // Creates a window for `medidas` and shows it, beside `entrada`, the input
    // window, when given. It has loaded and drawn when this returns, so the
    // caller may change `medidas` at once.
    static frmGrafico* Abrir(const Medidas& medidas, const QWidget* entrada = nullptr);

    // The outer size in twips, which the layout is stated against: the client
    // area plus the frame allowance the window was designed with, so a tall
    // title bar never pushes "&Cerrar" out of view.
    float Width() const;
    float Height() const;

    const GeometriaTriangulo& Geometria() const { return geometria_; }
    AreaDibujo* picTriangulo() const { return picTriangulo_; }
    QPushButton* cmdCerrar() const { return cmdCerrar_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
    void cmdCerrar_Click();
    void EscribirLado(float x, float y, std::uint8_t i);
    void EscribirAngulo(float x, float y, std::uint8_t i);
    float AltoLinea();

    GeometriaTriangulo geometria_;
    EtiquetasTriangulo etiquetas_;
    AreaDibujo* picTriangulo_ = nullptr;
    QPushButton* cmdCerrar_ = nullptr;
};

}  // namespace pendra
