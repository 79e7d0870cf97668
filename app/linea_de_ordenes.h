// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace pendra {

// Before the QApplication exists: answers --help and --version on standard
// output, which needs no display, and holds back Qt's start-up messages, so
// that a display that cannot be opened ends the program with one Spanish
// line and status 1 instead of an abort. A value is the status to end with.
std::optional<int> AntesDeLaPantalla(int argc, char* argv[]);

// Once the QApplication exists: passes on the messages held back, and
// rejects any argument Qt did not take as its own (-platform, -style...).
std::optional<int> ConLaPantalla();

}  // namespace pendra
