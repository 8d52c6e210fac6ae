// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/simulated_mouse_script.h"

#include <charconv>
#include <iostream>
#include <optional>

#include "device/transfer_result.h"

namespace vorlak {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A whole decimal number of 0 or more; none for anything else.
std::optional<int> ParseNumber(std::string_view text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < 0)
        return std::nullopt;
    return n;
}

// "fail N ERROR": the Nth transfer from now fails with ERROR (EIO, EPIPE, ENODEV ...).
bool PlanFailure(SimulatedMouse& mouse, std::string_view line, std::string& reply) {
    const std::string_view rest = Trim(line.substr(4));
    const std::size_t blank = rest.find_first_of(" \t");
    const std::optional<int> nth = ParseNumber(rest.substr(0, blank));
    const std::optional<int> error = blank == std::string_view::npos
                                         ? std::nullopt
                                         : TransferErrorNamed(Trim(rest.substr(blank)));
    if (!nth || !error) {
        reply =
            "fail needs a transfer count and an error name, as in \"fail 17 EIO\" (EIO, "
            "EPIPE, ENODEV, ETIMEDOUT, EPROTO ...): " +
            std::string(line);
        return false;
    }
    mouse.FailTransfer(*nth, *error);
    return true;
}

}  // namespace

bool RunSimulatedMouseLine(SimulatedMouse& mouse, std::string_view line, std::string& reply) {
    line = Trim(line);
    if (line.empty())
        return true;
    if (line == "dpi") {
        mouse.PressDpiButton();
    } else if (line == "unplug") {
        mouse.Unplug();
    } else if (line == "plug") {
        mouse.PlugIn();
    } else if (line == "describe") {
        // The last line marks the end of the answer for scripts that wait for it.
        reply = mouse.Describe() + "end of description\n";
    } else if (line.substr(0, 6) == "macro ") {
        const std::optional<int> n = ParseNumber(Trim(line.substr(6)));
        if (!n || *n > 255) {
            reply = "macro needs a number 0..255: " + std::string(line);
            return false;
        }
        mouse.PressMacroKey(*n);
    } else if (line == "fail" || line.starts_with("fail ")) {
        return PlanFailure(mouse, line, reply);
    } else {
        reply =
            "unknown simulated mouse command (dpi, macro N, unplug, plug, describe, fail N "
            "ERROR): " +
            std::string(line);
        return false;
    }
    return true;
}

SimulatedMouseInput::SimulatedMouseInput(SimulatedMouse& mouse, std::string program)
    : mouse_(mouse), program_(std::move(program)) {}

void SimulatedMouseInput::Feed(std::string_view bytes, bool ended,
                               const std::function<void()>& afterEach) {
    pending_ += bytes;
    if (ended)
        pending_ += '\n';
    std::size_t end;
    while ((end = pending_.find('\n')) != std::string::npos) {
        const std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        std::string reply;
        if (RunSimulatedMouseLine(mouse_, line, reply)) {
            std::cout << reply << std::flush;
        } else {
            std::cerr << program_ << ": " << reply << "\n";
        }
        if (afterEach)
            afterEach();
    }
}

}  // namespace vorlak
