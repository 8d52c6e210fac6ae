// SPDX-License-Identifier: GPL-3.0-or-later
// The facts of the mouse's protocol, in one place: its two USB identities, its two HID
// collections and their reports, the command codes of the feature frames and the objects
// of the block transfers.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "record/mouse_config.h"

namespace vorlak {

// The two identities the mouse appears under (data/70-vorlak.rules lists the same).
inline constexpr std::uint16_t kPrimaryVendorId = 0x04D9;
inline constexpr std::uint16_t kPrimaryProductId = 0xA168;
inline constexpr std::uint16_t kSecondaryVendorId = 0x260D;
inline constexpr std::uint16_t kSecondaryProductId = 0x1010;
// The device version the simulated mouse reports.
inline constexpr std::uint16_t kDeviceVersion = 0x0100;

// How the identities appear in the names of device arrival and removal notices, in the
// spellings each notice is matched by (the removal match keeps its mixed case).
inline constexpr std::string_view kPrimaryNoticeName = "VID_04D9&PID_A168";
inline constexpr std::array<std::string_view, 2> kPrimaryArrivalNames = {"VID_04d9&PID_a168",
                                                                         kPrimaryNoticeName};
inline constexpr std::array<std::string_view, 2> kSecondaryArrivalNames = {"VID_260d&PID_1010",
                                                                           "VID_260D&PID_1010"};
inline constexpr std::array<std::string_view, 4> kRemovalNames = {
    "Vid_04d9&Pid_a168", kPrimaryNoticeName, "VID_260d&PID_1010", "VID_260D&PID_1010"};

// The command collection: vendor usage page and usage 0xFF00, 9-byte feature frames
// (report id 0, c0..c6, checksum) and 33-byte output reports (report id 0, 32 data bytes).
inline constexpr std::uint16_t kCommandUsage = 0xFF00;
inline constexpr std::size_t kFeatureFrameSize = 9;
inline constexpr std::size_t kOutputReportSize = 33;
inline constexpr std::size_t kChunkSize = kOutputReportSize - 1;
// The pause after each output report of a block.
inline constexpr std::chrono::milliseconds kChunkPause{100};

// The event collection: vendor usage page and usage 0xFF01; input report 6 carries the
// marker 7, an event code and its value.
inline constexpr std::uint16_t kEventUsage = 0xFF01;
inline constexpr Byte kEventReportId = 6;
inline constexpr Byte kEventMarker = 7;
inline constexpr int kEventHeaderSize = 4;  // report id, marker, code, value
inline constexpr std::size_t kEventReportLength = 8;
inline constexpr std::size_t kEventBufferSize = 40;  // what the listener reads at most
// Event codes: 1..3 a DPI stage change (the value is the stage 1..7), 9 a macro key
// (the value is its number).
inline constexpr Byte kEventDpiStage = 1;
inline constexpr Byte kEventMacroKey = 9;

// Command codes (c0 of a feature frame).
inline constexpr Byte kCmdPollingRate = 0x01;
inline constexpr Byte kCmdWriteOptions = 0x03;
inline constexpr Byte kCmdLighting = 0x0D;
inline constexpr Byte kCmdSensitivity = 0x0E;
inline constexpr Byte kCmdDpiColors = 0x10;  // block commands: c1 object, c2 length
inline constexpr Byte kCmdDpiLevels = 0x11;
inline constexpr Byte kCmdKeyMatrix = 0x12;
inline constexpr Byte kCmdMacro = 0x13;
inline constexpr Byte kCmdReadVersion = 0x80;
inline constexpr Byte kCmdReadOptions = 0x83;

// The objects of the block commands.
inline constexpr Byte kDpiColorsObject = 0x01;
inline constexpr Byte kDpiLevelsObject = 0x06;
inline constexpr Byte kBaseMatrixObject = 0;
inline constexpr Byte kShiftMatrixObject = 3;  // macros are objects 1..12

// Bit 7 of a DPI stage's level byte: the stage is switched off.
inline constexpr Byte kDisabledStageBit = 0x80;
// The fourth function option byte as the program writes it back.
inline constexpr Byte kWrittenOption4 = 209;

}  // namespace vorlak
