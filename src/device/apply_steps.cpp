// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/apply_steps.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "device/key_matrix.h"
#include "device/protocol.h"

namespace vorlak {
namespace {

using std::chrono::milliseconds;

constexpr Byte kSensitivityFactor = 20;
constexpr int kSentStages = kDpiLevelsObject;  // the object of the levels block is their count

// The command and the data length of each kind of block step.
struct BlockForm {
    ApplyStepKind kind;
    Byte code;
    std::size_t length;
};
constexpr std::array<BlockForm, 4> kBlockForms = {{
    {ApplyStepKind::DpiLevels, kCmdDpiLevels, kDpiLevelBytes},
    {ApplyStepKind::DpiColours, kCmdDpiColors, kDpiColorBytes},
    {ApplyStepKind::KeyMatrix, kCmdKeyMatrix, kMatrixSize},
    {ApplyStepKind::Macro, kCmdMacro, kMacroBlockSize},
}};

// The object of a block step's header: fixed for the DPI blocks, the step's number otherwise.
Byte ObjectOf(const BlockStep& step) {
    switch (step.kind) {
        case ApplyStepKind::DpiLevels:
            return kDpiLevelsObject;
        case ApplyStepKind::DpiColours:
            return kDpiColorsObject;
        default:
            return static_cast<Byte>(step.number);
    }
}

CommandBytes BlockHeader(const BlockStep& step) {
    const auto* form = std::ranges::find(kBlockForms, step.kind, &BlockForm::kind);
    return {form->code, ObjectOf(step), static_cast<Byte>(form->length), 0, 0, 0, 0, 0};
}

ApplyStep Frame(ApplyStepKind kind, const CommandBytes& command, std::vector<milliseconds> pauses) {
    return {kind, 0, command, {}, std::move(pauses)};
}

ApplyStep Block(const BlockStep& step, std::span<const Byte> data,
                std::vector<milliseconds> pauses) {
    return {
        step.kind, step.number, BlockHeader(step), {data.begin(), data.end()}, std::move(pauses)};
}

}  // namespace

std::vector<Byte> ApplyStep::Bytes() const {
    std::vector<Byte> bytes(command.begin(), command.end() - 1);  // c7 never goes out
    bytes.insert(bytes.end(), block.begin(), block.end());
    return bytes;
}

std::string ApplyStep::Name() const {
    switch (kind) {
        case ApplyStepKind::PollingRate:
            return "polling-rate";
        case ApplyStepKind::Sensitivity:
            return "sensitivity";
        case ApplyStepKind::DpiLevels:
            return "dpi-levels";
        case ApplyStepKind::DpiColours:
            return "dpi-colours";
        case ApplyStepKind::KeyMatrix:
            return "key-matrix-" + std::to_string(number);
        case ApplyStepKind::Macro:
            return "macro-" + std::to_string(number);
        case ApplyStepKind::Lighting:
            return "lighting";
    }
    return "step";
}

milliseconds ApplyStep::PauseSum() const {
    const auto chunks = static_cast<milliseconds::rep>(ChunkCount(block.size()));
    return std::accumulate(pauses.begin(), pauses.end(), kChunkPause * chunks);
}

std::vector<ApplyStep> BuildApplySteps(const MouseConfig& record) {
    const KeyMatrices matrices = BuildKeyMatrices(record);
    std::vector<ApplyStep> steps;
    steps.reserve(kApplyStepCount);
    steps.push_back(Frame(ApplyStepKind::PollingRate, PollingRateCommand(record), {kStepPause}));
    steps.push_back(Frame(ApplyStepKind::Sensitivity, SensitivityCommand(record), {kStepPause}));
    steps.push_back(Block({ApplyStepKind::DpiLevels}, DpiLevelData(record), {kStepPause}));
    steps.push_back(Block({ApplyStepKind::DpiColours}, DpiColorData(record), {kStepPause}));
    steps.push_back(Block({ApplyStepKind::KeyMatrix, kBaseMatrixObject}, matrices.base,
                          {kStepPause, kStepPause}));
    steps.push_back(
        Block({ApplyStepKind::KeyMatrix, kShiftMatrixObject}, matrices.shift, {kStepPause}));
    for (int n = 1; n <= kMacroSlots; ++n) {
        const auto& slot = record.macroSlot[static_cast<std::size_t>(n - 1)];
        steps.push_back(Block({ApplyStepKind::Macro, n},
                              std::span<const Byte>(slot.data(), kMacroBlockSize), {kStepPause}));
    }
    steps.push_back(Frame(ApplyStepKind::Lighting, LightingCommand(record), {}));
    return steps;
}

milliseconds PauseSum(std::span<const ApplyStep> steps) {
    return std::accumulate(
        steps.begin(), steps.end(), milliseconds(0),
        [](milliseconds sum, const ApplyStep& step) { return sum + step.PauseSum(); });
}

// The headers are the same in every record's Apply: those of an empty record serve.
std::optional<BlockStep> BlockStepOf(const CommandBytes& header) {
    static const std::vector<ApplyStep> steps = BuildApplySteps(MouseConfig{});
    for (const ApplyStep& step : steps) {
        if (!step.block.empty() &&
            std::equal(step.command.begin(), step.command.begin() + 3, header.begin()))
            return BlockStep{step.kind, step.number};
    }
    return std::nullopt;
}

Byte EncodeDpiLevel(Byte code, Byte enabled) {
    Byte disabled = enabled == 0 ? kDisabledStageBit : 0;
    if (code <= 49)
        return code | disabled;
    if (code <= 54)
        return static_cast<Byte>(code + 39) | disabled;
    return 0;
}

bool DpiLevelEnabled(Byte level) {
    return (level & kDisabledStageBit) == 0;
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

}  // namespace vorlak
