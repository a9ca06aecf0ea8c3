// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace platform {

namespace {

constexpr char kGraphicProperty[] = "platformAccessibleGraphic";

QAccessibleInterface* graphicFor(const QString& /*className*/, QObject* object) {
    if (object != nullptr && object->isWidgetType() &&
        object->property(kGraphicProperty).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void presentAsGraphic(QWidget* widget) {
    static const bool installed = [] {
        QAccessible::installFactory(graphicFor);
        return true;
    }();
    static_cast<void>(installed);
    widget->setProperty(kGraphicProperty, true);
}

}  // namespace platform
