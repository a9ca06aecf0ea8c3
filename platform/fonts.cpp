// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QStringList>
#include <QToolTip>
#include <algorithm>

namespace platform {

namespace {

void installSubstitutes() {
    // Without these, fontconfig picks the monospaced IPA Gothic or a Latin face, and the
    // captions no longer fit the layout.
    static const bool installed = [] {
        QFont::insertSubstitutions(
            designFamily(),
            {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
             QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"),
             QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Source Han Sans JP")});
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace

QString designFamily() {
    return QStringLiteral("ＭＳ Ｐゴシック");
}

QFont designFont(qreal pointSize, bool bold) {
    installSubstitutes();
    QFont font(designFamily());
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void drawMenusAndTipsInDesignFace() {
    const QFont face = designFont(QApplication::font().pointSizeF());
    for (const char* kind : {"QMenu", "QMenuBar"}) {
        QApplication::setFont(face, kind);
    }
    QToolTip::setFont(face);
}

QFont fittingFont(QFont font, const QList<FittedText>& texts, const QPaintDevice* device) {
    constexpr qreal kStep = 0.25;
    constexpr qreal kSmallest = 5.0;
    const auto fits = [&texts, device](const QFont& candidate) {
        const QFontMetricsF metrics =
            device != nullptr ? QFontMetricsF(candidate, device) : QFontMetricsF(candidate);
        return std::all_of(texts.begin(), texts.end(), [&metrics](const FittedText& fitted) {
            // What would be cut is ink: the blank after a line's last glyph may run past.
            return metrics.boundingRect(fitted.text).right() <= fitted.width;
        });
    };
    while (font.pointSizeF() > kSmallest && !fits(font)) {
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    return font;
}

}  // namespace platform
