// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include <QRegularExpression>
#include <QTest>

#include "support/window_harness.h"

namespace {

void click(const WindowHarness& h, Button b) {
    h.button(b)->click();
}
void clickClose(QWidget* window) {
    window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
}

// What a user (or a timer) does, one letter each.
const std::map<char, std::function<void(const WindowHarness&)>> kActs = {
    {'T', [](const WindowHarness& h) { click(h, Button::ThrowDice); }},
    {'R', [](const WindowHarness& h) { h.rollBothDice(); }},
    {'D', [](const WindowHarness& h) { click(h, Button::StopDice); }},
    {'A', [](const WindowHarness& h) { click(h, Button::Automatic); }},
    {'k', [](const WindowHarness& h) { h.window->runStep(); }},
    {'K', [](const WindowHarness& h) { h.runToItsEnd(); }},
    {'S', [](const WindowHarness& h) { click(h, Button::Stop); }},
    {'I', [](const WindowHarness& h) { click(h, Button::Init); }},
    {'G', [](const WindowHarness& h) { click(h, Button::GraphDisplay); }},
    {'g', [](const WindowHarness& h) { clickClose(h.window->graphWindow()); }},
    {'f', [](const WindowHarness& h) { closeFromFrame(h.window->graphWindow()); }},
    {'H', [](const WindowHarness& h) { click(h, Button::Help); }},
    {'h', [](const WindowHarness& h) { clickClose(h.window->helpWindow()); }},
    {'e', [](const WindowHarness& h) { closeFromFrame(h.window->helpWindow()); }},
    {'V', [](const WindowHarness& h) { h.window->onActivated(); }},
    {'E',
     [](const WindowHarness& h) { QTest::keyClick(h.button(Button::ThrowDice), Qt::Key_Return); }},
    {'w', [](const WindowHarness& /*h*/) { QTest::qWait(150); }},
};

// What a pupil sees and what moves, as one line: the usable buttons | the three values | the
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

const QString kReady = "Automatic Exit Init GraphDisplay Help ThrowDice";
const QString kAfterInit = "Automatic Exit Init Help ThrowDice";

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
        {"the run ends by itself at 1000", "", "AK",
         "Exit Init GraphDisplay Help | 1000 1000 1.000 | 11:1000 | E | - | 11"},
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
        EXPECT_EQ(stateOf(harness).toStdString(), state.toStdString()) << name;
    }
}

// With the keyboard alone: where the focus lands after each key, and what a screen reader is
// told, once, when a result is there (the run: every hundred experiments, and at its end).
TEST(Steps, TheKeyboardLandsWhereThePupilGoesOnAndResultsAreAnnouncedOnce) {
    const WindowHarness harness;
    harness.random->queueFace(3);
    harness.random->queueFace(5);
    harness.start();
    harness.button(Button::ThrowDice)->setFocus();
    const auto key = [&harness](Qt::Key pressed) {
        QTest::keyClick(harness.window->focusWidget(), pressed);
    };
    const std::vector<std::tuple<std::function<void()>, Button, QString>> steps = {
        {[&] { key(Qt::Key_Space); }, Button::StopDice, ""},
        {[&] { key(Qt::Key_Space); }, Button::ThrowDice,
         "Large 3, small 5: odd product. 1 experiment, 1 odd, ratio 1.000."},
        {[&] { key(Qt::Key_Space); }, Button::StopDice, ""},
        {[&] { key(Qt::Key_Space); }, Button::ThrowDice,
         "Large 1, small 1: odd product. 2 experiments, 2 odd, ratio 1.000."},
        {[&] {
             key(Qt::Key_Tab);
             key(Qt::Key_Space);
             for (int tick = 0; tick < 98; ++tick) {
                 harness.window->runStep();
             }
         },
         Button::Stop, "100 experiments, ratio 1.000."},
        {[&] { key(Qt::Key_Space); }, Button::Automatic,
         "Large 1, small 1: odd product. 100 experiments, 100 odd, ratio 1.000. Stopped."},
        {[&] {
             key(Qt::Key_Space);
             harness.runToItsEnd();
         },
         Button::GraphDisplay,
         "200 experiments, ratio 1.000.|300 experiments, ratio 1.000.|400 experiments, ratio "
         "1.000.|500 experiments, ratio 1.000.|600 experiments, ratio 1.000.|700 experiments, "
         "ratio 1.000.|800 experiments, ratio 1.000.|900 experiments, ratio 1.000.|1000 "
         "experiments, ratio 1.000.|Large 1, small 1: odd product. 1000 experiments, 1000 odd, "
         "ratio 1.000. Run finished."},
        {[&] { harness.button(Button::Init)->click(); }, Button::ThrowDice, "Started afresh."},
    };
    for (const auto& [act, focus, said] : steps) {
        const int before = harness.announcer->said.size();
        act();
        EXPECT_EQ(harness.window->focusWidget(), harness.button(focus)) << said.toStdString();
        EXPECT_EQ(harness.announcer->said.mid(before).join('|').toStdString(), said.toStdString());
    }
}

}  // namespace
