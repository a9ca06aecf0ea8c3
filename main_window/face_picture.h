#pragma once

#include <QImage>
#include <QWidget>

// One face of a die, its picture stretched to fill the control. Nearest-neighbour scaling
// keeps the pips crisp at any size and on high-density screens.
class FacePicture : public QWidget {
    Q_OBJECT
public:
    FacePicture(QImage picture, QWidget* parent);
    [[nodiscard]] const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
