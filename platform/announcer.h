// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {

// Says a short text to the user's screen reader through the accessibility layer: the screen
// reader speaks it in the user's own voice and rate, after what it is saying, and can show it
// on a braille display. Nothing is drawn and the keyboard focus stays where it is.
class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void announce(QWidget* window, const QString& text) = 0;
};

// Texts for a window that is not the active one wait until it is (a second at most): right
// after a dialog the window manager gives the window back its focus a moment later, and the
// screen reader's speech for the window and its focus would cut a text said before short.
class AccessibleAnnouncer final : public Announcer {
public:
    void announce(QWidget* window, const QString& text) override;
};

}  // namespace platform
