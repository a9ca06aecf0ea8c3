// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace platform {

namespace {

constexpr char kGraphicProperty[] = "platformAccessibleGraphic";
constexpr char kSpokenLabelProperty[] = "platformSpokenLabel";
constexpr char kNameProperty[] = "platformSpokenName";
constexpr char kDescriptionProperty[] = "platformSpokenDescription";
constexpr char kAnnouncementProperty[] = "platformAnnouncement";

// A widget whose name and description a screen reader reads from the widget's properties, or
// for a label from its spoken form and its text, whenever it asks.
class SpokenWidget final : public QAccessibleWidget {
public:
    SpokenWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text which) const override {
        if (const auto* label = qobject_cast<const QLabel*>(widget());
            which == QAccessible::Name && label != nullptr &&
            widget()->property(kSpokenLabelProperty).toBool()) {
            return label->accessibleName().arg(label->text());
        }
        const char* property = which == QAccessible::Name          ? kNameProperty
                               : which == QAccessible::Description ? kDescriptionProperty
                                                                   : nullptr;
        const QVariant spoken = property != nullptr ? widget()->property(property) : QVariant();
        return spoken.isValid() ? spoken.toString() : QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (object->property(kAnnouncementProperty).toBool()) {
        return new SpokenWidget(widget, QAccessible::Notification);
    }
    if (object->property(kGraphicProperty).toBool()) {
        return new SpokenWidget(widget, QAccessible::Graphic);
    }
    if (object->property(kSpokenLabelProperty).toBool()) {
        return new SpokenWidget(widget, QAccessible::StaticText);
    }
    return nullptr;
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace

void speakLabelAs(QLabel* label, const QString& spoken) {
    installFactory();
    label->setProperty(kSpokenLabelProperty, true);
    label->setAccessibleName(spoken);
}

void showOnSpokenLabel(QLabel* label, const QString& text) {
    if (label->text() == text) {
        return;
    }
    label->setText(text);
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void setSpokenText(QWidget* widget, const QString& name, const QString& description) {
    widget->setProperty(kNameProperty, name);
    widget->setProperty(kDescriptionProperty, description);
}

void tellSpokenTextChanged(QWidget* widget) {
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void presentAsGraphic(QWidget* widget) {
    installFactory();
    widget->setProperty(kGraphicProperty, true);
}

void presentAsNotification(QWidget* widget) {
    installFactory();
    widget->setProperty(kAnnouncementProperty, true);
}

}  // namespace platform
