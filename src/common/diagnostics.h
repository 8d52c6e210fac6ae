// SPDX-License-Identifier: GPL-3.0-or-later
// The debugger output channel: one sink for every diagnostic line of the program.
// Silent by default; VORLAK_DEBUG=1 sends the lines to stderr; tests capture them.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlak {

using DiagnosticSink = std::function<void(std::string_view line)>;

// Sends one diagnostic text to the current sink. Safe from any thread.
void EmitDiagnostic(std::string_view text);

// printf-style formatting of the program's diagnostic texts ("Read Size is: %d" ...).
template <class... Args>
void Diagnostic(const char* format, Args... args) {
    if constexpr (sizeof...(Args) == 0) {
        EmitDiagnostic(format);
    } else {
        int size = std::snprintf(nullptr, 0, format, args...);
        if (size < 0)
            return;
        std::string text(static_cast<size_t>(size) + 1, '\0');
        std::snprintf(text.data(), text.size(), format, args...);
        text.pop_back();
        EmitDiagnostic(text);
    }
}

// Replaces the sink; returns the previous one. An empty sink silences the channel.
DiagnosticSink SetDiagnosticSink(DiagnosticSink sink);

// The sink chosen from the environment: stderr when VORLAK_DEBUG=1, else silent.
DiagnosticSink DefaultDiagnosticSink();

// Collects every diagnostic text while it lives (for tests), then restores the old sink.
class DiagnosticCapture {
public:
    DiagnosticCapture();
    ~DiagnosticCapture();
    DiagnosticCapture(const DiagnosticCapture&) = delete;
    DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;

    std::vector<std::string> Lines() const;
    bool Contains(std::string_view text) const;
    void Clear();

private:
    struct State;
    State* state_;
    DiagnosticSink previous_;
};

}  // namespace vorlak
