// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/command_receiver.h"

#include <algorithm>

#include "device/protocol.h"

namespace vorlak {

CommandReceiver::CommandReceiver(MouseMemory& memory, FirmwareVersion firmware)
    : memory_(memory), firmware_(firmware) {}

std::optional<CommandBytes> CommandReceiver::TakeCommand(const CommandBytes& command) {
    MouseMemory& m = memory_;
    switch (command[0]) {
        case kCmdPollingRate:
            m.pollingDivisor = command[1];
            break;
        case kCmdWriteOptions:
            m.options = OptionsOfWrite(command);
            break;
        case kCmdLighting:
            std::copy_n(command.begin() + 1, m.lighting.size(), m.lighting.begin());
            break;
        case kCmdSensitivity:
            m.sensitivityX = command[1];
            m.sensitivityY = command[2];
            break;
        case kCmdReadVersion:
            return VersionReply(firmware_);
        case kCmdReadOptions:
            return OptionsReply(m.options);
        default: {
            const std::optional<BlockStep> step = BlockStepOf(command);
            pending_ = step ? Target(*step) : std::span<Byte>();
            received_ = 0;
            break;
        }
    }
    return std::nullopt;
}

std::span<Byte> CommandReceiver::Target(const BlockStep& step) {
    switch (step.kind) {
        case ApplyStepKind::DpiLevels:
            return memory_.dpiLevels;
        case ApplyStepKind::DpiColours:
            return memory_.dpiColors;
        case ApplyStepKind::KeyMatrix:
            return step.number == kBaseMatrixObject ? memory_.keyMatrixBase
                                                    : memory_.keyMatrixShift;
        case ApplyStepKind::Macro:
            return memory_.macros[static_cast<std::size_t>(step.number - 1)];
        default:
            return {};
    }
}

void CommandReceiver::TakeData(std::span<const Byte> data) {
    const std::size_t count = std::min(data.size(), pending_.size() - received_);
    std::copy_n(data.begin(), count, pending_.begin() + static_cast<std::ptrdiff_t>(received_));
    received_ += count;
    if (received_ == pending_.size())
        Reset();
}

void CommandReceiver::Reset() {
    pending_ = {};
    received_ = 0;
}

}  // namespace vorlak
