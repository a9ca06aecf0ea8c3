// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QFrame>
#include <QWidget>

namespace platform {

namespace {

constexpr char kGraphicProperty[] = "platformAccessibleGraphic";
constexpr char kLinesProperty[] = "platformPrintedLines";
constexpr char kFontProperty[] = "platformPrintedFont";

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

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (object->property(kLinesProperty).isValid()) {
        return new PrintedText(widget);
    }
    if (object->property(kGraphicProperty).toBool()) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
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
