// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes that go over the command collection: 9-byte feature frames with their
// checksum and 33-byte output reports carrying 32 bytes of a data block each; built by the
// program, read by the mouse.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "device/protocol.h"
#include "record/mouse_config.h"

namespace vorlak {

// A command as callers build it: c0..c6; the eighth byte is never sent (the checksum
// takes its place). Exchanges overwrite all eight with the reply bytes r0..r7.
using CommandBytes = std::array<Byte, 8>;

using FeatureFrame = std::array<Byte, kFeatureFrameSize>;
using OutputReport = std::array<Byte, kOutputReportSize>;

// The complement of the 8-bit sum of c0..c6.
Byte FrameChecksum(const CommandBytes& command);
// Report id 0, c0..c6, checksum.
FeatureFrame BuildFeatureFrame(const CommandBytes& command);
// Number of output reports a block of length bytes takes: ceil(length / 32).
std::size_t ChunkCount(std::size_t length);
// Report id 0 and data bytes 32k .. 32k + 31, zero beyond the end of data.
OutputReport BuildOutputReport(std::span<const Byte> data, std::size_t chunk);

// The command of a feature report as the mouse reads it: c0..c6 and the checksum; none for a
// report of another size or id, or whose checksum does not match.
std::optional<CommandBytes> ReadFeatureFrame(std::span<const Byte> report);
// The 32 data bytes of an output report; none for a report of another size or id.
std::optional<std::span<const Byte>> ReadOutputReport(std::span<const Byte> report);

}  // namespace vorlak
