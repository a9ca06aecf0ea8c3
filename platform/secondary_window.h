#pragma once

#include <QWidget>

class QPushButton;

namespace platform {

// A window that the experiment window opens. Its "Close" button and its frame's close button
// both close it and hand control back to the experiment window.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // "Close".
    void Command1_Click();

signals:
    // The window has closed; the experiment window should come back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

    // The "Close" button at its place, in the design font.
    QPushButton* addCloseButton(const QRect& place);
};

// A one-pixel rule in the window-text colour.
QWidget* addRule(QWidget* window, const QString& name, const QRect& place);

}  // namespace platform
