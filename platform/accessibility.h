// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QFont;
class QLabel;
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

class AccessibleAnnouncer final : public Announcer {
public:
    void announce(QWidget* window, const QString& text) override;
};

// The label reads as `spoken` with its text for %1, formed whenever a screen reader asks.
void speakLabelAs(QLabel* label, const QString& spoken);
// Shows a new text on such a label; only a text that changed tells the screen reader so.
void showOnSpokenLabel(QLabel* label, const QString& text);

// The widget reads by this name and description, which change without an event.
void setSpokenText(QWidget* widget, const QString& name, const QString& description);
// Tells the screen reader that such a widget's description has changed.
void tellSpokenTextChanged(QWidget* widget);

// The widget reads as a graphic to a screen reader (a picture or a canvas), with its
// accessible name and description.
void presentAsGraphic(QWidget* widget);

// The widget reads as the lines printed on it with `font` from its inner top-left corner: a
// screen reader can move through them by line, word and character, and find where each
// character stands.
void presentAsPrintedText(QWidget* widget, const QStringList& lines, const QFont& font);

}  // namespace platform
