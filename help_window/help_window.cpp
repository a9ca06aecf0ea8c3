// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window/help_window.h"

#include <QPainter>
#include <QPushButton>

#include "help_window/help_text.h"
#include "platform/fonts.h"
#include "platform/printed_text.h"
#include "platform/window_geometry.h"
#include "widgets/picture_box.h"
#include "widgets/rule.h"

HelpWindow::HelpWindow(platform::ActivationTracker& activation)
    : canvas_(new widgets::PictureBox(this)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Pellorin＿Help（Question and Operation method）6.2022"));
    platform::setFixedClientArea(this, platform::twipsRect(3480, 2235, 8550, 7185));

    QPushButton* close =
        addCloseButton(QStringLiteral("Command1"), platform::twipsRect(7560, 0, 855, 375));

    canvas_->setObjectName(QStringLiteral("Picture1"));
    canvas_->setGeometry(platform::twipsRect(120, 480, 8295, 6615));
    // The design's size, unless a line of the text in the user's language would run past the
    // canvas in the face that stands in for the design's.
    QList<platform::FittedText> lines;
    for (const QString& line : help_window::helpText()) {
        lines.append({line, static_cast<qreal>(canvas_->contentsRect().width())});
    }
    canvas_->setFont(platform::fittingFont(platform::designFont(11.25), lines));
    // The canvas follows Close in the tab order; with the focus, a screen reader reads it.
    canvas_->setFocusPolicy(Qt::TabFocus);
    setTabOrder(close, canvas_);
    // A screen reader reads the printed lines as text, line by line.
    platform::presentAsPrintedText(canvas_, help_window::helpText(), canvas_->font());

    // The rule lies under the "Close" button, as in the other windows.
    widgets::addRule(this, QStringLiteral("Line1"), platform::twipsRect(120, 360, 8280, 15))
        ->stackUnder(close);

    activation.watch(this, [this] { onActivated(); });
}

void HelpWindow::onActivated() {
    canvas_->clear();
    QPainter painter(&canvas_->image());
    painter.setFont(canvas_->font());
    painter.setPen(Qt::black);
    const QFontMetrics metrics(canvas_->font());
    int top = 0;
    for (const QString& line : help_window::helpText()) {
        painter.drawText(QPoint(0, top + metrics.ascent()), line);
        top += metrics.height();
    }
    painter.end();
    canvas_->update();
}
