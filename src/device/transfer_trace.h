// SPDX-License-Identifier: GPL-3.0-or-later
// An optional observer of every transfer of the transport, for tracing a session.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "record/mouse_config.h"

namespace vorlak {

struct Transfer {
    enum class Kind { SetFeature, GetFeature, Output, Pause };
    Kind kind = Kind::Pause;
    std::vector<Byte> bytes;  // the report as sent, or as received for GetFeature
    std::chrono::milliseconds pause{0};
    int error = 0;  // the system's error number of a failed transfer
};

using TransferTrace = std::function<void(const Transfer&)>;

// One line such as "set-feature 00 80 00 00 00 00 00 00 7F", "output 00 04 ..." or
// "pause 100": upper-case hex separated by single spaces; a failed transfer ends in
// " failed: EIO" (or the error's number when it has no name here).
std::string FormatTransfer(const Transfer& transfer);

}  // namespace vorlak
