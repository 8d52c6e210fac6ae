// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of an Apply in their binding order, each with the frames it sends and the pauses
// that follow it: polling rate, sensitivity, DPI levels, DPI colours, the base and the Shift
// key matrix, the twelve macro blocks, lighting. Also the bytes each field of the record goes
// out as, and the block a header frame opens, read back the way the mouse reads it.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/feature_frame.h"
#include "record/mouse_config.h"

namespace vorlak {

inline constexpr std::chrono::milliseconds kStepPause{50};
inline constexpr int kDpiLevelBytes = 8;
inline constexpr int kDpiColorBytes = 24;

enum class ApplyStepKind {
    PollingRate,
    Sensitivity,
    DpiLevels,
    DpiColours,
    KeyMatrix,  // number: the matrix, 0 or 3
    Macro,      // number: the macro, 1..12
    Lighting,
};

// One step: a command frame, or a block's header frame and its data in output reports of 32
// bytes (100 ms after each), then the step's own pauses.
struct ApplyStep {
    ApplyStepKind kind = ApplyStepKind::PollingRate;
    int number = 0;
    CommandBytes command{};
    std::vector<Byte> block;  // empty for a step of one frame
    std::vector<std::chrono::milliseconds> pauses;

    // The bytes the mouse receives from the step, in the order it receives them: the command
    // bytes c0..c6 (the checksum follows from them), then the block.
    std::vector<Byte> Bytes() const;
    // The name of the step that stays the same across versions: "polling-rate",
    // "key-matrix-3", "macro-12" ...
    std::string Name() const;
    // The pauses of the step, those after its output reports included.
    std::chrono::milliseconds PauseSum() const;
};

// Polling, sensitivity, levels, colours, two matrices, twelve macros, lighting.
inline constexpr int kApplyStepCount = 7 + kMacroSlots;

// Every step of writing record to the mouse, in order.
std::vector<ApplyStep> BuildApplySteps(const MouseConfig& record);
// The pauses of the steps together.
std::chrono::milliseconds PauseSum(std::span<const ApplyStep> steps);

// A block step of an Apply: DPI levels, DPI colours, key matrix 0 or 3, macro 1..12.
struct BlockStep {
    ApplyStepKind kind = ApplyStepKind::DpiLevels;
    int number = 0;
};
// The step whose block a header frame opens, read by the header each block step sends (its
// command, object and length; c3..c6 are not read); none for any other frame.
std::optional<BlockStep> BlockStepOf(const CommandBytes& header);

// The byte a DPI stage goes out as: codes 0..49 unchanged, 50..54 as 89..93, bit 7 set
// for a disabled stage; codes of 55 and more as 0.
Byte EncodeDpiLevel(Byte code, Byte enabled);
// Whether a stage whose level byte is sent is switched on (bit 7 clear).
bool DpiLevelEnabled(Byte level);
std::array<Byte, kDpiLevelBytes> DpiLevelData(const MouseConfig& record);
std::array<Byte, kDpiColorBytes> DpiColorData(const MouseConfig& record);
CommandBytes PollingRateCommand(const MouseConfig& record);
CommandBytes SensitivityCommand(const MouseConfig& record);
CommandBytes LightingCommand(const MouseConfig& record);

}  // namespace vorlak
