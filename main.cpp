#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program ends only through "Exit" (or the experiment window's frame), never
    // because the experiment window was hidden for the graph.
    QApplication::setQuitOnLastWindowClosed(false);
    Form1 form;
    form.show();
    return QApplication::exec();
}
