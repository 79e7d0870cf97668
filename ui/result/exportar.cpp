#include "exportar.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cstdint>

#include "dibujo.h"
#include "formato.h"
#include "funciones.h"

namespace pendra {

namespace {

QString Completo(double x) {
    return QString::fromStdString(TextoCompleto(x));
}

constexpr double kDpiPantalla = 96;
constexpr double kPuntosPorPulgada = 72;

}  // namespace

QList<Fila> FilasMedidas(const EtiquetasTriangulo& etiquetas) {
    const Medidas& m = etiquetas.Valores();
    QList<Fila> filas;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        filas.append({QStringLiteral("Lado %1").arg(i), Completo(m.Lado(i)),
                      QString::fromStdString(etiquetas.Lado(i))});
    }
    for (std::uint8_t i = 1; i <= 3; ++i) {
        filas.append(
            {QStringLiteral("Ángulo %1 (grados)").arg(i), Completo(m.Angulo(i) / RadPorGrado),
             QString::fromStdString(etiquetas.Angulo(i)) + QString::fromUtf8(kMarcaGrado)});
    }
    return filas;
}

QList<Fila> FilasAreaYPerimetro(const Propiedades& propiedades) {
    QList<Fila> filas;
    const auto agregar = [&filas](const QString& nombre, const Valor& valor) {
        if (valor) {
            filas.append(
                {nombre, Completo(*valor), QString::fromStdString(TextoValor(valor))});
        }
    };
    agregar(QStringLiteral("Área"), propiedades.area);
    agregar(QStringLiteral("Perímetro"), propiedades.perimetro);
    return filas;
}

QString TablaDeFilas(const QList<Fila>& filas) {
    QString tabla = QStringLiteral("Medida\tValor\n");
    for (const Fila& fila : filas) {
        tabla += fila.nombre + u'\t' + fila.valor + u'\n';
    }
    return tabla;
}

QString NombreAccesible(const EtiquetasTriangulo& etiquetas) {
    return QStringLiteral("Triángulo de lados %1, %2 y %3")
        .arg(QString::fromStdString(etiquetas.Lado(1)), QString::fromStdString(etiquetas.Lado(2)),
             QString::fromStdString(etiquetas.Lado(3)));
}

QString DescripcionAccesible(const QList<Fila>& filas) {
    QStringList partes;
    for (const Fila& fila : filas) {
        // "º" is read out as an ordinal sign; the word is what is meant.
        QString etiqueta = fila.etiqueta;
        etiqueta.replace(QStringLiteral("º"), QStringLiteral(" grados"));
        QString nombre = fila.nombre;
        nombre.remove(QStringLiteral(" (grados)"));
        partes << nombre + QStringLiteral(": ") + etiqueta;
    }
    return partes.join(QStringLiteral("; ")) + u'.';
}

QString NombrePorDefecto(const EtiquetasTriangulo& etiquetas) {
    return QStringLiteral("triangulo-%1-%2-%3")
        .arg(QString::fromStdString(etiquetas.Lado(1)), QString::fromStdString(etiquetas.Lado(2)),
             QString::fromStdString(etiquetas.Lado(3)));
}

QImage ImagenDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                    const QSizeF& tamano, qreal escala) {
    QImage imagen((tamano * escala).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (imagen.isNull()) {
        return imagen;
    }
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::white);
    {
        QPainter pintor(&imagen);
        DibujarAjustado(pintor, QRectF(QPointF(0, 0), tamano), geometria, etiquetas);
    }
    // Told its density, a program that reads it shows it at the window's size.
    // Set afterwards: the drawing is made at the screen's 96 dpi.
    imagen.setDotsPerMeterX(qRound(imagen.dotsPerMeterX() * escala));
    imagen.setDotsPerMeterY(qRound(imagen.dotsPerMeterY() * escala));
    return imagen;
}

QByteArray SvgDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano) {
    QByteArray svg;
    QBuffer salida(&svg);
    salida.open(QIODevice::WriteOnly);
    QSvgGenerator generador;
    generador.setOutputDevice(&salida);
    generador.setResolution(static_cast<int>(kDpiPantalla));
    generador.setSize(tamano.toSize());
    generador.setViewBox(QRectF(QPointF(0, 0), tamano));
    generador.setTitle(NombreAccesible(etiquetas));
    generador.setDescription(DescripcionAccesible(FilasMedidas(etiquetas)));
    QPainter pintor(&generador);
    DibujarAjustado(pintor, QRectF(QPointF(0, 0), tamano), geometria, etiquetas);
    pintor.end();
    return svg;
}

QByteArray PdfDibujo(const GeometriaTriangulo& geometria, const EtiquetasTriangulo& etiquetas,
                     const QSizeF& tamano) {
    QByteArray pdf;
    QBuffer salida(&pdf);
    salida.open(QIODevice::WriteOnly);
    QPdfWriter escritor(&salida);
    escritor.setResolution(static_cast<int>(kDpiPantalla));
    escritor.setPageSize(QPageSize(tamano * (kPuntosPorPulgada / kDpiPantalla), QPageSize::Point,
                                   QString(), QPageSize::ExactMatch));
    escritor.setPageMargins(QMarginsF(0, 0, 0, 0));
    escritor.setTitle(NombreAccesible(etiquetas));
    escritor.setCreator(QStringLiteral("Pendra"));
    QPainter pintor(&escritor);
    DibujarAjustado(pintor, QRectF(QPointF(0, 0), tamano), geometria, etiquetas);
    pintor.end();
    return pdf;
}

std::optional<Formato> FormatoDeRuta(const QString& ruta) {
    const QString extension = QFileInfo(ruta).suffix().toLower();
    if (extension == QLatin1String("png")) {
        return Formato::Png;
    }
    if (extension == QLatin1String("svg")) {
        return Formato::Svg;
    }
    if (extension == QLatin1String("pdf")) {
        return Formato::Pdf;
    }
    return std::nullopt;
}

QString EscribirArchivo(const QString& ruta, const QByteArray& contenido) {
    QSaveFile archivo(ruta);
    const auto razon = [&archivo] {
        const QString texto = archivo.errorString();
        return texto.isEmpty() ? QStringLiteral("error desconocido") : texto;
    };
    if (!archivo.open(QIODevice::WriteOnly)) {
        return razon();
    }
    if (archivo.write(contenido) != contenido.size()) {
        const QString texto = razon();
        archivo.cancelWriting();
        return texto;
    }
    if (!archivo.commit()) {
        return razon();
    }
    return {};
}

void ImprimirPagina(QPainter& pintor, const QRectF& pagina, const GeometriaTriangulo& geometria,
                    const EtiquetasTriangulo& etiquetas, const QList<Fila>& filas) {
    QFont fuente = FuenteEtiquetas();
    fuente.setPointSizeF(10);
    const QFontMetricsF metricas(fuente, pintor.device());
    // A blank line between drawing and rows, and the rows.
    const double alturaTexto = (filas.size() + 2) * metricas.lineSpacing();
    // As tall as the triangle's own proportion asks, while the rows still fit below.
    const double ancho = static_cast<double>(geometria.MaxX()) - geometria.MinX();
    const double alto = static_cast<double>(geometria.MaxY()) - geometria.MinY();
    const double proporcion = ancho > 0 ? alto / ancho : 1;
    const double alturaDibujo =
        std::min(pagina.width() * proporcion, pagina.height() - alturaTexto);
    const QRectF area(pagina.topLeft(), QSizeF(pagina.width(), alturaDibujo));
    DibujarAjustado(pintor, area, geometria, etiquetas);

    pintor.save();
    pintor.setFont(fuente);
    pintor.setPen(Qt::black);
    double y = area.bottom() + metricas.lineSpacing() + metricas.ascent();
    for (const Fila& fila : filas) {
        pintor.drawText(QPointF(pagina.left(), y), fila.nombre + QStringLiteral(": ") + fila.valor);
        y += metricas.lineSpacing();
    }
    pintor.restore();
}

}  // namespace pendra
