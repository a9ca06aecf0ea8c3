// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPushButton;

namespace widgets {

// A window that another window opens. Its "Close" button and its frame's close button both
// close it and hand control back to the window that opened it.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    // The window has closed; the window that opened it should come back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

    // The "Close" button with its control id, at its place, in the design font.
    QPushButton* addCloseButton(const QString& id, const QRect& place);
};

}  // namespace widgets
