// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmprocedimiento.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "formato.h"

namespace pendra {

namespace {

// A formula in the core's notation (L₁², A₂, with Unicode subscripts and ²)
// as HTML: the letters in italics, the digits lowered or raised.
QString FormulaHtml(const std::string& formula) {
    const QString texto = QString::fromStdString(formula);
    QString html;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        const bool letra = (c == u'A' || c == u'L') && i + 1 < texto.size() &&
                           texto[i + 1].unicode() >= 0x2080 && texto[i + 1].unicode() <= 0x2089;
        if (letra) {
            html += QStringLiteral("<i>%1</i>").arg(c);
        } else if (c.unicode() >= 0x2080 && c.unicode() <= 0x2089) {
            html += QStringLiteral("<sub>%1</sub>").arg(c.unicode() - 0x2080);
        } else if (c == u'\u00B2') {
            html += QStringLiteral("<sup>2</sup>");
        } else {
            html += QString(c).toHtmlEscaped();
        }
    }
    return html;
}

QString Html(const std::string& texto) {
    return QString::fromStdString(texto).toHtmlEscaped();
}

QChar Subindice(QChar c) {
    return c.isDigit() ? QChar(0x2080 + c.digitValue()) : c;
}

QChar Superindice(QChar c) {
    static const char16_t kDigitos[] =
        u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078"
        u"\u2079";
    return c.isDigit() ? QChar(kDigitos[c.digitValue()]) : c;
}

bool EsDelTexto(const QKeyEvent& tecla) {
    return tecla.matches(QKeySequence::SelectAll) || tecla.matches(QKeySequence::Copy);
}

// The view's text: plain text on the clipboard keeps the subscripts.
class Pizarra : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    // Select all and copy are the text's own, not the result window's (whose
    // Ctrl+C copies the triangle): a read-only text claims no shortcut.
    bool event(QEvent* evento) override {
        if (evento->type() == QEvent::ShortcutOverride &&
            EsDelTexto(*static_cast<QKeyEvent*>(evento))) {
            evento->accept();
            return true;
        }
        return QTextBrowser::event(evento);
    }
    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->matches(QKeySequence::SelectAll)) {
            selectAll();
        } else if (evento->matches(QKeySequence::Copy)) {
            copy();
        } else {
            QTextBrowser::keyPressEvent(evento);
            return;
        }
        evento->accept();
    }
    QMimeData* createMimeDataFromSelection() const override {
        // The base fills its data lazily, over anything set here: a new one.
        const std::unique_ptr<QMimeData> base(QTextBrowser::createMimeDataFromSelection());
        auto* datos = new QMimeData;
        datos->setHtml(base->html());
        const QTextCursor cursor = textCursor();
        datos->setText(TextoPlano(*document(), cursor.selectionStart(), cursor.selectionEnd()));
        return datos;
    }
};

}  // namespace

QString HtmlProcedimiento(const Procedimiento& procedimiento) {
    QString html = QStringLiteral("<p><b>Caso %1:</b> %2.</p>")
                       .arg(Html(procedimiento.caso), Html(procedimiento.descripcion));
    html += QStringLiteral(
        "<p><i>L</i><sub>1</sub>, <i>L</i><sub>2</sub>, <i>L</i><sub>3</sub> son los lados; "
        "<i>A</i><sub>1</sub>, <i>A</i><sub>2</sub>, <i>A</i><sub>3</sub>, los ángulos "
        "opuestos a ellos.</p>");
    int numero = 0;
    for (const Paso& paso : procedimiento.pasos) {
        html += QStringLiteral("<p><b>%1. %2</b>").arg(++numero).arg(Html(paso.titulo));
        if (paso.calcula) {
            html += QStringLiteral(" (%1)").arg(Html(NombreEnFrase(*paso.calcula)));
        }
        html += QStringLiteral("<br>&nbsp;&nbsp;%1<br>&nbsp;&nbsp;%2 = <b>%3</b>")
                    .arg(FormulaHtml(paso.formula), FormulaHtml(paso.sustitucion),
                         Html(paso.resultado));
        if (!paso.nota.empty()) {
            html += QStringLiteral("<br>&nbsp;&nbsp;<i>%1</i>").arg(FormulaHtml(paso.nota));
        }
        html += QStringLiteral("</p>");
    }
    return html;
}

QString TextoPlano(const QTextDocument& documento, int desde, int hasta) {
    QString texto;
    for (QTextBlock bloque = documento.findBlock(desde);
         bloque.isValid() && bloque.position() <= hasta; bloque = bloque.next()) {
        if (bloque.position() > desde) {
            texto += u'\n';
        }
        for (auto fragmento = bloque.begin(); !fragmento.atEnd(); ++fragmento) {
            const QTextFragment f = fragmento.fragment();
            const int inicio = std::max(desde, f.position());
            const int fin = std::min(hasta, f.position() + f.length());
            if (inicio >= fin) {
                continue;
            }
            const auto alineacion = f.charFormat().verticalAlignment();
            for (QChar c : f.text().mid(inicio - f.position(), fin - inicio)) {
                if (c == QChar::LineSeparator) {
                    c = u'\n';
                } else if (c == QChar::Nbsp) {
                    c = u' ';
                } else if (alineacion == QTextCharFormat::AlignSubScript) {
                    c = Subindice(c);
                } else if (alineacion == QTextCharFormat::AlignSuperScript) {
                    c = Superindice(c);
                }
                texto += c;
            }
        }
    }
    return texto;
}

frmProcedimiento::frmProcedimiento(const Procedimiento& procedimiento, QWidget* parent)
    : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Procedimiento"));

    texto_ = new Pizarra(this);
    texto_->setObjectName(QStringLiteral("txtProcedimiento"));
    texto_->setAccessibleName(QStringLiteral("Procedimiento"));
    texto_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A little larger than the window's text, as on a board.
    QFont fuente = texto_->font();
    fuente.setPointSizeF(fuente.pointSizeF() * 1.15);
    texto_->document()->setDefaultFont(fuente);
    texto_->setHtml(HtmlProcedimiento(procedimiento));
    // Selectable from the keyboard, but with no caret blinking in the text.
    texto_->setCursorWidth(0);
    // Tall enough for the whole working where the screen has room.
    constexpr int kAncho = 500;
    // Measured on a copy: the view lays its own document out to its width.
    QTextDocument medida;
    medida.setDefaultFont(fuente);
    medida.setHtml(texto_->toHtml());
    medida.setTextWidth(kAncho);
    const int alto =
        static_cast<int>(std::ceil(medida.size().height())) + 2 * texto_->frameWidth() + 8;
    const int maximo =
        parent != nullptr ? parent->screen()->availableGeometry().height() * 3 / 4 : alto;
    texto_->setMinimumSize(kAncho + 2 * texto_->frameWidth() + 8, std::min(alto, maximo));

    auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("cmdCerrar"));
    cerrar->setAutoDefault(false);
    connect(cerrar, &QPushButton::clicked, this, &QDialog::close);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(texto_, 1);
    disposicion->addWidget(cerrar, 0, Qt::AlignRight);
    // The focus on the text, so that Ctrl+A and Ctrl+C work at once.
    texto_->setFocus();
}

}  // namespace pendra
