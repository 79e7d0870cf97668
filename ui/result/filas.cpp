// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filas.h"

#include "presentacion.h"

namespace pendra {

namespace {

QString Q(const std::string& texto) {
    return QString::fromStdString(texto);
}

QList<Fila> EnQt(const std::vector<FilaTabla>& filas) {
    QList<Fila> lista;
    for (const FilaTabla& f : filas) {
        lista.append({Q(f.nombre), Q(f.valor), Q(f.etiqueta)});
    }
    return lista;
}

std::vector<FilaTabla> DeQt(const QList<Fila>& filas) {
    std::vector<FilaTabla> lista;
    for (const Fila& f : filas) {
        lista.push_back({f.nombre.toStdString(), f.valor.toStdString(), f.etiqueta.toStdString()});
    }
    return lista;
}

}  // namespace

QList<Fila> FilasMedidas(const EtiquetasTriangulo& etiquetas) {
    return EnQt(FilasTablaMedidas(etiquetas.Valores(), etiquetas.Textos()));
}

QList<Fila> FilasAreaYPerimetro(const Propiedades& propiedades) {
    return EnQt(FilasTablaAreaYPerimetro(propiedades));
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
    return Q(NombreAccesible(etiquetas.Textos()));
}

QString DescripcionAccesible(const QList<Fila>& filas) {
    return Q(DescripcionAccesible(DeQt(filas)));
}

QString NombrePorDefecto(const EtiquetasTriangulo& etiquetas) {
    return Q(NombrePorDefecto(etiquetas.Textos()));
}

}  // namespace pendra
