// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QWidget>

#include "support/printing.h"

// A reviewed picture or text, tests/goldens/NAME.png or NAME, compared exactly. On a
// mismatch what the program made is written under the build's golden-failures folder and
// named in the failure. With PELLORIN_UPDATE_GOLDENS=1 (tests/update-goldens) the golden
// is written instead.
inline void expectGolden(const QImage& picture, const QString& name) {
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    const QString golden = QStringLiteral(GOLDEN_FOLDER "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("PELLORIN_UPDATE_GOLDENS") == 1) {
        ASSERT_TRUE(actual.save(golden)) << golden;
    } else if (actual != QImage(golden).convertToFormat(QImage::Format_RGB32)) {
        const QString failed = QStringLiteral(FAILURE_FOLDER "/%1.png").arg(name);
        QDir().mkpath(QStringLiteral(FAILURE_FOLDER));
        actual.save(failed);
        ADD_FAILURE() << name << " differs from the reviewed picture; see " << failed;
    }
}
inline void expectGolden(const QString& text, const QString& name) {
    QFile golden(QStringLiteral(GOLDEN_FOLDER "/") + name);
    if (qEnvironmentVariableIntValue("PELLORIN_UPDATE_GOLDENS") == 1) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly) && golden.write(text.toUtf8()) >= 0);
    } else {
        EXPECT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName();
        EXPECT_EQ(text, QString::fromUtf8(golden.readAll())) << name;
    }
}

// A window as the screen shows its client area.
inline QImage windowPicture(QWidget* window) {
    return window->grab().toImage();
}
