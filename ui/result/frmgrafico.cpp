#include "frmgrafico.h"

#include <QFont>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "areadibujo.h"

namespace pendra {

namespace {

// Colours of the drawing: black sides, blue side labels, red angle labels.
const QColor kNegro(0, 0, 0);
const QColor kAzul(0, 0, 255);
const QColor kRojo(255, 0, 0);

// The frame around the client area that the layout was designed with.
constexpr float kMarcoAncho = 120;
constexpr float kMarcoAlto = 405;

void FijarGeometria(QWidget* control, float left, float top, float width, float height) {
    control->setGeometry(Pixeles(left), Pixeles(top), Pixeles(width), Pixeles(height));
}

// Arial, or a sans serif with the same metrics where Arial is not installed.
QFont FuenteEtiquetas() {
    QFont fuente;
    fuente.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPointSizeF(8.25);
    fuente.setWeight(QFont::Normal);
    return fuente;
}

// A step down and to the right of `anterior`, or the screen's upper left
// corner when the step would leave the screen.
QPoint Escalonada(const QWidget& anterior, QSize tamano) {
    constexpr int kPaso = 32;
    const QRect disponible = anterior.screen()->availableGeometry();
    const QPoint lugar = anterior.pos() + QPoint(kPaso, kPaso);
    const QSize marco = anterior.frameGeometry().size() - anterior.size();
    if (disponible.contains(QRect(lugar, tamano + marco))) {
        return lugar;
    }
    return disponible.topLeft();
}

// Beside `entrada`, so that its fields stay in view: to its right where the
// screen has room, else below it. The window slides along that side as far as
// it must to stay on the screen, frame included (its frame taken to be as
// thick as that of `entrada`, since it has none before it is shown). Nothing
// when neither place is free.
std::optional<QPoint> Junto(const QWidget& entrada, QSize tamano) {
    constexpr int kSeparacion = 8;
    const QRect disponible = entrada.screen()->availableGeometry();
    const QRect ocupado = entrada.frameGeometry();
    const QSize marco = tamano + (ocupado.size() - entrada.size());
    if (marco.width() > disponible.width() || marco.height() > disponible.height()) {
        return std::nullopt;
    }
    for (const QPoint esquina : {QPoint(ocupado.right() + 1 + kSeparacion, ocupado.top()),
                                 QPoint(ocupado.left(), ocupado.bottom() + 1 + kSeparacion)}) {
        const QRect lugar(QPoint(std::clamp(esquina.x(), disponible.left(),
                                            disponible.right() + 1 - marco.width()),
                                 std::clamp(esquina.y(), disponible.top(),
                                            disponible.bottom() + 1 - marco.height())),
                          marco);
        if (!lugar.intersects(ocupado)) {
            return lugar.topLeft();
        }
    }
    return std::nullopt;
}

}  // namespace

frmGrafico::frmGrafico(const Medidas& medidas)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      geometria_(medidas),
      etiquetas_(medidas) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Resultado"));

    picTriangulo_ = new AreaDibujo(this);
    picTriangulo_->setObjectName(QStringLiteral("picTriangulo"));
    picTriangulo_->setAccessibleName(QStringLiteral("Triángulo"));
    picTriangulo_->setFont(FuenteEtiquetas());
    picTriangulo_->setFocusPolicy(Qt::StrongFocus);
    FijarGeometria(picTriangulo_, 0, 0, 4695, 2620);

    cmdCerrar_ = new QPushButton(QStringLiteral("&Cerrar"), this);
    cmdCerrar_->setObjectName(QStringLiteral("cmdCerrar"));
    cmdCerrar_->setAccessibleName(QStringLiteral("Cerrar"));
    cmdCerrar_->setDefault(true);
    FijarGeometria(cmdCerrar_, 3360, 2640, 1215, 495);
    connect(cmdCerrar_, &QPushButton::clicked, this, &frmGrafico::cmdCerrar_Click);

    connect(picTriangulo_, &AreaDibujo::ProporcionCambiada, this, [this] { Form_Resize(); });

    setTabOrder(picTriangulo_, cmdCerrar_);
    resize(Pixeles(4680), Pixeles(3195));
}

frmGrafico* frmGrafico::Abrir(const Medidas& medidas, const QWidget* entrada) {
    // The last window opened, while it is open. The next one is set down and
    // to the right of it, so that the first triangle of the ambiguous case is
    // not hidden exactly under the second. With none open, the window goes
    // beside the input window where there is room, else the dialog's own
    // placement centres it.
    static QPointer<frmGrafico> ultima;
    auto* ventana = new frmGrafico(medidas);
    if (ultima && ultima->isVisible()) {
        ventana->move(Escalonada(*ultima, ventana->size()));
    } else if (entrada != nullptr && entrada->isVisible()) {
        if (const std::optional<QPoint> lugar = Junto(*entrada, ventana->size())) {
            ventana->move(*lugar);
        }
    }
    ultima = ventana;
    // Showing delivers the pending resize at once, and with it the first drawing.
    ventana->show();
    return ventana;
}

float frmGrafico::Width() const {
    return static_cast<float>(width()) * kTwipsPorPixel + kMarcoAncho;
}

float frmGrafico::Height() const {
    return static_cast<float>(height()) * kTwipsPorPixel + kMarcoAlto;
}

void frmGrafico::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmGrafico::Form_Resize() {
    // 1. The button keeps its distance from the lower right corner.
    cmdCerrar_->move(cmdCerrar_->x(), Pixeles(Height() - 920));
    cmdCerrar_->move(Pixeles(Width() - 1400), cmdCerrar_->y());
    // 2.
    geometria_.ReiniciarRangos();
    // 3. The picture fills the window above the button.
    picTriangulo_->SetHeight(Height() - 980);
    picTriangulo_->SetWidth(Width() - 100);
    // 4. The fit reads the size back, as the pixel adjustment left it. A
    // picture with no room left keeps its last drawing, unseen, until the
    // window grows again.
    if (!geometria_.AjustarRangos(picTriangulo_->Width(), picTriangulo_->Height())) {
        return;
    }
    // 5. to 7.
    picTriangulo_->Cls();
    picTriangulo_->SetForeColor(kNegro);
    const Vista vista = geometria_.VistaAjustada();
    picTriangulo_->Scale(vista.izquierda, vista.arriba, vista.derecha, vista.abajo);
    // 8. Sides 3, 1 and 2.
    const float verticeX = geometria_.VerticeX();
    const float verticeY = geometria_.VerticeY();
    const float base = geometria_.Base();
    picTriangulo_->Line(verticeX, verticeY, 0, 0);
    picTriangulo_->Line(0, 0, base, 0);
    picTriangulo_->Line(base, 0, verticeX, verticeY);
    // 9. Each length at the midpoint of its side.
    picTriangulo_->SetForeColor(kAzul);
    EscribirLado(base / 2, 0, 1);
    EscribirLado((base + verticeX) / 2, verticeY / 2, 2);
    EscribirLado(verticeX / 2, verticeY / 2, 3);
    // 10. Angle 1 one line above the apex, angles 2 and 3 below their vertices.
    picTriangulo_->SetForeColor(kRojo);
    const float h = AltoLinea();
    EscribirAngulo(verticeX, verticeY - h, 1);
    EscribirAngulo(0, 0, 2);
    EscribirAngulo(base, 0, 3);
}

void frmGrafico::cmdCerrar_Click() {
    close();
}

void frmGrafico::EscribirLado(float x, float y, std::uint8_t i) {
    picTriangulo_->SetCurrentX(x);
    picTriangulo_->SetCurrentY(y);
    picTriangulo_->Print({QString::fromStdString(etiquetas_.Lado(i))}, false);
}

void frmGrafico::EscribirAngulo(float x, float y, std::uint8_t i) {
    const QString t = QString::fromStdString(etiquetas_.Angulo(i));
    // The number alone is centred; the degree mark stands outside the centring.
    const float w = picTriangulo_->TextWidth(t);
    picTriangulo_->SetCurrentX(x - w / 2);
    picTriangulo_->SetCurrentY(y);
    picTriangulo_->Print({t, QStringLiteral("\u00BA")}, true);
}

float frmGrafico::AltoLinea() {
    picTriangulo_->SetCurrentY(0);
    picTriangulo_->Print({}, true);
    return picTriangulo_->CurrentY();
}

}  // namespace pendra
