#pragma once

#include <string>
#include <vector>

namespace form1 {

enum class Kind { Timer, Button, Label, Image, SoundControl, Line };

// Where a colour comes from: the desktop's scheme or a fixed value.
enum class Colour { ButtonFace, ButtonText, WindowText, White, LightCyan, Black, Blue };

struct Control {
    const char* name;
    Kind kind;
    const char* caption = "";
    // Twips from the client area's top-left corner. For a line, its start and extent.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double points = 0.0;
    bool bold = false;
    Colour back = Colour::ButtonFace;
    Colour ink = Colour::ButtonText;
    bool border = false;
    // Timers: interval in milliseconds. Pictures: the face shown (1 to 6).
    int value = 0;
    // What a screen reader says the control means, beside the text it shows.
    std::string description{};
};

// Every control of the experiment window, in the order the window creates them.
const std::vector<Control>& controls();

// The names of the table cells and of the die pictures: "d35", "Image2(4)".
const char* cellName(int large, int small);
const char* pictureName(int die, int face);

}  // namespace form1
