// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the icon files that scripts/iconos.py writes into app/iconos.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

QString Ruta(const QString& nombre) {
    return QStringLiteral(PENDRA_ICONOS "/") + nombre;
}

QByteArray Leer(const QString& nombre) {
    QFile archivo(Ruta(nombre));
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

quint16 U16(const QByteArray& datos, qsizetype k) {
    return qFromLittleEndian<quint16>(datos.constData() + k);
}
quint32 U32(const QByteArray& datos, qsizetype k) {
    return qFromLittleEndian<quint32>(datos.constData() + k);
}

// A drawn icon: transparent in its corners, opaque and white inside the
// triangle, with the blue border across the middle of the base.
void ComprobarDibujo(const QImage& imagen) {
    const int n = imagen.width();
    QCOMPARE(qAlpha(imagen.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(imagen.pixel(n - 1, 0)), 0);
    QCOMPARE(imagen.pixel(n / 2, n * 5 / 8) | 0xff000000, 0xffffffff);
    QCOMPARE(qAlpha(imagen.pixel(n / 2, n * 5 / 8)), 255);
    const QRgb base = imagen.pixel(n / 2, n * 7 / 8 - 1);
    QVERIFY2(qBlue(base) > 200 && qRed(base) < 60 && qGreen(base) < 60,
             qPrintable(QString::number(base, 16)));
}

}  // namespace

class PruebasIconos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void the_ico_holds_exactly_the_three_windows_images() {
        const QByteArray ico = Leer("pendra.ico");
        QVERIFY(ico.size() > 6 + 3 * 16);
        QCOMPARE(U16(ico, 0), 0);  // reserved
        QCOMPARE(U16(ico, 2), 1);  // an icon, not a cursor
        QCOMPARE(U16(ico, 4), 3);

        struct Entrada {
            int lado, colores, bits;
        };
        const Entrada esperadas[] = {{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
        for (int k = 0; k < 3; ++k) {
            const qsizetype e = 6 + 16 * k;
            const Entrada& esperada = esperadas[k];
            QCOMPARE(quint8(ico[e]), esperada.lado);
            QCOMPARE(quint8(ico[e + 1]), esperada.lado);
            QCOMPARE(quint8(ico[e + 2]), esperada.colores);
            QCOMPARE(U16(ico, e + 4), 1);  // planes
            QCOMPARE(U16(ico, e + 6), esperada.bits);

            // The image itself: a bitmap header, the palette, the colour
            // bits and the transparency mask, rows padded to four bytes.
            const quint32 tamano = U32(ico, e + 8);
            const quint32 inicio = U32(ico, e + 12);
            QVERIFY(inicio + tamano <= quint32(ico.size()));
            const auto fila = [](int lado, int bits) { return (lado * bits + 31) / 32 * 4; };
            const int n = esperada.lado;
            QCOMPARE(tamano, quint32(40 + 4 * esperada.colores + n * fila(n, esperada.bits) +
                                     n * fila(n, 1)));
            QCOMPARE(U32(ico, inicio), 40U);
            QCOMPARE(qint32(U32(ico, inicio + 4)), n);
            QCOMPARE(qint32(U32(ico, inicio + 8)), 2 * n);
            QCOMPARE(U16(ico, inicio + 14), esperada.bits);
            QCOMPARE(U32(ico, inicio + 16), 0U);  // uncompressed
        }
    }

    void every_image_of_the_ico_reads_back_as_the_drawing() {
        QImageReader lector(Ruta("pendra.ico"));
        QCOMPARE(lector.imageCount(), 3);
        const QSize lados[] = {{32, 32}, {32, 32}, {16, 16}};
        for (int k = 0; k < 3; ++k) {
            QVERIFY(lector.jumpToImage(k));
            const QImage imagen = lector.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(imagen.size(), lados[k]);
            if (k == 0) {
                // Two colours: black border on white.
                QCOMPARE(imagen.pixel(16, 27) | 0xff000000, 0xff000000);
                QCOMPARE(qAlpha(imagen.pixel(0, 0)), 0);
            } else {
                ComprobarDibujo(imagen);
            }
        }
    }

    void the_png_icons_come_in_their_sizes_data() {
        QTest::addColumn<int>("lado");
        for (int lado : {16, 32, 48, 192, 256, 512}) {
            QTest::addRow("%d px", lado) << lado;
        }
    }

    void the_png_icons_come_in_their_sizes() {
        QFETCH(int, lado);
        const QImage imagen(Ruta(QStringLiteral("pendra-%1.png").arg(lado)));
        QCOMPARE(imagen.size(), QSize(lado, lado));
        QVERIFY(imagen.hasAlphaChannel());
        ComprobarDibujo(imagen.convertToFormat(QImage::Format_ARGB32));
    }

    void the_maskable_icons_keep_the_drawing_inside_the_safe_circle_data() {
        QTest::addColumn<int>("lado");
        for (int lado : {192, 512}) {
            QTest::addRow("%d px", lado) << lado;
        }
    }

    // A launcher may cut a maskable icon to any shape that holds the centred
    // circle of four fifths of its width: opaque everywhere, the ground alone
    // outside that circle, the triangle's white and blue inside it.
    void the_maskable_icons_keep_the_drawing_inside_the_safe_circle() {
        QFETCH(int, lado);
        const QImage imagen = QImage(Ruta(QStringLiteral("pendra-mascara-%1.png").arg(lado)))
                                  .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(imagen.size(), QSize(lado, lado));
        const QRgb fondo = imagen.pixel(0, 0);
        int dibujo = 0;
        for (int y = 0; y < lado; ++y) {
            for (int x = 0; x < lado; ++x) {
                const QRgb p = imagen.pixel(x, y);
                QCOMPARE(qAlpha(p), 255);
                if (p != fondo) {
                    ++dibujo;
                    const double r = std::hypot(x + 0.5 - lado / 2.0, y + 0.5 - lado / 2.0);
                    QVERIFY2(r <= 0.4 * lado, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(dibujo > lado * lado / 10);
        QCOMPARE(imagen.pixel(lado / 2, lado * 9 / 16), 0xffffffffU);
        const QRgb base = imagen.pixel(lado / 2, lado * 3 / 4 - 1);
        QVERIFY2(qBlue(base) > 200 && qRed(base) < 60 && qGreen(base) < 60,
                 qPrintable(QString::number(base, 16)));
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication aplicacion(argc, argv);
    PruebasIconos pruebas;
    return QTest::qExec(&pruebas, argc, argv);
}

#include "tst_iconos.moc"
