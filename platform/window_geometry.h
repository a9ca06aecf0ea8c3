// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace platform {

// Layouts are designed in twips; 15 twips make one logical pixel.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// A top-level window with a fixed client area at its designed place, which cannot be
// maximized. Where the place does not lie on the screen (a small screen, or a large desktop
// scale), the window moves just enough to lie on the screen's available area, with the window
// manager's frame once it is known (when the window is first activated after it shows).
void setFixedClientArea(QWidget* window, const QRect& clientArea);

// `place` moved just enough to lie inside `available`; at its top-left corner where it is
// larger.
QRect onScreen(const QRect& place, const QRect& available);

// Shows a window modeless and makes it the active one. A window that `opener` opens comes up
// on the opener's screen, at its designed place there, where it would be on another.
void showModeless(QWidget* window, const QWidget* opener = nullptr);

}  // namespace platform
