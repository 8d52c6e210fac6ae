// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse's command language: the single senders, the option exchanges and the full
// write of the configuration record with its fixed order and pauses.
#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "config/profile_files.h"
#include "device/feature_frame.h"
#include "device/hid_transport.h"
#include "record/mouse_config.h"
#include "text/apply_step_text.h"

namespace vorlak {

inline constexpr Byte kWrittenOption4 = 209;
inline constexpr std::chrono::milliseconds kStepPause{50};
inline constexpr int kDpiLevelBytes = 8;
inline constexpr int kDpiColorBytes = 24;

// Reported before each step of an apply: step 1..stepCount and what it sends
// ("polling rate", "macro 5 of 12", "profile files" ...).
struct ApplyProgressStep {
    int step = 0;
    int stepCount = 0;
    ApplyStepKind kind = ApplyStepKind::PollingRate;
    int number = 0;    // the key matrix or macro number
    std::string text;  // in English, for logs and vorlakctl
};
using ApplyProgress = std::function<void(const ApplyProgressStep&)>;

// The byte a DPI stage goes out as: codes 0..49 unchanged, 50..54 as 89..93, bit 7 set
// for a disabled stage; codes of 55 and more as 0.
Byte EncodeDpiLevel(Byte code, Byte enabled);
std::array<Byte, kDpiLevelBytes> DpiLevelData(const MouseConfig& record);
std::array<Byte, kDpiColorBytes> DpiColorData(const MouseConfig& record);
CommandBytes PollingRateCommand(const MouseConfig& record);
CommandBytes SensitivityCommand(const MouseConfig& record);
CommandBytes LightingCommand(const MouseConfig& record);

// The two version bytes of the firmware (reply bytes r1, r2).
using FirmwareVersion = std::array<Byte, 2>;

class DeviceCommands {
public:
    DeviceCommands(HidTransport& transport, ConfigStore& store);

    // 0x80: the firmware version, reported as a diagnostic only.
    FirmwareVersion ReadFirmwareVersion();
    // 0x83: keeps the four option bytes in the device image.
    void ReadFunctionOptions();
    // 0x03: the kept option bytes, the fourth replaced by 209.
    void WriteFunctionOptions();
    // When the mouse is found at start-up: clear, read the version and options, write back.
    void StartupExchange();
    // When the mouse arrives: clear and read the options.
    void ArrivalExchange();

    void SendPollingRate(const MouseConfig& record);
    void SendSensitivity(const MouseConfig& record);
    void SendDpiLevels(const MouseConfig& record);
    void SendDpiColors(const MouseConfig& record);
    // Matrix number 0 sends the base buffer, 3 the Shift buffer of the device image.
    void SendKeyMatrix(int matrixNumber);
    // Stages the macro area and sends all twelve blocks, 50 ms after each.
    void SendMacros(const MouseConfig& record,
                    const std::function<void(int macro)>& beforeEach = {});
    void SendLighting(const MouseConfig& record);

    // Writes the whole of record to the mouse, then saves it as the current profile's record
    // and the labels under labelSection. The record is the copy taken when the write started
    // (the working record stays with the UI thread); its profile slot becomes 0 as it is sent.
    // False when a profile file was not written.
    bool ApplyToMouse(MouseConfig& record, ProfileFiles& files, std::string_view labelSection,
                      const std::array<std::string, kEntryCount>& labels,
                      const ApplyProgress& progress = {});

private:
    HidTransport& transport_;
    ConfigStore& store_;
};

}  // namespace vorlak
