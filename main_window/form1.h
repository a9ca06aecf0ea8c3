#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "activation.h"
#include "form1_services.h"
#include "module1.h"
#include "tally.h"

class QLabel;
class QPushButton;
#include "form2.h"
#include "form4.h"

// The experiment window: the dice, the table of face pairs, the summary and the buttons.
// It lives as long as the program, and opens the graph and help windows.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Form1Services services = systemServices(), QWidget* parent = nullptr);
    ~Form1() override;

    [[nodiscard]] const experiment::Tally& tally() const { return tally_; }
    [[nodiscard]] const experiment::Module1& module1() const { return module1_; }
    [[nodiscard]] Form2* graphWindow() const { return graph_; }
    [[nodiscard]] Form4* helpWindow() const { return help_.get(); }

    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

protected:
    // Closing the window through its frame ends the program as "Exit" does: hiding it would
    // leave the program running with no window to come back to.
    void closeEvent(QCloseEvent* event) override;
    // The first showing runs the activation step even where nothing activates windows (an X
    // server without a window manager); it does nothing more when activation follows.
    void showEvent(QShowEvent* event) override;

private:
    void bindControls();
    void RollDie(experiment::Die die);
    bool RecordThrowCountPhase();
    void RecordThrowTallyPhase();
    void ResetTally();
    void PlayChime(const QString& fileName);
    void showTable();
    [[nodiscard]] bool diceOrRunMoving() const;

    experiment::Module1 module1_;
    experiment::Tally tally_{module1_};
    Form1Services services_;
    experiment::DieRoller roller_;

    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer3;
    // Indexed by the numbers in their names; element 0 is unused.
    std::array<QPushButton*, 9> Command{};
    std::array<QWidget*, 7> Image1{};
    std::array<QWidget*, 7> Image2{};
    std::array<std::array<QLabel*, experiment::kFaces>, experiment::kFaces> cells_{};
    QLabel* Label17 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label8 = nullptr;

    bool shownBefore_ = false;
    platform::ActivationTracker activation_;
    QPointer<Form2> graph_;
    std::unique_ptr<Form4> help_;
};
