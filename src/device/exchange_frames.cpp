// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/exchange_frames.h"

namespace vorlak {
namespace {

// Bytes 1..4 of a frame: the options after the command code.
FunctionOptions OptionBytes(const CommandBytes& frame) {
    return {frame[1], frame[2], frame[3], frame[4]};
}

}  // namespace

CommandBytes VersionReply(const FirmwareVersion& version) {
    return {kCmdReadVersion, version[0], version[1], 0, 0, 0, 0, 0};
}

FirmwareVersion VersionOfReply(const CommandBytes& reply) {
    return {reply[1], reply[2]};
}

CommandBytes OptionsReply(const FunctionOptions& options) {
    return {kCmdReadOptions, options[0], options[1], options[2], options[3], 0, 0, 0};
}

FunctionOptions OptionsOfReply(const CommandBytes& reply) {
    return OptionBytes(reply);
}

CommandBytes WriteOptionsCommand(const FunctionOptions& options) {
    return {kCmdWriteOptions, options[0], options[1], options[2], kWrittenOption4, 0, 0, 0};
}

FunctionOptions OptionsOfWrite(const CommandBytes& command) {
    return OptionBytes(command);
}

}  // namespace vorlak
