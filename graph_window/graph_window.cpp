// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph_window/graph_window.h"
#include "experiment_core/shown_numbers.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QPainter>
#include <QPushButton>

#include "drawings/ratio_graph.h"
#include "experiment_core/number_text.h"
#include "platform/accessibility.h"
#include "platform/authorship.h"
#include "platform/window_geometry.h"
#include "take_away/take_away_menu.h"
#include "widgets/picture_box.h"
#include "widgets/rule.h"

GraphWindow::GraphWindow(const experiment_core::Tally& tally,
                         platform::ActivationTracker& activation,
                         const take_away::TakeAway& takeAway,
                         const std::function<take_away::Document()>& page,
                         const std::function<void(QWidget* owner)>& openClassResults)
    : tally_(tally),
      canvas_(new widgets::PictureBox(this)),
      takeAway_(takeAway),
      pictureMenu_(new take_away::TakeAwayMenu(this)) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(" Graph ") + QString::fromUtf8(platform::kAuthorshipNotice));
    platform::setFixedClientArea(this, platform::twipsRect(3165, 1695, 9750, 5670));

    canvas_->setObjectName(QStringLiteral("Picture1"));
    canvas_->setGeometry(platform::twipsRect(120, 600, 9495, 4815));
    // The canvas comes first in the tab order and holds the focus when the window opens, so
    // that a Space or Return meant for the experiment window does not close the graph.
    canvas_->setFocusPolicy(Qt::TabFocus);
    canvas_->setFocus();

    widgets::addRule(this, QStringLiteral("Line5"), platform::twipsRect(0, 360, 9720, 15));
    setTabOrder(canvas_,
                addCloseButton(QStringLiteral("Command1"), platform::twipsRect(8760, 0, 975, 375)));

    pictureMenu_->addEntry(tr("Copy picture"), QKeySequence::Copy, this, &GraphWindow::copyPicture);
    pictureMenu_->addEntry(tr("Save picture..."), QKeySequence::Save, this,
                           &GraphWindow::savePicture);
    pictureMenu_->addPageEntries(takeAway_, QStringLiteral("pellorin-results.pdf"), page);
    //: opens the class view, as the experiment window's entry does
    pictureMenu_->addEntry(tr("Class results..."), {}, this,
                           [this, openClassResults] { openClassResults(this); });
    canvas_->setToolTip(pictureMenu_->hint());
    activation.watch(this, [this] { onActivated(); });
}

void GraphWindow::contextMenuEvent(QContextMenuEvent* event) {
    pictureMenu_->popup(event->globalPos());
}

void GraphWindow::copyPicture() {
    takeAway_.clipboard.putImage(canvas_->image());
}

void GraphWindow::savePicture() {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    canvas_->image().save(&buffer, "PNG");
    take_away::saveWithDialog(takeAway_, this, tr("Save picture"),
                              QStringLiteral("pellorin-graph.png"), tr("PNG pictures (*.png)"),
                              png);
}

void GraphWindow::onActivated() {
    const experiment_core::ExperimentRecord& record = tally_.record();
    QImage& image = canvas_->image();
    QPainter painter(&image);
    // One logical pixel wide, also on a high-density canvas.
    drawings::drawRatioGraph(painter, canvas_->contentsRect().size(), record,
                             image.devicePixelRatioF());
    painter.end();
    canvas_->update();
    // A screen reader says the summary when the canvas takes the focus, and reads how the
    // ratio settled from the description; both are read on demand, so that changing them
    // sends no event while the canvas has the focus.
    const auto ratioAfter = [](int count, int odd) {
        return experiment_core::shownRatio(odd, count);
    };
    QStringList reached;
    for (const int count : {10, 20, 50, 100, 200, 500, 1000}) {
        if (count <= record.experimentCount) {
            const int odd = tally_.throws().at(static_cast<std::size_t>(count - 1)).oddSoFar;
            //: the ratio after %1 experiments, in the graph's description
            reached << tr("after %1: %2").arg(count).arg(ratioAfter(count, odd));
        }
    }
    platform::setSpokenText(
        canvas_,
        //: the graph read by a screen reader: %1 experiments, %2 the latest ratio
        tr("Ratio of odd products after %1 experiments: %2; the dashed line marks 1/4")
            .arg(record.experimentCount)
            .arg(ratioAfter(record.experimentCount, record.oddCount)),
        //: between the items of the graph's description
        reached.join(tr(", ")));
}
