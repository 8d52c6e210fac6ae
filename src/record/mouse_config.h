// SPDX-License-Identifier: GPL-3.0-or-later
// The 1888-byte configuration record, the device staging block and the
// companion state of the configuration store.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vorlak {

using Byte = std::uint8_t;

inline constexpr int kEntryCount = 14;  // assignment entries: 0..6 base, 7..13 Shift layer
inline constexpr int kDpiStages = 7;    // stages in the record (the panels show six)
inline constexpr int kMacroSlots = 12;  // macro slots in the record
inline constexpr int kMacroSlotSize = 130;
inline constexpr int kMacroBlockSize = 128;  // the part of a slot that goes to the mouse

// Every field is a single byte or an array of bytes, so the layout has no padding
// and the record is stored and exchanged byte for byte.
struct MouseConfig {
    // The profile slot 0..5 last chosen in the profile manager, kept in the record file; every
    // apply and every clearing of the device image set it to 0, a record read sets it from
    // the file. An export names the current settings file after it.
    Byte profileSlot;                                                     // 0
    std::array<Byte, 4> reserved1;                                        // 1
    Byte pollingDivisor;                                                  // 5
    Byte reserved6;                                                       // 6
    std::array<Byte, kDpiStages> dpiLevel;                                // 7
    Byte reserved14;                                                      // 14
    std::array<Byte, kDpiStages> dpiEnabled;                              // 15
    Byte reserved22;                                                      // 22
    std::array<std::array<Byte, 3>, kDpiStages> dpiColor;                 // 23, red green blue
    std::array<Byte, 3> reserved44;                                       // 44
    Byte lightMode;                                                       // 47
    Byte lightBrightness;                                                 // 48
    Byte lightBreathRate;                                                 // 49
    Byte lightNeonRate;                                                   // 50
    Byte lightMode4Param;                                                 // 51
    Byte pointerPrecision;                                                // 52
    Byte wheelPageScroll;                                                 // 53
    Byte pointerSpeed;                                                    // 54
    Byte wheelLines;                                                      // 55
    Byte doubleClickStep;                                                 // 56
    Byte angleSnapLevel;                                                  // 57
    Byte angleSnapEnabled;                                                // 58
    Byte reserved59;                                                      // 59
    Byte sensitivityX;                                                    // 60
    Byte sensitivityY;                                                    // 61
    std::array<Byte, kEntryCount> KeyFunction;                            // 62
    std::array<Byte, kEntryCount> KeyDpiAction;                           // 76
    std::array<Byte, kEntryCount> reserved90;                             // 90
    std::array<Byte, kEntryCount> KeyMediaUsage;                          // 104
    std::array<Byte, kEntryCount> KeyWinShortcut;                         // 118
    std::array<Byte, 42> reserved132;                                     // 132
    std::array<Byte, kEntryCount> KeyOfficeKey;                           // 174
    std::array<Byte, kEntryCount> KeyCode;                                // 188
    std::array<Byte, 98> reserved202;                                     // 202
    std::array<Byte, kEntryCount> KeyMacroIndex;                          // 300
    std::array<Byte, kEntryCount> KeyMacroMode;                           // 314
    std::array<std::array<Byte, kMacroSlotSize>, kMacroSlots> macroSlot;  // 328

    // The record's bytes in file order.
    std::span<Byte, 1888> Bytes() {
        return std::span<Byte, 1888>(reinterpret_cast<Byte*>(this), 1888);
    }
    std::span<const Byte, 1888> Bytes() const {
        return std::span<const Byte, 1888>(reinterpret_cast<const Byte*>(this), 1888);
    }
};
static_assert(sizeof(MouseConfig) == 1888);
static_assert(offsetof(MouseConfig, KeyFunction) == 62);
static_assert(offsetof(MouseConfig, KeyMacroMode) == 314);
static_assert(offsetof(MouseConfig, macroSlot) == 328);

// The staging block for device traffic; never persisted.
struct DeviceImage {
    Byte profileSlot;                     // 0
    Byte functionOption1;                 // 1
    Byte functionOption3;                 // 2
    Byte functionOption4;                 // 3
    Byte pollingDivisorSent;              // 4
    Byte functionOption2;                 // 5
    std::array<Byte, 14> reserved6;       // 6
    std::array<Byte, 768> reserved20;     // 20, cleared at the start of every apply
    std::array<Byte, 64> keyMatrixBase;   // 788
    std::array<Byte, 64> keyMatrixShift;  // 852
    std::array<std::array<Byte, kMacroSlotSize>, kMacroSlots> macroStaging;  // 916
};
static_assert(sizeof(DeviceImage) == 2476);
static_assert(offsetof(DeviceImage, keyMatrixBase) == 788);
static_assert(offsetof(DeviceImage, macroStaging) == 916);

// The two records, the staging block and the companion state.
struct ConfigStore {
    MouseConfig currentConfig{};
    MouseConfig savedConfig{};
    DeviceImage deviceImage{};
    Byte firstRunFlag = 0;
    Byte useDefaultFiles = 0;
    // The 0-based position N of the current profile in the profile list (str.ini): it picks
    // the files configN.bin and strN.ini. Set by the load from the list's CurProfileName and
    // when the profile manager's list is committed.
    Byte currentProfileIndex = 0;
    // The profile the record came from when the profile manager opened, then the entry that
    // is current after its close; closing on that profile's entry loads nothing.
    int selectedProfile = 0;
    std::atomic<int> deviceConnected = 0;  // also read by the listener thread
};

// Writes the defaults into bytes 1..327; bytes 0, 14, 22 and the macro area stay.
void ResetToDefaults(MouseConfig& record);
// savedConfig := currentConfig.
void TakeSnapshot(ConfigStore& store);
// currentConfig := savedConfig.
void RevertToSnapshot(ConfigStore& store);
// Zeroes the staging block and copies its byte 0 into currentConfig.profileSlot.
void ClearDeviceImage(ConfigStore& store);

// DPI of a code: (code + 1) * 100 for 0..49, 5200..6000 for 50..54, 0 for none.
int DpiOfCode(Byte code);
// The text of stage 0..6 ("500", "5200"); "" for a code of 55 or more.
std::string FormatDpiLabel(const MouseConfig& record, int stage);
// Polling rate in Hz of a divisor (1000 / divisor); 0 for divisor 0.
int PollingRateHz(Byte divisor);
// A stage colour as a platform colour value: red | green << 8 | blue << 16.
std::uint32_t DpiColorValue(const MouseConfig& record, int stage);
void SetDpiColorValue(MouseConfig& record, int stage, std::uint32_t value);

}  // namespace vorlak
