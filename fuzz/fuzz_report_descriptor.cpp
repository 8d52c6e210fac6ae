// SPDX-License-Identifier: GPL-3.0-or-later
// Parses arbitrary bytes as a HID report descriptor: within the buffer, and with no more
// collections than the bytes can hold (a Collection and an End Collection each).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "platform/linux/report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::vector<vorlak::HidCaps>> collections =
        vorlak::ParseReportDescriptor(std::span<const std::uint8_t>(data, size));
    if (collections && collections->size() > size / 2)
        std::abort();
    return 0;
}
