// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTextStream>

#include "class_window/class_command.h"
#include "main_window/experiment_window.h"
#include "platform/command_line.h"
#include "platform/language.h"

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("pellorin"));
    QApplication::setApplicationVersion(QStringLiteral(PELLORIN_VERSION));
    // The desktop entry the windows belong to, so that docks show its name and icon.
    QApplication::setDesktopFileName(QStringLiteral("net.pellorin.Pellorin"));
    platform::answerWithoutWindow(argc, argv);
    platform::workWithoutDisplayForPages(argc, argv);
    QApplication app(argc, argv);
    const platform::Translation translation(QLocale::system());
    const platform::ClassRequest request = platform::readCommandLine(app);
    if (!request.page.isEmpty()) {
        QTextStream errors(stderr);
        return writeClassPage(request.files, request.page, errors);
    }
    if (request.classView) {
        return showClassView(request.files);
    }
    // The program ends only through "Exit" (or the experiment window's frame), never
    // because the experiment window was hidden for the graph.
    QApplication::setQuitOnLastWindowClosed(false);
    ExperimentWindow window;
    window.show();
    return QApplication::exec();
}
