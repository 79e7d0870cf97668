// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmprincipal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <cassert>
#include <utility>

#include "campomedida.h"
#include "unidades.h"

namespace pendra {

namespace {

consteval int Px(int twips) {
    if (twips % kTwipsPorPixel != 0) {
        throw "the layout must fall on whole pixels";
    }
    return twips / kTwipsPorPixel;
}

struct Rectangulo {
    int izquierda, arriba, ancho, alto;
    QRect Pixeles() const { return {izquierda, arriba, ancho, alto}; }
};

consteval Rectangulo Twips(int izquierda, int arriba, int ancho, int alto) {
    return {Px(izquierda), Px(arriba), Px(ancho), Px(alto)};
}

constexpr QSize kAreaCliente{Px(5985), Px(3960)};

// Indexed by the measure's number; index 0 unused.
constexpr std::array<Rectangulo, 4> kTxtAngulo{
    {{}, Twips(2520, 120, 960, 285), Twips(120, 2400, 960, 285), Twips(4920, 2400, 960, 285)}};
constexpr std::array<Rectangulo, 4> kTxtLado{
    {{}, Twips(2520, 2640, 960, 285), Twips(4080, 1260, 960, 285), Twips(960, 1260, 960, 285)}};

struct Boton {
    const char* nombre;
    const char* texto;
    const char* nombreAccesible;
    const char* ayuda;
    Rectangulo lugar;
};
constexpr Boton kBorrar{"cmdBorrar", "&Borrar", "Borrar", "Borrar todas las medidas",
                        Twips(720, 3240, 1215, 495)};
constexpr Boton kResolver{"cmdResolver", "&Resolver", "Resolver",
                          "Calcular las tres medidas faltantes", Twips(2400, 3240, 1215, 495)};
constexpr Boton kTerminar{"cmdTerminar", "&Terminar", "Terminar", "Salir del programa",
                          Twips(4080, 3240, 1215, 495)};

struct Etiqueta {
    const char* nombre;
    const char* texto;
    QPoint lugar;
};
// Read top to bottom, one instruction. Each label is sized to its text, so
// only its top-left corner is fixed.
constexpr std::array<Etiqueta, 4> kEtiquetas{{
    {"Label1", "Escriba tres de las medidas", {Px(120), Px(120)}},
    {"Label2", "del triángulo y presione", {Px(120), Px(360)}},
    {"Label3", "\"Resolver\" para calcular", {Px(120), Px(600)}},
    {"Label4", "las otras tres.", {Px(120), Px(840)}},
}};

// The diagram: side 1 is the base, angle 1 the apex above it.
struct Linea {
    QPoint desde, hasta;
};
constexpr std::array<Linea, 3> kLineas{{
    {{Px(1200), Px(2520)}, {Px(3000), Px(480)}},   // Line1, left side
    {{Px(3000), Px(480)}, {Px(4800), Px(2520)}},   // Line2, right side
    {{Px(1200), Px(2520)}, {Px(4800), Px(2520)}},  // Line3, base
}};

// The layout was drawn for an 8-point sans-serif face. A pixel size, not a
// point size, keeps every text inside its box whatever the screen's font DPI.
QFont FuenteDeVentana(QFont fuente) {
    fuente.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(11);
    return fuente;
}

}  // namespace

frmPrincipal::frmPrincipal(AbrirResultadoFn abrirResultado, QWidget* parent)
    : QDialog(parent), abrirResultado_(std::move(abrirResultado)) {
    assert(abrirResultado_ && "the input window needs a way to open result windows");
    // The start-up window of the program, not a passing dialog: it gets a
    // minimize button and no help button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Resolución de triángulos - el equipo de Pendra"));
    setFont(FuenteDeVentana(font()));
    setFixedSize(kAreaCliente);

    // Created in tab order: the six fields, then the buttons.
    const auto crearCampo = [this](const Rectangulo& lugar, const QString& nombre,
                                   const QString& nombreAccesible, const QString& ayuda) {
        auto* campo = new CampoMedida(this);
        campo->setObjectName(nombre);
        campo->setAccessibleName(nombreAccesible);
        campo->setToolTip(ayuda);
        campo->setGeometry(lugar.Pixeles());
        // Queued: the box opens once the field has undone the edit.
        connect(
            campo, &CampoMedida::TextoDemasiadoLargo, this,
            [this, campo](qsizetype largo) { AvisarTextoLargo(*campo, largo); },
            Qt::QueuedConnection);
        return campo;
    };
    for (std::uint8_t i = 1; i <= 3; ++i) {
        // Each field says which measure it holds and which it faces across
        // the triangle.
        txtAngulo_[i] = crearCampo(kTxtAngulo[i], QStringLiteral("txtAngulo%1").arg(int{i}),
                                   QStringLiteral("Ángulo %1").arg(int{i}),
                                   QStringLiteral("Ángulo %1, opuesto al lado %1").arg(int{i}));
        txtLado_[i] = crearCampo(kTxtLado[i], QStringLiteral("txtLado%1").arg(int{i}),
                                 QStringLiteral("Lado %1").arg(int{i}),
                                 QStringLiteral("Lado %1, opuesto al ángulo %1").arg(int{i}));
    }

    const auto crearBoton = [this](const Boton& datos) {
        auto* boton = new QPushButton(QString::fromUtf8(datos.texto), this);
        boton->setObjectName(QString::fromUtf8(datos.nombre));
        boton->setAccessibleName(QString::fromUtf8(datos.nombreAccesible));
        boton->setToolTip(QString::fromUtf8(datos.ayuda));
        boton->setGeometry(datos.lugar.Pixeles());
        return boton;
    };
    cmdBorrar_ = crearBoton(kBorrar);
    cmdResolver_ = crearBoton(kResolver);
    cmdTerminar_ = crearBoton(kTerminar);
    cmdResolver_->setDefault(true);

    QWidget* anterior = txtAngulo_[1];
    for (QWidget* siguiente :
         std::initializer_list<QWidget*>{txtLado_[1], txtAngulo_[2], txtLado_[2], txtAngulo_[3],
                                         txtLado_[3], cmdBorrar_, cmdResolver_, cmdTerminar_}) {
        setTabOrder(anterior, siguiente);
        anterior = siguiente;
    }

    for (const Etiqueta& datos : kEtiquetas) {
        auto* etiqueta = new QLabel(QString::fromUtf8(datos.texto), this);
        etiqueta->setObjectName(QString::fromUtf8(datos.nombre));
        etiqueta->setTextFormat(Qt::PlainText);
        etiqueta->move(datos.lugar);
        etiqueta->adjustSize();
    }

    connect(cmdBorrar_, &QPushButton::clicked, this, &frmPrincipal::cmdBorrar_Click);
    connect(cmdResolver_, &QPushButton::clicked, this, &frmPrincipal::cmdResolver_Click);
    connect(cmdTerminar_, &QPushButton::clicked, this, &frmPrincipal::cmdTerminar_Click);

    txtAngulo_[1]->setFocus();
}

CampoMedida* frmPrincipal::txtAngulo(std::uint8_t i) const {
    assert(i >= 1 && i <= 3 && "field index outside 1 to 3");
    return txtAngulo_[i];
}

CampoMedida* frmPrincipal::txtLado(std::uint8_t i) const {
    assert(i >= 1 && i <= 3 && "field index outside 1 to 3");
    return txtLado_[i];
}

CampoMedida* frmPrincipal::CampoDe(Campo campo) const {
    return campo.tipo == TipoCampo::Angulo ? txtAngulo(campo.indice) : txtLado(campo.indice);
}

void frmPrincipal::MostrarMensaje(const Mensaje& mensaje) {
    QMessageBox cuadro(QMessageBox::Critical, QString::fromStdString(mensaje.titulo),
                       QString::fromStdString(mensaje.texto), QMessageBox::Ok, this);
    // Why the data fix no triangle, below the prompt.
    cuadro.setInformativeText(QString::fromStdString(mensaje.motivo));
    cuadro.exec();
    if (mensaje.campo) {
        CampoMedida* destino = CampoDe(*mensaje.campo);
        destino->setFocus(Qt::OtherFocusReason);
        // While the message box is closing the window may not be active yet,
        // and then the focus arrives later, as a return to the window that
        // leaves the selection alone: select here as well.
        destino->SeleccionarTodo();
    }
}

void frmPrincipal::AvisarTextoLargo(CampoMedida& campo, qsizetype largo) {
    QMessageBox::warning(
        this, QStringLiteral("Texto demasiado largo"),
        QStringLiteral("El campo «%1» admite como mucho %2 caracteres, y con ese texto tendría "
                       "%3. El campo queda como estaba.")
            .arg(campo.accessibleName())
            .arg(CampoMedida::kLargoMaximo)
            .arg(largo));
}

void frmPrincipal::cmdBorrar_Click() {
    for (std::uint8_t i = 1; i <= 3; ++i) {
        txtAngulo_[i]->clear();
        txtLado_[i]->clear();
    }
}

void frmPrincipal::cmdResolver_Click() {
    std::array<std::string, kCampos> textos;
    TextosCampos vistas;
    for (std::size_t k = 0; k < kCampos; ++k) {
        textos[k] = CampoDe(CampoEnOrden(k))->text().toStdString();
        vistas[k] = textos[k];
    }
    const Respuesta respuesta = Responder(vistas, ConMotivo::Si);
    if (respuesta.mensaje) {
        MostrarMensaje(*respuesta.mensaje);
        return;
    }
    const int total = static_cast<int>(respuesta.soluciones.size());
    for (int k = 0; k < total; ++k) {
        abrirResultado_(respuesta.soluciones[static_cast<std::size_t>(k)], *this, k + 1, total);
    }
}

void frmPrincipal::cmdTerminar_Click() {
    // Ends the event loop at once: every window goes with the program, and no
    // window gets the chance to run a handler of its own.
    QCoreApplication::quit();
}

void frmPrincipal::keyPressEvent(QKeyEvent* evento) {
    // The window has no cancel button: Escape must not close it as it would
    // close a dialog.
    if (evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void frmPrincipal::paintEvent(QPaintEvent* evento) {
    QDialog::paintEvent(evento);
    QPainter pintor(this);
    pintor.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const Linea& linea : kLineas) {
        pintor.drawLine(linea.desde, linea.hasta);
    }
}

}  // namespace pendra
