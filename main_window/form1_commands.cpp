#include <QCloseEvent>

#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "windows.h"

void Form1::PlayChime(const QString& fileName) {
    services_.sound->stop();
    services_.sound->close();
    services_.sound->setFileName(fileName);
    services_.sound->open();
    services_.sound->sound();
}

void Form1::Command5_Click() {
    PlayChime(QStringLiteral("pinpon.wav"));
    ResetTally();
}

void Form1::Command7_Click() {
    PlayChime(QStringLiteral("pinpon.wav"));
    if (!help_) {
        help_ = std::make_unique<Form4>(activation_);
        connect(help_.get(), &Form4::closed, this, [this] { platform::showModeless(this); });
    }
    platform::showModeless(help_.get());
}

void Form1::Command6_Click() {
    hide();
    if (graph_ == nullptr) {
        graph_ = new Form2(module1_, activation_);
        connect(graph_, &Form2::closed, this, [this] {
            // The closed window deletes itself; a "Graph display" right after it must
            // create a new one.
            graph_ = nullptr;
            platform::showModeless(this);
        });
    }
    platform::showModeless(graph_);
}

void Form1::Command4_Click() {
    PlayChime(QStringLiteral("endpinpon.wav"));
    services_.notice->inform(this, QStringLiteral("Pellorin"),
                             QStringLiteral("This software will exit."));
    Timer1.stop();
    Timer2.stop();
    Timer3.stop();
    services_.endProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    Command4_Click();
}
