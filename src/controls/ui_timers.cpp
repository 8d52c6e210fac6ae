// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ui_timers.h"

#include <QTimer>

#include <map>

namespace vorlak {
namespace {

class ToolkitTimers final : public UiTimers {
public:
    void Start(int id, int periodMs, std::function<void()> fire) override {
        std::unique_ptr<QTimer>& timer = timers_[id];
        if (!timer) {
            timer = std::make_unique<QTimer>();
            // The repeat steps are felt: a coarse timer may stretch them by a twentieth.
            timer->setTimerType(Qt::PreciseTimer);
        }
        timer->disconnect();
        QObject::connect(timer.get(), &QTimer::timeout, std::move(fire));
        timer->start(periodMs);
    }

    void Stop(int id) override {
        if (const auto found = timers_.find(id); found != timers_.end())
            found->second->stop();
    }

private:
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace

std::unique_ptr<UiTimers> MakeToolkitTimers() {
    return std::make_unique<ToolkitTimers>();
}

}  // namespace vorlak
