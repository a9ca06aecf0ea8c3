// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "activation.h"
#include "button_states.h"
#include "experiment_record.h"
#include "experiment_services.h"
#include "tally.h"

class QLabel;
class QPushButton;
class QTimer;
class GraphWindow;
namespace platform {
class TakeAwayMenu;
}
class HelpWindow;

// The experiment window: the dice, the table of face pairs, the summary and the buttons.
// It lives as long as the program, and opens the graph and help windows.
class ExperimentWindow : public QWidget {
    Q_OBJECT
public:
    explicit ExperimentWindow(ExperimentServices services = systemServices(),
                              QWidget* parent = nullptr);
    ~ExperimentWindow() override;

    [[nodiscard]] const experiment::Tally& tally() const { return tally_; }
    [[nodiscard]] const experiment::ExperimentRecord& record() const { return record_; }
    [[nodiscard]] GraphWindow* graphWindow() const { return graph_.get(); }
    [[nodiscard]] HelpWindow* helpWindow() const { return help_.get(); }

    // The window became the active one: both dice show face 1, and only the buttons that
    // make sense at rest are usable.
    void onActivated();
    // The manual experiment: "Throw the dice", the spinning dice, "Stop the dice".
    void throwDice();
    void rollLargeDie();
    void rollSmallDie();
    void stopDice();
    // The automatic run: "Automatic", one experiment a tick, "Stop".
    void startRun();
    void runStep();
    void stopRun();
    // The commands: "Init", "Graph display", "Help", "Exit".
    void startAfresh();
    void showGraph();
    void showHelp();
    void exitProgram();
    // Taking the results away (context menu, Ctrl+C, Ctrl+S), only while nothing moves.
    void copyResults();
    void saveThrows();

protected:
    // Closing the window through its frame ends the program as "Exit" does: hiding it would
    // leave the program running with no window to come back to.
    void closeEvent(QCloseEvent* event) override;
    // The first showing runs the activation step even where nothing activates windows (an X
    // server without a window manager); it does nothing more when activation follows.
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildControls();
    void buildResultsMenu();
    void applyButtonStep(buttons::Step step);
    [[nodiscard]] QPushButton* button(buttons::Button which) const;
    void rollDie(experiment::Die die);
    void tallyExperiment();
    void showCounts();
    void showTable();
    // The latest experiment and the totals, as a screen reader announces them.
    [[nodiscard]] QString latestResult() const;
    void announce(const QString& text);
    void playChime(const QString& fileName);
    [[nodiscard]] bool diceOrRunMoving() const;
    [[nodiscard]] platform::TakeAway takeAway() const;

    experiment::ExperimentRecord record_;
    experiment::Tally tally_{record_};
    ExperimentServices services_;
    experiment::DieRoller roller_;

    QTimer* largeDieTimer_;
    QTimer* smallDieTimer_;
    QTimer* runTimer_;
    std::array<QPushButton*, buttons::kButtonCount> buttons_{};
    // Indexed by face - 1.
    std::array<QWidget*, experiment::kFaces> largeDieFaces_{};
    std::array<QWidget*, experiment::kFaces> smallDieFaces_{};
    // Indexed by large face - 1, then small face - 1.
    std::array<std::array<QLabel*, experiment::kFaces>, experiment::kFaces> cells_{};
    QLabel* countLabel_ = nullptr;
    QLabel* oddCountLabel_ = nullptr;
    QLabel* ratioLabel_ = nullptr;

    platform::TakeAwayMenu* resultsMenu_ = nullptr;
    bool shownBefore_ = false;
    platform::ActivationTracker activation_;
    std::unique_ptr<GraphWindow> graph_;
    std::unique_ptr<HelpWindow> help_;
};
