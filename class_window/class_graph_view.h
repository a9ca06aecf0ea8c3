// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "drawings/class_graph.h"
#include "experiment_core/class_tally.h"

// The graph of a class's pooled ratio, drawn afresh at every paint, at any size. A screen
// reader reads the pooled ratio at round counts and the spread of the pupils' ratios.
class ClassGraphView final : public QWidget {
    Q_OBJECT
public:
    ClassGraphView(const experiment_core::ClassTally& tally, QWidget* parent);

    // The tally changed: draw and describe it again.
    void showTally();

    // The graph's words, in the user's language.
    [[nodiscard]] static drawings::ClassGraphWords words();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const experiment_core::ClassTally& tally_;
};
