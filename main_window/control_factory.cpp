#include "control_factory.h"

#include <QPushButton>
#include <QTimer>

#include "face_picture.h"
#include "face_pictures.h"
#include "fonts.h"
#include "framed_label.h"
#include "keyboard.h"
#include "secondary_window.h"
#include "windows.h"

namespace form1 {

namespace {

QColor colourOf(Colour colour, const QPalette& desktop) {
    switch (colour) {
        case Colour::ButtonFace:
            return desktop.color(QPalette::Button);
        case Colour::ButtonText:
            return desktop.color(QPalette::ButtonText);
        case Colour::WindowText:
            return desktop.color(QPalette::WindowText);
        case Colour::White:
            return {255, 255, 255};
        case Colour::LightCyan:
            return {192, 255, 255};
        case Colour::Black:
            return {0, 0, 0};
        case Colour::Blue:
            return {0, 0, 255};
    }
    return {};
}

QWidget* createWidget(QWidget* window, const Control& control) {
    const QPalette& desktop = window->palette();
    switch (control.kind) {
        case Kind::Button: {
            auto* button = new QPushButton(QString::fromUtf8(control.caption), window);
            button->setFont(platform::designFont(control.points, control.bold));
            button->setFocusPolicy(Qt::TabFocus);
            platform::clickOnEnter(button);
            return button;
        }
        case Kind::Label: {
            auto* label = new FramedLabel(control.border, window);
            label->setText(QString::fromUtf8(control.caption));
            label->setFont(platform::designFont(control.points, control.bold));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setAutoFillBackground(true);
            QPalette colours = label->palette();
            colours.setColor(QPalette::Window, colourOf(control.back, desktop));
            colours.setColor(QPalette::WindowText, colourOf(control.ink, desktop));
            label->setPalette(colours);
            return label;
        }
        case Kind::Image:
            return new FacePicture(assets::facePicture(control.value), window);
        case Kind::SoundControl: {
            auto* hidden = new QWidget(window);
            hidden->setHidden(true);
            return hidden;
        }
        case Kind::Line:
            return platform::addRule(window, QString::fromUtf8(control.name), QRect());
        case Kind::Timer:
            break;
    }
    return nullptr;
}

}  // namespace

void buildControls(QWidget* window, const std::vector<Control>& table) {
    for (const Control& control : table) {
        if (control.kind == Kind::Timer) {
            auto* timer = window->findChild<QTimer*>(QString::fromUtf8(control.name));
            timer->setTimerType(Qt::PreciseTimer);
            timer->setInterval(control.value);
            continue;
        }
        QWidget* widget = createWidget(window, control);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setAccessibleDescription(QString::fromStdString(control.description));
        widget->setGeometry(
            platform::twipsRect(control.left, control.top, control.width, control.height));
        if (control.kind == Kind::Line) {
            // The rule lies under the buttons of the top row.
            widget->lower();
        }
    }
}

}  // namespace form1
