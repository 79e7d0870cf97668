#pragma once

#include <QImage>
#include <QRgb>

namespace pendra::prueba {

// The colours of a drawing, with room for anti-aliased edges.
inline bool EsNegro(QRgb c) {
    return qRed(c) < 110 && qGreen(c) < 110 && qBlue(c) < 110;
}
inline bool EsAzul(QRgb c) {
    return qBlue(c) > 160 && qRed(c) < 110 && qGreen(c) < 110;
}
inline bool EsRojo(QRgb c) {
    return qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110;
}

struct ColoresDelDibujo {
    int negros = 0;
    int azules = 0;
    int rojos = 0;
};

// How many pixels of each drawing colour the image holds inside `zona`.
inline ColoresDelDibujo ContarColores(const QImage& imagen, QRect zona) {
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    zona = zona.intersected(rgb.rect());
    ColoresDelDibujo n;
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = zona.left(); x <= zona.right(); ++x) {
            n.negros += EsNegro(fila[x]) ? 1 : 0;
            n.azules += EsAzul(fila[x]) ? 1 : 0;
            n.rojos += EsRojo(fila[x]) ? 1 : 0;
        }
    }
    return n;
}

}  // namespace pendra::prueba
