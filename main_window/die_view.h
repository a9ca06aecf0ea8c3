// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <array>

// A die on screen: the picture of the face it shows, stretched to fill the control.
// Nearest-neighbour scaling keeps the pips crisp at any size and on high-density screens.
// A rolling die is one object whose picture changes, and it tells a screen reader nothing
// while it rolls: twenty faces a second would flood the reader's queue and drown the result.
class DieView : public QWidget {
    Q_OBJECT
public:
    // `described` reads the face for %1: "Large die, face %1".
    DieView(QString described, QWidget* parent);

    void showFace(int face);
    [[nodiscard]] int shownFace() const { return face_; }
    // Tells a screen reader which face the die shows now that it has come to rest.
    void tellFaceAtRest();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString described_;
    std::array<QImage, 6> pictures_;
    int face_ = 0;
};
