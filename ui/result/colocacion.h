// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace pendra {

// Where a new result window opens, before it is first shown, so that the
// windows of one request can be read side by side:
// - the first of a request with no result window open: beside `entrada`, the
//   input window, where the screen has room; else the dialog's own placement
//   centres it;
// - the second of a request (`numero` 2): beside the first, to its right or
//   else below it, where that covers neither the input window nor any other;
// - any other window, or where those places are taken: beside the input
//   window if that is free, else the first place, from the top of the screen
//   down and from the left, that covers no open window of the program; and
//   only where there is none, a step down and to the right of the last one.
void ColocarVentanaNueva(QWidget& ventana, const QWidget* entrada, int numero);

}  // namespace pendra
