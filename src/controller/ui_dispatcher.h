// SPDX-License-Identifier: GPL-3.0-or-later
// The user-interface thread as the controller reaches it from other threads.
#pragma once

#include <functional>

namespace vorlak {

class UiDispatcher {
public:
    virtual ~UiDispatcher() = default;
    // Queues task to run on the user-interface thread, after the tasks queued before it.
    // Safe from any thread; never waits.
    virtual void Post(std::function<void()> task) = 0;
};

}  // namespace vorlak
