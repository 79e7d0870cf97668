// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for pendra's start-up: the least a Qt program with six input
// fields does before its window is shown. Built with the same flags as pendra.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    QDialog dialogo;
    auto* disposicion = new QVBoxLayout(&dialogo);
    for (int i = 0; i < 6; ++i) {
        disposicion->addWidget(new QLineEdit(&dialogo));
    }
    dialogo.show();
    return QApplication::exec();
}
