// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filas.h"

#include <QStringList>
#include <cstdint>

#include "formato.h"

namespace pendra {

namespace {

QString Completo(double x) {
    return QString::fromStdString(TextoCompleto(x));
}

}  // namespace

QList<Fila> FilasMedidas(const EtiquetasTriangulo& etiquetas) {
    const MedidasEnGrados& m = etiquetas.Valores();
    QList<Fila> filas;
    for (std::uint8_t i = 1; i <= 3; ++i) {
        filas.append({QString::fromStdString(NombreEnTabla({TipoCampo::Lado, i})),
                      Completo(m.Lado(i)), QString::fromStdString(etiquetas.Lado(i))});
    }
    for (std::uint8_t i = 1; i <= 3; ++i) {
        filas.append(
            {QString::fromStdString(NombreEnTabla({TipoCampo::Angulo, i})), Completo(m.Angulo(i)),
             QString::fromStdString(etiquetas.Angulo(i)) + QString::fromUtf8(kMarcaGrado)});
    }
    return filas;
}

QList<Fila> FilasAreaYPerimetro(const Propiedades& propiedades) {
    QList<Fila> filas;
    const auto agregar = [&filas](const QString& nombre, const Valor& valor) {
        if (valor) {
            filas.append({nombre, Completo(*valor), QString::fromStdString(TextoValor(valor))});
        }
    };
    agregar(QStringLiteral("Área"), propiedades.area);
    agregar(QStringLiteral("Perímetro"), propiedades.perimetro);
    return filas;
}

namespace {

// A full-precision value with the locale's decimal mark; its digits and its
// exponent stay as they are.
QString ValorLocal(const QString& valor, const QLocale& locale) {
    QString local = valor;
    return local.replace(u'.', locale.decimalPoint());
}

}  // namespace

QString TablaDeFilas(const QList<Fila>& filas, const QLocale& locale) {
    QString tabla = QStringLiteral("Medida\tValor\n");
    for (const Fila& fila : filas) {
        tabla += fila.nombre + u'\t' + ValorLocal(fila.valor, locale) + u'\n';
    }
    return tabla;
}

QString TablaHtml(const QList<Fila>& filas, const QLocale& locale) {
    QString tabla =
        QStringLiteral("<meta charset=\"utf-8\"><table>\n<tr><th>Medida</th><th>Valor</th></tr>\n");
    for (const Fila& fila : filas) {
        tabla +=
            QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                .arg(fila.nombre.toHtmlEscaped(), ValorLocal(fila.valor, locale).toHtmlEscaped());
    }
    return tabla + QStringLiteral("</table>\n");
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

}  // namespace pendra
