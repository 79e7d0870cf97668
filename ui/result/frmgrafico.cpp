#include "frmgrafico.h"

#include <QFont>
#include <QPushButton>
#include <QResizeEvent>

#include "areadibujo.h"

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

}  // namespace

frmGrafico::frmGrafico(const pendra::Medidas& medidas)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      geometria_(medidas),
      etiquetas_(medidas) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Resultado"));

    picTriangulo = new AreaDibujo(this);
    picTriangulo->setObjectName(QStringLiteral("picTriangulo"));
    picTriangulo->setAccessibleName(QStringLiteral("Triángulo"));
    picTriangulo->setFont(FuenteEtiquetas());
    picTriangulo->setFocusPolicy(Qt::StrongFocus);
    FijarGeometria(picTriangulo, 0, 0, 4695, 2620);

    cmdCerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cmdCerrar->setObjectName(QStringLiteral("cmdCerrar"));
    cmdCerrar->setAccessibleName(QStringLiteral("Cerrar"));
    cmdCerrar->setDefault(true);
    FijarGeometria(cmdCerrar, 3360, 2640, 1215, 495);
    connect(cmdCerrar, &QPushButton::clicked, this, &frmGrafico::cmdCerrar_Click);

    setTabOrder(picTriangulo, cmdCerrar);
    resize(Pixeles(4680), Pixeles(3195));
}

frmGrafico* frmGrafico::Abrir(const pendra::Medidas& medidas) {
    auto* ventana = new frmGrafico(medidas);
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
    cmdCerrar->move(cmdCerrar->x(), Pixeles(Height() - 920));
    cmdCerrar->move(Pixeles(Width() - 1400), cmdCerrar->y());
    // 2.
    geometria_.ReiniciarRangos();
    // 3. The picture fills the window above the button.
    picTriangulo->SetHeight(Height() - 980);
    picTriangulo->SetWidth(Width() - 100);
    // 4. The fit reads the size back, as the pixel adjustment left it. A
    // picture with no room left keeps its last drawing, unseen, until the
    // window grows again.
    if (!geometria_.AjustarRangos(picTriangulo->Width(), picTriangulo->Height())) {
        return;
    }
    // 5. to 7.
    picTriangulo->Cls();
    picTriangulo->SetForeColor(kNegro);
    const pendra::Vista vista = geometria_.VistaAjustada();
    picTriangulo->Scale(vista.izquierda, vista.arriba, vista.derecha, vista.abajo);
    // 8. Sides 3, 1 and 2.
    const float verticeX = geometria_.VerticeX();
    const float verticeY = geometria_.VerticeY();
    const float base = geometria_.Base();
    picTriangulo->Line(verticeX, verticeY, 0, 0);
    picTriangulo->Line(0, 0, base, 0);
    picTriangulo->Line(base, 0, verticeX, verticeY);
    // 9. Each length at the midpoint of its side.
    picTriangulo->SetForeColor(kAzul);
    EscribirLado(base / 2, 0, 1);
    EscribirLado((base + verticeX) / 2, verticeY / 2, 2);
    EscribirLado(verticeX / 2, verticeY / 2, 3);
    // 10. Angle 1 one line above the apex, angles 2 and 3 below their vertices.
    picTriangulo->SetForeColor(kRojo);
    const float h = AltoLinea();
    EscribirAngulo(verticeX, verticeY - h, 1);
    EscribirAngulo(0, 0, 2);
    EscribirAngulo(base, 0, 3);
}

void frmGrafico::cmdCerrar_Click() {
    close();
}

void frmGrafico::EscribirLado(float x, float y, std::uint8_t i) {
    picTriangulo->SetCurrentX(x);
    picTriangulo->SetCurrentY(y);
    picTriangulo->Print({QString::fromStdString(etiquetas_.Lado(i))}, false);
}

void frmGrafico::EscribirAngulo(float x, float y, std::uint8_t i) {
    const QString t = QString::fromStdString(etiquetas_.Angulo(i));
    // The number alone is centred; the degree mark stands outside the centring.
    const float w = picTriangulo->TextWidth(t);
    picTriangulo->SetCurrentX(x - w / 2);
    picTriangulo->SetCurrentY(y);
    picTriangulo->Print({t, QStringLiteral("\u00BA")}, true);
}

float frmGrafico::AltoLinea() {
    picTriangulo->SetCurrentY(0);
    picTriangulo->Print({}, true);
    return picTriangulo->CurrentY();
}
