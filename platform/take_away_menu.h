// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace platform {

// A window's context menu for taking results away. Each entry has its standard shortcut,
// which works on the window without the menu. While the window's numbers are changing the
// entries are shown disabled; they come back when the menu closes.
class TakeAwayMenu final : public QMenu {
    Q_OBJECT
public:
    explicit TakeAwayMenu(QWidget* window);

    template <typename Window>
    void addEntry(const QString& text, QKeySequence::StandardKey keys, Window* window,
                  void (Window::*handler)()) {
        QAction* action = addAction(text, window, handler);
        action->setShortcut(keys);
        window->addAction(action);
    }

    void popupAt(const QPoint& globalPosition, bool available);

    // What a tooltip says of the menu: how to open it, and each entry with its shortcut.
    [[nodiscard]] QString hint() const;
};

}  // namespace platform
