// SPDX-License-Identifier: GPL-3.0-or-later
#include "take_away/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace take_away {

void SystemClipboard::putText(const QString& text, const QString& html) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        auto* data = new QMimeData;
        data->setText(text);
        data->setHtml(html);
        clipboard->setMimeData(data);
    }
}

void SystemClipboard::putImage(const QImage& image) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setImage(image);
    }
}

}  // namespace take_away
