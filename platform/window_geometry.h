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

// The notice of authorship and date that follows a window's title in its caption.
inline constexpr char kAuthorshipNotice[] = "(C) 2022 The Pellorin developers";

// A top-level window with a fixed client area at a fixed place, which cannot be maximized.
void setFixedClientArea(QWidget* window, const QRect& clientArea);

// Shows a window modeless and makes it the active one.
void showModeless(QWidget* window);

}  // namespace platform
