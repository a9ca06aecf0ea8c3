// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "experiment_core/die.h"
#include "experiment_core/experiment_session.h"
#include "main_window/button_states.h"

namespace main_window {

enum class Kind { Button, Label, Die, Rule, Timer };

// Where a colour comes from: the desktop's scheme or a fixed value.
enum class Colour { ButtonFace, ButtonText, WindowText, White, LightCyan, Black, Blue };

// The values the summary labels show.
enum class Value { None, ExperimentCount, OddCount, Ratio };

// The session's timers, which the table names and times.
using Timer = experiment_core::Timer;

// A rectangle in twips from the client area's top-left corner. For a rule, its start and
// extent.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// One control of the experiment window. Rows are written with the setters below, which name
// what they set.
struct Control {
    Control(Kind kind, std::string id) : id(std::move(id)), kind(kind) {}

    Control& at(int left, int top, int width, int height);
    Control& captioned(std::string text);
    Control& font(double pointSize, bool isBold);
    Control& coloured(Colour background, Colour text);
    Control& framed(bool hasBorder);
    Control& described(const char* text);
    Control& spokenAs(const char* name);
    Control& showing(Value shown);
    Control& asButton(main_window::Button which);
    Control& asCell(int largeFace, int smallFace);
    Control& inTable();
    Control& asDie(experiment_core::Die which);
    Control& asTimer(Timer which, int milliseconds);

    // The control's id (its object name), as in the design: "Command8", "d35"; a die is
    // "Image1" or "Image2", its six face pictures drawn as one.
    std::string id;
    Kind kind;
    // Shown through the translation of the "ExperimentWindow" context.
    std::string caption;
    Twips place;
    double points = 0.0;
    bool bold = false;
    Colour back = Colour::ButtonFace;
    Colour ink = Colour::ButtonText;
    bool border = false;
    // What a screen reader says the control means, beside the text it shows, and what it
    // calls the control instead of its caption (empty: the caption). Both are translated in
    // the "ExperimentWindow" context, their %1 and %2 filled with the control's numbers: a
    // cell's faces, a header's face, a die's face as it shows. A label that shows a value reads as
    // the spoken form with its text for the last %.
    const char* description = "";
    const char* spoken = "";
    // A header: the face its row (of a large face) or column stands for.
    int header = 0;
    bool rowHeader = false;
    // What the window keeps the control as.
    main_window::Button button = main_window::Button::Automatic;
    Value value = Value::None;
    int large = 0;  // table cells: the pair of faces
    int small = 0;
    // A part of the table of face pairs: a cell, a header or the corner.
    bool table = false;
    experiment_core::Die die = experiment_core::Die::Large;  // dice: which
    Timer timer = Timer::Run;                                // timers: which, and their interval
    int interval = 0;
};

// Every control of the experiment window, in the order the window creates them.
const std::vector<Control>& experimentWindowControls();

}  // namespace main_window
