// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace platform {

namespace {

constexpr char kGraphicProperty[] = "platformAccessibleGraphic";
constexpr char kLinesProperty[] = "platformPrintedLines";
constexpr char kFontProperty[] = "platformPrintedFont";
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

// Printed lines as read-only text; offsets count the lines' characters with one line end
// between two lines.
class PrintedText final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PrintedText(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return all().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(all().size()); }

    QRect characterRect(int offset) const override {
        const auto [line, column] = place(offset);
        const QString text = lines().value(line);
        const QFontMetrics metrics(font());
        const QPoint topLeft = origin() + QPoint(metrics.horizontalAdvance(text.left(column)),
                                                 line * metrics.height());
        const int width = column < text.size() ? metrics.horizontalAdvance(text.at(column)) : 1;
        return {widget()->mapToGlobal(topLeft), QSize(width, metrics.height())};
    }

    int offsetAtPoint(const QPoint& point) const override {
        const QFontMetrics metrics(font());
        const QPoint local = widget()->mapFromGlobal(point) - origin();
        const QStringList all = lines();
        const int line = local.y() / metrics.height();
        if (local.y() < 0 || line >= all.size()) {
            return -1;
        }
        int offset = 0;
        for (int i = 0; i < line; ++i) {
            offset += static_cast<int>(all.at(i).size()) + 1;
        }
        for (int column = 0; column < all.at(line).size(); ++column) {
            if (metrics.horizontalAdvance(all.at(line).left(column + 1)) > local.x()) {
                return offset + column;
            }
        }
        return -1;
    }

    // Nothing can be selected, and there is no cursor.
    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QStringList lines() const { return widget()->property(kLinesProperty).toStringList(); }
    QString all() const { return lines().join(QLatin1Char('\n')); }
    QFont font() const { return widget()->property(kFontProperty).value<QFont>(); }
    QPoint origin() const {
        const auto* frame = qobject_cast<const QFrame*>(widget());
        return frame != nullptr ? frame->contentsRect().topLeft() : QPoint();
    }
    // The line and column of an offset.
    std::pair<int, int> place(int offset) const {
        const QStringList all = lines();
        int line = 0;
        while (line + 1 < all.size() && offset > all.at(line).size()) {
            offset -= static_cast<int>(all.at(line).size()) + 1;
            ++line;
        }
        return {line, offset};
    }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The notification that tells a result. When its window hides, it stays hidden when the
// window comes back: a screen reader would otherwise tell the last result again.
class Notification final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void hideEvent(QHideEvent* event) override {
        QWidget::hideEvent(event);
        if (!isHidden()) {  // hidden with its window, not by itself
            hide();
        }
    }
};
#endif

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (object->property(kLinesProperty).isValid()) {
        return new PrintedText(widget);
    }
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

void AccessibleAnnouncer::announce(QWidget* window, const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#else
    // Before Qt 6.8 there is no announcement: a notification that shows afresh with the text
    // as its name is spoken by the screen reader. It is one pixel, draws nothing, and lies
    // under the window's first control.
    installFactory();
    auto* notification = window->findChild<QWidget*>(QString::fromLatin1(kAnnouncementProperty));
    if (notification == nullptr) {
        notification = new Notification(window);
        notification->setObjectName(QString::fromLatin1(kAnnouncementProperty));
        notification->setProperty(kAnnouncementProperty, true);
        notification->setAttribute(Qt::WA_TransparentForMouseEvents);
        notification->setGeometry(0, 0, 1, 1);
        notification->lower();
    }
    notification->hide();
    notification->setProperty(kNameProperty, text);
    notification->show();
#endif
}

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

void presentAsPrintedText(QWidget* widget, const QStringList& lines, const QFont& font) {
    installFactory();
    widget->setProperty(kLinesProperty, lines);
    widget->setProperty(kFontProperty, font);
}

}  // namespace platform
