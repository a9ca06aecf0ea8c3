// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <map>
#include <random>

#include "experiment_core/mixing_generator.h"
#include "support/files.h"
#include "support/window_harness.h"

namespace {

// Window 0 the experiment window, 1 the graph, 2 the help window, when shown.
QWidget* shown(const WindowHarness& h, int which) {
    QWidget* const windows[] = {h.window.get(), h.window->graphWindow(), h.window->helpWindow()};
    return windows[which] != nullptr && windows[which]->isVisible() ? windows[which] : nullptr;
}
// A click on a button of the experiment window, which a person makes only while it is shown.
std::function<void(const WindowHarness&)> click(Button b) {
    return [b](const WindowHarness& h) { shown(h, 0) ? h.button(b)->click() : void(); };
}
// Ticks of the run's timer, which come only while it runs: `count` of them, or (-1) until
// the run ends.
std::function<void(const WindowHarness&)> ticks(int count) {
    return [count](const WindowHarness& h) {
        for (int i = 0; i != count && h.moving(Timer::Run); ++i) {
            h.window->session()->runStep();
        }
    };
}
// Closes a shown secondary window by its Close button or from its frame.
std::function<void(const WindowHarness&)> close(int which, bool fromFrame) {
    return [which, fromFrame](const WindowHarness& h) {
        QWidget* window = shown(h, which);
        window == nullptr ? void()
        : fromFrame       ? closeFromFrame(window)
                          : window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    };
}

// What a user (or a timer) does, one letter each.
const std::map<char, std::function<void(const WindowHarness&)>> kActs = {
    {'T', click(Button::ThrowDice)},
    {'D', click(Button::StopDice)},
    {'A', click(Button::Automatic)},
    {'I', click(Button::Init)},
    {'G', click(Button::GraphDisplay)},
    {'H', click(Button::Help)},
    {'R', [](const WindowHarness& h) { h.moving(Timer::LargeDie) ? h.rollBothDice() : void(); }},
    {'K', ticks(-1)},
    {'S', click(Button::Stop)},
    {'k', ticks(1)},
    {'9', ticks(999)},
    {'O',  // "Open throws..." from the menu, a file of one throw: 3 and 5
     [](const WindowHarness& h) {
         static const QTemporaryDir folder;
         h.dialog->opened = {folder.filePath("one.csv")};
         write(h.dialog->opened[0],
               "experiment,large,small,odd,odd_so_far,ratio\r\n1,3,5,1,1,1.000\r\n");
         for (QAction* entry : h.window->findChild<QMenu*>()->actions()) {
             entry->text() == "Open throws..." ? entry->trigger() : void();
         }
     }},
    {'g', close(1, false)},
    {'f', close(1, true)},
    {'h', close(2, false)},
    {'e', close(2, true)},
    {'F',  // to another application's window and back
     [](const WindowHarness& h) {
         QWidget other;
         for (QWidget* window : {&other, static_cast<QWidget*>(h.window.get())}) {
             window->show();
             window->activateWindow();
             QApplication::processEvents();
         }
     }},
    {'E',
     [](const WindowHarness& h) { QTest::keyClick(h.button(Button::ThrowDice), Qt::Key_Return); }},
    {'w', [](const WindowHarness& /*h*/) { QTest::qWait(150); }},
    {'r',  // a held key's repeats, Return and Space, on the focused button
     [](const WindowHarness& h) {
         for (const int key : {Qt::Key_Return, Qt::Key_Space}) {
             for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                 QKeyEvent repeat(type, key, Qt::NoModifier, QString(), true);
                 QApplication::sendEvent(h.window->focusWidget(), &repeat);
             }
         }
     }},
    {'B',  // to another window, which stays active
     [](const WindowHarness& h) {
         auto* other = new QWidget(h.window.get(), Qt::Window);
         other->show();
         other->activateWindow();
         QApplication::processEvents();
     }},
};

void act(const WindowHarness& harness, char letter) {
    kActs.at(letter)(harness);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What a pupil sees and what moves, as one line: the usable buttons, and "Results" when every
// entry of the menu is (some, never) | the three values | the table's non-zero cells as
// large-small:count | the windows shown (E experiment, G graph, H help) | the timers ticking (1, 2
// the dice, 3 the run) | the faces shown, large and small | the button a key would press. Blank is
// "-".
QString stateOf(const WindowHarness& harness) {
    static const char* const names[] = {"Automatic", "StopDice",     "Stop", "Exit",
                                        "Init",      "GraphDisplay", "Help", "ThrowDice"};
    QStringList usable;
    for (Button button : harness.usableButtons()) {
        usable << names[static_cast<int>(button)];
    }
    const QList<QAction*> entries = harness.window->findChild<QMenu*>()->actions();
    const auto on = std::count_if(entries.begin(), entries.end(),
                                  [](const QAction* entry) { return entry->isEnabled(); });
    on == 0 ? void() : void(usable << (on == entries.size() ? "Results" : "SomeResults"));
    QString cells;
    for (int cell = 0; cell < 36; ++cell) {
        const QString count = harness.cell(cell / 6 + 1, cell % 6 + 1);
        cells += count.isEmpty() || count == "0"
                     ? ""
                     : QStringLiteral(" %1%2:%3").arg(cell / 6 + 1).arg(cell % 6 + 1).arg(count);
    }
    QString windows;
    QString timers;
    for (int i = 0; i < 3; ++i) {
        windows += shown(harness, i) != nullptr ? QString("EGH").mid(i, 1) : "";
        timers += harness.moving(Timer(i)) ? QString::number(i + 1) : "";
    }
    const QString values = harness.value(Value::ExperimentCount) + " " +
                           harness.value(Value::OddCount) + " " + harness.value(Value::Ratio);
    QStringList parts = {usable.join(' '),
                         values.trimmed(),
                         cells.trimmed(),
                         windows,
                         timers,
                         harness.facesShown(),
                         harness.window->focusWidget()->objectName()};
    parts.replaceInStrings(QRegularExpression("^$"), "-");
    return parts.join(" | ");
}

const QString kReady = "Automatic Exit Init GraphDisplay Help ThrowDice Results";
const QString kAfterInit = "Automatic Exit Init Help ThrowDice Results";
// While a run goes, Stop alone (and no entry of the menu).
const QString kRunning = "Stop |";
const QString kOneThrow = " | 1 1 1.000 | 35:1 | E | - | ";
const QString kFinished =
    "Exit Init GraphDisplay Help Results | 1000 1000 1.000 | 11:1000 | E | - | 11";

// From start-up, each script of acts (with the faces the dice show, in the order they are
// rolled) leads to what the window shows.
TEST(Steps, LeadToTheirState) {
    const std::vector<std::tuple<const char*, const char*, const char*, QString>> sequences = {
        {"start-up: a first key throws the dice", "", "",
         kReady + " | - | - | E | - | 11 | Command8"},
        {"the window shows the faces Stop the dice records", "1135", "TRD",
         kReady + kOneThrow + "35 | Command8"},
        {"the window shows a run to its end", "", "AK", kFinished + " | Command6"},
        {"a run ending behind another window leaves a key on the next step", "", "ABK",
         kFinished + " | Command6"},
        {"Return clicks at once: a click right after it finds the buttons set", "", "EAw",
         "StopDice | - | - | E | 12 | 11 | Command2"},
        {"a held key clicks once", "", "Err", "StopDice | - | - | E | 12 | 11 | Command2"},
        {"Init starts afresh", "1122", "TRDI",
         kAfterInit + " | 0 0 0.000 | - | E | - | 22 | Command8"},
        {"Graph display replaces the window", "", "G", kReady + " | - | - | G | - | 11 | Command8"},
        {"the graph's Close brings it back activated", "1135", "TRDGg",
         kReady + kOneThrow + "11 | Command8"},
        {"the graph's frame close brings it back", "", "Gf",
         kReady + " | - | - | E | - | 11 | Command8"},
        {"Help opens beside", "", "H", kReady + " | - | - | EH | - | 11 | Command8"},
        {"the help's Close activates the window after Init", "", "IHh",
         kReady + " | 0 0 0.000 | - | E | - | 11 | Command8"},
        {"the help's frame close only hides it", "", "He",
         kReady + " | - | - | E | - | 11 | Command8"},
        {"coming back from another program is no activation", "35", "TDF",
         kReady + kOneThrow + "35 | Command8"},
        {"Automatic starts the run", "", "A", kRunning + " - | - | E | 3 | 11 | Command3"},
        {"Stop ends the run", "112235", "AkkkS",
         kReady + " | 3 2 0.667 | 11:1 22:1 35:1 | E | - | 35 | Command1"},
        {"a run continues from the count", "112213", "TRDAkS",
         kReady + " | 2 1 0.500 | 13:1 22:1 | E | - | 13 | Command1"},
        {"the tick of the 1000th experiment leaves the run going", "", "A9k",
         kRunning + " 1000 1000 1.000 | 11:1000 | E | 3 | 11 | Command3"},
        {"Stop between them leaves Automatic usable", "", "A9kS",
         kReady + " | 1000 1000 1.000 | 11:1000 | E | - | 11 | Command1"},
        {"Automatic at 1000 ends at its first tick", "", "A9kSAk", kFinished + " | Command6"},
        {"the help's Close leaves spinning dice stoppable", "", "HTh",
         "StopDice | - | - | E | 12 | 11 | Command2"},
        {"the help's Close leaves a run stoppable", "46", "HAkh",
         kRunning + " 1 0 0.000 | 46:1 | E | 3 | 46 | Command3"},
        {"Open shows the file's throws", "", "O", kReady + kOneThrow + "35 | Command8"},
        {"Open is not offered while a run goes", "", "AO",
         kRunning + " - | - | E | 3 | 11 | Command3"},
    };
    for (const auto& [name, faces, acts, state] : sequences) {
        const WindowHarness harness;
        for (const char* face = faces; *face != '\0'; ++face) {
            harness.random->queueFace(*face - '0');
        }
        harness.start();
        for (const char* letter = acts; *letter != '\0'; ++letter) {
            act(harness, *letter);
        }
        EXPECT_EQ(stateOf(harness), state) << name;
    }
}

// A run started and left to its end with the keyboard alone: a screen reader is told how it
// goes every hundred experiments, then, once, the last result and that the run finished; the
// focus lands on "Graph display", the next thing to do. (Throws by hand, a stopped run and
// Init are heard, with the focus after each, in the end-to-end tour.)
TEST(Steps, ARunByKeyboardIsHeardEveryHundredAndEndsOnTheGraphButton) {
    const WindowHarness harness;
    harness.start();
    harness.button(Button::Automatic)->setFocus();
    QTest::keyClick(harness.button(Button::Automatic), Qt::Key_Space);
    ticks(-1)(harness);
    QString said;
    for (int count = 100; count <= 1000; count += 100) {
        said += QString("%1 experiments, ratio 1.000.|").arg(count);
    }
    EXPECT_EQ(harness.announcer->said.join('|'),
              said +
                  "Large 1, small 1: odd product. 1000 experiments, 1000 odd, ratio 1.000. "
                  "Run finished.");
    EXPECT_EQ(harness.window->focusWidget(), harness.button(Button::GraphDisplay));
}

// Random acts through the window, ticks dominating as in real time, Init and Stop rare enough
// for runs to reach 1000 now and then, the graph and help opening and closing; the window
// starts at the counter's 16-bit limit, past which no throw counts and the throw buttons are
// off. After every act the tally holds the test's own count of the faces it recorded (a count
// one higher: the faces shown were recorded), the ratio is the odd count over the count, the
// history has no entry past the count, and the pupil is never stuck. The time is printed.
TEST(Steps, RandomActsKeepEveryRuleAndNeverGetStuck) {
    const std::string letters = "ADSITRkGgHh";
    const std::vector<double> weights = {3, 4, 0.4, 0.3, 4, 12, 60, 0.5, 1, 0.5, 1};
    std::mt19937 rng(20221207);  // NOLINT(cert-msc32-c,cert-msc51-cpp): fixed on purpose
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    const WindowHarness h(std::make_unique<experiment_core::MixingGenerator>(rng()));
    h.start();
    for (int n = 0; n < 32767; ++n) {
        h.window->session()->throwDice();
        h.window->session()->stopDice();
    }
    ASSERT_FALSE(h.button(Button::ThrowDice)->isEnabled() ||
                 h.button(Button::Automatic)->isEnabled());
    const experiment_core::Tally& tally = h.window->session()->tally();
    std::array<int, 36> cells{};
    for (int cell = 0; cell < 36; ++cell) {
        cells.at(cell) = tally.pairCount(cell / 6 + 1, cell % 6 + 1);
    }
    int count = 32767;
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 100000 && !HasFatalFailure(); ++i) {
        act(h, letters.at(pick(rng)));
        const experiment_core::ExperimentRecord& record = tally.record();
        if (record.experimentCount == 0) {
            cells = {};
            count = 0;
        } else if (record.experimentCount == count + 1) {
            const QString faces = h.facesShown();
            ++cells.at((faces.at(0).digitValue() - 1) * 6 + faces.at(1).digitValue() - 1);
            ++count;
        }
        int odd = 0;
        for (int cell = 0; cell < 36; ++cell) {
            odd += cell / 6 % 2 == 0 && cell % 6 % 2 == 0 ? cells.at(cell) : 0;
            ASSERT_EQ(tally.pairCount(cell / 6 + 1, cell % 6 + 1), cells.at(cell));
        }
        ASSERT_EQ(std::pair(int{record.experimentCount}, int{record.oddCount}),
                  std::pair(count, odd));
        ASSERT_EQ(record.oddRatio, count > 0 ? static_cast<float>(1.0 * odd / count) : 0.0F);
        for (int n = record.experimentCount + 1; n <= experiment_core::kExperimentLimit; ++n) {
            ASSERT_EQ(record.ratioHistory.at(n), 0.0F) << n;
        }
        // Stop the dice usable exactly while the dice spin, Stop only while a run goes, and
        // some button that does something, or a run that ends by itself.
        const auto usable = [&h](Button which) { return h.button(which)->isEnabled(); };
        ASSERT_EQ(usable(Button::StopDice), h.moving(Timer::LargeDie) && h.moving(Timer::SmallDie));
        ASSERT_TRUE(!usable(Button::Stop) || h.moving(Timer::Run));
        ASSERT_TRUE(h.moving(Timer::Run) || usable(Button::Init) || usable(Button::StopDice) ||
                    usable(Button::Stop));
    }
    std::cout << "100000 random acts on the window in "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count()
              << " s\n";
}

}  // namespace
