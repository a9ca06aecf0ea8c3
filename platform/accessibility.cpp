#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace platform {

namespace {

QAccessibleInterface* graphicFor(const QString& className, QObject* object) {
    const bool graphic = className == QLatin1String("FacePicture") ||
                         className == QLatin1String("platform::PictureBox");
    if (graphic && object != nullptr && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void installAccessibleGraphics() {
    static const bool installed = [] {
        QAccessible::installFactory(graphicFor);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace platform
