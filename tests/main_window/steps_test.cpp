// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include "support/window_harness.h"

namespace {

void click(const WindowHarness& h, Button b) {
    h.button(b)->click();
}
// Closes a secondary window by its Close button or from its frame; a window that is not there
// fails the row, which then goes on.
void close(QWidget* window, bool fromFrame) {
    if (window == nullptr) {
        ADD_FAILURE() << "the window to close is not open";
    } else if (fromFrame) {
        closeFromFrame(window);
    } else {
        window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }
}

// What a user (or a timer) does, one letter each.
const std::map<char, std::function<void(const WindowHarness&)>> kActs = {
    {'T', [](const WindowHarness& h) { click(h, Button::ThrowDice); }},
    {'R', [](const WindowHarness& h) { h.rollBothDice(); }},
    {'D', [](const WindowHarness& h) { click(h, Button::StopDice); }},
    {'A', [](const WindowHarness& h) { click(h, Button::Automatic); }},
    {'k', [](const WindowHarness& h) { h.window->runStep(); }},
    {'K', [](const WindowHarness& h) { h.runToItsEnd(); }},
    {'9',
     [](const WindowHarness& h) {
         for (int tick = 0; tick < 999; ++tick) {
             h.window->runStep();
         }
     }},
    {'S', [](const WindowHarness& h) { click(h, Button::Stop); }},
    {'I', [](const WindowHarness& h) { click(h, Button::Init); }},
    {'G', [](const WindowHarness& h) { click(h, Button::GraphDisplay); }},
    {'g', [](const WindowHarness& h) { close(h.window->graphWindow(), false); }},
    {'f', [](const WindowHarness& h) { close(h.window->graphWindow(), true); }},
    {'H', [](const WindowHarness& h) { click(h, Button::Help); }},
    {'h', [](const WindowHarness& h) { close(h.window->helpWindow(), false); }},
    {'e', [](const WindowHarness& h) { close(h.window->helpWindow(), true); }},
    {'V', [](const WindowHarness& h) { h.window->onActivated(); }},
    {'E',
     [](const WindowHarness& h) { QTest::keyClick(h.button(Button::ThrowDice), Qt::Key_Return); }},
    {'w', [](const WindowHarness& /*h*/) { QTest::qWait(150); }},
};

// What a pupil sees and what moves, as one line: the usable buttons, and "Results" when they
// can be taken away | the three values | the
// table's non-zero cells as large-small:count | the windows shown (E experiment, G graph,
// H help) | the timers ticking (1, 2 the dice, 3 the run) | the faces shown, large and small.
// Blank is "-".
QString stateOf(const WindowHarness& harness) {
    static const char* const names[] = {"Automatic", "StopDice",     "Stop", "Exit",
                                        "Init",      "GraphDisplay", "Help", "ThrowDice"};
    QStringList usable;
    for (Button button : harness.usableButtons()) {
        usable << names[static_cast<int>(button)];
    }
    if (harness.window->findChild<QMenu*>()->actions().first()->isEnabled()) {
        usable << "Results";
    }
    QStringList cells;
    for (int cell = 0; cell < 36; ++cell) {
        const QString id = QStringLiteral("%1%2").arg(cell / 6 + 1).arg(cell % 6 + 1);
        const QString count = harness.cell(cell / 6 + 1, cell % 6 + 1);
        cells << (count.isEmpty() || count == "0" ? QString() : id + ":" + count);
    }
    cells.removeAll(QString());
    const ExperimentWindow& window = *harness.window;
    QString shown;
    for (const auto& [letter, w] : {std::pair<QChar, const QWidget*>{'E', &window},
                                    {'G', window.graphWindow()},
                                    {'H', window.helpWindow()}}) {
        shown += w != nullptr && w->isVisible() ? QString(letter) : QString();
    }
    QStringList parts = {usable.join(' '),
                         QStringList{harness.value(Value::ExperimentCount),
                                     harness.value(Value::OddCount), harness.value(Value::Ratio)}
                             .join(' ')
                             .trimmed(),
                         cells.join(' '),
                         shown,
                         QString("123")
                             .remove(harness.moving(Timer::LargeDie) ? "" : "1")
                             .remove(harness.moving(Timer::SmallDie) ? "" : "2")
                             .remove(harness.moving(Timer::Run) ? "" : "3"),
                         harness.facesShown()};
    parts.replaceInStrings(QRegularExpression("^$"), "-");
    return parts.join(" | ");
}

const QString kReady = "Automatic Exit Init GraphDisplay Help ThrowDice Results";
const QString kAfterInit = "Automatic Exit Init Help ThrowDice Results";
const QString kFinished =
    "Exit Init GraphDisplay Help Results | 1000 1000 1.000 | 11:1000 | E | - | 11";

// From start-up, each script of acts (with the faces the dice show, in the order they are
// rolled) leads to its state.
TEST(Steps, LeadToTheirState) {
    const std::vector<std::tuple<const char*, const char*, const char*, QString>> sequences = {
        {"start-up", "", "", kReady + " | - | - | E | - | 11"},
        {"Throw spins both dice", "", "T", "StopDice | - | - | E | 12 | 11"},
        {"Stop the dice records the faces shown", "1135", "TRD",
         kReady + " | 1 1 1.000 | 35:1 | E | - | 35"},
        {"the throw shows new faces at once, and Stop records them", "35", "TD",
         kReady + " | 1 1 1.000 | 35:1 | E | - | 35"},
        {"Return clicks at once: a click right after it finds the buttons set", "", "EAw",
         "StopDice | - | - | E | 12 | 11"},
        {"Automatic starts the run", "", "A", "Stop | - | - | E | 3 | 11"},
        {"Stop ends the run", "112235", "AkkkS",
         kReady + " | 3 2 0.667 | 11:1 22:1 35:1 | E | - | 35"},
        {"a run continues from the count", "112213", "TRDAkS",
         kReady + " | 2 1 0.500 | 13:1 22:1 | E | - | 13"},
        {"the tick of the 1000th experiment leaves the run going", "", "A9k",
         "Stop | 1000 1000 1.000 | 11:1000 | E | 3 | 11"},
        {"the next tick ends the run", "", "A9kk", kFinished},
        {"Stop between them leaves Automatic usable", "", "A9kS",
         kReady + " | 1000 1000 1.000 | 11:1000 | E | - | 11"},
        {"Automatic at 1000 ends at its first tick", "", "A9kSAk", kFinished},
        {"a run to its end", "", "AK", kFinished},
        {"Init starts afresh", "1122", "TRDI", kAfterInit + " | 0 0 0.000 | - | E | - | 22"},
        {"Graph display replaces the window", "", "G", kReady + " | - | - | G | - | 11"},
        {"the graph's Close brings it back activated", "1135", "TRDGg",
         kReady + " | 1 1 1.000 | 35:1 | E | - | 11"},
        {"the graph's frame close brings it back", "", "Gf", kReady + " | - | - | E | - | 11"},
        {"Help opens beside", "", "H", kReady + " | - | - | EH | - | 11"},
        {"the help's Close activates the window after Init", "", "IHh",
         kReady + " | 0 0 0.000 | - | E | - | 11"},
        {"the help's frame close only hides it", "", "He", kReady + " | - | - | E | - | 11"},
        {"activation leaves spinning dice stoppable", "", "TV", "StopDice | - | - | E | 12 | 11"},
        {"activation leaves a run stoppable", "46", "AkV", "Stop | 1 0 0.000 | 46:1 | E | 3 | 46"},
    };
    for (const auto& [name, faces, acts, state] : sequences) {
        const WindowHarness harness;
        for (const char* face = faces; *face != '\0'; ++face) {
            harness.random->queueFace(*face - '0');
        }
        harness.start();
        for (const char* act = acts; *act != '\0'; ++act) {
            kActs.at (*act)(harness);
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_EQ(stateOf(harness), state) << name;
    }
}

// With the keyboard alone (Space, Tab, Shift+Tab; then ticks of the run, -1: to its end):
// where the focus lands, and what a screen reader is told, once, when a result is there.
TEST(Steps, TheKeyboardLandsWhereThePupilGoesOnAndResultsAreAnnouncedOnce) {
    const WindowHarness harness;
    harness.random->queueFace(3);
    harness.random->queueFace(5);
    harness.start();
    harness.button(Button::ThrowDice)->setFocus();
    QString progress;
    for (int count = 200; count <= 1000; count += 100) {
        progress += QString("%1 experiments, ratio 1.000.|").arg(count);
    }
    const std::vector<std::tuple<const char*, int, Button, QString>> steps = {
        {" ", 0, Button::StopDice, ""},
        {" ", 0, Button::ThrowDice,
         "Large 3, small 5: odd product. 1 experiment, 1 odd, ratio 1.000."},
        {" ", 0, Button::StopDice, ""},
        {" ", 0, Button::ThrowDice,
         "Large 1, small 1: odd product. 2 experiments, 2 odd, ratio 1.000."},
        {"\t ", 98, Button::Stop, "100 experiments, ratio 1.000."},
        {" ", 0, Button::Automatic,
         "Large 1, small 1: odd product. 100 experiments, 100 odd, ratio 1.000. Stopped."},
        {" ", -1, Button::GraphDisplay,
         progress + "Large 1, small 1: odd product. 1000 experiments, 1000 odd, ratio 1.000. Run "
                    "finished."},
        {"< ", 0, Button::Init, "Started afresh."},
    };
    for (const auto& [keys, ticks, focus, said] : steps) {
        const int before = harness.announcer->said.size();
        for (const char* key = keys; *key != '\0'; ++key) {
            QTest::keyClick(harness.window->focusWidget(), *key == ' '   ? Qt::Key_Space
                                                           : *key == '<' ? Qt::Key_Backtab
                                                                         : Qt::Key_Tab);
        }
        for (int tick = 0; tick != ticks && harness.moving(Timer::Run); ++tick) {
            harness.window->runStep();
        }
        EXPECT_EQ(harness.window->focusWidget(), harness.button(focus)) << said;
        EXPECT_EQ(harness.announcer->said.mid(before).join('|'), said);
    }
}

}  // namespace
