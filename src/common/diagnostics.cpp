// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/diagnostics.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <mutex>

namespace vorlak {
namespace {

std::mutex& SinkMutex() {
    static std::mutex mutex;
    return mutex;
}

DiagnosticSink& CurrentSink() {
    static DiagnosticSink sink = DefaultDiagnosticSink();
    return sink;
}

}  // namespace

DiagnosticSink DefaultDiagnosticSink() {
    const char* flag = std::getenv("VORLAK_DEBUG");
    if (flag == nullptr || std::string_view(flag) != "1")
        return {};
    return [](std::string_view line) {
        std::cerr << line;
        if (line.empty() || line.back() != '\n')
            std::cerr << '\n';
        std::cerr.flush();
    };
}

void EmitDiagnostic(std::string_view text) {
    std::lock_guard lock(SinkMutex());
    if (CurrentSink())
        CurrentSink()(text);
}

DiagnosticSink SetDiagnosticSink(DiagnosticSink sink) {
    std::lock_guard lock(SinkMutex());
    std::swap(CurrentSink(), sink);
    return sink;
}

struct DiagnosticCapture::State {
    mutable std::mutex mutex;
    std::vector<std::string> lines;
};

DiagnosticCapture::DiagnosticCapture() : state_(new State) {
    State* state = state_;
    previous_ = SetDiagnosticSink([state](std::string_view line) {
        std::lock_guard lock(state->mutex);
        state->lines.emplace_back(line);
    });
}

DiagnosticCapture::~DiagnosticCapture() {
    SetDiagnosticSink(std::move(previous_));
    delete state_;
}

std::vector<std::string> DiagnosticCapture::Lines() const {
    std::lock_guard lock(state_->mutex);
    return state_->lines;
}

bool DiagnosticCapture::Contains(std::string_view text) const {
    std::lock_guard lock(state_->mutex);
    for (const auto& line : state_->lines) {
        if (line == text)
            return true;
    }
    return false;
}

void DiagnosticCapture::Clear() {
    std::lock_guard lock(state_->mutex);
    state_->lines.clear();
}

}  // namespace vorlak
