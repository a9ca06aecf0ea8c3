// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/control_table.h"

#include <QtGlobal>
#include <array>
#include <utility>

namespace main_window {

Control& Control::at(int left, int top, int width, int height) {
    place = {left, top, width, height};
    return *this;
}
Control& Control::captioned(std::string text) {
    caption = std::move(text);
    return *this;
}
Control& Control::font(double pointSize, bool isBold) {
    points = pointSize;
    bold = isBold;
    return *this;
}
Control& Control::coloured(Colour background, Colour text) {
    back = background;
    ink = text;
    return *this;
}
Control& Control::framed(bool hasBorder) {
    border = hasBorder;
    return *this;
}
Control& Control::described(const char* text) {
    description = text;
    return *this;
}
Control& Control::spokenAs(const char* name) {
    spoken = name;
    return *this;
}
Control& Control::showing(Value shown) {
    value = shown;
    return *this;
}
Control& Control::asButton(main_window::Button which) {
    button = which;
    return *this;
}
Control& Control::asCell(int largeFace, int smallFace) {
    large = largeFace;
    small = smallFace;
    return *this;
}
Control& Control::inTable() {
    table = true;
    return *this;
}
Control& Control::asTimer(Timer which, int milliseconds) {
    timer = which;
    interval = milliseconds;
    return *this;
}
Control& Control::asDie(experiment_core::Die which) {
    die = which;
    return *this;
}

namespace {

using main_window::Button;

constexpr double kSmall = 11.25;
constexpr double kMedium = 12.0;
constexpr double kLarge = 14.25;
constexpr double kValue = 15.75;
constexpr double kCorner = 9.75;
constexpr int kLabelHeight = 375;

Control button(Button which, std::string id, std::string caption) {
    return Control(Kind::Button, std::move(id)).asButton(which).captioned(std::move(caption));
}

// A white, framed, bold label of the standard height.
Control label(std::string id, int left, int top, int width, double points) {
    return Control(Kind::Label, std::move(id))
        .at(left, top, width, kLabelHeight)
        .font(points, true)
        .coloured(Colour::White, Colour::ButtonText)
        .framed(true);
}

// The cells, column by column from the right, each column from the bottom up.
void addCells(std::vector<Control>& table) {
    for (int small = 6; small >= 1; --small) {
        for (int large = 6; large >= 1; --large) {
            const bool odd = experiment_core::isOddPair(large, small);
            table.push_back(
                label("d" + std::to_string(large) + std::to_string(small), 1560 + 960 * (small - 1),
                      2760 + 360 * (large - 1), 975, kValue)
                    .coloured(Colour::White, odd ? Colour::Blue : Colour::Black)
                    .asCell(large, small)
                    .inTable()
                    .described(
                        //: a table cell: its two faces
                        QT_TRANSLATE_NOOP("ExperimentWindow", "Large %1, small %2"))
                    .spokenAs(
                        //: a table cell read by a screen reader: its faces, its count
                        QT_TRANSLATE_NOOP("ExperimentWindow", "Large %1, small %2: %3")));
        }
    }
}

void addDie(std::vector<Control>& table, experiment_core::Die die, Twips place) {
    const bool large = die == experiment_core::Die::Large;
    table.push_back(
        Control(Kind::Die, large ? "Image1" : "Image2")
            .at(place.left, place.top, place.width, place.height)
            .asDie(die)
            .described(large ?
                             //: a die's picture: its face
                           QT_TRANSLATE_NOOP("ExperimentWindow", "Large die, face %1")
                             :
                             //: a die's picture: its face
                           QT_TRANSLATE_NOOP("ExperimentWindow", "Small die, face %1")));
}

// A header of the table, in fullwidth digits: a row's large face or a column's small face.
Control header(std::string id, int face, int left, int top, int width, const char* what,
               const char* spoken) {
    static const std::array<const char*, 6> fullwidthDigits = {"１", "２", "３", "４", "５", "６"};
    Control made = label(std::move(id), left, top, width, kValue)
                       .coloured(Colour::White, Colour::Black)
                       .captioned(fullwidthDigits.at(static_cast<std::size_t>(face - 1)))
                       .described(what)
                       .spokenAs(spoken)
                       .inTable();
    made.header = face;
    return made;
}

Control rowHeader(std::string id, int face, int left, int top, int width, const char* what,
                  const char* spoken) {
    Control made = header(std::move(id), face, left, top, width, what, spoken);
    made.rowHeader = true;
    return made;
}

Control columnHeader(std::string id, int face) {
    return header(std::move(id), face, 1560 + 960 * (face - 1), 2400, 975,

                  //: a column header: its face
                  QT_TRANSLATE_NOOP("ExperimentWindow", "Column of small die face %1"),
                  //: a column header read by a screen reader: its face
                  QT_TRANSLATE_NOOP("ExperimentWindow", "Small die %1"));
}

std::vector<Control> buildTable() {
    std::vector<Control> table = {
        Control(Kind::Timer, "Timer3").asTimer(Timer::Run, 100),
        button(Button::Stop, "Command3", QT_TRANSLATE_NOOP("ExperimentWindow", "Stop"))
            .at(4920, 6360, 1935, 615)
            .font(kLarge, true),
        button(Button::Automatic, "Command1", QT_TRANSLATE_NOOP("ExperimentWindow", "Automatic"))
            .at(2760, 6360, 1935, 615)
            .font(kLarge, true),
        button(Button::ThrowDice, "Command8",
               QT_TRANSLATE_NOOP("ExperimentWindow", "Throw the dice"))
            .at(5640, 5040, 1935, 495)
            .font(kMedium, true),
        button(Button::Help, "Command7", QT_TRANSLATE_NOOP("ExperimentWindow", "Help"))
            .at(6120, 0, 855, 375)
            .font(kSmall, false),
        button(Button::GraphDisplay, "Command6",
               QT_TRANSLATE_NOOP("ExperimentWindow", "Graph display"))
            .at(360, 6360, 1935, 615)
            .font(kMedium, true),
        button(Button::Init, "Command5", QT_TRANSLATE_NOOP("ExperimentWindow", "Init"))
            .at(6960, 0, 855, 375)
            .font(kSmall, false),
        button(Button::Exit, "Command4", QT_TRANSLATE_NOOP("ExperimentWindow", "Exit"))
            .at(0, 0, 855, 375)
            .font(kSmall, false),
        button(Button::StopDice, "Command2", QT_TRANSLATE_NOOP("ExperimentWindow", "Stop the dice"))
            .at(5640, 5640, 1935, 495)
            .font(kMedium, true),
        label("Label9", 120, 5760, 3495, kMedium)
            .captioned(QT_TRANSLATE_NOOP("ExperimentWindow", "Percentage of odd products")),
        label("Label8", 3720, 5760, 1575, kValue)
            .showing(Value::Ratio)
            .described(QT_TRANSLATE_NOOP("ExperimentWindow", "Percentage of odd products"))
            .spokenAs(
                //: the ratio read by a screen reader
                QT_TRANSLATE_NOOP("ExperimentWindow", "Percentage of odd products: %1")),
        label("Label6", 120, 5400, 3615, kMedium)
            .captioned(QT_TRANSLATE_NOOP("ExperimentWindow", "Number of odd products")),
        label("Label4", 3720, 5400, 1575, kValue)
            .showing(Value::OddCount)
            .described(QT_TRANSLATE_NOOP("ExperimentWindow", "Number of odd products"))
            .spokenAs(
                //: the odd count read by a screen reader
                QT_TRANSLATE_NOOP("ExperimentWindow", "Number of odd products: %1")),
    };
    addCells(table);
    for (int face = 6; face >= 1; --face) {
        table.push_back(rowHeader("Label2" + std::to_string(face), face, 120,
                                  2760 + 360 * (face - 1), 1455,

                                  //: a row header: its face
                                  QT_TRANSLATE_NOOP("ExperimentWindow", "Row of large die face %1"),
                                  //: a row header read by a screen reader: its face
                                  QT_TRANSLATE_NOOP("ExperimentWindow", "Large die %1")));
    }
    table.push_back(columnHeader("Label19", 6));
    table.push_back(columnHeader("Label18", 5));
    addDie(table, experiment_core::Die::Small, {4800, 960, 705, 735});
    addDie(table, experiment_core::Die::Large, {2280, 720, 945, 975});
    table.push_back(label("Label17", 3720, 5040, 1575, kValue)
                        .showing(Value::ExperimentCount)
                        .described(QT_TRANSLATE_NOOP("ExperimentWindow", "Number of experiments"))
                        .spokenAs(
                            //: the count read by a screen reader
                            QT_TRANSLATE_NOOP("ExperimentWindow", "Number of experiments: %1")));
    table.push_back(label("Label16", 120, 5040, 3495, kSmall)
                        .captioned(QT_TRANSLATE_NOOP("ExperimentWindow", "Number of experiments")));
    table.push_back(label("Label15", 1200, 0, 4575, kValue)
                        .captioned("Pellorin")
                        .coloured(Colour::LightCyan, Colour::WindowText));
    table.push_back(Control(Kind::Rule, "Line1").at(-240, 360, 8160, 15));
    table.push_back(columnHeader("Label11", 4));
    table.push_back(columnHeader("Label10", 3));
    table.push_back(columnHeader("Label7", 2));
    table.push_back(columnHeader("Label5", 1));
    table.push_back(
        label("Label3", 120, 2400, 1455, kCorner)
            .captioned(QT_TRANSLATE_NOOP("ExperimentWindow", "Large＼Small"))
            .inTable()
            .described(QT_TRANSLATE_NOOP("ExperimentWindow", "Rows: large die, columns: small die"))
            .spokenAs(
                QT_TRANSLATE_NOOP("ExperimentWindow", "Rows: large die, columns: small die")));
    table.push_back(label("Label2", 4320, 1800, 1575, kValue)
                        .captioned(QT_TRANSLATE_NOOP("ExperimentWindow", "Small dice"))
                        .coloured(Colour::ButtonFace, Colour::ButtonText)
                        .framed(false));
    table.push_back(label("Label1", 2040, 1800, 1575, kValue)
                        .captioned(QT_TRANSLATE_NOOP("ExperimentWindow", "Large dice"))
                        .coloured(Colour::ButtonFace, Colour::ButtonText)
                        .framed(false));
    table.push_back(Control(Kind::Timer, "Timer1").asTimer(Timer::LargeDie, 50));
    table.push_back(Control(Kind::Timer, "Timer2").asTimer(Timer::SmallDie, 50));
    return table;
}

}  // namespace

const std::vector<Control>& experimentWindowControls() {
    static const std::vector<Control> table = buildTable();
    return table;
}

}  // namespace main_window
