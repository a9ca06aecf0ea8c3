// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_factory.h"

#include <QCoreApplication>
#include <QPushButton>

#include "caption_style.h"
#include "die_face_view.h"
#include "face_pictures.h"
#include "fonts.h"
#include "framed_label.h"
#include "keyboard.h"
#include "secondary_window.h"
#include "window_geometry.h"

namespace controls {

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

template <typename Widget>
Widget* placed(Widget* widget, const Control& control) {
    widget->setObjectName(QString::fromStdString(control.id));
    widget->setAccessibleDescription(QString::fromStdString(control.description));
    if (!control.spoken.empty()) {
        const QString name =
            QCoreApplication::translate("ExperimentWindow", control.spoken.c_str());
        widget->setAccessibleName(control.spokenNumber > 0 ? name.arg(control.spokenNumber) : name);
    }
    const Twips& place = control.place;
    widget->setGeometry(platform::twipsRect(place.left, place.top, place.width, place.height));
    return widget;
}

}  // namespace

QPushButton* createButton(QWidget* window, const Control& control) {
    auto* button = new QPushButton(captionOf(control), window);
    button->setFont(platform::designFont(control.points, control.bold));
    button->setStyle(platform::captionStyle());
    button->setFocusPolicy(Qt::TabFocus);
    platform::clickOnEnter(button);
    return placed(button, control);
}

QLabel* createLabel(QWidget* window, const Control& control) {
    auto* label = new FramedLabel(control.border, window);
    label->setText(captionOf(control));
    label->setFont(platform::designFont(control.points, control.bold));
    label->setStyle(platform::captionStyle());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    const QPalette& desktop = window->palette();
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, colourOf(control.back, desktop));
    colours.setColor(QPalette::WindowText, colourOf(control.ink, desktop));
    label->setPalette(colours);
    return placed(label, control);
}

DieFaceView* createDieFace(QWidget* window, const Control& control) {
    return placed(new DieFaceView(assets::facePicture(control.face), window), control);
}

QWidget* createSoundControlPlaceholder(QWidget* window, const Control& control) {
    auto* hidden = new QWidget(window);
    hidden->setHidden(true);
    return placed(hidden, control);
}

QWidget* createRule(QWidget* window, const Control& control) {
    QWidget* rule = placed(platform::addRule(window, {}, {}), control);
    rule->lower();
    return rule;
}

}  // namespace controls
