// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/control_factory.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "main_window/die_view.h"
#include "main_window/framed_label.h"
#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/keyboard.h"
#include "platform/window_geometry.h"
#include "widgets/caption_style.h"
#include "widgets/rule.h"

namespace main_window {

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

QString captionOf(const Control& control) {
    return QCoreApplication::translate("ExperimentWindow", control.caption.c_str());
}

// A text of the table in the user's language, with the control's numbers for %1 and %2.
QString filledIn(const char* text, const Control& control) {
    QString filled = QCoreApplication::translate("ExperimentWindow", text);
    for (const int number : {control.large > 0 ? control.large : control.header, control.small}) {
        filled = number > 0 ? filled.arg(number) : filled;
    }
    return filled;
}

// The control with its id, at its place.
template <typename Widget>
Widget* positioned(Widget* widget, const Control& control) {
    widget->setObjectName(QString::fromStdString(control.id));
    const Twips& place = control.place;
    widget->setGeometry(platform::twipsRect(place.left, place.top, place.width, place.height));
    return widget;
}

// The control with its id, at its place, read by a screen reader as the table says.
template <typename Widget>
Widget* placed(Widget* widget, const Control& control) {
    // Said before any other accessibility property, so that the screen reader's view of the
    // control is the spoken one from the start.
    if (auto* label = qobject_cast<QLabel*>(widget);
        label != nullptr && (control.large > 0 || control.value != Value::None)) {
        platform::speakLabelAs(label, filledIn(control.spoken, control));
    } else if (*control.spoken != '\0') {
        widget->setAccessibleName(filledIn(control.spoken, control));
    }
    if (*control.description != '\0') {
        widget->setAccessibleDescription(filledIn(control.description, control));
    }
    return positioned(widget, control);
}

}  // namespace

QPushButton* createButton(QWidget* window, const Control& control) {
    auto* button = new QPushButton(captionOf(control), window);
    button->setFont(platform::designFont(control.points, control.bold));
    button->setStyle(widgets::captionStyle());
    button->setFocusPolicy(Qt::TabFocus);
    platform::clickOnEnter(button);
    return placed(button, control);
}

QLabel* createLabel(QWidget* window, const Control& control) {
    auto* label = new FramedLabel(control.border, window);
    label->setText(captionOf(control));
    label->setFont(platform::designFont(control.points, control.bold));
    label->setStyle(widgets::captionStyle());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    const QPalette& desktop = window->palette();
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, colourOf(control.back, desktop));
    colours.setColor(QPalette::WindowText, colourOf(control.ink, desktop));
    label->setPalette(colours);
    return placed(label, control);
}

DieView* createDie(QWidget* window, const Control& control) {
    return positioned(
        new DieView(QCoreApplication::translate("ExperimentWindow", control.description), window),
        control);
}

QWidget* createRule(QWidget* window, const Control& control) {
    QWidget* rule = placed(widgets::addRule(window, {}, {}), control);
    rule->lower();
    return rule;
}

void setUpTimer(QTimer* timer, const Control& control) {
    timer->setObjectName(QString::fromStdString(control.id));
    timer->setInterval(control.interval);
}

ResultWords resultWords() {
    ResultWords words{{}, QStringList(experiment_core::kFaces), QStringList(3)};
    for (const Control& control : experimentWindowControls()) {
        if (control.header > 0) {
            words.faces[control.header - 1] = captionOf(control);
        } else if (control.table && control.large == 0) {
            words.corner = captionOf(control);
        } else if (control.value != Value::None) {
            words.summary[static_cast<int>(control.value) - 1] =
                QCoreApplication::translate("ExperimentWindow", control.description);
        }
    }
    return words;
}

}  // namespace main_window
