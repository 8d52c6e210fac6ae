// SPDX-License-Identifier: GPL-3.0-or-later
// Lines that drive the simulated mouse by hand or from a script: "dpi", "macro N",
// "unplug", "plug", "describe", which tells what the mouse holds, and "fail N ERROR", which
// makes the Nth transfer from then on fail with that error (EIO, EPIPE, ENODEV ...).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "device/simulated_mouse.h"

namespace vorlak {

// Carries out one line (blanks around it ignored; an empty line does nothing). Returns
// true with what the line prints in reply (often nothing), or false with a message for a
// line that is not one of the commands.
bool RunSimulatedMouseLine(SimulatedMouse& mouse, std::string_view line, std::string& reply);

// Input as it arrives in pieces (standard input), cut into lines that drive the mouse. A
// line's reply goes to standard output, the message of a refused line to standard error
// after "<program>: ".
class SimulatedMouseInput {
public:
    SimulatedMouseInput(SimulatedMouse& mouse, std::string program);

    // Runs every line complete so far; with ended, also a last line without its line end.
    // afterEach runs after each line.
    void Feed(std::string_view bytes, bool ended, const std::function<void()>& afterEach = {});

private:
    SimulatedMouse& mouse_;
    std::string program_;
    std::string pending_;
};

}  // namespace vorlak
