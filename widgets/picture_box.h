// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>

namespace widgets {

// A white canvas in a sunken border that keeps what is drawn on it in an image of its own,
// at the screen's device-pixel resolution: covering and uncovering the window never erases
// the drawing, and nothing clears it but clear().
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The persistent image, the size of the inner area in logical pixels at the screen's
    // pixel density. Call update() after drawing on it.
    QImage& image();
    // The same at a given density. When the density changes (the window moves to a screen
    // of another scale) the picture so far is kept, scaled into the new image.
    QImage& imageAt(qreal devicePixelRatio);
    // Back to plain white.
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace widgets
