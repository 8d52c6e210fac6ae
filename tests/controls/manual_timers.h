// SPDX-License-Identifier: GPL-3.0-or-later
// Timers on a clock the test drives: Advance moves the clock and fires every timer that falls
// due on the way, in time order.
#pragma once

#include <climits>
#include <functional>
#include <map>

#include "controls/ui_timers.h"

namespace vorlak {

class ManualTimers final : public UiTimers {
public:
    void Start(int id, int periodMs, std::function<void()> fire) override {
        timers_[id] = Timer{now_ + periodMs, periodMs, std::move(fire)};
    }
    void Stop(int id) override { timers_.erase(id); }

    bool Running(int id) const { return timers_.count(id) != 0; }
    int Now() const { return now_; }

    void Advance(int ms) {
        const int end = now_ + ms;
        for (;;) {
            int id = 0;
            int due = INT_MAX;
            for (const auto& [timerId, timer] : timers_) {
                if (timer.due < due) {
                    due = timer.due;
                    id = timerId;
                }
            }
            if (due > end)
                break;
            now_ = due;
            Timer& timer = timers_.at(id);
            timer.due += timer.period;
            // The call may stop or restart the timer (itself or another); a copy keeps the
            // function alive meanwhile.
            const std::function<void()> fire = timer.fire;
            fire();
        }
        now_ = end;
    }

private:
    struct Timer {
        int due;
        int period;
        std::function<void()> fire;
    };
    std::map<int, Timer> timers_;
    int now_ = 0;
};

}  // namespace vorlak
