// SPDX-License-Identifier: GPL-3.0-or-later
// The baselines of the start-up benchmark: a Qt Widgets program that shows a blank window of
// the experiment window's size and place, and with `label` the same window with one label in
// the design face. They link Qt Widgets and nothing else.
#include <QApplication>
#include <QLabel>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setGeometry(257, 124, 521, 480);
    if (argc > 1 && std::strcmp(argv[1], "label") == 0) {
        auto* label = new QLabel(QStringLiteral("Pellorin"), &window);
        QFont font;
        font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
        font.setPointSizeF(15.75);
        font.setBold(true);
        label->setFont(font);
        label->setGeometry(80, 0, 305, 25);
    }
    window.show();
    return QApplication::exec();
}
