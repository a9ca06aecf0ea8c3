// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away/take_away_menu.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QShortcut>

namespace take_away {

TakeAwayMenu::TakeAwayMenu(QWidget* window) : QMenu(window), window_(window) {
    // Shift+F10 opens the menu as the Menu key does, where the keyboard focus is.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window);
    connect(menuKey, &QShortcut::activated, this, [window] {
        QWidget* at = window->focusWidget() != nullptr ? window->focusWidget() : window;
        const QPoint centre = at->rect().center();
        QContextMenuEvent opening(QContextMenuEvent::Keyboard, centre, at->mapToGlobal(centre));
        QCoreApplication::sendEvent(at, &opening);
    });
}

void TakeAwayMenu::addPageEntries(const TakeAway& takeAway, const QString& suggestedName,
                                  const std::function<Document()>& document) {
    addEntry(tr("Print..."), QKeySequence::Print, this,
             [this, takeAway, document] { printDocument(takeAway, window_, document()); });
    addEntry(tr("Save page as PDF..."), {}, this, [this, takeAway, suggestedName, document] {
        saveDocumentPdf(takeAway, window_, suggestedName, document());
    });
}

void TakeAwayMenu::setAvailable(bool available) {
    for (QAction* entry : actions()) {
        entry->setEnabled(available);
    }
}

QString TakeAwayMenu::hint() const {
    QString text = tr("Right-click, or press Shift+F10:");
    for (const QAction* entry : actions()) {
        const QString keys = entry->shortcut().toString(QKeySequence::NativeText);
        text += QStringLiteral("\n") + entry->text() +
                (keys.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + keys);
    }
    return text;
}

}  // namespace take_away
