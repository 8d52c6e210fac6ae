// SPDX-License-Identifier: GPL-3.0-or-later
// The frames of the start-up and arrival exchanges from both ends: reading the firmware
// version and the four function option bytes, and writing the options back.
#pragma once

#include <array>

#include "device/feature_frame.h"
#include "record/mouse_config.h"

namespace vorlak {

// The two version bytes of the firmware (reply bytes r1, r2).
using FirmwareVersion = std::array<Byte, 2>;
// The four function option bytes, in the order the mouse reports them (r1..r4). The program
// passes them through; their meaning is the mouse's own.
using FunctionOptions = std::array<Byte, 4>;

// 0x80: the mouse's reply, and the version the program reads from it.
CommandBytes VersionReply(const FirmwareVersion& version);
FirmwareVersion VersionOfReply(const CommandBytes& reply);

// 0x83: the mouse's reply, and the options the program reads from it.
CommandBytes OptionsReply(const FunctionOptions& options);
FunctionOptions OptionsOfReply(const CommandBytes& reply);

// 0x03: the options written back, the fourth as kWrittenOption4; and what the mouse keeps of it.
CommandBytes WriteOptionsCommand(const FunctionOptions& options);
FunctionOptions OptionsOfWrite(const CommandBytes& command);

}  // namespace vorlak
