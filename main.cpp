// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "experiment_window.h"
#include "language.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const platform::Translation translation(QLocale::system());
    // The program ends only through "Exit" (or the experiment window's frame), never
    // because the experiment window was hidden for the graph.
    QApplication::setQuitOnLastWindowClosed(false);
    ExperimentWindow window;
    window.show();
    return QApplication::exec();
}
