// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QString>

class QPaintDevice;

namespace platform {

// The proportional Japanese Gothic face the windows are designed in.
QString designFamily();

// The design face at a size in points. Where the face is not installed, a metric-compatible
// proportional Japanese face stands in for it, never a monospaced one.
QFont designFont(qreal pointSize, bool bold = false);

// Menus, menu bars and tooltips draw in the design face at the desktop's size, beside windows
// drawn in it.
void drawMenusAndTipsInDesignFace();

// A text and the width it must fit in, in logical pixels.
struct FittedText {
    QString text;
    qreal width;
};

// `font`, made smaller in steps of a quarter point where needed, so that every text fits its
// width when drawn on `device` (the screen when null). Texts that a window prints are never
// cut at its edge, whatever the language and the face that stands in for the design's.
QFont fittingFont(QFont font, const QList<FittedText>& texts, const QPaintDevice* device = nullptr);

}  // namespace platform
