// SPDX-License-Identifier: GPL-3.0-or-later
// The half-circle dial of the pointer-speed and double-click panels: which of its 11 steps a
// click chooses. No toolkit.
#pragma once

namespace vorlak {

inline constexpr int kDialSteps = 11;
inline constexpr int kDialInnerRadius = 43;
inline constexpr int kDialOuterRadius = 71;
// Degrees per radian as the dial has always computed them: a little above 180 / pi.
inline constexpr double kDialDegreesPerRadian = 57.295780490442965;

struct DialClick {
    bool ignored = false;  // below the centre: nothing happens, not even a repaint
    bool onRing = false;   // 43 <= distance <= 71: the angle chose the step
    double angle = 0;      // degrees from the right-hand horizontal, when on the ring
    int step = 0;          // the step to store, 1...11, when not ignored
};

// The angle of a point above the centre in degrees from the right-hand horizontal towards the
// left: arctangents scaled by the dial's factor, 90 straight up, and 185 for 175 or more.
double DialAngle(int dx, int dy);
// The step of an angle: 12 - angle / 18, truncated.
int DialStepOfAngle(double angle);

// A click at (dx, dy) from the dial's centre (y grows downwards) with `stored` the step the
// record holds. On the ring the angle g picks step 12 - g / 18 (g of 175 or more counts as 185,
// so the last 5 degrees give step 1); elsewhere above the centre the stored step stays. Either
// way the step is limited to 1...11, which repairs a stored 0 or 12.
DialClick DialClickAt(int dx, int dy, int stored);

}  // namespace vorlak
