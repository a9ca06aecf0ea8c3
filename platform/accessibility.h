// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace platform {

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
// The widget reads as a notification, by its spoken name, which a screen reader says when the
// widget shows.
void presentAsNotification(QWidget* widget);

}  // namespace platform
