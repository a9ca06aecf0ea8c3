// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QStringList>

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

}  // namespace platform
