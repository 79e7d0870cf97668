#include "areadibujo.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace pendra {

int PixelesDeTwips(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPorPixel));
}

AreaDibujo::AreaDibujo(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

float AreaDibujo::AnchoTwips() const {
    return static_cast<float>(width()) * kTwipsPorPixel;
}

float AreaDibujo::AltoTwips() const {
    return static_cast<float>(height()) * kTwipsPorPixel;
}

void AreaDibujo::FijarAnchoTwips(float twips) {
    resize(std::max(0, PixelesDeTwips(twips)), height());
}

void AreaDibujo::FijarAltoTwips(float twips) {
    resize(width(), std::max(0, PixelesDeTwips(twips)));
}

QSize AreaDibujo::sizeHint() const {
    return {PixelesDeTwips(4695), PixelesDeTwips(2620)};
}

QRect AreaDibujo::ParteVisible() const {
    QRect parte = contentsRect();
    if (const QScreen* pantalla = screen()) {
        const QRect escritorio = pantalla->virtualGeometry();
        parte &= QRect(mapFromGlobal(escritorio.topLeft()), escritorio.size());
    }
    return parte;
}

QImage AreaDibujo::Pintar(const QRect& parte) const {
    if (parte.isEmpty()) {
        return {};
    }
    const qreal ratio = devicePixelRatioF();
    QImage imagen(parte.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(ratio);
    imagen.fill(Qt::white);
    if (dibujo_) {
        QPainter pintor(&imagen);
        // The drawing is laid out on the whole drawing area; the image is a window onto it.
        pintor.translate(-parte.topLeft());
        dibujo_(pintor, contentsRect());
    }
    return imagen;
}

void AreaDibujo::Dibujar(Dibujo dibujo) {
    dibujo_ = std::move(dibujo);
    parte_ = ParteVisible();
    imagen_ = Pintar(parte_);
    update();
}

void AreaDibujo::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    // Moved to a screen of another pixel ratio, or with a part newly on the
    // desktop: the kept image is made again for what is shown now.
    const QRect visible = ParteVisible();
    if (!visible.isEmpty() &&
        (!parte_.contains(visible) || imagen_.devicePixelRatio() != devicePixelRatioF())) {
        parte_ = visible;
        imagen_ = Pintar(parte_);
    }
    QPainter pintor(this);
    const QRect pedido = event->rect() & contentsRect();
    if (!imagen_.isNull() && parte_.contains(pedido)) {
        pintor.drawImage(parte_.topLeft(), imagen_);
    } else if (!pedido.isEmpty()) {
        // Asked for more than the desktop shows (a grab of the whole window):
        // drawn in one piece, and not kept.
        pintor.drawImage(pedido.topLeft(), Pintar(pedido));
    }
}

}  // namespace pendra
