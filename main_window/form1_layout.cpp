#include "form1_layout.h"

#include <array>
#include <string>
#include <tuple>

namespace form1 {

namespace {

constexpr double kSmall = 11.25;
constexpr double kMedium = 12.0;
constexpr double kLarge = 14.25;
constexpr double kValue = 15.75;
constexpr double kCorner = 9.75;

Control label(const char* name, const char* caption, int left, int top, int width, double points,
              Colour ink = Colour::ButtonText, std::string description = {}) {
    return {name,   Kind::Label, caption,       left, top,  width, 375,
            points, true,        Colour::White, ink,  true, 0,     std::move(description)};
}

std::string faceText(int face) {
    return std::to_string(face);
}

Control button(const char* name, const char* caption, int left, int top, int width, int height,
               double points, bool bold) {
    return {name, Kind::Button, caption, left, top, width, height, points, bold};
}

Control timer(const char* name, int interval) {
    Control timer_control{name, Kind::Timer};
    timer_control.value = interval;
    return timer_control;
}

const std::array<std::array<std::string, 6>, 6>& cellNames() {
    static const auto names = [] {
        std::array<std::array<std::string, 6>, 6> all;
        for (int large = 1; large <= 6; ++large) {
            for (int small = 1; small <= 6; ++small) {
                all.at(large - 1).at(small - 1) =
                    "d" + std::to_string(large) + std::to_string(small);
            }
        }
        return all;
    }();
    return names;
}

const std::array<std::array<std::string, 6>, 2>& pictureNames() {
    static const auto names = [] {
        std::array<std::array<std::string, 6>, 2> all;
        for (int die = 1; die <= 2; ++die) {
            for (int face = 1; face <= 6; ++face) {
                all.at(die - 1).at(face - 1) =
                    "Image" + std::to_string(die) + "(" + std::to_string(face) + ")";
            }
        }
        return all;
    }();
    return names;
}

// The cells, column by column from the right, each column from the bottom up.
void addCells(std::vector<Control>& table) {
    for (int small = 6; small >= 1; --small) {
        for (int large = 6; large >= 1; --large) {
            const bool odd = large % 2 == 1 && small % 2 == 1;
            table.push_back(label(cellName(large, small), "", 1560 + 960 * (small - 1),
                                  2760 + 360 * (large - 1), 975, kValue,
                                  odd ? Colour::Blue : Colour::Black,
                                  "Large " + faceText(large) + ", small " + faceText(small)));
        }
    }
}

void addPictures(std::vector<Control>& table, int die, int left, int top, int width, int height) {
    for (int face = 6; face >= 1; --face) {
        Control picture{pictureName(die, face), Kind::Image, "", left, top, width, height};
        picture.value = face;
        picture.description = (die == 1 ? "Large die, face " : "Small die, face ") + faceText(face);
        table.push_back(picture);
    }
}

std::vector<Control> buildTable() {
    std::vector<Control> table = {
        timer("Timer3", 100),
        button("Command3", "Stop", 4920, 6360, 1935, 615, kLarge, true),
        button("Command1", "Automatic", 2760, 6360, 1935, 615, kLarge, true),
        button("Command8", "Throw the dice", 5640, 5040, 1935, 495, kMedium, true),
        button("Command7", "Help", 6120, 0, 855, 375, kSmall, false),
        button("Command6", "Graph display", 360, 6360, 1935, 615, kMedium, true),
        {"MMControl1", Kind::SoundControl, "", 3960, 480, 3540, 330},
        button("Command5", "Init", 6960, 0, 855, 375, kSmall, false),
        button("Command4", "Exit", 0, 0, 855, 375, kSmall, false),
        timer("Timer2", 50),
        timer("Timer1", 50),
        button("Command2", "Stop the dice", 5640, 5640, 1935, 495, kMedium, true),
        label("Label9", "Percentage of odd products", 120, 5760, 3495, kMedium),
        label("Label8", "", 3720, 5760, 1575, kValue, Colour::ButtonText,
              "Percentage of odd products"),
        label("Label6", "Number of odd products", 120, 5400, 3615, kMedium),
        label("Label4", "", 3720, 5400, 1575, kValue, Colour::ButtonText, "Number of odd products"),
    };
    addCells(table);
    const std::array<const char*, 6> rowHeaders = {"Label26", "Label25", "Label24",
                                                   "Label23", "Label22", "Label21"};
    const std::array<const char*, 6> fullwidthDigits = {"６", "５", "４", "３", "２", "１"};
    for (std::size_t i = 0; i < rowHeaders.size(); ++i) {
        table.push_back(label(rowHeaders.at(i), fullwidthDigits.at(i), 120,
                              4560 - 360 * static_cast<int>(i), 1455, kValue, Colour::Black,
                              "Row of large die face " + faceText(6 - static_cast<int>(i))));
    }
    table.push_back(label("Label19", "６", 6360, 2400, 975, kValue, Colour::Black,
                          "Column of small die face 6"));
    table.push_back(label("Label18", "５", 5400, 2400, 975, kValue, Colour::Black,
                          "Column of small die face 5"));
    addPictures(table, 2, 4800, 960, 705, 735);
    addPictures(table, 1, 2280, 720, 945, 975);
    table.push_back(label("Label17", "", 3720, 5040, 1575, kValue, Colour::ButtonText,
                          "Number of experiments"));
    table.push_back(label("Label16", "Number of experiments", 120, 5040, 3495, kSmall));
    Control heading = label("Label15", "Pellorin", 1200, 0, 4575, kValue, Colour::WindowText);
    heading.back = Colour::LightCyan;
    table.push_back(heading);
    table.push_back({"Line1", Kind::Line, "", -240, 360, 8160, 15, 0.0, false, Colour::WindowText,
                     Colour::WindowText});
    table.push_back(label("Label11", "４", 4440, 2400, 975, kValue, Colour::Black,
                          "Column of small die face 4"));
    table.push_back(label("Label10", "３", 3480, 2400, 975, kValue, Colour::Black,
                          "Column of small die face 3"));
    table.push_back(label("Label7", "２", 2520, 2400, 975, kValue, Colour::Black,
                          "Column of small die face 2"));
    table.push_back(label("Label5", "１", 1560, 2400, 975, kValue, Colour::Black,
                          "Column of small die face 1"));
    table.push_back(label("Label3", "Large＼Small", 120, 2400, 1455, kCorner, Colour::ButtonText,
                          "Rows: large die, columns: small die"));
    for (const auto& [name, caption, left] :
         {std::tuple{"Label2", "Small dice", 4320}, std::tuple{"Label1", "Large dice", 2040}}) {
        Control caption_label = label(name, caption, left, 1800, 1575, kValue);
        caption_label.back = Colour::ButtonFace;
        caption_label.border = false;
        table.push_back(caption_label);
    }
    return table;
}

}  // namespace

const std::vector<Control>& controls() {
    static const std::vector<Control> table = buildTable();
    return table;
}

const char* cellName(int large, int small) {
    return cellNames().at(large - 1).at(small - 1).c_str();
}

const char* pictureName(int die, int face) {
    return pictureNames().at(die - 1).at(face - 1).c_str();
}

}  // namespace form1
