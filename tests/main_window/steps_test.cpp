// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "support/window_harness.h"

namespace {

// What a user (or a timer) does.
using Act = void (*)(const WindowHarness&);
void click(const WindowHarness& h, Button b) {
    h.button(b)->click();
}
void clickClose(QWidget* window) {
    window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
}
const Act kThrow = [](const WindowHarness& h) { click(h, Button::ThrowDice); };
const Act kRoll = [](const WindowHarness& h) {  // a tick of each die's timer
    h.window->rollLargeDie();
    h.window->rollSmallDie();
};
const Act kStopDice = [](const WindowHarness& h) { click(h, Button::StopDice); };
const Act kAutomatic = [](const WindowHarness& h) { click(h, Button::Automatic); };
const Act kTick = [](const WindowHarness& h) { h.window->runStep(); };
const Act kRunOn = [](const WindowHarness& h) {  // until the run stops by itself
    while (h.moving(3)) {
        h.window->runStep();
    }
};
const Act kStop = [](const WindowHarness& h) { click(h, Button::Stop); };
const Act kInit = [](const WindowHarness& h) { click(h, Button::Init); };
const Act kGraph = [](const WindowHarness& h) { click(h, Button::GraphDisplay); };
const Act kCloseGraph = [](const WindowHarness& h) { clickClose(h.window->graphWindow()); };
const Act kFrameCloseGraph = [](const WindowHarness& h) {
    closeFromFrame(h.window->graphWindow());
};
const Act kHelp = [](const WindowHarness& h) { click(h, Button::Help); };
const Act kCloseHelp = [](const WindowHarness& h) { clickClose(h.window->helpWindow()); };
const Act kFrameCloseHelp = [](const WindowHarness& h) { closeFromFrame(h.window->helpWindow()); };
const Act kActivate = [](const WindowHarness& h) { h.window->onActivated(); };

// What a pupil sees and what moves, as one line: the usable buttons | the three values | the
// table's non-zero cells as large-small:count | the windows shown (E experiment, G graph,
// H help) | the timers ticking (1, 2 the dice, 3 the run) | the faces shown, large and small.
// Blank is "-".
QString stateOf(const WindowHarness& harness) {
    static const char* const names[] = {"Automatic", "StopDice",     "Stop", "Exit",
                                        "Init",      "GraphDisplay", "Help", "ThrowDice"};
    QStringList parts;
    QStringList usable;
    for (Button button : harness.usableButtons()) {
        usable << names[static_cast<int>(button)];
    }
    parts << usable.join(' ')
          << QStringList{harness.label("Label17"), harness.label("Label4"), harness.label("Label8")}
                 .join(' ')
                 .trimmed();
    QStringList cells;
    for (int cell = 11; cell <= 66; ++cell) {
        auto* label = harness.window->findChild<QLabel*>(QStringLiteral("d%1").arg(cell));
        if (label != nullptr && !label->text().isEmpty() && label->text() != "0") {
            cells << QStringLiteral("%1:%2").arg(cell).arg(label->text());
        }
    }
    parts << cells.join(' ');
    const ExperimentWindow& window = *harness.window;
    const auto shown = [](const QWidget* w, const char* letter) {
        return w != nullptr && w->isVisible() ? QString(letter) : QString();
    };
    parts << shown(&window, "E") + shown(window.graphWindow(), "G") +
                 shown(window.helpWindow(), "H");
    QString moving;
    for (int timer = 1; timer <= 3; ++timer) {
        moving += harness.moving(timer) ? QString::number(timer) : QString();
    }
    parts << moving << QStringLiteral("%1%2").arg(harness.faceShown(1)).arg(harness.faceShown(2));
    for (QString& part : parts) {
        part = part.isEmpty() ? QStringLiteral("-") : part;
    }
    return parts.join(" | ");
}

struct Sequence {
    const char* name;
    std::vector<int> faces;  // the faces the dice show, in the order they are rolled
    std::vector<Act> acts;
    QString state;
};

void PrintTo(const Sequence& sequence, std::ostream* os) {
    *os << sequence.name;
}

const QString kReady = "Automatic Exit Init GraphDisplay Help ThrowDice";
const QString kAfterInit = "Automatic Exit Init Help ThrowDice";

class Steps : public ::testing::TestWithParam<Sequence> {};

// From start-up, the acts lead to the expected buttons, values, table, windows and timers.
TEST_P(Steps, LeadToTheirState) {
    const WindowHarness harness;
    for (int face : GetParam().faces) {
        harness.random->queueFace(face);
    }
    harness.start();
    for (Act act : GetParam().acts) {
        act(harness);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(stateOf(harness).toStdString(), GetParam().state.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    ExperimentWindow, Steps,
    ::testing::Values(
        Sequence{"StartUp", {}, {}, kReady + " | - | - | E | - | 11"},
        Sequence{"ThrowSpinsBothDice", {}, {kThrow}, "StopDice | - | - | E | 12 | 11"},
        Sequence{"StopTheDiceRecordsTheFacesShown",
                 {3, 5},
                 {kThrow, kRoll, kStopDice},
                 kReady + " | 1 1 1.000 | 35:1 | E | - | 35"},
        Sequence{"AutomaticStartsTheRun", {}, {kAutomatic}, "Stop | - | - | E | 3 | 11"},
        Sequence{"StopEndsTheRun",
                 {1, 1, 2, 2, 3, 5},
                 {kAutomatic, kTick, kTick, kTick, kStop},
                 kReady + " | 3 2 0.667 | 11:1 22:1 35:1 | E | - | 35"},
        Sequence{"ARunContinuesFromTheCount",
                 {2, 2, 1, 3},
                 {kThrow, kRoll, kStopDice, kAutomatic, kTick, kStop},
                 kReady + " | 2 1 0.500 | 13:1 22:1 | E | - | 13"},
        Sequence{"TheRunEndsByItselfAtAThousand",
                 {},
                 {kAutomatic, kRunOn},
                 "Exit Init GraphDisplay Help | 1000 1000 1.000 | 11:1000 | E | - | 11"},
        Sequence{"InitStartsAfresh",
                 {2, 2},
                 {kThrow, kRoll, kStopDice, kInit},
                 kAfterInit + " | 0 0 0.000 | - | E | - | 22"},
        Sequence{"GraphDisplayReplacesTheWindow", {}, {kGraph}, kReady + " | - | - | G | - | 11"},
        Sequence{"GraphCloseBringsItBackActivated",
                 {3, 5},
                 {kThrow, kRoll, kStopDice, kGraph, kCloseGraph},
                 kReady + " | 1 1 1.000 | 35:1 | E | - | 11"},
        Sequence{"GraphFrameCloseBringsItBack",
                 {},
                 {kGraph, kFrameCloseGraph},
                 kReady + " | - | - | E | - | 11"},
        Sequence{"HelpOpensBeside", {}, {kHelp}, kReady + " | - | - | EH | - | 11"},
        Sequence{"HelpCloseActivatesTheWindowAfterInit",
                 {},
                 {kInit, kHelp, kCloseHelp},
                 kReady + " | 0 0 0.000 | - | E | - | 11"},
        Sequence{"HelpFrameCloseOnlyHidesIt",
                 {},
                 {kHelp, kFrameCloseHelp},
                 kReady + " | - | - | E | - | 11"},
        Sequence{"ActivationLeavesSpinningDiceStoppable",
                 {},
                 {kThrow, kActivate},
                 "StopDice | - | - | E | 12 | 11"},
        Sequence{"ActivationLeavesARunStoppable",
                 {4, 6},
                 {kAutomatic, kTick, kActivate},
                 "Stop | 1 0 0.000 | 46:1 | E | 3 | 46"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
