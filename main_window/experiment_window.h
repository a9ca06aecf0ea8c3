// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "activation.h"
#include "button_states.h"
#include "control_table.h"
#include "experiment_services.h"
#include "tally.h"
#include "throws_csv.h"

class QLabel;
class QPushButton;
class QTimer;
class ExperimentResults;
class GraphWindow;
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
    [[nodiscard]] GraphWindow* graphWindow() const;
    [[nodiscard]] HelpWindow* helpWindow() const { return help_.get(); }
    // What the results can be made into, and where throws come back from.
    [[nodiscard]] ExperimentResults* results() const { return results_; }
    // The controls, by what they are.
    [[nodiscard]] QPushButton* button(buttons::Button which) const;
    [[nodiscard]] QLabel* valueLabel(controls::Value which) const;
    [[nodiscard]] QLabel* cell(int large, int small) const;
    [[nodiscard]] QTimer* timer(controls::Timer which) const;
    // The picture of a die's face: `face` 1 to 6.
    [[nodiscard]] QWidget* dieFace(experiment::Die die, int face) const;

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
    // Throws opened from files replace the experiment, as if thrown by hand.
    void replaceThrows(const std::vector<experiment::Faces>& throws);

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
    void applyButtonStep(buttons::Step step);
    void rollDie(experiment::Die die);
    void showFace(experiment::Die die, std::int16_t face);
    // Records the faces the dice show as one experiment, and shows the tally.
    void recordThrow();
    // At the count's limit the throw buttons are disabled, and the pupil is told why.
    void stopAtTheLimit();
    void showTally();
    // The latest experiment and the totals, as a screen reader announces them.
    [[nodiscard]] QString latestResult() const;
    void announce(const QString& text);
    void playChime(const QString& fileName);
    [[nodiscard]] bool diceOrRunMoving() const;

    ExperimentServices services_;
    experiment::DieRoller roller_;
    experiment::Tally tally_;
    // The faces the dice show, large then small.
    std::array<std::int16_t, 2> faces_{};

    platform::ActivationTracker* activation_;
    ExperimentResults* results_;
    QTimer* largeDieTimer_ = nullptr;
    QTimer* smallDieTimer_ = nullptr;
    QTimer* runTimer_ = nullptr;
    std::array<QPushButton*, buttons::kButtonCount> buttons_{};
    // Indexed by face - 1.
    std::array<QWidget*, experiment::kFaces> largeDieFaces_{};
    std::array<QWidget*, experiment::kFaces> smallDieFaces_{};
    // Indexed by large face - 1, then small face - 1.
    std::array<std::array<QLabel*, experiment::kFaces>, experiment::kFaces> cells_{};
    QLabel* countLabel_ = nullptr;
    QLabel* oddCountLabel_ = nullptr;
    QLabel* ratioLabel_ = nullptr;
    bool shownBefore_ = false;

    // Top-level windows have no parent: the graph window deletes itself when closed, the
    // help window, only ever hidden, belongs to this one.
    QPointer<GraphWindow> graph_;
    std::unique_ptr<HelpWindow> help_;
};
