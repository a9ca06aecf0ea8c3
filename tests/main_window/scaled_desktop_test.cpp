// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>

#include "support/window_harness.h"

namespace {

// How much darker a control's caption is bold than regular, drawn at a pixel density: the
// darkness summed over its pixels inside the border, bold over regular.
double boldness(QWidget* control, qreal density) {
    const auto ink = [control, density] {
        QImage picture(control->size() * density, QImage::Format_RGB32);
        picture.setDevicePixelRatio(density);
        control->render(&picture);
        double sum = 0;
        const QRect inside = QRect(QPoint(0, 0), picture.size()).adjusted(4, 4, -4, -4);
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                sum += 255 - qGray(picture.pixel(x, y));
            }
        }
        return sum;
    };
    const double bold = ink();
    QFont font = control->font();
    font.setBold(false);
    control->setFont(font);
    const double regular = ink();
    font.setBold(true);
    control->setFont(font);
    return bold / regular;
}

// On a screen of 1.5 or 2 device pixels a logical pixel, a bold caption stands out from the
// regular text as much as it does at 96 dpi.
TEST(ScaledDesktop, BoldCaptionsStayBoldAtEveryPixelDensity) {
    const WindowHarness harness;
    harness.start();
    for (const char* id : {"Label16", "Label1", "Command8"}) {
        auto* control = harness.window->findChild<QWidget*>(QString::fromUtf8(id));
        const double atOne = boldness(control, 1);
        for (const qreal density : {1.5, 2.0}) {
            EXPECT_GT(boldness(control, density), 0.95 * atOne) << id << " at " << density;
        }
    }
}

}  // namespace
