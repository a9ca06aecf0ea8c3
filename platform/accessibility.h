// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QFont;
class QWidget;

namespace platform {

// The widget reads as a graphic to a screen reader (a picture or a canvas), with its
// accessible name and description.
void presentAsGraphic(QWidget* widget);

// The widget reads as the lines printed on it with `font` from its inner top-left corner: a
// screen reader can move through them by line, word and character, and find where each
// character stands.
void presentAsPrintedText(QWidget* widget, const QStringList& lines, const QFont& font);

}  // namespace platform
