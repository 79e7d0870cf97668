#pragma once

class QWidget;

namespace pendra {

// Where a new result window opens, before it is first shown. While the
// window opened before it is still open, a step down and to the right of
// that one, so that the first triangle of the ambiguous case is not hidden
// exactly under the second. With none open, beside `entrada`, the input
// window, where there is room; else the dialog's own placement centres it.
void ColocarVentanaNueva(QWidget& ventana, const QWidget* entrada);

}  // namespace pendra
