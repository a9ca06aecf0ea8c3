// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// One face of a die on screen, its picture stretched to fill the control. Nearest-neighbour
// scaling keeps the pips crisp at any size and on high-density screens.
class DieFaceView : public QWidget {
    Q_OBJECT
public:
    DieFaceView(QImage picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
