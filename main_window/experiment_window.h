// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "experiment_core/experiment_session.h"
#include "main_window/button_states.h"
#include "main_window/control_table.h"
#include "main_window/experiment_services.h"
#include "platform/activation.h"

class QLabel;
class QPushButton;
class DieView;
class ExperimentResults;
class GraphWindow;
class HelpWindow;

// The experiment window: the dice, the table of face pairs, the summary and the buttons, a
// view of the experiment session it holds. It lives as long as the program, and opens the
// graph and help windows.
class ExperimentWindow : public QWidget {
    Q_OBJECT
public:
    explicit ExperimentWindow(ExperimentServices services = systemServices(),
                              QWidget* parent = nullptr);
    ~ExperimentWindow() override;

    // The experiment this window shows and commands.
    [[nodiscard]] experiment_core::ExperimentSession* session() const { return session_; }
    [[nodiscard]] GraphWindow* graphWindow() const;
    [[nodiscard]] HelpWindow* helpWindow() const { return help_.get(); }
    // What the results can be made into, and where throws come back from.
    [[nodiscard]] ExperimentResults* results() const { return results_; }
    // The controls, by what they are.
    [[nodiscard]] QPushButton* button(main_window::Button which) const;
    [[nodiscard]] QLabel* valueLabel(main_window::Value which) const;
    [[nodiscard]] QLabel* cell(int large, int small) const;
    [[nodiscard]] DieView* die(experiment_core::Die which) const;

    // The window became the active one: the session's activation step.
    void onActivated();
    // The commands of the window itself: "Init", "Graph display", "Help", "Exit".
    void startAfresh();
    void showGraph();
    void showHelp();
    void exitProgram();

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
    void connectButtons();
    void applyButtonStep(main_window::Step step);
    void showFace(experiment_core::Die die, int face);
    void showTally();

    ExperimentServices services_;
    experiment_core::ExperimentSession* session_;
    main_window::ButtonStates buttonStates_;
    platform::ActivationTracker* activation_;
    ExperimentResults* results_;
    std::array<QPushButton*, main_window::kButtonCount> buttons_{};
    DieView* largeDie_ = nullptr;
    DieView* smallDie_ = nullptr;
    // Indexed by large face - 1, then small face - 1.
    std::array<std::array<QLabel*, experiment_core::kFaces>, experiment_core::kFaces> cells_{};
    QLabel* countLabel_ = nullptr;
    QLabel* oddCountLabel_ = nullptr;
    QLabel* ratioLabel_ = nullptr;
    bool shownBefore_ = false;

    // Top-level windows have no parent: the graph window deletes itself when closed, the
    // help window, only ever hidden, belongs to this one.
    QPointer<GraphWindow> graph_;
    std::unique_ptr<HelpWindow> help_;
};
