// Lines that drive the simulated mouse by hand or from a script: "dpi", "macro N",
// "unplug", "plug", and "describe", which tells what the mouse holds.
#pragma once

#include <string>
#include <string_view>

#include "device/simulated_mouse.h"

namespace vorlak {

// Carries out one line (blanks around it ignored; an empty line does nothing). Returns
// true with what the line prints in reply (often nothing), or false with a message for a
// line that is not one of the commands.
bool RunSimulatedMouseLine(SimulatedMouse& mouse, std::string_view line, std::string& reply);

}  // namespace vorlak
