// SPDX-License-Identifier: GPL-3.0-or-later
// A key capture driven by the test: it hands the keys and the failure the test gives to the
// handlers of its owner, while it runs.
#pragma once

#include <memory>

#include "keys/key_capture.h"

namespace vorlak {

class ScriptedKeyCapture : public KeyCapture {
public:
    struct Script {
        int starts = 0;
        int stops = 0;
        bool running = false;
        KeyHandler onKey;
        FailureHandler onFailure;

        void Key(int virtualKey, int flags = 0) const {
            if (running)
                onKey({virtualKey, flags});
        }
        void Fail(int code) const {
            if (running)
                onFailure(code);
        }
    };

    explicit ScriptedKeyCapture(std::shared_ptr<Script> script) : script_(std::move(script)) {}
    ~ScriptedKeyCapture() override { Stop(); }

    void Start(KeyHandler onKey, FailureHandler onFailure) override {
        ++script_->starts;
        script_->running = true;
        script_->onKey = std::move(onKey);
        script_->onFailure = std::move(onFailure);
    }
    void Stop() override {
        if (!script_->running)
            return;
        ++script_->stops;
        script_->running = false;
    }

private:
    std::shared_ptr<Script> script_;
};

}  // namespace vorlak
