// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of the input window on a real, headless Qt platform.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <numbers>
#include <vector>

#include "campomedida.h"
#include "formato.h"
#include "frmprincipal.h"
#include "funciones.h"
#include "traduccion.h"

using pendra::CampoMedida;
using pendra::frmPrincipal;
using pendra::Medidas;

namespace {

// What a message box showed when it opened.
struct Cuadro {
    QString titulo;
    QString texto;  // the prompt, and below it, a line apart, the reason if any
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> botones;
    bool modal = false;
    QStringList textosBotones;
};

// Answers every message box that opens while it lives, as a user pressing OK
// would, and records what the box showed. An unexpected box is recorded too,
// so a test fails on it instead of hanging.
class Cuadros : public QObject {
public:
    Cuadros() {
        connect(&reloj_, &QTimer::timeout, this, &Cuadros::Atender);
        reloj_.start(5);
    }

    const std::vector<Cuadro>& Vistos() const { return vistos_; }

private:
    void Atender() {
        auto* cuadro = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (cuadro == nullptr) {
            return;
        }
        const QString motivo = cuadro->informativeText();
        Cuadro visto{
            cuadro->windowTitle(),
            cuadro->text() + (motivo.isEmpty() ? QString() : QStringLiteral("\n") + motivo),
            cuadro->icon(),
            {},
            cuadro->isModal(),
            {}};
        for (QAbstractButton* boton : cuadro->buttons()) {
            visto.botones.append(cuadro->standardButton(boton));
            visto.textosBotones.append(boton->text());
        }
        vistos_.push_back(visto);
        if (QAbstractButton* ok = cuadro->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            cuadro->done(0);
        }
    }

    QTimer reloj_;
    std::vector<Cuadro> vistos_;
};

constexpr int Px(int twips) {
    return twips / 15;
}

// The diagram's parts that the fields name: the apex (angle 1), the lower
// left and lower right vertices (angles 2 and 3), then the midpoints of the
// base (side 1), of the right side (side 2) and of the left side (side 3).
const QPointF kPartes[] = {{Px(3000), Px(480)},  {Px(1200), Px(2520)}, {Px(4800), Px(2520)},
                           {Px(3000), Px(2520)}, {Px(3900), Px(1500)}, {Px(2100), Px(1500)}};

// The fields in tab order, as object names.
const QStringList kOrdenCampos{"txtAngulo1", "txtLado1",   "txtAngulo2",
                               "txtLado2",   "txtAngulo3", "txtLado3"};

}  // namespace

class PruebasFrmPrincipal : public QObject {
    Q_OBJECT

private:
    frmPrincipal& Ventana() { return *ventana_; }
    CampoMedida* CampoLlamado(const QString& nombre) {
        return ventana_->findChild<CampoMedida*>(nombre);
    }
    // Fills the six fields in tab order.
    void Escribir(const QStringList& textos) {
        for (qsizetype k = 0; k < kOrdenCampos.size(); ++k) {
            CampoLlamado(kOrdenCampos[k])->setText(textos[k]);
        }
    }
    // Result windows take the activation when they open, as they do for the user.
    void Activar() {
        Ventana().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Ventana()));
    }
    QStringList Textos() {
        QStringList textos;
        for (const QString& nombre : kOrdenCampos) {
            textos << CampoLlamado(nombre)->text();
        }
        return textos;
    }

    std::unique_ptr<frmPrincipal> ventana_;
    std::vector<Medidas> soluciones_;
    // Each window's solution number and the request's total, as x and y.
    std::vector<QPoint> numeros_;
    // Stand-ins for result windows: top-level and ownerless, as the real ones.
    std::vector<std::unique_ptr<QWidget>> resultados_;

private Q_SLOTS:
    void init() {
        soluciones_.clear();
        numeros_.clear();
        ventana_ =
            std::make_unique<frmPrincipal>([this](const pendra::Solucion& solucion,
                                                  const QWidget& entrada, int numero, int total) {
                // The new window is placed beside the input window that asked for it.
                QCOMPARE(&entrada, ventana_.get());
                soluciones_.push_back(solucion.medidas);
                numeros_.push_back(QPoint(numero, total));
                auto resultado = std::make_unique<QWidget>();
                resultado->setWindowTitle(QStringLiteral("resultado"));
                resultado->show();
                resultados_.push_back(std::move(resultado));
            });
        ventana_->show();
        ventana_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ventana_.get()));
    }

    void cleanup() {
        resultados_.clear();
        ventana_.reset();
    }

    void the_window_has_the_fixed_client_area_and_a_caption_with_the_task_and_credit() {
        QCOMPARE(Ventana().size(), QSize(Px(5985), Px(3960)));
        QCOMPARE(Ventana().minimumSize(), Ventana().maximumSize());
        QCOMPARE(Ventana().windowTitle(), "Resolución de triángulos - el equipo de Pendra");
    }

    // Each field stands by the part of the diagram it measures, nearer to it
    // than to any other part; the buttons stand in one row below the diagram.
    void every_control_stands_by_what_it_names_with_its_text_and_help_data() {
        QTest::addColumn<QPointF>("junto");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("ayuda");
        QTest::addColumn<QString>("nombreAccesible");
        QTest::newRow("txtAngulo1") << kPartes[0] << ""
                                    << "Ángulo 1, opuesto al lado 1"
                                    << "Ángulo 1";
        QTest::newRow("txtAngulo2") << kPartes[1] << ""
                                    << "Ángulo 2, opuesto al lado 2"
                                    << "Ángulo 2";
        QTest::newRow("txtAngulo3") << kPartes[2] << ""
                                    << "Ángulo 3, opuesto al lado 3"
                                    << "Ángulo 3";
        QTest::newRow("txtLado1") << kPartes[3] << ""
                                  << "Lado 1, opuesto al ángulo 1"
                                  << "Lado 1";
        QTest::newRow("txtLado2") << kPartes[4] << ""
                                  << "Lado 2, opuesto al ángulo 2"
                                  << "Lado 2";
        QTest::newRow("txtLado3") << kPartes[5] << ""
                                  << "Lado 3, opuesto al ángulo 3"
                                  << "Lado 3";
        QTest::newRow("cmdBorrar") << QPointF() << "&Borrar"
                                   << "Borrar todas las medidas"
                                   << "Borrar";
        QTest::newRow("cmdResolver") << QPointF() << "&Resolver"
                                     << "Calcular las tres medidas faltantes"
                                     << "Resolver";
        QTest::newRow("cmdTerminar") << QPointF() << "&Terminar"
                                     << "Salir del programa"
                                     << "Terminar";
    }

    void every_control_stands_by_what_it_names_with_its_text_and_help() {
        QFETCH(QPointF, junto);
        QFETCH(QString, texto);
        QFETCH(QString, ayuda);
        QFETCH(QString, nombreAccesible);
        auto* control = Ventana().findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(control != nullptr);
        QVERIFY(control->isVisible());
        QVERIFY(Ventana().rect().contains(control->geometry()));
        for (QWidget* otro : Ventana().findChildren<QWidget*>()) {
            if (otro != control && otro->isVisible() && otro->parentWidget() == &Ventana()) {
                QVERIFY2(!control->geometry().intersects(otro->geometry()),
                         qPrintable(otro->objectName()));
            }
        }
        QCOMPARE(control->toolTip(), ayuda);
        QCOMPARE(control->accessibleName(), nombreAccesible);
        const QPointF centro = QRectF(control->geometry()).center();
        if (auto* boton = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(boton->text(), texto);
            QVERIFY(boton->geometry().top() > Px(2520));
            QCOMPARE(boton->y(), Ventana().cmdResolver()->y());
            QVERIFY(Ventana().cmdBorrar()->x() < Ventana().cmdResolver()->x());
            QVERIFY(Ventana().cmdResolver()->x() < Ventana().cmdTerminar()->x());
            return;
        }
        QCOMPARE(qobject_cast<CampoMedida*>(control)->text(), texto);
        const auto distancia = [&centro](QPointF p) { return QLineF(centro, p).length(); };
        for (const QPointF& parte : kPartes) {
            if (parte != junto) {
                QVERIFY2(
                    distancia(junto) < distancia(parte),
                    qPrintable(QStringLiteral("nearer to %1, %2").arg(parte.x()).arg(parte.y())));
            }
        }
    }

    void every_label_starts_where_the_layout_puts_it_and_shows_its_whole_text_data() {
        QTest::addColumn<QPoint>("lugar");
        QTest::addColumn<QString>("texto");
        QTest::newRow("Label1") << QPoint(Px(120), Px(120)) << "Escriba tres de las medidas";
        QTest::newRow("Label2") << QPoint(Px(120), Px(360)) << "del triángulo y presione";
        QTest::newRow("Label3") << QPoint(Px(120), Px(600)) << "\"Resolver\" para calcular";
        QTest::newRow("Label4") << QPoint(Px(120), Px(840)) << "las otras tres.";
    }

    void every_label_starts_where_the_layout_puts_it_and_shows_its_whole_text() {
        QFETCH(QPoint, lugar);
        QFETCH(QString, texto);
        auto* etiqueta = Ventana().findChild<QLabel*>(QTest::currentDataTag());
        QVERIFY(etiqueta != nullptr);
        QCOMPARE(etiqueta->text(), texto);
        QCOMPARE(etiqueta->geometry().topLeft(), lugar);
        QCOMPARE(etiqueta->focusPolicy(), Qt::NoFocus);
        const QFontMetrics medidas(etiqueta->font());
        QVERIFY(etiqueta->width() >= medidas.horizontalAdvance(texto));
        QVERIFY(etiqueta->height() >= medidas.height());
        // Sized to its text, it must still stay clear of the fields and the
        // diagram.
        for (QWidget* otro : Ventana().findChildren<QWidget*>()) {
            if (otro != etiqueta && otro->isVisible()) {
                QVERIFY2(!etiqueta->geometry().intersects(otro->geometry()),
                         qPrintable(otro->objectName()));
            }
        }
        const QLineF izquierdo(Px(1200), Px(2520), Px(3000), Px(480));
        for (int k = 0; k <= 100; ++k) {
            QVERIFY(!QRectF(etiqueta->geometry()).contains(izquierdo.pointAt(k / 100.0)));
        }
    }

    void the_field_arrays_are_numbered_from_1_as_the_measures() {
        for (std::uint8_t i = 1; i <= 3; ++i) {
            QCOMPARE(Ventana().txtAngulo(i)->objectName(),
                     QStringLiteral("txtAngulo%1").arg(int{i}));
            QCOMPARE(Ventana().txtLado(i)->objectName(), QStringLiteral("txtLado%1").arg(int{i}));
        }
    }

    void the_diagram_lines_are_drawn_where_the_layout_puts_them() {
        const QImage imagen = Ventana().grab().toImage();
        const auto oscuro = [&imagen](QPointF p) {
            // Allow one pixel either way for how a slanted line is stepped.
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    if (qGray(imagen.pixel(qRound(p.x()) + dx, qRound(p.y()) + dy)) < 100) {
                        return true;
                    }
                }
            }
            return false;
        };
        const QLineF lineas[] = {{Px(1200), Px(2520), Px(3000), Px(480)},
                                 {Px(3000), Px(480), Px(4800), Px(2520)},
                                 {Px(1200), Px(2520), Px(4800), Px(2520)}};
        for (const QLineF& linea : lineas) {
            for (int k = 0; k <= 10; ++k) {
                QVERIFY2(oscuro(linea.pointAt(k / 10.0)), qPrintable(QString::number(k)));
            }
        }
        // Inside the triangle and beside each side, nothing is drawn.
        QVERIFY(!oscuro({Px(3000), Px(1800)}));
        QVERIFY(!oscuro({Px(2000), Px(1800)}));
        QVERIFY(!oscuro({Px(4000), Px(1800)}));
        QVERIFY(!oscuro({Px(3000), Px(2400)}));
    }

    void the_focus_starts_in_angle_1() {
        QCOMPARE(QApplication::focusWidget(), Ventana().txtAngulo(1));
    }

    void tab_cycles_through_the_fields_then_the_buttons() {
        QList<QWidget*> esperado;
        for (const QString& nombre : kOrdenCampos.mid(1)) {
            esperado << CampoLlamado(nombre);
        }
        esperado << Ventana().cmdBorrar() << Ventana().cmdResolver() << Ventana().cmdTerminar()
                 << Ventana().txtAngulo(1);
        for (QWidget* siguiente : esperado) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), siguiente);
        }
        // Shift+Tab walks back the same way.
        esperado.prepend(Ventana().txtAngulo(1));
        for (auto it = esperado.rbegin() + 1; it != esperado.rend(); ++it) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), *it);
        }
    }

    void a_field_selects_its_whole_text_whenever_it_gets_the_focus_data() {
        QTest::addColumn<QString>("como");
        QTest::newRow("by Tab") << "tab";
        QTest::newRow("by Shift+Tab") << "backtab";
        QTest::newRow("by a click") << "click";
    }

    void a_field_selects_its_whole_text_whenever_it_gets_the_focus() {
        QFETCH(QString, como);
        Escribir({"12.5", "12.5", "12.5", "12.5", "12.5", "12.5"});
        for (const QString& nombre : kOrdenCampos) {
            CampoMedida* campo = CampoLlamado(nombre);
            if (como == "tab") {
                campo->previousInFocusChain()->setFocus();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            } else if (como == "backtab") {
                campo->nextInFocusChain()->setFocus();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            } else {
                Ventana().cmdBorrar()->setFocus();
                QTest::mouseClick(campo, Qt::LeftButton, {}, QPoint(6, campo->height() / 2));
            }
            QCOMPARE(QApplication::focusWidget(), campo);
            QCOMPARE(campo->selectedText(), QStringLiteral("12.5"));
            // What the user types next replaces the old value.
            QTest::keyClicks(campo, "7");
            QCOMPARE(campo->text(), QStringLiteral("7"));
        }
    }

    void a_click_and_drag_into_a_field_keeps_the_part_the_user_selected() {
        CampoMedida* campo = Ventana().txtLado(2);
        campo->setText("123456");
        const int y = campo->height() / 2;
        const int inicio = 4;
        QTest::mousePress(campo, Qt::LeftButton, {}, QPoint(inicio, y));
        QTest::mouseMove(campo, QPoint(inicio + campo->fontMetrics().horizontalAdvance("123"), y));
        QTest::mouseRelease(campo, Qt::LeftButton, {},
                            QPoint(inicio + campo->fontMetrics().horizontalAdvance("123"), y));
        QCOMPARE(QApplication::focusWidget(), campo);
        QVERIFY(campo->hasSelectedText());
        QVERIFY(campo->selectedText() != campo->text());
    }

    void enter_in_any_field_runs_the_solve_request_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<int>("tecla");
        for (const QString& nombre : kOrdenCampos) {
            QTest::newRow(qPrintable(nombre + " Return")) << nombre << int{Qt::Key_Return};
            QTest::newRow(qPrintable(nombre + " Enter")) << nombre << int{Qt::Key_Enter};
        }
    }

    void enter_in_any_field_runs_the_solve_request() {
        QFETCH(QString, campo);
        QFETCH(int, tecla);
        Cuadros cuadros;
        Escribir({"", "3", "", "4", "", "5"});
        CampoLlamado(campo)->setFocus();
        QTest::keyClick(CampoLlamado(campo), Qt::Key(tecla));
        QCOMPARE(cuadros.Vistos().size(), 0U);
        QCOMPARE(soluciones_.size(), 1U);
        // The right angle is angle 3, opposite the longest side.
        QCOMPARE(soluciones_[0].Angulo(3), std::numbers::pi / 2);
        QCOMPARE(soluciones_[0].Lado(1), 3.0);
        QCOMPARE(Textos(), QStringList({"", "3", "", "4", "", "5"}));
        QCOMPARE(QApplication::focusWidget(), CampoLlamado(campo));
    }

    void enter_on_a_focused_button_presses_that_button() {
        Cuadros cuadros;
        Escribir({"", "3", "", "4", "", "5"});
        Ventana().cmdBorrar()->setFocus();
        QTest::keyClick(Ventana().cmdBorrar(), Qt::Key_Return);
        QCOMPARE(Textos(), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(soluciones_.size(), 0U);
        QCOMPARE(cuadros.Vistos().size(), 0U);
    }

    void both_triangles_of_the_ambiguous_case_reach_their_windows_in_order() {
        Cuadros cuadros;
        Escribir({"30", "1.5", "", "", "", "2"});
        QTest::mouseClick(Ventana().cmdResolver(), Qt::LeftButton);
        QCOMPARE(cuadros.Vistos().size(), 0U);
        QCOMPARE(soluciones_.size(), 2U);
        QCOMPARE(qRound(soluciones_[0].Angulo(3) * 180 / std::numbers::pi * 100), 4181);
        QCOMPARE(qRound(soluciones_[1].Angulo(3) * 180 / std::numbers::pi * 100), 13819);
        // A second request with the same data opens new windows.
        Activar();
        // An access key presses its button as a click does, after a moment.
        QTest::keyClick(&Ventana(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(soluciones_.size(), 4U);
        QCOMPARE(resultados_.size(), 4U);
        const std::vector<QPoint> numeros{{1, 2}, {2, 2}, {1, 2}, {2, 2}};
        QCOMPARE(numeros_, numeros);
    }

    void a_needle_and_an_isosceles_pair_reach_one_window_each_with_their_true_labels() {
        Cuadros cuadros;
        Escribir({"", "1", "", "1", "", "1e-10"});
        QTest::mouseClick(Ventana().cmdResolver(), Qt::LeftButton);
        Escribir({"48.371505", "6", "", "6", "", ""});
        QTest::mouseClick(Ventana().cmdResolver(), Qt::LeftButton);
        QCOMPARE(cuadros.Vistos().size(), 0U);
        QCOMPARE(soluciones_.size(), 2U);
        const std::vector<QPoint> numeros{{1, 1}, {1, 1}};
        QCOMPARE(numeros_, numeros);
        QCOMPARE(pendra::FormatoMedida(soluciones_[0].Angulo(3) / pendra::RadPorGrado), "5.72E-09");
        QCOMPARE(pendra::FormatoMedida(soluciones_[1].Angulo(3) / pendra::RadPorGrado), "83.256");
    }

    void escape_leaves_the_window_open_data() {
        QTest::addColumn<QString>("desde");
        QTest::newRow("a field") << "txtLado2";
        QTest::newRow("a button") << "cmdBorrar";
    }

    void escape_leaves_the_window_open() {
        QFETCH(QString, desde);
        Cuadros cuadros;
        Escribir({"1", "2", "3", "4", "5", "6"});
        auto* control = Ventana().findChild<QWidget*>(desde);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Escape);
        QTest::qWait(20);
        QVERIFY(Ventana().isVisible());
        QCOMPARE(Ventana().result(), 0);
        QCOMPARE(Textos(), QStringList({"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(cuadros.Vistos().size(), 0U);
        QCOMPARE(soluciones_.size(), 0U);
    }

    void borrar_empties_the_six_fields_and_leaves_result_windows_open() {
        Cuadros cuadros;
        Escribir({"", "3", "", "4", "", "5"});
        Ventana().cmdResolver()->click();
        QCOMPARE(resultados_.size(), 1U);
        Escribir({"1", "2", "3", "4", "5", "6"});
        Activar();
        QTest::mouseClick(Ventana().cmdBorrar(), Qt::LeftButton);
        QCOMPARE(Textos(), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(QApplication::focusWidget(), Ventana().cmdBorrar());
        QVERIFY(resultados_[0]->isVisible());
        QVERIFY(Ventana().isVisible());
        // Alt+B does the same.
        Escribir({"1", "2", "3", "4", "5", "6"});
        Activar();
        QTest::keyClick(&Ventana(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(Textos(), QStringList({"", "", "", "", "", ""}));
        QCOMPARE(cuadros.Vistos().size(), 0U);
    }

    void a_field_refuses_whole_an_edit_longer_than_it_holds_data() {
        QTest::addColumn<QString>("antes");
        QTest::addColumn<bool>("todoSeleccionado");
        QTest::addColumn<QString>("pegado");  // empty: the key 5 typed instead
        QTest::addColumn<int>("largo");       // what the field would hold; 0 if it is allowed
        const int n = CampoMedida::kLargoMaximo;
        const QString lleno(n, u'1');
        QTest::newRow("a paste that just fits")
            << QStringLiteral("12") << true << QString(n, u'7') << 0;
        QTest::newRow("a paste one character too long")
            << QStringLiteral("12") << true << QString(n + 1, u'7') << n + 1;
        // Cut to what fits, it would read as 1.000… without its exponent.
        QTest::newRow("a long mantissa with its exponent at the end")
            << QStringLiteral("3") << true
            << QStringLiteral("1.") + QString(10'000, u'0') + QStringLiteral("e5") << 10'004;
        QTest::newRow("a paste of a whole document")
            << QStringLiteral("3") << true << QStringLiteral("2,5") + QString(10'000'000, u' ')
            << 10'000'003;
        QTest::newRow("a paste that fits in place of the selection")
            << lleno << true << QString(n, u'7') << 0;
        QTest::newRow("a paste added to a long text")
            << QString(n - 50, u'1') << false << QString(51, u'7') << n + 1;
        QTest::newRow("a key typed into a full field") << lleno << false << QString() << n + 1;
    }

    void a_field_refuses_whole_an_edit_longer_than_it_holds() {
        QFETCH(QString, antes);
        QFETCH(bool, todoSeleccionado);
        QFETCH(QString, pegado);
        QFETCH(int, largo);
        Cuadros cuadros;
        CampoMedida* campo = Ventana().txtLado(1);
        campo->setText(antes);
        campo->setFocus();
        if (todoSeleccionado) {
            campo->selectAll();
        } else {
            campo->end(false);
        }
        if (pegado.isEmpty()) {
            QTest::keyClick(campo, Qt::Key_5);
        } else {
            QApplication::clipboard()->setText(pegado);
            QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier);
        }
        if (largo == 0) {
            QCOMPARE(campo->text(), pegado);
            QTest::qWait(50);
            QCOMPARE(cuadros.Vistos().size(), 0U);
            return;
        }
        // Nothing of the edit is kept, and a box says why.
        QCOMPARE(campo->text(), antes);
        QTRY_COMPARE(cuadros.Vistos().size(), 1U);
        const Cuadro& cuadro = cuadros.Vistos()[0];
        QCOMPARE(cuadro.titulo, QStringLiteral("Texto demasiado largo"));
        QCOMPARE(cuadro.texto, QStringLiteral("El campo «Lado 1» admite como mucho %1 caracteres, "
                                              "y con ese texto tendría %2. El campo queda como "
                                              "estaba.")
                                   .arg(CampoMedida::kLargoMaximo)
                                   .arg(largo));
        QCOMPARE(cuadro.icono, QMessageBox::Warning);
        QCOMPARE(cuadro.textosBotones, QStringList{"Aceptar"});
        // And an edit that fits is taken afterwards as ever.
        campo->setText(QStringLiteral("4"));
        campo->end(false);
        QTest::keyClick(campo, Qt::Key_2);
        QCOMPARE(campo->text(), QStringLiteral("42"));
    }

    void each_message_of_the_solve_request_shows_in_a_critical_box_data() {
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("foco");
        const QString error = "Error en los datos";
        QTest::newRow("a negative angle 1") << QStringList{"-30", "3", "", "4", "", "5"} << error
                                            << "El ángulo 1 no puede ser negativo."
                                            << "txtAngulo1";
        QTest::newRow("the minus sign U+2212")
            << QStringList{"", "−4", "", "", "", ""} << error << "El lado 1 no puede ser negativo."
            << "txtLado1";
        QTest::newRow("side 2 is read before angle 3")
            << QStringList{"", "", "", "-4", "-10", ""} << error
            << "El lado 2 no puede ser negativo."
            << "txtLado2";
        QTest::newRow("side 1 is read before angle 2")
            << QStringList{"", "-4", "-10", "", "", ""} << error
            << "El lado 1 no puede ser negativo."
            << "txtLado1";
        QTest::newRow("a negative angle 3") << QStringList{"", "3", "", "4", "-1", "5"} << error
                                            << "El ángulo 3 no puede ser negativo."
                                            << "txtAngulo3";
        QTest::newRow("a negative side 3") << QStringList{"", "3", "", "4", "", "-5"} << error
                                           << "El lado 3 no puede ser negativo."
                                           << "txtLado3";
        QTest::newRow("a side beyond the range of numbers")
            << QStringList{"", "1e400", "", "4", "", "5"} << error
            << "El lado 1 está fuera de rango."
            << "txtLado1";
        QTest::newRow("an angle beyond the range of numbers")
            << QStringList{"", "3", "1e400", "4", "", ""} << error
            << "El ángulo 2 está fuera de rango."
            << "txtAngulo2";
        QTest::newRow("minus a number beyond range is negative")
            << QStringList{"", "-1e400", "", "4", "", "5"} << error
            << "El lado 1 no puede ser negativo."
            << "txtLado1";
        QTest::newRow("four measures") << QStringList{"30", "3", "", "4", "", "5"} << error
                                       << "El número de datos debe ser igual a 3."
                                       << "";
        QTest::newRow("two measures") << QStringList{"", "3", "", "4", "", ""} << error
                                      << "El número de datos debe ser igual a 3."
                                      << "";
        QTest::newRow("no measure") << QStringList{"", "", "", "", "", ""} << error
                                    << "El número de datos debe ser igual a 3."
                                    << "";
        QTest::newRow("three angles and a side")
            << QStringList{"60", "1", "60", "", "60", ""} << error
            << "El número de datos debe ser igual a 3."
            << "";
        QTest::newRow("only the three angles") << QStringList{"60", "", "60", "", "60", ""} << error
                                               << "No hay solución si sólo se conocen los ángulos."
                                               << "";
        QTest::newRow("side 1 too short for the given angle")
            << QStringList{"30", "0.5", "", "", "", "2"} << "Datos inválidos"
            << "No hay solución para esos datos.\nEl lado 1, opuesto al ángulo 1, mide 0.5: es más "
               "corto que la altura que debe alcanzar, lado 3 × sen(ángulo 1) = 2 × sen 30º = 1, "
               "y no llega a cerrar el triángulo."
            << "";
        QTest::newRow("sides of a flat triangle")
            << QStringList{"", "1", "", "2", "", "3"} << "Datos inválidos"
            << "No hay solución para esos datos.\nEl lado 3 mide 3, y no es menor que la suma de "
               "los otros dos: 1 + 2 = 3. Cada lado de un triángulo es menor que la suma de los "
               "otros dos."
            << "";
        QTest::newRow("angles of 100 and 90 degrees")
            << QStringList{"100", "1", "90", "", "", ""} << "Datos inválidos"
            << "No hay solución para esos datos.\nLos ángulos dados suman 100º + 90º = 190º, y "
               "los tres ángulos de un triángulo suman 180º: no queda nada para el ángulo 3."
            << "";
    }

    void each_message_of_the_solve_request_shows_in_a_critical_box() {
        QFETCH(QStringList, campos);
        QFETCH(QString, titulo);
        QFETCH(QString, texto);
        QFETCH(QString, foco);
        Cuadros cuadros;
        Escribir(campos);
        QTest::mouseClick(Ventana().cmdResolver(), Qt::LeftButton);

        QCOMPARE(cuadros.Vistos().size(), 1U);
        const Cuadro& cuadro = cuadros.Vistos()[0];
        QCOMPARE(cuadro.titulo, titulo);
        QCOMPARE(cuadro.texto, texto);
        QCOMPARE(cuadro.icono, QMessageBox::Critical);
        QCOMPARE(cuadro.botones, QList{QMessageBox::Ok});
        QCOMPARE(cuadro.textosBotones, QStringList{"Aceptar"});
        QVERIFY(cuadro.modal);
        QCOMPARE(soluciones_.size(), 0U);
        QCOMPARE(Textos(), campos);

        // The focus moves only to a rejected field, and then selects its text
        // so that the value can be overtyped at once.
        // The window may not be active again yet when the box has gone; the
        // field must be selected all the same once it is.
        QWidget* destino =
            foco.isEmpty() ? static_cast<QWidget*>(Ventana().cmdResolver()) : CampoLlamado(foco);
        QCOMPARE(Ventana().focusWidget(), destino);
        Activar();
        QCOMPARE(QApplication::focusWidget(), destino);
        if (auto* campo = qobject_cast<CampoMedida*>(destino)) {
            QVERIFY(campo->hasSelectedText());
            QCOMPARE(campo->selectedText(), campo->text());
        }
    }

    void a_folder_without_qt_s_spanish_texts_installs_nothing() {
        const QTemporaryDir vacia;
        QCOMPARE(pendra::InstalarTraduccionQt(*qApp, vacia.path()), nullptr);
    }

    void terminar_ends_the_program_at_once_with_result_windows_open() {
        Escribir({"30", "1.5", "", "", "", "2"});
        Ventana().cmdResolver()->click();
        QCOMPARE(resultados_.size(), 2U);
        Activar();
        QTimer::singleShot(0, &Ventana(),
                           [this] { QTest::keyClick(&Ventana(), Qt::Key_T, Qt::AltModifier); });
        QTimer::singleShot(5000, &Ventana(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void closing_the_input_window_leaves_result_windows_open_until_the_last_closes() {
        Escribir({"", "3", "", "4", "", "5"});
        Ventana().cmdResolver()->click();
        QCOMPARE(resultados_.size(), 1U);
        QWidget* resultado = resultados_[0].get();
        QSignalSpy ultima(qApp, &QGuiApplication::lastWindowClosed);
        bool resultadoAbierto = false;
        QTimer::singleShot(0, resultado, [&] {
            Ventana().close();
            QTimer::singleShot(50, resultado, [&] {
                resultadoAbierto = resultado->isVisible() && ultima.isEmpty();
                resultado->close();
            });
        });
        QTimer::singleShot(5000, resultado, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!Ventana().isVisible());
        QVERIFY(resultadoAbierto);
        QCOMPARE(ultima.size(), 1);
    }
};

int main(int argc, char* argv[]) {
    // Headless unless a platform was asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication aplicacion(argc, argv);
    // Qt's own texts in Spanish, as the program has them.
    pendra::InstalarTraduccionQt(aplicacion);
    PruebasFrmPrincipal pruebas;
    return QTest::qExec(&pruebas, argc, argv);
}

#include "tst_frmprincipal.moc"
