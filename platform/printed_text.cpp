// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printed_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

constexpr char kLinesProperty[] = "platformPrintedLines";
constexpr char kFontProperty[] = "platformPrintedFont";
constexpr char kCaretProperty[] = "platformPrintedCaret";

// Offsets count the lines' characters with one line end between two lines.
int offsetOf(const QStringList& lines, int line, int column) {
    int offset = 0;
    for (int i = 0; i < line; ++i) {
        offset += static_cast<int>(lines.at(i).size()) + 1;
    }
    return offset + column;
}

// The line and column of an offset.
std::pair<int, int> placeOf(const QStringList& lines, int offset) {
    int line = 0;
    while (line + 1 < lines.size() && offset > lines.at(line).size()) {
        offset -= static_cast<int>(lines.at(line).size()) + 1;
        ++line;
    }
    return {line, offset};
}

// Printed lines as read-only text.
class PrintedText final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    // A text field, read-only: a screen reader reads it at the caret, not all at once.
    explicit PrintedText(QWidget* widget) : QAccessibleWidget(widget, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return all().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(all().size()); }

    // A character's rectangle reaches to where the next one begins, so that the rectangles of a
    // line tile it as offsetAtPoint reads it; a line's end (and the text's) is one pixel wide.
    QRect characterRect(int offset) const override {
        if (offset < 0 || offset > characterCount()) {
            return {};
        }
        const auto [line, column] = placeOf(lines(), offset);
        const QString text = lines().value(line);
        const QFontMetrics metrics(font());
        const int left = metrics.horizontalAdvance(text.left(column));
        const int width =
            column < text.size() ? metrics.horizontalAdvance(text.left(column + 1)) - left : 1;
        const QPoint topLeft = origin() + QPoint(left, line * metrics.height());
        return {widget()->mapToGlobal(topLeft), QSize(width, metrics.height())};
    }

    int offsetAtPoint(const QPoint& point) const override {
        const QFontMetrics metrics(font());
        const QPoint local = widget()->mapFromGlobal(point) - origin();
        const QStringList all = lines();
        const int line = local.y() / metrics.height();
        if (local.x() < 0 || local.y() < 0 || line >= all.size()) {
            return -1;
        }
        for (int column = 0; column < all.at(line).size(); ++column) {
            if (metrics.horizontalAdvance(all.at(line).left(column + 1)) > local.x()) {
                return offsetOf(all, line, column);
            }
        }
        return -1;
    }

    int cursorPosition() const override { return widget()->property(kCaretProperty).toInt(); }
    void setCursorPosition(int position) override {
        widget()->setProperty(kCaretProperty, std::clamp(position, 0, characterCount()));
        QAccessibleTextCursorEvent moved(widget(), cursorPosition());
        QAccessible::updateAccessibility(&moved);
    }

    // Nothing can be selected, and all of the text is always in view.
    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
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
};

// The caret's moves, as in a read-only text field; Up and Down keep the column where the line
// is long enough.
class CaretKeys final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(watched)->textInterface();
        const int moved =
            caretAfter(*static_cast<QKeyEvent*>(event),
                       watched->property(kLinesProperty).toStringList(), text->cursorPosition());
        if (moved < 0) {
            return QObject::eventFilter(watched, event);
        }
        text->setCursorPosition(moved);
        return true;
    }

private:
    // Where the key moves the caret, or -1 for a key that does not move it.
    static int caretAfter(const QKeyEvent& key, const QStringList& lines, int caret) {
        const auto [line, column] = placeOf(lines, caret);
        const auto lineEnd = [&lines](int at) { return static_cast<int>(lines.at(at).size()); };
        const bool wholeText = key.modifiers().testFlag(Qt::ControlModifier);
        const int last = static_cast<int>(lines.size()) - 1;
        switch (key.key()) {
            case Qt::Key_Left:
                return std::max(caret - 1, 0);
            case Qt::Key_Right:
                return caret + 1;
            case Qt::Key_Up:
            case Qt::Key_Down: {
                const int to = std::clamp(line + (key.key() == Qt::Key_Up ? -1 : 1), 0, last);
                return offsetOf(lines, to, std::min(column, lineEnd(to)));
            }
            case Qt::Key_Home:
                return wholeText ? 0 : offsetOf(lines, line, 0);
            case Qt::Key_End:
                return offsetOf(lines, wholeText ? last : line, lineEnd(wholeText ? last : line));
            default:
                return -1;
        }
    }
};

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object) {
    return object != nullptr && object->isWidgetType() && object->property(kLinesProperty).isValid()
               ? new PrintedText(static_cast<QWidget*>(object))
               : nullptr;
}

}  // namespace

void presentAsPrintedText(QWidget* widget, const QStringList& lines, const QFont& font) {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    static_cast<void>(installed);
    if (!widget->property(kLinesProperty).isValid()) {
        widget->installEventFilter(new CaretKeys(widget));
    }
    widget->setProperty(kLinesProperty, lines);
    widget->setProperty(kFontProperty, font);
    widget->setProperty(kCaretProperty, 0);
}

}  // namespace platform
