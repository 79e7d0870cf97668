#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <initializer_list>

namespace pendra {

// Twips per device-independent pixel: the result window is laid out in twips,
// and Qt scales device-independent pixels for high-DPI screens on its own.
inline constexpr float kTwipsPorPixel = 15;

// The toolkit's pixel adjustment: a size or position in twips becomes whole pixels.
int Pixeles(float twips);

// A picture area with the drawing operations the result window is written in:
// Cls, Scale, Line, and Print at CurrentX, CurrentY. Whatever is drawn goes into
// a backing image at the screen's pixel ratio, so covering and uncovering the
// window never loses it; only Cls clears it.
class AreaDibujo : public QFrame {
    Q_OBJECT

public:
    // One item written by Print: its text, the box it occupies in this
    // widget's coordinates (device-independent pixels) and its colour.
    struct Texto {
        QString texto;
        QRectF caja;
        QColor color;
    };

    explicit AreaDibujo(QWidget* parent = nullptr);

    // Outer size in twips, border included. The size set is rounded to whole
    // pixels, so reading it back gives a multiple of 15; a size below zero
    // leaves the area empty.
    float Width() const;
    float Height() const;
    void SetWidth(float twips);
    void SetHeight(float twips);

    // Clears the drawing area to white and puts the text position at (0, 0).
    // The backing image is made anew here, at the area's current size.
    void Cls();
    // From now on (izquierda, arriba) is the upper-left corner of the drawing
    // area and (derecha, abajo) its lower-right one; arriba > abajo makes y
    // grow upward. Until the first call the units are twips, y downward.
    void Scale(float izquierda, float arriba, float derecha, float abajo);

    QColor ForeColor() const { return foreColor_; }
    void SetForeColor(QColor color) { foreColor_ = color; }

    void Line(float x1, float y1, float x2, float y2);

    // The text position: the upper-left corner of the next text.
    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    void SetCurrentX(float x) { currentX_ = x; }
    void SetCurrentY(float y) { currentY_ = y; }

    // Writes the items one behind the other from the text position, which
    // then stands just behind the last one. With `finDeLinea` the position
    // then moves to the left edge, one line of the font further down the
    // screen (a smaller y when y grows upward).
    void Print(std::initializer_list<QString> items, bool finDeLinea);

    // The width of `texto` in drawing units, from the font metrics; nothing is drawn.
    float TextWidth(const QString& texto) const;

    // Where a point of the drawing plane lies in this widget, in
    // device-independent pixels.
    QPointF APixel(float x, float y) const;

    // The pixel ratio the drawing was made at; 0 while there is none.
    qreal ProporcionDibujo() const { return imagen_.isNull() ? 0 : imagen_.devicePixelRatio(); }

    // What Print has written since the last Cls, in order. Pixels cannot be
    // read back as text; this can.
    const QList<Texto>& Textos() const { return textos_; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // The window has gone to a screen of another pixel ratio: the drawing
    // would be shown scaled, and should be made again. Sent once per change,
    // after the paint that found it.
    void ProporcionCambiada();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Escala {
        float izquierda;
        float arriba;
        float derecha;
        float abajo;
    };

    QSizeF Lienzo() const;
    Escala EscalaActual() const;
    QPointF ALienzo(float x, float y) const;
    // Drawing units per device-independent pixel, along x and along y.
    double UnidadesPorPixelX() const;
    double UnidadesPorPixelY() const;

    QImage imagen_;
    bool cambioAvisado_ = false;
    bool escalaFijada_ = false;
    Escala escala_{};
    QColor foreColor_ = Qt::black;
    float currentX_ = 0;
    float currentY_ = 0;
    QList<Texto> textos_;
};

}  // namespace pendra
