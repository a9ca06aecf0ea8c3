// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QDir>

#include <QImage>
#include <QWidget>
#include "support/printing.h"

// A reviewed picture of what a pupil sees, in tests/goldens/NAME.png, compared pixel for
// pixel. On a mismatch the actual picture and a difference picture (changed pixels red) are
// written under the build's golden-failures folder and named in the failure. With
// PELLORIN_UPDATE_GOLDENS=1 (tests/update-goldens) the golden is written instead.
inline void expectGolden(const QImage& picture, const QString& name) {
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    const QString golden = QStringLiteral(GOLDEN_FOLDER "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("PELLORIN_UPDATE_GOLDENS") == 1) {
        ASSERT_TRUE(actual.save(golden)) << golden.toStdString();
        return;
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    if (actual == expected) {
        return;
    }
    QDir().mkpath(QStringLiteral(FAILURE_FOLDER));
    const QString stem = QStringLiteral(FAILURE_FOLDER "/%1").arg(name);
    QImage difference = actual.convertToFormat(QImage::Format_Grayscale8);
    difference = difference.convertToFormat(QImage::Format_RGB32);
    int changed = 0;
    for (int i = 0; i < actual.width() * actual.height(); ++i) {
        const int x = i % actual.width();
        const int y = i / actual.width();
        if (!expected.valid(x, y) || expected.pixel(x, y) != actual.pixel(x, y)) {
            difference.setPixel(x, y, qRgb(255, 0, 0));
            ++changed;
        }
    }
    actual.save(stem + ".actual.png");
    difference.save(stem + ".diff.png");
    ADD_FAILURE() << name.toStdString() << ": " << changed << " pixels differ; see "
                  << stem.toStdString() << ".actual.png and .diff.png";
}

// A window as the screen shows its client area.
inline QImage windowPicture(QWidget* window) {
    return window->grab().toImage();
}
