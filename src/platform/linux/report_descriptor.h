// SPDX-License-Identifier: GPL-3.0-or-later
// The capabilities of a HID report descriptor as the transport counts them: for each
// top-level application collection its usage page and usage, and the longest input,
// output and feature report in bytes with one byte for the report id added (also when
// the descriptor declares no report ids).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/hid_backend.h"

namespace vorlak {

// One entry per top-level application collection, in descriptor order. Nothing when the
// descriptor is malformed: an item cut off by the end of the buffer, an End Collection
// without its Collection or a collection left open, a Pop without its Push or more than
// kGlobalStackDepth nested Pushes, a report id of 0 or above 255, or a report longer
// than a 16-bit length can count. Work is linear in the size of the descriptor.
std::optional<std::vector<HidCaps>> ParseReportDescriptor(std::span<const std::uint8_t> descriptor);

inline constexpr std::size_t kGlobalStackDepth = 16;

}  // namespace vorlak
