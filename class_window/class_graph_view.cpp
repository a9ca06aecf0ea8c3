// SPDX-License-Identifier: GPL-3.0-or-later
#include "class_window/class_graph_view.h"
#include "experiment_core/shown_numbers.h"

#include <QPainter>
#include <algorithm>

#include "experiment_core/number_text.h"
#include "platform/accessibility.h"
#include "platform/fonts.h"

ClassGraphView::ClassGraphView(const experiment_core::ClassTally& tally, QWidget* parent)
    : QWidget(parent), tally_(tally) {
    setMinimumSize(480, 240);
    setFocusPolicy(Qt::TabFocus);
    setFont(platform::designFont(9));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    platform::presentAsGraphic(this);
    showTally();
}

drawings::ClassGraphWords ClassGraphView::words() {
    //: the class graph's axes
    return {tr("Number of experiments, all pupils' in turn"),
            tr("Ratio of odd products (the dashed line marks 1/4; a point: one pupil)")};
}

void ClassGraphView::showTally() {
    const std::int64_t count = tally_.experimentCount();
    QStringList reached;
    for (std::int64_t milestone = 10; milestone < count; milestone *= 10) {
        //: the pooled ratio after %1 experiments, in the graph's description
        reached << tr("after %1: %2")
                       .arg(milestone)
                       .arg(experiment_core::shownRatio(tally_.oddAfter(milestone), milestone));
    }
    QString description = reached.join(tr(", "));
    const auto& pupils = tally_.pupils();
    if (!pupils.empty()) {
        const auto byRatio = [](const experiment_core::Pupil& a, const experiment_core::Pupil& b) {
            // a.odd / a.n < b.odd / b.n, exactly.
            return a.oddCount * b.experiments < b.oddCount * a.experiments;
        };
        const auto [lowest, highest] = std::minmax_element(pupils.begin(), pupils.end(), byRatio);
        //: the spread of the pupils' own ratios, in the graph's description
        description +=
            (description.isEmpty() ? QString() : tr("; ")) +
            tr("the pupils' own ratios lie between %1 and %2")
                .arg(experiment_core::shownRatio(lowest->oddCount, lowest->experiments),
                     experiment_core::shownRatio(highest->oddCount, highest->experiments));
    }
    platform::setSpokenText(
        this,
        //: the class graph read by a screen reader: %1 experiments, %2 the pooled ratio
        tr("Ratio of odd products of the class after %1 experiments: %2")
            .arg(count)
            .arg(experiment_core::shownRatio(tally_.oddCount(), count)),
        description);
    update();
}

void ClassGraphView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawings::drawClassGraph(painter, rect(), tally_, words(), 1.0);
}
