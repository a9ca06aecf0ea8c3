// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph_window.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "accessibility.h"
#include "number_text.h"
#include "picture_box.h"
#include "ratio_graph.h"
#include "take_away_menu.h"
#include "window_geometry.h"

GraphWindow::GraphWindow(const experiment::ExperimentRecord& record,
                         platform::ActivationTracker& activation,
                         const platform::TakeAway& takeAway)
    : record_(record),
      canvas_(new platform::PictureBox(this)),
      takeAway_(takeAway),
      pictureMenu_(new platform::TakeAwayMenu(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr(" Graph ") + QString::fromUtf8(platform::kAuthorshipNotice));
    platform::setFixedClientArea(this, platform::twipsRect(3165, 1695, 9750, 5670));

    canvas_->setObjectName(QStringLiteral("Picture1"));
    canvas_->setGeometry(platform::twipsRect(120, 600, 9495, 4815));
    // The canvas comes first in the tab order and holds the focus when the window opens, so
    // that a Space or Return meant for the experiment window does not close the graph.
    canvas_->setFocusPolicy(Qt::TabFocus);
    canvas_->setFocus();

    platform::addRule(this, QStringLiteral("Line5"), platform::twipsRect(0, 360, 9720, 15));
    setTabOrder(canvas_,
                addCloseButton(QStringLiteral("Command1"), platform::twipsRect(8760, 0, 975, 375)));

    pictureMenu_->addEntry(tr("Copy picture"), QKeySequence::Copy, this, &GraphWindow::copyPicture);
    pictureMenu_->addEntry(tr("Save picture..."), QKeySequence::Save, this,
                           &GraphWindow::savePicture);
    canvas_->setToolTip(pictureMenu_->hint());
    activation.watch(this, [this] { onActivated(); });
}

void GraphWindow::contextMenuEvent(QContextMenuEvent* event) {
    pictureMenu_->popupAt(event->globalPos(), true);
}

void GraphWindow::copyPicture() {
    takeAway_.clipboard.putImage(canvas_->image());
}

void GraphWindow::savePicture() {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    canvas_->image().save(&buffer, "PNG");
    platform::saveWithDialog(takeAway_, this, tr("Save picture"),
                             QStringLiteral("pellorin-graph.png"), tr("PNG pictures (*.png)"), png);
}

void GraphWindow::onActivated() {
    QImage& image = canvas_->image();
    QPainter painter(&image);
    graph::drawRatioGraph(painter, canvas_->contentsRect().size(), record_);
    painter.end();
    canvas_->update();
    // A screen reader says the summary when the canvas takes the focus, and reads how the
    // ratio settled from the description; both are read on demand, so that changing them
    // sends no event while the canvas has the focus.
    const auto ratioAfter = [](int count, int odd) {
        return QString::fromStdString(experiment::ratioText(odd, count));
    };
    QStringList reached;
    for (const int count : {10, 20, 50, 100, 200, 500, 1000}) {
        if (count <= record_.experimentCount) {
            const float ratio = record_.ratioHistory.at(static_cast<std::size_t>(count));
            reached << tr("after %1: %2")
                           .arg(count)
                           .arg(ratioAfter(count, static_cast<int>(std::lround(
                                                      static_cast<double>(ratio) * count))));
        }
    }
    platform::setSpokenText(
        canvas_,
        tr("Ratio of odd products after %1 experiments: %2; the dashed line marks 1/4")
            .arg(record_.experimentCount)
            .arg(ratioAfter(record_.experimentCount, record_.oddCount)),
        reached.join(QStringLiteral(", ")));
}
