// SPDX-License-Identifier: GPL-3.0-or-later
// Starts like the program does, then ends as soon as the first window has been painted:
// `startup_probe pellorin` shows the experiment window, `startup_probe blank` a blank Qt
// window of the same size, the floor no Qt program can go below, and `startup_probe text`
// that window with one line of text, which makes Qt load its font database as well.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstring>

#include "experiment_window.h"

namespace {

// Ends the process once the watched window's first paint has been done.
class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool known =
        argc == 2 && (std::strcmp(argv[1], "pellorin") == 0 || std::strcmp(argv[1], "blank") == 0 ||
                      std::strcmp(argv[1], "text") == 0);
    if (!known) {
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaint firstPaint;
    std::unique_ptr<QWidget> window;
    if (std::strcmp(argv[1], "pellorin") == 0) {
        window = std::make_unique<ExperimentWindow>();
    } else {
        window = std::make_unique<QWidget>();
        window->setGeometry(257, 124, 521, 480);
        if (std::strcmp(argv[1], "text") == 0) {
            new QLabel(QStringLiteral("Pellorin"), window.get());
        }
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}
