#include "areadibujo.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace pendra {

namespace {

const QColor kFondo = Qt::white;

// Lines run through pixel centres so a horizontal or vertical side is one
// sharp pixel wide instead of two half-grey ones.
QPointF CentroDePixel(QPointF p) {
    return {std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5};
}

}  // namespace

int Pixeles(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPorPixel));
}

AreaDibujo::AreaDibujo(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

float AreaDibujo::Width() const {
    return static_cast<float>(width()) * kTwipsPorPixel;
}

float AreaDibujo::Height() const {
    return static_cast<float>(height()) * kTwipsPorPixel;
}

void AreaDibujo::SetWidth(float twips) {
    resize(std::max(0, Pixeles(twips)), height());
}

void AreaDibujo::SetHeight(float twips) {
    resize(width(), std::max(0, Pixeles(twips)));
}

QSize AreaDibujo::sizeHint() const {
    return {Pixeles(4695), Pixeles(2620)};
}

void AreaDibujo::Cls() {
    const QSize area = contentsRect().size();
    if (area.isEmpty()) {
        imagen_ = QImage();
    } else {
        const qreal ratio = devicePixelRatioF();
        imagen_ = QImage(area * ratio, QImage::Format_ARGB32_Premultiplied);
        imagen_.setDevicePixelRatio(ratio);
        imagen_.fill(kFondo);
    }
    cambioAvisado_ = false;
    currentX_ = 0;
    currentY_ = 0;
    textos_.clear();
    update();
}

void AreaDibujo::Scale(float izquierda, float arriba, float derecha, float abajo) {
    escala_ = {izquierda, arriba, derecha, abajo};
    escalaFijada_ = true;
}

QSizeF AreaDibujo::Lienzo() const {
    return imagen_.isNull() ? QSizeF(contentsRect().size()) : imagen_.deviceIndependentSize();
}

AreaDibujo::Escala AreaDibujo::EscalaActual() const {
    if (escalaFijada_) {
        return escala_;
    }
    const QSizeF lienzo = Lienzo();
    return {0, 0, static_cast<float>(lienzo.width() * kTwipsPorPixel),
            static_cast<float>(lienzo.height() * kTwipsPorPixel)};
}

double AreaDibujo::UnidadesPorPixelX() const {
    const Escala e = EscalaActual();
    return (static_cast<double>(e.derecha) - e.izquierda) / Lienzo().width();
}

double AreaDibujo::UnidadesPorPixelY() const {
    const Escala e = EscalaActual();
    return (static_cast<double>(e.abajo) - e.arriba) / Lienzo().height();
}

QPointF AreaDibujo::ALienzo(float x, float y) const {
    const Escala e = EscalaActual();
    return {(static_cast<double>(x) - e.izquierda) / UnidadesPorPixelX(),
            (static_cast<double>(y) - e.arriba) / UnidadesPorPixelY()};
}

QPointF AreaDibujo::APixel(float x, float y) const {
    return ALienzo(x, y) + contentsRect().topLeft();
}

void AreaDibujo::Line(float x1, float y1, float x2, float y2) {
    if (imagen_.isNull()) {
        return;
    }
    QPainter pintor(&imagen_);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(foreColor_, 1));
    pintor.drawLine(CentroDePixel(ALienzo(x1, y1)), CentroDePixel(ALienzo(x2, y2)));
    update();
}

void AreaDibujo::Print(std::initializer_list<QString> items, bool finDeLinea) {
    // Without a drawing area there is no scale to move the position by.
    if (imagen_.isNull()) {
        return;
    }
    const QFontMetricsF metricas(font(), &imagen_);
    QPainter pintor(&imagen_);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    pintor.setFont(font());
    pintor.setPen(foreColor_);
    for (const QString& item : items) {
        const QPointF esquina = ALienzo(currentX_, currentY_);
        // Whole pixels keep the glyphs as sharp as the font can make them.
        const QPointF origen(std::round(esquina.x()), std::round(esquina.y()));
        const qreal ancho = metricas.horizontalAdvance(item);
        pintor.drawText(origen + QPointF(0, metricas.ascent()), item);
        textos_.append({item,
                        QRectF(origen + contentsRect().topLeft(), QSizeF(ancho, metricas.height())),
                        foreColor_});
        currentX_ = static_cast<float>(currentX_ + ancho * UnidadesPorPixelX());
    }
    if (finDeLinea) {
        currentX_ = EscalaActual().izquierda;
        currentY_ = static_cast<float>(currentY_ + metricas.lineSpacing() * UnidadesPorPixelY());
    }
    update();
}

float AreaDibujo::TextWidth(const QString& texto) const {
    if (imagen_.isNull()) {
        return 0;
    }
    const QFontMetricsF metricas(font(), &imagen_);
    return static_cast<float>(metricas.horizontalAdvance(texto) * UnidadesPorPixelX());
}

void AreaDibujo::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter pintor(this);
    const QRect area = contentsRect();
    pintor.fillRect(area, kFondo);
    if (!imagen_.isNull()) {
        pintor.drawImage(area.topLeft(), imagen_);
        // Not redrawn from inside a paint: the window does it next.
        if (imagen_.devicePixelRatio() != devicePixelRatioF() && !cambioAvisado_) {
            cambioAvisado_ = true;
            QMetaObject::invokeMethod(this, &AreaDibujo::ProporcionCambiada, Qt::QueuedConnection);
        }
    }
}

}  // namespace pendra
