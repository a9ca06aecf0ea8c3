// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace experiment_core {

enum class Die { Large, Small };

// The time of day, in seconds since midnight with a fractional part.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float secondsOfDay() = 0;
};

// A generator of draws in [0, 1) that is re-seeded from the clock before every draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(float clockValue) = 0;
    virtual float next() = 0;
};

// The face for a draw r in [0, 1): the integer part of r x 6 + 1, formed in double so that
// the largest draw below 1 still gives 6.
std::int16_t faceFromDraw(float draw);

// Draws faces: re-seed from the clock, then one draw, for every single roll.
class DieRoller {
public:
    DieRoller(Clock& clock, RandomSource& random) : clock_(clock), random_(random) {}
    std::int16_t roll();

private:
    Clock& clock_;
    RandomSource& random_;
};

}  // namespace experiment_core
