// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/experiment_window.h"
#include "experiment_core/shown_numbers.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "assets/face_pictures.h"
#include "experiment_core/number_text.h"
#include "graph_window/graph_window.h"
#include "help_window/help_window.h"
#include "main_window/control_factory.h"
#include "main_window/control_table.h"
#include "main_window/die_view.h"
#include "main_window/experiment_results.h"
#include "platform/accessibility.h"
#include "platform/authorship.h"
#include "platform/fonts.h"
#include "platform/window_geometry.h"
#include "widgets/label_grid.h"

namespace {

using main_window::Button;
using main_window::Step;

}  // namespace

ExperimentWindow::ExperimentWindow(ExperimentServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      session_(new experiment_core::ExperimentSession(*services_.clock, *services_.random, this)),
      activation_(new platform::ActivationTracker(this)),
      results_(
          new ExperimentResults(this, session_->tally(),
                                {*services_.clipboard, *services_.fileDialog, *services_.notice})) {
    setObjectName(QStringLiteral("Form1"));
    platform::drawMenusAndTipsInDesignFace();
    setWindowTitle(tr("Pellorin") + QLatin1Char(' ') +
                   QString::fromUtf8(platform::kAuthorshipNotice));
    setWindowIcon(assets::windowIcon());
    platform::setFixedClientArea(this, platform::twipsRect(3855, 1860, 7815, 7200));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    buildControls();
    connectButtons();

    using experiment_core::ExperimentSession;
    connect(session_, &ExperimentSession::faceShown, this, &ExperimentWindow::showFace);
    connect(session_, &ExperimentSession::tallyChanged, this, &ExperimentWindow::showTally);
    connect(session_, &ExperimentSession::stepReached, this, &ExperimentWindow::applyButtonStep);
    connect(session_, &ExperimentSession::announced, this,
            [this](const QString& text) { services_.announcer->announce(this, text); });
    connect(session_, &ExperimentSession::full, this, [this](int count) {
        //: a notice when the window has counted 32767 experiments; %1: that count
        services_.notice->inform(
            this, tr("Pellorin"),
            tr("The window has counted %1 experiments, the most it can count: no further throw "
               "would be counted. \"Init\" starts afresh; \"Class results...\" in the menu "
               "pools any number of saved files.")
                .arg(count));
    });
    connect(results_, &ExperimentResults::throwsOpened, session_,
            &ExperimentSession::replaceThrows);
    activation_->watch(this, [this] { onActivated(); });
}

void ExperimentWindow::connectButtons() {
    using experiment_core::ExperimentSession;
    const std::array<std::pair<Button, void (ExperimentSession::*)()>, 4> sessionCommands = {{
        {Button::Automatic, &ExperimentSession::startRun},
        {Button::StopDice, &ExperimentSession::stopDice},
        {Button::Stop, &ExperimentSession::stopRun},
        {Button::ThrowDice, &ExperimentSession::throwDice},
    }};
    for (const auto& [which, command] : sessionCommands) {
        connect(button(which), &QPushButton::clicked, session_, command);
    }
    const std::array<std::pair<Button, void (ExperimentWindow::*)()>, 4> windowCommands = {{
        {Button::Exit, &ExperimentWindow::exitProgram},
        {Button::Init, &ExperimentWindow::startAfresh},
        {Button::GraphDisplay, &ExperimentWindow::showGraph},
        {Button::Help, &ExperimentWindow::showHelp},
    }};
    for (const auto& [which, command] : windowCommands) {
        connect(button(which), &QPushButton::clicked, this, command);
    }
}

ExperimentWindow::~ExperimentWindow() = default;

GraphWindow* ExperimentWindow::graphWindow() const {
    return graph_;
}

void ExperimentWindow::buildControls() {
    using main_window::Kind;
    using main_window::Value;
    constexpr auto kFaces = static_cast<std::size_t>(experiment_core::kFaces);
    widgets::LabelGrid::Labels grid{std::vector(kFaces, std::vector<QLabel*>(kFaces)),
                                    std::vector<QLabel*>(kFaces),
                                    std::vector<QLabel*>(kFaces),
                                    {}};
    for (const main_window::Control& control : main_window::experimentWindowControls()) {
        switch (control.kind) {
            case Kind::Button:
                buttons_.at(static_cast<std::size_t>(control.button)) =
                    main_window::createButton(this, control);
                break;
            case Kind::Label: {
                QLabel* label = main_window::createLabel(this, control);
                if (control.table) {
                    // Resting the pointer on the table tells how to take the results away.
                    label->setToolTip(results_->menu()->hint());
                }
                if (control.large > 0) {
                    cells_.at(control.large - 1).at(control.small - 1) = label;
                } else if (control.header > 0) {
                    (control.rowHeader ? grid.rowHeaders : grid.columnHeaders)
                        .at(static_cast<std::size_t>(control.header) - 1) = label;
                } else if (control.value == Value::ExperimentCount) {
                    countLabel_ = label;
                } else if (control.value == Value::OddCount) {
                    oddCountLabel_ = label;
                } else if (control.value == Value::Ratio) {
                    ratioLabel_ = label;
                }
                break;
            }
            case Kind::Die:
                (control.die == experiment_core::Die::Large ? largeDie_ : smallDie_) =
                    main_window::createDie(this, control);
                break;
            case Kind::Rule:
                main_window::createRule(this, control);
                break;
            case Kind::Timer:
                main_window::setUpTimer(session_->timer(control.timer), control);
                break;
        }
    }
    for (std::size_t large = 0; large < kFaces; ++large) {
        for (std::size_t small = 0; small < kFaces; ++small) {
            grid.cells.at(large).at(small) = cells_.at(large).at(small);
        }
    }
    grid.totals = {countLabel_, oddCountLabel_, ratioLabel_};
    // Keyboard focus moves among the buttons in this order, then to the table and the values
    // below it, where the arrow keys read them.
    auto* table = new widgets::LabelGrid(grid, this);
    table->setObjectName(QStringLiteral("resultsTable"));
    table->setAccessibleName(tr("Table of results"));
    const std::array<Button, main_window::kButtonCount> tabOrder = {
        Button::StopDice, Button::Exit,      Button::Init,      Button::GraphDisplay,
        Button::Help,     Button::ThrowDice, Button::Automatic, Button::Stop};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(button(tabOrder.at(i - 1)), button(tabOrder.at(i)));
    }
    setTabOrder(button(Button::Stop), table);
    // The first key a pupil presses throws the dice; on "Exit", the first in the tab order,
    // it would end the program behind a notice that cannot be withdrawn.
    button(Button::ThrowDice)->setFocus(Qt::OtherFocusReason);
}

void ExperimentWindow::contextMenuEvent(QContextMenuEvent* event) {
    results_->menu()->popup(event->globalPos());
}

QPushButton* ExperimentWindow::button(Button which) const {
    return buttons_.at(static_cast<std::size_t>(which));
}

QLabel* ExperimentWindow::valueLabel(main_window::Value which) const {
    return which == main_window::Value::ExperimentCount ? countLabel_
           : which == main_window::Value::OddCount      ? oddCountLabel_
                                                        : ratioLabel_;
}

QLabel* ExperimentWindow::cell(int large, int small) const {
    return cells_.at(large - 1).at(small - 1);
}

DieView* ExperimentWindow::die(experiment_core::Die which) const {
    return which == experiment_core::Die::Large ? largeDie_ : smallDie_;
}

void ExperimentWindow::applyButtonStep(Step step) {
    buttonStates_.apply(step);
    // Buttons are enabled first; the focus moves to the step's button before the focused one
    // is disabled, so that the keyboard (and a screen reader) never passes through another.
    for (const bool enabling : {true, false}) {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            QPushButton* shown = buttons_.at(i);
            if (buttonStates_.usable(Button(i)) != enabling || shown->isEnabled() == enabling) {
                continue;
            }
            // The window's focus widget, not the focused one: a step that comes while another
            // window is active (a run ending in the background) must leave the focus where a
            // key pressed on return finds the step's button, not the next one Qt would pick.
            if (!enabling && focusWidget() == shown) {
                button(main_window::settingsFor(step).focus)->setFocus(Qt::OtherFocusReason);
            }
            shown->setEnabled(enabling);
        }
    }
    results_->menu()->setAvailable(buttonStates_.takeAway());
    // The dice come to rest at every step but those that set them rolling.
    if (step != Step::ThrowDice && step != Step::Automatic) {
        largeDie_->tellFaceAtRest();
        smallDie_->tellFaceAtRest();
    }
}

void ExperimentWindow::onActivated() {
    session_->activate();
}

void ExperimentWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        onActivated();
    }
}

void ExperimentWindow::showFace(experiment_core::Die which, int face) {
    die(which)->showFace(face);
}

void ExperimentWindow::showTally() {
    const experiment_core::Tally& tally = session_->tally();
    for (int large = 1; large <= experiment_core::kFaces; ++large) {
        for (int small = 1; small <= experiment_core::kFaces; ++small) {
            platform::showOnSpokenLabel(cells_.at(large - 1).at(small - 1),
                                        experiment_core::shownCount(tally.pairCount(large, small)));
        }
    }
    const experiment_core::ExperimentRecord& record = tally.record();
    platform::showOnSpokenLabel(countLabel_, experiment_core::shownCount(record.experimentCount));
    platform::showOnSpokenLabel(oddCountLabel_, experiment_core::shownCount(record.oddCount));
    platform::showOnSpokenLabel(
        ratioLabel_, experiment_core::shownRatio(record.oddCount, record.experimentCount));
}

void ExperimentWindow::startAfresh() {
    sound::playChime(*services_.sound, QStringLiteral("pinpon.wav"));
    session_->startAfresh();
}

void ExperimentWindow::showHelp() {
    sound::playChime(*services_.sound, QStringLiteral("pinpon.wav"));
    if (!help_) {
        help_ = std::make_unique<HelpWindow>(*activation_);
        connect(help_.get(), &HelpWindow::closed, this, [this] { platform::showModeless(this); });
    }
    platform::showModeless(help_.get(), this);
}

void ExperimentWindow::showGraph() {
    hide();
    if (graph_ == nullptr) {
        graph_ = new GraphWindow(
            session_->tally(), *activation_,
            {*services_.clipboard, *services_.fileDialog, *services_.notice},
            [results = results_] { return results->page(); },
            [results = results_](QWidget* owner) { results->openClassResults(owner); });
        connect(graph_, &GraphWindow::closed, this, [this] {
            // The closed window deletes itself; a "Graph display" right after it makes anew.
            graph_ = nullptr;
            platform::showModeless(this);
        });
    }
    platform::showModeless(graph_, this);
}

void ExperimentWindow::exitProgram() {
    // Nothing may move behind the notice: the frame's close can come while the dice spin or
    // a run goes, and a tick during the notice would record inside this handler.
    session_->halt();
    sound::playChime(*services_.sound, QStringLiteral("endpinpon.wav"));
    services_.notice->inform(this, tr("Pellorin"), tr("This software will exit."));
    services_.endProgram();
}

void ExperimentWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    exitProgram();
}
