// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

#include "procedimiento.h"

class QTextBrowser;
class QTextDocument;

namespace pendra {

// The working of one result window's triangle, laid out as on a blackboard:
// the case, then each step a paragraph with its formula and its numbers. A
// modeless dialog over that window, closed with it or with Escape; the text
// selects and copies (Ctrl+A, Ctrl+C) as HTML and as plain text.
class frmProcedimiento : public QDialog {
    Q_OBJECT

public:
    frmProcedimiento(const Procedimiento& procedimiento, QWidget* parent);

    QTextBrowser* texto() const { return texto_; }

private:
    QTextBrowser* texto_ = nullptr;
};

// The working as HTML: real subscripts and superscripts, one step a paragraph.
QString HtmlProcedimiento(const Procedimiento& procedimiento);

// The selected part of `documento` as plain text, its subscripts and
// superscripts written with the Unicode digits for them (L₁², not L12).
QString TextoPlano(const QTextDocument& documento, int desde, int hasta);

}  // namespace pendra
