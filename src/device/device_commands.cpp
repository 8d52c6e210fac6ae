// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_commands.h"

#include "common/diagnostics.h"
#include "device/key_matrix.h"

namespace vorlak {

DeviceCommands::DeviceCommands(HidTransport& transport, ConfigStore& store)
    : transport_(transport), store_(store) {}

FirmwareRead DeviceCommands::ReadFirmwareVersion() {
    CommandBytes command{kCmdReadVersion};
    const TransferResult read = transport_.ExchangeFeatureFrame(command);
    if (!read)
        return {read, {}};
    const FirmwareVersion version = VersionOfReply(command);
    Diagnostic("FW version:%02x-%02x\n", version[0], version[1]);
    return {read, version};
}

TransferResult DeviceCommands::ReadFunctionOptions() {
    CommandBytes reply{kCmdReadOptions};
    const TransferResult read = transport_.ExchangeFeatureFrame(reply);
    if (!read)
        return read;
    const FunctionOptions options = OptionsOfReply(reply);
    DeviceImage& image = store_.deviceImage;
    image.functionOption1 = options[0];
    image.functionOption2 = options[1];
    image.functionOption3 = options[2];
    image.functionOption4 = options[3];
    Diagnostic(
        "GetFunctionOption\tRead function option:Buffer[0]%02x，Buffer[1]%02x，Buffer[2]%02x，"
        "Buffer[3]%02x，Buffer[4]%02x\n",
        reply[0], reply[1], reply[2], reply[3], reply[4]);
    return read;
}

TransferResult DeviceCommands::WriteFunctionOptions() {
    const DeviceImage& image = store_.deviceImage;
    return transport_.SendFeatureFrame(
        WriteOptionsCommand({image.functionOption1, image.functionOption2, image.functionOption3,
                             image.functionOption4}));
}

// Writing back option bytes that were never read would put zeros into the mouse's own
// settings: without a reply the write is left out.
TransferResult DeviceCommands::StartupExchange() {
    ClearDeviceImage(store_);
    const FirmwareRead version = ReadFirmwareVersion();
    if (TransferResult options = ReadFunctionOptions(); !options) {
        Diagnostic("The function options could not be read; they are not written back.\n");
        return options;
    }
    store_.deviceImage.functionOption4 = kWrittenOption4;
    const TransferResult written = WriteFunctionOptions();
    return version.result ? written : version.result;
}

TransferResult DeviceCommands::ArrivalExchange() {
    ClearDeviceImage(store_);
    return ReadFunctionOptions();
}

// The staging block of every write: cleared, the divisor sent, both matrices and the macros.
void DeviceCommands::StageDeviceImage(MouseConfig& record) {
    DeviceImage& image = store_.deviceImage;
    image.reserved20.fill(0);
    image.pollingDivisorSent = record.pollingDivisor;
    record.profileSlot = 0;
    image.profileSlot = 0;
    const KeyMatrices matrices = BuildKeyMatrices(record);
    image.keyMatrixBase = matrices.base;
    image.keyMatrixShift = matrices.shift;
    image.macroStaging = record.macroSlot;
}

TransferResult DeviceCommands::SendStep(const ApplyStep& step) {
    const TransferResult sent = step.block.empty() ? transport_.SendFeatureFrame(step.command)
                                                   : transport_.SendBlock(step.command, step.block);
    if (!sent)
        return sent;
    for (std::chrono::milliseconds pause : step.pauses)
        transport_.Pause(pause);
    return sent;
}

ApplyResult DeviceCommands::ApplyToMouse(MouseConfig& record, std::span<const ApplyStep> steps,
                                         const StepProgress& progress, const StepSent& sent) {
    StageDeviceImage(record);
    ApplyResult result;
    const int count = static_cast<int>(steps.size());
    for (const ApplyStep& step : steps) {
        if (progress)
            progress(result.sent + 1, count, step);
        if (TransferResult done = SendStep(step); !done) {
            result.failure = StepFailure{step.kind, step.number, done.Error()};
            return result;
        }
        ++result.sent;
        if (sent)
            sent(step);
    }
    return result;
}

}  // namespace vorlak
