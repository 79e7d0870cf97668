// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The result window's area-and-perimeter strip and its properties view.

#include "frmpropiedades.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <array>
#include <string>
#include <vector>

#include "frmgrafico.h"
#include "frmprocedimiento.h"
#include "solicitar.h"
#include "triangulos.h"

namespace pendra {
namespace {

class PropiedadesEnVentana : public testing::Test {
protected:
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(QApplication::topLevelWidgets().empty());
    }
};

struct Franja {
    std::array<std::string, 6> campos;
    std::vector<const char*> textos;  // one per solution, in window order
};

TEST_F(PropiedadesEnVentana, TheStripBesideCerrarGivesAreaAndPerimeter) {
    const Franja casos[] = {
        {{"", "3", "", "4", "", "5"}, {"Área 6   Perímetro 12"}},
        {{"30", "1.5", "", "", "", "2"},
         {"Solución 1 de 2   Área 1.425042398   Perímetro 6.350084796",
          "Solución 2 de 2   Área 0.3070084094   Perímetro 4.114016819"}},
    };
    for (const Franja& caso : casos) {
        const std::vector<Solucion> soluciones = prueba::Resueltos(caso.campos);
        ASSERT_EQ(soluciones.size(), caso.textos.size());
        for (std::size_t i = 0; i < soluciones.size(); ++i) {
            const int numero = static_cast<int>(i) + 1;
            frmGrafico* v = frmGrafico::Abrir(soluciones[i], nullptr, numero,
                                              static_cast<int>(soluciones.size()));
            v->resize(600, 300);
            EXPECT_EQ(v->lblPropiedades()->text(), QString::fromUtf8(caso.textos[i]));
            EXPECT_EQ(v->lblPropiedades()->font(), v->font());
        }
    }
}

TEST_F(PropiedadesEnVentana, TheStripNeverOverlapsCerrarAndShortensBeforeItGoes) {
    // One solution alone, and the second of two, whose number goes last.
    for (const QString& cabeza : {QString(), QStringLiteral("Solución 2 de 2")}) {
        SCOPED_TRACE(cabeza.toStdString());
        const QString inicio = cabeza.isEmpty() ? QString() : cabeza + QStringLiteral("   ");
        frmGrafico* v =
            frmGrafico::Abrir(prueba::Resuelta(prueba::TresLados(3.3, 4.4, 5.5)), nullptr,
                              cabeza.isEmpty() ? 1 : 2, cabeza.isEmpty() ? 1 : 2);
        // Room for the whole strip beside the working's button.
        v->resize(490, 213);
        EXPECT_EQ(v->lblPropiedades()->text(), inicio + "Área 7.26   Perímetro 13.2");
        EXPECT_TRUE(v->cmdProcedimiento()->isVisible());
        bool sinBoton = false;
        bool corto = false;
        bool cabezaSola = cabeza.isEmpty();
        for (int ancho = 490; ancho >= 0; ancho -= 7) {
            v->resize(ancho, 150);
            const QToolButton* franja = v->lblPropiedades();
            const QString texto = franja->text();
            if (franja->isVisible()) {
                EXPECT_LE(franja->geometry().right(), v->cmdCerrar()->geometry().left()) << ancho;
                // The working's button, while shown, sits between them.
                if (v->cmdProcedimiento()->isVisible()) {
                    EXPECT_LT(franja->geometry().right(), v->cmdProcedimiento()->geometry().left())
                        << ancho;
                    EXPECT_LT(v->cmdProcedimiento()->geometry().right(),
                              v->cmdCerrar()->geometry().left())
                        << ancho;
                }
                EXPECT_GE(franja->x(), 0);
                EXPECT_GE(franja->width(), franja->sizeHint().width())
                    << ancho << " " << texto.toStdString();
                EXPECT_TRUE(texto == cabeza ||
                            texto.startsWith(inicio + QStringLiteral("Área 7.26")))
                    << texto.toStdString();
                corto = corto || texto == inicio + QStringLiteral("Área 7.26");
                cabezaSola = cabezaSola || texto == cabeza;
                // The button goes before the strip's shortest text does.
                sinBoton = sinBoton || !v->cmdProcedimiento()->isVisible();
            } else {
                EXPECT_LT(ancho, 250);
            }
        }
        EXPECT_TRUE(corto) << "the area alone before nothing";
        EXPECT_TRUE(cabezaSola) << "the solution's number is the last thing left";
        EXPECT_TRUE(sinBoton) << "the working's button yields to the strip";
    }
}

TEST_F(PropiedadesEnVentana, CtrlIAndTheStripOpenOneViewWithEveryProperty) {
    frmGrafico* v = frmGrafico::Abrir(prueba::Resuelta(prueba::TresLados(3, 4, 5)));
    EXPECT_TRUE(v->actions().contains(v->accionPropiedades()));
    EXPECT_EQ(v->accionPropiedades()->text(), QStringLiteral("&Propiedades…"));
    v->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    QTest::keyClick(v, Qt::Key_I, Qt::ControlModifier);
    frmPropiedades* vista = v->VistaPropiedades();
    ASSERT_NE(vista, nullptr);
    EXPECT_TRUE(vista->isVisible());
    EXPECT_EQ(vista->findChild<QLabel*>("lblClase")->text(),
              QStringLiteral("Triángulo rectángulo escaleno"));
    const QTableWidget* tabla = vista->tabla();
    ASSERT_EQ(tabla->rowCount(), 22);
    EXPECT_EQ(tabla->item(6, 0)->text(), QStringLiteral("Mediana al lado 2"));
    EXPECT_EQ(tabla->item(6, 1)->text(), "3.605551275");
    EXPECT_EQ(tabla->item(19, 1)->text(), "(3, 0)");  // the orthocentre
    // The strip, clicked, brings back the same view rather than a second one.
    QTest::mouseClick(v->lblPropiedades(), Qt::LeftButton);
    EXPECT_EQ(v->VistaPropiedades(), vista);
    EXPECT_EQ(v->findChildren<frmPropiedades*>().size(), 1);
}

// The working: Ctrl+D opens one view (the button brings back the same), whose
// text copies whole with Ctrl+A, Ctrl+C, subscripts kept, and Escape closes it.
TEST_F(PropiedadesEnVentana, CtrlDOpensTheWorkingWhichCopiesAsTextAndHtml) {
    frmGrafico* v = frmGrafico::Abrir(prueba::Resuelta(prueba::TresLados(3, 4, 5)));
    EXPECT_EQ(v->accionProcedimiento()->text(), QStringLiteral("P&rocedimiento…"));
    v->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    QTest::keyClick(v, Qt::Key_D, Qt::ControlModifier);
    QPointer<frmProcedimiento> vista = v->VistaProcedimiento();
    ASSERT_NE(vista, nullptr);
    EXPECT_TRUE(vista->isVisible());
    QTest::mouseClick(v->cmdProcedimiento(), Qt::LeftButton);
    EXPECT_EQ(v->VistaProcedimiento(), vista);

    vista->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(vista));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(vista->texto(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(vista->texto(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(datos, nullptr);
    const QString texto = datos->text();
    for (const char* parte :
         {"Caso LLL: tres lados.", "1. Teorema del coseno (ángulo 1)",
          "A₁ = arccos((L₂² + L₃² − L₁²) / (2·L₂·L₃))", "A₃ = 180º − 36.8699º − 53.1301º = 90º"}) {
        EXPECT_TRUE(texto.contains(QString::fromUtf8(parte))) << parte << "\n"
                                                              << texto.toStdString();
    }
    EXPECT_TRUE(datos->html().contains(QStringLiteral("vertical-align:sub")))
        << datos->html().toStdString();

    QTest::keyClick(vista->texto(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vista.isNull());
    EXPECT_TRUE(v->isVisible());
}

}  // namespace
}  // namespace pendra
