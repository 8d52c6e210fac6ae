// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_commands.h"

#include <algorithm>

#include "assign/key_matrix.h"
#include "common/diagnostics.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr Byte kDisabledStage = 0x80;
constexpr Byte kSensitivityFactor = 20;
constexpr int kSentStages = kDpiLevelsObject;  // the object of the levels block is their count
// Polling, sensitivity, levels, colours, two matrices, twelve macros, lighting, files.
constexpr int kApplySteps = 8 + kMacroSlots;

CommandBytes BlockHeader(Byte code, Byte object, std::size_t length) {
    return {code, object, static_cast<Byte>(length), 0, 0, 0, 0, 0};
}

}  // namespace

Byte EncodeDpiLevel(Byte code, Byte enabled) {
    Byte disabled = enabled == 0 ? kDisabledStage : 0;
    if (code <= 49)
        return code | disabled;
    if (code <= 54)
        return static_cast<Byte>(code + 39) | disabled;
    return 0;
}

std::array<Byte, kDpiLevelBytes> DpiLevelData(const MouseConfig& record) {
    std::array<Byte, kDpiLevelBytes> data{};
    for (int s = 0; s < kSentStages; ++s) {
        auto i = static_cast<std::size_t>(s);
        data[i] = EncodeDpiLevel(record.dpiLevel[i], record.dpiEnabled[i]);
    }
    return data;
}

std::array<Byte, kDpiColorBytes> DpiColorData(const MouseConfig& record) {
    std::array<Byte, kDpiColorBytes> data{};
    auto colors = record.Bytes().subspan(offsetof(MouseConfig, dpiColor), sizeof(record.dpiColor));
    std::copy(colors.begin(), colors.end(), data.begin());
    return data;
}

CommandBytes PollingRateCommand(const MouseConfig& record) {
    return {kCmdPollingRate, record.pollingDivisor, 0, 0, 0, 0, 0, 0};
}

CommandBytes SensitivityCommand(const MouseConfig& record) {
    auto scaled = [](Byte step) { return static_cast<Byte>(step * kSensitivityFactor); };
    return {
        kCmdSensitivity, scaled(record.sensitivityX), scaled(record.sensitivityY), 0, 0, 0, 0, 0};
}

CommandBytes LightingCommand(const MouseConfig& record) {
    Byte mode = record.lightMode;
    CommandBytes command{kCmdLighting, mode, 0, 0, 0, 0, 0, 0};
    switch (mode) {
        case 0:
            break;
        case 1:
            if (record.lightBrightness == 1)
                command[1] = 0;
            else
                command = {kCmdLighting, 1, record.lightBrightness, 2, 0, 0, 0, 0};
            break;
        case 2:
            command[2] = static_cast<Byte>(5 - record.lightBreathRate);
            command[3] = 2;
            break;
        case 3:
            command[2] = record.lightNeonRate;
            break;
        case 4:
            command[2] = record.lightMode4Param;
            break;
        default:
            break;
    }
    return command;
}

DeviceCommands::DeviceCommands(HidTransport& transport, ConfigStore& store)
    : transport_(transport), store_(store) {}

FirmwareVersion DeviceCommands::ReadFirmwareVersion() {
    CommandBytes command{kCmdReadVersion};
    transport_.ExchangeFeatureFrame(command);
    Diagnostic("FW version:%02x-%02x\n", command[1], command[2]);
    return {command[1], command[2]};
}

void DeviceCommands::ReadFunctionOptions() {
    CommandBytes reply{kCmdReadOptions};
    transport_.ExchangeFeatureFrame(reply);
    DeviceImage& image = store_.deviceImage;
    image.functionOption1 = reply[1];
    image.functionOption2 = reply[2];
    image.functionOption3 = reply[3];
    image.functionOption4 = reply[4];
    Diagnostic(
        "GetFunctionOption\tRead function option:Buffer[0]%02x，Buffer[1]%02x，Buffer[2]%02x，"
        "Buffer[3]%02x，Buffer[4]%02x\n",
        reply[0], reply[1], reply[2], reply[3], reply[4]);
}

void DeviceCommands::WriteFunctionOptions() {
    const DeviceImage& image = store_.deviceImage;
    transport_.SendFeatureFrame({kCmdWriteOptions, image.functionOption1, image.functionOption2,
                                 image.functionOption3, kWrittenOption4, 0, 0, 0});
}

void DeviceCommands::StartupExchange() {
    ClearDeviceImage(store_);
    ReadFirmwareVersion();
    ReadFunctionOptions();
    store_.deviceImage.functionOption4 = kWrittenOption4;
    WriteFunctionOptions();
}

void DeviceCommands::ArrivalExchange() {
    ClearDeviceImage(store_);
    ReadFunctionOptions();
}

void DeviceCommands::SendPollingRate(const MouseConfig& record) {
    transport_.SendFeatureFrame(PollingRateCommand(record));
}

void DeviceCommands::SendSensitivity(const MouseConfig& record) {
    transport_.SendFeatureFrame(SensitivityCommand(record));
}

void DeviceCommands::SendDpiLevels(const MouseConfig& record) {
    auto data = DpiLevelData(record);
    transport_.SendBlock(BlockHeader(kCmdDpiLevels, kDpiLevelsObject, data.size()), data);
}

void DeviceCommands::SendDpiColors(const MouseConfig& record) {
    auto data = DpiColorData(record);
    transport_.SendBlock(BlockHeader(kCmdDpiColors, kDpiColorsObject, data.size()), data);
}

void DeviceCommands::SendKeyMatrix(int matrixNumber) {
    const DeviceImage& image = store_.deviceImage;
    const auto& matrix =
        matrixNumber == kShiftMatrixObject ? image.keyMatrixShift : image.keyMatrixBase;
    transport_.SendBlock(BlockHeader(kCmdKeyMatrix, static_cast<Byte>(matrixNumber), matrix.size()),
                         matrix);
}

void DeviceCommands::SendMacros(const MouseConfig& record,
                                const std::function<void(int macro)>& beforeEach) {
    DeviceImage& image = store_.deviceImage;
    image.macroStaging = record.macroSlot;
    for (int n = 1; n <= kMacroSlots; ++n) {
        if (beforeEach)
            beforeEach(n);
        std::span<const Byte> block(image.macroStaging[static_cast<std::size_t>(n - 1)].data(),
                                    kMacroBlockSize);
        transport_.SendBlock(BlockHeader(kCmdMacro, static_cast<Byte>(n), block.size()), block);
        transport_.Pause(kStepPause);
    }
}

void DeviceCommands::SendLighting(const MouseConfig& record) {
    transport_.SendFeatureFrame(LightingCommand(record));
}

bool DeviceCommands::ApplyToMouse(MouseConfig& record, ProfileFiles& files,
                                  std::string_view labelSection,
                                  const std::array<std::string, kEntryCount>& labels,
                                  const ApplyProgress& progress) {
    int step = 0;
    auto report = [&](ApplyStepKind kind, int number) {
        if (progress)
            progress(
                {++step, kApplySteps, kind, number, ApplyStepText(kLanguageEnglish, kind, number)});
    };
    DeviceImage& image = store_.deviceImage;
    image.reserved20.fill(0);

    report(ApplyStepKind::PollingRate, 0);
    SendPollingRate(record);
    image.pollingDivisorSent = record.pollingDivisor;
    record.profileSlot = 0;
    image.profileSlot = 0;
    transport_.Pause(kStepPause);

    report(ApplyStepKind::Sensitivity, 0);
    SendSensitivity(record);
    transport_.Pause(kStepPause);

    report(ApplyStepKind::DpiLevels, 0);
    SendDpiLevels(record);
    transport_.Pause(kStepPause);

    report(ApplyStepKind::DpiColours, 0);
    SendDpiColors(record);
    transport_.Pause(kStepPause);

    image.keyMatrixBase.fill(0);
    image.keyMatrixShift.fill(0);
    KeyMatrices matrices = BuildKeyMatrices(record);
    report(ApplyStepKind::KeyMatrix, 0);
    image.keyMatrixBase = matrices.base;
    SendKeyMatrix(kBaseMatrixObject);
    transport_.Pause(kStepPause);
    transport_.Pause(kStepPause);

    report(ApplyStepKind::KeyMatrix, 3);
    image.keyMatrixShift = matrices.shift;
    SendKeyMatrix(kShiftMatrixObject);
    transport_.Pause(kStepPause);

    SendMacros(record, [&](int n) { report(ApplyStepKind::Macro, n); });

    report(ApplyStepKind::Lighting, 0);
    SendLighting(record);

    report(ApplyStepKind::ProfileFiles, 0);
    const bool recordSaved = files.SaveCurrentProfile(record);
    const bool labelsSaved = files.SaveProfileSettings(labelSection, labels);
    return recordSaved && labelsSaved;
}

}  // namespace vorlak
