// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "accessibility.h"
#include "authorship.h"
#include "control_factory.h"
#include "control_table.h"
#include "die_face_view.h"
#include "experiment_results.h"
#include "face_pictures.h"
#include "graph_window.h"
#include "help_window.h"
#include "number_text.h"
#include "window_geometry.h"

namespace {

using buttons::Button;
using buttons::Step;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

}  // namespace

ExperimentWindow::ExperimentWindow(ExperimentServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      roller_(*services_.clock, *services_.random),
      activation_(new platform::ActivationTracker(this)),
      results_(new ExperimentResults(
          this, tally_, {*services_.clipboard, *services_.fileDialog, *services_.notice})) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Pellorin") + QLatin1Char(' ') +
                   QString::fromUtf8(platform::kAuthorshipNotice));
    setWindowIcon(assets::windowIcon());
    platform::setFixedClientArea(this, platform::twipsRect(3855, 1860, 7815, 7200));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    buildControls();

    connect(largeDieTimer_, &QTimer::timeout, this, &ExperimentWindow::rollLargeDie);
    connect(smallDieTimer_, &QTimer::timeout, this, &ExperimentWindow::rollSmallDie);
    connect(runTimer_, &QTimer::timeout, this, &ExperimentWindow::runStep);
    const std::array<std::pair<Button, void (ExperimentWindow::*)()>, buttons::kButtonCount>
        handlers = {{
            {Button::Automatic, &ExperimentWindow::startRun},
            {Button::StopDice, &ExperimentWindow::stopDice},
            {Button::Stop, &ExperimentWindow::stopRun},
            {Button::Exit, &ExperimentWindow::exitProgram},
            {Button::Init, &ExperimentWindow::startAfresh},
            {Button::GraphDisplay, &ExperimentWindow::showGraph},
            {Button::Help, &ExperimentWindow::showHelp},
            {Button::ThrowDice, &ExperimentWindow::throwDice},
        }};
    for (const auto& [which, handler] : handlers) {
        connect(button(which), &QPushButton::clicked, this, handler);
    }
    connect(results_, &ExperimentResults::throwsOpened, this, &ExperimentWindow::replaceThrows);
    activation_->watch(this, [this] { onActivated(); });
}

ExperimentWindow::~ExperimentWindow() = default;

GraphWindow* ExperimentWindow::graphWindow() const {
    return graph_;
}

void ExperimentWindow::buildControls() {
    using controls::Kind;
    using controls::Value;
    for (const controls::Control& control : controls::experimentWindowControls()) {
        switch (control.kind) {
            case Kind::Button:
                buttons_.at(static_cast<std::size_t>(control.button)) =
                    controls::createButton(this, control);
                break;
            case Kind::Label: {
                QLabel* label = controls::createLabel(this, control);
                if (control.table) {
                    // Resting the pointer on the table tells how to take the results away.
                    label->setToolTip(results_->menu()->hint());
                }
                if (control.large > 0) {
                    cells_.at(control.large - 1).at(control.small - 1) = label;
                } else if (control.value == Value::ExperimentCount) {
                    countLabel_ = label;
                } else if (control.value == Value::OddCount) {
                    oddCountLabel_ = label;
                } else if (control.value == Value::Ratio) {
                    ratioLabel_ = label;
                }
                break;
            }
            case Kind::DieFace: {
                auto& faces =
                    control.die == experiment::Die::Large ? largeDieFaces_ : smallDieFaces_;
                faces.at(control.face - 1) = controls::createDieFace(this, control);
                break;
            }
            case Kind::Rule:
                controls::createRule(this, control);
                break;
            case Kind::Timer:
                (control.timer == controls::Timer::LargeDie   ? largeDieTimer_
                 : control.timer == controls::Timer::SmallDie ? smallDieTimer_
                                                              : runTimer_) =
                    controls::createTimer(this, control);
                break;
        }
    }
    // Keyboard focus moves among the buttons in this order.
    const std::array<Button, buttons::kButtonCount> tabOrder = {
        Button::StopDice, Button::Exit,      Button::Init,      Button::GraphDisplay,
        Button::Help,     Button::ThrowDice, Button::Automatic, Button::Stop};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(button(tabOrder.at(i - 1)), button(tabOrder.at(i)));
    }
}

void ExperimentWindow::contextMenuEvent(QContextMenuEvent* event) {
    results_->menu()->popup(event->globalPos());
}

QPushButton* ExperimentWindow::button(Button which) const {
    return buttons_.at(static_cast<std::size_t>(which));
}

QLabel* ExperimentWindow::valueLabel(controls::Value which) const {
    return which == controls::Value::ExperimentCount ? countLabel_
           : which == controls::Value::OddCount      ? oddCountLabel_
                                                     : ratioLabel_;
}

QLabel* ExperimentWindow::cell(int large, int small) const {
    return cells_.at(large - 1).at(small - 1);
}

QTimer* ExperimentWindow::timer(controls::Timer which) const {
    return which == controls::Timer::LargeDie   ? largeDieTimer_
           : which == controls::Timer::SmallDie ? smallDieTimer_
                                                : runTimer_;
}

QWidget* ExperimentWindow::dieFace(experiment::Die die, int face) const {
    return (die == experiment::Die::Large ? largeDieFaces_ : smallDieFaces_).at(face - 1);
}

void ExperimentWindow::applyButtonStep(Step step) {
    const buttons::StepSettings& settings = buttons::settingsFor(step);
    // Buttons are enabled first; the focus moves to the step's button before the focused one
    // is disabled, so that the keyboard (and a screen reader) never passes through another.
    for (const buttons::Setting setting : {buttons::Setting::On, buttons::Setting::Off}) {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            if (settings.buttons.at(i) != setting) {
                continue;
            }
            if (setting == buttons::Setting::Off && buttons_.at(i)->hasFocus()) {
                button(settings.focus)->setFocus(Qt::OtherFocusReason);
            }
            buttons_.at(i)->setEnabled(setting == buttons::Setting::On);
        }
    }
    if (settings.takeAway != buttons::Setting::Kept) {
        results_->menu()->setAvailable(settings.takeAway == buttons::Setting::On);
    }
}

bool ExperimentWindow::diceOrRunMoving() const {
    return largeDieTimer_->isActive() || smallDieTimer_->isActive() || runTimer_->isActive();
}

void ExperimentWindow::onActivated() {
    // While the dice spin or a run goes, "Stop the dice" or "Stop" must stay usable: coming
    // back from the help window must not leave dice that no button can stop.
    if (diceOrRunMoving()) {
        return;
    }
    for (std::size_t i = 0; i < largeDieFaces_.size(); ++i) {
        largeDieFaces_.at(i)->setVisible(i == 0);
        smallDieFaces_.at(i)->setVisible(i == 0);
    }
    applyButtonStep(Step::Activation);
}

void ExperimentWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        onActivated();
    }
}

void ExperimentWindow::throwDice() {
    // The dice take new faces at once: "Stop the dice" before the first tick records the faces
    // they show, never faces that nobody saw.
    rollDie(experiment::Die::Large);
    rollDie(experiment::Die::Small);
    largeDieTimer_->start();
    smallDieTimer_->start();
    applyButtonStep(Step::ThrowDice);
}

void ExperimentWindow::rollLargeDie() {
    rollDie(experiment::Die::Large);
}

void ExperimentWindow::rollSmallDie() {
    rollDie(experiment::Die::Small);
}

void ExperimentWindow::rollDie(experiment::Die die) {
    showFace(die, roller_.roll());
}

void ExperimentWindow::showFace(experiment::Die die, std::int16_t face) {
    const bool large = die == experiment::Die::Large;
    auto& pictures = large ? largeDieFaces_ : smallDieFaces_;
    for (QWidget* picture : pictures) {
        picture->setVisible(false);
    }
    faces_.at(large ? 0 : 1) = face;
    pictures.at(static_cast<std::size_t>(face - 1))->setVisible(true);
}

void ExperimentWindow::stopDice() {
    largeDieTimer_->stop();
    smallDieTimer_->stop();
    applyButtonStep(Step::StopDice);
    recordThrow();
    announce(latestResult());
    stopAtTheLimit();
}

void ExperimentWindow::stopAtTheLimit() {
    if (!tally_.full()) {
        return;
    }
    applyButtonStep(Step::Full);
    //: a notice when the window has counted 32767 experiments; %1: that count
    services_.notice->inform(
        this, tr("Pellorin"),
        tr("The window has counted %1 experiments, the most it can count: no further throw "
           "would be counted. \"Init\" starts afresh; \"Class results...\" in the menu pools "
           "any number of saved files.")
            .arg(tally_.record().experimentCount));
}

void ExperimentWindow::startRun() {
    applyButtonStep(Step::Automatic);
    runTimer_->start();
}

void ExperimentWindow::runStep() {
    // At or past the limit (manual experiments can pass it) the run is over: a tick there
    // would have no place in the history for its experiment.
    const experiment::ExperimentRecord& record = tally_.record();
    if (record.experimentCount >= experiment::kExperimentLimit) {
        applyButtonStep(Step::RunEnd);
        runTimer_->stop();
        //: announced to a screen reader after the last experiment of an automatic run
        announce(latestResult() + QLatin1Char(' ') + tr("Run finished."));
        return;
    }
    rollDie(experiment::Die::Large);
    rollDie(experiment::Die::Small);
    recordThrow();
    // A screen reader hears how the run goes every hundred experiments, not at every tick.
    if (record.experimentCount % 100 == 0) {
        //: announced to a screen reader every hundred experiments of a run: count, ratio
        announce(tr("%1 experiments, ratio %2.")
                     .arg(record.experimentCount)
                     .arg(text(experiment::ratioText(record.oddCount, record.experimentCount))));
    }
}

void ExperimentWindow::stopRun() {
    applyButtonStep(Step::Stop);
    runTimer_->stop();
    //: announced to a screen reader when an automatic run is stopped
    announce(latestResult() + QLatin1Char(' ') + tr("Stopped."));
}

void ExperimentWindow::recordThrow() {
    // At the counter's 16-bit limit nothing more is recorded, and nothing changes.
    if (tally_.record(faces_.at(0), faces_.at(1))) {
        showTally();
    }
}

void ExperimentWindow::showTally() {
    for (int large = 1; large <= experiment::kFaces; ++large) {
        for (int small = 1; small <= experiment::kFaces; ++small) {
            platform::showOnSpokenLabel(
                cells_.at(large - 1).at(small - 1),
                text(experiment::counterText(tally_.pairCount(large, small))));
        }
    }
    const experiment::ExperimentRecord& record = tally_.record();
    platform::showOnSpokenLabel(countLabel_, text(experiment::counterText(record.experimentCount)));
    platform::showOnSpokenLabel(oddCountLabel_, text(experiment::counterText(record.oddCount)));
    platform::showOnSpokenLabel(
        ratioLabel_, text(experiment::ratioText(record.oddCount, record.experimentCount)));
}

QString ExperimentWindow::latestResult() const {
    const experiment::ExperimentRecord& record = tally_.record();
    const int count = record.experimentCount;
    const QString ratio = text(experiment::ratioText(record.oddCount, count));
    QString totals =
        count == 1
            //: announced after a result: the odd count, the ratio
            ? tr("1 experiment, %1 odd, ratio %2.").arg(record.oddCount).arg(ratio)
            //: announced after a result: the count, the odd count, the ratio
            : tr("%1 experiments, %2 odd, ratio %3.").arg(count).arg(record.oddCount).arg(ratio);
    if (tally_.throws().empty()) {
        return totals;
    }
    const experiment::Throw& last = tally_.throws().back();
    const QString faces = experiment::isOddPair(last.large, last.small)
                              //: announced after a throw: its two faces
                              ? tr("Large %1, small %2: odd product.")
                              //: announced after a throw: its two faces
                              : tr("Large %1, small %2: even product.");
    return faces.arg(last.large).arg(last.small) + QLatin1Char(' ') + totals;
}

void ExperimentWindow::announce(const QString& text) {
    services_.announcer->announce(this, text);
}

void ExperimentWindow::playChime(const QString& fileName) {
    services_.sound->stop();
    services_.sound->close();
    services_.sound->setFileName(fileName);
    services_.sound->open();
    services_.sound->sound();
}

void ExperimentWindow::startAfresh() {
    playChime(QStringLiteral("pinpon.wav"));
    tally_.reset();
    showTally();
    applyButtonStep(Step::Init);
    //: announced to a screen reader after Init
    announce(tr("Started afresh."));
}

void ExperimentWindow::replaceThrows(const std::vector<experiment::Faces>& throws) {
    tally_.reset();
    for (const experiment::Faces& faces : throws) {
        tally_.record(faces.large, faces.small);
    }
    // The dice show the last throw, as they would after throwing it by hand.
    if (!throws.empty()) {
        showFace(experiment::Die::Large, throws.back().large);
        showFace(experiment::Die::Small, throws.back().small);
    }
    showTally();
    applyButtonStep(Step::Opened);
    //: announced to a screen reader after throws were opened from files
    announce(tr("Throws opened.") + QLatin1Char(' ') + latestResult());
    stopAtTheLimit();
}

void ExperimentWindow::showHelp() {
    playChime(QStringLiteral("pinpon.wav"));
    if (!help_) {
        help_ = std::make_unique<HelpWindow>(*activation_);
        connect(help_.get(), &HelpWindow::closed, this, [this] { platform::showModeless(this); });
    }
    platform::showModeless(help_.get());
}

void ExperimentWindow::showGraph() {
    hide();
    if (graph_ == nullptr) {
        graph_ = new GraphWindow(
            tally_, *activation_, {*services_.clipboard, *services_.fileDialog, *services_.notice},
            [results = results_] { return results->page(); },
            [results = results_](QWidget* owner) { results->openClassResults(owner); });
        connect(graph_, &GraphWindow::closed, this, [this] {
            // The closed window deletes itself; a "Graph display" right after it makes anew.
            graph_ = nullptr;
            platform::showModeless(this);
        });
    }
    platform::showModeless(graph_);
}

void ExperimentWindow::exitProgram() {
    // Nothing may move behind the notice: the frame's close can come while the dice spin or
    // a run goes, and a tick during the notice would record inside this handler.
    largeDieTimer_->stop();
    smallDieTimer_->stop();
    runTimer_->stop();
    playChime(QStringLiteral("endpinpon.wav"));
    services_.notice->inform(this, tr("Pellorin"), tr("This software will exit."));
    services_.endProgram();
}

void ExperimentWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    exitProgram();
}
