// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dial_rule.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vorlak {
double DialAngle(int dx, int dy) {
    if (dx > 0)
        return std::atan(std::abs(dy) / static_cast<double>(dx)) * kDialDegreesPerRadian;
    if (dx == 0)
        return 90;
    const double beyond = dy == 0 ? 90
                                  : std::atan(std::abs(dx) / static_cast<double>(std::abs(dy))) *
                                        kDialDegreesPerRadian;
    const double angle = 90 + beyond;
    return angle >= 175 ? 185 : angle;
}

int DialStepOfAngle(double angle) {
    return static_cast<int>(12 - angle / 18);
}

DialClick DialClickAt(int dx, int dy, int stored) {
    DialClick click;
    if (dy > 0) {
        click.ignored = true;
        return click;
    }
    const double distance = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    int step = stored;
    if (distance >= kDialInnerRadius && distance <= kDialOuterRadius) {
        click.onRing = true;
        click.angle = DialAngle(dx, dy);
        step = DialStepOfAngle(click.angle);
    }
    click.step = std::clamp(step, 1, kDialSteps);
    return click;
}

}  // namespace vorlak
