// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse's end of the command collection: what it keeps of the frames and output reports
// it takes, read by the same protocol that writes them (apply_steps, exchange_frames). The
// simulated mouse holds one.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "device/apply_steps.h"
#include "device/exchange_frames.h"
#include "device/key_matrix.h"
#include "record/mouse_config.h"

namespace vorlak {

// What the mouse holds, in the form it was sent.
struct MouseMemory {
    Byte pollingDivisor = 0;
    Byte sensitivityX = 0;
    Byte sensitivityY = 0;
    std::array<Byte, kDpiLevelBytes> dpiLevels{};
    std::array<Byte, kDpiColorBytes> dpiColors{};
    std::array<Byte, kMatrixSize> keyMatrixBase{};   // matrix number 0
    std::array<Byte, kMatrixSize> keyMatrixShift{};  // matrix number 3
    std::array<std::array<Byte, kMacroBlockSize>, kMacroSlots> macros{};
    std::array<Byte, 3> lighting{};  // effect, value, third byte
    FunctionOptions options{};
};

class CommandReceiver {
public:
    CommandReceiver(MouseMemory& memory, FirmwareVersion firmware);

    // A command frame the mouse took (c0..c6): a setting is kept; a header opens the block it
    // names (any other frame opens none); a read gives the reply to hand out.
    std::optional<CommandBytes> TakeCommand(const CommandBytes& command);
    // The data bytes of an output report: the next part of the open block.
    void TakeData(std::span<const Byte> data);
    // Forgets the open block.
    void Reset();

private:
    std::span<Byte> Target(const BlockStep& step);

    MouseMemory& memory_;
    FirmwareVersion firmware_;
    // The block being received and how much of it came.
    std::span<Byte> pending_;
    std::size_t received_ = 0;
};

}  // namespace vorlak
