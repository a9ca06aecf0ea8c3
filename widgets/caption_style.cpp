// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/caption_style.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>

namespace widgets {

void CaptionStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                const QPalette& palette, bool enabled, const QString& text,
                                QPalette::ColorRole textRole) const {
    const qreal density = painter->paintEngine()->paintDevice()->devicePixelRatioF();
    if (density == 1.0 || !painter->font().bold()) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    painter->save();
    QFont font = painter->font();
    font.setPointSizeF(font.pointSizeF() * density);
    painter->setFont(font);
    painter->scale(1 / density, 1 / density);
    const QRect devicePixels(QPointF(rect.topLeft() * density).toPoint(),
                             QSizeF(rect.size() * density).toSize());
    QProxyStyle::drawItemText(painter, devicePixels, flags, palette, enabled, text, textRole);
    painter->restore();
}

QStyle* captionStyle() {
    static QStyle* const style = [] {
        auto* created = new CaptionStyle;
        created->setParent(qApp);
        return created;
    }();
    return style;
}

}  // namespace widgets
