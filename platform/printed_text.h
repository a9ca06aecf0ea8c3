// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QFont;
class QWidget;

namespace platform {

// The widget reads as the lines printed on it with `font` from its inner top-left corner, a
// read-only text with a caret: the arrow keys, Home and End (with Ctrl, of the whole text) move
// the caret, and a screen reader reads the line, word or character it comes to and can find
// where each character stands.
void presentAsPrintedText(QWidget* widget, const QStringList& lines, const QFont& font);

}  // namespace platform
