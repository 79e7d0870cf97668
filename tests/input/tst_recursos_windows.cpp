// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of app/pendra.rc.in as configured, compiled by a Windows resource compiler into a .res
// file: the icon group and the version record that pendra.exe carries.

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QTest>
#include <QtEndian>
#include <optional>

namespace {

quint16 U16(const QByteArray& d, qsizetype k) {
    return qFromLittleEndian<quint16>(d.data() + k);
}
quint32 U32(const QByteArray& d, qsizetype k) {
    return qFromLittleEndian<quint32>(d.data() + k);
}
qsizetype Alinear(qsizetype k) {
    return (k + 3) & ~qsizetype{3};
}

// A NUL-terminated UTF-16 string at k; moves k past it.
QString Texto(const QByteArray& d, qsizetype& k) {
    QString texto;
    for (; U16(d, k) != 0; k += 2) {
        texto += QChar(U16(d, k));
    }
    k += 2;
    return texto;
}

struct Recurso {
    QString tipo;  // a number as text, or the name
    QString nombre;
    QByteArray datos;
};

QList<Recurso> LeerRes(const QByteArray& res) {
    QList<Recurso> recursos;
    const auto idONombre = [&res](qsizetype& k) {
        if (U16(res, k) == 0xffff) {
            const QString numero = QString::number(U16(res, k + 2));
            k += 4;
            return numero;
        }
        return Texto(res, k);
    };
    for (qsizetype k = 0; k + 8 <= res.size();) {
        const quint32 tamano = U32(res, k);
        const quint32 cabecera = U32(res, k + 4);
        qsizetype campo = k + 8;
        Recurso recurso;
        recurso.tipo = idONombre(campo);
        recurso.nombre = idONombre(campo);
        recurso.datos = res.mid(k + cabecera, tamano);
        if (tamano > 0) {
            recursos << recurso;
        }
        k = Alinear(k + cabecera + tamano);
    }
    return recursos;
}

// One node of a version record: key, value and children.
struct Bloque {
    QString clave;
    QByteArray valor;
    bool esTexto = false;
    QList<Bloque> hijos;
};

Bloque LeerBloque(const QByteArray& d, qsizetype inicio) {
    const qsizetype fin = inicio + U16(d, inicio);
    const quint16 largoValor = U16(d, inicio + 2);
    Bloque bloque;
    bloque.esTexto = U16(d, inicio + 4) == 1;
    qsizetype k = inicio + 6;
    bloque.clave = Texto(d, k);
    k = Alinear(k);
    // A text value counts its length in characters.
    const qsizetype bytes = bloque.esTexto ? 2 * largoValor : largoValor;
    bloque.valor = d.mid(k, bytes);
    k = Alinear(k + bytes);
    while (k < fin) {
        bloque.hijos << LeerBloque(d, k);
        k = Alinear(k + U16(d, k));
    }
    return bloque;
}

std::optional<Bloque> Hijo(const Bloque& padre, const QString& clave) {
    for (const Bloque& hijo : padre.hijos) {
        if (hijo.clave == clave) {
            return hijo;
        }
    }
    return std::nullopt;
}

QString TextoDe(const Bloque& bloque) {
    QString texto;
    for (qsizetype k = 0; k + 1 < bloque.valor.size(); k += 2) {
        if (U16(bloque.valor, k) != 0) {
            texto += QChar(U16(bloque.valor, k));
        }
    }
    return texto;
}

constexpr const char* kTipoIcono = "3";
constexpr const char* kTipoGrupoIconos = "14";
constexpr const char* kTipoVersion = "16";

}  // namespace

class PruebasRecursosWindows : public QObject {
    Q_OBJECT

    QList<Recurso> recursos_;

    QList<Recurso> DelTipo(const char* tipo) const {
        QList<Recurso> encontrados;
        for (const Recurso& recurso : recursos_) {
            if (recurso.tipo == QLatin1String(tipo)) {
                encontrados << recurso;
            }
        }
        return encontrados;
    }

private Q_SLOTS:
    void initTestCase() {
        QFile archivo(QStringLiteral(PENDRA_RES));
        QVERIFY2(archivo.open(QIODevice::ReadOnly), PENDRA_RES);
        recursos_ = LeerRes(archivo.readAll());
    }

    void the_executable_icon_is_one_group_of_the_three_images() {
        const QList<Recurso> grupos = DelTipo(kTipoGrupoIconos);
        QCOMPARE(grupos.size(), 1);
        const QByteArray& grupo = grupos[0].datos;
        QCOMPARE(U16(grupo, 2), 1);  // icons
        QCOMPARE(U16(grupo, 4), 3);
        QMap<QString, QByteArray> imagenes;
        for (const Recurso& icono : DelTipo(kTipoIcono)) {
            imagenes[icono.nombre] = icono.datos;
        }
        QCOMPARE(imagenes.size(), 3);
        const int esperadas[3][3] = {{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
        for (int k = 0; k < 3; ++k) {
            const qsizetype e = 6 + 14 * k;
            QCOMPARE(quint8(grupo[e]), esperadas[k][0]);
            QCOMPARE(quint8(grupo[e + 1]), esperadas[k][0]);
            QCOMPARE(quint8(grupo[e + 2]), esperadas[k][1]);
            QCOMPARE(U16(grupo, e + 6), esperadas[k][2]);
            const QByteArray imagen = imagenes.value(QString::number(U16(grupo, e + 12)));
            QCOMPARE(quint32(imagen.size()), U32(grupo, e + 8));
            QCOMPARE(qint32(U32(imagen, 4)), esperadas[k][0]);  // the bitmap's width
        }
    }

    void the_version_record_names_pendra_and_its_version_in_us_english_unicode() {
        const QList<Recurso> versiones = DelTipo(kTipoVersion);
        QCOMPARE(versiones.size(), 1);
        const Bloque raiz = LeerBloque(versiones[0].datos, 0);
        QCOMPARE(raiz.clave, QStringLiteral("VS_VERSION_INFO"));
        // The fixed part: signature, then file and product version, the
        // numbers of the version text, 0 for the parts it lacks.
        const QStringList partes = QStringLiteral(PENDRA_VERSION).split(u'.');
        const quint32 alto = partes.value(0).toUInt() << 16 | partes.value(1).toUInt();
        const quint32 bajo = partes.value(2).toUInt() << 16 | partes.value(3).toUInt();
        QCOMPARE(U32(raiz.valor, 0), 0xFEEF04BDU);
        QCOMPARE(U32(raiz.valor, 8), alto);
        QCOMPARE(U32(raiz.valor, 12), bajo);
        QCOMPARE(U32(raiz.valor, 16), alto);
        QCOMPARE(U32(raiz.valor, 20), bajo);

        const auto textos = Hijo(raiz, "StringFileInfo");
        QVERIFY(textos);
        QCOMPARE(textos->hijos.size(), 1);
        const Bloque& tabla = textos->hijos[0];
        QCOMPARE(tabla.clave, QStringLiteral("040904B0"));
        const QMap<QString, QString> esperados{{"ProductName", "Pendra"},
                                               {"FileVersion", PENDRA_VERSION},
                                               {"ProductVersion", PENDRA_VERSION},
                                               {"FileDescription", "Resolución de triángulos"}};
        for (auto it = esperados.begin(); it != esperados.end(); ++it) {
            const auto valor = Hijo(tabla, it.key());
            QVERIFY2(valor, qPrintable(it.key()));
            QVERIFY(valor->esTexto);
            QCOMPARE(TextoDe(*valor), it.value());
        }

        const auto variables = Hijo(raiz, "VarFileInfo");
        QVERIFY(variables);
        const auto traduccion = Hijo(*variables, "Translation");
        QVERIFY(traduccion);
        QCOMPARE(U16(traduccion->valor, 0), 0x0409);
        QCOMPARE(U16(traduccion->valor, 2), 0x04B0);
    }
};

QTEST_APPLESS_MAIN(PruebasRecursosWindows)

#include "tst_recursos_windows.moc"
