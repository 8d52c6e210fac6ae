// SPDX-License-Identifier: GPL-3.0-or-later
// The program's talk with the mouse over the transport: the option exchanges of start-up and
// arrival, and the write of an Apply's steps in their fixed order with their pauses. The bytes
// are the protocol's (apply_steps, exchange_frames). It saves no files and knows no texts: its
// callers decide what the user sees.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "device/apply_steps.h"
#include "device/exchange_frames.h"
#include "device/hid_transport.h"
#include "device/transfer_result.h"
#include "record/mouse_config.h"

namespace vorlak {

struct [[nodiscard]] FirmwareRead {
    TransferResult result;
    FirmwareVersion version{};
};

// Before each step a write sends: its place among the steps sent (1-based) and their count.
using StepProgress = std::function<void(int index, int count, const ApplyStep& step)>;
// After a step went out whole, its pauses kept.
using StepSent = std::function<void(const ApplyStep& step)>;

// The step a write stopped at, and the reason of the transfer that failed.
struct StepFailure {
    ApplyStepKind kind = ApplyStepKind::PollingRate;
    int number = 0;
    int error = 0;
};

struct [[nodiscard]] ApplyResult {
    int sent = 0;                        // steps sent whole
    std::optional<StepFailure> failure;  // none when every step went out
    bool Ok() const { return !failure; }
};

class DeviceCommands {
public:
    DeviceCommands(HidTransport& transport, ConfigStore& store);

    // 0x80: the firmware version, reported as a diagnostic only.
    FirmwareRead ReadFirmwareVersion();
    // 0x83: keeps the four option bytes in the device image; when the exchange fails they
    // stay as they were.
    TransferResult ReadFunctionOptions();
    // 0x03: the kept option bytes, the fourth replaced by 209.
    TransferResult WriteFunctionOptions();
    // When the mouse is found at start-up: clear, read the version and options, write them
    // back. Options that could not be read are not written back (the mouse keeps its own);
    // the first failure is returned, the steps after a failed version read still run.
    TransferResult StartupExchange();
    // When the mouse arrives: clear and read the options.
    TransferResult ArrivalExchange();

    // Writes steps (all or some of BuildApplySteps(record), in that order) to the mouse, each
    // followed by its pauses, and stops at the first step whose transfer fails. record is the
    // copy taken when the write started; its profile slot becomes 0 and the device image
    // stages it, whichever steps go out.
    ApplyResult ApplyToMouse(MouseConfig& record, std::span<const ApplyStep> steps,
                             const StepProgress& progress = {}, const StepSent& sent = {});

private:
    TransferResult SendStep(const ApplyStep& step);
    void StageDeviceImage(MouseConfig& record);

    HidTransport& transport_;
    ConfigStore& store_;
};

}  // namespace vorlak
