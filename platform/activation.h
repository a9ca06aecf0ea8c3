// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace platform {

// Tells the program's windows when one of them becomes the active window after another of
// them (or after none, at first showing). Coming back from another application to the
// window that was active before is not an activation: the windows redraw and reset their
// dice only when the user moves between the program's own windows.
class ActivationTracker : public QObject {
    Q_OBJECT
public:
    explicit ActivationTracker(QObject* parent = nullptr) : QObject(parent) {}

    void watch(QWidget* window, const std::function<void()>& onActivate);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, std::function<void()>> handlers_;
    QPointer<QObject> lastActive_;
};

}  // namespace platform
