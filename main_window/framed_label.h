// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label whose optional border is a single black line, whatever colour its text has, so
// that neighbouring cells of the table share one ruled line.
class FramedLabel : public QLabel {
    Q_OBJECT
public:
    FramedLabel(bool bordered, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool bordered_;
};
