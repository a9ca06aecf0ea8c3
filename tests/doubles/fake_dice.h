// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>

#include "experiment_core/die.h"

// A clock that stands still unless the test moves it.
class FrozenClock final : public experiment_core::Clock {
public:
    float secondsOfDay() override { return 43200.25F; }
};

// Draws that the test scripts; once the script is used up, every draw is 0 (face 1).
class ScriptedRandom final : public experiment_core::RandomSource {
public:
    void reseed(float /*clockValue*/) override {}
    float next() override {
        if (draws.empty()) {
            return 0.0F;
        }
        const float draw = draws.front();
        draws.pop_front();
        return draw;
    }
    // The draw that gives a face, 1 to 6.
    void queueFace(int face) { draws.push_back((static_cast<float>(face) - 0.5F) / 6.0F); }

    std::deque<float> draws;
};
