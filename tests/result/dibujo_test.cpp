// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The one drawing of a triangle, on the screen and in what the result window
// gives away: the clipboard, files, its menu and its description.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/mount.h>
#endif

#include "dibujo.h"
#include "exportar.h"
#include "frmgrafico.h"
#include "frmprocedimiento.h"
#include "funciones.h"
#include "impresion.h"
#include "pixeles.h"
#include "presentacion.h"
#include "solicitar.h"
#include "triangulos.h"

namespace pendra {
namespace {

struct Etiqueta {
    const char* texto;
    QPointF esquina;  // upper-left corner, whole pixels
    bool azul;
};

struct Esperado {
    const char* nombre;
    Medidas medidas;
    std::array<QPointF, 3> vertices;  // apex, vertex 2, vertex 3, at pixel centres
    std::vector<Etiqueta> etiquetas;
};

void PrintTo(const Esperado& e, std::ostream* salida) {
    *salida << e.nombre;
}

// Where the window puts its lines and labels at its opening size:
// a picture 313 x 175 pixels (4695 x 2625 twips) with a 2 pixel border.
const Esperado kEsperados[] = {
    {"RightAngled3_4_5",
     prueba::TresLados(3, 4, 5),
     {QPointF(135.5, 16.5), QPointF(27.5, 158.5), QPointF(135.5, 158.5)},
     {{"3", {82, 159}, true},
      {"4", {136, 88}, true},
      {"5", {82, 88}, true},
      {"36.869", {119, 4}, false},
      {"\u00BA", {153, 4}, false},
      {"53.130", {11, 159}, false},
      {"\u00BA", {45, 159}, false},
      {"90", {130, 159}, false},
      {"\u00BA", {142, 159}, false}}},
    {"ObtuseAtVertex2",
     prueba::LadoAnguloLado(4, 120 * RadPorGrado, 3),
     {QPointF(27.5, 38.5), QPointF(97.5, 158.5), QPointF(285.5, 158.5)},
     {{"4", {192, 159}, true},
      // Moved off the sides that ran through them from their midpoints
      // (156, 99) and (63, 99): up and right, and down and left.
      {"6.0827", {161, 89}, true},
      {"3", {59, 102}, true},
      {"34.715", {11, 26}, false},
      {"\u00BA", {45, 26}, false},
      {"120", {89, 159}, false},
      {"\u00BA", {107, 159}, false},
      {"25.284", {268, 159}, false},
      {"\u00BA", {302, 159}, false}}},
};

class DibujoEnPantalla : public testing::TestWithParam<Esperado> {};

TEST_P(DibujoEnPantalla, PutsLinesAndLabelsAtTheirPlacesAtTheOpeningSize) {
    const Esperado& e = GetParam();
    GeometriaTriangulo geometria(e.medidas);
    ASSERT_TRUE(geometria.AjustarRangos(4695, 2625));
    QImage imagen(313, 175, QImage::Format_ARGB32_Premultiplied);
    QPainter pintor(&imagen);
    const Trazado t = DibujarTriangulo(pintor, QRectF(2, 2, 309, 171), geometria.VistaAjustada(),
                                       geometria, EtiquetasTriangulo(prueba::Resuelta(e.medidas)));
    const auto [apice, v2, v3] = e.vertices;
    EXPECT_EQ(t.lados[0], QLineF(apice, v2));
    EXPECT_EQ(t.lados[1], QLineF(v2, v3));
    EXPECT_EQ(t.lados[2], QLineF(v3, apice));
    ASSERT_EQ(t.etiquetas.size(), static_cast<qsizetype>(e.etiquetas.size()));
    for (std::size_t i = 0; i < e.etiquetas.size(); ++i) {
        const EtiquetaDibujada& hecha = t.etiquetas[static_cast<qsizetype>(i)];
        EXPECT_EQ(hecha.texto, QString::fromUtf8(e.etiquetas[i].texto)) << i;
        EXPECT_EQ(hecha.color, e.etiquetas[i].azul ? kColorLongitud : kColorAngulo) << i;
        // Near the place the layout gives it, and clear of every side, every
        // other label and the picture's edge.
        EXPECT_LE(QLineF(hecha.caja.topLeft(), e.etiquetas[i].esquina).length(), 40) << i;
        EXPECT_TRUE(QRectF(2, 2, 309, 171).contains(hecha.caja)) << i;
        for (const QLineF& lado : t.lados) {
            for (int k = 0; k <= 200; ++k) {
                const QPointF p = lado.pointAt(k / 200.0);
                EXPECT_FALSE(hecha.caja.adjusted(-1, -1, 1, 1).contains(p))
                    << hecha.texto.toStdString() << " touches a side at " << p.x() << ", " << p.y();
            }
        }
        // The lengths are one piece each, an angle's number and mark two.
        const auto rotulo = [](qsizetype k) { return k < 3 ? k : 3 + (k - 3) / 2; };
        for (qsizetype j = 0; j < t.etiquetas.size(); ++j) {
            if (rotulo(j) != rotulo(static_cast<qsizetype>(i))) {
                EXPECT_FALSE(hecha.caja.intersects(t.etiquetas[j].caja)) << i << " and " << j;
            }
        }
    }
}

TEST_P(DibujoEnPantalla, WindowShowsExactlyWhatTheFunctionDraws) {
    frmGrafico* v = frmGrafico::Abrir(prueba::Resuelta(GetParam().medidas));
    const QRect area = v->picTriangulo()->contentsRect();
    EXPECT_EQ(prueba::Recorte(v->picTriangulo()->grab().toImage(), area),
              prueba::Recorte(prueba::DibujoDe(*v).imagen, area));
    v->close();
}

TEST_P(DibujoEnPantalla, SvgHoldsTheSixLabelsAsText) {
    const Medidas& m = GetParam().medidas;
    const QByteArray svg =
        SvgDibujo(GeometriaTriangulo(m), EtiquetasTriangulo(prueba::Resuelta(m)), {309, 171});
    QXmlStreamReader lector(svg);
    QStringList textos;
    while (!lector.atEnd()) {
        if (lector.readNext() == QXmlStreamReader::StartElement && lector.name() == u"text") {
            textos << lector.readElementText();
        }
    }
    ASSERT_FALSE(lector.hasError()) << lector.errorString().toStdString();
    QStringList esperados;
    for (const Etiqueta& e : GetParam().etiquetas) {
        esperados << QString::fromUtf8(e.texto);
    }
    EXPECT_EQ(textos, esperados);
}

// A saved or printed picture puts each label where pendra-cli --svg and the
// page put it at the same size: the core lays out all of them.
TEST_P(DibujoEnPantalla, PlacesLabelsWherePendraCliAndThePageDo) {
    const Solucion s = prueba::Resuelta(GetParam().medidas);
    QImage imagen(800, 446, QImage::Format_ARGB32_Premultiplied);
    QPainter pintor(&imagen);
    const std::optional<Trazado> t = DibujarAjustado(
        pintor, QRectF(0, 0, 800, 446), GeometriaTriangulo(s.medidas), EtiquetasTriangulo(s));
    ASSERT_TRUE(t);
    QXmlStreamReader lector(QByteArray::fromStdString(SvgDeSolucion(s, 800, 446)));
    QList<QPointF> enSvg;
    while (!lector.atEnd()) {
        if (lector.readNext() == QXmlStreamReader::StartElement && lector.name() == u"text") {
            const auto a = lector.attributes();
            enSvg << QPointF(a.value(QStringLiteral("x")).toDouble(),
                             a.value(QStringLiteral("y")).toDouble() - kAscensoFuente);
        }
    }
    // The window's pieces: three lengths, then each angle's number and mark.
    const qsizetype numeros[] = {0, 1, 2, 3, 5, 7};
    ASSERT_EQ(enSvg.size(), 6);
    for (qsizetype k = 0; k < 6; ++k) {
        const QPointF esquina = t->etiquetas[numeros[k]].caja.topLeft();
        EXPECT_NEAR(esquina.x(), enSvg[k].x(), 0.01) << k;
        EXPECT_NEAR(esquina.y(), enSvg[k].y(), 0.01) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Dibujo, DibujoEnPantalla, testing::ValuesIn(kEsperados),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Triangles whose labels crowd each other or their sides where they first
// stand: each label must end clear of every other and of every side.
struct Apretado {
    const char* nombre;
    Medidas medidas;
};

void PrintTo(const Apretado& a, std::ostream* salida) {
    *salida << a.nombre;
}

Medidas PrimeraSolucion(const prueba::Textos& campos) {
    const std::vector<Medidas> soluciones = prueba::Ventanas(campos);
    return soluciones.empty() ? Medidas{} : soluciones.front();
}

const Apretado kApretados[] = {
    {"RightAngled3_4_5", prueba::TresLados(3, 4, 5)},
    {"ObtuseAtVertex2", prueba::LadoAnguloLado(4, 120 * RadPorGrado, 3)},
    // The lengths of the two long sides share a midpoint, and the base's
    // length and both base angles hang from one point.
    {"Needle", PrimeraSolucion({"0.0000001", "", "", "1", "", "1"})},
    // A side runs from its own midpoint through its length.
    {"FirstOf30_1_5_2", PrimeraSolucion({"30", "1.5", "", "", "", "2"})},
    {"Sliver", prueba::LadoAnguloLado(1, 0.001 * RadPorGrado, 1)},
};

class RotulosSinChoques : public testing::TestWithParam<Apretado> {};

TEST_P(RotulosSinChoques, NoLabelOverlapsAnotherOrLiesUnderASide) {
    const Medidas& m = GetParam().medidas;
    ASSERT_GT(m.Lado(1), 0) << "no solution";
    for (const QSize tamano : {QSize(313, 175), QSize(600, 400), QSize(200, 300)}) {
        SCOPED_TRACE(std::to_string(tamano.width()) + "x" + std::to_string(tamano.height()));
        QImage imagen(tamano, QImage::Format_ARGB32_Premultiplied);
        QPainter pintor(&imagen);
        const std::optional<Trazado> t =
            DibujarAjustado(pintor, QRectF(QPointF(2, 2), tamano - QSize(4, 4)),
                            GeometriaTriangulo(m), EtiquetasTriangulo(prueba::Resuelta(m)));
        ASSERT_TRUE(t.has_value());
        ASSERT_EQ(t->etiquetas.size(), 9);
        // Three lengths, then each angle's number with its mark, as one box each.
        std::vector<QRectF> cajas;
        for (qsizetype k = 0; k < 3; ++k) {
            cajas.push_back(t->etiquetas[k].caja);
        }
        for (qsizetype k = 3; k < 9; k += 2) {
            cajas.push_back(t->etiquetas[k].caja.united(t->etiquetas[k + 1].caja));
        }
        for (std::size_t i = 0; i < cajas.size(); ++i) {
            for (std::size_t j = i + 1; j < cajas.size(); ++j) {
                EXPECT_FALSE(cajas[i].intersects(cajas[j])) << "labels " << i << " and " << j;
            }
            // A side may touch a label's edge, not run through its inside.
            const QRectF dentro = cajas[i].adjusted(1, 1, -1, -1);
            for (const QLineF& lado : t->lados) {
                for (int k = 0; k <= 2000; ++k) {
                    if (dentro.contains(lado.pointAt(k / 2000.0))) {
                        ADD_FAILURE() << "a side crosses label " << i;
                        break;
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dibujo, RotulosSinChoques, testing::ValuesIn(kApretados),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Answers the next message box with its button, keeping its text.
QString* ContestarMensaje() {
    auto* texto = new QString;
    QTimer::singleShot(0, qApp, [texto] {
        if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *texto = caja->windowTitle() + u'|' + caja->text();
            caja->accept();
        }
    });
    return texto;
}

class AccionesDelResultado : public testing::Test {
protected:
    void SetUp() override {
        ventana_ = frmGrafico::Abrir(prueba::Resuelta(prueba::TresLados(3, 4, 5)));
    }
    void TearDown() override {
        ventana_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmGrafico* ventana_ = nullptr;
    QTemporaryDir carpeta_;
};

TEST_F(AccionesDelResultado, CopyPutsTheFullMeasuresAreaPerimeterImageAndSvgOnTheClipboard) {
    // The numbers carry the decimal mark of the user's locale, never a
    // thousands separator.
    const struct {
        QLocale locale;
        const char* angulos[3];
    } casos[] = {
        {QLocale::c(), {"36.869897645844", "53.130102354156", "90"}},
        {QLocale(QLocale::Spanish, QLocale::Spain), {"36,869897645844", "53,130102354156", "90"}},
    };
    const QLocale antes;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.locale.name().toStdString());
        QLocale::setDefault(caso.locale);
        ventana_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana_));
        QTest::keyClick(ventana_, Qt::Key_C, Qt::ControlModifier);
        QLocale::setDefault(antes);
        const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(datos, nullptr);
        const auto [a1, a2, a3] = caso.angulos;
        EXPECT_EQ(datos->text(), QStringLiteral("Medida\tValor\nLado 1\t3\nLado 2\t4\nLado 3\t5\n"
                                                "Ángulo 1 (grados)\t%1\n"
                                                "Ángulo 2 (grados)\t%2\n"
                                                "Ángulo 3 (grados)\t%3\n"
                                                "Área\t6\nPerímetro\t12\n")
                                     .arg(a1, a2, a3));
        // The HTML table holds the same rows, cell by cell.
        QXmlStreamReader html(datos->html().section(u'>', 1));
        QStringList celdas;
        while (!html.atEnd()) {
            if (html.readNext() == QXmlStreamReader::StartElement &&
                (html.name() == u"td" || html.name() == u"th")) {
                celdas << html.readElementText();
            }
        }
        EXPECT_FALSE(html.hasError()) << html.errorString().toStdString();
        EXPECT_EQ(celdas.join(u'|'),
                  QStringLiteral("Medida|Valor|Lado 1|3|Lado 2|4|Lado 3|5|Ángulo 1 (grados)|%1|"
                                 "Ángulo 2 (grados)|%2|Ángulo 3 (grados)|%3|Área|6|Perímetro|12")
                      .arg(a1, a2, a3));
    }
    const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
    const QImage imagen = qvariant_cast<QImage>(datos->imageData());
    EXPECT_EQ(imagen.size(), ventana_->picTriangulo()->contentsRect().size() * 2);
    EXPECT_TRUE(datos->data(QStringLiteral("image/svg+xml")).contains("36.869"));
}

TEST_F(AccionesDelResultado, SavesPngSvgOrPdfByTheNameAndNothingElse) {
    for (const char* nombre : {"t.PNG", "t.svg", "t.pdf"}) {
        ASSERT_TRUE(ventana_->GuardarEn(carpeta_.filePath(nombre))) << nombre;
    }
    const auto leer = [this](const char* nombre) {
        QFile archivo(carpeta_.filePath(nombre));
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    };
    EXPECT_EQ(QImage::fromData(leer("t.PNG"), "PNG").size(), QSize(618, 342));  // twice 309 x 171
    QXmlStreamReader svg(leer("t.svg"));
    while (!svg.atEnd()) {
        svg.readNext();
    }
    EXPECT_FALSE(svg.hasError());
    const QByteArray pdf = leer("t.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(QDir(carpeta_.path()).entryList(QDir::Files).size(), 3) << "a temporary file left";
}

TEST_F(AccionesDelResultado, AFailedSaveSaysWhyInSpanishAndLeavesNoFile) {
    // Root may write anywhere, so the failures are made of the paths themselves.
    QFile archivo(carpeta_.filePath("archivo"));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    ASSERT_TRUE(QDir(carpeta_.path()).mkdir("carpeta.svg"));
    const struct {
        const char* nombre;
        const char* razon;
    } casos[] = {
        {"archivo/triangulo.svg", ": una parte de la ruta no es una carpeta."},
        {"falta/triangulo.png", ": la carpeta no existe."},
        {"carpeta.svg", ": es una carpeta."},
        {"triangulo.jpg", ": el nombre debe terminar en .svg, .png o .pdf."},
    };
    for (const auto& caso : casos) {
        std::unique_ptr<QString> mensaje(ContestarMensaje());
        EXPECT_FALSE(ventana_->GuardarEn(carpeta_.filePath(caso.nombre))) << caso.nombre;
        EXPECT_TRUE(mensaje->startsWith("No se pudo guardar|No se ") &&
                    mensaje->contains(QDir::toNativeSeparators(carpeta_.filePath(caso.nombre))) &&
                    mensaje->endsWith(QString::fromUtf8(caso.razon)))
            << mensaje->toStdString();
        EXPECT_EQ(QDir(carpeta_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList({"archivo", "carpeta.svg"}))
            << caso.nombre;
    }
}

// Answers the modal windows that open, one step each in turn: the save
// dialog or a message box. Each step sees the window and records what it needs.
class Guion : public QObject {
public:
    explicit Guion(std::vector<std::function<void(QWidget*)>> pasos) : pasos_(std::move(pasos)) {
        connect(&reloj_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == ultimo_ || siguiente_ >= pasos_.size()) {
                return;
            }
            ultimo_ = modal;
            pasos_[siguiente_++](modal);
        });
        reloj_.start(5);
    }
    std::size_t Hechos() const { return siguiente_; }

private:
    std::vector<std::function<void(QWidget*)>> pasos_;
    std::size_t siguiente_ = 0;
    QPointer<QWidget> ultimo_;
    QTimer reloj_;
};

// In the dialog: that folder, that name, the type (SVG unless given), then Save.
std::function<void(QWidget*)> Elegir(const QString& carpeta, const QString& nombre,
                                     QString* abierta = nullptr,
                                     const QString& tipo = QStringLiteral("Dibujo SVG (*.svg)")) {
    return [=](QWidget* w) {
        auto* dialogo = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialogo, nullptr);
        if (abierta != nullptr) {
            *abierta = dialogo->directory().absolutePath();
        }
        dialogo->setDirectory(carpeta);
        dialogo->selectNameFilter(tipo);
        dialogo->selectFile(nombre);
        static_cast<QDialog*>(dialogo)->accept();  // as the Save button does
    };
}

std::function<void(QWidget*)> Contestar(QMessageBox::StandardButton boton, QString* texto) {
    return [=](QWidget* w) {
        auto* caja = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(caja, nullptr);
        *texto = caja->text();
        caja->button(boton)->click();
    };
}

TEST_F(AccionesDelResultado, AsksBeforeReplacingTheFileTheNameWithItsExtensionWouldReplace) {
    const QString viejo = carpeta_.filePath("noext.svg");
    QFile archivo(viejo);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly) && archivo.write("viejo") == 5);
    archivo.close();
    const QString pregunta = QStringLiteral("«%1» ya existe. ¿Desea reemplazarlo?").arg(viejo);
    for (const bool reemplazar : {false, true}) {
        QString texto;
        std::vector<std::function<void(QWidget*)>> pasos = {
            Elegir(carpeta_.path(), "noext"),
            Contestar(reemplazar ? QMessageBox::Yes : QMessageBox::No, &texto)};
        if (!reemplazar) {
            // Back in the dialog, which is then closed without saving.
            pasos.push_back([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        }
        Guion guion(std::move(pasos));
        ventana_->GuardarComo();
        EXPECT_EQ(guion.Hechos(), reemplazar ? 2U : 3U);
        EXPECT_EQ(texto, pregunta);
        QFile leido(viejo);
        ASSERT_TRUE(leido.open(QIODevice::ReadOnly));
        EXPECT_EQ(leido.readAll().startsWith("viejo"), !reemplazar);
    }
}

TEST_F(AccionesDelResultado, TheDialogAddsTheTypesExtensionUnlessTheNameEndsInOneOfTheThree) {
    const QString svg = QStringLiteral("Dibujo SVG (*.svg)");
    const QString png = QStringLiteral("Imagen PNG (*.png)");
    const QString pdf = QStringLiteral("Documento PDF (*.pdf)");
    const struct {
        const char* nombre;
        QString tipo;
        const char* guardado;
        const char* cabecera;  // the file's first bytes
    } casos[] = {
        // The suggested name of 30, 1.5, 2 with its ".svg" deleted.
        {"triangulo-1.5-2.8500-2", svg, "triangulo-1.5-2.8500-2.svg", "<?xml"},
        {"triangulo-1.5-2.8500-2", png, "triangulo-1.5-2.8500-2.png", "\x89PNG"},
        {"v1.2", pdf, "v1.2.pdf", "%PDF-"},
        {"foto.jpg", png, "foto.jpg.png", "\x89PNG"},
        {"sin-punto", pdf, "sin-punto.pdf", "%PDF-"},
        // A name that ends in one of the three keeps it, whatever the type.
        {"t.PNG", svg, "t.PNG", "\x89PNG"},
        {"dibujo.pdf", png, "dibujo.pdf", "%PDF-"},
    };
    for (const auto& caso : casos) {
        // A message box instead of the save is answered and fails the case.
        QString mensaje;
        Guion guion({Elegir(carpeta_.path(), QString::fromUtf8(caso.nombre), nullptr, caso.tipo),
                     Contestar(QMessageBox::Ok, &mensaje)});
        ventana_->GuardarComo();
        EXPECT_EQ(guion.Hechos(), 1U) << caso.nombre << ": " << mensaje.toStdString();
        QFile archivo(carpeta_.filePath(QString::fromUtf8(caso.guardado)));
        ASSERT_TRUE(archivo.open(QIODevice::ReadOnly)) << caso.guardado;
        EXPECT_TRUE(archivo.readAll().startsWith(caso.cabecera)) << caso.guardado;
    }
    EXPECT_EQ(QDir(carpeta_.path()).entryList(QDir::Files).size(), std::size(casos));
}

TEST_F(AccionesDelResultado, TheDialogOffersAFolderOnlyAfterASaveThereSucceeded) {
    // A folder where saving fails: the name, once the extension is added, is
    // taken by a folder.
    const QString falla = carpeta_.filePath("falla");
    ASSERT_TRUE(QDir().mkpath(falla + "/t.svg"));
    QString abierta;
    QString pregunta;
    QString mensaje;
    {
        Guion guion({Elegir(carpeta_.path(), "bien"), Elegir(falla, "t"),
                     Contestar(QMessageBox::Yes, &pregunta), Contestar(QMessageBox::Ok, &mensaje),
                     Elegir(carpeta_.path(), "otra", &abierta)});
        ventana_->GuardarComo();
        ventana_->GuardarComo();
        ventana_->GuardarComo();
        EXPECT_EQ(guion.Hechos(), 5U);
    }
    EXPECT_TRUE(mensaje.endsWith("»: es una carpeta.")) << mensaje.toStdString();
    EXPECT_EQ(abierta, QDir(carpeta_.path()).absolutePath());
    EXPECT_TRUE(QFile::exists(carpeta_.filePath("bien.svg")));
}

// A device that takes at most `porVez` bytes a call and fails, with the
// system's text for `numero`, once `cabe` bytes are written.
class DispositivoQueFalla : public QIODevice {
public:
    DispositivoQueFalla(qint64 cabe, qint64 porVez, int numero)
        : cabe_(cabe), porVez_(porVez), numero_(numero) {
        open(QIODevice::WriteOnly);
    }
    QByteArray escrito;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* datos, qint64 largo) override {
        const qint64 n = std::min({largo, porVez_, cabe_ - escrito.size()});
        if (n <= 0) {
            setErrorString(qt_error_string(numero_));
            return -1;
        }
        escrito.append(datos, n);
        return n;
    }

private:
    qint64 cabe_, porVez_;
    int numero_;
};

TEST(EscrituraComprobada, WritesEveryByteOrSaysWhyInSpanish) {
    const QByteArray datos(10000, 'x');
    const struct {
        const char* caso;
        qint64 cabe, porVez;
        int numero;
        const char* razon;
    } casos[] = {
        {"all at once", 1 << 20, 1 << 20, 0, ""},
        {"a little at a time", 1 << 20, 777, 0, ""},
        {"disk full at the start", 0, 1 << 20, ENOSPC, "no queda espacio en el disco"},
        {"disk full half way", 5000, 777, ENOSPC, "no queda espacio en el disco"},
        {"read-only", 0, 1 << 20, EROFS, "el sistema de archivos es de solo lectura"},
        {"quota", 9999, 1 << 20, EDQUOT, "se ha superado la cuota de disco"},
        {"device error", 100, 1 << 20, EIO, "error de entrada o salida en el dispositivo"},
    };
    for (const auto& caso : casos) {
        DispositivoQueFalla destino(caso.cabe, caso.porVez, caso.numero);
        EXPECT_EQ(EscribirDatos(destino, datos), QString::fromUtf8(caso.razon)) << caso.caso;
        if (*caso.razon == '\0') {
            EXPECT_EQ(destino.escrito, datos) << caso.caso;
        }
    }
}

#ifdef __linux__
// A file system of 64 KiB of its own, mounted where the test may mount one
// (as root, or in a namespace that allows it); skipped elsewhere.
class DiscoLleno : public AccionesDelResultado {
protected:
    void SetUp() override {
        AccionesDelResultado::SetUp();
        disco_ = carpeta_.filePath("disco");
        ASSERT_TRUE(QDir().mkpath(disco_));
        if (mount("tmpfs", disco_.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a small file system here";
        }
        montado_ = true;
    }
    void TearDown() override {
        if (montado_) {
            umount2(disco_.toLocal8Bit().constData(), MNT_DETACH);
        }
        AccionesDelResultado::TearDown();
    }
    // Fills what is left of the file system but `libres` bytes.
    void Llenar(qint64 libres = 0) {
        QFile relleno(QDir(disco_).filePath("relleno"));
        ASSERT_TRUE(relleno.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray bloque(4096, '\0');
        while (relleno.write(bloque) > 0) {
        }
        ASSERT_TRUE(relleno.resize(std::max<qint64>(relleno.size() - libres, 0)));
    }
    QByteArray Leer(const QString& nombre) {
        QFile archivo(QDir(disco_).filePath(nombre));
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }
    // Saving as `nombre` fails, and the message names `causa`.
    void EsperarCausa(const char* nombre, const char* causa) {
        std::unique_ptr<QString> mensaje(ContestarMensaje());
        const QString ruta = QDir(disco_).filePath(nombre);
        EXPECT_FALSE(ventana_->GuardarEn(ruta)) << nombre;
        EXPECT_EQ(*mensaje, QStringLiteral("No se pudo guardar|No se pudo guardar el triángulo en "
                                           "«%1»: %2.")
                                .arg(ruta, QString::fromUtf8(causa)));
    }
    QString disco_;
    bool montado_ = false;
};

TEST_F(DiscoLleno, KeepsTheOldFileAndLeavesNoNewOneForEachFormatAndThePrintedPdf) {
    ASSERT_TRUE(ventana_->GuardarEn(QDir(disco_).filePath("keep.png")));
    const QByteArray antes = Leer("keep.png");
    ASSERT_GT(antes.size(), 1000);
    Llenar();
    const auto imprimir = [this](const QString& ruta) {
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(ruta);
        return ventana_->ImprimirEn(impresora);
    };
    const struct {
        const char* nombre;
        bool imprimir;
        const char* titulo;
    } casos[] = {
        {"keep.png", false, "No se pudo guardar|No se pudo guardar el triángulo en «"},
        {"full.png", false, "No se pudo guardar|No se pudo guardar el triángulo en «"},
        {"full.svg", false, "No se pudo guardar|No se pudo guardar el triángulo en «"},
        {"full.pdf", false, "No se pudo guardar|No se pudo guardar el triángulo en «"},
        {"keep.png", true, "No se pudo imprimir|No se pudo imprimir el triángulo en «"},
        {"impreso.pdf", true, "No se pudo imprimir|No se pudo imprimir el triángulo en «"},
    };
    for (const auto& caso : casos) {
        std::unique_ptr<QString> mensaje(ContestarMensaje());
        const QString ruta = QDir(disco_).filePath(caso.nombre);
        EXPECT_FALSE(caso.imprimir ? imprimir(ruta) : ventana_->GuardarEn(ruta)) << caso.nombre;
        EXPECT_EQ(*mensaje, QString::fromUtf8(caso.titulo) + ruta +
                                QStringLiteral("»: no queda espacio en el disco."));
        EXPECT_EQ(QDir(disco_).entryList(QDir::Files), QStringList({"keep.png", "relleno"}))
            << caso.nombre;
        EXPECT_EQ(Leer("keep.png"), antes) << caso.nombre;
    }
}

TEST_F(DiscoLleno, ADiskThatFillsPartWayThroughAFileNamesTheCause) {
    // Room for the start of each file, not for all of it (an SVG file fits).
    Llenar(4096);
    for (const char* nombre : {"parte.png", "parte.pdf"}) {
        EsperarCausa(nombre, "no queda espacio en el disco");
        EXPECT_EQ(QDir(disco_).entryList(QDir::Files), QStringList({"relleno"})) << nombre;
    }
}

TEST_F(DiscoLleno, AReadOnlyFileSystemIsNamedWhetherTheFileIsNewOrReplaced) {
    ASSERT_TRUE(ventana_->GuardarEn(QDir(disco_).filePath("keep.png")));
    const QByteArray antes = Leer("keep.png");
    ASSERT_EQ(
        mount(nullptr, disco_.toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
        0);
    for (const char* nombre : {"keep.png", "nuevo.svg"}) {
        EsperarCausa(nombre, "el sistema de archivos es de solo lectura");
    }
    EXPECT_EQ(Leer("keep.png"), antes);
    EXPECT_EQ(QDir(disco_).entryList(QDir::Files), QStringList({"keep.png"}));
}

#endif

TEST_F(AccionesDelResultado, MenuOpensByMouseMenuKeyAndShiftF10WithNamedEntries) {
    const std::function<void()> abrir[] = {
        // Through the window, as the platform delivers them.
        [this] {
            QTest::mouseClick(ventana_->windowHandle(), Qt::RightButton, {}, QPoint(40, 40));
        },
        // The Menu key, as the X11 platform turns it into an event.
        [this] {
            QContextMenuEvent evento(QContextMenuEvent::Keyboard, {}, ventana_->pos());
            QApplication::sendEvent(ventana_->focusWidget(), &evento);
        },
        [this] { QTest::keyClick(ventana_, Qt::Key_F10, Qt::ShiftModifier); }};
    for (int k = 0; k < 3; ++k) {
        ventana_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ventana_));
        QStringList entradas;
        QTimer::singleShot(0, qApp, [&entradas] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            QAccessibleInterface* accesible = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; i < accesible->childCount(); ++i) {
                entradas << accesible->child(i)->text(QAccessible::Name);
            }
            menu->close();
        });
        abrir[k]();
        EXPECT_EQ(entradas, QStringList({"Copiar", "Guardar como…", "Imprimir…", "Propiedades…",
                                         "Procedimiento…"}))
            << k;
    }
}

TEST_F(AccionesDelResultado, PictureSaysTheTriangleAreaAndPerimeterInWords) {
    const QWidget* pic = ventana_->picTriangulo();
    EXPECT_EQ(pic->accessibleName(), "Triángulo de lados 3, 4 y 5");
    EXPECT_EQ(pic->accessibleDescription(),
              "Lado 1: 3; Lado 2: 4; Lado 3: 5; Ángulo 1: 36.869 grados; "
              "Ángulo 2: 53.130 grados; Ángulo 3: 90 grados; Área: 6; Perímetro: 12.");
    EXPECT_EQ(NombrePorDefecto(ventana_->Etiquetas()), "triangulo-3-4-5");
}

TEST_F(AccionesDelResultado, KeepsNoMoreOfAHugeWindowThanTheDesktopShows) {
    ventana_->resize(20000, 20000);
    const QSize escritorio = ventana_->screen()->virtualGeometry().size();
    const QRect parte = ventana_->picTriangulo()->ParteGuardada();
    EXPECT_FALSE(parte.isEmpty());
    EXPECT_LE(parte.width(), escritorio.width());
    EXPECT_LE(parte.height(), escritorio.height());
}

TEST(Impresion, DrawsAcrossThePageWidthWithTheMeasuresBelow) {
    const Medidas m = prueba::TresLados(3, 4, 5);
    const EtiquetasTriangulo etiquetas(prueba::Resuelta(m));
    QImage pagina(794, 1123, QImage::Format_RGB32);  // A4 at 96 dpi
    pagina.fill(Qt::white);
    {
        QPainter pintor(&pagina);
        ImprimirPagina(pintor, pagina.rect(), GeometriaTriangulo(m), etiquetas,
                       FilasMedidas(etiquetas));
    }
    // The drawing stands in the middle of the page's width; the rows of
    // measures come below its lowest labels.
    int roja = 0;
    int izquierda = pagina.width();
    int derecha = 0;
    for (int y = 0; y < pagina.height(); ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            roja = prueba::EsRojo(pagina.pixel(x, y)) ? y : roja;
        }
    }
    for (int y = 0; y < roja; ++y) {
        for (int x = 0; x < pagina.width(); ++x) {
            const QRgb c = pagina.pixel(x, y);
            if (qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100) {
                izquierda = std::min(izquierda, x);
                derecha = std::max(derecha, x);
            }
        }
    }
    const int w = pagina.width();
    ASSERT_LT(izquierda, derecha);
    EXPECT_NEAR(izquierda, w - 1 - derecha, 3);
    EXPECT_GT(derecha - izquierda, w / 10);
    EXPECT_GT(prueba::ContarColores(pagina, {0, roja + 1, w, pagina.height()}).negros, 6 * 20);

    // With the working below the rows: more lines of text, lower down, still
    // on the page, and the drawing shrunk to make room rather than covered.
    QImage conTrabajo(pagina.size(), QImage::Format_RGB32);
    conTrabajo.fill(Qt::white);
    {
        QTextDocument trabajo;
        trabajo.setHtml(HtmlProcedimiento(ProcedimientoDe(prueba::Resuelta(m))));
        QPainter pintor(&conTrabajo);
        ImprimirPagina(pintor, conTrabajo.rect(), GeometriaTriangulo(m), etiquetas,
                       FilasMedidas(etiquetas), &trabajo);
    }
    const auto debajo = [](const QImage& imagen) {
        int ultimaRoja = 0;
        int ultima = 0;
        for (int y = 0; y < imagen.height(); ++y) {
            for (int x = 0; x < imagen.width(); ++x) {
                ultimaRoja = prueba::EsRojo(imagen.pixel(x, y)) ? y : ultimaRoja;
                ultima = prueba::EsNegro(imagen.pixel(x, y)) ? y : ultima;
            }
        }
        return std::pair{
            prueba::ContarColores(imagen, {0, ultimaRoja + 1, imagen.width(), imagen.height()})
                .negros,
            ultima};
    };
    const int sinTexto = debajo(pagina).first;
    const auto [conTexto, conUltima] = debajo(conTrabajo);
    EXPECT_GT(conTexto, 2 * sinTexto);
    EXPECT_LT(conUltima, conTrabajo.height() - 1);
}

}  // namespace
}  // namespace pendra
