// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QImage>
#include <QRect>
#include <functional>

#include "unidades.h"

class QPainter;

namespace pendra {

// The toolkit's pixel adjustment: a size or position in twips becomes whole pixels.
int PixelesDeTwips(float twips);

// The picture of a result window. It shows a drawing that it keeps in an image
// at the screen's pixel ratio, so covering and uncovering the window never
// loses it. The image holds only the part of the picture that lies on the
// desktop: a window dragged far larger than its screen costs no more memory
// than one that fills the screen.
class AreaDibujo : public QFrame {
    Q_OBJECT

public:
    // Draws the picture's content on a painter, filling the given rectangle.
    using Dibujo = std::function<void(QPainter&, const QRectF&)>;

    explicit AreaDibujo(QWidget* parent = nullptr);

    // Outer size in twips, border included. The size set is rounded to whole
    // pixels, so reading it back gives a multiple of 15; a size below zero
    // leaves the area empty.
    float AnchoTwips() const;
    float AltoTwips() const;
    void FijarAnchoTwips(float twips);
    void FijarAltoTwips(float twips);

    // Draws the area anew with `dibujo`, which fills the inner drawing area
    // (contentsRect) from now on.
    void Dibujar(Dibujo dibujo);

    // The part of the drawing area kept in the image, in this widget's
    // coordinates, and the pixel ratio it was drawn at (0 while there is none).
    QRect ParteGuardada() const { return parte_; }
    qreal ProporcionDibujo() const { return imagen_.isNull() ? 0 : imagen_.devicePixelRatio(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The drawing area's part that lies on the desktop.
    QRect ParteVisible() const;
    QImage Pintar(const QRect& parte) const;

    Dibujo dibujo_;
    QImage imagen_;
    QRect parte_;
};

}  // namespace pendra
