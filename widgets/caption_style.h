// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace widgets {

// The style of the windows' captions. The face that stands in for the design's has no bold
// member, and the font engine emboldens its glyphs by an amount that does not grow with the
// screen's pixel density: on a screen of 1.5 or 2 device pixels a logical pixel, bold captions
// came out nearly regular. This style draws bold captions at device pixels, where the
// emboldening keeps the weight the captions have at 96 dpi.
class CaptionStyle final : public QProxyStyle {
    Q_OBJECT
public:
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

// The one caption style of the program, owned by the application.
QStyle* captionStyle();

}  // namespace widgets
