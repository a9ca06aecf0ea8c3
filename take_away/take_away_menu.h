// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "take_away/take_away.h"

namespace take_away {

// A window's context menu for taking results away, opened by a right click, the Menu key or
// Shift+F10. Each entry's shortcut works on the window without the menu; an entry that is
// not enabled does nothing, by the menu or by its shortcut.
class TakeAwayMenu final : public QMenu {
    Q_OBJECT
public:
    explicit TakeAwayMenu(QWidget* window);

    template <typename Receiver, typename Handler>
    QAction* addEntry(const QString& text, const QKeySequence& keys, Receiver* receiver,
                      Handler handler) {
        QAction* action = addAction(text, receiver, handler);
        action->setShortcut(keys);
        window_->addAction(action);
        return action;
    }

    // "Print..." and "Save page as PDF..." of the document as it is when chosen, the same in
    // every window; the PDF's file name is suggested.
    void addPageEntries(const TakeAway& takeAway, const QString& suggestedName,
                        const std::function<Document()>& document);

    // Enables or disables every entry at once.
    void setAvailable(bool available);

    // What a tooltip says of the menu: how to open it, and each entry with its shortcut.
    [[nodiscard]] QString hint() const;

private:
    QWidget* window_;
};

}  // namespace take_away
