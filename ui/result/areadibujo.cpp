// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

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
    if (!imagen_.isNull()) {
        pintor.drawImage(parte_.topLeft(), imagen_);
    }
    // What lies off the desktop is painted only when asked for (a grab of the
    // whole window), in pieces of bounded size, and not kept.
    constexpr int kPieza = 512;
    for (const QRect& resto : QRegion(pedido).subtracted(imagen_.isNull() ? QRect() : parte_)) {
        for (int y = resto.top(); y <= resto.bottom(); y += kPieza) {
            for (int x = resto.left(); x <= resto.right(); x += kPieza) {
                const QRect pieza = QRect(x, y, kPieza, kPieza) & resto;
                pintor.drawImage(pieza.topLeft(), Pintar(pieza));
            }
        }
    }
}

}  // namespace pendra
