// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/simulated_mouse_script.h"

#include <charconv>
#include <iostream>

namespace vorlak {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
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
        reply = mouse.Describe();
    } else if (line.substr(0, 6) == "macro ") {
        const std::string_view number = Trim(line.substr(6));
        int n = 0;
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
        if (ec != std::errc() || end != number.data() + number.size() || n < 0 || n > 255) {
            reply = "macro needs a number 0..255: " + std::string(line);
            return false;
        }
        mouse.PressMacroKey(n);
    } else {
        reply = "unknown simulated mouse command (dpi, macro N, unplug, plug, describe): " +
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
